#pragma once

#include "app/modMsgDlgs.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>

// A script of the questions a test expects, in order. An unexpected question fails the
// test at once (and throws, so the code under test never waits); an answer left unused
// fails it when the script is destroyed.
class TStrictPrompts : public TPrompts {
public:
    TStrictPrompts();
    ~TStrictPrompts() override;

    // Expect a message dialog whose text contains `fragment`; answer with `result`.
    TStrictPrompts &ExpectMessage(const QString &fragment, int result = mrOk);
    // Expect a message dialog of that type with exactly that text.
    TStrictPrompts &ExpectExactMessage(TMsgDlgType type, const QString &text, int result = mrOk);
    TStrictPrompts &ExpectInput(const QString &promptFragment, std::optional<QString> answer);
    // Expect the connection dialog pre-filled with `initial` (any when empty); answer or cancel.
    TStrictPrompts &ExpectConnectionDialog(const QString &initial, std::optional<QString> answer);
    // Expect the password prompt whose text contains `promptFragment`; answer or cancel.
    // `meanwhile` runs while the prompt is open, as the timers of the program would.
    TStrictPrompts &ExpectPassword(const QString &promptFragment, std::optional<QString> answer, std::function<void()> meanwhile = {});
    TStrictPrompts &ExpectNumPadText(const QString &promptFragment, std::optional<QString> answer);
    TStrictPrompts &ExpectNewPassword(std::optional<QString> answer);
    // Expect the odometer and float question for that employee; answer or cancel.
    TStrictPrompts &ExpectOdometer(const QString &empNum, std::optional<TOdometerEntry> answer);
    TStrictPrompts &ExpectEmployeePick(std::optional<QString> answer);
    // Expect the till list; `meanwhile` runs as the user's actions in it (a registration,
    // say) and gives the modal result.
    TStrictPrompts &ExpectTillList(std::function<int()> meanwhile);

    int MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &buttons, int timeoutSeconds) override;
    bool InputText(const QString &caption, const QString &prompt, QString &value) override;
    std::optional<QString> EditConnectionString(const QString &initial) override;
    std::optional<QString> Password(const QString &prompt) override;
    std::optional<QString> NumPadText(const QString &prompt, const QString &matchText, bool allowDecimal) override;
    std::optional<QString> ConfirmNewPassword() override;
    std::optional<TOdometerEntry> OdometerAndFloat(TAdoConnection *connection, const QString &empNum) override;
    std::optional<QString> PickEmployee(TAdoConnection *connection) override;
    int SelectTill(TAdoConnection *connection) override;

    bool Done() const { return m_script.empty(); }
    QStringList Asked() const { return m_asked; }
    // The time-out of each message dialog asked, in seconds (0: none).
    QList<int> MessageTimeouts() const { return m_timeouts; }

private:
    struct Step {
        enum Kind { Message, Input, Connection, Password, NumPadText, NewPassword, Odometer, EmployeePick, TillList } kind;
        QString text;
        bool exact = false;
        std::optional<TMsgDlgType> type;
        int result = mrOk;
        std::optional<QString> answer;
        std::optional<TOdometerEntry> odometer = {};
        std::function<int()> meanwhile = {};
        std::function<void()> whileOpen = {};
    };
    // A question answered with a text or nothing, whose asked text must contain the step's.
    std::optional<QString> TextAnswer(Step::Kind kind, const QString &asked);
    Step Next(Step::Kind kind, const QString &asked);

    std::deque<Step> m_script;
    QStringList m_asked;
    QList<int> m_timeouts;
    TPrompts *m_previous = nullptr;
};
