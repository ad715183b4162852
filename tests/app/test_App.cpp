#include "app/clsApp.h"
#include "clocking/FEmpClock.h"
#include "data/clsOrvikSettings.h"
#include "records/clsAttend.h"
#include "support/EngineFixture.h"
#include "support/FixedClock.h"
#include "support/StrictPrompts.h"

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

const TDateTime Noon = DateTimes::EncodeDateTime(2024, 3, 5, 12, 0);
const QString NotAssociated = S("The password entered is not associated with any existing employee");
const QString ChangeQuestion = S("Your password needs to be changed");

class TFakeFingerprint : public TFingerprintWindow {
public:
    bool Initialised() const override { return true; }
    int GetUser(const QString &, QString &empNum) override
    {
        empNum = match;
        return result;
    }
    int result = 1;
    QString match;
};

} // namespace

class AppTest : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        TFixedClock::Set(Noon);
        con.Exec(S("INSERT INTO Tills (TillID) VALUES (3)"));
        settings.SetAdoConnection(&con);
        settings.Load(3);
        m_previous = OrvikSettings;
        OrvikSettings = &settings;
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('MGR', 'Manager')"));
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRV', 'Driver')"));
        con.Exec(S("INSERT INTO Permiss (EmpCat, AccessCode) VALUES ('MGR', 'GL020')"));
        con.Exec(S("INSERT INTO ActCodes (ActCode, Descriptn, LogThis) VALUES ('GL020', 'open settings editor', 1)"));
        con.Exec(S("INSERT INTO ActCodes (ActCode, Descriptn, LogThis) VALUES ('TM010', 'wrong system time', 0)"));
        AddEmployee(S("101"), S("MGR"), S("ABC"), S("INV1"), true);
        AddEmployee(S("102"), S("DRV"), S("XYZ"), S("INV2"), true);
        AddEmployee(S("103"), S("MGR"), S("OLD"), S("INV3"), false);
        AddShift(S("101"));
        AddShift(S("102"));
        AddShift(S("103"));
    }
    void TearDown() override
    {
        DateTimes::SetClock({});
        OrvikSettings = m_previous;
        TDatabaseTest::TearDown();
    }

    void AddEmployee(const QString &empNum, const QString &category, const QString &password, const QString &invoicePassword, bool active)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Employee (EmpNum, Category, FirstName, LastName, Active, DoesDeliveries, Password, "
                             "InvoicePassword, DatePasswordChanged) VALUES (:EmpNum, :Category, 'Sam', :LastName, :Active, 0, "
                             ":Password, :InvoicePassword, :Changed)"));
        cmd.ParamByName(S("EmpNum")).SetString(empNum);
        cmd.ParamByName(S("Category")).SetString(category);
        cmd.ParamByName(S("LastName")).SetString(S("Person") + empNum);
        cmd.ParamByName(S("Active")).SetBoolean(active);
        cmd.ParamByName(S("Password")).SetString(password);
        cmd.ParamByName(S("InvoicePassword")).SetString(invoicePassword);
        cmd.ParamByName(S("Changed")).SetDateTime(Noon - 1);
        cmd.Execute();
    }
    void AddShift(const QString &empNum)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Attend (EmpNum, InDateTime, ClockedOut) VALUES (:EmpNum, :In, 0)"));
        cmd.ParamByName(S("EmpNum")).SetString(empNum);
        cmd.ParamByName(S("In")).SetDateTime(Noon - 2.0 / 24);
        cmd.Execute();
    }
    void PasswordChanged(const QString &empNum, TDateTime when)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("UPDATE Employee SET DatePasswordChanged = :When WHERE EmpNum = :EmpNum"));
        cmd.ParamByName(S("When")).SetDateTime(when);
        cmd.ParamByName(S("EmpNum")).SetString(empNum);
        cmd.Execute();
    }
    QString PasswordOf(const QString &empNum)
    {
        TAdoQuery q(&con);
        q.SetSQL(S("SELECT Password FROM Employee WHERE EmpNum = :EmpNum"));
        q.ParamByName(S("EmpNum")).SetString(empNum);
        q.Open();
        return q.FieldByName(S("Password")).AsString();
    }
    qlonglong Logged() { return Scalar(S("SELECT COUNT(*) FROM Activity")); }

    TOrvikSettings settings;
    TApp app{&con};

private:
    TOrvikSettings *m_previous = nullptr;
};
TRELVO_ENGINE_TEST_SUITE(AppTest);

TEST_P(AppTest, AMissingActivityCodeRefusesWithoutAskingAnybody)
{
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, S("There are no activities associated with Activity Code: XX999"));
    EXPECT_FALSE(app.HasAccess(S("XX999")));
    EXPECT_EQ(Logged(), 0);
}

TEST_P(AppTest, APassingEmployeeIsLoggedAndRemembered)
{
    TStrictPrompts prompts;
    prompts.ExpectPassword(S("Open Settings Editor"), S("ABC"));
    EXPECT_TRUE(app.HasAccess(S("GL020")));
    EXPECT_EQ(app.LastUser, S("101"));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Activity WHERE Employee = '101' AND Station = '3' AND ActCode = 'GL020' "
                       "AND Activity = 'open settings editor'")),
              1);
}

TEST_P(AppTest, WithPersistUserTheSecondCheckAsksNobody)
{
    const struct {
        const char *name;
        bool persist;
    } cases[] = {{"persist on", true}, {"persist off", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        settings.LocalSettings.GenPersistUser->SetAsBoolean(c.persist);
        app.LastUser.clear();
        TStrictPrompts prompts;
        prompts.ExpectPassword(S("Settings"), S("ABC"));
        if (!c.persist)
            prompts.ExpectPassword(S("Settings"), S("XYZ")).ExpectMessage(S("does not have rights"));
        EXPECT_TRUE(app.HasAccess(S("GL020")));
        // With persistence the same employee passes again; without, the driver is refused.
        EXPECT_EQ(app.HasAccess(S("GL020")), c.persist);
        EXPECT_EQ(app.LastUser, S("101"));
    }
}

TEST_P(AppTest, RefusedPasswordsAndEmployees)
{
    const struct {
        const char *name;
        const char *typed;
        const char *message;
    } cases[] = {
        {"an invoice password", "INV1", "The password entered is your Invoice password.\r\rPlease use your normal password."},
        {"an unknown password", "NOPE", "The password entered is not associated with any existing employee\r\rCheck your password and try again"},
        {"quotes are only text", "A' OR '1'='1", "The password entered is not associated with any existing employee"},
        {"a blank entry", " ", "The password entered is not associated with any existing employee"},
        {"no right", "XYZ", "User Person102, Sam [DRV] does not have rights \ropen settings editor"},
        {"inactive", "OLD", "User Person103, Sam [MGR] is marked inactive."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TStrictPrompts prompts;
        prompts.ExpectPassword(S("Settings"), S(c.typed)).ExpectMessage(S(c.message));
        EXPECT_FALSE(app.HasAccess(S("GL020")));
        EXPECT_TRUE(app.LastUser.isEmpty());
    }
    EXPECT_EQ(Logged(), 0);
}

TEST_P(AppTest, ACancelledPasswordEndsSilently)
{
    TStrictPrompts prompts;
    prompts.ExpectPassword(S("Settings"), std::nullopt);
    EXPECT_FALSE(app.HasAccess(S("GL020")));
}

TEST_P(AppTest, APasswordIsChangedOnceItIsAsOldAsTheSettingSays)
{
    settings.GlobalSettings.GenForcePwdChange->SetAsInteger(30);
    const struct {
        const char *name;
        TDateTime changed;
        bool asked;
    } cases[] = {
        {"30 days ago", Noon - 30, true},
        {"29 days and 23 hours ago", Noon - 29 - 23.0 / 24, false},
        {"just now", Noon, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PasswordChanged(S("101"), c.changed);
        TStrictPrompts prompts;
        prompts.ExpectPassword(S("Settings"), S("ABC"));
        if (c.asked)
            prompts.ExpectExactMessage(mtConfirmation,
                                       S("Your password needs to be changed\rIf you don't change it now you will not be able to "
                                         "continue\r\rChange it now"),
                                       mrNo);
        EXPECT_EQ(app.HasAccess(S("GL020")), !c.asked);
    }
}

TEST_P(AppTest, ANewPasswordAnyEmployeeHasIsRefusedAndAskedAgain)
{
    settings.GlobalSettings.GenForcePwdChange->SetAsInteger(30);
    PasswordChanged(S("101"), Noon - 31);
    TStrictPrompts prompts;
    prompts.ExpectPassword(S("Settings"), S("ABC")).ExpectMessage(ChangeQuestion, mrYes);
    for (const char *taken : {"XYZ", "ABC", "INV2", ""})
        prompts.ExpectNewPassword(S(taken)).ExpectExactMessage(mtError, S("The password entered is invalid"));
    prompts.ExpectNewPassword(S("FRESH"));
    EXPECT_TRUE(app.HasAccess(S("GL020")));
    EXPECT_EQ(PasswordOf(S("101")), S("FRESH"));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee WHERE EmpNum = '101' AND Category = 'MGR' AND Active = 1")), 1);

    // The new password now identifies him, without a further change.
    TStrictPrompts again;
    again.ExpectPassword(S("Settings"), S("FRESH"));
    EXPECT_TRUE(app.HasAccess(S("GL020")));
}

TEST_P(AppTest, ARefusedChangeLeavesNobodyIdentified)
{
    settings.GlobalSettings.GenForcePwdChange->SetAsInteger(30);
    PasswordChanged(S("101"), Noon - 31);
    for (const int answer : {mrNo, mrCancel, mrYes}) {
        SCOPED_TRACE(answer);
        TStrictPrompts prompts;
        prompts.ExpectPassword(S("Driver"), S("ABC")).ExpectMessage(ChangeQuestion, answer);
        if (answer == mrYes)
            prompts.ExpectNewPassword(std::nullopt);
        TAttend record;
        EXPECT_FALSE(app.IdentifyEmployee(S("Enter Driver password"), record));
        EXPECT_TRUE(record.Empty());
    }
    EXPECT_EQ(PasswordOf(S("101")), S("ABC"));
}

TEST_P(AppTest, ANotClockedInEmployeePassesOnlyWhenClockedInNow)
{
    con.Exec(S("DELETE FROM Attend"));
    const struct {
        quint8 result;
        bool passes;
    } cases[] = {{ciClockedIn, true}, {ciAlreadyClockedIn, false}, {ciNotClockedIn, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.result);
        QStringList clocked;
        app.ClockInEmployee = [&](const QString &empNum) {
            clocked << empNum;
            return c.result;
        };
        TStrictPrompts prompts;
        prompts.ExpectPassword(S("Settings"), S("ABC"));
        EXPECT_EQ(app.HasAccess(S("GL020")), c.passes);
        EXPECT_EQ(clocked, QStringList{S("101")});
    }
}

TEST_P(AppTest, TheClockInWritesTheShiftBeforeAccessIsGiven)
{
    con.Exec(S("DELETE FROM Attend"));
    TStrictPrompts prompts;
    prompts.ExpectPassword(S("Settings"), S("ABC"));
    EXPECT_TRUE(app.HasAccess(S("GL020")));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Attend WHERE EmpNum = '101' AND ClockedOut = 0")), 1);
    EXPECT_EQ(Logged(), 1);
}

TEST_P(AppTest, LogActivityCutsTheTextAndNeedsAnEmployee)
{
    const QString longText = QString(60, u'x');
    app.LogActivity(3, longText, S("GL020"), QString());
    EXPECT_EQ(Logged(), 0);
    app.LogActivity(3, longText, S("GL020"), S("101"));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Activity WHERE Activity = '") + QString(50, u'x') + S("'")), 1);
}

TEST_P(AppTest, IdentifyEmployeeByFingerprintLoadsTheMatchedDriver)
{
    settings.LocalSettings.GenUseFingerprint->SetAsBoolean(true);
    TFakeFingerprint reader;
    reader.match = S("102");
    app.FingerPrintWindow = &reader;
    TStrictPrompts prompts;
    TAttend record;
    EXPECT_TRUE(app.IdentifyEmployee(S("Enter Driver password"), record));
    EXPECT_EQ(record.EmpNum, S("102"));
    EXPECT_FALSE(record.ClockedOut);

    reader.result = 0;
    prompts.ExpectMessage(S("The fingerprint detected is not associated with"));
    EXPECT_FALSE(app.IdentifyEmployee(S("Enter Driver password"), record));
    EXPECT_TRUE(record.Empty());
}

TEST_P(AppTest, CheckAccessWithFingerprintsButNoWindowRefuses)
{
    settings.LocalSettings.GenUseFingerprint->SetAsBoolean(true);
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, S("Fingerprints not available at this time"));
    EXPECT_FALSE(app.HasAccess(S("GL020")));
}

TEST_P(AppTest, GetEmployeeNumberGivesTheActiveOwnerOfThePassword)
{
    TStrictPrompts prompts;
    prompts.ExpectPassword(S("Enter Your Password"), S("XYZ"));
    EXPECT_EQ(app.GetEmployeeNumber(S("enter your password")), S("102"));
    prompts.ExpectPassword(S("Enter Your Password"), S("OLD")).ExpectMessage(S("This employee record has been marked inactive."));
    EXPECT_EQ(app.GetEmployeeNumber(S("enter your password")), QString());
}

TEST_P(AppTest, GetNoOfDeliveriesCountsTheInvoicesOfHisShifts)
{
    con.Exec(S("INSERT INTO Invoices (DriverLink) SELECT InvoiceLink FROM Attend WHERE EmpNum = '102'"));
    con.Exec(S("INSERT INTO Invoices (DriverLink) SELECT InvoiceLink FROM Attend WHERE EmpNum = '102'"));
    con.Exec(S("INSERT INTO Invoices (DriverLink) SELECT InvoiceLink FROM Attend WHERE EmpNum = '101'"));
    EXPECT_EQ(app.GetNoOfDeliveries(S("102")), 2);
    EXPECT_EQ(app.GetNoOfDeliveries(S("O'Brien")), 0);
}
