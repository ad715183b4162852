#include "support/EngineFixture.h"

#include "app/clsEVxException.h"
#include "data/DemoShop.h"

#include <QSysInfo>

namespace {

constexpr TDateTime Minute = 1.0 / 1440.0;
const TDateTime Now = DateTimes::EncodeDateTime(2024, 3, 5, 18, 30);

class DemoShopTest : public TDatabaseTest {
protected:
    void SetUp() override
    {
        DateTimes::SetClock([] { return Now; });
        TDatabaseTest::SetUp();
    }
    void TearDown() override
    {
        TDatabaseTest::TearDown();
        DateTimes::SetClock({});
    }

    // Seeds as a new embedded database is seeded: inside one transaction.
    void Seed()
    {
        con.BeginTransaction();
        TDemoShop(con).Seed();
        con.Commit();
    }

    // The open deliveries of the board's Not Assigned view, with what it shows of them.
    TAdoQuery Unassigned()
    {
        TAdoQuery q(&con);
        q.SetSQL(QStringLiteral(
            "SELECT Invoices.InvoiceNum, Invoices.Date, Invoices.TimeDue, Invoices.TimeStampCooked, Invoices.NotifyName, "
            "StreetNames.Street, GridRef.GridRef, "
            "(SELECT COUNT(*) FROM LineItem WHERE LineItem.InvoiceNum = Invoices.InvoiceNum) AS LineCount "
            "FROM Invoices LEFT JOIN Customer ON Invoices.CustLink = Customer.InvLink "
            "LEFT JOIN Street ON Customer.StreetLink = Street.ID LEFT JOIN StreetNames ON Street.StreetRef = StreetNames.ID "
            "LEFT JOIN GridRef ON Street.GridRefLink = GridRef.ID "
            "WHERE (TimeToDrvr IS NULL OR TimeToDrvr <= ") + con.Dialect().ZeroDateLiteral()
            + QStringLiteral(") AND Status = 0 AND TransType = 3 ORDER BY Invoices.InvoiceNum"));
        q.Open();
        return q;
    }

    qlonglong CountWith(const QString &sql, const QString &param, const QString &value)
    {
        TAdoQuery q(&con);
        q.SetSQL(sql);
        q.ParamByName(param).SetString(value);
        q.Open();
        return q.FieldByName(q.FieldNames().value(0)).AsInteger();
    }
};

TEST_P(DemoShopTest, SeedGivesTheBoardOpenDeliveriesDueAroundNow)
{
    Seed();
    TAdoQuery q = Unassigned();
    ASSERT_GE(q.RecordCount(), 6);
    int cooked = 0;
    for (; !q.Eof(); q.Next()) {
        const QString order = q.FieldByName(QStringLiteral("InvoiceNum")).AsString();
        const TDateTime due = q.FieldByName(QStringLiteral("TimeDue")).AsDateTime();
        EXPECT_GE(due, Now - 21 * Minute) << order.toStdString();
        EXPECT_LE(due, Now + 41 * Minute) << order.toStdString();
        for (const char *shown : {"NotifyName", "Street", "GridRef"})
            EXPECT_FALSE(q.FieldByName(QLatin1String(shown)).AsString().trimmed().isEmpty()) << shown << " of " << order.toStdString();
        const qlonglong lines = q.FieldByName(QStringLiteral("LineCount")).AsInteger();
        EXPECT_TRUE(lines >= 2 && lines <= 4) << lines << " lines on " << order.toStdString();
        const TDateTime taken = q.FieldByName(QStringLiteral("Date")).AsDateTime();
        const TDateTime cookedAt = q.FieldByName(QStringLiteral("TimeStampCooked")).AsDateTime();
        EXPECT_TRUE(taken < due && taken < Now) << "taken before it is due, and not in the future: " << order.toStdString();
        EXPECT_LE(cookedAt, Now);
        cooked += cookedAt > 0;
    }
    EXPECT_GT(cooked, q.RecordCount() / 2) << "most orders are cooked";
    EXPECT_LT(cooked, q.RecordCount()) << "and some are still in the kitchen";
}

TEST_P(DemoShopTest, SeedGivesStaffPermissionsAndThisTill)
{
    Seed();
    TAdoQuery drivers(&con);
    drivers.SetSQL(QStringLiteral("SELECT Password, DatePasswordChanged FROM Employee WHERE DoesDeliveries <> 0 AND Active <> 0"));
    drivers.Open();
    EXPECT_GE(drivers.RecordCount(), 3);
    for (; !drivers.Eof(); drivers.Next()) {
        const QString password = drivers.FieldByName(QStringLiteral("Password")).AsString();
        EXPECT_FALSE(password.isEmpty());
        EXPECT_EQ(password, password.toUpper());
        const TDateTime changed = drivers.FieldByName(QStringLiteral("DatePasswordChanged")).AsDateTime();
        EXPECT_TRUE(changed <= Now && changed > Now - 30) << "a recent password change";
    }
    EXPECT_EQ(CountWith(QStringLiteral("SELECT COUNT(*) FROM Employee WHERE Password = :Password AND DoesDeliveries <> 0"),
                        QStringLiteral("Password"), TDemoShop::DriverPassword(0)), 1);

    for (const char *code : {"GL020", "TM010", "CA150"}) {
        TAdoQuery granted(&con);
        granted.SetSQL(QStringLiteral("SELECT COUNT(*) AS Granted FROM Employee "
                                      "JOIN Permiss ON Permiss.EmpCat = Employee.Category "
                                      "JOIN ActCodes ON ActCodes.ActCode = Permiss.AccessCode "
                                      "WHERE Employee.Password = :Password AND Permiss.AccessCode = :Code"));
        granted.ParamByName(QStringLiteral("Password")).SetString(TDemoShop::ManagerPassword());
        granted.ParamByName(QStringLiteral("Code")).SetString(QLatin1String(code));
        granted.Open();
        EXPECT_EQ(granted.FieldByName(QStringLiteral("Granted")).AsInteger(), 1) << code;
    }

    TAdoQuery till(&con);
    till.SetSQL(QStringLiteral("SELECT TillID, TillsID FROM Tills WHERE [Computer Name] = :Name"));
    till.ParamByName(QStringLiteral("Name")).SetString(QSysInfo::machineHostName().toUpper());
    till.Open();
    ASSERT_EQ(till.RecordCount(), 1);
    EXPECT_EQ(till.FieldByName(QStringLiteral("TillID")).AsInteger(), 1);
    EXPECT_GE(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkPrinters JOIN Tills ON fkTillsID = TillsID WHERE TillID = 1")), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TILLPOST WHERE TILLID = 1 AND TILLISACTIVE <> 0")), 1);
    EXPECT_EQ(CountWith(QStringLiteral("SELECT COUNT(*) FROM SysData WHERE Class = 'GLOBAL' AND Item = 'DAY START' AND Value = :Value"),
                        QStringLiteral("Value"), QStringLiteral("05:00")), 1);
}

TEST_P(DemoShopTest, SeedRefusesADatabaseThatHasAShop)
{
    Seed();
    const qlonglong invoices = Scalar(QStringLiteral("SELECT COUNT(*) FROM Invoices"));
    try {
        TDemoShop(con).Seed();
        FAIL() << "a second shop was seeded";
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("The database already holds a shop"));
    }
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Invoices")), invoices);
}

TEST_P(DemoShopTest, WriteOrderReadsBackIncreasingInvoicesWithTheirLines)
{
    Seed();
    TDemoShop shop(con);
    int last = 0;
    for (int i = 0; i < 3; ++i) {
        const TDateTime due = Now + (20 + 10 * i) * Minute;
        const int invoiceNum = shop.WriteOrder(due);
        EXPECT_GT(invoiceNum, last);
        last = invoiceNum;

        TAdoQuery q(&con);
        q.SetSQL(QStringLiteral("SELECT TimeDue, TotalPrice, "
                                "(SELECT SUM(LineTotal) FROM LineItem WHERE LineItem.InvoiceNum = Invoices.InvoiceNum) AS LinesTotal, "
                                "(SELECT COUNT(*) FROM LineItem WHERE LineItem.InvoiceNum = Invoices.InvoiceNum) AS LineCount "
                                "FROM Invoices WHERE InvoiceNum = :InvoiceNum AND Status = 0 AND TransType = 3"));
        q.ParamByName(QStringLiteral("InvoiceNum")).SetInteger(invoiceNum);
        q.Open();
        ASSERT_EQ(q.RecordCount(), 1) << "invoice " << invoiceNum;
        EXPECT_NEAR(q.FieldByName(QStringLiteral("TimeDue")).AsDateTime(), due, 1.0 / 86400);
        const qlonglong lines = q.FieldByName(QStringLiteral("LineCount")).AsInteger();
        EXPECT_TRUE(lines >= 1 && lines <= 4) << lines;
        EXPECT_EQ(q.FieldByName(QStringLiteral("LinesTotal")).AsCurrency(), q.FieldByName(QStringLiteral("TotalPrice")).AsCurrency());
    }
    TAdoQuery board = Unassigned();
    std::vector<int> shown;
    for (; !board.Eof(); board.Next())
        shown.push_back(static_cast<int>(board.FieldByName(QStringLiteral("InvoiceNum")).AsInteger()));
    EXPECT_EQ(std::vector<int>(shown.end() - 3, shown.end()), (std::vector<int>{last - 2, last - 1, last})) << "new orders wait for a driver";
}

TEST_P(DemoShopTest, CookOrdersStampsOnlyUncookedOrdersTakenBeforeTheTime)
{
    Seed();
    TDemoShop shop(con);
    shop.WriteOrder(Now + 30 * Minute);
    const QString uncooked = QStringLiteral("SELECT COUNT(*) FROM Invoices WHERE Status = 0 AND TimeStampCooked IS NULL");
    const qlonglong waiting = Scalar(uncooked);
    ASSERT_GE(waiting, 2) << "the seeded kitchen and the new order";

    EXPECT_EQ(shop.CookOrders(Now - 60 * Minute), 0);
    EXPECT_EQ(shop.CookOrders(Now), waiting) << "cooked orders keep their stamp";
    EXPECT_EQ(Scalar(uncooked), 0);
}

TEST_P(DemoShopTest, WriteHistoryWritesClosedDeliveriesThatLeaveTheBoardAlone)
{
    Seed();
    const int unassigned = Unassigned().RecordCount();
    const qlonglong before = Scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM Invoices) + (SELECT COUNT(*) FROM LineItem) "
                                                   "+ (SELECT COUNT(*) FROM Attend) + (SELECT COUNT(*) FROM TILLPOST)"));

    const long long rows = TDemoShop(con).WriteHistory(2, 5);

    EXPECT_EQ(rows, Scalar(QStringLiteral("SELECT (SELECT COUNT(*) FROM Invoices) + (SELECT COUNT(*) FROM LineItem) "
                                          "+ (SELECT COUNT(*) FROM Attend) + (SELECT COUNT(*) FROM TILLPOST)")) - before);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Invoices WHERE Status <> 0")), 10);
    // Each closed delivery went out with a driver on his shift of that day and came back.
    TAdoQuery closed(&con);
    closed.SetSQL(QStringLiteral("SELECT COUNT(*) AS Delivered FROM Invoices JOIN Attend ON Invoices.DriverLink = Attend.InvoiceLink "
                                 "WHERE Invoices.Status <> 0 AND Attend.EmpNum = Invoices.Driver "
                                 "AND Attend.InDateTime < Invoices.TimeToDrvr AND Invoices.TimeToDrvr < Invoices.TimeStampDriver "
                                 "AND Invoices.TimeStampDriver < Invoices.DriverReturn AND Invoices.Date < :DayStart"));
    closed.ParamByName(QStringLiteral("DayStart")).SetDateTime(DateTimes::DayOf(Now) + DateTimes::EncodeTime(5, 0));
    closed.Open();
    EXPECT_EQ(closed.FieldByName(QStringLiteral("Delivered")).AsInteger(), 10);
    EXPECT_EQ(Unassigned().RecordCount(), unassigned);
}

TRELVO_ENGINE_TEST_SUITE(DemoShopTest);

} // namespace
