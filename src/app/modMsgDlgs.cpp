#include "modMsgDlgs.h"

#include "clsEVxException.h"

namespace {

class TNoPrompts final : public TPrompts {
    [[noreturn]] static void Refuse(const QString &what)
    {
        throw EVxException(QStringLiteral("No dialogs are available to ask: ") + what, QStringLiteral("TPrompts"));
    }

public:
    int MessageDialog(const QString &text, TMsgDlgType, const TMsgDlgButtons &, int) override { Refuse(text); }
    bool InputText(const QString &, const QString &prompt, QString &) override { Refuse(prompt); }
    std::optional<QString> EditConnectionString(const QString &) override { Refuse(QStringLiteral("connection string")); }
    std::optional<QString> Password(const QString &prompt) override { Refuse(prompt); }
    std::optional<QString> NumPadText(const QString &prompt, const QString &, bool) override { Refuse(prompt); }
    std::optional<QString> ConfirmNewPassword() override { Refuse(QStringLiteral("new password")); }
    std::optional<TOdometerEntry> OdometerAndFloat(TAdoConnection *, const QString &empNum) override { Refuse(QStringLiteral("odometer of ") + empNum); }
    std::optional<QString> PickEmployee(TAdoConnection *) override { Refuse(QStringLiteral("employee pick list")); }
    int SelectTill(TAdoConnection *) override { Refuse(QStringLiteral("till list")); }
};

TNoPrompts g_noPrompts;
TPrompts *g_prompts = &g_noPrompts;

} // namespace

TPrompts &Prompts()
{
    return *g_prompts;
}

void SetPrompts(TPrompts *prompts)
{
    g_prompts = prompts ? prompts : &g_noPrompts;
}

int MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds)
{
    return Prompts().MessageDialog(text, type, buttons, timeoutSeconds);
}

void ShowError(const QString &text)
{
    MessageDialog(text, mtError, {mbOK}, 0);
}

void ShowInformation(const QString &text)
{
    MessageDialog(text, mtInformation, {mbOK}, 0);
}

void ReportError(const QString &title, const QString &reason, const QString &raisedIn)
{
    ShowError(title + u'\r' + QStringLiteral("Reason: ") + reason + QStringLiteral("\r\r") + QStringLiteral("Raised In: ") + raisedIn);
}

bool InputText(const QString &caption, const QString &prompt, QString &value)
{
    return Prompts().InputText(caption, prompt, value);
}

QString FailureText(const QString &what, const QString &reason, const QString &raisedIn, const QString &raisedInLabel)
{
    return what + u'\r' + QStringLiteral("Reason: ") + reason + QStringLiteral("\r\r") + raisedInLabel + raisedIn;
}
