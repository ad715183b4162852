#include "data/DemoShop.h"
#include "records/clsCustomer.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

Currency Money(const char *text)
{
    return Currency::FromString(QString::fromLatin1(text));
}

} // namespace

TEST(Customer, FullNameFromTheTrimmedNames)
{
    const QString forty = QStringLiteral("Abcdefghij").repeated(4);
    const struct {
        const char *name;
        QString first, last, full;
    } cases[] = {
        {"both names", S("Thandi"), S("Mokoena"), S("Mokoena, Thandi")},
        {"blanks trimmed", S("  Thandi "), S(" Mokoena  "), S("Mokoena, Thandi")},
        {"last name only", QString(), S("Mokoena"), S("Mokoena")},
        {"first name only", S("Thandi"), S("   "), S("Thandi")},
        {"no names", QString(), QString(), S("Name Not Set")},
        {"a 40-character last name is cut to 30", QString(), forty, forty.left(30)},
        {"the whole name is cut to 30", S("Thandi"), S("van der Merwe-Mokoena"), S("van der Merwe-Mokoena, Thandi")},
        {"longer than 30 with the first name", S("Nomathemba"), S("van der Merwe-Mokoena"), S("van der Merwe-Mokoena, Nomathe")},
    };
    for (const auto &c : cases) {
        TCustomer customer;
        customer.FirstName = c.first;
        customer.LastName = c.last;
        customer.Telephone = S("021 555 0101");
        EXPECT_EQ(customer.GetFullName(), c.full) << c.name;
        EXPECT_LE(customer.GetFullName().size(), 30) << c.name;
        EXPECT_EQ(customer.GetDisplayString(), S("021 555 0101 - ") + c.full) << c.name;
    }
}

TEST(Customer, DeliveryInfoCloneIsNotSupported)
{
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, S("TDeliveryInfo.Clone not implemented yet"));
    TDeliveryInfo source, copy;
    source.Street = S("Main Road");
    copy.Clone(source);
    EXPECT_TRUE(copy.Street.isEmpty());
}

class CustomerDb : public TDatabaseTest {
protected:
    void SetUp() override
    {
        DateTimes::SetClock([] { return DateTimes::EncodeDateTime(2024, 3, 5, 18, 30); });
        TDatabaseTest::SetUp();
        con.BeginTransaction();
        TDemoShop(con).Seed();
        con.Commit();
        customer.SetAdoConnection(&con);
    }
    void TearDown() override
    {
        TDatabaseTest::TearDown();
        DateTimes::SetClock({});
    }
    int InvLinkOf(const char *telephone)
    {
        TAdoQuery q(&con);
        q.SetSQL(S("SELECT InvLink FROM Customer WHERE Telephone = :Telephone"));
        q.ParamByName(S("Telephone")).SetString(S(telephone));
        q.Open();
        return static_cast<int>(q.FieldByName(S("InvLink")).AsInteger());
    }
    int AddCustomer(const QString &columns, const QString &values)
    {
        con.Exec(S("INSERT INTO Customer (") + columns + S(") VALUES (") + values + u')');
        return static_cast<int>(Scalar(S("SELECT MAX(InvLink) FROM Customer")));
    }

    TCustomer customer;
};
TRELVO_ENGINE_TEST_SUITE(CustomerDb);

TEST_P(CustomerDb, LoadByTelephoneWithStreetSuburbAndSquare)
{
    ASSERT_TRUE(customer.LoadByTelephone(S("0216742291")));
    EXPECT_FALSE(customer.Empty());
    EXPECT_EQ(customer.FullName, S("Dlamini, Sipho"));
    EXPECT_EQ(customer.GetDisplayString(), S("0216742291 - Dlamini, Sipho"));
    EXPECT_EQ(customer.Street, S("Kildare Road"));
    EXPECT_EQ(customer.Suburb, S("Newlands"));
    EXPECT_EQ(customer.GridRef, S("B2"));
    EXPECT_EQ(customer.DelivChg, Money("15.00"));
    EXPECT_EQ(customer.PSuburb, S("Newlands")) << "the street's suburb when the customer has none";
    EXPECT_EQ(customer.StreetNo, S("41"));
    EXPECT_TRUE(customer.Active);
    const TDeliveryInfo &address = customer.DeliveryInfo;
    EXPECT_EQ(address.Flat, S("Unit 12"));
    EXPECT_EQ(address.Address2, S("Kildare Mews"));
    EXPECT_EQ(address.Street, S("Kildare Road"));
    EXPECT_EQ(address.Suburb, S("Newlands"));
    EXPECT_EQ(address.GridRef, S("B2"));
    EXPECT_EQ(address.Telephone, S("0216742291"));
    EXPECT_EQ(address.DelivChg, Money("15.00"));
    EXPECT_EQ(customer.InvLink, InvLinkOf("0216742291"));
}

TEST_P(CustomerDb, TheTelephoneIsBoundNotPasted)
{
    const QString hostile = S("0216742291' OR '1'='1");
    EXPECT_FALSE(customer.LoadByTelephone(hostile));
    const int id = AddCustomer(S("LastName"), S("'Quote'"));
    TAdoCommand set(&con);
    set.SetCommandText(S("UPDATE Customer SET Telephone = :Telephone WHERE InvLink = :InvLink"));
    set.ParamByName(S("Telephone")).SetString(hostile);
    set.ParamByName(S("InvLink")).SetInteger(id);
    set.Execute();
    ASSERT_TRUE(customer.LoadByTelephone(hostile));
    EXPECT_EQ(customer.LastName, S("Quote"));
}

TEST_P(CustomerDb, NotFoundLeavesAClearedRecord)
{
    ASSERT_TRUE(customer.LoadByTelephone(S("0216742291")));
    EXPECT_FALSE(customer.LoadByInvLink(99999));
    EXPECT_TRUE(customer.Empty());
    EXPECT_TRUE(customer.FullName.isEmpty());
    EXPECT_TRUE(customer.Street.isEmpty());
    EXPECT_EQ(customer.DelivChg, Currency());
    EXPECT_TRUE(customer.DeliveryInfo.Flat.isEmpty());
    EXPECT_FALSE(customer.LoadWhere(QString()));
}

TEST_P(CustomerDb, AddressFallbacksAndMissingSquare)
{
    con.Exec(S("INSERT INTO Street (ID, StreetRef, SuburbRef, GridRefLink) VALUES (50, 1, 2, NULL)"));
    const int own = AddCustomer(S("LastName, StreetLink, PSuburb, PostCode, PPostCode"), S("'Own', 1, 'Wynberg', '7800', '7801'"));
    const int fallback = AddCustomer(S("LastName, StreetLink, PostCode"), S("'Fallback', 50, '7708'"));
    const int nowhere = AddCustomer(S("FirstName"), S("'Walk-in'"));

    ASSERT_TRUE(customer.LoadByInvLink(own));
    EXPECT_EQ(customer.PSuburb, S("Wynberg"));
    EXPECT_EQ(customer.PPostCode, S("7801"));

    ASSERT_TRUE(customer.LoadByInvLink(fallback));
    EXPECT_EQ(customer.PSuburb, S("Claremont"));
    EXPECT_EQ(customer.PPostCode, S("7708"));
    EXPECT_EQ(customer.DelivChg, Currency()) << "a street without a grid square";
    EXPECT_TRUE(customer.GridRef.isEmpty());
    EXPECT_EQ(customer.Street, S("Main Road"));

    ASSERT_TRUE(customer.LoadByInvLink(nowhere));
    EXPECT_EQ(customer.FullName, S("Walk-in"));
    EXPECT_TRUE(customer.Suburb.isEmpty());
}

TEST_P(CustomerDb, DeliveryChargeOfTheCustomersSquare)
{
    const int sipho = InvLinkOf("0216742291");
    EXPECT_EQ(customer.GetDeliveryCharge(sipho), Money("15.00"));
    EXPECT_EQ(customer.GetDeliveryCharge(0), Currency());
    EXPECT_EQ(customer.GetDeliveryCharge(99999), Currency());
    EXPECT_EQ(customer.GetDeliveryCharge(AddCustomer(S("LastName"), S("'No street'"))), Currency());

    // Read from a statement without the square's charge: it is looked up.
    ASSERT_TRUE(customer.PopulateSQL({S("SELECT * FROM Customer WHERE InvLink = %1").arg(sipho)}));
    EXPECT_EQ(customer.DelivChg, Money("15.00"));
    EXPECT_TRUE(customer.Street.isEmpty());
}

TEST_P(CustomerDb, LastInvoiceAndComplaints)
{
    const int thandi = InvLinkOf("0216851204");
    ASSERT_TRUE(customer.LoadByInvLink(thandi));
    const int newest = static_cast<int>(Scalar(S("SELECT MAX(InvoiceNum) FROM Invoices WHERE CustLink = %1").arg(thandi)));
    ASSERT_GT(newest, 0);
    ASSERT_TRUE(customer.LoadLastInvoice());
    EXPECT_EQ(customer.LastInvoice.InvoiceNum(), newest);
    EXPECT_GT(customer.LastInvoice.Lines.Count(), 0);
    EXPECT_FALSE(customer.CheckComplaints());

    con.Exec(S("INSERT INTO COMPLAINTS (FKINVOICESID) VALUES (%1)").arg(newest));
    EXPECT_TRUE(customer.CheckComplaints());
    EXPECT_TRUE(customer.HasComplaints);

    ASSERT_TRUE(customer.LoadByInvLink(AddCustomer(S("LastName"), S("'New'"))));
    EXPECT_FALSE(customer.LoadLastInvoice());
    EXPECT_TRUE(customer.LastInvoice.Empty());
    EXPECT_EQ(customer.LastInvoice.InvoiceNum(), 0);
    EXPECT_FALSE(customer.CheckComplaints());
}

TEST_P(CustomerDb, CloneCopiesTheAddressAndSavesNothing)
{
    ASSERT_TRUE(customer.LoadByTelephone(S("0216742291")));
    TCustomer copy;
    copy.Clone(customer);
    EXPECT_EQ(copy.FullName, customer.FullName);
    EXPECT_EQ(copy.DelivChg, Money("15.00"));
    EXPECT_EQ(copy.GridRef, S("B2"));
    EXPECT_EQ(copy.DeliveryInfo.Flat, S("Unit 12"));
    copy.LastName = S("Changed");
    copy.SetModified(true);
    CountStatements();
    EXPECT_EQ(copy.Update(), 0);
    EXPECT_EQ(StatementsSent(), 0);
}
