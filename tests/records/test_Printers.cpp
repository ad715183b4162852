#include "records/RecordTest.h"

#include "records/clsOrvikPrinters.h"
#include "support/StrictPrompts.h"

#include <functional>

TEST(PrintersItem, SettersMarkOnlyAChangeAndNameIsTrimmed)
{
    T_PrintersItem printer;
    printer.ResetFlags();
    const struct {
        const char *what;
        std::function<void(T_PrintersItem &)> set;
        bool marks;
    } cases[] = {
        {"same page length", [](T_PrintersItem &p) { p.SetPageLength(26); }, false},
        {"other page length", [](T_PrintersItem &p) { p.SetPageLength(40); }, true},
        {"same category", [](T_PrintersItem &p) { p.SetCategory(pcInvoicePrinter); }, false},
        {"other category", [](T_PrintersItem &p) { p.SetCategory(pcProductionPrinter); }, true},
        {"same flag", [](T_PrintersItem &p) { p.SetPrintLateVoucher(false); }, false},
        {"other flag", [](T_PrintersItem &p) { p.SetExtendedProductionSlip(true); }, true},
        {"a name", [](T_PrintersItem &p) { p.SetName(QStringLiteral("  Kitchen\t")); }, true},
        {"the same name padded", [](T_PrintersItem &p) { p.SetName(QStringLiteral(" Kitchen ")); }, false},
    };
    for (const auto &c : cases) {
        printer.ResetFlags();
        c.set(printer);
        EXPECT_EQ(printer.Modified(), c.marks) << c.what;
    }
    EXPECT_EQ(printer.Name(), QStringLiteral("Kitchen"));
}

TEST(PrintersItem, CloneIsRefusedWithAMessage)
{
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, QStringLiteral("T_PrintersItem.Clone not implemented yet"));
    prompts.ExpectExactMessage(mtInformation, QStringLiteral("TTillsLinkPrintersItem.Clone not implemented"));
    prompts.ExpectExactMessage(mtInformation, QStringLiteral("TOrvikPrintersItem.Clone not implemented"));
    T_PrintersItem source, copy;
    source.SetName(QStringLiteral("Bar"));
    copy.Clone(source);
    EXPECT_NE(copy.Name(), QStringLiteral("Bar"));
    TTillsLinkPrintersItem link;
    link.Clone(link);
    TOrvikPrintersItem orvik;
    orvik.Clone(orvik);
}

TEST(TillsLinkPrintersItem, TwoFlagsAlwaysMarkTheOthersOnlyOnChange)
{
    TTillsLinkPrintersItem link;
    const struct {
        const char *what;
        std::function<void(TTillsLinkPrintersItem &)> set;
        bool marks;
    } cases[] = {
        {"same copies", [](TTillsLinkPrintersItem &l) { l.SetCopies(1); }, false},
        {"same device", [](TTillsLinkPrintersItem &l) { l.SetDevice(QString()); }, false},
        {"same printer", [](TTillsLinkPrintersItem &l) { l.SetfkPrintersID(-1); }, false},
        {"same till", [](TTillsLinkPrintersItem &l) { l.SetfkTillsID(-1); }, false},
        {"same port flag", [](TTillsLinkPrintersItem &l) { l.SetDirectToPort(false); }, false},
        {"same report", [](TTillsLinkPrintersItem &l) { l.SetReportFileName(QString()); }, false},
        {"same kitchen totals", [](TTillsLinkPrintersItem &l) { l.SetPrintKitchenTotals(false); }, true},
        {"same line prices", [](TTillsLinkPrintersItem &l) { l.SetPrintLinePrices(false); }, true},
        {"other device", [](TTillsLinkPrintersItem &l) { l.SetDevice(QStringLiteral("LPT1")); }, true},
    };
    for (const auto &c : cases) {
        link.ResetFlags();
        c.set(link);
        EXPECT_EQ(link.Modified(), c.marks) << c.what;
    }
}

class PrinterRecords : public TRecordTest {
protected:
    void SetUp() override
    {
        TRecordTest::SetUp();
        printers.SetAdoConnection(&con);
        links.SetAdoConnection(&con);
    }
    T_PrintersItem *AddPrinter(const QString &name)
    {
        T_PrintersItem *p = printers.Add();
        p->SetName(name);
        return p;
    }
    TTillsLinkPrintersItem *AddLink(TTillsLinkPrinters &to, int tillsID, int printersID)
    {
        TTillsLinkPrintersItem *l = to.Add();
        l->SetfkTillsID(tillsID);
        l->SetfkPrintersID(printersID);
        return l;
    }
    T_Printers printers;
    TTillsLinkPrinters links;
};
TRELVO_ENGINE_TEST_SUITE(PrinterRecords);

TEST_P(PrinterRecords, ANewPrinterIsNamedAfterItsPlaceAndGetsItsIdentity)
{
    T_PrintersItem *first = printers.Add();
    T_PrintersItem *second = printers.Add();
    EXPECT_EQ(first->Name(), QStringLiteral("New Printer0"));
    EXPECT_EQ(second->Name(), QStringLiteral("New Printer1"));
    EXPECT_EQ(first->PageLength(), 26);
    EXPECT_EQ(first->PageWidth(), 0);
    EXPECT_EQ(first->PrintersID(), -1);

    first->SetName(Hostile("O'Brien"));
    first->SetCategory(pcCreditcardPrinter);
    first->SetType(ptImpactNarrow);
    first->SetModel(pmStarposTSP700);
    first->SetFooterHeight(3);
    first->SetPageWidth(42);
    first->SetPrintLateVoucher(true);
    first->SetExtendedProductionSlip(true);
    second->SetName(QStringLiteral("   "));  // stored as the NUL "empty" text
    EXPECT_EQ(printers.UpdateAll(), 2);
    EXPECT_GT(first->PrintersID(), 0);
    EXPECT_EQ(second->PrintersID(), first->PrintersID() + 1);
    EXPECT_EQ(Text(QStringLiteral("SELECT Name FROM Printers WHERE PrintersID = %1").arg(second->PrintersID())), NulString());

    T_PrintersItem loaded;
    loaded.SetAdoConnection(&con);
    ASSERT_TRUE(loaded.LoadByID(first->PrintersID()));
    EXPECT_EQ(loaded.Name(), Hostile("O'Brien"));
    EXPECT_EQ(loaded.Category(), pcCreditcardPrinter);
    EXPECT_EQ(loaded.Type(), ptImpactNarrow);
    EXPECT_EQ(loaded.Model(), pmStarposTSP700);
    EXPECT_EQ(loaded.FooterHeight(), 3);
    EXPECT_EQ(loaded.PageLength(), 26);
    EXPECT_EQ(loaded.PageWidth(), 42);
    EXPECT_TRUE(loaded.PrintLateVoucher());
    EXPECT_TRUE(loaded.ExtendedProductionSlip());
    EXPECT_FALSE(loaded.Modified());

    // A stored printer is updated by its key.
    loaded.SetPageWidth(80);
    EXPECT_EQ(loaded.Update(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Printers")), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT PageWidth FROM Printers WHERE PrintersID = %1").arg(first->PrintersID())), 80);

    EXPECT_FALSE(loaded.LoadByID(9999));
    EXPECT_EQ(loaded.PrintersID(), -1);
    EXPECT_TRUE(loaded.Empty());
}

TEST_P(PrinterRecords, LoadAllIsInNameOrderAndDeleteAtRemovesRowAndItem)
{
    for (const char *name : {"Kitchen", "Bar", "Counter"})
        AddPrinter(QString::fromLatin1(name));
    printers.UpdateAll();

    T_Printers all;
    all.SetAdoConnection(&con);
    ASSERT_EQ(all.LoadAll(), 3);
    EXPECT_EQ(all.Items(0)->Name(), QStringLiteral("Bar"));
    EXPECT_EQ(all.Items(2)->Name(), QStringLiteral("Kitchen"));
    EXPECT_EQ(all.NewCount() + all.ModifiedCount(), 0);

    all.DeleteAt(1);
    EXPECT_EQ(all.Count(), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Printers WHERE Name = 'Counter'")), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Printers")), 2);
}

TEST_P(PrinterRecords, TillLinksRoundTripAndAreFoundThroughTheTillsRow)
{
    const int till7 = AddTill(7);
    const int till8 = AddTill(8);
    TTillsLinkPrintersItem *link = AddLink(links, till7, 5);
    link->SetCopies(2);
    link->SetDevice(QStringLiteral("  "));
    link->SetDirectToPort(true);
    link->SetReportFileName(Hostile("CRRpts\\Printer\\"));
    link->SetPrintLinePrices(true);
    AddLink(links, till8, 6);
    AddLink(links, till7, 4);
    EXPECT_EQ(links.UpdateAll(), 3);
    EXPECT_GT(link->TillsLinkPrintersID(), 0);
    EXPECT_EQ(Text(QStringLiteral("SELECT Device FROM TillsLinkPrinters WHERE TillsLinkPrintersID = %1").arg(link->TillsLinkPrintersID())), NulString());

    TTillsLinkPrinters ofTill;
    ofTill.SetAdoConnection(&con);
    ASSERT_EQ(ofTill.LoadForTill(7), 2);
    const int at = ofTill.IndexOfPrinter(5);
    ASSERT_GE(at, 0);
    const TTillsLinkPrintersItem *read = ofTill.Items(at);
    EXPECT_EQ(read->TillsLinkPrintersID(), link->TillsLinkPrintersID());
    EXPECT_EQ(read->fkTillsID(), till7);
    EXPECT_EQ(read->Copies(), 2);
    EXPECT_EQ(read->Device(), QString());  // trimmed on load
    EXPECT_TRUE(read->DirectToPort());
    EXPECT_EQ(read->ReportFileName(), Hostile("CRRpts\\Printer\\"));
    EXPECT_TRUE(read->PrintLinePrices());
    EXPECT_FALSE(read->PrintKitchenTotals());
    EXPECT_EQ(ofTill.IndexOfPrinter(6), -1);

    EXPECT_EQ(ofTill.LoadForTill(99), 0);  // no Tills row with that number

    ASSERT_EQ(ofTill.LoadAll(), 3);
    EXPECT_EQ(ofTill.Items(0)->fkPrintersID(), 4);  // by till row, then printer
    EXPECT_EQ(ofTill.Items(2)->fkTillsID(), till8);

    TTillsLinkPrintersItem byId;
    byId.SetAdoConnection(&con);
    ASSERT_TRUE(byId.LoadByID(link->TillsLinkPrintersID()));
    byId.SetCopies(3);
    EXPECT_EQ(byId.Update(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT Copies FROM TillsLinkPrinters WHERE TillsLinkPrintersID = %1").arg(link->TillsLinkPrintersID())), 3);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkPrinters")), 3);

    EXPECT_EQ(links.DeleteLinksOfPrinter(5), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkPrinters")), 2);
}

TEST_P(PrinterRecords, DeletingATillLinkDestroysItStoredOrNot)
{
    const int till = AddTill(7);
    AddLink(links, till, 1);
    links.UpdateAll();
    AddLink(links, till, 2);  // never stored
    ASSERT_EQ(links.Count(), 2);

    EXPECT_EQ(links.Items(1)->Delete(), 0);
    ASSERT_EQ(links.Count(), 1);
    EXPECT_EQ(links.NewCount(), 0);
    EXPECT_EQ(links.Items(0)->Delete(), 1);
    EXPECT_EQ(links.Count(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkPrinters")), 0);

    // DeleteAll reaches every link although each one leaves the list.
    for (int printer : {1, 2, 3})
        AddLink(links, till, printer);
    links.UpdateAll();
    EXPECT_EQ(links.DeleteAll(), 3);
    EXPECT_EQ(links.Count(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkPrinters")), 0);

    // A link no list owns loses its row and stays with whoever made it.
    TTillsLinkPrintersItem standalone;
    standalone.SetAdoConnection(&con);
    standalone.SetfkTillsID(till);
    standalone.Update();
    EXPECT_EQ(standalone.Delete(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkPrinters")), 0);
}

TEST_P(PrinterRecords, OrvikPrintersCarryTheirPrinterDefinition)
{
    T_PrintersItem *kitchen = AddPrinter(QStringLiteral("Kitchen"));
    kitchen->SetPageWidth(42);
    printers.UpdateAll();
    const int till = AddTill(3);
    AddLink(links, till, kitchen->PrintersID());
    AddLink(links, till, 777);  // its printer was deleted
    links.UpdateAll();

    TOrvikPrinters mine;
    mine.SetAdoConnection(&con);
    ASSERT_EQ(mine.LoadForTill(3), 2);
    const int at = mine.IndexOfPrinter(kitchen->PrintersID());
    ASSERT_GE(at, 0);
    EXPECT_EQ(mine.Items(at)->Printer().Name(), QStringLiteral("Kitchen"));
    EXPECT_EQ(mine.Items(at)->Printer().PageWidth(), 42);
    EXPECT_EQ(mine.Items(1 - at)->Printer().PrintersID(), -1);
    EXPECT_TRUE(mine.Items(1 - at)->Printer().Empty());
}
