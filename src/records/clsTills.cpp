#include "clsTills.h"

using namespace RecordColumns;

const TColumn<TTillsItem> TTillsItem::Columns[] = {
    {"Computer Name", &TTillsItem::m_computerName},
    {"HD Serial", &TTillsItem::m_hdSerial},
    {"Login Name", &TTillsItem::m_loginName},
    {"TillID", &TTillsItem::m_tillID, 0, -1},
    {"TillsID", &TTillsItem::m_tillsID, Key, -1},
};

TTillsItem::TTillsItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

void TTillsItem::ResetFields()
{
    TColumnRecord::ResetFields();
    m_computerName = m_hdSerial = m_loginName = NulString();
}

void TTillsItem::SetText(QString &field, const QString &value)
{
    if (field == value)
        return;
    field = NulIfBlank(value);
    SetModified(true);
}

void TTillsItem::Clone(const TRootCollectionItem &source)
{
    TRecordItem::Clone(source);
    if (auto *s = dynamic_cast<const TTillsItem *>(&source)) {
        SetComputerName(s->m_computerName);
        SetHDSerial(s->m_hdSerial);
        SetLoginName(s->m_loginName);
        SetTillID(s->m_tillID);
        SetTillsID(s->m_tillsID);
    }
    SetModified(true);
}

void TTillsItem::Loaded(TAdoQuery &)
{
    for (QString *text : {&m_computerName, &m_hdSerial, &m_loginName})
        *text = NulIfBlank(*text);
    SetModified(false);
}

bool TTillsItem::LoadByTillID(int tillNumber)
{
    return LoadWhere({QStringLiteral("SELECT * FROM Tills WHERE TillID = :TillID")}, {{"TillID", tillNumber}});
}

int TTillsItem::Update()
{
    return InsertOrUpdate(m_tillsID < 1,
        QStringLiteral("INSERT INTO Tills ([Computer Name], [HD Serial], [Login Name], TillID) "
                       "VALUES (:ComputerName, :HDSerial, :LoginName, :TillID) SELECT :IDField = @@Identity"),
        QStringLiteral("UPDATE Tills SET [Computer Name] = :ComputerName, [HD Serial] = :HDSerial, [Login Name] = :LoginName, "
                       "TillID = :TillID WHERE TillsID = :TillsID"),
        m_tillsID, TReadBack::WhenWritten);
}
