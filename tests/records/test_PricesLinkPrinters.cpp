#include "records/RecordTest.h"

#include "app/clsEVxException.h"
#include "records/clsPricesLinkPrinters.h"

TEST(PricesLinkPrintersItem, AnUnstoredLinkCannotBeDeleted)
{
    TPricesLinkPrintersItem link;
    EXPECT_EQ(link.PricesLinkPrintersID(), -1);
    EXPECT_EQ(link.fkPricesID(), -1);
    try {
        link.Delete();
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot delete when the TPricesLinkPrintersID.PricesLinkPrintersID has not been set"));
        EXPECT_EQ(e.RaisedIn(), QStringLiteral("TPricesLinkPrintersItem.Delete"));
    }
}

class PriceLinkRecords : public TRecordTest {
protected:
    void SetUp() override
    {
        TRecordTest::SetUp();
        links.SetAdoConnection(&con);
    }
    TPricesLinkPrintersItem *AddLink(int recipe, int printer)
    {
        TPricesLinkPrintersItem *l = links.Add();
        l->SetfkPricesID(recipe);
        l->SetfkPrintersID(printer);
        return l;
    }
    TPricesLinkPrinters links;
};
TRELVO_ENGINE_TEST_SUITE(PriceLinkRecords);

TEST_P(PriceLinkRecords, LinksRoundTripWithTheirIdentityAndDeleteByKey)
{
    TPricesLinkPrintersItem *a = AddLink(20, 2);
    TPricesLinkPrintersItem *b = AddLink(10, 1);
    EXPECT_EQ(links.UpdateAll(), 2);
    EXPECT_GT(a->PricesLinkPrintersID(), 0);
    EXPECT_EQ(b->PricesLinkPrintersID(), a->PricesLinkPrintersID() + 1);

    TPricesLinkPrinters all;
    all.SetAdoConnection(&con);
    ASSERT_EQ(all.LoadAll(), 2);
    EXPECT_EQ(all.Items(0)->fkPricesID(), 10);  // by price item
    EXPECT_EQ(all.Items(0)->fkPrintersID(), 1);
    EXPECT_EQ(all.Items(0)->PricesLinkPrintersID(), b->PricesLinkPrintersID());

    TPricesLinkPrintersItem one;
    one.SetAdoConnection(&con);
    ASSERT_TRUE(one.LoadByID(a->PricesLinkPrintersID()));
    one.SetfkPrintersID(3);
    EXPECT_EQ(one.Update(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT fkPrintersID FROM PricesLinkPrinters WHERE fkPricesID = 20")), 3);
    EXPECT_EQ(one.Delete(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM PricesLinkPrinters")), 1);
    EXPECT_FALSE(one.LoadByID(a->PricesLinkPrintersID()));
    EXPECT_EQ(one.fkPricesID(), -1);
}

TEST_P(PriceLinkRecords, AnInvoiceListsEachLinkOfItsItemsOnce)
{
    for (const char *sql : {"INSERT INTO Prices (Recipe, Code) VALUES (10, 'BURG')", "INSERT INTO Prices (Recipe, Code) VALUES (11, 'CHIPS')",
                            "INSERT INTO Invoices (InvoiceNum, TransType) VALUES (500, 3)",
                            "INSERT INTO Invoices (InvoiceNum, TransType) VALUES (501, 3)",
                            "INSERT INTO LineItem (InvoiceNum, LineNum, Code) VALUES (500, 1, 'BURG')",
                            "INSERT INTO LineItem (InvoiceNum, LineNum, Code) VALUES (500, 2, 'BURG')",
                            "INSERT INTO LineItem (InvoiceNum, LineNum, Code) VALUES (501, 1, 'CHIPS')"})
        con.Exec(QString::fromLatin1(sql));
    AddLink(10, 1);
    AddLink(11, 2);
    links.UpdateAll();

    TPricesLinkPrinters forInvoice;
    forInvoice.SetAdoConnection(&con);
    ASSERT_EQ(forInvoice.LoadForInvoice(500), 1);  // two lines of one item: one link
    EXPECT_EQ(forInvoice.Items(0)->fkPrintersID(), 1);
    EXPECT_EQ(forInvoice.LoadForInvoice(502), 0);  // nothing on it: the list stays
    EXPECT_EQ(forInvoice.Count(), 1);
}
