#include "clsRootCollection.h"

#include "app/clsEVxException.h"

#include <algorithm>

// ---- TRootCollectionItem

TRootCollectionItem::TRootCollectionItem(TRootCollection *collection) : m_collection(collection)
{
    SetIsNew(true);
}

TRootCollectionItem::~TRootCollectionItem()
{
    if (!m_collection)
        return;
    if (m_modified)
        --m_collection->m_modifiedCount;
    if (m_isNew)
        --m_collection->m_newCount;
    m_collection->m_taggedItems.removeAll(this);
}

QString TRootCollectionItem::GetDisplayString() const
{
    return ClassName() + QStringLiteral(".GetDisplayString not overridden");
}

void TRootCollectionItem::Clear()
{
    SetModified(false);
    SetTagged(false);
}

void TRootCollectionItem::SetModified(bool value)
{
    if (value == m_modified)
        return;
    m_modified = value;
    if (m_collection)
        m_collection->m_modifiedCount += value ? 1 : -1;
}

void TRootCollectionItem::SetIsNew(bool value)
{
    if (value == m_isNew)
        return;
    m_isNew = value;
    if (m_collection)
        m_collection->m_newCount += value ? 1 : -1;
}

void TRootCollectionItem::SetTagged(bool value)
{
    if (value == m_tagged)
        return;
    m_tagged = value;
    if (!m_collection)
        return;
    if (value)
        m_collection->m_taggedItems.append(this);
    else
        m_collection->m_taggedItems.removeAll(this);
}

void TRootCollectionItem::Clone(const TRootCollectionItem &source)
{
    SetModified(source.m_modified);
    SetIsNew(source.m_isNew);
    SetTagged(source.m_tagged);
    Tag = source.Tag;
}

void TRootCollectionItem::ResetFlags()
{
    SetTagged(false);
    SetModified(false);
    SetIsNew(false);
}

int TRootCollectionItem::Index() const
{
    return m_collection ? m_collection->IndexOf(this) : -1;
}

// ---- TRootCollection

TRootCollection::TRootCollection(ItemFactory itemClass) : m_itemClass(std::move(itemClass)) {}

TRootCollection::~TRootCollection()
{
    TRootCollection::Clear();
}

int TRootCollection::IndexOf(const TRootCollectionItem *item) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TRootCollectionItem *TRootCollection::CreateAt(int index)
{
    if (!m_itemClass)
        throw EVxException(QStringLiteral("An instance of TCollection has been instantiated without it's ItemClass set"), QStringLiteral("TRootCollection.Add"));
    index = std::clamp(index, 0, Count());
    auto item = m_itemClass(this);
    TRootCollectionItem *raw = item.get();
    m_items.insert(m_items.begin() + index, std::move(item));
    return raw;
}

TRootCollectionItem *TRootCollection::Add()
{
    return InsertAt(Count());
}

TRootCollectionItem *TRootCollection::InsertAt(int index)
{
    TRootCollectionItem *item = CreateAt(index);
    item->SetIsNew(true);
    item->SetModified(false);
    return item;
}

void TRootCollection::RemoveAt(int index)
{
    Item(index)->ResetFlags();
    m_items.erase(m_items.begin() + index);
}

void TRootCollection::Move(int from, int to)
{
    const auto item = m_items.begin() + from, target = m_items.begin() + to;
    if (from > to)
        std::rotate(target, item, item + 1);
    else
        std::rotate(item, item + 1, target + 1);
}

void TRootCollection::InsertCopy(const TRootCollectionItem &source)
{
    if (m_taggedItems.isEmpty()) {
        Add()->Clone(source);
        return;
    }
    const QList<TRootCollectionItem *> tagged = m_taggedItems;  // copies change the list
    for (TRootCollectionItem *target : tagged)
        InsertAt(IndexOf(target))->Clone(source);
}

void TRootCollection::AppendCopies(const TRootCollection &other)
{
    if (&other == this)
        return;
    for (int i = 0; i < other.Count(); ++i)
        Add()->Clone(*other.Item(i));
}

void TRootCollection::ResetFlags()
{
    for (auto &item : m_items) {
        item->m_modified = false;
        item->m_isNew = false;
        item->m_tagged = false;
    }
    m_modifiedCount = 0;
    m_newCount = 0;
    m_taggedItems.clear();
}

void TRootCollection::Clear()
{
    ResetFlags();
    m_items.clear();
}

void TRootCollection::ClearItems()
{
    for (auto &item : m_items)
        item->Clear();
}

void TRootCollection::MarkModifiedFrom(int index)
{
    for (int i = std::max(index, 0); i < Count(); ++i)
        Item(i)->SetModified(true);
}
