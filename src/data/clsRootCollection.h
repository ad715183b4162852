#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class TRootCollection;

// An item that keeps its own change flags and, when it belongs to a collection, keeps
// that collection's counters and tagged list in step with them.
class TRootCollectionItem {
public:
    explicit TRootCollectionItem(TRootCollection *collection = nullptr);
    virtual ~TRootCollectionItem();
    TRootCollectionItem(const TRootCollectionItem &) = delete;
    TRootCollectionItem &operator=(const TRootCollectionItem &) = delete;

    virtual QString ClassName() const { return QStringLiteral("TRootCollectionItem"); }
    virtual QString GetDisplayString() const;
    virtual void Clear();
    virtual void SetModified(bool value);
    virtual void SetIsNew(bool value);
    virtual void SetTagged(bool value);
    virtual void Clone(const TRootCollectionItem &source);
    virtual void ResetFlags();

    bool Modified() const { return m_modified; }
    bool IsNew() const { return m_isNew; }
    bool Tagged() const { return m_tagged; }
    int Tag = 0;

    TRootCollection *Collection() const { return m_collection; }
    int Index() const;  // -1 when standalone

private:
    friend class TRootCollection;
    TRootCollection *m_collection;
    bool m_modified = false;
    bool m_isNew = false;
    bool m_tagged = false;
};

// An ordered list that owns items of one class, created through its factory.
class TRootCollection {
public:
    using ItemFactory = std::function<std::unique_ptr<TRootCollectionItem>(TRootCollection *)>;

    explicit TRootCollection(ItemFactory itemClass);
    virtual ~TRootCollection();
    TRootCollection(const TRootCollection &) = delete;
    TRootCollection &operator=(const TRootCollection &) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    TRootCollectionItem *Item(int index) const { return m_items.at(static_cast<size_t>(index)).get(); }
    int IndexOf(const TRootCollectionItem *item) const;
    bool HasItemClass() const { return static_cast<bool>(m_itemClass); }

    virtual TRootCollectionItem *Add();
    virtual TRootCollectionItem *InsertAt(int index);
    void RemoveAt(int index);  // destroys the item; no SQL
    // Moves an item to another position, in memory only: flags and tags stay as they are.
    void Move(int from, int to);
    virtual void InsertCopy(const TRootCollectionItem &source);
    virtual void AppendCopies(const TRootCollection &other);
    virtual void ResetFlags();
    virtual void Clear();       // removes and destroys every item; no SQL
    virtual void ClearItems();  // Clear on every item; the items stay
    void MarkModifiedFrom(int index);

    int ModifiedCount() const { return m_modifiedCount; }
    int NewCount() const { return m_newCount; }
    const QList<TRootCollectionItem *> &TaggedItems() const { return m_taggedItems; }

protected:
    // Creates an item and places it, before the caller sets its flags.
    TRootCollectionItem *CreateAt(int index);

private:
    friend class TRootCollectionItem;
    ItemFactory m_itemClass;
    std::vector<std::unique_ptr<TRootCollectionItem>> m_items;
    int m_modifiedCount = 0;
    int m_newCount = 0;
    QList<TRootCollectionItem *> m_taggedItems;
};
