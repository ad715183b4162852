#pragma once

#include "RecordColumns.h"
#include "app/modUtils.h"

#include <QList>

// Printer categories, in the order the settings editor shows them.
enum TPrinterCategory : quint8 { pcInvoicePrinter = 0, pcProductionPrinter = 1, pcCreditcardPrinter = 2 };
// How a slip is produced on the printer.
enum TPrinterType { ptNone = 0, ptNarrow = 1, ptWide = 2, ptImpactNarrow = 3 };
// Which control-code set the printer understands.
enum TPrinterModel { pmEpson = 0, pmPosiflex = 1, pmStarposTSP700 = 2, pmEpsonImpact = 3 };

QStringList PrinterCategoryNames();
QStringList PrinterTypeNames();
QStringList PrinterModelNames();

// One printer definition of the suite (table Printers).
class T_PrintersItem : public TColumnRecord<T_PrintersItem> {
public:
    explicit T_PrintersItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("T_PrintersItem"); }

    void Clone(const TRootCollectionItem &source) override;
    int Delete() override;
    int Update() override;
    virtual bool LoadByID(int printersID);

    int FooterHeight() const { return m_footerHeight; }
    int Model() const { return m_model; }
    const QString &Name() const { return m_name; }
    int PageLength() const { return m_pageLength; }
    int PageWidth() const { return m_pageWidth; }
    int PrintersID() const { return m_printersID; }
    int Type() const { return m_type; }
    quint8 Category() const { return m_category; }
    bool PrintLateVoucher() const { return m_printLateVoucher; }
    bool ExtendedProductionSlip() const { return m_extendedProductionSlip; }

    void SetFooterHeight(int value) { Assign(m_footerHeight, value); }
    void SetModel(int value) { Assign(m_model, value); }
    void SetName(const QString &value) { Assign(m_name, TrimBlanks(value)); }
    void SetPageLength(int value) { Assign(m_pageLength, value); }
    void SetPageWidth(int value) { Assign(m_pageWidth, value); }
    void SetPrintersID(int value) { Assign(m_printersID, value); }
    void SetType(int value) { Assign(m_type, value); }
    void SetCategory(quint8 value) { Assign(m_category, value); }
    void SetPrintLateVoucher(bool value) { Assign(m_printLateVoucher, value); }
    void SetExtendedProductionSlip(bool value) { Assign(m_extendedProductionSlip, value); }

protected:
    // Its name follows its place in the list: "New Printer" and the index.
    void ResetFields() override;

private:
    friend class T_Printers;

    int m_footerHeight;
    int m_model;
    QString m_name;
    int m_pageLength;
    int m_pageWidth;
    int m_printersID;
    int m_type;
    quint8 m_category;
    bool m_printLateVoucher;
    bool m_extendedProductionSlip;

    static const RecordColumns::TColumn<T_PrintersItem> Columns[];
};

// Every printer of the suite.
class T_Printers : public TCollectionDBOf<T_PrintersItem> {
public:
    TRootCollectionItem *InsertAt(int index) override;
    virtual int LoadAll();
    // Deletes the printer's row, then removes the item from the list.
    virtual void DeleteAt(int index);
};

// A plain list of printers the caller does not own.
class T_PrintersList : public QList<T_PrintersItem *> {
public:
    void AssignList(const T_PrintersList &other);
};
