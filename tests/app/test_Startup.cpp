#include "app/Startup.h"
#include "tills/modTillID.h"
#include "support/FixedClock.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"

#include <QStringList>

namespace {

// Records the steps start-up takes; each answer is set by the test.
class TRecordedSteps : public TStartupSteps {
public:
    bool firstInstance = true;
    QList<bool> connects{true, true};
    int till = 1;
    bool clockConfirmed = true;
    QStringList taken;

    bool FirstInstance() override { return Take("instance", firstInstance); }
    bool Connect() override { return Take("connect", connects.takeFirst()); }
    int ResolveTillNumber() override
    {
        taken << QStringLiteral("till");
        return till;
    }
    void LoadSettings(int tillNumber) override { taken << QStringLiteral("settings %1").arg(tillNumber); }
    void CreateMainWindow() override { taken << QStringLiteral("main window"); }
    void ShowSplash(const QString &text) override { taken << QStringLiteral("splash: ") + text; }
    void CloseSplash() override { taken << QStringLiteral("close splash"); }
    void EnableRefresh() override { taken << QStringLiteral("refresh timer"); }
    bool ConfirmSystemTime() override { return Take("clock", clockConfirmed); }

private:
    bool Take(const char *step, bool result)
    {
        taken << QString::fromLatin1(step);
        return result;
    }
};

TEST(Startup, RunsItsStepsInOrderAndStopsAtTheFirstFailure)
{
    const QStringList all{QStringLiteral("instance"), QStringLiteral("connect"), QStringLiteral("till"), QStringLiteral("settings 3"),
                          QStringLiteral("main window"), QStringLiteral("splash: Connecting To Server..."), QStringLiteral("connect"),
                          QStringLiteral("close splash"), QStringLiteral("refresh timer"), QStringLiteral("clock")};
    const struct {
        const char *name;
        void (*arrange)(TRecordedSteps &);
        bool runs;
        QStringList taken;
    } cases[] = {
        {"all goes well", [](TRecordedSteps &) {}, true, all},
        {"a second copy ends at once", [](TRecordedSteps &s) { s.firstInstance = false; }, false, all.mid(0, 1)},
        {"the first connection fails", [](TRecordedSteps &s) { s.connects = {false}; }, false, all.mid(0, 2)},
        {"no till: no settings, no window", [](TRecordedSteps &s) { s.till = -1; }, false, all.mid(0, 3)},
        {"the second connection fails after the splash showed", [](TRecordedSteps &s) { s.connects = {true, false}; }, false,
         all.mid(0, 8)},
        {"the clock is refused", [](TRecordedSteps &s) { s.clockConfirmed = false; }, false, all},
    };
    for (const auto &c : cases) {
        TRecordedSteps steps;
        steps.till = 3;
        c.arrange(steps);
        EXPECT_EQ(Startup::Run(steps), c.runs) << c.name;
        EXPECT_EQ(steps.taken, c.taken) << c.name << ": " << steps.taken.join(QStringLiteral(" | ")).toStdString();
    }
}

class StartupData : public TDatabaseTest {
protected:
    static constexpr TDateTime Minute = 1.0 / 1440.0;
    static inline const TDateTime Now = DateTimes::EncodeDateTime(2024, 3, 5, 18, 30);

    void AddInvoice(int invoiceNum, TDateTime date, int status = 0)
    {
        TAdoCommand insert(&con);
        insert.SetCommandText(QStringLiteral("INSERT INTO Invoices (InvoiceNum, Date, Status, TransType) VALUES (:Num, :Date, :Status, 3)"));
        insert.ParamByName(QStringLiteral("Num")).SetInteger(invoiceNum);
        insert.ParamByName(QStringLiteral("Date")).SetDateTime(date);
        insert.ParamByName(QStringLiteral("Status")).SetInteger(status);
        insert.Execute();
    }

    TFixedClock clock{Now};
};

TEST_P(StartupData, TheClockIsSuspectOnlyBeyondItsLimitsAgainstTheNewestOpenInvoice)
{
    const struct {
        const char *name;
        TDateTime newest;
        bool suspect;
    } cases[] = {
        {"newest exactly 30 minutes ahead of the clock", Now + 30 * Minute, false},
        {"newest 31 minutes ahead: the clock is behind", Now + 31 * Minute, true},
        {"newest exactly 3 days behind the clock", Now - 3.0, false},
        {"newest 3 days and a minute behind", Now - 3.0 - Minute, true},
        {"newest a moment ago", Now - Minute, false},
    };
    int invoice = 0;
    for (const auto &c : cases) {
        con.Exec(QStringLiteral("DELETE FROM Invoices"));
        AddInvoice(++invoice, c.newest);
        AddInvoice(++invoice, Now + 2.0, 1);  // closed invoices do not count
        AddInvoice(++invoice, c.newest - 10 * Minute);
        EXPECT_EQ(Startup::SystemTimeIsSuspect(con), c.suspect) << c.name;
    }
}

TEST_P(StartupData, WithNoOpenInvoiceTheClockCannotBeJudgedAndIsTrusted)
{
    AddInvoice(1, Now - 30.0, 1);
    TStrictPrompts prompts;
    EXPECT_FALSE(Startup::SystemTimeIsSuspect(con));
    EXPECT_TRUE(Startup::ConfirmSystemTime(con));
}

TEST_P(StartupData, ASuspectClockGoesOnOnlyOnYesFromSomeoneWithTheRight)
{
    AddInvoice(1, Now + 31 * Minute);
    const QString question = QStringLiteral("Your computer system time appears to be incorrect.\rPlease correct it. Continue without correcting?");
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtConfirmation, question, mrNo)
        .ExpectExactMessage(mtConfirmation, question, mrYes)
        .ExpectExactMessage(mtInformation, QStringLiteral("There are no activities associated with Activity Code: TM010"));
    EXPECT_FALSE(Startup::ConfirmSystemTime(con)) << "No";
    EXPECT_FALSE(Startup::ConfirmSystemTime(con)) << "Yes, but the suite has no such activity";

    con.Exec(QStringLiteral("INSERT INTO ActCodes (ActCode, Descriptn, LogThis) VALUES ('TM010', 'wrong system time', 0)"));
    con.Exec(QStringLiteral("INSERT INTO EmpCat (Category, Descriptn) VALUES ('MGR', 'Manager')"));
    con.Exec(QStringLiteral("INSERT INTO Permiss (EmpCat, AccessCode) VALUES ('MGR', 'TM010')"));
    con.Exec(QStringLiteral("INSERT INTO Employee (EmpNum, Category, FirstName, LastName, Active, DoesDeliveries, Password) "
                            "VALUES ('101', 'MGR', 'Sam', 'Person', 1, 0, 'ABC')"));
    TAdoCommand shift(&con);
    shift.SetCommandText(QStringLiteral("INSERT INTO Attend (EmpNum, InDateTime, ClockedOut) VALUES ('101', :In, 0)"));
    shift.ParamByName(QStringLiteral("In")).SetDateTime(Now - 60 * Minute);
    shift.Execute();
    prompts.ExpectExactMessage(mtConfirmation, question, mrYes).ExpectPassword(QStringLiteral("Wrong System Time"), QStringLiteral("ABC"));
    EXPECT_TRUE(Startup::ConfirmSystemTime(con)) << "Yes from an employee with the right";
}

TEST_P(StartupData, TheTillIsFoundByComputerNameIgnoringCase)
{
    con.Exec(QStringLiteral("INSERT INTO Tills ([Computer Name], TillID) VALUES ('DISPATCH-2', 4)"));
    con.Exec(QStringLiteral("INSERT INTO Tills ([Computer Name], TillID) VALUES ('dispatch-2', 2)"));
    con.Exec(QStringLiteral("INSERT INTO Tills ([Computer Name], TillID) VALUES ('KITCHEN', 3)"));
    EXPECT_EQ(FindTillOfComputer(&con, QStringLiteral("DISPATCH-2")), 2) << "letter case ignored; the lowest till number wins";
    EXPECT_LT(FindTillOfComputer(&con, QStringLiteral("O'BRIEN-PC")), 1);
}

TRELVO_ENGINE_TEST_SUITE(StartupData);

} // namespace
