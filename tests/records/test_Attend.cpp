#include "app/clsEVxException.h"
#include "records/clsAttend.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

// A moment in March 2024.
TDateTime March(int day, int hour, int minute)
{
    return DateTimes::EncodeDateTime(2024, 3, day, hour, minute);
}

QString ThrownMessage(const std::function<void()> &call)
{
    try {
        call();
    } catch (const Exception &x) {
        return x.Message();
    }
    return S("(nothing thrown)");
}

} // namespace

class Attend : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRIVER', 'Driver')"));
        AddEmployee(S("7"), S("SEVEN"));
        AddEmployee(S("8"), S("EIGHT"));
        At(March(6, 12, 0));
        driver.SetAdoConnection(&con);
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

    void AddEmployee(const QString &empNum, const QString &password)
    {
        Run(S("INSERT INTO Employee (EmpNum, Category, LastName, Active, DoesDeliveries, Password) "
              "VALUES (:EmpNum, 'DRIVER', :LastName, 1, 1, :Password)"),
            {{S("EmpNum"), empNum}, {S("LastName"), S("Driver") + empNum}, {S("Password"), password}});
    }

    // A shift clocked in at that moment; returns its InvoiceLink.
    int AddShift(const QString &empNum, TDateTime in)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Attend (EmpNum, InDateTime, ClockedOut, OnDelivery) VALUES (:EmpNum, :InDateTime, 0, 0) "
                             "SELECT :IDField = @@Identity"));
        cmd.ParamByName(S("EmpNum")).SetString(empNum);
        cmd.ParamByName(S("InDateTime")).SetDateTime(in);
        cmd.ParamByName(S("IDField")).Direction = TParamDirection::Output;
        cmd.Execute();
        return cmd.ParamByName(S("IDField")).Value.toInt();
    }

    int AddInvoice(int transType)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Invoices (TransType, Status) VALUES (:TransType, 0) SELECT :IDField = @@Identity"));
        cmd.ParamByName(S("TransType")).SetInteger(transType);
        cmd.ParamByName(S("IDField")).Direction = TParamDirection::Output;
        cmd.Execute();
        return cmd.ParamByName(S("IDField")).Value.toInt();
    }

    void Run(const QString &sql, const std::vector<std::pair<QString, QString>> &texts)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(sql);
        for (const auto &[name, value] : texts)
            cmd.ParamByName(name).SetString(value);
        cmd.Execute();
    }

    void ExpectEmployeeWithoutShift(const QString &empNum)
    {
        EXPECT_FALSE(driver.Empty());
        EXPECT_EQ(driver.EmpNum, empNum);
        EXPECT_FALSE(driver.HasAttendance);
        EXPECT_TRUE(driver.ClockedOut);
        EXPECT_EQ(driver.InvoiceLink, 0);
    }

    TAttend driver;
};
TRELVO_ENGINE_TEST_SUITE(Attend);

TEST_P(Attend, TheLatestShiftBegunStrictlyInsideTheTradingDay)
{
    const TDateTime five = DateTimes::EncodeTime(5, 0);
    const struct {
        const char *name;
        TDateTime dayStart;
        TDateTime now;
        std::vector<TDateTime> shifts;
        int found;  // index into shifts, -1 for none
    } cases[] = {
        {"at 02:00 the day began at 05:00 yesterday", five, March(6, 2, 0), {March(5, 5, 30), March(6, 1, 0), March(4, 23, 0)}, 1},
        {"at 04:59 yesterday's day still runs", five, March(6, 4, 59), {March(5, 5, 30), March(6, 5, 30)}, 0},
        {"at 05:00 a new day begins", five, March(6, 5, 0), {March(5, 5, 30), March(6, 5, 30)}, 1},
        {"a shift begun exactly at the start is not found", five, March(6, 5, 0), {March(6, 5, 0)}, -1},
        {"nor one begun exactly at the end", five, March(6, 4, 59), {March(6, 5, 0)}, -1},
        {"the later of two shifts clocked in in order", five, March(6, 12, 0), {March(6, 6, 0), March(6, 11, 0)}, 1},
        {"the later of two shifts stored out of order", five, March(6, 12, 0), {March(6, 11, 0), March(6, 6, 0)}, 0},
        {"a day start of 0 counts as 05:00", 0.0, March(6, 6, 0), {March(6, 1, 0)}, -1},
        {"another day start", DateTimes::EncodeTime(6, 30), March(6, 6, 0), {March(5, 7, 0), March(6, 6, 15)}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Attend"));
        std::vector<int> links;
        for (TDateTime in : c.shifts)
            links.push_back(AddShift(S("7"), in));
        AddShift(S("8"), c.now);  // another employee's shift is never taken
        At(c.now);
        driver.DayStart = c.dayStart;
        ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
        if (c.found < 0) {
            ExpectEmployeeWithoutShift(S("7"));
            continue;
        }
        EXPECT_TRUE(driver.HasAttendance);
        EXPECT_FALSE(driver.ClockedOut);
        EXPECT_EQ(driver.InvoiceLink, links[static_cast<size_t>(c.found)]);
        EXPECT_NEAR(driver.InDateTime, c.shifts[static_cast<size_t>(c.found)], 1e-8);
    }
}

TEST_P(Attend, AnEmployeeNotClockedInIsFoundAloneAndCannotTakeOrders)
{
    ASSERT_TRUE(driver.LoadByField(S("Password"), S("seven")));
    ExpectEmployeeWithoutShift(S("7"));
    EXPECT_EQ(driver.Descriptn, S("Driver"));
    EXPECT_EQ(ThrownMessage([&] { driver.AssignDriver(AddInvoice(3)); }), S("Cannot assign an invoice to an employee that has not clocked in"));
}

TEST_P(Attend, APasswordHoldingAQuoteLogsInOnlyAsItself)
{
    AddEmployee(S("1"), S("O'BRIEN"));
    AddEmployee(S("2"), S("X' OR '1'='1"));
    const int obrien = AddShift(S("1"), March(6, 9, 0));
    const int other = AddShift(S("2"), March(6, 10, 0));
    const struct {
        const char *password;
        const char *empNum;
        int link;
    } cases[] = {{"O'BRIEN", "1", obrien}, {"X' OR '1'='1", "2", other}, {"' OR ''='", nullptr, 0}, {"x' OR EmpNum='7", nullptr, 0}};
    for (const auto &c : cases) {
        EXPECT_EQ(driver.LoadByField(S("Password"), S(c.password)), c.empNum != nullptr) << c.password;
        EXPECT_EQ(driver.EmpNum, S(c.empNum ? c.empNum : "")) << c.password;
        EXPECT_EQ(driver.InvoiceLink, c.link) << c.password;
    }
}

TEST_P(Attend, LookupsByColumn)
{
    EXPECT_FALSE(driver.LoadByField(QString(), S("7")));
    EXPECT_TRUE(driver.Empty());
    EXPECT_THROW(driver.LoadByField(S("Telephone"), S("7")), EVxException);
    EXPECT_THROW(driver.LoadByField(S("1=1 OR Password"), S("7")), EVxException);
    const int link = AddShift(S("8"), March(6, 8, 0));
    ASSERT_TRUE(driver.LoadByField(S("EmpNum"), S("8")));  // unqualified, though Attend has one too
    EXPECT_EQ(driver.InvoiceLink, link);

    TAttend none;
    EXPECT_EQ(ThrownMessage([&] { none.LoadByEmpNum(S("7")); }), S("TAttend.AdoConnection property not set"));
}

TEST_P(Attend, EveryAttendanceColumnIsRead)
{
    TAdoCommand cmd(&con);
    cmd.SetCommandText(S(
        "INSERT INTO Attend (EmpNum, InDateTime, OutDateTime, OdoEnd, OdoStart, KmsTravlld, HrsWorked, Float, DriverCash, TotOrders, "
        "OrderCount, TimeWages, TravlWages, ExDriver, Tips, PdAlready, CashedUp, ClockedOut, TotalOwed, DeliveryWages, OnDelivery) "
        "VALUES ('7', :InDateTime, :OutDateTime, 1200, 1000, 200.5, :HrsWorked, 150.25, 80.5, 12, 11, 90.75, 60.125, 2, 15.5, 5.25, "
        ":CashedUp, :ClockedOut, 300.0625, 45.5, :OnDelivery)"));
    cmd.ParamByName(S("InDateTime")).SetDateTime(March(6, 8, 0));
    cmd.ParamByName(S("OutDateTime")).SetDateTime(March(6, 16, 30));
    cmd.ParamByName(S("HrsWorked")).SetDateTime(DateTimes::EncodeTime(8, 30));
    for (const char *flag : {"CashedUp", "ClockedOut", "OnDelivery"})
        cmd.ParamByName(S(flag)).SetBoolean(true);
    cmd.Execute();

    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
    EXPECT_TRUE(driver.HasAttendance);
    EXPECT_GT(driver.InvoiceLink, 0);
    EXPECT_NEAR(driver.InDateTime, March(6, 8, 0), 1e-8);
    EXPECT_NEAR(driver.OutDateTime, March(6, 16, 30), 1e-8);
    EXPECT_NEAR(driver.HrsWorked, DateTimes::EncodeTime(8, 30), 1e-8);
    EXPECT_EQ(driver.OdoEnd, 1200);
    EXPECT_EQ(driver.OdoStart, 1000);
    EXPECT_DOUBLE_EQ(driver.KmsTravlld, 200.5);
    EXPECT_DOUBLE_EQ(driver.TotOrders, 12);
    EXPECT_DOUBLE_EQ(driver.OrderCount, 11);
    EXPECT_DOUBLE_EQ(driver.ExDriver, 2);
    const struct {
        const char *name;
        Currency value;
        const char *expected;
    } money[] = {{"Float", driver.Float, "150.25"},           {"DriverCash", driver.DriverCash, "80.5"},
                 {"TimeWages", driver.TimeWages, "90.75"},    {"TravlWages", driver.TravlWages, "60.125"},
                 {"Tips", driver.Tips, "15.5"},               {"PdAlready", driver.PdAlready, "5.25"},
                 {"TotalOwed", driver.TotalOwed, "300.0625"}, {"DeliveryWages", driver.DeliveryWages, "45.5"}};
    for (const auto &m : money)
        EXPECT_EQ(m.value, Currency::FromString(S(m.expected))) << m.name;
    EXPECT_TRUE(driver.CashedUp);
    EXPECT_TRUE(driver.ClockedOut);
    EXPECT_TRUE(driver.OnDelivery);
    EXPECT_EQ(driver.Descriptn, S("Driver"));
}

TEST_P(Attend, ByInvoiceLinkAnyDayOrTheCurrentOne)
{
    const int lastWeek = AddShift(S("7"), March(1, 9, 0));
    const int today = AddShift(S("7"), March(6, 9, 0));
    const struct {
        const char *name;
        int link;
        bool currentDayOnly;
        int found;
    } cases[] = {{"an old shift, any day", lastWeek, false, lastWeek}, {"an old shift, today only", lastWeek, true, 0},
                 {"today's shift, today only", today, true, today},     {"no such shift", today + 100, false, 0},
                 {"no key", 0, false, 0}};
    for (const auto &c : cases) {
        driver.EmpNum = S("stale");
        EXPECT_EQ(driver.LoadByInvoiceLink(c.link, c.currentDayOnly), c.found != 0) << c.name;
        EXPECT_EQ(driver.InvoiceLink, c.found) << c.name;
        EXPECT_EQ(driver.EmpNum, S(c.found ? "7" : "")) << c.name;
        EXPECT_EQ(driver.Empty(), c.found == 0) << c.name;
    }
}

TEST_P(Attend, RefreshReadsTheEmployeeAgain)
{
    const int link = AddShift(S("7"), March(6, 9, 0));
    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
    EXPECT_FALSE(driver.OnDelivery);
    con.Exec(S("UPDATE Attend SET OnDelivery = 1"));
    EXPECT_TRUE(driver.Refresh());
    EXPECT_TRUE(driver.OnDelivery);
    EXPECT_EQ(driver.InvoiceLink, link);

    TAttend blank;
    blank.SetAdoConnection(&con);
    EXPECT_EQ(ThrownMessage([&] { blank.Refresh(); }), S("EmpNum property is not set in TClocking"));
}

TEST_P(Attend, AssignDriverGuardsSendNothing)
{
    const struct {
        const char *name;
        const char *empNum;
        bool clockedOut;
        int invoiceLink;
        int invoice;
        const char *message;
    } cases[] = {
        {"no employee", "", false, 5, 9, "Cannot assign invoice# 9\rTEmployee.EmpNum property not set"},
        {"clocked out", "7", true, 5, 9, "Cannot assign an invoice to an employee that has not clocked in"},
        {"no shift", "7", false, 0, 9, "It appears the employee has not clocked in yet"},
        {"invoice 0", "7", false, 5, 0, "Cannot assign an invoice number smaller than 1"},
    };
    CountStatements();
    for (const auto &c : cases) {
        driver.EmpNum = S(c.empNum);
        driver.ClockedOut = c.clockedOut;
        driver.InvoiceLink = c.invoiceLink;
        EXPECT_EQ(ThrownMessage([&] { driver.AssignDriver(c.invoice); }), S(c.message)) << c.name;
    }
    EXPECT_EQ(StatementsSent(), 0);
}

TEST_P(Attend, AssignDriverWritesTheInvoice)
{
    TStrictPrompts noQuestions;
    const int link = AddShift(S("7"), March(6, 9, 0));
    const int delivery = AddInvoice(1);
    const int table = AddInvoice(4);
    const int untouched = AddInvoice(1);
    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
    EXPECT_TRUE(driver.AssignDriver(delivery));
    EXPECT_TRUE(driver.AssignDriver(table));
    EXPECT_FALSE(driver.AssignDriver(untouched + 100));  // no such invoice: nothing was assigned

    const struct {
        int invoice, transType, driverLink;
    } expected[] = {{delivery, 3, link}, {table, 4, link}, {untouched, 1, 0}};
    for (const auto &e : expected) {
        const QString where = S(" FROM Invoices WHERE InvoiceNum = ") + QString::number(e.invoice);
        EXPECT_EQ(Scalar(S("SELECT TransType") + where), e.transType) << e.invoice;
        EXPECT_EQ(Scalar(S("SELECT DriverLink") + where), e.driverLink) << e.invoice;
        EXPECT_EQ(Scalar(S("SELECT COUNT(*)") + where + S(" AND Driver = '7' AND TimeToDrvr IS NOT NULL")), e.driverLink ? 1 : 0);
    }
}

TEST_P(Attend, AFailingAssignmentIsShownAndGivesFalse)
{
    AddShift(S("7"), March(6, 9, 0));
    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
    con.Exec(S("DROP TABLE Invoices"));
    TStrictPrompts prompts;
    prompts.ExpectMessage(S("Failed to assign invoice 9 to employee 7\r\rReason: "));
    EXPECT_FALSE(driver.AssignDriver(9));
    ASSERT_EQ(prompts.Asked().size(), 1);
    EXPECT_TRUE(prompts.Asked().front().endsWith(S("\r\rException Raised In: TAttend.AssignDriver")));
}

TEST_P(Attend, ToggleOnDeliveryTwiceReturnsTheRowToItsFirstState)
{
    const int link = AddShift(S("7"), March(6, 9, 0));
    const int other = AddShift(S("8"), March(6, 9, 0));
    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
    const auto stored = [&](int key) { return Scalar(S("SELECT OnDelivery FROM Attend WHERE InvoiceLink = ") + QString::number(key)); };

    EXPECT_TRUE(driver.ToggleOnDelivery());
    EXPECT_TRUE(driver.OnDelivery);
    EXPECT_NE(stored(link), 0);
    ASSERT_TRUE(driver.Refresh());
    EXPECT_TRUE(driver.OnDelivery);

    EXPECT_TRUE(driver.ToggleOnDelivery());
    EXPECT_FALSE(driver.OnDelivery);
    EXPECT_EQ(stored(link), 0);
    EXPECT_EQ(stored(other), 0);
}

TEST_P(Attend, ToggleOnDeliveryGuardsAndAFailingStatement)
{
    AddShift(S("7"), March(6, 9, 0));
    TAttend unconnected;
    unconnected.InvoiceLink = 5;
    unconnected.ClockedOut = false;
    EXPECT_EQ(ThrownMessage([&] { unconnected.ToggleOnDelivery(); }), S("TAttend.AdoConnection property not set"));

    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));
    driver.ClockedOut = true;
    EXPECT_EQ(ThrownMessage([&] { driver.ToggleOnDelivery(); }), S("Employee 7 is not clocked in"));
    driver.InvoiceLink = 0;
    EXPECT_EQ(ThrownMessage([&] { driver.ToggleOnDelivery(); }), S("TAttend.InvoiceLink has not been set"));

    ASSERT_TRUE(driver.Refresh());
    con.Exec(S("DROP TABLE Attend"));
    EXPECT_THROW(driver.ToggleOnDelivery(), EDatabaseError);
    EXPECT_FALSE(driver.OnDelivery);  // the row was not written, so neither is the mark
}

TEST_P(Attend, ClearKeepsTheDayStartAndCloneCopiesIt)
{
    const int link = AddShift(S("7"), March(6, 9, 0));
    driver.DayStart = DateTimes::EncodeTime(6, 0);
    At(March(6, 12, 0));
    ASSERT_TRUE(driver.LoadByEmpNum(S("7")));

    TAttend copy;
    copy.Clone(driver);
    EXPECT_EQ(copy.InvoiceLink, link);
    EXPECT_EQ(copy.EmpNum, S("7"));
    EXPECT_TRUE(copy.HasAttendance);
    EXPECT_DOUBLE_EQ(copy.DayStart, DateTimes::EncodeTime(6, 0));

    driver.Clear();
    EXPECT_EQ(driver.InvoiceLink, 0);
    EXPECT_TRUE(driver.ClockedOut);
    EXPECT_FALSE(driver.HasAttendance);
    EXPECT_DOUBLE_EQ(driver.DayStart, DateTimes::EncodeTime(6, 0));
    EXPECT_DOUBLE_EQ(TAttend().DayStart, DateTimes::EncodeTime(5, 0));
}
