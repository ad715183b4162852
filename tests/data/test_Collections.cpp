#include "app/clsEVxException.h"
#include "data/clsCollectionDB.h"
#include "support/EngineFixture.h"

namespace {

QStringList Strs(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *t : texts)
        list << QString::fromLatin1(t);
    return list;
}

// A small record over Printers, written the way every record class of the program is.
class TPrinterRecord : public TCollectionDBItem {
public:
    using TCollectionDBItem::TCollectionDBItem;
    QString ClassName() const override { return QStringLiteral("TPrinterRecord"); }
    qlonglong Id = 0;
    QString Name;
    int Position = 0;  // stored in PageLength, rewritten when an item moves

    void SetName(const QString &name)
    {
        if (name == Name)
            return;
        Name = name;
        SetModified(true);
    }
    void Clear() override
    {
        TCollectionDBItem::Clear();
        Id = 0;
        Name.clear();
        Position = 0;
    }
    void Clone(const TRootCollectionItem &source) override
    {
        TCollectionDBItem::Clone(source);
        const auto &s = static_cast<const TPrinterRecord &>(source);
        Id = s.Id;
        Name = s.Name;
    }
    bool Populate(TAdoQuery *q) override
    {
        if (!TCollectionDBItem::Populate(q))
            return false;
        Id = q->FieldByName(QStringLiteral("PrintersID")).AsInteger();
        Name = q->FieldByName(QStringLiteral("Name")).AsString();
        Position = static_cast<int>(q->FieldByName(QStringLiteral("PageLength")).AsInteger());
        return true;
    }
    int Update() override
    {
        if (!Modified() && !IsNew())
            return 0;
        const bool insert = Id == 0;
        Position = Index();
        AdoCommand.SetCommandText(insert ? QStringLiteral("INSERT INTO Printers (Name, PageLength) VALUES (:Name, :Pos) SELECT :IDField = @@Identity")
                                         : QStringLiteral("UPDATE Printers SET Name = :Name, PageLength = :Pos WHERE PrintersID = :IDField"));
        AdoCommand.ParamByName(QStringLiteral("Name")).SetString(Name);
        AdoCommand.ParamByName(QStringLiteral("Pos")).SetInteger(Position);
        TParameter &id = AdoCommand.ParamByName(QStringLiteral("IDField"));
        id.SetInteger(Id);
        id.Direction = insert ? TParamDirection::Output : TParamDirection::Input;
        const int rows = TCollectionDBItem::Update();
        if (insert && rows > 0)
            Id = id.Value.toLongLong();
        return rows;
    }
    int Delete() override
    {
        AdoCommand.SetCommandText(QStringLiteral("DELETE FROM Printers WHERE PrintersID = :Id"));
        AdoCommand.ParamByName(QStringLiteral("Id")).SetInteger(Id);
        return TCollectionDBItem::Delete();
    }
};

using TPrinterRecords = TCollectionDBOf<TPrinterRecord>;

class Collections : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        list.SetAdoConnection(&con);
        other.SetAdoConnection(&con);
    }
    TPrinterRecord *AddNamed(TPrinterRecords &to, const char *name)
    {
        TPrinterRecord *p = to.Add();
        p->SetName(QString::fromLatin1(name));
        return p;
    }
    int Load(TPrinterRecords &into, const char *where = "1=1")
    {
        return into.PopulateSQL({QStringLiteral("SELECT * FROM Printers WHERE ") + QString::fromLatin1(where) + QStringLiteral(" ORDER BY PageLength, PrintersID")});
    }
    QStringList Names(const TPrinterRecords &l)
    {
        QStringList names;
        for (int i = 0; i < l.Count(); ++i)
            names << l.Items(i)->Name;
        return names;
    }
    TPrinterRecords list, other;
};
TRELVO_ENGINE_TEST_SUITE(Collections);

} // namespace

TEST(RootCollection, FlagsKeepTheCountersAndTheTaggedListInStep)
{
    TCollectionDBOf<TPrinterRecord> list;
    TPrinterRecord *a = list.Add();
    TPrinterRecord *b = list.Add();
    EXPECT_EQ(list.NewCount(), 2);
    EXPECT_EQ(list.ModifiedCount(), 0);
    a->SetModified(true);
    a->SetModified(true);
    EXPECT_EQ(list.ModifiedCount(), 1);
    b->SetTagged(true);
    a->SetTagged(true);
    b->SetTagged(true);
    EXPECT_EQ(list.TaggedItems(), (QList<TRootCollectionItem *>{b, a}));
    a->ResetFlags();
    EXPECT_EQ(list.ModifiedCount(), 0);
    EXPECT_EQ(list.NewCount(), 1);
    EXPECT_EQ(list.TaggedItems(), (QList<TRootCollectionItem *>{b}));
    list.RemoveAt(1);  // b withdraws from every count
    EXPECT_EQ(list.NewCount(), 0);
    EXPECT_TRUE(list.TaggedItems().isEmpty());

    // Clear of an item: not new, not modified, empty.
    a->SetName(QStringLiteral("x"));
    a->Clear();
    EXPECT_FALSE(a->Modified() || a->IsNew() || a->Tagged());
    EXPECT_TRUE(a->Empty());
    EXPECT_EQ(a->GetDisplayString(), QStringLiteral("TPrinterRecord.GetDisplayString not overridden"));
}

TEST(RootCollection, InsertCopyStandsACopyBeforeEachTaggedItem)
{
    TCollectionDBOf<TPrinterRecord> list;
    for (const char *n : {"a", "b", "c"})
        list.Add()->Name = QString::fromLatin1(n);
    TPrinterRecord source;
    source.Name = QStringLiteral("new");
    list.InsertCopy(source);  // nothing tagged: appended
    list.Items(0)->SetTagged(true);
    list.Items(2)->SetTagged(true);
    list.InsertCopy(source);
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i)->Name;
    EXPECT_EQ(names, Strs({"new", "a", "b", "new", "c", "new"}));
}

TEST(RootCollection, MoveReordersTheItemsThemselves)
{
    const struct {
        int from, to;
        const char *order;
    } cases[] = {{3, 0, "dabc"}, {0, 3, "bcda"}, {1, 2, "acbd"}, {2, 2, "abcd"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.order);
        TCollectionDBOf<TPrinterRecord> list;
        for (const char *n : {"a", "b", "c", "d"})
            list.Add()->Name = QString::fromLatin1(n);
        list.ResetFlags();
        const TPrinterRecord *moved = list.Items(c.from);
        list.Move(c.from, c.to);
        QString order;
        for (int i = 0; i < list.Count(); ++i)
            order += list.Items(i)->Name;
        EXPECT_EQ(order, QString::fromLatin1(c.order));
        EXPECT_EQ(list.Items(c.to), moved) << "the same item, not a copy";
        EXPECT_EQ(list.ModifiedCount() + list.NewCount(), 0) << "nothing to save";
    }
}

TEST(RootCollection, PopulateRefusesAMissingDatasetOrItemClass)
{
    TCollectionDBOf<TPrinterRecord> list;
    list.Add();
    try {
        list.Populate(nullptr);
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot call TCollectionDB.Populate with a nil DataSet parameter"));
    }
    EXPECT_EQ(list.Count(), 1);  // left as it was
    TCollectionDB classless{TRootCollection::ItemFactory()};
    TAdoQuery q;
    EXPECT_THROW(classless.Populate(&q), EVxException);
    TCollectionDB unconnected{[](TRootCollection *c) { return std::make_unique<TPrinterRecord>(c); }};
    EXPECT_EQ(unconnected.ExecuteCommand(), 0);
    unconnected.AdoCommand.SetCommandText(QStringLiteral("DELETE FROM Printers"));
    try {
        unconnected.ExecuteCommand();
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot execute a TCollectionDB.AdoCommand query without setting TCollectionDB.AdoConnection"));
    }
}

TEST_P(Collections, InsertReadsBackTheIdentityAndAnUnchangedListSendsNothing)
{
    AddNamed(list, "Kitchen");
    AddNamed(list, "Counter");
    EXPECT_EQ(list.UpdateAll(), 2);
    EXPECT_GT(list.Items(0)->Id, 0);
    EXPECT_EQ(list.Items(1)->Id, list.Items(0)->Id + 1);

    EXPECT_EQ(Load(other), 2);
    EXPECT_EQ(other.NewCount(), 0);
    CountStatements();
    other.Items(0)->SetName(QStringLiteral("Kitchen"));  // same value: not a change
    EXPECT_EQ(other.UpdateAll(), 0);
    EXPECT_EQ(StatementsSent(), 0);

    other.Items(1)->SetName(QStringLiteral("Bar"));
    EXPECT_EQ(other.UpdateAll(), 1);
    EXPECT_EQ(StatementsSent(), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Printers WHERE Name = 'Bar'")), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Printers")), 2);

    EXPECT_EQ(Load(other, "1=0"), 0);
    EXPECT_EQ(other.Count(), 0);
}

TEST_P(Collections, AFailedUpdateKeepsItsFlagsAndIsSentAgain)
{
    TPrinterRecord *p = AddNamed(list, "Kitchen");
    con.Exec(QStringLiteral("DROP TABLE Printers"));
    EXPECT_THROW(list.UpdateAll(), EDatabaseError);
    EXPECT_TRUE(p->IsNew());
    EXPECT_TRUE(p->Modified());
    EXPECT_EQ(list.NewCount(), 1);
    con.Exec(QStringLiteral("CREATE TABLE Printers (PrintersID INTEGER PRIMARY KEY ") +
             (GetParam() == TEngine::PostgreSQL ? QStringLiteral("GENERATED BY DEFAULT AS IDENTITY") : QStringLiteral("AUTOINCREMENT")) +
             QStringLiteral(", Name TEXT, PageLength INTEGER)"));
    EXPECT_EQ(list.UpdateAll(), 1);
    EXPECT_FALSE(p->IsNew() || p->Modified());
}

TEST_P(Collections, MoveItemSavesEveryItemWhosePlaceChanged)
{
    for (const char *n : {"a", "b", "c"})
        AddNamed(list, n);
    AddNamed(other, "x");
    list.UpdateAll();
    other.UpdateAll();

    TPrinterRecord *moved = static_cast<TPrinterRecord *>(list.MoveItem(list.Items(0), other, 99));  // beyond the end: appended
    EXPECT_EQ(Names(list), Strs({"b", "c"}));
    EXPECT_EQ(Names(other), Strs({"x", "a"}));
    EXPECT_EQ(moved, other.Items(1));
    EXPECT_EQ(list.ModifiedCount() + list.NewCount() + other.ModifiedCount() + other.NewCount(), 0);

    // The stored positions follow the lists: the moved copy is a new row.
    TPrinterRecords reloaded;
    reloaded.SetAdoConnection(&con);
    Load(reloaded);
    QStringList byPosition;
    for (int i = 0; i < reloaded.Count(); ++i)
        byPosition << QStringLiteral("%1@%2").arg(reloaded.Items(i)->Name).arg(reloaded.Items(i)->Position);
    EXPECT_EQ(byPosition, Strs({"b@0", "x@0", "a@1", "c@1"}));  // the copy keeps its key: the same row moved
}
