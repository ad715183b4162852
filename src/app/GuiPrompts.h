#pragma once

#include "modMsgDlgs.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTimer;

// The height of a control a finger can hit.
constexpr int TouchControlHeight = 40;
// Fonts and control sizes for the touch screen, until the dialog kit's shared look exists.
void ApplyTouchLook(QWidget *form);

// The program's message dialog: caption and icon by type, buttons in the fixed order,
// and an optional countdown on the default button that closes it at 0.
class TfrmMessage : public QDialog {
    Q_OBJECT
public:
    TfrmMessage(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds,
                QWidget *parent = nullptr);

    // Esc and the window's close box answer with the cancel button's result.
    void reject() override;

private:
    void Tick();
    void ShowRemaining();

    QPushButton *m_default = nullptr;
    QString m_defaultCaption;
    int m_defaultResult = mrNone;
    int m_cancelResult = mrNone;
    int m_remaining = 0;
    QTimer *m_countdown;
};

// A one-line text question with OK and Cancel.
class TfrmInputText : public QDialog {
    Q_OBJECT
public:
    TfrmInputText(const QString &caption, const QString &prompt, const QString &value, QWidget *parent = nullptr);
    QString Text() const;

private:
    QLineEdit *m_edit;
};

// The real dialogs behind the prompt service.
class TGuiPrompts final : public TPrompts {
public:
    int MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds) override;
    bool InputText(const QString &caption, const QString &prompt, QString &value) override;
    std::optional<QString> EditConnectionString(const QString &initial) override;
};
