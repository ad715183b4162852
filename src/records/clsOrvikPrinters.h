#pragma once

#include "cls_Printers.h"
#include "clsTillsLinkPrinters.h"

#include <QList>

// A till's printer link together with the printer definition it points to.
class TOrvikPrintersItem : public TTillsLinkPrintersItem {
public:
    explicit TOrvikPrintersItem(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TOrvikPrintersItem"); }

    void Clone(const TRootCollectionItem &source) override;
    void SetAdoConnection(TAdoConnection *connection) override;

    T_PrintersItem &Printer() { return m_printer; }
    const T_PrintersItem &Printer() const { return m_printer; }

protected:
    // A cleared link points at no printer.
    void ResetFields() override;
    // The link's row was read: its printer is loaded with it.
    void Loaded(TAdoQuery &dataset) override;

private:
    T_PrintersItem m_printer;
};

// The printers of this till, each with its definition.
class TOrvikPrinters : public TTillsLinkPrinters {
public:
    TOrvikPrinters();
    TOrvikPrintersItem *Items(int index) const { return static_cast<TOrvikPrintersItem *>(Item(index)); }
    TOrvikPrintersItem *Add() override { return static_cast<TOrvikPrintersItem *>(TCollectionDB::Add()); }
};

// A plain list of links the caller does not own.
using TOrvikPrintersItemList = QList<TOrvikPrintersItem *>;
