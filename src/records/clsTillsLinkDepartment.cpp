#include "clsTillsLinkDepartment.h"

#include "app/modMsgDlgs.h"

using namespace RecordColumns;

const TColumn<TTillsLinkDepartmentItem> TTillsLinkDepartmentItem::Columns[] = {
    {"TillsLinkDepartmentID", &TTillsLinkDepartmentItem::m_tillsLinkDepartmentID, Key, 0},
    {"Active", &TTillsLinkDepartmentItem::m_active},
    {"fkTillsID", &TTillsLinkDepartmentItem::m_fkTillsID, 0, -1},
};

TTillsLinkDepartmentItem::TTillsLinkDepartmentItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

void TTillsLinkDepartmentItem::ResetFields()
{
    TColumnRecord::ResetFields();
    m_department.Clear();
}

void TTillsLinkDepartmentItem::Clone(const TRootCollectionItem &)
{
    ShowInformation(QStringLiteral("TTillsLinkDepartmentItem.Clone not implemented"));
}

void TTillsLinkDepartmentItem::SetAdoConnection(TAdoConnection *connection)
{
    TRecordItem::SetAdoConnection(connection);
    m_department.SetAdoConnection(connection);
}

void TTillsLinkDepartmentItem::Loaded(TAdoQuery &dataset)
{
    m_department.LoadByCode(dataset.FieldByName(QStringLiteral("fkDepartmentID")).AsString());
}

int TTillsLinkDepartmentItem::Update()
{
    return InsertOrUpdate(m_tillsLinkDepartmentID == 0,
        QStringLiteral("INSERT INTO TillsLinkDepartments (Active,fkTillsID,fkDepartmentID) VALUES (:Active,:fkTillsID,:fkDepartmentID) "
                       "SELECT :TillsLinkDepartmentID = @@Identity"),
        QStringLiteral("UPDATE TillsLinkDepartments SET Active=:Active,fkTillsID=:fkTillsID,fkDepartmentID=:fkDepartmentID "
                       "WHERE TillsLinkDepartmentID=:TillsLinkDepartmentID"),
        m_tillsLinkDepartmentID, TReadBack::Always, "TillsLinkDepartmentID", [this](TAdoCommand &command) {
            SetIntegerText(command.ParamByName(QStringLiteral("fkDepartmentID")), m_department.Code());
        });
}

// ---- TTillsLinkDepartment

int TTillsLinkDepartment::LoadForTill(int tillNumber)
{
    const int read = PopulateWhere(*this, {QStringLiteral("SELECT * FROM [TillsLinkDepartments] WHERE [fkTillsID] = :fkTillsID")},
                                   {{"fkTillsID", tillNumber}});
    AdoQuery.Close();
    return read;
}

int TTillsLinkDepartment::SaveAll()
{
    int rows = 0;
    for (int i = 0; i < Count(); ++i)
        rows += Items(i)->Update();
    return rows;
}
