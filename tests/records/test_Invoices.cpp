#include "data/DemoShop.h"
#include "records/clsTransactions.h"
#include "support/EngineFixture.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

Currency Money(const char *text)
{
    return Currency::FromString(QString::fromLatin1(text));
}

TDateTime March(int day, int hour, int minute)
{
    return DateTimes::EncodeDateTime(2024, 3, day, hour, minute);
}

// Card details in one text, to compare them at once.
QString CardText(Currency amount, const QString &number, int type, const QString &expiry, const QString &name, int ccv, Currency gratuity)
{
    return QStringList{amount.ToString(), number, QString::number(type), expiry, name, QString::number(ccv), gratuity.ToString()}.join(u'|');
}

// Lines totalling 100.00 after 5.00 of line discounts, on a delivery with a 10.00 invoice
// discount and a 15.00 delivery charge.
void FillWorkedExample(TInvoice &invoice)
{
    TLineitemItem *first = invoice.Lines.Add();
    first->SetLineTotal(Money("60.00"));
    first->SetLineDisc(Money("5.00"));
    invoice.Lines.Add()->SetLineTotal(Money("40.00"));
    invoice.DiscountInvoice = Money("10.00");
    invoice.DelivChg = Money("15.00");
    invoice.SetTransType(ttDelivery);
}

} // namespace

TEST(Invoice, AmountDueOfTheWorkedExample)
{
    const struct {
        const char *name;
        quint8 mode;
        const char *due;
    } cases[] = {
        {"loaded for printing: less its stored rounding", 2, "104.95"},
        {"otherwise the rounding is dropped", 0, "105.00"},
    };
    for (const auto &c : cases) {
        TTransaction transaction;
        transaction.Mode = c.mode;
        FillWorkedExample(transaction);
        transaction.SetRounding(0.05);
        EXPECT_EQ(transaction.GetTotalPrice(), Money("105.00")) << c.name;
        EXPECT_EQ(transaction.GetDiscountLine(), Money("5.00")) << c.name;
        EXPECT_EQ(transaction.GetAfterDisc(), Money(c.due)) << c.name;
        EXPECT_EQ(transaction.Payment.AmountDue(), Money(c.due)) << c.name << ": the payment's amount due follows";
    }
    TInvoice invoice;  // an invoice alone knows no rounding in its amount due
    FillWorkedExample(invoice);
    invoice.SetRounding(0.05);
    EXPECT_EQ(invoice.GetAfterDisc(), Money("105.00"));
}

TEST(Invoice, AmountsRoundToTheEvenCent)
{
    const struct {
        const char *amount, *rounded;
    } cases[] = {
        {"10.005", "10.00"}, {"10.015", "10.02"}, {"10.025", "10.02"}, {"10.0051", "10.01"}, {"-10.005", "-10.00"}, {"-10.015", "-10.02"},
    };
    for (const auto &c : cases) {
        TInvoice invoice;
        invoice.DelivChg = Money(c.amount);
        invoice.Lines.Add()->SetLineTotal(Money(c.amount));
        EXPECT_EQ(invoice.GetDelivChg(), Money(c.rounded)) << c.amount;
        EXPECT_EQ(invoice.GetTotalPrice(), Money(c.rounded)) << c.amount;
        EXPECT_EQ(invoice.TotalPrice, Money(c.amount)) << "the field keeps the exact sum";
    }
    TInvoice rounding;
    rounding.SetRounding(0.125);
    EXPECT_EQ(rounding.Rounding(), 0.12);
}

TEST(Invoice, AmountDueNeverBelowZero)
{
    const struct {
        const char *name;
        const char *discount, *due;
    } cases[] = {
        {"a discount above the lines gives 0", "20.00", "0"},
        {"a negative invoice discount counts as none", "-5.00", "10.00"},
    };
    for (const auto &c : cases) {
        TInvoice invoice;
        invoice.Lines.Add()->SetLineTotal(Money("10.00"));
        invoice.DiscountInvoice = Money(c.discount);
        EXPECT_EQ(invoice.GetAfterDisc(), Money(c.due)) << c.name;
    }
}

TEST(Invoice, VatFromTheAmountDueAndTheAmountNetOfVat)
{
    TInvoice invoice;
    invoice.Lines.VatRate = 14;
    TLineitemItem *line = invoice.Lines.Add();
    line->SetQuantity(2);
    line->SetPrice(Money("12.50"));
    invoice.DelivChg = Money("15.00");
    EXPECT_EQ(invoice.GetAfterDisc(), Money("40.00"));
    EXPECT_EQ(invoice.GetNetOVat(), Money("36.93")) << "21.9298 and the delivery charge, which carries no VAT";
    EXPECT_EQ(invoice.NetOVat, Money("36.9298"));
    EXPECT_EQ(invoice.GetVat(), Money("3.07"));
    EXPECT_EQ(invoice.Vat, Money("3.0702"));

    line->SetInvDisc(Money("2.28"));
    invoice.DiscountInvoice = Money("2.28");
    EXPECT_EQ(invoice.GetAfterDisc(), Money("37.72"));
    EXPECT_EQ(invoice.GetNetOVat(), Money("34.93")) << "less the discount share without VAT (2.00)";
    EXPECT_EQ(invoice.GetVat(), Money("2.79"));
}

TEST(Invoice, DeliveryChargeByTypeAndCustomer)
{
    const struct {
        const char *name;
        int type;
        bool completed;
        const char *customerCharge;  // nullptr: the customer was not found
        const char *charge;
        bool modified;
    } cases[] = {
        {"a collect order has none", ttCollect, false, "20.00", "0", false},
        {"nor has a counter sale", ttCounter, false, "20.00", "0", false},
        {"an open delivery takes the customer's charge", ttDelivery, false, "20.00", "20.00", true},
        {"an equal charge marks nothing", ttDelivery, false, "15.00", "15.00", false},
        {"a completed delivery keeps its charge", ttDelivery, true, "20.00", "15.00", false},
        {"a customer not found leaves the charge", ttDelivery, false, nullptr, "15.00", false},
    };
    for (const auto &c : cases) {
        TTransaction transaction;
        transaction.SetTransType(c.type);
        transaction.Completed = c.completed;
        transaction.DelivChg = Money("15.00");
        if (c.customerCharge) {
            transaction.Customer.SetEmpty(false);
            transaction.Customer.DelivChg = Money(c.customerCharge);
        }
        EXPECT_EQ(transaction.GetDelivChg(), Money(c.charge)) << c.name;
        EXPECT_EQ(transaction.Modified(), c.modified) << c.name;
    }
}

TEST(Invoice, PaymentWiredBothWays)
{
    TTransaction transaction;
    transaction.SetInvoiceNum(77);
    transaction.SetAfterDisc(Money("105.00"));
    transaction.SetTendered(Money("110.00"));
    EXPECT_EQ(transaction.Payment.InvoiceNum, 77);
    EXPECT_EQ(transaction.Payment.AmountDue(), Money("105.00"));
    EXPECT_EQ(transaction.Change(), Money("5.00"));

    transaction.SetCC_Amount(Money("40.00"));
    transaction.SetCC_Number(S("4111111111111111"));
    transaction.SetCC_Type(1);
    transaction.SetCC_ExpiryDate(S("0930"));
    transaction.SetCC_AccName(S("J SMITH"));
    transaction.SetCC_CCV(123);
    transaction.SetCC_Gratuity(Money("4.00"));
    transaction.SetChequeName(S("Cheque 12"));
    transaction.SetChequeAmount(Money("5.00"));
    const TCreditCard &card = transaction.Payment.CreditCard;
    const QString given = S("40.0000|4111111111111111|1|0930|J SMITH|123|4.0000");
    EXPECT_EQ(CardText(card.Amount(), card.Number(), card.CardType(), card.ExpiryDate(), card.AccName(), card.CCV(), card.Gratuity()), given);
    EXPECT_EQ(transaction.Payment.Cheque.Name(), S("Cheque 12"));
    EXPECT_EQ(transaction.Change(), Money("50.00"));

    // A change made on the payment comes back into the invoice.
    transaction.Payment.SetTendered(Money("10.00"));
    transaction.Payment.CreditCard.SetAccName(S("A N OTHER"));
    EXPECT_EQ(transaction.Tendered(), Money("10.00"));
    EXPECT_EQ(transaction.Change(), Currency());
    EXPECT_EQ(transaction.Payment.Outstanding(), Money("50.00"));
    EXPECT_EQ(CardText(transaction.CC_Amount(), transaction.CC_Number(), transaction.CC_Type(), transaction.CC_ExpiryDate(),
                       transaction.CC_AccName(), transaction.CC_CCV(), transaction.CC_Gratuity()),
              QString(given).replace(S("J SMITH"), S("A N OTHER")));
    EXPECT_EQ(transaction.ChequeAmount(), Money("5.00"));

    transaction.Clear();
    EXPECT_EQ(transaction.Payment.AmountDue(), Currency());
    EXPECT_EQ(transaction.Payment.CreditCard.Amount(), Currency());
    EXPECT_TRUE(transaction.CC_Number().isEmpty());
    EXPECT_EQ(transaction.Tendered(), Currency());
}

TEST(Invoice, ChangeTransTypeAllowsNoDeliveries)
{
    const struct {
        int asked, stored;
        bool driverKept;
    } cases[] = {
        {ttCounter, ttCounter, false}, {ttCollect, ttCounter, false}, {ttDelivery, ttCounter, false}, {ttTable, ttTable, true},
    };
    for (const auto &c : cases) {
        TTransaction transaction;
        transaction.SetTransType(ttTable);
        transaction.DriverAttend.EmpNum = S("201");
        transaction.ChangeTransType(c.asked);
        EXPECT_EQ(transaction.GetTransType(), c.stored) << c.asked;
        EXPECT_EQ(transaction.DriverAttend.EmpNum.isEmpty(), !c.driverKept) << c.asked;
    }
}

TEST(Invoice, ModifiedOrderOnlyOnceStored)
{
    TTransaction transaction;
    transaction.Lines.Add();
    EXPECT_TRUE(transaction.HasNewLines());
    EXPECT_FALSE(transaction.IsModifiedOrder()) << "a transaction never stored";
    transaction.Clear();  // as after a load
    EXPECT_FALSE(transaction.HasNewLines());
    EXPECT_FALSE(transaction.IsModifiedOrder());
    TLineitemItem *line = transaction.Lines.Add();
    EXPECT_TRUE(transaction.IsModifiedOrder()) << "a line added";
    line->SetNewItem(false);
    EXPECT_FALSE(transaction.IsModifiedOrder());
    line->SetModified(true);
    EXPECT_TRUE(transaction.HasModifiedLines());
    EXPECT_TRUE(transaction.IsModifiedOrder());
    line->SetModified(false);
    transaction.SetModified(true);
    EXPECT_TRUE(transaction.IsModifiedOrder());
}

TEST(Invoice, ClearKeepsModeAndRateAndSetsTheLinks)
{
    TTransaction transaction;
    transaction.Mode = 2;
    transaction.VatRate = 15;
    transaction.DriverLink = 4;
    transaction.Prepared = S("1");
    transaction.AltCustomerName = S("Table 4");
    transaction.Lines.Add()->SetLineTotal(Money("3.00"));
    transaction.Clear();
    EXPECT_EQ(transaction.Mode, 2);
    EXPECT_EQ(transaction.VatRate, 15);
    for (int link : {transaction.fkTablesID, transaction.DriverLink, transaction.CashierLink, transaction.DiscountCode, transaction.OverringCode})
        EXPECT_EQ(link, -1);
    EXPECT_EQ(transaction.Prepared, S("0"));
    EXPECT_EQ(transaction.Lines.Count(), 0);
    EXPECT_EQ(transaction.Lines.LinesTotal(), Currency());
    EXPECT_TRUE(transaction.AltCustomerName.isEmpty());
    EXPECT_FALSE(transaction.IsNew());
}

TEST(Invoice, NumberAndDateGoToEveryLine)
{
    TInvoice invoice;
    invoice.Lines.Add();
    invoice.Lines.Add();
    invoice.SetInvoiceNum(12);
    invoice.SetDate(March(5, 12, 0));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(invoice.Lines.Items(i)->InvoiceNum, 12);
        EXPECT_EQ(invoice.Lines.Items(i)->Date, March(5, 12, 0));
    }
}

TEST(Invoice, CloneTakesTheComputedTotalsAndCopiesTheLines)
{
    TTransaction source;
    source.Mode = 2;
    FillWorkedExample(source);
    source.SetRounding(0.05);
    source.Customer.LastName = S("Mokoena");
    source.TotalPrice = Money("1.00");  // stale stored values
    TTransaction copy;
    copy.Lines.Add()->SetLineTotal(Money("99.00"));
    copy.Clone(source);
    EXPECT_EQ(copy.Lines.Count(), 2);
    EXPECT_EQ(copy.Lines.LinesTotal(), Money("100.00"));
    EXPECT_EQ(copy.TotalPrice, Money("105.00"));
    EXPECT_EQ(copy.AfterDisc(), Money("104.95"));
    EXPECT_EQ(copy.DiscountLine, Money("5.00"));
    EXPECT_EQ(copy.DelivChg, Money("15.00"));
    EXPECT_EQ(copy.Customer.LastName, S("Mokoena"));
    EXPECT_EQ(copy.Payment.AmountDue(), Money("104.95"));
    EXPECT_EQ(source.Lines.Count(), 2);
}

// ---- On the database

class InvoicesDb : public TDatabaseTest {
protected:
    void SetUp() override
    {
        At(March(5, 18, 30));
        TDatabaseTest::SetUp();
        transaction.SetAdoConnection(&con);
        transaction.Mode = 2;
    }
    void TearDown() override
    {
        TDatabaseTest::TearDown();
        DateTimes::SetClock({});
    }
    void At(TDateTime now)
    {
        DateTimes::SetClock([now] { return now; });
    }
    void Seed()
    {
        con.BeginTransaction();
        TDemoShop(con).Seed();
        con.Commit();
    }
    int Insert(const QString &sql, const std::vector<std::pair<const char *, QVariant>> &values)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(sql + S(" SELECT :IDField = @@Identity"));
        for (const auto &[name, value] : values) {
            TParameter &p = cmd.ParamByName(QLatin1String(name));
            if (value.typeId() == QMetaType::Double)
                p.SetDateTime(value.toDouble());
            else if (value.typeId() == QMetaType::QString)
                p.SetString(value.toString());
            else
                p.SetInteger(value.toLongLong());
        }
        cmd.ParamByName(S("IDField")).Direction = TParamDirection::Output;
        cmd.Execute();
        return cmd.ParamByName(S("IDField")).Value.toInt();
    }
    int AddShift(const char *empNum, TDateTime in)
    {
        return Insert(S("INSERT INTO Attend (EmpNum, InDateTime, ClockedOut, OnDelivery) VALUES (:EmpNum, :InDateTime, 0, 0)"),
                      {{"EmpNum", S(empNum)}, {"InDateTime", in}});
    }
    // A cashier and a driver with their category.
    void AddStaff()
    {
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('STAFF', 'Staff')"));
        con.Exec(S("INSERT INTO Employee (EmpNum, Category, FirstName, LastName, Active) VALUES ('110', 'STAFF', 'Grace', 'Mahlangu', 1)"));
        con.Exec(S("INSERT INTO Employee (EmpNum, Category, FirstName, LastName, Active) VALUES ('201', 'STAFF', 'Themba', 'Nkosi', 1)"));
    }
    Currency Stored(const char *column, int invoice)
    {
        TAdoQuery q(&con);
        q.SetSQL(S("SELECT ") + S(column) + S(" FROM Invoices WHERE InvoiceNum = :InvoiceNum"));
        q.ParamByName(S("InvoiceNum")).SetInteger(invoice);
        q.Open();
        return q.FieldByName(S(column)).AsCurrency();
    }

    TTransaction transaction;
};
TRELVO_ENGINE_TEST_SUITE(InvoicesDb);

TEST_P(InvoicesDb, DemoOrdersLoadWithTheirTotalsCustomerAndShifts)
{
    Seed();
    TAdoQuery open(&con);
    open.SetSQL(S("SELECT InvoiceNum, DriverLink FROM Invoices WHERE Status = 0 ORDER BY InvoiceNum"));
    open.Open();
    ASSERT_GE(open.RecordCount(), 10);
    int withDriver = 0;
    for (; !open.Eof(); open.Next()) {
        const int number = static_cast<int>(open.FieldByName(S("InvoiceNum")).AsInteger());
        SCOPED_TRACE(number);
        ASSERT_TRUE(transaction.LoadByInvoiceNum(number));
        EXPECT_EQ(transaction.InvoiceNum(), number);
        EXPECT_GT(transaction.Lines.Count(), 1);
        EXPECT_EQ(transaction.GetTotalPrice(), Stored("TotalPrice", number));
        EXPECT_EQ(transaction.GetDelivChg(), Stored("DelivChg", number));
        EXPECT_FALSE(transaction.Modified()) << "the stored charge is the customer's";
        EXPECT_EQ(transaction.GetAfterDisc(), Stored("AfterDisc", number));
        EXPECT_EQ(transaction.GetNetOVat(), Stored("NetOVat", number).RoundToCents());
        EXPECT_EQ(transaction.GetVat(), Stored("Vat", number).RoundToCents());
        EXPECT_EQ(transaction.Payment.AmountDue(), Stored("AfterDisc", number));
        EXPECT_FALSE(transaction.Customer.Empty());
        EXPECT_EQ(transaction.Customer.InvLink, transaction.CustLink);
        EXPECT_NE(transaction.Customer.FullName, S("Name Not Set"));
        EXPECT_TRUE(transaction.CashierAttend.HasAttendance) << "the cashier's shift of today";
        EXPECT_EQ(transaction.CashierAttend.EmpNum, S("110"));
        EXPECT_EQ(transaction.TransType(), ttDelivery);
        EXPECT_FALSE(transaction.IsClosed());
        EXPECT_FALSE(transaction.IsModifiedOrder());
        if (open.FieldByName(S("DriverLink")).AsInteger() > 0) {
            ++withDriver;
            EXPECT_EQ(transaction.GetWaiterName(), S("Themba Nkosi"));
        } else {
            EXPECT_EQ(transaction.GetWaiterName(), S("<Waiter not assigned>"));
        }
    }
    EXPECT_EQ(withDriver, 2);
}

TEST_P(InvoicesDb, LoadByNumberBelowOneSendsNothing)
{
    CountStatements();
    EXPECT_FALSE(transaction.LoadByInvoiceNum(0));
    EXPECT_FALSE(transaction.LoadByInvoiceNum(-3));
    EXPECT_EQ(StatementsSent(), 0);
    EXPECT_FALSE(transaction.LoadByInvoiceNum(4242));
    EXPECT_TRUE(transaction.Empty());
}

TEST_P(InvoicesDb, CashierOfTheTradingDayOnlyDriverOfAnyDay)
{
    AddStaff();
    const int yesterdaysCashier = AddShift("110", March(4, 16, 0));
    const int yesterdaysDriver = AddShift("201", March(4, 16, 0));
    const int todaysCashier = AddShift("110", March(5, 9, 0));
    const struct {
        const char *name;
        int cashierLink;
        bool cashierFound;
    } cases[] = {
        {"a cashier whose shift began before the trading day is not found", yesterdaysCashier, false},
        {"the cashier of today's shift is", todaysCashier, true},
    };
    for (const auto &c : cases) {
        const int invoice = Insert(S("INSERT INTO Invoices (TransType, Status, CashierLink, DriverLink) VALUES (3, 0, :Cashier, :Driver)"),
                                   {{"Cashier", c.cashierLink}, {"Driver", yesterdaysDriver}});
        ASSERT_TRUE(transaction.LoadByInvoiceNum(invoice)) << c.name;
        EXPECT_EQ(transaction.CashierAttend.HasAttendance, c.cashierFound) << c.name;
        EXPECT_EQ(transaction.CashierAttend.EmpNum.isEmpty(), !c.cashierFound) << c.name;
        EXPECT_EQ(transaction.DriverAttend.InvoiceLink, yesterdaysDriver) << c.name << ": the driver of any day";
        EXPECT_EQ(transaction.GetWaiterName(), S("Themba Nkosi"));
        EXPECT_TRUE(transaction.Customer.Empty()) << "no customer: loading still succeeds";
    }
}

TEST_P(InvoicesDb, StoredTendersDiscountAndStaffMeal)
{
    AddStaff();
    con.Exec(S("INSERT INTO Discount (Code, Description) VALUES (3, 'Loyalty')"));
    const int invoice = Insert(S("INSERT INTO Invoices (TransType, Status, DiscountCode, StaffMealEmpNum, AfterDisc, ROUNDING, Tendered, "
                                 "Change, CC_Amount, CC_Number, CC_Type, CC_ExpiryDate, Prepared, DiscountPercent) "
                                 "VALUES (1, 1, 3, :Staff, 105, 0.05, 110, 5, 0, :Number, 2, 'AB12', '1', 12.5)"),
                               {{"Staff", S("110")}, {"Number", S("41111111111111")}});
    ASSERT_TRUE(transaction.LoadByInvoiceNum(invoice));
    EXPECT_EQ(transaction.InvoiceDiscountDescription, S("Loyalty"));
    EXPECT_EQ(transaction.GetStaffMealEmpNum(), S("110"));
    EXPECT_EQ(transaction.StaffMealEmployee.LastName, S("Mahlangu"));
    EXPECT_EQ(transaction.AfterDisc(), Money("105.00"));
    EXPECT_EQ(transaction.Rounding(), 0.05);
    EXPECT_EQ(transaction.Payment.AmountDue(), Money("105.00"));
    EXPECT_EQ(transaction.Payment.Tendered(), Money("110.00"));
    EXPECT_EQ(transaction.Change(), Money("5.00"));
    EXPECT_TRUE(transaction.Payment.CreditCard.NumberValid());
    EXPECT_FALSE(transaction.Payment.CreditCard.ExpiryValid()) << "a malformed stored expiry does not stop the load";
    EXPECT_TRUE(transaction.IsPrepared());
    EXPECT_TRUE(transaction.IsClosed());
    EXPECT_EQ(transaction.DiscountPercent, 12.5);
    EXPECT_EQ(transaction.DriverLink, 0) << "a null link reads as 0";
}

TEST_P(InvoicesDb, LoadingAgainDoesNotDoubleTheLines)
{
    Seed();
    const int number = static_cast<int>(Scalar(S("SELECT MIN(InvoiceNum) FROM Invoices")));
    const int lines = static_cast<int>(Scalar(S("SELECT COUNT(*) FROM LineItem WHERE InvoiceNum = %1").arg(number)));
    TInvoice invoice;
    invoice.SetAdoConnection(&con);
    ASSERT_TRUE(invoice.LoadByInvoiceNum(number));
    const Currency total = invoice.GetTotalPrice();
    ASSERT_TRUE(invoice.LoadByInvoiceNum(number));
    EXPECT_EQ(invoice.Lines.Count(), lines);
    EXPECT_EQ(invoice.GetTotalPrice(), total);
    ASSERT_TRUE(invoice.PopulateSQL({S("SELECT * FROM Invoices WHERE InvoiceNum = %1").arg(number)}));
    EXPECT_EQ(invoice.Lines.Count(), lines);
    EXPECT_TRUE(invoice.InvoiceDiscountDescription.isEmpty());
}

TEST_P(InvoicesDb, NewestOpenInvoiceDate)
{
    TInvoices invoices;
    invoices.SetAdoConnection(&con);
    EXPECT_EQ(invoices.GetMaxOpenInvoiceDate(), 0) << "no open invoice";
    Insert(S("INSERT INTO Invoices (Date, Status) VALUES (:Date, 0)"), {{"Date", March(5, 17, 0)}});
    Insert(S("INSERT INTO Invoices (Date, Status) VALUES (:Date, 0)"), {{"Date", March(5, 18, 0)}});
    Insert(S("INSERT INTO Invoices (Date, Status) VALUES (:Date, 1)"), {{"Date", March(5, 19, 0)}});
    EXPECT_NEAR(invoices.GetMaxOpenInvoiceDate(), March(5, 18, 0), 1e-6);
    EXPECT_FALSE(invoices.AdoQuery.Active());
}
