#include "app/clsEVxException.h"
#include "data/DemoShop.h"
#include "records/clsLineitems.h"
#include "support/EngineFixture.h"

#include <random>

namespace {

Currency Money(const char *text)
{
    return Currency::FromString(QString::fromLatin1(text));
}

// A line of the collection with a quantity and a unit price.
TLineitemItem *AddLine(TLineitem &lines, double quantity, const char *price)
{
    TLineitemItem *line = lines.Add();
    line->SetQuantity(quantity);
    line->SetPrice(Money(price));
    return line;
}

// The sums the collection keeps, recomputed from its lines.
struct TSums {
    Currency total, disc, invDisc, tagged;
    static TSums Of(const TLineitem &lines)
    {
        TSums s;
        for (int i = 0; i < lines.Count(); ++i) {
            const TLineitemItem *line = lines.Items(i);
            s.total += line->LineTotal();
            s.disc += line->LineDisc();
            s.invDisc += line->InvDisc();
            if (line->Tagged() && line->Tag() != QStringLiteral("DR"))
                s.tagged += line->LineTotal();
        }
        return s;
    }
};

::testing::AssertionResult SumsMatch(const TLineitem &lines)
{
    const TSums s = TSums::Of(lines);
    if (lines.LinesTotal() == s.total && lines.LinesDisc() == s.disc && lines.LinesInvDisc() == s.invDisc
        && lines.TaggedTotal() == s.tagged)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "kept " << lines.LinesTotal().ToString().toStdString() << "/"
                                         << lines.LinesDisc().ToString().toStdString() << "/"
                                         << lines.LinesInvDisc().ToString().toStdString() << "/"
                                         << lines.TaggedTotal().ToString().toStdString() << ", lines give "
                                         << s.total.ToString().toStdString() << "/" << s.disc.ToString().toStdString() << "/"
                                         << s.invDisc.ToString().toStdString() << "/" << s.tagged.ToString().toStdString();
}

} // namespace

TEST(Lineitems, PriceArithmeticAtTheLinesVatRate)
{
    TLineitem lines;
    lines.VatRate = 14;
    TLineitemItem *line = AddLine(lines, 2, "12.50");
    EXPECT_EQ(line->VatRate(), 14);
    EXPECT_EQ(line->LineTotal(), Money("25.00"));
    EXPECT_EQ(line->VatExcl(), Money("10.9649"));
    EXPECT_EQ(line->LineTotalExcl(), Money("21.9298"));
    EXPECT_EQ(lines.LinesTotal(), Money("25.00"));

    line->SetQuantity(3);
    EXPECT_EQ(line->LineTotal(), Money("37.50"));
    EXPECT_EQ(line->LineTotalExcl(), Money("32.8947"));
    line->SetLineTotal(Money("30.00"));
    EXPECT_EQ(lines.LinesTotal(), Money("30.00"));
    line->SetLineDisc(Money("1.14"));
    EXPECT_EQ(line->LineDiscExcl(), Money("1.00"));
    EXPECT_EQ(lines.ExclTotal(), Money("31.8947")) << "32.8947 without VAT less the 1.00 line discount without VAT";
}

TEST(Lineitems, LineAndInvoiceDiscountsExcludeEachOther)
{
    TLineitem lines;
    lines.VatRate = 14;
    TLineitemItem *line = AddLine(lines, 1, "10.00");
    AddLine(lines, 1, "5.00")->SetInvDisc(Money("0.25"));

    line->SetInvDisc(Money("0.50"));
    EXPECT_EQ(lines.LinesInvDisc(), Money("0.75"));
    line->SetLineDisc(Money("1.00"));
    EXPECT_EQ(line->InvDisc(), Currency());
    EXPECT_EQ(line->InvDiscExcl(), Currency());
    EXPECT_EQ(lines.LinesInvDisc(), Money("0.25")) << "the line's 0.50 share left the sum";
    EXPECT_EQ(lines.LinesDisc(), Money("1.00"));

    line->SetInvDisc(Money("2.28"));
    EXPECT_EQ(line->LineDisc(), Currency());
    EXPECT_EQ(line->LineDiscExcl(), Currency());
    EXPECT_EQ(line->InvDiscExcl(), Money("2.00"));
    EXPECT_EQ(lines.LinesDisc(), Currency());
    EXPECT_EQ(lines.LinesInvDisc(), Money("2.53"));

    line->SetLineDisc(Currency());  // zero clears nothing else
    EXPECT_EQ(line->InvDisc(), Money("2.28"));
    EXPECT_TRUE(SumsMatch(lines));
}

TEST(Lineitems, TaggedTotalLeavesOutDrLines)
{
    TLineitem lines;
    TLineitemItem *plain = AddLine(lines, 1, "10.00");
    TLineitemItem *dr = AddLine(lines, 1, "7.00");
    dr->SetTag(QStringLiteral("DR"));

    dr->SetTagged(true);
    EXPECT_EQ(lines.TaggedTotal(), Currency()) << "a DR line is tagged but not totalled";
    EXPECT_EQ(lines.TaggedItems().size(), 1);
    plain->SetTagged(true);
    EXPECT_EQ(lines.TaggedTotal(), Money("10.00"));
    plain->SetQuantity(2);
    EXPECT_EQ(lines.TaggedTotal(), Money("20.00")) << "a tagged line's new total follows";
    plain->SetTag(QStringLiteral("DR"));
    EXPECT_EQ(lines.TaggedTotal(), Currency());
    dr->SetTag(QStringLiteral("*"));
    EXPECT_EQ(lines.TaggedTotal(), Money("7.00"));
    EXPECT_EQ(lines.ComputeTaggedTotal(), Money("7.00"));
    dr->SetTagged(false);
    EXPECT_EQ(lines.TaggedTotal(), Currency());
    EXPECT_TRUE(SumsMatch(lines));
}

TEST(Lineitems, DestroyingALineTakesItsAmountsOut)
{
    TLineitem lines;
    lines.VatRate = 14;
    AddLine(lines, 1, "10.00");
    TLineitemItem *gone = AddLine(lines, 2, "4.00");
    gone->SetLineDisc(Money("1.00"));
    gone->SetTagged(true);
    AddLine(lines, 1, "3.00")->SetInvDisc(Money("0.50"));
    ASSERT_EQ(lines.LinesTotal(), Money("21.00"));

    lines.RemoveAt(1);
    EXPECT_EQ(lines.LinesTotal(), Money("13.00"));
    EXPECT_EQ(lines.LinesDisc(), Currency());
    EXPECT_EQ(lines.TaggedTotal(), Currency());
    EXPECT_TRUE(lines.TaggedItems().isEmpty());
    EXPECT_EQ(lines.LinesInvDisc(), Money("0.50"));

    lines.Items(0)->Clear();
    EXPECT_EQ(lines.LinesTotal(), Money("3.00")) << "a cleared line counts nothing";
    lines.Clear();
    EXPECT_EQ(lines.LinesTotal(), Currency());
    EXPECT_EQ(lines.LinesInvDisc(), Currency());
}

TEST(Lineitems, ClearedAndNewLines)
{
    TLineitem lines;
    lines.VatRate = 15;
    TLineitemItem *line = lines.Add();
    EXPECT_EQ(line->Tag(), QStringLiteral("N"));
    EXPECT_TRUE(line->NewItem());
    EXPECT_EQ(line->fkPicklistsID, -1);
    EXPECT_EQ(line->ParentLineNum, -1);
    line->ItemDesc = QStringLiteral("Chips");
    line->fkPicklistsID = 4;
    line->SetNewItem(false);
    line->Clear();
    EXPECT_TRUE(line->ItemDesc.isEmpty());
    EXPECT_TRUE(line->Tag().isEmpty());
    EXPECT_EQ(line->fkPicklistsID, -1);
    EXPECT_TRUE(line->NewItem());
    EXPECT_EQ(line->VatRate(), 15) << "the rate given at construction stays";
}

TEST(Lineitems, RelinkChildrenToTheMainLineBeforeThem)
{
    TLineitem lines;
    for (int i = 0; i < 5; ++i)
        lines.Add();
    // main, child, child, main, child: the children carry stale numbers or a parent line.
    lines.Items(1)->ParentLineNum = 7;
    lines.Items(2)->SetParentLine(lines.Items(0));
    lines.Items(4)->ParentLineNum = 0;
    lines.RelinkChildren();
    EXPECT_EQ(lines.Items(1)->ParentLineNum, 0);
    EXPECT_EQ(lines.Items(2)->ParentLineNum, 0);
    EXPECT_EQ(lines.Items(2)->ParentLine(), nullptr);
    EXPECT_EQ(lines.Items(3)->ParentLineNum, -1);
    EXPECT_EQ(lines.Items(4)->ParentLineNum, 3);

    TLineitem orphans;
    orphans.Add()->ParentLineNum = 5;
    orphans.RelinkChildren();
    EXPECT_EQ(orphans.Items(0)->ParentLineNum, 0) << "a child before any main line gets 0";
}

TEST(Lineitems, ParentLineByIndexAndAfterItsRemoval)
{
    TLineitem lines;
    lines.Add();
    TLineitemItem *main = lines.Add();
    TLineitemItem *child = lines.Add();
    child->SetParentLine(main);
    EXPECT_EQ(child->GetParentLineNum(), 1);
    lines.RemoveAt(0);
    EXPECT_EQ(child->GetParentLineNum(), 0) << "the parent's index now";

    TLineitem other;
    TLineitemItem *copy = other.Add();
    copy->Clone(*child);
    EXPECT_EQ(copy->ParentLine(), nullptr);
    EXPECT_EQ(copy->ParentLineNum, 0);

    lines.RemoveAt(0);  // the parent goes: no dangling reference is left
    EXPECT_EQ(child->ParentLine(), nullptr);
    EXPECT_EQ(child->GetParentLineNum(), 0);
}

TEST(Lineitems, CloneCopiesAmountsIntoTheTargetsSums)
{
    TLineitem source;
    source.VatRate = 14;
    TLineitemItem *line = AddLine(source, 2, "12.50");
    line->SetLineDisc(Money("2.00"));
    line->SetTagged(true);
    line->ItemDesc = QStringLiteral("Margherita");
    T_PrintersItem kitchen;
    line->Printers.append(&kitchen);

    TLineitem target;
    target.AppendCopies(source);
    TLineitemItem *copy = target.Items(0);
    EXPECT_FALSE(copy->Tagged());
    EXPECT_EQ(copy->ItemDesc, QStringLiteral("Margherita"));
    EXPECT_EQ(copy->LineTotalExcl(), Money("21.9298"));
    EXPECT_EQ(copy->LineDiscExcl(), line->LineDiscExcl());
    ASSERT_EQ(copy->Printers.size(), 1);
    EXPECT_EQ(copy->Printers.front(), &kitchen);
    EXPECT_EQ(target.LinesTotal(), Money("25.00"));
    EXPECT_EQ(target.LinesDisc(), Money("2.00"));
    EXPECT_TRUE(SumsMatch(target));
}

// A free line (its whole price given as a line discount) has no VAT: the amount without VAT
// is the line's after its discount, not before it.
TEST(Lineitems, ExclTotalIsAfterLineDiscounts)
{
    TLineitem lines;
    lines.VatRate = 14;
    TLineitemItem *free = AddLine(lines, 1, "11.40");
    free->SetLineDisc(Money("11.40"));
    free->SetLineTotal(Currency());
    EXPECT_EQ(lines.ExclTotal(), Currency());
    AddLine(lines, 2, "5.70")->SetInvDisc(Money("1.14"));
    EXPECT_EQ(lines.ExclTotal(), Money("10.00"));
    EXPECT_EQ(lines.InvDiscExclTotal(), Money("1.00"));
}

TEST(Lineitems, RecomputeTotalsOfNewLinesOnly)
{
    TLineitem lines;
    AddLine(lines, 1, "10.00")->SetNewItem(false);
    AddLine(lines, 1, "4.00")->SetInvDisc(Money("1.00"));
    lines.RecomputeTotals(true);
    EXPECT_EQ(lines.LinesTotal(), Money("4.00"));
    EXPECT_EQ(lines.NetTotal(), Money("3.00"));
    lines.RecomputeTotals();
    EXPECT_EQ(lines.LinesTotal(), Money("14.00"));
    EXPECT_EQ(lines.NetTotal(), Money("13.00"));
}

TEST(Lineitems, CountDescribedAndPopulateWithoutDataset)
{
    TLineitem lines;
    lines.Add()->ItemDesc = QStringLiteral("Chips");
    lines.Add();
    EXPECT_EQ(lines.CountDescribed(), 1);
    try {
        lines.Populate(nullptr);
        FAIL() << "no error";
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot call TLineitem.Populate with a nil DataSet parameter"));
    }
    EXPECT_EQ(lines.Count(), 2);
}

// After any sequence of setter calls, tags and removals, the sums the collection keeps
// equal the sums over its lines.
TEST(Lineitems, RunningSumsFollowEveryChange)
{
    std::mt19937 random(20240305);
    const auto amount = [&random](int maxCents) { return Currency::FromRaw(std::uniform_int_distribution<int>(0, maxCents)(random) * 100); };
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const QString tags[] = {QStringLiteral("N"), QStringLiteral("*"), QStringLiteral("DR")};
    for (int sequence = 0; sequence < 300; ++sequence) {
        TLineitem lines;
        lines.VatRate = sequence % 3 == 0 ? 0 : 15;
        for (int step = 0; step < 40; ++step) {
            if (lines.Count() == 0 || pick(6) == 0) {
                AddLine(lines, 1 + pick(3), "1.00");
                continue;
            }
            TLineitemItem *line = lines.Items(pick(lines.Count()));
            switch (pick(11)) {
            case 0: line->SetQuantity(pick(5) * 0.5); break;
            case 1: line->SetPrice(amount(5000)); break;
            case 2: line->SetLineTotal(amount(9000)); break;
            case 3: line->SetLineDisc(amount(500)); break;
            case 4: line->SetInvDisc(amount(500)); break;
            case 5: line->SetTagged(!line->Tagged()); break;
            case 6: line->SetTag(tags[pick(3)]); break;
            case 7: lines.RemoveAt(line->Index()); break;
            case 8: line->Clear(); break;
            case 9: lines.InsertCopy(*line); break;
            case 10: lines.ResetFlags(); break;
            }
            ASSERT_TRUE(SumsMatch(lines)) << "sequence " << sequence << ", step " << step;
        }
    }
}

// ---- On the database

class LineitemsDb : public TDatabaseTest {
protected:
    void SetUp() override
    {
        DateTimes::SetClock([] { return DateTimes::EncodeDateTime(2024, 3, 5, 18, 30); });
        TDatabaseTest::SetUp();
        lines.SetAdoConnection(&con);
        lines.VatRate = 14;
    }
    void TearDown() override
    {
        TDatabaseTest::TearDown();
        DateTimes::SetClock({});
    }
    void Seed()
    {
        con.BeginTransaction();
        TDemoShop(con).Seed();
        con.Commit();
    }
    // An open invoice of the demo shop with its number of lines.
    std::pair<int, int> DemoInvoice()
    {
        const int invoice = static_cast<int>(Scalar(QStringLiteral("SELECT MIN(InvoiceNum) FROM Invoices")));
        return {invoice, static_cast<int>(Scalar(QStringLiteral("SELECT COUNT(*) FROM LineItem WHERE InvoiceNum = %1").arg(invoice)))};
    }

    TLineitem lines;
};
TRELVO_ENGINE_TEST_SUITE(LineitemsDb);

TEST_P(LineitemsDb, LoadForInvoiceWithItsJoins)
{
    Seed();
    const auto [invoice, count] = DemoInvoice();
    ASSERT_GT(count, 0);
    ASSERT_TRUE(lines.LoadForInvoice(invoice));
    ASSERT_EQ(lines.Count(), count);
    Currency total;
    for (int i = 0; i < lines.Count(); ++i) {
        const TLineitemItem *line = lines.Items(i);
        SCOPED_TRACE(line->Code.toStdString());
        EXPECT_EQ(line->InvoiceNum, invoice);
        EXPECT_EQ(line->Linenum(), i);
        EXPECT_FALSE(line->NewItem());
        EXPECT_TRUE(line->IsNew()) << "the lines' Populate leaves the framework's flag";
        EXPECT_FALSE(line->CategoryDescription.isEmpty());
        EXPECT_FALSE(line->StockLocationStr.isEmpty());
        EXPECT_GT(line->Recipe, 0);
        EXPECT_GT(line->CatMenuCode, 0);
        EXPECT_EQ(line->VatRate(), 14);
        EXPECT_EQ(line->VatExcl(), line->Price().MulDouble(1 / 1.14));
        EXPECT_EQ(line->LineTotal(), line->Price().MulDouble(line->Quantity()));
        EXPECT_EQ(line->Tag(), QStringLiteral("N"));
        EXPECT_EQ(line->ParentLineNum, -1);
        total += line->LineTotal();
    }
    EXPECT_EQ(lines.LinesTotal(), total);
    EXPECT_FALSE(lines.AdoQuery.Active()) << "the query is closed";

    EXPECT_TRUE(lines.LoadForInvoice(invoice));
    EXPECT_EQ(lines.Count(), 2 * count) << "loading appends";
    EXPECT_FALSE(lines.LoadForInvoice(987654)) << "an invoice without lines adds nothing";
    EXPECT_EQ(lines.Count(), 2 * count);
}

TEST_P(LineitemsDb, PopulateAppendsAndLeavesTheDatasetWhereItWas)
{
    Seed();
    const auto [invoice, count] = DemoInvoice();
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT * FROM LineItem WHERE InvoiceNum = %1 ORDER BY LineNum").arg(invoice));
    q.Open();
    q.Next();
    lines.Add();
    EXPECT_EQ(lines.Populate(&q), count);
    EXPECT_EQ(lines.Count(), count + 1);
    EXPECT_EQ(q.RecNo(), 1);
    EXPECT_TRUE(q.Active());
    EXPECT_EQ(lines.NewCount(), count + 1);
    EXPECT_EQ(lines.Items(1)->CategoryDescription, QString()) << "a column the query lacks stays empty";
}

TEST_P(LineitemsDb, StoredLineOwnRateAndTagged)
{
    con.Exec(QStringLiteral("INSERT INTO LineItem (InvoiceNum, LineNum, ParentLineNum, Code, Quantity, Price, LineVatRate, LineTotal, "
                            "LineDisc, InvDisc, Tag) VALUES (5, 0, -1, 'X1', 1, 10, 0, 9, 1, 0, '*')"));
    con.Exec(QStringLiteral("INSERT INTO LineItem (InvoiceNum, LineNum, ParentLineNum, Code, Quantity, Price, VatExcl, LineTotal, "
                            "LineDisc, InvDisc, Tag) VALUES (5, 1, 0, 'X2', 2, 5.70, 5.10, 11.40, 0, 1.14, 'DR')"));
    ASSERT_TRUE(lines.LoadForInvoice(5));
    const TLineitemItem *zeroRated = lines.Items(0);
    EXPECT_EQ(zeroRated->VatRate(), 0);
    EXPECT_EQ(zeroRated->VatExcl(), Money("10.00")) << "taken at the line's own rate";
    EXPECT_EQ(zeroRated->LineDiscExcl(), Money("1.00"));
    EXPECT_EQ(zeroRated->LineTotal(), Money("9.00")) << "the stored total";
    EXPECT_TRUE(zeroRated->Tagged());
    const TLineitemItem *stored = lines.Items(1);
    EXPECT_EQ(stored->VatExcl(), Money("5.10")) << "the stored price without VAT";
    EXPECT_EQ(stored->LineTotalExcl(), Money("10.20"));
    EXPECT_EQ(stored->InvDiscExcl(), Money("1.00"));
    EXPECT_EQ(stored->ParentLineNum, 0);
    EXPECT_EQ(lines.TaggedTotal(), Money("9.00"));
    EXPECT_EQ(lines.LinesInvDisc(), Money("1.14"));
}

TEST_P(LineitemsDb, UpdateInsertsWithTheSuitesBlanksAndNulls)
{
    TLineitemItem *main = lines.Add();
    main->InvoiceNum = 42;
    main->Code = QStringLiteral("P01'; DROP TABLE LineItem; --");
    main->ItemDesc = QStringLiteral("Margherita");
    main->SetQuantity(2);
    main->SetPrice(Money("79.90"));
    main->Status = QStringLiteral("C");
    TLineitemItem *child = lines.Add();
    child->InvoiceNum = 42;
    child->Status = QStringLiteral("  ");
    child->SetParentLine(main);
    EXPECT_EQ(lines.UpdateAll(), 2);
    EXPECT_EQ(lines.NewCount(), 0);
    EXPECT_EQ(lines.UpdateAll(), 0);

    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT * FROM LineItem WHERE InvoiceNum = 42 ORDER BY LineNum"));
    q.Open();
    ASSERT_EQ(q.RecordCount(), 2);
    EXPECT_EQ(q.FieldByName(QStringLiteral("Code")).AsString(), main->Code);
    EXPECT_EQ(q.FieldByName(QStringLiteral("LineTotal")).AsCurrency(), Money("159.80"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("Tag")).AsString(), QStringLiteral("N"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("Status")).AsString(), QStringLiteral("C"));
    EXPECT_EQ(q.FieldByName(QStringLiteral("ParentLineNum")).AsInteger(), -1);
    EXPECT_EQ(q.FieldByName(QStringLiteral("fkPicklistsID")).AsInteger(), -1);
    q.Next();
    EXPECT_EQ(q.FieldByName(QStringLiteral("LineNum")).AsInteger(), 1);
    EXPECT_EQ(q.FieldByName(QStringLiteral("ParentLineNum")).AsInteger(), 0);
    for (const char *blank : {"Code", "ItemDesc", "Size"})
        EXPECT_EQ(q.FieldByName(QLatin1String(blank)).AsString(), NulString()) << blank;
    EXPECT_TRUE(q.FieldByName(QStringLiteral("Status")).IsNull());

    TLineitem reread;
    reread.SetAdoConnection(&con);
    ASSERT_TRUE(reread.LoadForInvoice(42));
    EXPECT_TRUE(reread.Items(1)->Code.isEmpty()) << "the one-NUL text reads as empty";
    EXPECT_EQ(reread.CountDescribed(), 1);
    EXPECT_EQ(reread.Items(0)->Delete(), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM LineItem")), 2) << "lines are never deleted";
}
