#pragma once

#include "RecordColumns.h"

// A production printer of a price item (table PricesLinkPrinters): the lines of that
// item are printed on it. fkPricesID holds the item's Prices.Recipe.
class TPricesLinkPrintersItem : public TColumnRecord<TPricesLinkPrintersItem> {
public:
    explicit TPricesLinkPrintersItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TPricesLinkPrintersItem"); }

    void Clone(const TRootCollectionItem &source) override { CloneColumns(source); }
    // Refuses a link that has no stored key.
    int Delete() override;
    int Update() override;
    virtual bool LoadByID(int pricesLinkPrintersID);

    int fkPricesID() const { return m_fkPricesID; }
    int fkPrintersID() const { return m_fkPrintersID; }
    int PricesLinkPrintersID() const { return m_pricesLinkPrintersID; }
    void SetfkPricesID(int value) { Assign(m_fkPricesID, value); }
    void SetfkPrintersID(int value) { Assign(m_fkPrintersID, value); }

private:
    int m_fkPricesID;
    int m_fkPrintersID;
    int m_pricesLinkPrintersID;

    static const RecordColumns::TColumn<TPricesLinkPrintersItem> Columns[];
};

class TPricesLinkPrinters : public TCollectionDBOf<TPricesLinkPrintersItem> {
public:
    virtual int LoadAll();
    // The links of every price item on the invoice, each once; an invoice with none
    // leaves the list as it was.
    virtual int LoadForInvoice(int invoiceNum);
};
