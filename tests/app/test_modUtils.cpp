#include "app/modUtils.h"

#include <gtest/gtest.h>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

struct FixedClock {
    explicit FixedClock(TDateTime now) { DateTimes::SetClock([now] { return now; }); }
    ~FixedClock() { DateTimes::SetClock({}); }
};

} // namespace

TEST(modUtils, TextShapes)
{
    const struct {
        const char *name;
        QString actual;
        const char *expected;
    } cases[] = {
        {"proper: apostrophe is no separator", ProperCase(S("mary-ann o'neil")), "Mary-Ann O'neil"},
        {"proper: a prompt", ProperCase(S("Enter Driver password")), "Enter Driver Password"},
        {"proper: capitals lowered", ProperCase(S("JOHN SMITH")), "John Smith"},
        {"proper: after brackets and line breaks", ProperCase(S("(bob)\rann\nlee@x^y")), "(Bob)\rAnn\nLee@X^Y"},
        {"proper: other letters untouched", ProperCase(S("éLAN çA")), "élan ça"},
        {"proper: empty", ProperCase(QString()), ""},
        {"left str", LeftStr(S("ABCDEF"), 2), "AB"},
        {"left str shorter", LeftStr(S("AB"), 5), "AB"},
        {"right str", RightStr(S("ABCDEF"), 2), "EF"},
        {"right str negative", RightStr(S("AB"), -1), ""},
        {"spaces", Spaces(3), "   "},
        {"spaces negative", Spaces(-2), ""},
        {"centre: odd padding rounds up", CentreText(S("AB"), 5), "  AB  "},
        {"centre: even padding", CentreText(S("ABC"), 5), " ABC "},
        {"centre: exact width", CentreText(S("ABCDE"), 5), "ABCDE"},
        {"centre: longer unchanged", CentreText(S("ABCDEF"), 4), "ABCDEF"},
        {"left align pads", LeftAlign(S("AB"), 4), "AB  "},
        {"left align cuts", LeftAlign(S("ABCDEF"), 4), "ABCD"},
        {"left align negative", LeftAlign(S("AB"), -3), ""},
        {"right align pads", RightAlign(S("AB"), 4), "  AB"},
        {"right align cuts to the front", RightAlign(S("ABCDEF"), 4), "ABCD"},
        {"replace between positions", ReplaceChar(S("a.b.c.d"), u'.', u',', 5, 3), "a.b,c.d"},
        {"replace everywhere", ReplaceChar(S("a.b.c"), u'.', u','), "a,b,c"},
        {"replace beyond the end", ReplaceChar(S("a.b"), u'.', u',', 99, 0), "a,b"},
        {"format: example", FormatArgs(S("Driver %1 is on his %2 delivery"), {S("John"), 3}), "Driver John is on his 3 delivery"},
        {"format: repeated", FormatArgs(S("%1-%1"), {7}), "7-7"},
        {"format: %1 takes the front of %10", FormatArgs(S("%10"), {S("x")}), "x0"},
        {"format: no argument for it", FormatArgs(S("%1 %2"), {S("a")}), "a %2"},
        {"format: a value is not searched again", FormatArgs(S("%1 %2"), {S("50%2"), S("X")}), "50%2 X"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.actual, S(c.expected)) << c.name;

    EXPECT_EQ(LeftAlign(S("A"), 300).size(), 255);
    EXPECT_EQ(RightAlign(S("A"), 300), Spaces(254) + S("A"));
    EXPECT_EQ(CentreText(QString(), 3), Spaces(4));  // ceil(3/2) on each side
}

TEST(modUtils, WrapText)
{
    const struct {
        const char *name;
        const char *text;
        int width;
        QStringList lines;
    } cases[] = {
        {"example", "THE QUICK BROWN FOX", 10, {S("THE QUICK"), S("BROWN FOX")}},
        {"exactly the width is split at its blank", "AB CDEFGHI", 10, {S("AB"), S("CDEFGHI")}},
        {"shorter than the width passes whole", "AB CDEFGH", 10, {S("AB CDEFGH")}},
        {"a blank just after the width", "ABCD EFGH", 4, {S("ABCD"), S("EFGH")}},
        {"a blank at the width", "ABC DEFG", 4, {S("ABC"), S("DEFG")}},
        {"a word longer than the width is cut", "ABCDEFGHIJKL", 5, {S("ABCDE"), S("FGHIJ"), S("KL")}},
        {"leading blanks do not count", "   AB CD", 3, {S("AB"), S("CD")}},
        {"trailing blanks do", "AB CDE  ", 6, {S("AB CDE")}},
        {"a short text is trimmed", "AB  ", 10, {S("AB")}},
        {"empty", "", 5, {}},
        {"only blanks", "    ", 2, {}},
        {"a width below 1 gives a character a line", "AB", 0, {S("A"), S("B")}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WrapText(S(c.text), c.width), c.lines) << c.name;
}

TEST(modUtils, TradingDayBounds)
{
    using DateTimes::EncodeDateTime;
    using DateTimes::EncodeTime;
    const struct {
        const char *name;
        TDateTime start;
        TDateTime now;
        const char *startText;
        const char *endText;
    } cases[] = {
        {"04:30 belongs to yesterday", EncodeTime(5, 0), EncodeDateTime(2024, 3, 5, 4, 30), "20240304 05:00:00", "20240305 05:00:00"},
        {"04:59:59 still yesterday", EncodeTime(5, 0), EncodeDateTime(2024, 3, 5, 4, 59, 59), "20240304 05:00:00", "20240305 05:00:00"},
        {"05:00 starts today", EncodeTime(5, 0), EncodeDateTime(2024, 3, 5, 5, 0), "20240305 05:00:00", "20240306 05:00:00"},
        {"late evening", EncodeTime(5, 0), EncodeDateTime(2024, 3, 5, 23, 59), "20240305 05:00:00", "20240306 05:00:00"},
        {"across a month in a leap year", EncodeTime(5, 0), EncodeDateTime(2024, 3, 1, 2, 0), "20240229 05:00:00", "20240301 05:00:00"},
        {"a start of 0 counts as 05:00", 0.0, EncodeDateTime(2024, 3, 5, 3, 0), "20240304 05:00:00", "20240305 05:00:00"},
        {"another start", EncodeTime(6, 30), EncodeDateTime(2024, 3, 5, 6, 29), "20240304 06:30:00", "20240305 06:30:00"},
        {"a start with a date part uses its time", 45000 + EncodeTime(6, 30), EncodeDateTime(2024, 3, 5, 6, 30), "20240305 06:30:00", "20240306 06:30:00"},
    };
    for (const auto &c : cases) {
        FixedClock clock(c.now);
        EXPECT_EQ(TradingDayStartText(c.start), S(c.startText)) << c.name;
        EXPECT_EQ(TradingDayEndText(c.start), S(c.endText)) << c.name;
        EXPECT_DOUBLE_EQ(TradingDayEnd(c.start) - TradingDayStart(c.start), 1.0) << c.name;
    }

    // The bound itself takes midnight as it is.
    const TDateTime midnight = EncodeDateTime(2024, 3, 5);
    EXPECT_DOUBLE_EQ(TradingDayBound(tdbStart, 0.0, midnight), midnight);
    EXPECT_DOUBLE_EQ(TradingDayBound(tdbNext, 0.0, midnight + EncodeTime(23, 0)), midnight + 1);
}

TEST(modUtils, NowTextFollowsTheClock)
{
    FixedClock clock(DateTimes::EncodeDateTime(2024, 12, 31, 7, 8, 9));
    EXPECT_EQ(NowText(), S("20241231 07:08:09"));
}
