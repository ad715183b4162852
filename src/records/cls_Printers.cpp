#include "cls_Printers.h"

#include "app/modMsgDlgs.h"

using namespace RecordColumns;

QStringList PrinterCategoryNames()
{
    return {QStringLiteral("Invoice Printer"), QStringLiteral("Production Printer"), QStringLiteral("Creditcard Printer")};
}

QStringList PrinterTypeNames()
{
    return {QStringLiteral("None"), QStringLiteral("Narrow"), QStringLiteral("Wide"), QStringLiteral("Impact Narrow")};
}

QStringList PrinterModelNames()
{
    return {QStringLiteral("Epson"), QStringLiteral("Posiflex"), QStringLiteral("StarposTSP700"), QStringLiteral("Epson Impact")};
}

// ---- T_PrintersItem

const TColumn<T_PrintersItem> T_PrintersItem::Columns[] = {
    {"Category", &T_PrintersItem::m_category},
    {"FooterHeight", &T_PrintersItem::m_footerHeight},
    {"Model", &T_PrintersItem::m_model},
    {"Name", &T_PrintersItem::m_name, Trim | NulWhenBlank},
    {"PageLength", &T_PrintersItem::m_pageLength, 0, 26},
    {"PageWidth", &T_PrintersItem::m_pageWidth},
    {"PrintersID", &T_PrintersItem::m_printersID, Key, -1},
    {"Type", &T_PrintersItem::m_type},
    {"PrintLateVoucher", &T_PrintersItem::m_printLateVoucher},
    {"ExtendedProductionSlip", &T_PrintersItem::m_extendedProductionSlip},
};

T_PrintersItem::T_PrintersItem(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    ResetFields();
}

void T_PrintersItem::ResetFields()
{
    TColumnRecord::ResetFields();
    m_name = QStringLiteral("New Printer") + QString::number(Index());
}

void T_PrintersItem::Clone(const TRootCollectionItem &)
{
    ShowInformation(QStringLiteral("T_PrintersItem.Clone not implemented yet"));
}

bool T_PrintersItem::LoadByID(int printersID)
{
    return LoadWhere({QStringLiteral("SELECT * FROM Printers WHERE PrintersID = :PrintersID")}, {{"PrintersID", printersID}});
}

int T_PrintersItem::Delete()
{
    return DeleteWhere(QStringLiteral("DELETE FROM PRINTERS WHERE PrintersID = :PrintersID"), "PrintersID", m_printersID);
}

int T_PrintersItem::Update()
{
    return InsertOrUpdate(m_printersID < 1,
        QStringLiteral("INSERT INTO Printers (Category,FooterHeight,Model,Name,PageLength,PageWidth,Type, PrintLateVoucher, ExtendedProductionSlip) "
                       "VALUES (:Category,:FooterHeight,:Model,:Name,:PageLength,:PageWidth,:Type, :PrintLateVoucher, :ExtendedProductionSlip) "
                       "SELECT :IDField = @@Identity"),
        QStringLiteral("UPDATE Printers SET Category = :Category, FooterHeight = :FooterHeight, Model = :Model, Name = :Name, "
                       "PageLength = :PageLength, PageWidth = :PageWidth, PrintLateVoucher = :PrintLateVoucher, Type = :Type, "
                       "ExtendedProductionSlip = :ExtendedProductionSlip WHERE PrintersID = :PrintersID"),
        m_printersID, TReadBack::WhenWritten);
}

// ---- T_Printers

TRootCollectionItem *T_Printers::InsertAt(int index)
{
    auto *item = static_cast<T_PrintersItem *>(TCollectionDBOf::InsertAt(index));
    item->ResetFields();  // a new printer is named after its place in the list
    return item;
}

int T_Printers::LoadAll()
{
    return PopulateWhere(*this, {QStringLiteral("SELECT * FROM Printers ORDER BY Name Asc")});
}

void T_Printers::DeleteAt(int index)
{
    Items(index)->Delete();
    RemoveAt(index);
}

// ---- T_PrintersList

void T_PrintersList::AssignList(const T_PrintersList &other)
{
    if (&other == this)
        return;
    clear();
    append(other);
}
