#pragma once

#include <Qt>

// What a key pressed in the board's grid does.
enum class TBoardAction { None, Quit, Next, Assign, SwitchView, Mark, Group, Prior, DriverInOut };

namespace BoardKeys {

// Keypad digits (Num Lock on) and Enter; the main keyboard's digits act through the menu.
TBoardAction ActionFor(int key, Qt::KeyboardModifiers modifiers);

// The key's Windows virtual-key code, as the status bar shows it; 0 when it has none.
int VirtualKeyCode(int key, Qt::KeyboardModifiers modifiers);

} // namespace BoardKeys
