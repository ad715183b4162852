#include "ui/NumericRules.h"

#include <gtest/gtest.h>

namespace {

// A box written as its text with "|" for the caret and "[...]" around a selection.
TEditState Box(const char *picture)
{
    TEditState box;
    for (const QChar ch : QString::fromLatin1(picture)) {
        if (ch == u'|') {
            box.cursor = static_cast<int>(box.text.size());
        } else if (ch == u'[') {
            box.selStart = static_cast<int>(box.text.size());
        } else if (ch == u']') {
            box.selLength = static_cast<int>(box.text.size()) - box.selStart;
            box.cursor = static_cast<int>(box.text.size());
        } else {
            box.text += ch;
        }
    }
    return box;
}

Currency Money(const char *text)
{
    return Currency::FromString(QString::fromLatin1(text));
}

} // namespace

TEST(NumericRules, TheMoneyBoxTakesOnlyKeysThatLeaveANumberWithinItsLimits)
{
    const struct {
        const char *name;
        const char *box;
        char16_t key;
        int decimals;
        const char *max;
        char16_t separator;
        bool taken;
    } cases[] = {
        {"Backspace always", "12.34|", u'\b', 2, "1", u'.', true},
        {"a letter", "12|", u'a', 2, "0", u'.', false},
        {"a minus", "12|", u'-', 2, "0", u'.', false},
        {"a digit", "12|", u'3', 2, "0", u'.', true},
        {"all selected: even the separator without decimals", "[12]", u'.', 0, "0", u'.', true},
        {"an empty box is not all selected", "|", u'.', 0, "0", u'.', false},
        {"the separator without decimals", "12|", u'.', 0, "0", u'.', false},
        {"a second decimal", "12.3|", u'4', 2, "0", u'.', true},
        {"a third decimal", "12.34|", u'5', 2, "0", u'.', false},
        {"a second separator", "12.3|", u'.', 2, "0", u'.', false},
        {"1000001 above a maximum of 1000000", "100000|", u'1', 2, "1000000", u'.', false},
        {"1000000 at a maximum of 1000000", "100000|", u'0', 2, "1000000", u'.', true},
        {"no maximum", "999999999|", u'9', 2, "0", u'.', true},
        // The key goes in at the caret: 95 is above 60 although 59 would not be.
        {"in front of the text, above the maximum", "|5", u'9', 2, "60", u'.', false},
        {"after the text, within the maximum", "5|", u'9', 2, "60", u'.', true},
        {"replacing part of the text", "[10]0000|", u'9', 2, "1000000", u'.', true},
        {"a comma where the workstation writes one", "12,3|", u'4', 2, "0", u',', true},
        {"a point where the workstation writes a comma", "12|", u'.', 2, "0", u',', false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CurrencyKeyTaken(Box(c.box), QChar(c.key), c.decimals, Money(c.max), QChar(c.separator)), c.taken);
    }
}

TEST(NumericRules, AMoneyTextCountsOnlyItsSignDigitsAndSeparator)
{
    const struct {
        const char *text;
        char16_t separator;
        const char *value;  // nullptr: not a number
    } cases[] = {
        {"", u'.', "0"},         {"R 1,234.50", u'.', "1234.5"}, {"-12.5", u'.', "-12.5"}, {"1.234,5", u',', "1234.5"},
        {"abc", u'.', "0"},      {".", u'.', nullptr},           {"1.2.3", u'.', nullptr}, {"5.", u'.', "5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Currency> value = ParseCurrencyText(QString::fromLatin1(c.text), QChar(c.separator));
        ASSERT_EQ(value.has_value(), c.value != nullptr);
        if (value) {
            EXPECT_EQ(*value, Money(c.value));
        }
    }
}

TEST(NumericRules, TheRangeBoxDropsKeysOutsideItsRules)
{
    const struct {
        const char *name;
        const char *box;
        char16_t key;
        int decimals;
        const char *min;
        const char *max;
        TNumEditProKey result;
    } cases[] = {
        {"12.34 with two decimals: no further digit", "12.34|", u'5', 2, "0", "999999999", nkDrop},
        {"0: a digit replaces it", "0|", u'5', 2, "0", "999999999", nkReplace},
        {"a letter", "12|", u'a', 2, "0", "999999999", nkDrop},
        {"a minus", "12|", u'-', 2, "0", "999999999", nkDrop},
        {"a point", "12|", u'.', 2, "0", "999999999", nkTake},
        {"a second point", "12.3|", u'.', 2, "0", "999999999", nkDrop},
        {"a point without decimals", "12|", u'.', 0, "0", "999999999", nkDrop},
        {"all selected: any allowed key", "[12.34]", u'7', 2, "0", "999999999", nkTake},
        {"all selected: still no letters", "[12]", u'x', 2, "0", "999999999", nkDrop},
        {"Backspace", "12|", u'\b', 2, "0", "999999999", nkTake},
        {"Backspace with the decimals full", "12.34|", u'\b', 2, "0", "999999999", nkTake},
        {"a digit", "12|", u'3', 2, "0", "999999999", nkTake},
        {"above the maximum", "10|", u'1', 2, "0", "100", nkAboveMax},
        {"at the maximum", "10|", u'0', 2, "0", "100", nkTake},
        {"in front, above the maximum", "|10", u'9', 2, "0", "100", nkAboveMax},
        {"below the minimum", "0|", u'3', 2, "5", "100", nkBelowMin},
        {"at the minimum", "0|", u'5', 2, "5", "100", nkReplace},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NumEditProKey(Box(c.box), QChar(c.key), c.decimals, Money(c.min), Money(c.max)), c.result);
    }
}

TEST(NumericRules, TheRangeBoxAlwaysHoldsANumber)
{
    const struct {
        const char *text;
        const char *fixed;
        TCaretFix caret;
        bool invalid;
        const char *value;  // what the fixed text reads as
    } cases[] = {
        {".", "0.", cfEnd, false, "0"},
        {"", "0", cfSelectAll, false, "0"},
        {"12.", "12.", cfKeep, false, "12"},
        {"12.34", "12.34", cfKeep, false, "12.34"},
        {"1.2.3", "1.2.", cfSelectAll, true, "1.2"},
        {"-", "", cfSelectAll, true, "0"},
        {"12a", "12", cfSelectAll, true, "12"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const TNumEditProFix fix = NumEditProAfterChange(QString::fromLatin1(c.text));
        EXPECT_EQ(fix.text, QString::fromLatin1(c.fixed));
        EXPECT_EQ(fix.caret, c.caret);
        EXPECT_EQ(fix.invalid, c.invalid);
        EXPECT_EQ(NumEditProValue(fix.text), Money(c.value));
    }
    EXPECT_EQ(NumEditProValue(QStringLiteral(".5")), Money("0.5")) << "a leading point reads as 0.";
    EXPECT_EQ(NumEditProValue(QStringLiteral("-")), Currency());
    EXPECT_EQ(NumEditProValue(QStringLiteral(".")), Currency());
}

TEST(NumericRules, TheNumberBoxLetsThroughItsCharactersAndReportsItsKeys)
{
    const struct {
        char16_t ch;
        bool allowNegative;
        const char *permitted;
        bool allowed;
    } chars[] = {
        {u'5', true, "", true},  {u'.', true, "", true}, {u'+', true, "", true},  {u'-', true, "", true},
        {u'-', false, "", false}, {u'\b', true, "", true}, {u'\r', true, "", true}, {u'\x1b', true, "", true},
        {u'a', true, "", false},  {u'A', true, "AB", true}, {u'C', true, "AB", false}, {u',', true, "", false},
    };
    for (const auto &c : chars) {
        SCOPED_TRACE(QString(QChar(c.ch)).toStdString());
        EXPECT_EQ(NumEditCharAllowed(QChar(c.ch), c.allowNegative, QString::fromLatin1(c.permitted)), c.allowed);
    }
    const struct {
        int key;
        const char *text;
        const char *permitted;
        bool reported;
    } keys[] = {
        {Qt::Key_Backspace, "\b", "", true}, {Qt::Key_Return, "\r", "", true}, {Qt::Key_Enter, "\r", "", true},
        {Qt::Key_Escape, "\x1b", "", true},  {Qt::Key_Plus, "+", "", true},    {Qt::Key_Minus, "-", "", true},
        {Qt::Key_Period, ".", "", true},     {Qt::Key_7, "7", "", true},       {Qt::Key_Left, "", "", false},
        {Qt::Key_Delete, "", "", false},     {Qt::Key_A, "a", "", false},      {Qt::Key_A, "a", "ab", true},
    };
    for (const auto &k : keys) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(NumEditKeyReported(k.key, QString::fromLatin1(k.text), QString::fromLatin1(k.permitted)), k.reported);
    }
}

TEST(NumericRules, TheNumberBoxReadsAndShowsItsValue)
{
    const struct {
        const char *text;
        std::optional<double> value;
    } reads[] = {{"", 0.0}, {"12.5", 12.5}, {"+3", 3.0}, {"-.5", -0.5}, {"1.2.3", std::nullopt}, {"--", std::nullopt}, {"AB12", std::nullopt}};
    for (const auto &r : reads) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(NumEditParse(QString::fromLatin1(r.text)), r.value);
    }
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const struct {
        double value;
        int decimals;
        bool percent;
        bool currency;
        const char *shown;
    } shows[] = {
        {12.345, 2, false, false, "12.35"}, {12.0, 0, false, false, "12"},      {15.5, 1, true, false, "15.5%"},
        {1234.5, 2, false, true, "$1,234.50"}, {-3.0, 2, false, false, "-3.00"},
    };
    for (const auto &s : shows) {
        SCOPED_TRACE(s.shown);
        EXPECT_EQ(NumEditExitText(s.value, s.decimals, s.percent, s.currency, us), QString::fromLatin1(s.shown));
    }
}

TEST(NumericRules, NumbersInTheShortestGeneralForm)
{
    const struct {
        double value;
        const char *text;
    } reals[] = {{0.0, "0"}, {12.5, "12.5"}, {1000000.0, "1000000"}, {0.1 + 0.2, "0.3"}, {-3.25, "-3.25"}};
    for (const auto &r : reals)
        EXPECT_EQ(GeneralNumberText(r.value), QString::fromLatin1(r.text)) << r.text;
    const struct {
        const char *value;
        const char *text;
    } money[] = {{"12.34", "12.34"}, {"100", "100"}, {"-0.5", "-0.5"}, {"0", "0"}, {"0.0001", "0.0001"}};
    for (const auto &m : money)
        EXPECT_EQ(GeneralNumberText(Money(m.value)), QString::fromLatin1(m.text)) << m.text;
    EXPECT_EQ(GeneralNumberText(12.5, u','), QStringLiteral("12,5"));
    EXPECT_EQ(GeneralNumberText(Money("12.5"), u','), QStringLiteral("12,5"));
}

TEST(NumericRules, FormatPictures)
{
    const struct {
        const char *format;
        const char *value;
        const char *text;
    } cases[] = {
        {"0.00", "1234.5", "1234.50"},
        {"#,##0.00", "1234567.891", "1,234,567.89"},
        {"#,##0.00", "0.005", "0.01"},  // halves away from zero
        {"0", "2.5", "3"},
        {"0", "-2.5", "-3"},
        {"#.##", "0.5", ".5"},
        {"0.0#", "1.5", "1.5"},
        {"0.0#", "1.555", "1.56"},
        {"00000", "42", "00042"},
        {"R #,##0.00", "12", "R 12.00"},
        {"\"R\"0.00\" each\"", "3", "R3.00 each"},
        {"0.00", "-5", "-5.00"},
        {"0.00;(0.00)", "-5", "(5.00)"},
        {"0.00;-0.00;\"nil\"", "0", "nil"},
        {"", "12.5", "12.5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatFloat(QString::fromLatin1(c.format), Money(c.value)), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(FormatFloat(QStringLiteral("#,##0.00"), Money("1234.5"), u',', u'.'), QStringLiteral("1.234,50"));
}
