#include "clsCollectionDB.h"

#include "app/clsEVxException.h"

// ---- TCollectionDBItem

TCollectionDBItem::TCollectionDBItem(TRootCollection *collection) : TRootCollectionItem(collection) {}

void TCollectionDBItem::Clear()
{
    TRootCollectionItem::Clear();
    Tag = 0;
    SetModified(false);
    SetIsNew(false);
    m_empty = true;
}

void TCollectionDBItem::Clone(const TRootCollectionItem &source)
{
    TRootCollectionItem::Clone(source);
    if (auto *db = dynamic_cast<const TCollectionDBItem *>(&source)) {
        m_empty = db->m_empty;
        SetAdoConnection(db->m_connection);
    }
}

void TCollectionDBItem::SetEmpty(bool value)
{
    m_empty = value;
    if (value)
        Clear();
}

bool TCollectionDBItem::Populate(TAdoQuery *dataset)
{
    const bool empty = !dataset || dataset->IsEmpty();
    SetEmpty(empty);
    return !empty;
}

bool TCollectionDBItem::PopulateSQL(const QStringList &lines)
{
    AdoQuery.Close();
    AdoQuery.SQL() = lines;
    AdoQuery.Open();
    return Populate(&AdoQuery);
}

void TCollectionDBItem::SetAdoConnection(TAdoConnection *connection)
{
    m_connection = connection;
    AdoQuery.SetConnection(connection);
    AdoCommand.SetConnection(connection);
}

int TCollectionDBItem::Delete()
{
    return AdoCommand.Execute();
}

int TCollectionDBItem::Update()
{
    if (!Modified() && !IsNew())
        return 0;
    const int rows = AdoCommand.Execute();  // a failure keeps the flags: the next Update retries
    ResetFlags();
    return rows;
}

void TCollectionDBItem::RequireConnection() const
{
    if (!m_connection)
        throw EVxException(ClassName() + QStringLiteral(".AdoConnection property not set"), ClassName());
}

bool TCollectionDBItem::LoadFromQuery()
{
    AdoQuery.Open();
    if (AdoQuery.IsEmpty())
        return false;
    return Populate(&AdoQuery);
}

// ---- TCollectionDB

TCollectionDB::TCollectionDB(ItemFactory itemClass) : TRootCollection(std::move(itemClass)) {}

TCollectionDB::~TCollectionDB()
{
    m_connection = nullptr;
    Clear();
}

TRootCollectionItem *TCollectionDB::InsertAt(int index)
{
    TRootCollectionItem *item = TRootCollection::InsertAt(index);
    static_cast<TCollectionDBItem *>(item)->SetAdoConnection(m_connection);
    return item;
}

void TCollectionDB::SetAdoConnection(TAdoConnection *connection)
{
    m_connection = connection;
    AdoQuery.SetConnection(connection);
    AdoCommand.SetConnection(connection);
    for (int i = 0; i < Count(); ++i)
        Item(i)->SetAdoConnection(connection);
}

int TCollectionDB::Populate(TAdoQuery *dataset)
{
    if (!HasItemClass())
        throw EVxException(QStringLiteral("An instance of TCollection has been instantiated without it's ItemClass set"), QStringLiteral("TCollectionDB.Populate"));
    if (!dataset)
        throw EVxException(QStringLiteral("Cannot call TCollectionDB.Populate with a nil DataSet parameter"), QStringLiteral("TCollectionDB.Populate"));
    Clear();
    if (dataset->IsEmpty())
        return 0;
    for (dataset->First(); !dataset->Eof(); dataset->Next()) {
        auto *item = static_cast<TCollectionDBItem *>(Add());
        item->Populate(dataset);
        item->SetIsNew(false);
    }
    dataset->Close();
    return Count();
}

int TCollectionDB::PopulateSQL(const QStringList &lines)
{
    AdoQuery.Close();
    AdoQuery.SQL() = lines;
    AdoQuery.Open();
    return Populate(&AdoQuery);
}

int TCollectionDB::DeleteAll()
{
    int rows = 0;
    for (int i = 0; i < Count(); ++i)
        rows += Item(i)->Delete();
    return rows;
}

int TCollectionDB::UpdateAll()
{
    if (ModifiedCount() == 0 && NewCount() == 0)
        return 0;
    int rows = 0;
    for (int i = 0; i < Count(); ++i)
        rows += Item(i)->Update();
    return rows;
}

int TCollectionDB::ExecuteCommand()
{
    if (AdoCommand.CommandText().isEmpty())
        return 0;
    if (!m_connection)
        throw EVxException(QStringLiteral("Cannot execute a TCollectionDB.AdoCommand query without setting TCollectionDB.AdoConnection"), QStringLiteral("TCollectionDB.ExecuteCommand"));
    return AdoCommand.Execute();
}

TCollectionDBItem *TCollectionDB::MoveItem(TCollectionDBItem *item, TCollectionDB &target, int position)
{
    if (position < 0 || position > target.Count())
        position = target.Count();
    auto *moved = static_cast<TCollectionDBItem *>(target.InsertAt(position));
    target.MarkModifiedFrom(position + 1);
    moved->Clone(*item);
    moved->SetIsNew(true);
    const int from = IndexOf(item);
    MarkModifiedFrom(from);
    RemoveAt(from);
    // Every item whose position changed is saved again, so a stored sequence follows.
    UpdateAll();
    if (&target != this)
        target.UpdateAll();
    return moved;
}
