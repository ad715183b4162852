#include "records/RecordTest.h"

#include "app/clsEVxException.h"
#include "records/clsTills.h"

TEST(TillsItem, BlankTextsAreTheNulTextAndOnlyAChangeMarks)
{
    TTillsItem till;
    EXPECT_EQ(till.ComputerName(), NulString());
    EXPECT_EQ(till.TillID(), -1);
    EXPECT_EQ(till.TillsID(), -1);
    const struct {
        QString text;
        QString stored;
        bool marks;
    } steps[] = {
        {NulString(), NulString(), false},
        {QStringLiteral(" POS-1 "), QStringLiteral(" POS-1 "), true},  // kept as given
        {QStringLiteral(" POS-1 "), QStringLiteral(" POS-1 "), false},
        {QStringLiteral("   "), NulString(), true},
    };
    for (const auto &s : steps) {
        till.ResetFlags();
        till.SetComputerName(s.text);
        EXPECT_EQ(till.ComputerName(), s.stored) << s.text.toStdString();
        EXPECT_EQ(till.Modified(), s.marks) << s.text.toStdString();
    }
}

TEST(TillsItem, CloneCopiesEveryFieldAndMarksTheCopy)
{
    TTillsItem source, copy;
    source.SetComputerName(QStringLiteral("POS-1"));
    source.SetHDSerial(QStringLiteral("1A2B-3C4D"));
    source.SetLoginName(QStringLiteral("anna"));
    source.SetTillID(4);
    source.SetTillsID(12);
    source.ResetFlags();
    copy.Clone(source);
    EXPECT_EQ(copy.ComputerName(), QStringLiteral("POS-1"));
    EXPECT_EQ(copy.HDSerial(), QStringLiteral("1A2B-3C4D"));
    EXPECT_EQ(copy.LoginName(), QStringLiteral("anna"));
    EXPECT_EQ(copy.TillID(), 4);
    EXPECT_EQ(copy.TillsID(), 12);
    EXPECT_TRUE(copy.Modified());
}

class TillRecords : public TRecordTest {};
TRELVO_ENGINE_TEST_SUITE(TillRecords);

TEST_P(TillRecords, ATillIsInsertedWithItsIdentityAndFoundByItsNumber)
{
    TTillsItem till;
    till.SetAdoConnection(&con);
    till.SetComputerName(Hostile("DISPATCH"));
    till.SetLoginName(QStringLiteral("anna"));
    till.SetTillID(7);
    EXPECT_EQ(till.Update(), 1);
    EXPECT_GT(till.TillsID(), 0);
    EXPECT_FALSE(till.Modified() || till.IsNew());
    EXPECT_EQ(Text(QStringLiteral("SELECT [HD Serial] FROM Tills")), NulString());

    TTillsItem found;
    found.SetAdoConnection(&con);
    ASSERT_TRUE(found.LoadByTillID(7));
    EXPECT_EQ(found.TillsID(), till.TillsID());
    EXPECT_EQ(found.ComputerName(), Hostile("DISPATCH"));
    EXPECT_EQ(found.HDSerial(), NulString());
    EXPECT_EQ(found.LoginName(), QStringLiteral("anna"));
    EXPECT_FALSE(found.Modified());

    found.SetHDSerial(QStringLiteral("0BAD-F00D"));
    EXPECT_EQ(found.Update(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Tills")), 1);
    EXPECT_EQ(Text(QStringLiteral("SELECT [HD Serial] FROM Tills WHERE TillID = 7")), QStringLiteral("0BAD-F00D"));

    EXPECT_FALSE(found.LoadByTillID(8));
    EXPECT_EQ(found.TillID(), -1);
    EXPECT_EQ(found.ComputerName(), NulString());
}

TEST(TillsItem, AFinderRefusesToRunWithoutAConnection)
{
    TTillsItem till;
    try {
        till.LoadByTillID(1);
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TTillsItem.AdoConnection property not set"));
    }
}
