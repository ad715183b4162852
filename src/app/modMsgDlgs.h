#pragma once

#include "data/Currency.h"

#include <QList>
#include <QString>
#include <optional>

class TAdoConnection;

enum TMsgDlgType { mtWarning = 0, mtError = 1, mtInformation = 2, mtConfirmation = 3 };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel };
using TMsgDlgButtons = QList<TMsgDlgBtn>;

// Modal results as the forms return them.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// What the odometer and float question hands back.
struct TOdometerEntry {
    double Reading = 0;
    Currency Float;
    int Tillshift = 0;  // the till shift the float is paid from; 0 for none
};

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

    // The masked "Controlled Access" prompt: the text in upper case, or nothing when cancelled.
    virtual std::optional<QString> Password(const QString &prompt) = 0;
    // The prompt with a text box fed by the number pad: with a match text only that text is
    // accepted; without one any text that is not blank. Upper case, or nothing when cancelled.
    virtual std::optional<QString> NumPadText(const QString &prompt, const QString &matchText, bool allowDecimal) = 0;
    // A new password typed twice; nothing when cancelled.
    virtual std::optional<QString> ConfirmNewPassword() = 0;
    // The driver's odometer reading and float ("Delivery Settings"); nothing when cancelled.
    virtual std::optional<TOdometerEntry> OdometerAndFloat(TAdoConnection *connection, const QString &empNum) = 0;
    // The employee pick list: the chosen employee number, or nothing.
    virtual std::optional<QString> PickEmployee(TAdoConnection *connection) = 0;
    // The list of registered tills, where this computer can be registered; the modal result.
    virtual int SelectTill(TAdoConnection *connection) = 0;
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
