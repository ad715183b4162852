#include "BoardModel.h"

#include <QSet>
#include <algorithm>

namespace {

QString HourMinute(TDateTime value)
{
    return DateTimes::ToQDateTime(value).toString(QStringLiteral("HH:mm"));
}

QString TimeOrBlank(TDateTime value)
{
    return value == 0 ? QString() : HourMinute(value);
}

QString DateTimeOrBlank(TDateTime value)
{
    return value == 0 ? QString() : DateTimes::ToQDateTime(value).toString(QStringLiteral("dd/MM/yy HH:mm"));
}

bool IsNumber(TBoardField field)
{
    return field == TBoardField::OrderNum || field == TBoardField::InvoiceNum || field == TBoardField::TransType;
}

} // namespace

TBoardModel::TBoardModel(QObject *parent) : QAbstractTableModel(parent)
{
    RebuildColumns();
}

int TBoardModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TBoardModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_fields.size());
}

QString TBoardModel::Text(const TBoardRow &row, TBoardField field) const
{
    using F = TBoardField;
    switch (field) {
    case F::OrderNum: return QString::number(row.OrderNum);
    case F::Lapsed: return HourMinute(m_now - row.Date);  // hours beyond a day are not shown
    case F::Assigned: return TimeOrBlank(row.Assigned);
    case F::TimeSinceDeparted: return HourMinute(row.Departed);  // 00:00 until the driver leaves
    case F::GridRef: return row.GridRef;
    case F::NotifyName: return row.NotifyName;
    case F::Flat: return row.Flat;
    case F::Address2: return row.Address2;
    case F::streetname: return QString(row.StreetNo + u' ' + row.Street).left(15);
    // The cashier's name, so the Already Assigned view's "Cashier" column is not blank.
    case F::Customer:
    case F::CashierName: return row.Firstname.trimmed();
    case F::Departed: return TimeOrBlank(row.Departed);
    case F::StreetNo: return row.StreetNo;
    case F::Street: return row.Street;
    case F::DriverName: return row.DFirst.trimmed();
    case F::telephone: return row.telephone;
    case F::Firstname: return row.Firstname;
    case F::Lastname: return row.Lastname;
    case F::TimeDue: return DateTimeOrBlank(row.TimeDue);
    case F::Date: return DateTimeOrBlank(row.Date);
    case F::DFirst: return row.DFirst;
    case F::DLast: return row.DLast;
    case F::InvoiceNum: return QString::number(row.InvoiceNum);
    case F::TransType: return QString::number(row.TransType);
    case F::TimeStampCooked: return DateTimeOrBlank(row.TimeStampCooked);
    }
    return {};
}

TCellColours TBoardModel::Colours(int row) const
{
    const bool selected = row == m_current || IsTagged(row);
    return BoardColours::RowColours(m_view, selected, m_rows[static_cast<size_t>(row)].TimeDue, m_now);
}

QVariant TBoardModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TBoardRow &row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: return Text(row, m_fields.at(index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (IsNumber(m_fields.at(index.column())) ? Qt::AlignRight : Qt::AlignLeft));
    case InvoiceNumRole: return row.InvoiceNum;
    case TaggedRole: return m_tags.Contains(row.InvoiceNum);
    case BackgroundColourRole: return static_cast<quint32>(Colours(index.row()).background);
    case FontColourRole: return static_cast<quint32>(Colours(index.row()).font);
    default: return {};
    }
}

QVariant TBoardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_fields.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_layout.Columns().at(m_layoutIndex.at(section)).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void TBoardModel::RebuildColumns()
{
    m_fields.clear();
    m_layoutIndex.clear();
    const QList<TGridColumn> &columns = m_layout.Columns();
    for (int i = 0; i < columns.size(); ++i) {
        if (BoardFields::Visible(columns[i].field, m_view, m_itemsCookedActive)) {
            m_fields.append(columns[i].field);
            m_layoutIndex.append(i);
        }
    }
}

void TBoardModel::SetView(TBoardView view, bool itemsCookedActive)
{
    beginResetModel();
    m_view = view;
    m_itemsCookedActive = itemsCookedActive;
    RebuildColumns();
    endResetModel();
    emit CurrentRowChanged(m_current);
}

void TBoardModel::SetLayout(const TGridLayout &layout)
{
    beginResetModel();
    m_layout = layout;
    RebuildColumns();
    endResetModel();
    emit CurrentRowChanged(m_current);
}

void TBoardModel::SetColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_fields.size())
        m_layout.SetWidth(m_fields.at(column), width);
}

void TBoardModel::RowsChanged(int first, int last)
{
    if (first <= last && !m_fields.isEmpty())
        emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

void TBoardModel::SetRows(std::vector<TBoardRow> rows)
{
    // Rows are replaced in place, so the grid keeps its scroll position.
    const int before = rowCount(), after = static_cast<int>(rows.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        m_rows.resize(static_cast<size_t>(after));
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows({}, before, after - 1);
        m_rows.insert(m_rows.end(), rows.begin() + before, rows.end());
        endInsertRows();
    }
    std::move(rows.begin(), rows.begin() + std::min(before, after), m_rows.begin());

    QSet<qlonglong> shown;
    shown.reserve(after);
    m_current = -1;
    for (int i = 0; i < after; ++i) {
        const qlonglong invoice = m_rows[static_cast<size_t>(i)].InvoiceNum;
        shown.insert(invoice);
        if (invoice == m_currentInvoice && m_current < 0)
            m_current = i;
    }
    if (m_current < 0 && after > 0)
        m_current = 0;
    m_currentInvoice = m_current >= 0 ? m_rows[static_cast<size_t>(m_current)].InvoiceNum : 0;
    m_tags.KeepOnly(shown);
    RowsChanged(0, std::min(before, after) - 1);
    emit CurrentRowChanged(m_current);
}

void TBoardModel::ClearRows()
{
    if (!m_rows.empty()) {
        beginRemoveRows({}, 0, rowCount() - 1);
        m_rows.clear();
        endRemoveRows();
    }
    m_current = -1;
    emit CurrentRowChanged(m_current);
}

const TBoardRow *TBoardModel::Current() const
{
    return m_current >= 0 ? &m_rows[static_cast<size_t>(m_current)] : nullptr;
}

void TBoardModel::SetCurrentRow(int row)
{
    if (m_rows.empty())
        return;
    row = std::clamp(row, 0, rowCount() - 1);
    if (row == m_current)
        return;
    const int old = m_current;
    m_current = row;
    m_currentInvoice = m_rows[static_cast<size_t>(row)].InvoiceNum;
    if (old >= 0)
        RowsChanged(old, old);
    RowsChanged(row, row);
    emit CurrentRowChanged(m_current);
}

const TBoardRow *TBoardModel::RowOf(qlonglong invoiceNum) const
{
    const auto found = std::find_if(m_rows.begin(), m_rows.end(), [&](const TBoardRow &r) { return r.InvoiceNum == invoiceNum; });
    return found == m_rows.end() ? nullptr : &*found;
}

bool TBoardModel::Locate(qlonglong invoiceNum)
{
    const TBoardRow *row = RowOf(invoiceNum);
    if (!row)
        return false;
    SetCurrentRow(static_cast<int>(row - m_rows.data()));
    return true;
}

bool TBoardModel::IsTagged(int row) const
{
    return row >= 0 && row < rowCount() && m_tags.Contains(m_rows[static_cast<size_t>(row)].InvoiceNum);
}

void TBoardModel::MarkRecord()
{
    if (const TBoardRow *row = Current()) {
        m_tags.Toggle(row->InvoiceNum);
        RowsChanged(m_current, m_current);
    }
}

void TBoardModel::UntagAll()
{
    if (m_tags.IsEmpty())
        return;
    m_tags.Clear();
    RowsChanged(0, rowCount() - 1);
}

void TBoardModel::SetNow(TDateTime now)
{
    const bool newMinute = BoardColours::MinuteOf(now) != BoardColours::MinuteOf(m_now);
    m_now = now;
    if (newMinute) {
        RowsChanged(0, rowCount() - 1);
        return;
    }
    // Lapsed times turn over on the second the order was taken, not on the minute.
    const int lapsed = static_cast<int>(m_fields.indexOf(TBoardField::Lapsed));
    if (lapsed >= 0 && !m_rows.empty())
        emit dataChanged(index(0, lapsed), index(rowCount() - 1, lapsed), {Qt::DisplayRole});
}
