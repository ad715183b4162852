#pragma once

#include "modMsgDlgs.h"

#include <QDialog>
#include <memory>

class TfrmTimerForm;

// The height of a control a finger can hit.
constexpr int TouchControlHeight = 40;
// Fonts and control sizes for the touch screen, for forms laid out by Qt's layouts.
void ApplyTouchLook(QWidget *form);

// The program's message dialog, not yet shown: caption and icon by type, the text at
// (50, 8) wrapping at half the screen, the buttons in the order Yes, No, OK, Cancel sized
// by the shared look; OK (else Yes) is the default and counts down a positive time-out,
// Cancel (else No, else OK) answers Esc.
std::unique_ptr<TfrmTimerForm> CreateMessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons,
                                                   int timeoutSeconds, QWidget *parent = nullptr);
// The one-line text question: prompt "lblPrompt", box "txtValue", "btnOK" (1) and "btnCancel" (2).
std::unique_ptr<QDialog> CreateInputTextDialog(const QString &caption, const QString &prompt, const QString &value,
                                               QWidget *parent = nullptr);

// The real dialogs behind the prompt service.
class TGuiPrompts final : public TPrompts {
public:
    int MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds) override;
    bool InputText(const QString &caption, const QString &prompt, QString &value) override;
    std::optional<QString> EditConnectionString(const QString &initial) override;
    std::optional<QString> Password(const QString &prompt) override;
    std::optional<QString> NumPadText(const QString &prompt, const QString &matchText, bool allowDecimal) override;
    std::optional<QString> ConfirmNewPassword() override;
    std::optional<TOdometerEntry> OdometerAndFloat(TAdoConnection *connection, const QString &empNum) override;
    std::optional<QString> PickEmployee(TAdoConnection *connection) override;
    int SelectTill(TAdoConnection *connection) override;
};
