#include "board/BoardModel.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace {

constexpr TDateTime Minute = 1.0 / 1440.0;
const TDateTime Now = DateTimes::EncodeDateTime(2024, 3, 5, 18, 30);

std::vector<TBoardRow> Orders(std::initializer_list<int> invoiceNums)
{
    std::vector<TBoardRow> rows;
    for (int n : invoiceNums) {
        TBoardRow row;
        row.InvoiceNum = n;
        row.OrderNum = 100 + n;
        row.Date = Now - 30 * Minute;
        row.TimeDue = Now + n * Minute;
        rows.push_back(row);
    }
    return rows;
}

TEST(BoardModel, StaysAConsistentModelThroughRefreshesViewsTagsAndTheClock)
{
    TBoardModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetNow(Now);
    model.SetRows(Orders({1, 2, 3}));
    model.SetCurrentRow(2);
    model.MarkRecord();
    model.SetRows(Orders({0, 1, 2, 3, 4}));  // grows
    EXPECT_EQ(model.CurrentRow(), 3);
    EXPECT_TRUE(model.index(3, 0).data(TBoardModel::TaggedRole).toBool());
    model.SetRows(Orders({3}));  // shrinks
    EXPECT_EQ(model.CurrentRow(), 0);
    model.SetView(TBoardView::AlreadyAssigned, true);
    model.SetNow(Now + Minute);
    model.ClearRows();
    EXPECT_EQ(model.rowCount(), 0);
    model.SetRows(Orders({5, 3}));
    EXPECT_EQ(model.CurrentRow(), 1) << "the current order is found again after a failed query";
    EXPECT_EQ(model.Tags().InOrder(), QList<qlonglong>{3});
    model.UntagAll();
    model.SetLayout(TGridLayout::Parse(QStringLiteral("telephone\t10\tPhone")));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Phone"));
}

TEST(BoardModel, ColumnsAreTheLayoutsColumnsTheViewShows)
{
    TBoardModel model;
    const auto titles = [&] {
        QStringList t;
        for (int c = 0; c < model.columnCount(); ++c)
            t << model.headerData(c, Qt::Horizontal).toString();
        return t.join(u',');
    };
    EXPECT_EQ(titles(), QStringLiteral("Ord #,Lapsed,Map Ref,Customer,Address 1,Address 2,Street"));
    model.SetView(TBoardView::AlreadyAssigned, false);
    EXPECT_EQ(titles(), QStringLiteral("Ord #,Lapsed,Allocated,Left,Map Ref,Customer,Street,Cashier"));
    model.SetLayout(TGridLayout::Parse(QStringLiteral("TimeStampCooked\t14\tCooked;;DriverName\t10\tDriver")));
    model.SetView(TBoardView::NotAssigned, true);
    EXPECT_TRUE(titles().startsWith(QStringLiteral("Cooked,Ord #"))) << titles().toStdString();
    model.SetView(TBoardView::NotAssigned, false);
    EXPECT_TRUE(titles().startsWith(QStringLiteral("Ord #"))) << "cooked time only with APP_ITEMSCOOKED_ACTIVE";
}

TEST(BoardModel, TheCurrentAndTaggedRowsAreDrawnSelected)
{
    TBoardModel model;
    model.SetNow(Now);
    auto rows = Orders({1, 2, 3});
    rows[0].TimeDue = Now;               // due this minute
    rows[1].TimeDue = Now - Minute;      // late
    rows[2].TimeDue = Now + 10 * Minute;  // early
    model.SetRows(rows);
    const auto colours = [&](int row) {
        return TCellColours{static_cast<TColor>(model.index(row, 0).data(TBoardModel::BackgroundColourRole).toUInt()),
                            static_cast<TColor>(model.index(row, 0).data(TBoardModel::FontColourRole).toUInt())};
    };
    EXPECT_EQ(colours(0), (TCellColours{clBlack, clYellow})) << "current";
    EXPECT_EQ(colours(1), (TCellColours{clSilver, clBlack}));
    EXPECT_EQ(colours(2), TCellColours{});
    model.SetCurrentRow(2);
    model.MarkRecord();
    model.SetCurrentRow(1);
    EXPECT_EQ(colours(0), (TCellColours{clYellow, clBlack}));
    EXPECT_EQ(colours(1), (TCellColours{clBlack, clSilver})) << "current";
    EXPECT_EQ(colours(2), (TCellColours{clHighlight, clHighlightText})) << "tagged";
    model.SetNow(Now + 11 * Minute);
    EXPECT_EQ(colours(0), (TCellColours{clSilver, clBlack})) << "the clock moved on";
}

} // namespace
