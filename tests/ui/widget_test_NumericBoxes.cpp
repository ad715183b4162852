#include "support/StrictPrompts.h"
#include "ui/NEdit.h"
#include "ui/NumEditPro.h"
#include "ui/dbiCurrency.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

Currency Money(const char *text)
{
    return Currency::FromString(QString::fromLatin1(text));
}

// The workstation's regional settings for one test.
class TLocaleScope {
public:
    explicit TLocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~TLocaleScope() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

void Focus(QWidget &box, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &event);
    QCoreApplication::processEvents();  // the selection follows once the focus has settled
}

} // namespace

TEST(dbiCurrency, KeysThatWouldPassTheMaximumAreRefused)
{
    const TLocaleScope locale(QLocale::c());
    TdbiCurrency box;
    box.SetMaxValue(Money("1000000"));
    box.setText(QString());
    QTest::keyClicks(&box, QStringLiteral("100000"));
    QTest::keyClick(&box, Qt::Key_1);
    EXPECT_EQ(box.text(), QStringLiteral("100000")) << "1000001 is refused";
    QTest::keyClick(&box, Qt::Key_0);
    EXPECT_EQ(box.text(), QStringLiteral("1000000"));
    QTest::keyClicks(&box, QStringLiteral("x5."));
    EXPECT_EQ(box.text(), QStringLiteral("1000000.")) << "a letter and a digit refused, the separator taken";
    QTest::keyClick(&box, Qt::Key_5);
    EXPECT_EQ(box.text(), QStringLiteral("1000000.")) << "1000000.5 is above the maximum";
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("1000000"));
    EXPECT_EQ(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST(dbiCurrency, EnteringShowsThePlainValueAndLeavingFormatsIt)
{
    const TLocaleScope locale(QLocale::c());
    const struct {
        const char *name;
        bool isCurrency;
        const char *format;
        const char *typed;
        const char *left;
        const char *value;
    } cases[] = {
        {"a currency box with a picture", true, "#,##0.00", "1234.5", "1,234.50", "1234.5"},
        {"a plain box keeps the text", false, "#,##0.00", "1234.5", "1234.5", "1234.5"},
        {"a currency box without a picture", true, "", "12", "12", "12"},
        {"a lone separator is no number: 0", false, "", ".", "0", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TdbiCurrency box;
        box.SetIsCurrency(c.isCurrency);
        box.SetFormatOnExit(QString::fromLatin1(c.format));
        box.SetValue(Money("7.5"));
        EXPECT_EQ(box.text(), QStringLiteral("7.5"));
        Focus(box, QEvent::FocusIn);
        EXPECT_EQ(box.selectedText(), QStringLiteral("7.5"));
        QTest::keyClicks(&box, QString::fromLatin1(c.typed));
        Focus(box, QEvent::FocusOut);
        EXPECT_EQ(box.text(), QString::fromLatin1(c.left));
        EXPECT_EQ(box.Value(), Money(c.value));
        Focus(box, QEvent::FocusIn);
        EXPECT_EQ(box.text(), QString::fromLatin1(c.value)) << "back to the plain value";
    }
}

TEST(dbiCurrency, TheSeparatorIsTheWorkstations)
{
    const TLocaleScope locale(QLocale(QLocale::German, QLocale::Germany));
    TdbiCurrency box;
    box.setText(QString());
    QTest::keyClicks(&box, QStringLiteral("12.,345"));
    EXPECT_EQ(box.text(), QStringLiteral("12,34"));
    box.SetValue(Money("0.5"));
    EXPECT_EQ(box.text(), QStringLiteral("0,5"));
}

TEST(NumEditPro, TypingFollowsTheRules)
{
    const struct {
        const char *name;
        const char *start;
        const char *typed;
        const char *text;
        int aboveMax;
    } cases[] = {
        {"0 is replaced", "0", "5", "5", 0},
        {"12.34 takes no further digit", "12.34", "9", "12.34", 0},
        {"letters and a second point are dropped", "12", "a.5.", "12.5", 0},
        {"above the maximum of 100", "10", "15", "10", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TNumEditPro box;
        box.SetMaxValue(Money("100"));
        int above = 0;
        QObject::connect(&box, &TNumEditPro::OnAboveMaxValue, &box, [&] { ++above; });
        box.setText(QString::fromLatin1(c.start));
        box.end(false);
        QTest::keyClicks(&box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box.text(), QString::fromLatin1(c.text));
        EXPECT_EQ(above, c.aboveMax);
    }
}

TEST(NumEditPro, TheTextIsKeptANumber)
{
    const struct {
        const char *name;
        const char *set;
        const char *text;
        bool selected;
        const char *message;  // nullptr: none
    } cases[] = {
        {"a lone point", ".", "0.", false, nullptr},
        {"nothing", "", "0", true, nullptr},
        {"not a number", "1.2.3", "1.2.", true, "Please enter a number in the range \"0 to 999999999\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TNumEditPro box;
        TStrictPrompts prompts;
        if (c.message)
            prompts.ExpectExactMessage(mtInformation, QString::fromLatin1(c.message));
        box.setText(QString::fromLatin1(c.set));
        EXPECT_EQ(box.text(), QString::fromLatin1(c.text));
        EXPECT_EQ(box.hasSelectedText(), c.selected);
        if (!c.selected) {
            EXPECT_EQ(box.cursorPosition(), box.text().size());
        }
    }
    TNumEditPro box;
    box.setText(QStringLiteral("12."));
    EXPECT_EQ(box.Value(), Money("12"));
}

TEST(NumEditPro, TheLimitsRefuseWhatCannotBeAndBringTheValueWithin)
{
    const struct {
        const char *name;
        const char *min;  // nullptr: left as it is
        const char *max;
        const char *message;
        const char *minAfter;
        const char *maxAfter;
        const char *value;  // the box holds 50 before
    } cases[] = {
        {"a negative maximum", nullptr, "-1", "Enter a number in the range 0 to 999999999", "10", "999999999", "50"},
        {"a maximum below the minimum", nullptr, "5", "Cannot enter a maximum value that is smaller then the minimun value", "10", "999999999", "50"},
        {"a negative minimum", "-1", nullptr, "Enter a number in the range 0 to 999999999", "10", "999999999", "50"},
        {"a minimum above the maximum", "2000000000", nullptr, "Cannot enter a minimum value that is bigger than the maximum value", "10", "999999999", "50"},
        {"a maximum below the value", nullptr, "40", nullptr, "10", "40", "40"},
        {"a maximum above the value", nullptr, "60", nullptr, "10", "60", "50"},
        {"a minimum above the value", "70", nullptr, nullptr, "70", "999999999", "70"},
        {"a minimum below the value", "20", nullptr, nullptr, "20", "999999999", "50"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TNumEditPro box;
        box.SetMinValue(Money("10"));
        box.SetValue(Money("50"));
        TStrictPrompts prompts;
        if (c.message)
            prompts.ExpectExactMessage(mtInformation, QString::fromLatin1(c.message));
        if (c.min)
            box.SetMinValue(Money(c.min));
        if (c.max)
            box.SetMaxValue(Money(c.max));
        EXPECT_EQ(box.MinValue(), Money(c.minAfter));
        EXPECT_EQ(box.MaxValue(), Money(c.maxAfter));
        EXPECT_EQ(box.Value(), Money(c.value));
    }
}

TEST(NumEdit, KeysPassByTheirKind)
{
    const struct {
        const char *name;
        bool allowNegative;
        const char *permitted;
        const char *typed;
        const char *text;
    } cases[] = {
        {"digits, signs and a point", true, "", "-12.5+", "-12.5+"},
        {"no minus", false, "", "-12", "12"},
        {"letters dropped", true, "", "1a2B", "12"},
        {"permitted letters", true, "AB", "A1b2B", "A12B"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TNumEdit box;
        box.SetAllowNegative(c.allowNegative);
        box.SetPermittedAlpha(QString::fromLatin1(c.permitted));
        QList<int> reported;
        QObject::connect(&box, &TNumEdit::OnKeyDown, &box, [&](int key, Qt::KeyboardModifiers) { reported.append(key); });
        QTest::keyClicks(&box, QString::fromLatin1(c.typed));
        EXPECT_EQ(box.text(), QString::fromLatin1(c.text));
        for (int key : reported)
            EXPECT_TRUE(key == Qt::Key_Minus || key == Qt::Key_Plus || key == Qt::Key_Period || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
                        QString::fromLatin1(c.permitted).contains(QChar(key)))
                << "reported " << key;
    }
}

TEST(NumEdit, LeavingShowsTheValueInItsForm)
{
    const struct {
        const char *name;
        int decimals;
        bool percent;
        bool formatOnExit;
        const char *typed;
        const char *shown;
        double value;
    } cases[] = {
        {"two decimals", 2, false, true, "12.5", "12.50", 12.5},
        {"a percentage", 1, true, true, "15.5", "15.5%", 15.5},
        {"no format on exit", 2, false, false, "12.5", "12.5", 12.5},
        {"empty", 2, false, true, "", "0.00", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TNumEdit box;
        box.SetDecimalPlaces(c.decimals);
        box.SetIsPercent(c.percent);
        box.SetFormatOnExit(c.formatOnExit);
        box.SetValue(3);
        Focus(box, QEvent::FocusIn);
        EXPECT_EQ(box.selectedText(), QStringLiteral("3"));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, QString::fromLatin1(c.typed));
        Focus(box, QEvent::FocusOut);
        EXPECT_EQ(box.text(), QString::fromLatin1(c.shown));
        EXPECT_DOUBLE_EQ(box.Value(), c.value);
    }
}

TEST(NumEdit, ATextThatCannotBeTakenKeepsTheFocus)
{
    const struct {
        const char *name;
        int minLength;
        const char *typed;
        const char *message;
    } cases[] = {
        {"too short", 4, "12", "A minimum of 4 character(s) must be entered."},
        {"not a number", 0, "1.2.3", "'1.2.3' is not a valid number."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget form;
        auto *box = new TNumEdit(&form);
        auto *other = new TNumEdit(&form);
        box->SetMinLength(c.minLength);
        form.show();
        QApplication::setActiveWindow(&form);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtError, QString::fromLatin1(c.message));
        other->setFocus();
        QCoreApplication::processEvents();
        EXPECT_TRUE(prompts.Done());
        EXPECT_TRUE(box->hasFocus());
        EXPECT_EQ(box->text(), QString::fromLatin1(c.typed));
    }
}
