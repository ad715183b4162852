#pragma once

#include "RecordColumns.h"
#include "cls_Printers.h"

namespace RecordColumns {
// Reads those of the columns that the dataset has; the others keep their values.
template <class TItem>
void ReadPresentColumns(TItem &item, const TAdoQuery &dataset, std::span<const TColumn<TItem>> columns)
{
    for (const TColumn<TItem> &c : columns)
        if (dataset.HasField(QLatin1String(c.name)))
            ReadColumns<TItem>(item, dataset, std::span<const TColumn<TItem>>(&c, 1));
}
} // namespace RecordColumns

class TLineitem;

// One sold line of an invoice with its price arithmetic. The amounts that its collection
// sums (line total, line discount, invoice discount share, tagged total) change only
// through the setters here, which keep those sums exact.
class TLineitemItem : public TColumnRecord<TLineitemItem> {
public:
    explicit TLineitemItem(TRootCollection *collection = nullptr);
    ~TLineitemItem() override;
    QString ClassName() const override { return QStringLiteral("TLineitemItem"); }

    void SetTagged(bool value) override;
    // A copy of every field, not tagged, its parent given by number only.
    void Clone(const TRootCollectionItem &source) override;
    // Lines are not deleted by this program: nothing is sent, 0 returned.
    int Delete() override;
    // Inserts the line (a stored line is never updated in place); no key is read back.
    int Update() override;

    double Quantity() const { return m_quantity; }
    Currency Price() const { return m_price; }
    Currency LineTotal() const { return m_lineTotal; }
    Currency LineDisc() const { return m_lineDisc; }
    Currency InvDisc() const { return m_invDisc; }
    Currency VatExcl() const { return m_vatExcl; }
    Currency LineTotalExcl() const { return m_lineTotalExcl; }
    Currency InvDiscExcl() const { return m_invDiscExcl; }
    Currency LineDiscExcl() const { return m_lineDiscExcl; }
    double VatRate() const { return m_vatRate; }
    const QString &Tag() const { return m_tag; }  // "N" new, "*" tagged, "DR" out of the tagged total
    bool NewItem() const { return m_newItem; }
    TLineitemItem *ParentLine() const { return m_parentLine; }

    void SetQuantity(double value);
    void SetPrice(Currency value);  // also the VAT-exclusive unit price
    void SetVatExcl(Currency value);
    void SetLineTotal(Currency value);
    // A line carries a line discount or a share of the invoice discount, never both: a
    // positive value of one sets the other to 0.
    void SetLineDisc(Currency value);
    void SetInvDisc(Currency value);
    void SetLineCostTotal(Currency value) { LineCostTotal = value; }
    void SetTag(const QString &value);
    void SetVatRate(double value) { m_vatRate = value; }
    void SetNewItem(bool value);  // true also clears Modified
    // The main line of this (child) line, in the same collection; not owned.
    void SetParentLine(TLineitemItem *line);

    int Linenum() const { return Index(); }
    // The parent's index when a parent line is set (-1 when it is in no or another
    // collection), stored into ParentLineNum; else ParentLineNum as it is.
    int GetParentLineNum();

    QString Size;
    QString ItemDesc;
    int InvoiceNum = 0;
    TDateTime Date = 0;
    TDateTime TimeStampCooked = 0;
    Currency LineCostTotal;
    double Mod = 0;
    int DiscCode = 0;
    QString Code;
    int DiscSeq = 0;
    QString Status;
    T_PrintersList Printers;  // production printers (not owned), filled by the print flow
    int GroupID = 0;
    QString CategoryDescription;
    int Recipe = 0;
    int fkPicklistsID = -1;
    int ParentLineNum = -1;  // -1 for a main line
    QString StockLocationStr;
    int TransactionFontClr = 0;
    int TransactionIndent = 0;
    int StockLocationID = 0;
    int LineitemID = 0;
    bool NoInvPrint = false;
    int Grouping = 0;
    int CatMenuCode = 0;
    double PreVoid = 0;
    bool ADCUpload = false;

protected:
    // The VAT rate is the collection's, given at construction: a cleared line keeps it.
    void ResetFields() override;
    // The amounts through their setters, then the columns the query may add.
    void Loaded(TAdoQuery &dataset) override;

private:
    TLineitem *Lines() const;
    bool CountsTagged() const;
    int CurrentParentLineNum() const;
    Currency Excl(Currency amount) const;  // amount / (1 + VatRate / 100), rounded
    // Replace one of the summed amounts, moving the collection's sum (and the tagged total)
    // with it.
    void Replace(Currency &amount, Currency TLineitem::*sum, Currency value);
    void ReplaceLineTotal(Currency value);
    void LeaveSums();  // the three summed amounts to 0
    // One of the two exclusive discounts: a positive value first clears the other one.
    void SetDiscount(Currency value, Currency &amount, Currency &excl, Currency TLineitem::*sum,
                     void (TLineitemItem::*clearOther)(Currency));

    double m_quantity = 0;
    Currency m_price;
    Currency m_lineTotal;
    Currency m_lineDisc;
    Currency m_invDisc;
    Currency m_vatExcl;
    Currency m_lineTotalExcl;
    Currency m_invDiscExcl;
    Currency m_lineDiscExcl;
    double m_vatRate = 0;
    QString m_tag;
    bool m_newItem = true;
    TLineitemItem *m_parentLine = nullptr;
    QList<TLineitemItem *> m_children;  // lines whose ParentLine is this one

    static const RecordColumns::TColumn<TLineitemItem> StoredColumns[];
    static const RecordColumns::TColumn<TLineitemItem> JoinedColumns[];
    static const RecordColumns::TColumn<TLineitemItem> InsertColumns[];
};

// The lines of one invoice, with running sums over them.
class TLineitem : public TCollectionDBOf<TLineitemItem> {
public:
    ~TLineitem() override;

    // Appends a line per row from the first to the end and returns how many; the lines stay
    // new, the dataset stays open at the row it was on.
    int Populate(TAdoQuery *dataset) override;
    // Removes every line; the sums become 0.
    void Clear() override;
    void ResetFlags() override;
    // Appends the invoice's lines with their price-list, category and stock-location data;
    // true when at least one line was added.
    virtual bool LoadForInvoice(int invoiceNum);

    Currency LinesTotal() const { return m_linesTotal; }
    Currency LinesDisc() const { return m_linesDisc; }
    Currency TaggedTotal() const { return m_taggedTotal; }  // tagged lines not marked "DR"
    Currency LinesInvDisc() const { return m_linesInvDisc; }
    Currency NetTotal() const { return m_netTotal; }

    Currency ComputeTaggedTotal();
    // LinesTotal over every line, or over the lines with NewItem only; NetTotal is the same
    // lines' total less their invoice discount shares.
    void RecomputeTotals(bool newOnly = false);
    // The lines' amounts without VAT after their line discounts.
    Currency ExclTotal() const;
    Currency InvDiscExclTotal() const;
    // Each line after a main line (parent number below 0) gets that main line's index.
    void RelinkChildren();
    int CountDescribed() const;  // lines with a description

    double VatRate = 0;  // given to new lines

private:
    friend class TLineitemItem;
    Currency m_linesTotal;
    Currency m_linesDisc;
    Currency m_taggedTotal;
    Currency m_linesInvDisc;
    Currency m_netTotal;
};
