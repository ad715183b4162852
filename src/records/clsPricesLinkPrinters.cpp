#include "clsPricesLinkPrinters.h"

#include "app/clsEVxException.h"

using namespace RecordColumns;

const TColumn<TPricesLinkPrintersItem> TPricesLinkPrintersItem::Columns[] = {
    {"fkPricesID", &TPricesLinkPrintersItem::m_fkPricesID, 0, -1},
    {"fkPrintersID", &TPricesLinkPrintersItem::m_fkPrintersID, 0, -1},
    {"PricesLinkPrintersID", &TPricesLinkPrintersItem::m_pricesLinkPrintersID, Key, -1},
};

TPricesLinkPrintersItem::TPricesLinkPrintersItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

bool TPricesLinkPrintersItem::LoadByID(int pricesLinkPrintersID)
{
    return LoadWhere({QStringLiteral("SELECT * FROM PricesLinkPrinters"), QStringLiteral("WHERE PricesLinkPrintersID = :PricesLinkPrintersID")},
                     {{"PricesLinkPrintersID", pricesLinkPrintersID}});
}

int TPricesLinkPrintersItem::Delete()
{
    if (m_pricesLinkPrintersID <= 0)
        throw EVxException(QStringLiteral("Cannot delete when the TPricesLinkPrintersID.PricesLinkPrintersID has not been set"),
                           QStringLiteral("TPricesLinkPrintersItem.Delete"));
    return DeleteWhere(QStringLiteral("DELETE FROM PricesLinkPrinters WHERE PricesLinkPrintersID = :PricesLinkPrintersID"),
                       "PricesLinkPrintersID", m_pricesLinkPrintersID);
}

int TPricesLinkPrintersItem::Update()
{
    return InsertOrUpdate(m_pricesLinkPrintersID < 1,
        QStringLiteral("INSERT INTO PricesLinkPrinters (fkPricesID, fkPrintersID) VALUES (:fkPricesID, :fkPrintersID) SELECT :IDField = @@Identity"),
        QStringLiteral("UPDATE PricesLinkPrinters SET fkPricesID = :fkPricesID, fkPrintersID = :fkPrintersID WHERE PricesLinkPrintersID = :PricesLinkPrintersID"),
        m_pricesLinkPrintersID, TReadBack::Always);
}

// ---- TPricesLinkPrinters

int TPricesLinkPrinters::LoadAll()
{
    return PopulateWhere(*this, {QStringLiteral("SELECT * FROM PricesLinkPrinters"), QStringLiteral("ORDER BY fkPricesID ASC, fkPrintersID ASC")});
}

int TPricesLinkPrinters::LoadForInvoice(int invoiceNum)
{
    PrepareQuery(AdoQuery,
                 {QStringLiteral("SELECT DISTINCT PricesLinkPrinters.* FROM PricesLinkPrinters JOIN"),
                  QStringLiteral("Prices ON PricesLinkPrinters.fkPricesID = Prices.Recipe JOIN"),
                  QStringLiteral("Lineitem ON Lineitem.Code = Prices.Code JOIN"),
                  QStringLiteral("Invoices ON Invoices.InvoiceNum = Lineitem.InvoiceNum"),
                  QStringLiteral("WHERE Invoices.InvoiceNum = :InvoiceNum")},
                 {{"InvoiceNum", invoiceNum}});
    AdoQuery.Open();
    if (AdoQuery.IsEmpty())
        return 0;
    return Populate(&AdoQuery);
}
