#pragma once

#include "BoardColours.h"
#include "BoardFields.h"
#include "BoardQueries.h"
#include "BoardTags.h"

#include <QAbstractTableModel>
#include <vector>

// The rows the board shows, with the current row, the tags and the colours. Columns are
// the grid layout's columns that the current view shows.
class TBoardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TRole {
        InvoiceNumRole = Qt::UserRole + 1,
        TaggedRole,
        BackgroundColourRole,  // TColor
        FontColourRole,        // TColor
    };

    explicit TBoardModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The view and whether the kitchen's cooked time shows; changes the columns.
    void SetView(TBoardView view, bool itemsCookedActive);
    TBoardView View() const { return m_view; }
    void SetLayout(const TGridLayout &layout);
    const TGridLayout &Layout() const { return m_layout; }
    TBoardField FieldAt(int column) const { return m_fields.at(column); }
    // A width set by the user, in characters.
    void SetColumnWidth(int column, int width);

    // The rows of a re-run query: the current order stays current when it is still there,
    // otherwise the first row; orders that left lose their tags.
    void SetRows(std::vector<TBoardRow> rows);
    // The query failed: no rows until a later one succeeds. Tags and the current order are
    // kept for then, so a passing failure loses no work.
    void ClearRows();
    const std::vector<TBoardRow> &Rows() const { return m_rows; }

    int CurrentRow() const { return m_current; }
    const TBoardRow *Current() const;
    void SetCurrentRow(int row);
    // The row holding that order, or nullptr.
    const TBoardRow *RowOf(qlonglong invoiceNum) const;
    // Moves to the row holding that order; false when no row holds it.
    bool Locate(qlonglong invoiceNum);

    // Toggles the tag of the current order.
    void MarkRecord();
    void UntagAll();
    const TBoardTags &Tags() const { return m_tags; }
    bool IsTagged(int row) const;

    // The clock moved: lapsed times and colours change with the minute.
    void SetNow(TDateTime now);
    TDateTime Now() const { return m_now; }

    // The text a cell shows.
    QString Text(const TBoardRow &row, TBoardField field) const;

signals:
    void CurrentRowChanged(int row);

private:
    void RebuildColumns();
    void RowsChanged(int first, int last);
    TCellColours Colours(int row) const;

    TBoardView m_view = TBoardView::NotAssigned;
    bool m_itemsCookedActive = false;
    TGridLayout m_layout = TGridLayout::Default();
    QList<TBoardField> m_fields;
    QList<int> m_layoutIndex;  // the layout entry of each column
    std::vector<TBoardRow> m_rows;
    int m_current = -1;
    qlonglong m_currentInvoice = 0;  // survives a failed query
    TBoardTags m_tags;
    TDateTime m_now = 0;
};
