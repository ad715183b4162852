#pragma once

#include <QList>
#include <QString>
#include <optional>

// The fields of the board's query, calculated ones included, in the query's order.
enum class TBoardField {
    OrderNum, Lapsed, Assigned, TimeSinceDeparted, GridRef, NotifyName, Flat, Address2, streetname, Customer,
    Departed, StreetNo, Street, DriverName, CashierName, telephone, Firstname, Lastname, TimeDue, Date, DFirst,
    DLast, InvoiceNum, TransType, TimeStampCooked,
};

enum class TBoardView { NotAssigned, AlreadyAssigned };

struct TBoardFieldDef {
    TBoardField field;
    const char *name;
    const char *title;  // empty: the field's name
    int width;          // display width in characters
};

namespace BoardFields {

const TBoardFieldDef &Def(TBoardField field);
std::optional<TBoardField> FromName(const QString &name);  // ignoring case
QString Name(TBoardField field);
QString Title(TBoardField field);
// Whether the view shows the field when the grid lists it.
bool Visible(TBoardField field, TBoardView view, bool itemsCookedActive);

} // namespace BoardFields

// One column of the grid: its field, its width in characters and its title.
struct TGridColumn {
    TBoardField field;
    int width;
    QString title;
    bool operator==(const TGridColumn &) const = default;
};

// The grid's column list: order, widths and titles, kept in "Trevlo.INI" as entries
// "Name<tab>Width<tab>Title" separated by ";;".
class TGridLayout {
public:
    static TGridLayout Default();
    // A saved layout; unknown fields are dropped, and the default columns it lacks are appended.
    static TGridLayout Parse(const QString &text);
    QString ToText() const;

    const QList<TGridColumn> &Columns() const { return m_columns; }
    void SetWidth(TBoardField field, int width);
    bool operator==(const TGridLayout &) const = default;

private:
    QList<TGridColumn> m_columns;
};
