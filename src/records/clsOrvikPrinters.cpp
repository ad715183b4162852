#include "clsOrvikPrinters.h"

#include "app/modMsgDlgs.h"

// ---- TOrvikPrintersItem

TOrvikPrintersItem::TOrvikPrintersItem(TRootCollection *collection) : TTillsLinkPrintersItem(collection) {}

void TOrvikPrintersItem::ResetFields()
{
    TTillsLinkPrintersItem::ResetFields();
    m_printer.Clear();
}

void TOrvikPrintersItem::Clone(const TRootCollectionItem &)
{
    ShowInformation(QStringLiteral("TOrvikPrintersItem.Clone not implemented"));
}

void TOrvikPrintersItem::Loaded(TAdoQuery &)
{
    m_printer.LoadByID(fkPrintersID());
}

void TOrvikPrintersItem::SetAdoConnection(TAdoConnection *connection)
{
    TTillsLinkPrintersItem::SetAdoConnection(connection);
    m_printer.SetAdoConnection(connection);
}

// ---- TOrvikPrinters

TOrvikPrinters::TOrvikPrinters()
    : TTillsLinkPrinters([](TRootCollection *c) { return std::make_unique<TOrvikPrintersItem>(c); })
{
}
