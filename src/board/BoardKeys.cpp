#include "BoardKeys.h"

namespace BoardKeys {

TBoardAction ActionFor(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return TBoardAction::DriverInOut;
    if (!(modifiers & Qt::KeypadModifier))
        return TBoardAction::None;
    switch (key) {
    case Qt::Key_0: return TBoardAction::Quit;
    case Qt::Key_2: return TBoardAction::Next;
    case Qt::Key_4: return TBoardAction::Assign;
    case Qt::Key_5: return TBoardAction::SwitchView;
    case Qt::Key_6: return TBoardAction::Mark;
    case Qt::Key_7: return TBoardAction::Group;
    case Qt::Key_8: return TBoardAction::Prior;
    default: return TBoardAction::None;
    }
}

int VirtualKeyCode(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? 0x60 : 0x30) + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;  // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0x70 + (key - Qt::Key_F1);
    struct TPair { int key, code; };
    static constexpr TPair Codes[] = {
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
        {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11}, {Qt::Key_Alt, 0x12}, {Qt::Key_Pause, 0x13},
        {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B}, {Qt::Key_Space, 0x20}, {Qt::Key_PageUp, 0x21},
        {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24}, {Qt::Key_Left, 0x25},
        {Qt::Key_Up, 0x26}, {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28}, {Qt::Key_Insert, 0x2D},
        {Qt::Key_Delete, 0x2E}, {Qt::Key_Clear, 0x0C}, {Qt::Key_NumLock, 0x90}, {Qt::Key_ScrollLock, 0x91},
        {Qt::Key_Plus, 0xBB}, {Qt::Key_Minus, 0xBD}, {Qt::Key_Period, 0xBE},
        {Qt::Key_Comma, 0xBC}, {Qt::Key_Slash, 0xBF}, {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Equal, 0xBB},
    };
    if (keypad) {
        switch (key) {
        case Qt::Key_Asterisk: return 0x6A;
        case Qt::Key_Plus: return 0x6B;
        case Qt::Key_Minus: return 0x6D;
        case Qt::Key_Period: return 0x6E;
        case Qt::Key_Slash: return 0x6F;
        default: break;
        }
    }
    for (const TPair &p : Codes)
        if (p.key == key)
            return p.code;
    return 0;
}

} // namespace BoardKeys
