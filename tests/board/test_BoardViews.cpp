#include "BoardFixture.h"

#include "board/BoardQueries.h"
#include "data/Dialect.h"
#include "data/clsSysData.h"
#include "support/StrictPrompts.h"

namespace {

using namespace DateTimes;

class BoardViews : public TBoardTest {};

TEST_P(BoardViews, NotAssignedShowsOpenDeliveriesWithoutADriverWhateverTheirDate)
{
    AddOrder(1, Now - 40 * Minute, Now + 5 * Minute);                        // TimeToDrvr NULL
    AddOrder(2, Now - 20 * Minute, Now - 5 * Minute, 0.0);                   // the zero date
    AddOrder(3, Now - 9.0, Now - 9.0 + 40 * Minute);                         // days old, still open
    AddOrder(4, Now - 20 * Minute, Now + 15 * Minute, Now - 1 * Minute);     // assigned
    AddOrder(5, Now - 20 * Minute, Now, {}, 1);                              // closed
    AddOrder(6, Now - 20 * Minute, Now, {}, 0, 4);                           // not a delivery
    TStrictPrompts prompts;
    Board().FormShow();
    EXPECT_EQ(Shown(), (QList<qlonglong>{3, 2, 1})) << "by due time";
    EXPECT_FALSE(board->ShowingAssigned());
    EXPECT_EQ(board->HeaderCaption(), QStringLiteral("Not Assigned"));
}

TEST_P(BoardViews, AlreadyAssignedShowsTheTradingDayOfTheDayStart)
{
    const TDateTime day = EncodeDateTime(2024, 3, 5);
    const auto at = [&](int dayOffset, int hour, int minute) { return day + dayOffset + EncodeTime(hour, minute); };
    // Orders assigned, taken at these moments.
    AddOrder(1, at(-1, 4, 59), at(-1, 5, 40), at(-1, 5, 20));
    AddOrder(2, at(-1, 5, 0), at(-1, 5, 45), at(-1, 5, 20));
    AddOrder(3, at(0, 4, 58), at(0, 5, 30), at(0, 4, 59));
    AddOrder(4, at(0, 5, 0), at(0, 5, 35), at(0, 5, 0));
    const struct {
        const char *name;
        const char *dayStart;
        TDateTime now;
        QList<qlonglong> shown;
    } cases[] = {
        {"04:59 still shows yesterday from 05:00", "05:00", at(0, 4, 59), {2, 3}},
        {"05:00 starts a new day", "05:00", at(0, 5, 0), {4}},
        {"a day start of 00:00 counts as 05:00, before it", "00:00", at(0, 4, 59), {2, 3}},
        {"a day start of 00:00 counts as 05:00, at it", "00:00", at(0, 5, 0), {4}},
        {"a day start of 04:58 takes in the order of 04:58", "04:58", at(0, 4, 59), {3, 4}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetClock(c.now);
        board.reset();
        Board({DateTimes::TimeOf(SysDataFormat::TextToDateTime(QString::fromLatin1(c.dayStart))), false});
        board->FormShow();
        board->SwitchView();
        EXPECT_TRUE(board->ShowingAssigned());
        EXPECT_EQ(Shown(), c.shown);
    }
}

TEST_P(BoardViews, RowsCarryTheJoinedNamesAndTheCalculatedFields)
{
    AddOrder(1, Now - 75 * Minute, Now - 5 * Minute, Now - 3 * Minute, 0, 3, 1, Now - 90.0 / 86400);
    AddOrder(2, Now - 10 * Minute, Now + 30 * Minute, {}, 0, 3, 2);
    Board().FormShow();
    board->SwitchView();
    ASSERT_EQ(Shown(), QList<qlonglong>{1});
    const TBoardModel &model = board->Model();
    const TBoardRow &assigned = model.Rows().front();
    using F = TBoardField;
    const struct {
        F field;
        const char *text;
    } assignedTexts[] = {
        {F::OrderNum, "101"}, {F::Lapsed, "01:15"}, {F::Assigned, "18:27"}, {F::TimeSinceDeparted, "18:28"},
        {F::GridRef, "B2"}, {F::NotifyName, "Customer 1"}, {F::streetname, "112 Camp Ground"},
        {F::Customer, "Grace"}, {F::CashierName, "Grace"}, {F::DriverName, "Themba"}, {F::telephone, "0215550100"},
        {F::Flat, "Flat 4"}, {F::Address2, "Belvedere Court"},
    };
    for (const auto &t : assignedTexts)
        EXPECT_EQ(model.Text(assigned, t.field), QString::fromLatin1(t.text)) << BoardFields::Name(t.field).toStdString();

    board->SwitchView();
    ASSERT_EQ(Shown(), QList<qlonglong>{2});
    const TBoardRow &waiting = model.Rows().front();
    EXPECT_EQ(model.Text(waiting, F::TimeSinceDeparted), QStringLiteral("00:00")) << "no driver has left";
    EXPECT_EQ(model.Text(waiting, F::Assigned), QString());
    EXPECT_EQ(model.Text(waiting, F::streetname), QStringLiteral("7 Main Road"));
    EXPECT_EQ(model.Text(waiting, F::DriverName), QString());
}

TEST_P(BoardViews, TheStatementsRunOnTheEngineAsWrittenForTheSuite)
{
    const QString notAssigned = TBoardQueries::NotAssignedSql(con.Dialect(), 1);
    EXPECT_TRUE(notAssigned.endsWith(QStringLiteral("\nORDER BY GridRef.GridRef, TimeDue "))) << notAssigned.toStdString();
    EXPECT_FALSE(notAssigned.contains(QStringLiteral("LEFT OUTER JOIN ("))) << "joins are flat";
    EXPECT_TRUE(TBoardQueries::AlreadyAssignedSql(con.Dialect()).contains(QStringLiteral(":DayStart")));
    if (GetParam() == TEngine::SQLite) {
        // An index on (Status, TransType, ...) finds the open deliveries; no scan of the invoices.
        TAdoQuery plan(&con);
        plan.SetSQL(QStringLiteral("EXPLAIN QUERY PLAN ") + TBoardQueries::NotAssignedSql(con.Dialect(), 0));
        plan.Open();
        QStringList steps;
        for (; !plan.Eof(); plan.Next())
            steps << plan.FieldByName(QStringLiteral("detail")).AsString();
        EXPECT_TRUE(steps.join(u'\n').contains(QStringLiteral("SEARCH Invoices USING INDEX IX_Invoices_"))) << steps.join(u'\n').toStdString();
        EXPECT_FALSE(steps.join(u'\n').contains(QStringLiteral("SCAN"))) << steps.join(u'\n').toStdString();
    }
}

TRELVO_ENGINE_TEST_SUITE(BoardViews);

} // namespace
