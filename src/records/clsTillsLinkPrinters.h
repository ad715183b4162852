#pragma once

#include "RecordColumns.h"

// A printer assigned to a till (table TillsLinkPrinters). fkTillsID holds the Tills row
// key TillsID, not the till number.
class TTillsLinkPrintersItem : public TColumnRecord<TTillsLinkPrintersItem> {
public:
    explicit TTillsLinkPrintersItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TTillsLinkPrintersItem"); }

    void Clone(const TRootCollectionItem &source) override;
    // Deletes the stored row, then destroys the item when a collection owns it: the caller
    // must not touch the item afterwards. An unstored link returns 0.
    int Delete() override;
    int Update() override;
    virtual bool LoadByID(int tillsLinkPrintersID);

    int Copies() const { return m_copies; }
    const QString &Device() const { return m_device; }
    bool DirectToPort() const { return m_directToPort; }
    int fkPrintersID() const { return m_fkPrintersID; }
    int fkTillsID() const { return m_fkTillsID; }
    const QString &ReportFileName() const { return m_reportFileName; }
    int TillsLinkPrintersID() const { return m_tillsLinkPrintersID; }
    bool PrintKitchenTotals() const { return m_printKitchenTotals; }
    bool PrintLinePrices() const { return m_printLinePrices; }

    void SetCopies(int value) { Assign(m_copies, value); }
    void SetDevice(const QString &value) { Assign(m_device, value); }
    void SetDirectToPort(bool value) { Assign(m_directToPort, value); }
    void SetfkPrintersID(int value) { Assign(m_fkPrintersID, value); }
    void SetfkTillsID(int value) { Assign(m_fkTillsID, value); }
    void SetReportFileName(const QString &value) { Assign(m_reportFileName, value); }
    // These two mark the link even when the value is the one it holds.
    void SetPrintKitchenTotals(bool value);
    void SetPrintLinePrices(bool value);

private:
    int m_copies;
    QString m_device;
    bool m_directToPort;
    int m_fkPrintersID;
    int m_fkTillsID;
    QString m_reportFileName;
    int m_tillsLinkPrintersID;
    bool m_printKitchenTotals;
    bool m_printLinePrices;

    static const RecordColumns::TColumn<TTillsLinkPrintersItem> Columns[];
};

// The printer links of the suite, or of one till.
class TTillsLinkPrinters : public TCollectionDB {
public:
    TTillsLinkPrinters();
    TTillsLinkPrintersItem *Items(int index) const { return static_cast<TTillsLinkPrintersItem *>(Item(index)); }
    TTillsLinkPrintersItem *Add() override { return static_cast<TTillsLinkPrintersItem *>(TCollectionDB::Add()); }

    virtual int LoadAll();
    // The links of the till with that number (found through its Tills row).
    virtual int LoadForTill(int tillNumber);
    int IndexOfPrinter(int printersID) const;  // -1 when no link has it
    virtual int DeleteLinksOfPrinter(int printersID);
    // Every link deletes its row and leaves the list, which ends empty.
    int DeleteAll() override;

protected:
    explicit TTillsLinkPrinters(ItemFactory itemClass);
};
