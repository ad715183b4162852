#include "BoardFields.h"

#include <algorithm>
#include <iterator>

namespace {

using F = TBoardField;

// In the query's field order; the index is the enum's value.
constexpr TBoardFieldDef Defs[] = {
    {F::OrderNum, "OrderNum", "Ord #", 4},
    {F::Lapsed, "Lapsed", "Lapsed", 5},
    {F::Assigned, "Assigned", "Allocated", 7},
    {F::TimeSinceDeparted, "TimeSinceDeparted", "Left", 5},
    {F::GridRef, "GridRef", "Map Ref", 6},
    {F::NotifyName, "NotifyName", "Customer", 11},
    {F::Flat, "Flat", "Address 1", 7},
    {F::Address2, "Address2", "Address 2", 8},
    {F::streetname, "streetname", "Street", 15},
    {F::Customer, "Customer", "Cashier", 10},
    {F::Departed, "Departed", "Left", 5},
    {F::StreetNo, "StreetNo", "Address 3", 3},
    {F::Street, "Street", "", 15},
    {F::DriverName, "DriverName", "", 10},
    {F::CashierName, "CashierName", "Cashier", 10},
    {F::telephone, "telephone", "Telephone", 10},
    {F::Firstname, "Firstname", "", 20},
    {F::Lastname, "Lastname", "", 20},
    {F::TimeDue, "TimeDue", "", 14},
    {F::Date, "Date", "", 14},
    {F::DFirst, "DFirst", "", 20},
    {F::DLast, "DLast", "", 20},
    {F::InvoiceNum, "InvoiceNum", "", 10},
    {F::TransType, "TransType", "", 6},
    {F::TimeStampCooked, "TimeStampCooked", "", 14},
};
static_assert(std::size(Defs) == size_t(F::TimeStampCooked) + 1);

constexpr F DefaultColumns[] = {F::OrderNum, F::Lapsed, F::Assigned, F::TimeSinceDeparted, F::GridRef,
                                F::NotifyName, F::Flat, F::Address2, F::streetname, F::Customer};

const QString EntrySeparator = QStringLiteral(";;");
constexpr QChar PartSeparator = u'\t';

} // namespace

namespace BoardFields {

const TBoardFieldDef &Def(TBoardField field)
{
    return Defs[static_cast<size_t>(field)];
}

std::optional<TBoardField> FromName(const QString &name)
{
    for (const TBoardFieldDef &d : Defs)
        if (name.compare(QLatin1String(d.name), Qt::CaseInsensitive) == 0)
            return d.field;
    return std::nullopt;
}

QString Name(TBoardField field)
{
    return QString::fromLatin1(Def(field).name);
}

QString Title(TBoardField field)
{
    const TBoardFieldDef &d = Def(field);
    return QString::fromLatin1(*d.title ? d.title : d.name);
}

bool Visible(TBoardField field, TBoardView view, bool itemsCookedActive)
{
    const bool assigned = view == TBoardView::AlreadyAssigned;
    switch (field) {
    case F::OrderNum:
    case F::Lapsed:
    case F::GridRef:
    case F::NotifyName:
    case F::streetname:
    case F::CashierName: return true;
    case F::Flat:
    case F::Address2: return !assigned;
    case F::DriverName:
    case F::Assigned:
    case F::Customer:
    case F::telephone:
    case F::TimeSinceDeparted: return assigned;
    case F::TimeStampCooked: return itemsCookedActive;
    default: return false;
    }
}

} // namespace BoardFields

TGridLayout TGridLayout::Default()
{
    TGridLayout layout;
    for (F field : DefaultColumns)
        layout.m_columns.append({field, BoardFields::Def(field).width, BoardFields::Title(field)});
    return layout;
}

TGridLayout TGridLayout::Parse(const QString &text)
{
    TGridLayout layout;
    const QStringList entries = text.split(EntrySeparator, Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(PartSeparator);
        const auto field = BoardFields::FromName(parts.value(0).trimmed());
        if (!field || std::any_of(layout.m_columns.begin(), layout.m_columns.end(), [&](const TGridColumn &c) { return c.field == *field; }))
            continue;
        bool ok = false;
        const int width = parts.value(1).toInt(&ok);
        const QString title = parts.value(2);
        layout.m_columns.append({*field, ok && width > 0 ? width : BoardFields::Def(*field).width,
                                 parts.size() > 2 ? title : BoardFields::Title(*field)});
    }
    for (const TGridColumn &c : Default().m_columns)
        if (std::none_of(layout.m_columns.begin(), layout.m_columns.end(), [&](const TGridColumn &s) { return s.field == c.field; }))
            layout.m_columns.append(c);
    return layout;
}

QString TGridLayout::ToText() const
{
    QStringList entries;
    for (const TGridColumn &c : m_columns)
        entries.append(BoardFields::Name(c.field) + PartSeparator + QString::number(c.width) + PartSeparator + c.title);
    return entries.join(EntrySeparator);
}

void TGridLayout::SetWidth(TBoardField field, int width)
{
    for (TGridColumn &c : m_columns)
        if (c.field == field && width > 0)
            c.width = width;
}
