#include "clsTillsLinkPrinters.h"

#include "app/modMsgDlgs.h"

using namespace RecordColumns;

// ---- TTillsLinkPrintersItem

const TColumn<TTillsLinkPrintersItem> TTillsLinkPrintersItem::Columns[] = {
    {"Copies", &TTillsLinkPrintersItem::m_copies, 0, 1},
    {"Device", &TTillsLinkPrintersItem::m_device, Trim | NulWhenBlank},
    {"DirectToPort", &TTillsLinkPrintersItem::m_directToPort},
    {"fkPrintersID", &TTillsLinkPrintersItem::m_fkPrintersID, 0, -1},
    {"fkTillsID", &TTillsLinkPrintersItem::m_fkTillsID, 0, -1},
    {"ReportFileName", &TTillsLinkPrintersItem::m_reportFileName, Trim},
    {"TillsLinkPrintersID", &TTillsLinkPrintersItem::m_tillsLinkPrintersID, Key, -1},
    {"PrintKitchenTotals", &TTillsLinkPrintersItem::m_printKitchenTotals},
    {"PrintLinePrices", &TTillsLinkPrintersItem::m_printLinePrices},
};

TTillsLinkPrintersItem::TTillsLinkPrintersItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

void TTillsLinkPrintersItem::Clone(const TRootCollectionItem &)
{
    ShowInformation(QStringLiteral("TTillsLinkPrintersItem.Clone not implemented"));
}

void TTillsLinkPrintersItem::SetPrintKitchenTotals(bool value)
{
    m_printKitchenTotals = value;
    SetModified(true);
}

void TTillsLinkPrintersItem::SetPrintLinePrices(bool value)
{
    m_printLinePrices = value;
    SetModified(true);
}

bool TTillsLinkPrintersItem::LoadByID(int tillsLinkPrintersID)
{
    return LoadWhere({QStringLiteral("SELECT * FROM TillsLinkPrinters"), QStringLiteral("WHERE TillsLinkPrintersID = :TillsLinkPrintersID")},
                     {{"TillsLinkPrintersID", tillsLinkPrintersID}});
}

int TTillsLinkPrintersItem::Delete()
{
    int rows = 0;
    if (m_tillsLinkPrintersID >= 1) {
        rows = DeleteWhere(QStringLiteral("DELETE FROM TillsLinkPrinters WHERE TillsLinkPrintersID = :TillsLinkPrintersID"),
                           "TillsLinkPrintersID", m_tillsLinkPrintersID);
    }
    // A standalone link belongs to whoever made it; only a collection's item can go away here.
    if (TRootCollection *owner = Collection())
        owner->RemoveAt(Index());  // destroys this item
    return rows;
}

int TTillsLinkPrintersItem::Update()
{
    return InsertOrUpdate(m_tillsLinkPrintersID < 1,
        QStringLiteral("INSERT INTO TillsLinkPrinters (Copies,Device,DirectToPort,fkPrintersID,fkTillsID,ReportFileName,PrintLinePrices,PrintKitchenTotals) "
                       "VALUES (:Copies,:Device,:DirectToPort,:fkPrintersID,:fkTillsID,:ReportFileName,:PrintLinePrices,:PrintKitchenTotals) "
                       "SELECT :IDField = @@Identity"),
        QStringLiteral("UPDATE TillsLinkPrinters SET Copies = :Copies, Device = :Device, DirectToPort = :DirectToPort, fkPrintersID = :fkPrintersID, "
                       "fkTillsID = :fkTillsID, ReportFileName = :ReportFileName, PrintLinePrices = :PrintLinePrices, "
                       "PrintKitchenTotals = :PrintKitchenTotals WHERE TillsLinkPrintersID = :TillsLinkPrintersID"),
        m_tillsLinkPrintersID, TReadBack::Always);
}

// ---- TTillsLinkPrinters

TTillsLinkPrinters::TTillsLinkPrinters()
    : TCollectionDB([](TRootCollection *c) { return std::make_unique<TTillsLinkPrintersItem>(c); })
{
}

TTillsLinkPrinters::TTillsLinkPrinters(ItemFactory itemClass) : TCollectionDB(std::move(itemClass)) {}

int TTillsLinkPrinters::LoadAll()
{
    return PopulateWhere(*this, {QStringLiteral("SELECT * FROM TillsLinkPrinters"), QStringLiteral("ORDER BY fkTillsID ASC, fkPrintersID ASC")});
}

int TTillsLinkPrinters::LoadForTill(int tillNumber)
{
    return PopulateWhere(*this, {QStringLiteral("SELECT TillsLinkPrinters.* FROM TillsLinkPrinters JOIN Tills ON"), QStringLiteral("fkTillsID = TillsID"),
                                 QStringLiteral("WHERE Tills.TillID = :TillID")},
                         {{"TillID", tillNumber}});
}

int TTillsLinkPrinters::IndexOfPrinter(int printersID) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->fkPrintersID() == printersID)
            return i;
    return -1;
}

int TTillsLinkPrinters::DeleteLinksOfPrinter(int printersID)
{
    AdoCommand.SetCommandText(QStringLiteral("DELETE FROM TillsLinkPrinters WHERE fkPrintersID = :fkPrintersID"));
    AdoCommand.ParamByName(QStringLiteral("fkPrintersID")).SetInteger(printersID);
    return ExecuteCommand();
}

int TTillsLinkPrinters::DeleteAll()
{
    int rows = 0;
    for (int i = Count() - 1; i >= 0; --i)  // each link removes itself
        rows += Items(i)->Delete();
    return rows;
}
