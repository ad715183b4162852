#include "clsDepartments.h"

#include "app/modUtils.h"

using namespace RecordColumns;

const TColumn<TDepartmentsItem> TDepartmentsItem::Columns[] = {
    {"Description", &TDepartmentsItem::m_description, Trim | NulWhenBlank},
    {"Code", &TDepartmentsItem::m_code, Key | Trim | IntegerText},
};

TDepartmentsItem::TDepartmentsItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

void TDepartmentsItem::ResetFields()
{
    TColumnRecord::ResetFields();
    m_description = QStringLiteral("New Department") + QString::number(Index());
}

bool TDepartmentsItem::LoadByDescription(const QString &description)
{
    return LoadWhere({QStringLiteral("SELECT * FROM Departments WHERE Description = :Description")}, {{"Description", description}});
}

bool TDepartmentsItem::LoadByCode(const QString &code)
{
    RequireConnection();
    SetEmpty(true);
    PrepareQuery(AdoQuery, {QStringLiteral("SELECT * FROM Departments WHERE Code = :Code")}, {});
    SetIntegerText(AdoQuery.ParamByName(QStringLiteral("Code")), code);
    return LoadFromQuery();
}

int TDepartmentsItem::Update()
{
    const bool insert = TrimBlanks(m_code).isEmpty();
    int code = 0;
    const int rows = InsertOrUpdate(insert, QStringLiteral("INSERT INTO Departments (Description) VALUES (:Description) SELECT :IDField = @@Identity"),
                                    QStringLiteral("UPDATE Departments SET Description  = :Description WHERE Code = :Code"), code,
                                    TReadBack::WhenWritten);
    if (insert && rows > 0)
        m_code = QString::number(code);
    return rows;
}

// ---- TDepartments

TRootCollectionItem *TDepartments::InsertAt(int index)
{
    auto *item = static_cast<TDepartmentsItem *>(TCollectionDBOf::InsertAt(index));
    item->ResetFields();  // a new department is named after its place in the list
    return item;
}

int TDepartments::LoadAll()
{
    return PopulateWhere(*this, {QStringLiteral("SELECT * FROM Departments ORDER BY Description Asc")});
}
