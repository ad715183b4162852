#pragma once

#include <QList>
#include <QString>
#include <optional>

enum TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3 };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel };
using TMsgDlgButtons = QList<TMsgDlgBtn>;

// Modal results as the forms return them.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Every modal question goes through this one service: the program fills it with the
// real dialogs, tests with a strict script that fails on an unexpected question.
class TPrompts {
public:
    virtual ~TPrompts() = default;

    // The modal result of the button pressed, or of the default one when time ran out.
    virtual int MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds) = 0;
    // A one-line input; true when OK gave a non-empty trimmed text (stored into value).
    virtual bool InputText(const QString &caption, const QString &prompt, QString &value) = 0;
    // The connection dialog: the edited connection string, or nothing when cancelled.
    virtual std::optional<QString> EditConnectionString(const QString &initial) = 0;
};

// The installed service; without one every question throws, so nothing ever hangs.
TPrompts &Prompts();
void SetPrompts(TPrompts *prompts);

int MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds = 0);
void ShowError(const QString &text);
void ShowInformation(const QString &text);
void ReportError(const QString &title, const QString &reason, const QString &raisedIn);
bool InputText(const QString &caption, const QString &prompt, QString &value);

// The failure text of the house convention: what failed, the reason, and where.
QString FailureText(const QString &what, const QString &reason, const QString &raisedIn,
                    const QString &raisedInLabel = QStringLiteral("Exception Raised In: "));
