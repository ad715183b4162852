#include "StrictPrompts.h"

#include "app/clsEVxException.h"

#include <gtest/gtest.h>

TStrictPrompts::TStrictPrompts() : m_previous(&Prompts())
{
    SetPrompts(this);
}

TStrictPrompts::~TStrictPrompts()
{
    SetPrompts(m_previous);
    for (const Step &s : m_script)
        ADD_FAILURE() << "Expected question never asked: " << s.text.toStdString();
}

TStrictPrompts &TStrictPrompts::ExpectMessage(const QString &fragment, int result)
{
    m_script.push_back({Step::Message, fragment, false, std::nullopt, result, std::nullopt});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectExactMessage(TMsgDlgType type, const QString &text, int result)
{
    m_script.push_back({Step::Message, text, true, type, result, std::nullopt});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectInput(const QString &promptFragment, std::optional<QString> answer)
{
    m_script.push_back({Step::Input, promptFragment, false, std::nullopt, mrOk, std::move(answer)});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectConnectionDialog(const QString &initial, std::optional<QString> answer)
{
    m_script.push_back({Step::Connection, initial, !initial.isEmpty(), std::nullopt, mrOk, std::move(answer)});
    return *this;
}

TStrictPrompts::Step TStrictPrompts::Next(Step::Kind kind, const QString &asked)
{
    m_asked.append(asked);
    if (m_script.empty() || m_script.front().kind != kind) {
        ADD_FAILURE() << "Unexpected question: " << asked.toStdString();
        throw EVxException(QStringLiteral("Unexpected question in test: ") + asked, QStringLiteral("TStrictPrompts"));
    }
    Step step = m_script.front();
    m_script.pop_front();
    return step;
}

int TStrictPrompts::MessageDialog(const QString &text, TMsgDlgType type, const TMsgDlgButtons &, int timeoutSeconds)
{
    const Step step = Next(Step::Message, text);
    m_timeouts.append(timeoutSeconds);
    if (step.exact) {
        EXPECT_EQ(text.toStdString(), step.text.toStdString());
        if (step.type) {
            EXPECT_EQ(int(type), int(*step.type));
        }
    } else {
        EXPECT_TRUE(text.contains(step.text)) << "asked: " << text.toStdString() << "\nexpected to contain: " << step.text.toStdString();
    }
    return step.result;
}

bool TStrictPrompts::InputText(const QString &, const QString &prompt, QString &value)
{
    const Step step = Next(Step::Input, prompt);
    EXPECT_TRUE(prompt.contains(step.text)) << prompt.toStdString();
    if (!step.answer)
        return false;
    value = step.answer->trimmed();
    return !value.isEmpty();
}

std::optional<QString> TStrictPrompts::EditConnectionString(const QString &initial)
{
    const Step step = Next(Step::Connection, QStringLiteral("connection dialog: ") + initial);
    if (step.exact) {
        EXPECT_EQ(initial.toStdString(), step.text.toStdString());
    }
    return step.answer;
}

TStrictPrompts &TStrictPrompts::ExpectPassword(const QString &promptFragment, std::optional<QString> answer, std::function<void()> meanwhile)
{
    m_script.push_back({Step::Password, promptFragment, false, std::nullopt, mrOk, std::move(answer), {}, {}, std::move(meanwhile)});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectNumPadText(const QString &promptFragment, std::optional<QString> answer)
{
    m_script.push_back({Step::NumPadText, promptFragment, false, std::nullopt, mrOk, std::move(answer)});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectNewPassword(std::optional<QString> answer)
{
    m_script.push_back({Step::NewPassword, QString(), false, std::nullopt, mrOk, std::move(answer)});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectOdometer(const QString &empNum, std::optional<TOdometerEntry> answer)
{
    m_script.push_back({Step::Odometer, empNum, true, std::nullopt, mrOk, std::nullopt, answer});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectEmployeePick(std::optional<QString> answer)
{
    m_script.push_back({Step::EmployeePick, QString(), false, std::nullopt, mrOk, std::move(answer)});
    return *this;
}

TStrictPrompts &TStrictPrompts::ExpectTillList(std::function<int()> meanwhile)
{
    m_script.push_back({Step::TillList, QString(), false, std::nullopt, mrOk, std::nullopt, std::nullopt, std::move(meanwhile)});
    return *this;
}

std::optional<QString> TStrictPrompts::TextAnswer(Step::Kind kind, const QString &asked)
{
    const Step step = Next(kind, asked);
    EXPECT_TRUE(asked.contains(step.text)) << "asked: " << asked.toStdString() << "\nexpected to contain: " << step.text.toStdString();
    if (step.whileOpen)
        step.whileOpen();
    return step.answer;
}

std::optional<QString> TStrictPrompts::Password(const QString &prompt)
{
    return TextAnswer(Step::Password, QStringLiteral("password: ") + prompt);
}

std::optional<QString> TStrictPrompts::NumPadText(const QString &prompt, const QString &, bool)
{
    return TextAnswer(Step::NumPadText, QStringLiteral("number pad: ") + prompt);
}

std::optional<QString> TStrictPrompts::ConfirmNewPassword()
{
    return TextAnswer(Step::NewPassword, QStringLiteral("new password"));
}

std::optional<TOdometerEntry> TStrictPrompts::OdometerAndFloat(TAdoConnection *, const QString &empNum)
{
    const Step step = Next(Step::Odometer, QStringLiteral("odometer and float of ") + empNum);
    EXPECT_EQ(empNum.toStdString(), step.text.toStdString());
    return step.odometer;
}

std::optional<QString> TStrictPrompts::PickEmployee(TAdoConnection *)
{
    return TextAnswer(Step::EmployeePick, QStringLiteral("employee pick list"));
}

int TStrictPrompts::SelectTill(TAdoConnection *)
{
    const Step step = Next(Step::TillList, QStringLiteral("till list"));
    return step.meanwhile ? step.meanwhile() : mrCancel;
}
