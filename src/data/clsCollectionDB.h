#pragma once

#include "AdoObjects.h"
#include "clsRootCollection.h"

// A table-backed record: its own command and query on the shared connection, and the
// virtual operations each record class fills with its columns and statements.
class TCollectionDBItem : public TRootCollectionItem {
public:
    explicit TCollectionDBItem(TRootCollection *collection = nullptr);

    QString ClassName() const override { return QStringLiteral("TCollectionDBItem"); }
    void Clear() override;
    void Clone(const TRootCollectionItem &source) override;
    // Reads the dataset's current row; false (and the item cleared) when it is empty.
    virtual bool Populate(TAdoQuery *dataset);
    virtual bool PopulateSQL(const QStringList &lines);
    virtual void SetAdoConnection(TAdoConnection *connection);
    virtual int Delete();
    virtual int Update();

    bool Empty() const { return m_empty; }
    void SetEmpty(bool value);  // true also clears the record
    TAdoConnection *AdoConnection() const { return m_connection; }

    TAdoCommand AdoCommand;
    TAdoQuery AdoQuery;

protected:
    // Loaders refuse to run without a connection: "<class>.AdoConnection property not set".
    void RequireConnection() const;
    // Opens AdoQuery on the statement (parameters already set) and populates from it.
    bool LoadFromQuery();

private:
    TAdoConnection *m_connection = nullptr;
    bool m_empty = true;
};

// A list of one record class with the list-wide loads and saves.
class TCollectionDB : public TRootCollection {
public:
    explicit TCollectionDB(ItemFactory itemClass);
    ~TCollectionDB() override;

    TCollectionDBItem *Item(int index) const { return static_cast<TCollectionDBItem *>(TRootCollection::Item(index)); }

    TRootCollectionItem *InsertAt(int index) override;
    virtual void SetAdoConnection(TAdoConnection *connection);
    TAdoConnection *AdoConnection() const { return m_connection; }
    virtual int Populate(TAdoQuery *dataset);
    virtual int PopulateSQL(const QStringList &lines);
    virtual int DeleteAll();
    virtual TCollectionDBItem *MoveItem(TCollectionDBItem *item, TCollectionDB &target, int position);
    virtual int UpdateAll();
    int ExecuteCommand();

    TAdoCommand AdoCommand;
    TAdoQuery AdoQuery;

private:
    TAdoConnection *m_connection = nullptr;
};

// A collection whose items are of one record class, reached with their own type.
template <class TItem>
class TCollectionDBOf : public TCollectionDB {
public:
    TCollectionDBOf() : TCollectionDB([](TRootCollection *c) { return std::make_unique<TItem>(c); }) {}
    TItem *Items(int index) const { return static_cast<TItem *>(TRootCollection::Item(index)); }
    TItem *Add() override { return static_cast<TItem *>(TCollectionDB::Add()); }
};
