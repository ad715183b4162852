#include "clocking/FEmpClock.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"
#include "tills/CashUpRow.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

TDateTime March(int day, int hour, int minute)
{
    return DateTimes::EncodeDateTime(2024, 3, day, hour, minute);
}

TOdometerEntry Entry(double reading, int floatUnits, int tillshift)
{
    return {reading, Currency::FromUnits(floatUnits), tillshift};
}

} // namespace

class EmpClock : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        AddEmployee(S("201"), true);
        AddEmployee(S("101"), false);
        con.Exec(S("INSERT INTO TILLPOST (SHIFTNUM, TILLID, TILLISACTIVE) VALUES (12, 3, 1)"));
        At(March(5, 12, 0));
    }
    void TearDown() override
    {
        DateTimes::SetClock({});
        TDatabaseTest::TearDown();
    }

    void At(TDateTime now)
    {
        DateTimes::SetClock([now] { return now; });
    }

    void AddEmployee(const QString &empNum, bool driver)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Employee (EmpNum, FirstName, LastName, Active, DoesDeliveries, HourlyRate, KmRate) "
                             "VALUES (:EmpNum, 'Sam', :LastName, 1, :Driver, :HourlyRate, :KmRate)"));
        cmd.ParamByName(S("EmpNum")).SetString(empNum);
        cmd.ParamByName(S("LastName")).SetString(S("Person") + empNum);
        cmd.ParamByName(S("Driver")).SetBoolean(driver);
        cmd.ParamByName(S("HourlyRate")).SetCurrency(Currency::FromString(S("25.5")));
        cmd.ParamByName(S("KmRate")).SetCurrency(Currency::FromString(S("3.25")));
        cmd.Execute();
    }

    int AddShift(const QString &empNum, TDateTime in, bool clockedOut)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Attend (EmpNum, InDateTime, ClockedOut) VALUES (:EmpNum, :InDateTime, :ClockedOut) "
                             "SELECT :IDField = @@Identity"));
        cmd.ParamByName(S("EmpNum")).SetString(empNum);
        cmd.ParamByName(S("InDateTime")).SetDateTime(in);
        cmd.ParamByName(S("ClockedOut")).SetBoolean(clockedOut);
        cmd.ParamByName(S("IDField")).Direction = TParamDirection::Output;
        cmd.Execute();
        return cmd.ParamByName(S("IDField")).Value.toInt();
    }

    void RefuseNewShifts()
    {
        if (GetParam() == TEngine::PostgreSQL) {
            con.Exec(S("CREATE FUNCTION refuse_shift() RETURNS trigger AS 'BEGIN RAISE EXCEPTION ''no new shifts''; END' LANGUAGE plpgsql"));
            con.Exec(S("CREATE TRIGGER refuse_shift BEFORE INSERT ON Attend FOR EACH ROW EXECUTE FUNCTION refuse_shift()"));
        } else {
            con.Exec(S("CREATE TRIGGER refuse_shift BEFORE INSERT ON Attend BEGIN SELECT RAISE(ABORT, 'no new shifts'); END"));
        }
    }

    qlonglong Shifts() { return Scalar(S("SELECT COUNT(*) FROM Attend")); }
    qlonglong CashUps() { return Scalar(S("SELECT COUNT(*) FROM CASHUP")); }
};
TRELVO_ENGINE_TEST_SUITE(EmpClock);

TEST_P(EmpClock, TheStatusIsTheLastShiftBegunInsideTheTradingDay)
{
    const struct {
        const char *name;
        TDateTime now;
        std::vector<std::pair<TDateTime, bool>> shifts;  // begun, clocked out
        int status;
    } cases[] = {
        {"no shift", March(5, 12, 0), {}, csNoShift},
        {"an open shift", March(5, 12, 0), {{March(5, 9, 0), false}}, csClockedIn},
        {"clocked out last", March(5, 12, 0), {{March(5, 6, 0), false}, {March(5, 9, 0), true}}, csClockedOut},
        {"open only in the previous trading day", March(5, 12, 0), {{March(5, 4, 0), false}}, csNoShift},
        {"begun exactly at the day's start", March(5, 12, 0), {{March(5, 5, 0), false}}, csNoShift},
        {"at 04:59 the day is the previous date's", March(5, 4, 59), {{March(4, 22, 0), false}}, csClockedIn},
        {"at 05:00 it is today's", March(5, 5, 0), {{March(4, 22, 0), false}}, csNoShift},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Attend"));
        for (const auto &[in, out] : c.shifts)
            AddShift(S("201"), in, out);
        AddShift(S("101"), March(5, 9, 0), false);  // someone else's shift counts for nothing
        At(c.now);
        TfrmEmpClock clock(&con);
        EXPECT_EQ(clock.GetClockStatus(S("201"), true), c.status);
        EXPECT_FALSE(clock.qryStatus.Active());
    }
}

TEST_P(EmpClock, AnEmployeeAlreadyClockedInGets4AndNothingIsWritten)
{
    AddShift(S("201"), March(5, 9, 0), false);
    TStrictPrompts prompts;
    TfrmEmpClock clock(&con);
    EXPECT_EQ(clock.ClockInEmployee(S("201")), ciAlreadyClockedIn);
    EXPECT_EQ(Shifts(), 1);
}

TEST_P(EmpClock, ADriverWithAShiftOnlyYesterdayIsClockedInAgain)
{
    AddShift(S("201"), March(5, 4, 0), false);
    TStrictPrompts prompts;
    prompts.ExpectOdometer(S("201"), Entry(1000, 100, 0));
    TfrmEmpClock clock(&con);
    EXPECT_EQ(clock.ClockInEmployee(S("201")), ciClockedIn);
    EXPECT_EQ(Shifts(), 2);
    EXPECT_EQ(CashUps(), 0) << "not paid from a till";
}

TEST_P(EmpClock, TheNewShiftCarriesTheRatesTheReadingAndTheFloat)
{
    const struct {
        const char *name;
        const char *empNum;
        std::optional<TOdometerEntry> asked;  // nothing: no question
        int odoStart;
        int floatUnits;
    } cases[] = {
        {"a driver", "201", Entry(45678, 250, 0), 45678, 250},
        {"a non-driver: no question, zeros", "101", std::nullopt, 0, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Attend"));
        TStrictPrompts prompts;
        if (c.asked)
            prompts.ExpectOdometer(S(c.empNum), c.asked);
        TfrmEmpClock clock(&con);
        ASSERT_EQ(clock.ClockInEmployee(S(c.empNum)), ciClockedIn);
        TAdoQuery q(&con);
        q.SetSQL(S("SELECT * FROM Attend"));
        q.Open();
        ASSERT_EQ(q.RecordCount(), 1);
        EXPECT_EQ(q.FieldByName(S("EmpNum")).AsString(), S(c.empNum));
        EXPECT_EQ(q.FieldByName(S("InDateTime")).AsDateTime(), March(5, 12, 0));
        EXPECT_EQ(q.FieldByName(S("HourlyRate")).AsCurrency(), Currency::FromString(S("25.5")));
        EXPECT_EQ(q.FieldByName(S("KmRate")).AsCurrency(), Currency::FromString(S("3.25")));
        EXPECT_EQ(q.FieldByName(S("OdoStart")).AsInteger(), c.odoStart);
        EXPECT_EQ(q.FieldByName(S("Float")).AsCurrency(), Currency::FromUnits(c.floatUnits));
        EXPECT_FALSE(q.FieldByName(S("ClockedOut")).AsBoolean());
        EXPECT_EQ(CashUps(), 0);
        EXPECT_EQ(clock.Details().Name, S("Person") + S(c.empNum) + S(", Sam"));
    }
}

TEST_P(EmpClock, AFloatFromTillShift12IsPaidOutToTheNewShift)
{
    TStrictPrompts prompts;
    prompts.ExpectOdometer(S("201"), Entry(1200, 250, 12));
    TfrmEmpClock clock(&con);
    ASSERT_EQ(clock.ClockInEmployee(S("201")), ciClockedIn);
    ExpectFloatIssue(con, 12, Scalar(S("SELECT MAX(InvoiceLink) FROM Attend")), S("Paid out to 201"), Currency::FromUnits(-250));
}

TEST_P(EmpClock, ACancelledQuestionWritesNothing)
{
    TStrictPrompts prompts;
    prompts.ExpectOdometer(S("201"), std::nullopt);
    TfrmEmpClock clock(&con);
    EXPECT_EQ(clock.ClockInEmployee(S("201")), ciNotClockedIn);
    EXPECT_EQ(Shifts(), 0);
    EXPECT_EQ(CashUps(), 0);
}

TEST_P(EmpClock, AFailingInsertIsReportedAndNoFloatIsPaid)
{
    RefuseNewShifts();
    TStrictPrompts prompts;
    prompts.ExpectOdometer(S("201"), Entry(1200, 250, 12));
    prompts.ExpectMessage(S("Could not create a new entry for employee number: 201\rReason: "));
    TfrmEmpClock clock(&con);
    EXPECT_EQ(clock.ClockInEmployee(S("201")), ciNotClockedIn);
    EXPECT_TRUE(prompts.Asked().last().contains(S("no new shifts")));
    EXPECT_TRUE(prompts.Asked().last().endsWith(S("\r\rException Raised In: TfrmEmpClock.ClockInEmployee")));
    EXPECT_EQ(CashUps(), 0);
}

TEST_P(EmpClock, AFloatThatCannotBePaidLeavesTheShiftClockedIn)
{
    con.Exec(S("DROP TABLE CASHUP"));
    TStrictPrompts prompts;
    prompts.ExpectOdometer(S("201"), Entry(1200, 250, 12));
    prompts.ExpectMessage(S("Could not save the float details into the till. Reason: "));
    prompts.ExpectExactMessage(mtInformation, S("Error: The float was not paid from the till!"));
    TfrmEmpClock clock(&con);
    EXPECT_EQ(clock.ClockInEmployee(S("201")), ciClockedIn);
    EXPECT_EQ(Shifts(), 1);
}

TEST_P(EmpClock, AnUnknownEmployeeIsReportedAndThePickListDecides)
{
    const struct {
        const char *name;
        std::optional<QString> picked;
        quint8 result;
        qlonglong shifts;
    } cases[] = {
        {"the pick list cancelled", std::nullopt, ciNotClockedIn, 0},
        {"nobody picked", QString(), ciNotClockedIn, 0},
        {"a number nobody has", S("999"), ciNotClockedIn, 0},
        {"a non-driver picked", S("101"), ciClockedIn, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Attend"));
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtError, S("The employee 999 could not be found"));
        prompts.ExpectEmployeePick(c.picked);
        TfrmEmpClock clock(&con);
        EXPECT_EQ(clock.ClockInEmployee(S("999")), c.result);
        EXPECT_EQ(Shifts(), c.shifts);
        EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Attend WHERE EmpNum IS NULL OR EmpNum = ''")), 0);
    }
}

TEST_P(EmpClock, AHostileEmployeeNumberIsOnlyEverAValue)
{
    TStrictPrompts prompts;
    prompts.ExpectMessage(S("could not be found"));
    prompts.ExpectEmployeePick(std::nullopt);
    TfrmEmpClock clock(&con);
    EXPECT_EQ(clock.ClockInEmployee(S("1' OR '1'='1")), ciNotClockedIn);
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee")), 2);
}
