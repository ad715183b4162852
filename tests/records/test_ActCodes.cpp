#include "records/RecordTest.h"

#include "app/clsEVxException.h"
#include "records/clsActCodes.h"

class ActCodeRecords : public TRecordTest {
protected:
    void SetUp() override
    {
        TRecordTest::SetUp();
        con.Exec(QStringLiteral("INSERT INTO ActCodes (ActCode, Descriptn, ForceLog, TempFlag, LogThis, ReqPermiss, LockedOut) "
                                "VALUES ('GL020', 'Settings', 1, 0, 1, 1, 0)"));
        con.Exec(QStringLiteral("INSERT INTO ActCodes (ActCode, Descriptn, ForceLog, TempFlag, LogThis, ReqPermiss, LockedOut) "
                                "VALUES ('TM010', 'Start', 0, 0, 0, 0, 0)"));
        code.SetAdoConnection(&con);
    }
    TActCodesItem code;
};
TRELVO_ENGINE_TEST_SUITE(ActCodeRecords);

TEST_P(ActCodeRecords, ACodeIsReadAndUpdatedButNeverInserted)
{
    ASSERT_TRUE(code.LoadByCode(QStringLiteral("GL020")));
    EXPECT_EQ(code.ActCode(), QStringLiteral("GL020"));
    EXPECT_EQ(code.Descriptn(), QStringLiteral("Settings"));
    EXPECT_TRUE(code.ForceLog());
    EXPECT_FALSE(code.TempFlag());
    EXPECT_TRUE(code.LogThis());
    EXPECT_TRUE(code.ReqPermiss());
    EXPECT_FALSE(code.LockedOut());
    EXPECT_FALSE(code.Modified());

    // A code that is not there: false, and what was loaded stays.
    EXPECT_FALSE(code.LoadByCode(QStringLiteral("XX999")));
    EXPECT_EQ(code.Descriptn(), QStringLiteral("Settings"));

    code.SetDescriptn(Hostile("Owner's settings"));
    code.SetLockedOut(true);
    EXPECT_EQ(code.Update(), 1);
    EXPECT_EQ(Text(QStringLiteral("SELECT Descriptn FROM ActCodes WHERE ActCode = 'GL020'")), Hostile("Owner's settings"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT LockedOut FROM ActCodes WHERE ActCode = 'GL020'")), 1);

    code.SetActCode(QStringLiteral("NEW01"));
    EXPECT_EQ(code.Update(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM ActCodes")), 2);

    // Clear leaves nothing of the old code behind.
    code.Clear();
    EXPECT_TRUE(code.ActCode().isEmpty() && code.Descriptn().isEmpty());
    EXPECT_FALSE(code.ForceLog() || code.LogThis() || code.ReqPermiss() || code.LockedOut());
    code.SetIsNew(true);
    try {
        code.Update();
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("TActCodesItem.ActCode not set"));
        EXPECT_EQ(e.RaisedIn(), QStringLiteral("TActCodesItem.Update"));
    }
}

TEST_P(ActCodeRecords, DeleteRemovesOnlyItsOwnCode)
{
    code.SetActCode(QStringLiteral("GL020' OR ActCode <> '"));
    EXPECT_EQ(code.Delete(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM ActCodes")), 2);
    ASSERT_TRUE(code.LoadByCode(QStringLiteral("TM010")));
    EXPECT_EQ(code.Delete(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM ActCodes WHERE ActCode = 'GL020'")), 1);
}
