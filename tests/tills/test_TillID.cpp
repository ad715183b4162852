#include "app/FakeWorkstation.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"
#include "tills/CashUpRow.h"
#include "tills/modTillID.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TillID : public TDatabaseTest {
protected:
    void Register(int tillID, const QString &computer)
    {
        RegisterTill(&con, {tillID, computer, S("12AB-CD"), S("clerk")});
    }
    qlonglong Tills() { return Scalar(S("SELECT COUNT(*) FROM Tills")); }
};
TRELVO_ENGINE_TEST_SUITE(TillID);

TEST_P(TillID, TheSetUpProposesTheNumberAfterTheHighestUpToTen)
{
    const struct {
        const char *name;
        std::vector<int> registered;
        int proposed;
    } cases[] = {
        {"a fresh database", {}, 1},
        {"one till", {3}, 4},
        {"gaps are not filled", {2, 5}, 6},
        {"ten tills: 10, which is taken", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Tills"));
        for (int till : c.registered)
            Register(till, S("PC") + QString::number(till));
        EXPECT_EQ(NextTillID(&con), c.proposed);
    }
    EXPECT_EQ(TillHolder(&con, 10), S("PC10")) << "the tenth is taken";
}

TEST_P(TillID, ATakenNumberNamesItsComputerAndAFreeOneNone)
{
    Register(2, S("Counter-2"));
    EXPECT_TRUE(TillHolder(&con, 3).isNull());
    EXPECT_EQ(TillHolder(&con, 2), S("COUNTER-2"));
    EXPECT_EQ(TillTakenText(2, S("Counter-2")), S("The Till ID 2 has already been registered by...\rComputer: COUNTER-2"));
    EXPECT_EQ(DeleteTillQuestion(S("COUNTER-2"), 2), S("Delete [COUNTER-2 : 2]"));
}

TEST_P(TillID, ARegistrationIsStoredInTheSuiteFormat)
{
    RegisterTill(&con, {4, S("DISPATCH"), S("12AB-CD"), S("anna")});
    TAdoQuery q(&con);
    q.SetSQL(S("SELECT * FROM Tills"));
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName(S("TillID")).AsInteger(), 4);
    EXPECT_EQ(q.FieldByName(S("Computer Name")).AsString(), S("DISPATCH"));
    EXPECT_EQ(q.FieldByName(S("HD Serial")).AsString(), S("12AB-CD"));
    EXPECT_EQ(q.FieldByName(S("Login Name")).AsString(), S("anna"));
}

TEST_P(TillID, ARegisteredComputerIsFoundWithoutAWindow)
{
    const struct {
        const char *name;
        std::vector<std::pair<int, const char *>> rows;
        int expected;
    } cases[] = {
        {"the same name", {{1, "OTHER"}, {3, "DISPATCH"}}, 3},
        {"a name differing only in case", {{5, "Dispatch"}}, 5},
        {"two rows with the name: the first by TillID", {{7, "DISPATCH"}, {2, "dispatch"}}, 2},
        {"blanks around the stored name", {{6, " DISPATCH "}}, 6},
    };
    TFakeWorkstation workstation(S("DISPATCH"), S("anna"), S("12AB-CD"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Tills"));
        for (const auto &[till, name] : c.rows)
            Register(till, S(name));
        TStrictPrompts prompts;  // no question at all
        EXPECT_EQ(ResolveTillNumber(&con), c.expected);
    }
}

TEST_P(TillID, AnUnregisteredComputerGetsTheListAndEndsWithoutARegistration)
{
    TFakeWorkstation workstation(S("DISPATCH"), S("anna"), S("12AB-CD"));
    Register(1, S("OTHER"));
    const struct {
        const char *name;
        int result;
        int registerAs;  // 0: nothing registered in the list
        int expected;
    } cases[] = {
        {"cancelled", mrCancel, 0, -1},
        {"registered, then OK", mrOk, 4, 4},
        {"another till confirmed: not bound to it", mrOk, 0, -1},
        {"registered, then cancelled", mrCancel, 6, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Tills WHERE TillID <> 1"));
        TStrictPrompts prompts;
        prompts.ExpectTillList([&] {
            if (c.registerAs)
                Register(c.registerAs, S("dispatch"));
            return c.result;
        });
        EXPECT_EQ(ResolveTillNumber(&con), c.expected);
    }
}

TEST_P(TillID, AComputerWithoutANameIsNeverTakenForABlankRow)
{
    TFakeWorkstation workstation(QString(), S("anna"), S("12AB-CD"));
    Register(1, QString());
    TStrictPrompts prompts;
    prompts.ExpectTillList([] { return mrCancel; });
    EXPECT_EQ(ResolveTillNumber(&con), -1);
}

TEST_P(TillID, AnUnreadableTillListIsReportedAndTheListStillOffered)
{
    TFakeWorkstation workstation(S("DISPATCH"), S("anna"), S("12AB-CD"));
    con.Exec(S("DROP TABLE Tills"));
    TStrictPrompts prompts;
    prompts.ExpectMessage(S("Failed to refresh the query\r\rReason: "));
    prompts.ExpectTillList([] { return mrCancel; });
    EXPECT_EQ(ResolveTillNumber(&con), -1);
    EXPECT_TRUE(prompts.Asked().first().endsWith(S("\r\rRaised In: TfrmDbSelector.DoRefresh")));
}

TEST_P(TillID, AFloatPaidFromATillIsWrittenNegatedAndAFailureReported)
{
    DateTimes::SetClock([] { return DateTimes::EncodeDateTime(2024, 3, 5, 14, 30); });
    {
        TStrictPrompts prompts;
        EXPECT_TRUE(PayFloatFromTill(&con, 12, 31, S("O'Brien"), Currency::FromUnits(250)));
    }
    ExpectFloatIssue(con, 12, 31, S("Paid out to O'Brien"), Currency::FromUnits(-250));

    con.Exec(S("DROP TABLE CASHUP"));
    TStrictPrompts prompts;
    prompts.ExpectMessage(S("Could not save the float details into the till. Reason: "));
    EXPECT_FALSE(PayFloatFromTill(&con, 12, 31, S("7"), Currency::FromUnits(250)));
    EXPECT_TRUE(prompts.Asked().first().endsWith(S("\rRaised in [modTillID] PayFloatFromTill")));
    DateTimes::SetClock({});
}
