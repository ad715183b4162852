#pragma once

#include "clsDepartments.h"

// A department enabled or disabled on a till (table TillsLinkDepartments). fkTillsID
// holds the till number TillID, not the Tills row key.
class TTillsLinkDepartmentItem : public TColumnRecord<TTillsLinkDepartmentItem> {
public:
    explicit TTillsLinkDepartmentItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TTillsLinkDepartmentItem"); }

    void Clone(const TRootCollectionItem &source) override;
    void SetAdoConnection(TAdoConnection *connection) override;
    int Update() override;

    // The linked department; its Code is the link's department key.
    TDepartmentsItem &Department() { return m_department; }
    const TDepartmentsItem &Department() const { return m_department; }
    int fkTillsID() const { return m_fkTillsID; }
    int TillsLinkDepartmentID() const { return m_tillsLinkDepartmentID; }  // 0: not stored
    bool Active() const { return m_active; }
    void SetfkTillsID(int value) { Assign(m_fkTillsID, value); }
    void SetTillsLinkDepartmentID(int value) { Assign(m_tillsLinkDepartmentID, value); }
    void SetActive(bool value) { Assign(m_active, value); }

protected:
    void ResetFields() override;
    // The link's row was read: its department is loaded by code.
    void Loaded(TAdoQuery &dataset) override;

private:
    TDepartmentsItem m_department;
    int m_fkTillsID;
    int m_tillsLinkDepartmentID;
    bool m_active;

    static const RecordColumns::TColumn<TTillsLinkDepartmentItem> Columns[];
};

class TTillsLinkDepartment : public TCollectionDBOf<TTillsLinkDepartmentItem> {
public:
    // The links of the till with that number; returns how many were read.
    virtual int LoadForTill(int tillNumber);
    // Saves every link that is new or changed; returns the rows written.
    virtual int SaveAll();
};
