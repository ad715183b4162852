#pragma once

#include "RecordColumns.h"

// A department of the shop (table Departments). Code is its key, the identity the row
// received, kept as text.
class TDepartmentsItem : public TColumnRecord<TDepartmentsItem> {
public:
    explicit TDepartmentsItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TDepartmentsItem"); }

    void Clone(const TRootCollectionItem &source) override { CloneColumns(source); }
    // Inserts while Code is empty, then holds the new key in Code.
    int Update() override;
    virtual bool LoadByDescription(const QString &description);
    virtual bool LoadByCode(const QString &code);

    const QString &Description() const { return m_description; }
    const QString &Code() const { return m_code; }
    void SetDescription(const QString &value) { Assign(m_description, value); }
    void SetCode(const QString &value) { Assign(m_code, value); }

protected:
    // Its description follows its place in the list: "New Department" and the index.
    void ResetFields() override;

private:
    friend class TDepartments;

    QString m_description;
    QString m_code;

    static const RecordColumns::TColumn<TDepartmentsItem> Columns[];
};

class TDepartments : public TCollectionDBOf<TDepartmentsItem> {
public:
    TRootCollectionItem *InsertAt(int index) override;
    virtual int LoadAll();
};
