#include "BoardFixture.h"

#include "support/StrictPrompts.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

const QString DriverPrompt = S("Enter Driver Password");
const QString ReassignQuestion = S("Are you sure you want to re-assign tagged invoices to a different driver?");

// Driver 201 (password 1111) is on shift 1 since 15:30; driver 202 (2222) has not clocked
// in; 110 (5555) is a cashier.
class DriverDispatch : public TBoardTest {
protected:
    void SetUp() override
    {
        TBoardTest::SetUp();
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRV', 'Driver')"));
        con.Exec(S("UPDATE Employee SET FirstName = 'Themba' WHERE EmpNum = '201'"));
        con.Exec(S("INSERT INTO Employee (EmpNum, FirstName, LastName) VALUES ('202', 'Lerato', 'Dlamini')"));
        for (const auto &[empNum, password, driver] : {std::tuple{"201", "1111", true}, {"202", "2222", true}, {"110", "5555", false}}) {
            TAdoCommand update(&con);
            update.SetCommandText(S("UPDATE Employee SET Category = 'DRV', Password = :Password, Active = :Active, DoesDeliveries = :Driver, "
                                    "DatePasswordChanged = :Changed WHERE EmpNum = :EmpNum"));
            update.ParamByName(S("Password")).SetString(S(password));
            update.ParamByName(S("Active")).SetBoolean(true);
            update.ParamByName(S("Driver")).SetBoolean(driver);
            update.ParamByName(S("Changed")).SetDateTime(Now - 1);
            update.ParamByName(S("EmpNum")).SetString(S(empNum));
            update.Execute();
        }
        TAdoCommand shift(&con);
        shift.SetCommandText(S("UPDATE Attend SET InDateTime = :In, ClockedOut = :Out, OnDelivery = :Out WHERE InvoiceLink = 1"));
        shift.ParamByName(S("In")).SetDateTime(Now - 3.0 / 24);
        shift.ParamByName(S("Out")).SetBoolean(false);
        shift.Execute();
        // The shifts above were inserted with their keys; new ones must not collide.
        if (GetParam() == TEngine::PostgreSQL)
            con.Exec(S("SELECT setval(pg_get_serial_sequence('attend', 'invoicelink'), 100)"));
    }

    void AddThreeOrders()
    {
        AddOrder(1, Now - 30 * Minute, Now + 5 * Minute);
        AddOrder(2, Now - 30 * Minute, Now + 10 * Minute);
        AddOrder(3, Now - 30 * Minute, Now + 15 * Minute);
    }
    void Tag(std::initializer_list<qlonglong> invoiceNums)
    {
        for (qlonglong invoiceNum : invoiceNums) {
            ASSERT_TRUE(board->Model().Locate(invoiceNum));
            board->MarkRecord();
        }
    }
    void Cooked(int invoiceNum)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("UPDATE Invoices SET TimeStampCooked = :Cooked WHERE InvoiceNum = :InvoiceNum"));
        cmd.ParamByName(S("Cooked")).SetDateTime(Now - 5 * Minute);
        cmd.ParamByName(S("InvoiceNum")).SetInteger(invoiceNum);
        cmd.Execute();
    }

    // Who has each order, as "Driver/DriverLink/TransType", "-" when unassigned.
    QStringList Holders(int count)
    {
        QStringList holders;
        for (int invoiceNum = 1; invoiceNum <= count; ++invoiceNum) {
            TAdoQuery q(&con);
            q.SetSQL(S("SELECT Driver, DriverLink, TransType, TimeToDrvr FROM Invoices WHERE InvoiceNum = :N"));
            q.ParamByName(S("N")).SetInteger(invoiceNum);
            q.Open();
            const bool assigned = !q.FieldByName(S("TimeToDrvr")).IsNull() && q.FieldByName(S("TimeToDrvr")).AsDateTime() > 0;
            holders.append(assigned ? QStringList{q.FieldByName(S("Driver")).AsString(), q.FieldByName(S("DriverLink")).AsString(),
                                                  q.FieldByName(S("TransType")).AsString()}
                                          .join(u'/')
                                    : S("-"));
        }
        return holders;
    }
    // Departure and return of an order as minutes after Now; nothing when not stamped.
    std::pair<std::optional<qlonglong>, std::optional<qlonglong>> Stamps(int invoiceNum)
    {
        TAdoQuery q(&con);
        q.SetSQL(S("SELECT TimeStampDriver, DriverReturn FROM Invoices WHERE InvoiceNum = :N"));
        q.ParamByName(S("N")).SetInteger(invoiceNum);
        q.Open();
        const auto minutes = [&](const char *column) -> std::optional<qlonglong> {
            const TField &field = q.FieldByName(S(column));
            if (field.IsNull())
                return std::nullopt;
            return std::llround((field.AsDateTime() - Now) / Minute);
        };
        return {minutes("TimeStampDriver"), minutes("DriverReturn")};
    }
    bool OnDelivery(int invoiceLink) { return Scalar(QStringLiteral("SELECT COUNT(*) FROM Attend WHERE InvoiceLink = %1 AND OnDelivery <> 0").arg(invoiceLink)) == 1; }
    qlonglong Shifts() { return Scalar(S("SELECT COUNT(*) FROM Attend")); }
};
TRELVO_ENGINE_TEST_SUITE(DriverDispatch);

TEST_P(DriverDispatch, AnUncookedOrderIsLeftOutAndTheRestGoToTheDriver)
{
    AddThreeOrders();
    Cooked(1);
    Cooked(3);
    TBoardSettings settings;
    settings.itemsCookedActive = true;
    Board(settings).FormShow();
    Tag({3, 2, 1});

    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("1111"));
    prompts.ExpectExactMessage(mtInformation, S("Order 102 not yet processed"));
    board->AssignOrReassign();

    EXPECT_EQ(Holders(3), (QStringList{S("201/1/3"), S("-"), S("201/1/3")}));
    EXPECT_TRUE(board->Model().Tags().IsEmpty());
    EXPECT_EQ(Shown(), (QList<qlonglong>{2})) << "refreshed: the assigned orders left the view";
}

TEST_P(DriverDispatch, ASettingChangedInItsWindowHoldsAtOnce)
{
    TBoardSettings settings;
    board = std::make_unique<TDispatchBoard>(con, TBoardSettingsSource([&settings] { return settings; }));
    AddThreeOrders();
    board->Model().SetLayout(TGridLayout::Parse(S("TimeStampCooked\t14\tCooked")));
    board->FormShow();
    const auto showsCooked = [this] {
        const TBoardModel &model = board->Model();
        for (int column = 0; column < model.columnCount(); ++column)
            if (model.FieldAt(column) == TBoardField::TimeStampCooked)
                return true;
        return false;
    };
    EXPECT_FALSE(showsCooked());
    settings.itemsCookedActive = true;
    board->SettingsChanged();
    EXPECT_TRUE(showsCooked());

    Tag({1});
    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("1111"));
    prompts.ExpectExactMessage(mtInformation, S("Order 101 not yet processed"));
    board->AssignOrReassign();
}

TEST_P(DriverDispatch, ARefreshUnderThePasswordPromptChangesNoneOfTheOrdersHandedOver)
{
    AddThreeOrders();
    AddOrder(5, Now - 30 * Minute, Now + 20 * Minute);
    Board().FormShow();
    Tag({1, 3, 5});

    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("1111"), [this] {
        AddOrder(4, Now - 40 * Minute, Now);  // comes first: every row moves down
        SetStatus(3, 1);                     // 3 is closed at a till meanwhile
        TAdoCommand elsewhere(&con);  // and 5 is given to a driver at another station
        elsewhere.SetCommandText(S("UPDATE Invoices SET TimeToDrvr = :At, Driver = '202' WHERE InvoiceNum = 5"));
        elsewhere.ParamByName(S("At")).SetDateTime(Now);
        elsewhere.Execute();
        board->timerRefreshDataTimer();
        ASSERT_EQ(Shown(), (QList<qlonglong>{4, 1, 2}));
    });
    board->AssignOrReassign();

    EXPECT_EQ(Holders(4), (QStringList{S("201/1/3"), S("-"), S("-"), S("-")}));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Invoices WHERE InvoiceNum = 5 AND Driver = '202'")), 1);
    EXPECT_EQ(Shown(), (QList<qlonglong>{4, 2}));
}

TEST_P(DriverDispatch, RefusalsAssignNothingAndKeepTheTags)
{
    struct Case {
        const char *name;
        std::function<void(TStrictPrompts &)> script;
    };
    const std::vector<Case> cases{
        {"cancelled password", [](TStrictPrompts &p) { p.ExpectPassword(DriverPrompt, std::nullopt); }},
        {"wrong password",
         [](TStrictPrompts &p) {
             p.ExpectPassword(DriverPrompt, S("9999"));
             p.ExpectMessage(S("The password entered is not associated with any existing employee"));
         }},
        {"not a driver",
         [](TStrictPrompts &p) {
             p.ExpectPassword(DriverPrompt, S("5555"));
             p.ExpectExactMessage(mtInformation, S("This employee does not do deliveries"));
         }},
        {"clock-in cancelled",
         [](TStrictPrompts &p) {
             p.ExpectPassword(DriverPrompt, S("2222"));
             p.ExpectOdometer(S("202"), std::nullopt);
         }},
    };
    AddThreeOrders();
    Board().FormShow();
    Tag({2});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TStrictPrompts prompts;
        c.script(prompts);
        board->AssignTaggedInvoices();
        EXPECT_EQ(Holders(3), (QStringList{S("-"), S("-"), S("-")}));
        EXPECT_EQ(board->Model().Tags().InOrder(), (QList<qlonglong>{2}));
    }
    EXPECT_EQ(Shifts(), 2) << "no shift opened";

    board->Model().UntagAll();
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtError, S("There are no tagged invoices"));
    board->AssignOrReassign();
}

TEST_P(DriverDispatch, ADriverNotClockedInIsClockedInOnTheSpotAndGetsTheOrders)
{
    AddThreeOrders();
    Board().FormShow();
    Tag({2});
    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("2222"));
    prompts.ExpectOdometer(S("202"), TOdometerEntry{15000, Currency::FromUnits(100), 0});
    board->AssignOrReassign();
    const qlonglong shift = Scalar(S("SELECT InvoiceLink FROM Attend WHERE EmpNum = '202'"));
    EXPECT_EQ(Holders(3), (QStringList{S("-"), S("202/") + QString::number(shift) + S("/3"), S("-")}));
}

TEST_P(DriverDispatch, ReassigningAsksFirstAndKeepsTheDepartureAlreadyStored)
{
    AddOrder(1, Now - 30 * Minute, Now + 5 * Minute, Now - 20 * Minute, 0, 3, 1, Now - 10 * Minute);
    con.Exec(S("UPDATE Invoices SET Driver = '201' WHERE InvoiceNum = 1"));
    con.Exec(S("INSERT INTO Attend (InvoiceLink, EmpNum, ClockedOut, OnDelivery) VALUES (3, '202', 0, 0)"));
    TAdoCommand in(&con);
    in.SetCommandText(S("UPDATE Attend SET InDateTime = :In WHERE InvoiceLink = 3"));
    in.ParamByName(S("In")).SetDateTime(Now - 1.0 / 24);
    in.Execute();
    Board().FormShow();
    board->SwitchView();
    ASSERT_TRUE(board->ShowingAssigned());
    Tag({1});

    {
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtWarning, ReassignQuestion, mrNo);
        AddOrder(2, Now - 30 * Minute, Now + 5 * Minute, Now - 5 * Minute);
        board->AssignOrReassign();
        EXPECT_EQ(Holders(1), (QStringList{S("201/1/3")}));
        EXPECT_EQ(Shown(), (QList<qlonglong>{1, 2})) << "refreshed after No as well";
        EXPECT_EQ(board->Model().Tags().InOrder(), (QList<qlonglong>{1}));
    }
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtWarning, ReassignQuestion, mrYes);
    prompts.ExpectPassword(DriverPrompt, S("2222"));
    board->AssignOrReassign();
    EXPECT_EQ(Holders(2), (QStringList{S("202/3/3"), S("/1/3")})) << "only the tagged order moves";
    EXPECT_EQ(Stamps(1).first, -10) << "the departure stays";
}

TEST_P(DriverDispatch, EveryAttemptIsPrintedWhenTheTillPrintsAssignedOrders)
{
    for (const bool print : {false, true}) {
        SCOPED_TRACE(print);
        board.reset();
        con.Exec(S("DELETE FROM Invoices"));
        AddThreeOrders();
        TBoardSettings settings;
        settings.printAssignedInvoices = print;
        Board(settings).FormShow();
        QList<qlonglong> printed;
        board->PrintTransaction = [&](qlonglong invoiceNum) { printed.append(invoiceNum); };
        Tag({3, 1});
        TStrictPrompts prompts;
        prompts.ExpectPassword(DriverPrompt, S("1111"));
        board->AssignOrReassign();
        EXPECT_EQ(printed, (print ? QList<qlonglong>{3, 1} : QList<qlonglong>{}));
    }
}

TEST_P(DriverDispatch, AFailingAssignmentIsReportedAndTheNextOrderStillGoes)
{
    AddThreeOrders();
    TBoardSettings settings;
    settings.printAssignedInvoices = true;
    Board(settings).FormShow();
    QList<qlonglong> printed;
    board->PrintTransaction = [&](qlonglong invoiceNum) { printed.append(invoiceNum); };
    Tag({1, 2});
    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("1111"), [this] { con.Exec(S("ALTER TABLE Invoices RENAME TO InvoicesAway")); });
    prompts.ExpectMessage(S("Failed to assign invoice 1 to employee 201\r\rReason: "));
    prompts.ExpectMessage(S("Failed to assign invoice 2 to employee 201\r\rReason: "));
    prompts.ExpectMessage(S("Failed to refresh invoices being prepared"));
    board->AssignOrReassign();
    con.Exec(S("ALTER TABLE InvoicesAway RENAME TO Invoices"));
    EXPECT_EQ(printed, (QList<qlonglong>{1, 2})) << "printed after every attempt";
    EXPECT_TRUE(board->Model().Tags().IsEmpty());
    EXPECT_EQ(Holders(3), (QStringList{S("-"), S("-"), S("-")}));
}

TEST_P(DriverDispatch, DriverInOutWithoutOrdersSinceFiveTellsTheDriverForTenSeconds)
{
    const TDateTime fiveToFive = DateTimes::EncodeDateTime(2024, 3, 5, 4, 55);
    AddOrder(1, fiveToFive - 30 * Minute, fiveToFive, fiveToFive);
    TBoardSettings settings;
    settings.logDriverTimes = true;
    Board(settings).FormShow();
    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("1111"));
    prompts.ExpectExactMessage(mtInformation, S("Employee Nkosi, Themba [201] hasn't any assigned invoices.\rFor date: Tuesday - 05/03/2024"));
    board->Perform(TBoardAction::DriverInOut);  // Enter, in the Not Assigned view too
    EXPECT_EQ(prompts.MessageTimeouts(), (QList<int>{10}));
    EXPECT_EQ(Stamps(1), std::pair(std::optional<qlonglong>{}, std::optional<qlonglong>{}));
    EXPECT_FALSE(OnDelivery(1));
}

TEST_P(DriverDispatch, DriverInOutStampsDeparturesAndReturnsInTurnWhenLogging)
{
    const TDateTime yesterday = Now - 1;
    AddOrder(1, Now - 60 * Minute, Now, Now - 20 * Minute);
    AddOrder(2, Now - 60 * Minute, Now, Now - 15 * Minute);
    // Left yesterday and never came back: today's return is not his.
    AddOrder(3, yesterday - 60 * Minute, yesterday, yesterday - 20 * Minute, 0, 3, 1, yesterday - 10 * Minute);
    TBoardSettings settings;
    settings.logDriverTimes = true;
    Board(settings).FormShow();
    board->SwitchView();

    const auto press = [&](TDateTime at, const char *message) {
        SCOPED_TRACE(message);
        SetClock(at);
        TStrictPrompts prompts;
        prompts.ExpectPassword(DriverPrompt, S("1111"));
        prompts.ExpectExactMessage(mtInformation, S("Driver Nkosi, Themba [201] ") + S(message));
        board->Perform(TBoardAction::DriverInOut);
        EXPECT_EQ(prompts.MessageTimeouts(), (QList<int>{10}));
    };
    press(Now + 0.4 / 86'400, "has left");  // stamped to the second
    EXPECT_EQ(Stamps(1), std::pair(std::optional<qlonglong>{0}, std::optional<qlonglong>{}));
    EXPECT_EQ(Stamps(2), std::pair(std::optional<qlonglong>{0}, std::optional<qlonglong>{}));
    EXPECT_EQ(Stamps(3).first, -1450) << "already left: kept";
    EXPECT_TRUE(OnDelivery(1));

    press(Now + 20 * Minute, "has returned");
    EXPECT_EQ(Stamps(1), std::pair(std::optional<qlonglong>{0}, std::optional<qlonglong>{20}));
    EXPECT_EQ(Stamps(2), std::pair(std::optional<qlonglong>{0}, std::optional<qlonglong>{20}));
    EXPECT_EQ(Stamps(3).second, std::nullopt);
    EXPECT_FALSE(OnDelivery(1));

    AddOrder(4, Now - 60 * Minute, Now + 30 * Minute, Now + 25 * Minute);
    press(Now + 30 * Minute, "has left");
    EXPECT_EQ(Stamps(1).first, 0);
    EXPECT_EQ(Stamps(4), std::pair(std::optional<qlonglong>{30}, std::optional<qlonglong>{}));
    EXPECT_TRUE(OnDelivery(1));
}

TEST_P(DriverDispatch, DriverInOutWithoutLoggingWritesAndShowsNothing)
{
    AddOrder(1, Now - 60 * Minute, Now, Now - 20 * Minute);
    Board().FormShow();
    TStrictPrompts prompts;
    prompts.ExpectPassword(DriverPrompt, S("1111"));
    board->DriverInOut();
    EXPECT_EQ(Stamps(1), std::pair(std::optional<qlonglong>{}, std::optional<qlonglong>{}));
    EXPECT_FALSE(OnDelivery(1));
}

} // namespace
