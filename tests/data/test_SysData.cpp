#include "app/clsEVxException.h"
#include "data/clsSysData.h"
#include "support/EngineFixture.h"

TEST(SysDataItem, BooleansReadByTheirFirstCharacter)
{
    const struct {
        const char *text;
        bool expected;
    } cases[] = {{"Yes", true}, {"yes", true}, {"True", true}, {"t", true}, {"1", true}, {"No", false},
                 {"0", false}, {"false", false}, {"", false}, {"-1", false}};
    for (const auto &c : cases) {
        TSysDataItem item;
        item.SetValue(QString::fromLatin1(c.text));
        EXPECT_EQ(item.AsBoolean(), c.expected) << c.text;
    }
}

TEST(SysDataItem, AnEmptyReadingFillsItsDefaultWithoutMarking)
{
    TSysDataItem item;
    item.ResetFlags();
    EXPECT_EQ(item.AsInteger(), 0);
    EXPECT_EQ(item.Value(), QStringLiteral("0"));
    EXPECT_FALSE(item.Modified());

    TSysDataItem time;
    time.ResetFlags();
    DateTimes::SetClock([] { return DateTimes::EncodeDateTime(2024, 3, 5, 18, 30, 15); });
    EXPECT_NEAR(time.AsTime(), DateTimes::EncodeTime(18, 30, 15), 1e-9);
    DateTimes::SetClock({});
    EXPECT_EQ(time.Value(), QStringLiteral("18:30:15"));
    EXPECT_FALSE(time.Modified());
}

TEST(SysDataItem, TypedReadingsAndTheirConversionErrors)
{
    TSysDataItem item;
    item.SetValue(QStringLiteral("05:00"));
    EXPECT_NEAR(item.AsTime(), 5.0 / 24, 1e-9);
    item.SetValue(QStringLiteral("abc"));
    EXPECT_THROW(item.AsInteger(), EConvertError);
    EXPECT_THROW(item.AsFloat(), EConvertError);
    EXPECT_THROW(item.AsTime(), EConvertError);
    item.SetAsFloat(12.5);
    EXPECT_EQ(item.Value(), QStringLiteral("12.5"));
    item.SetAsCurrency(Currency::FromString(QStringLiteral("1234.5678")));
    EXPECT_EQ(item.AsCurrency().Raw(), 12345678);
    item.SetAsInteger(17);
    EXPECT_EQ(item.AsInteger(), 17);
    item.SetAsTime(DateTimes::EncodeTime(6, 30));
    EXPECT_EQ(item.Value(), QStringLiteral("06:30:00"));
}

TEST(SysDataItem, SettersTrimAndMarkOnlyAChange)
{
    TSysDataItem item;
    item.SetValue(QStringLiteral("1"));
    item.ResetFlags();
    item.SetAsBoolean(true);
    EXPECT_FALSE(item.Modified());
    item.SetValue(QStringLiteral("T"));
    item.ResetFlags();
    item.SetAsBoolean(true);
    EXPECT_TRUE(item.Modified());
    EXPECT_EQ(item.Value(), QStringLiteral("1"));

    const QString padded = QStringLiteral("  05:00\t");
    const struct {
        QString text;
        bool marks;
    } steps[] = {{padded, true}, {QStringLiteral("05:00"), false}, {padded, true}};
    for (const auto &s : steps) {
        item.ResetFlags();
        item.SetValue(s.text);
        EXPECT_EQ(item.Modified(), s.marks) << s.text.toStdString();
        EXPECT_EQ(item.Value(), QStringLiteral("05:00"));
    }
}

class SysData : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        data.SetAdoConnection(&con);
    }
    TSysData data;
};
TRELVO_ENGINE_TEST_SUITE(SysData);

TEST_P(SysData, FindOrAddCreatesInMemoryAndASaveWritesOnlyChanges)
{
    data.LoadClass(QStringLiteral("GLOBAL"));
    EXPECT_EQ(data.Count(), 0);
    TSysDataItem *start = data.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("DAY START"), QStringLiteral("05:00"));
    TSysDataItem *empty = data.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("HEADER"), QString());
    EXPECT_EQ(data.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("DAY START"), QStringLiteral("09:00")), start);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData")), 0);  // nothing until saved

    CountStatements();
    EXPECT_EQ(data.UpdateAll(), 2);
    EXPECT_EQ(empty->Value(), NulString());
    const int sent = StatementsSent();
    EXPECT_EQ(data.UpdateAll(), 0);
    EXPECT_EQ(StatementsSent(), sent);

    TSysData reloaded;
    reloaded.SetAdoConnection(&con);
    reloaded.LoadClass(QStringLiteral("GLOBAL"));
    ASSERT_EQ(reloaded.Count(), 2);
    TSysDataItem *header = reloaded.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("HEADER"), QStringLiteral("x"));
    EXPECT_EQ(header->Value(), NulString());
    EXPECT_FALSE(header->AsBoolean());
    EXPECT_NEAR(reloaded.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("DAY START"), QString())->AsTime(), 5.0 / 24, 1e-9);
    EXPECT_EQ(reloaded.UpdateAll(), 0);

    // A class with no rows keeps what the collection held.
    reloaded.LoadClass(QStringLiteral("7"));
    EXPECT_EQ(reloaded.Count(), 2);
}

TEST_P(SysData, AKeyDifferingOnlyInCaseUpdatesTheStoredRow)
{
    TSysData first;
    first.SetAdoConnection(&con);
    first.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("Day Start"), QStringLiteral("06:30"));
    first.UpdateAll();

    data.LoadClass(QStringLiteral("GLOBAL"));
    TSysDataItem *added = data.FindOrAdd(QStringLiteral("GLOBAL"), QStringLiteral("DAY START"), QStringLiteral("05:00"));
    EXPECT_EQ(data.Count(), 2);  // found by exact text only
    EXPECT_TRUE(added->IsNew());
    data.UpdateAll();
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData")), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData WHERE Value = '05:00'")), 1);
}

TEST_P(SysData, HostileTextIsStoredLiterallyAndAMissingKeyIsRefused)
{
    const QString hostile = QStringLiteral("' OR '1'='1");
    TSysDataItem *item = data.FindOrAdd(hostile, hostile, hostile);
    data.UpdateAll();
    TSysData other;
    other.SetAdoConnection(&con);
    other.LoadClass(hostile);
    ASSERT_EQ(other.Count(), 1);
    EXPECT_EQ(other.Items(0)->Value(), hostile);
    other.LoadClass(QStringLiteral("GLOBAL"));  // the injection would have matched every row
    EXPECT_EQ(other.Count(), 1);

    item->SetItem(QString());
    try {
        item->Update();
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TSysDataItem.Item not set"));
        EXPECT_EQ(e.RaisedIn(), QStringLiteral("TSysDataItem.Update"));
    }
    EXPECT_TRUE(item->Modified());
}
