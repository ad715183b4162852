#include "data/Currency.h"

#include <gtest/gtest.h>

TEST(Currency, RoundsToCentsHalfToEven)
{
    const struct {
        const char *text;
        const char *cents;
    } cases[] = {
        {"10.005", "10.00"}, {"10.015", "10.02"}, {"10.025", "10.02"}, {"10.0051", "10.01"},
        {"-10.005", "-10.00"}, {"-10.015", "-10.02"}, {"0.0049", "0.00"}, {"12.5", "12.50"},
    };
    for (const auto &c : cases) {
        bool ok = false;
        const Currency v = Currency::FromString(QString::fromLatin1(c.text), &ok);
        ASSERT_TRUE(ok) << c.text;
        EXPECT_EQ(v.RoundToCents().ToString(2).toStdString(), c.cents) << c.text;
    }
}

TEST(Currency, ReadsDecimalTextExactlyAndRefusesJunk)
{
    bool ok = false;
    EXPECT_EQ(Currency::FromString(QStringLiteral("-12.3456"), &ok).Raw(), -123456);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Currency::FromString(QStringLiteral("0.00005"), &ok).Raw(), 1);  // fifth decimal rounds
    for (const char *bad : {"", "abc", "1.2.3", "-", "12,50"}) {
        Currency::FromString(QString::fromLatin1(bad), &ok);
        EXPECT_FALSE(ok) << bad;
    }
}

TEST(Currency, MultipliesByRatesWithoutDrift)
{
    // 2 x 12.50 at 14 % VAT: 25.00 inclusive, 10.9649 exclusive per unit, 21.9298 for two.
    const Currency price = Currency::FromString(QStringLiteral("12.50"));
    EXPECT_EQ((price * 2).ToString(), QStringLiteral("25.0000"));
    EXPECT_EQ(price.MulDouble(1.0 / 1.14).ToString(), QStringLiteral("10.9649"));
    EXPECT_EQ((price * 2).MulDouble(1.0 / 1.14).ToString(), QStringLiteral("21.9298"));
}
