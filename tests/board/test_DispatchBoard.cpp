#include "BoardFixture.h"

#include "support/StrictPrompts.h"

namespace {

class DispatchBoard : public TBoardTest {
protected:
    // Three orders due in turn: 1 and 3 in map square B2, 2 in A1.
    void AddThreeOrders()
    {
        AddOrder(1, Now - 30 * Minute, Now + 5 * Minute);
        AddOrder(2, Now - 30 * Minute, Now + 10 * Minute, {}, 0, 3, 2);
        AddOrder(3, Now - 30 * Minute, Now + 15 * Minute);
    }
    // A refresh tick while the invoices cannot be read: the error names what failed and where.
    void ExpectFailedTick(const QString &what, const QString &raisedIn)
    {
        con.Exec(QStringLiteral("ALTER TABLE Invoices RENAME TO InvoicesAway"));
        TStrictPrompts prompts;
        prompts.ExpectMessage(what + QStringLiteral("\rReason: "));
        board->timerRefreshDataTimer();
        con.Exec(QStringLiteral("ALTER TABLE InvoicesAway RENAME TO Invoices"));
        ASSERT_EQ(prompts.Asked().size(), 1);
        const QString text = prompts.Asked().front(), end = QStringLiteral("\r\rException Raised In: ") + raisedIn;
        EXPECT_TRUE(text.endsWith(end)) << text.toStdString();
        EXPECT_GT(text.size(), what.size() + 9 + end.size()) << "the engine's reason";
    }
    void Tag(qlonglong invoiceNum)
    {
        ASSERT_TRUE(board->Model().Locate(invoiceNum));
        board->MarkRecord();
    }
};

TEST_P(DispatchBoard, TagsSurviveARefreshAndLeaveWithTheirOrders)
{
    AddThreeOrders();
    Board().FormShow();
    Tag(2);
    Tag(3);
    Tag(1);
    EXPECT_EQ(board->Model().Tags().InOrder(), (QList<qlonglong>{2, 3, 1})) << "in the order they were tagged";

    AddOrder(4, Now - 30 * Minute, Now);  // comes first, so every row moves down
    SetStatus(1, 1);                         // closed elsewhere: leaves the view
    board->timerRefreshDataTimer();
    ASSERT_EQ(Shown(), (QList<qlonglong>{4, 2, 3}));
    EXPECT_EQ(board->Model().Tags().InOrder(), (QList<qlonglong>{2, 3}));
    const TBoardModel &model = board->Model();
    for (int row = 0; row < model.rowCount(); ++row)
        EXPECT_EQ(model.index(row, 0).data(TBoardModel::TaggedRole).toBool(), Shown()[row] != 4) << "row " << row;
    EXPECT_TRUE(board->timerRefreshData.isActive()) << "re-armed";
}

TEST_P(DispatchBoard, ARefreshKeepsTheCurrentOrderOrFallsBackToTheFirst)
{
    AddThreeOrders();
    Board().FormShow();
    EXPECT_EQ(CurrentInvoice(), 1) << "the first row at start";
    board->Next();
    board->Next();
    board->Next();  // past the end stays on the last row
    EXPECT_EQ(CurrentInvoice(), 3);
    AddOrder(4, Now - 30 * Minute, Now);
    board->RefreshBoard();
    EXPECT_EQ(CurrentInvoice(), 3);
    EXPECT_EQ(board->Model().CurrentRow(), 3);
    SetStatus(3, 1);
    board->RefreshBoard();
    EXPECT_EQ(CurrentInvoice(), 4) << "the order left: the first row";
}

TEST_P(DispatchBoard, GroupPressedThreeTimesSortsByMapReferenceThenBackThenAfresh)
{
    AddThreeOrders();
    Board().FormShow();
    ASSERT_EQ(Shown(), (QList<qlonglong>{1, 2, 3}));
    ASSERT_TRUE(board->Model().Locate(3));
    Tag(3);

    board->ToggleGrouping();
    EXPECT_EQ(Shown(), (QList<qlonglong>{2, 1, 3})) << "A1 before B2, each by due time";
    EXPECT_EQ(board->SortOrder(), 1);
    EXPECT_EQ(CurrentInvoice(), 3) << "the current order stays current";
    EXPECT_TRUE(board->Model().Tags().IsEmpty());
    EXPECT_TRUE(board->TmrSortOrder.isActive());
    EXPECT_EQ(board->GroupCaption(), QStringLiteral("Group (7)"));
    board->TmrSortOrderTimer();
    EXPECT_EQ(board->GroupCaption(), QStringLiteral("Group (7)\r  (20)"));

    board->ToggleGrouping();
    EXPECT_EQ(Shown(), (QList<qlonglong>{1, 2, 3}));
    EXPECT_EQ(board->SortOrder(), 0);
    EXPECT_FALSE(board->TmrSortOrder.isActive());
    EXPECT_EQ(board->Grouping().Count(), -1);
    EXPECT_EQ(board->GroupCaption(), QStringLiteral("Group (7)"));

    board->ToggleGrouping();
    EXPECT_EQ(Shown(), (QList<qlonglong>{2, 1, 3}));
    EXPECT_EQ(board->Grouping().Count(), 0) << "a fresh countdown";
    for (int second = 1; second <= 20; ++second)
        board->TmrSortOrderTimer();
    EXPECT_EQ(board->GroupCaption(), QStringLiteral("Group (7)\r  (1)"));
    EXPECT_EQ(Shown(), (QList<qlonglong>{2, 1, 3})) << "still grouped at the last second";
    board->TmrSortOrderTimer();
    EXPECT_EQ(Shown(), (QList<qlonglong>{1, 2, 3})) << "the countdown ran out";
    EXPECT_EQ(board->GroupCaption(), QStringLiteral("Group (7)"));
    EXPECT_FALSE(board->TmrSortOrder.isActive());
    board->RefreshBoard();
    EXPECT_EQ(Shown(), (QList<qlonglong>{1, 2, 3})) << "refreshes keep the due-time order";
}

TEST_P(DispatchBoard, Keypad7DoesNothingInTheAlreadyAssignedView)
{
    AddThreeOrders();
    AddOrder(4, Now - 30 * Minute, Now, Now - 5 * Minute);
    AddOrder(5, Now - 30 * Minute, Now + Minute, Now - 4 * Minute);
    Board().FormShow();
    const TBoardAction keypad7 = BoardKeys::ActionFor(Qt::Key_7, Qt::KeypadModifier);
    board->Perform(BoardKeys::ActionFor(Qt::Key_5, Qt::KeypadModifier));
    ASSERT_TRUE(board->ShowingAssigned());
    board->Next();
    EXPECT_FALSE(board->Perform(keypad7));
    EXPECT_EQ(Shown(), (QList<qlonglong>{4, 5}));
    EXPECT_EQ(CurrentInvoice(), 5);
    EXPECT_FALSE(board->TmrSortOrder.isActive());
    EXPECT_EQ(board->Grouping().Count(), -1);
    EXPECT_FALSE(board->GroupVisible());

    board->Perform(BoardKeys::ActionFor(Qt::Key_5, Qt::KeypadModifier));
    EXPECT_TRUE(board->Perform(keypad7)) << "in the Not Assigned view it groups";
    EXPECT_EQ(board->SortOrder(), 1);
}

TEST(BoardKeys, KeypadDigitsAndEnterActMainDigitsGoThroughTheMenu)
{
    const struct {
        const char *name;
        int key;
        Qt::KeyboardModifiers modifiers;
        TBoardAction action;
    } cases[] = {
        {"keypad 0", Qt::Key_0, Qt::KeypadModifier, TBoardAction::Quit},
        {"keypad 2", Qt::Key_2, Qt::KeypadModifier, TBoardAction::Next},
        {"keypad 4", Qt::Key_4, Qt::KeypadModifier, TBoardAction::Assign},
        {"keypad 5", Qt::Key_5, Qt::KeypadModifier, TBoardAction::SwitchView},
        {"keypad 6", Qt::Key_6, Qt::KeypadModifier, TBoardAction::Mark},
        {"keypad 7", Qt::Key_7, Qt::KeypadModifier, TBoardAction::Group},
        {"keypad 8", Qt::Key_8, Qt::KeypadModifier, TBoardAction::Prior},
        {"keypad 1", Qt::Key_1, Qt::KeypadModifier, TBoardAction::None},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, TBoardAction::DriverInOut},
        {"Return", Qt::Key_Return, Qt::NoModifier, TBoardAction::DriverInOut},
        {"main 4 (menu shortcut)", Qt::Key_4, Qt::NoModifier, TBoardAction::None},
        {"keypad 6 with Num Lock off", Qt::Key_Right, Qt::KeypadModifier, TBoardAction::None},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BoardKeys::ActionFor(c.key, c.modifiers), c.action) << c.name;
    EXPECT_EQ(BoardKeys::VirtualKeyCode(Qt::Key_6, Qt::KeypadModifier), 102);
    EXPECT_EQ(BoardKeys::VirtualKeyCode(Qt::Key_6, Qt::NoModifier), 54);
    EXPECT_EQ(BoardKeys::VirtualKeyCode(Qt::Key_Enter, Qt::KeypadModifier), 13);
}

TEST_P(DispatchBoard, AFailedRefreshShowsWhyEmptiesTheGridAndRecoversOnTheNextTick)
{
    AddThreeOrders();
    Board().FormShow();
    Tag(2);
    board->timerRefreshData.start();
    ExpectFailedTick(QStringLiteral("Failed to refresh invoices being prepared"), QStringLiteral("TFrmInvoiceAllocation.QueryPreparingInvoices"));
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_TRUE(board->timerRefreshData.isActive()) << "the timer re-arms after the error";

    board->timerRefreshDataTimer();
    EXPECT_EQ(Shown(), (QList<qlonglong>{1, 2, 3}));
    EXPECT_EQ(board->Model().Tags().InOrder(), QList<qlonglong>{2}) << "a passing failure loses no tags";
    EXPECT_EQ(CurrentInvoice(), 2);

    board->SwitchView();
    ExpectFailedTick(QStringLiteral("Failed to refresh the completed invoices"), QStringLiteral("TFrmInvoiceAllocation.QueryFinishedInvoices"));
}

TEST_P(DispatchBoard, SwitchingViewsClearsTagsStopsGroupingAndSetsTheButtons)
{
    AddThreeOrders();
    Board().FormShow();
    EXPECT_EQ(board->MarkCaption(), QStringLiteral("Assign (4)"));
    EXPECT_TRUE(board->GroupVisible());
    EXPECT_FALSE(board->DriverLeavingVisible());
    board->ToggleGrouping();
    Tag(1);
    board->SwitchView();
    EXPECT_TRUE(board->Model().Tags().IsEmpty());
    EXPECT_FALSE(board->TmrSortOrder.isActive());
    EXPECT_EQ(board->Grouping().Count(), -1);
    EXPECT_EQ(board->HeaderCaption(), QStringLiteral("Already Assigned to Drivers"));
    EXPECT_EQ(board->MarkCaption(), QStringLiteral("Re-Assign\r(4)"));
    EXPECT_FALSE(board->GroupVisible());
    EXPECT_TRUE(board->DriverLeavingVisible());
    board->SwitchView();
    EXPECT_EQ(board->SortOrder(), 0);
    EXPECT_EQ(Shown(), (QList<qlonglong>{1, 2, 3}));
}

TEST_P(DispatchBoard, QuitAsksFirstAndAssignOnAnEmptyBoardDoesNothing)
{
    Board().FormShow();
    int quits = 0;
    QObject::connect(board.get(), &TDispatchBoard::QuitConfirmed, board.get(), [&quits] { ++quits; });
    {
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtConfirmation, QStringLiteral("Are you sure you want to quit?"), mrNo)
            .ExpectExactMessage(mtConfirmation, QStringLiteral("Are you sure you want to quit?"), mrYes);
        board->Perform(TBoardAction::Quit);
        EXPECT_EQ(quits, 0);
        board->Perform(TBoardAction::Quit);
        EXPECT_EQ(quits, 1);
        board->Perform(TBoardAction::Assign);  // an empty board: nothing to assign, nothing asked
    }
    AddThreeOrders();
    board->RefreshBoard();
    AddOrder(4, Now - 30 * Minute, Now);
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtError, QStringLiteral("There are no tagged invoices"));
    board->Perform(TBoardAction::Assign);
    EXPECT_EQ(Shown().size(), 4) << "the board refreshes after Assign";
}

TEST_P(DispatchBoard, TheSettingsItemsNeedTheRightOfGL020)
{
    Board();
    const struct {
        const char *name;
        void (TDispatchBoard::*click)();
        const char *editorText;  // empty: the window opens
    } items[] = {
        {"suite settings", &TDispatchBoard::OrvikSettingsClick, "The suite's settings cannot be edited from Trelvo yet."},
        {"program settings", &TDispatchBoard::TrelvoSettingsClick, ""},
    };
    int settingsWindows = 0;
    QObject::connect(board.get(), &TDispatchBoard::TrelvoSettingsRequested, board.get(), [&settingsWindows] { ++settingsWindows; });
    for (const auto &item : items) {
        SCOPED_TRACE(item.name);
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtInformation, QStringLiteral("There are no activities associated with Activity Code: GL020"));
        (board.get()->*item.click)();
    }
    for (const char *sql : {
             "INSERT INTO ActCodes (ActCode, Descriptn, LogThis) VALUES ('GL020', 'settings', 0)",
             "INSERT INTO EmpCat (Category, Descriptn) VALUES ('MGR', 'Manager')",
             "INSERT INTO Permiss (EmpCat, AccessCode) VALUES ('MGR', 'GL020')",
             "UPDATE Employee SET Category = 'MGR', Active = 1, Password = 'ABC' WHERE EmpNum = '110'",
             "UPDATE Employee SET Category = 'MGR', Active = 1, Password = 'XYZ' WHERE EmpNum = '201'",
         })
        con.Exec(QString::fromLatin1(sql));
    TAdoCommand shifts(&con);
    shifts.SetCommandText(QStringLiteral("UPDATE Attend SET InDateTime = :In, ClockedOut = 0"));
    shifts.ParamByName(QStringLiteral("In")).SetDateTime(Now - 60 * Minute);
    shifts.Execute();
    for (const auto &item : items) {
        SCOPED_TRACE(item.name);
        TStrictPrompts prompts;
        prompts.ExpectPassword(QStringLiteral("Settings"), QStringLiteral("NOPE"))
            .ExpectMessage(QStringLiteral("The password entered is not associated with any existing employee"))
            .ExpectPassword(QStringLiteral("Settings"), QStringLiteral("ABC"));
        if (*item.editorText)
            prompts.ExpectExactMessage(mtInformation, QString::fromLatin1(item.editorText));
        (board.get()->*item.click)();
        (board.get()->*item.click)();
    }
    EXPECT_EQ(settingsWindows, 1);
}

TRELVO_ENGINE_TEST_SUITE(DispatchBoard);

} // namespace
