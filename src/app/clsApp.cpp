#include "clsApp.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"
#include "clocking/FEmpClock.h"
#include "data/clsOrvikSettings.h"
#include "records/clsActCodes.h"
#include "records/clsAttend.h"

#include <QCoreApplication>
#include <cmath>
#include <memory>

TApp *App = nullptr;

namespace {

const QString PasswordColumn = QStringLiteral("Password");

bool LocalFlag(TSysDataItem *TOrvikLocalSettings::*item)
{
    return OrvikSettings && OrvikSettings->LocalSettings.*item && (OrvikSettings->LocalSettings.*item)->AsBoolean();
}

qlonglong ForcePasswordChangeDays()
{
    if (OrvikSettings && OrvikSettings->GlobalSettings.GenForcePwdChange)
        return OrvikSettings->GlobalSettings.GenForcePwdChange->AsInteger();
    return 0;
}

// Whole days, counted in milliseconds so that day counts held as doubles do not lose one.
qlonglong WholeDaysBetween(TDateTime from, TDateTime to)
{
    const qlonglong ms = std::llround((to - from) * DateTimes::MsPerDay);
    return ms / static_cast<qlonglong>(DateTimes::MsPerDay);
}

} // namespace

TApp::TApp(TAdoConnection *connection)
    : ClockInEmployee([connection](const QString &empNum) { return TfrmEmpClock(connection).ClockInEmployee(empNum); }),
      m_connection(connection)
{
}

bool TApp::FingerprintInUse() const
{
    return LocalFlag(&TOrvikLocalSettings::GenUseFingerprint);
}

bool TApp::FingerprintReady() const
{
    return FingerprintInUse() && FingerPrintWindow && FingerPrintWindow->Initialised();
}

bool TApp::CheckAccess(const QString &code)
{
    TAttend attend;
    attend.SetAdoConnection(m_connection);
    attend.DayStart = ConfiguredDayStart();
    TActCodesItem actCode;
    actCode.SetAdoConnection(m_connection);

    if (!actCode.LoadByCode(code)) {
        ShowInformation(QStringLiteral("There are no activities associated with Activity Code: ") + code);
        return false;
    }
    const QString activity = actCode.Descriptn();

    if (LocalFlag(&TOrvikLocalSettings::GenPersistUser) && !LastUser.isEmpty()) {
        attend.LoadByField(QStringLiteral("Employee.EmpNum"), LastUser);
    } else if (!FingerprintInUse()) {
        if (GetPassword(ProperCase(activity), &attend).isEmpty())
            return false;
    } else {
        if (!FingerPrintWindow) {
            ShowInformation(QStringLiteral("Fingerprints not available at this time"));
            return false;
        }
        if (GetFingerPrint(ProperCase(activity), &attend).isEmpty())
            return false;
    }

    if (attend.Empty()) {
        ShowInformation(QStringLiteral("Failed to load an attendance record for the current employee for one of the following reasons\r\r"
                                       "1: The employee does not exist.\r2: The employee has not clocked in yet\r"
                                       "3: The entered password does not belong to any employee"));
        return false;
    }
    const QString who = QStringLiteral("User ") + attend.LastName + QStringLiteral(", ") + attend.FirstName + QStringLiteral(" [") +
                        attend.Category + QStringLiteral("]");
    if (!attend.HasAccessCode(code)) {
        ShowInformation(who + QStringLiteral(" does not have rights ") + u'\r' + actCode.Descriptn());
        return false;
    }
    if (!attend.Active) {
        ShowInformation(who + QStringLiteral(" is marked inactive."));
        return false;
    }
    if (attend.ClockedOut && ClockInEmployee(attend.EmpNum) != ciClockedIn)
        return false;
    if (attend.InvoiceLink == 0)
        attend.LoadByEmpNum(attend.EmpNum);
    if (actCode.LogThis())
        LogActivity(OrvikSettings ? OrvikSettings->TillID : 0, activity, code, attend.EmpNum);

    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    LastUser = attend.EmpNum;
    return true;
}

bool TApp::HasAccess(const QString &code)
{
    try {
        return CheckAccess(code);
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not get employee access.\rReason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in TApp.HasAccess"));
        return false;
    }
}

void TApp::LogActivity(int till, const QString &text, const QString &code, const QString &empNum)
{
    if (empNum.isEmpty())
        return;
    const TDateTime now = DateTimes::Now();
    TAdoCommand command(m_connection);
    command.SetCommandText(QStringLiteral("INSERT INTO Activity (Employee, Station, ActCode, Activity, Date, Time ) "
                                          "VALUES(:Employee, :Station, :ActCode, :Activity, :Date, :Time)"));
    command.ParamByName(QStringLiteral("Employee")).SetString(empNum);
    command.ParamByName(QStringLiteral("Station")).SetString(QString::number(till));
    command.ParamByName(QStringLiteral("ActCode")).SetString(code);
    command.ParamByName(QStringLiteral("Activity")).SetString(LeftStr(text, 50));
    command.ParamByName(QStringLiteral("Date")).SetDateTime(now);
    // The time of day alone, as the suite's time columns hold it.
    command.ParamByName(QStringLiteral("Time")).SetDateTime(DateTimes::TimeOf(now));
    command.Execute();
}

QString TApp::GetPassword(const QString &prompt, TAttend *record)
{
    std::unique_ptr<TAttend> own;
    if (!record) {
        own = std::make_unique<TAttend>();
        own->DayStart = ConfiguredDayStart();
        record = own.get();
    }
    record->SetAdoConnection(m_connection);
    try {
        const std::optional<QString> entered = Prompts().Password(prompt);
        if (!entered)
            return {};
        // A blank entry would match every employee whose password was left blank.
        if (entered->trimmed().isEmpty() || !record->LoadByField(PasswordColumn, *entered)) {
            record->SetEmpty(true);
            if (!entered->trimmed().isEmpty() && !record->PasswordIsUnused(*entered, TPasswordKind::Invoice))
                ShowError(QStringLiteral("The password entered is your Invoice password.\r\rPlease use your normal password."));
            else
                ShowError(QStringLiteral("The password entered is not associated with any existing employee\r\r"
                                         "Check your password and try again"));
            return {};
        }
        const qlonglong maxAge = ForcePasswordChangeDays();
        if (maxAge > 0 && WholeDaysBetween(record->DatePasswordChanged(), DateTimes::Now()) >= maxAge) {
            const int answer = MessageDialog(QStringLiteral("Your password needs to be changed\rIf you don't change it now you will not be "
                                                            "able to continue\r\rChange it now"),
                                             mtConfirmation, {mbYes, mbNo, mbCancel});
            // Refused or failed: the employee is not identified, so nothing stays loaded.
            if (answer != mrYes || !ChangePassword(*record)) {
                record->SetEmpty(true);
                return {};
            }
            return record->Password();
        }
        return *entered;
    } catch (const std::exception &e) {
        record->SetEmpty(true);
        ShowError(FailureText(QStringLiteral("Orvik failed to get the employee password"), ExceptionMessage(e),
                              QStringLiteral("TApp.GetPassword")));
        return {};
    }
}

bool TApp::ChangePassword(TEmployee &record)
{
    QString password;
    for (;;) {
        const std::optional<QString> entered = Prompts().ConfirmNewPassword();
        if (!entered)
            return false;
        password = *entered;
        // Any employee's password, normal or invoice, would make the typed one ambiguous.
        if (!password.trimmed().isEmpty() && record.PasswordIsUnused(password, TPasswordKind::Normal) &&
            record.PasswordIsUnused(password, TPasswordKind::Invoice))
            break;
        ShowError(QStringLiteral("The password entered is invalid"));
    }
    record.SetPassword(password);
    record.SetDatePasswordChanged(DateTimes::Now());
    record.SetModified(true);
    record.Update();
    return true;
}

QString TApp::GetFingerPrint(const QString &prompt, TEmployee *record)
{
    std::unique_ptr<TEmployee> own;
    if (!record) {
        own = std::make_unique<TEmployee>();
        record = own.get();
    }
    record->SetAdoConnection(m_connection);
    try {
        if (!FingerPrintWindow)
            throw EVxException(QStringLiteral("Fingerprints not available at this time"), QStringLiteral("TApp.GetFingerPrint"));
        QString empNum;
        switch (FingerPrintWindow->GetUser(prompt, empNum)) {
        case 0:
            ShowError(QStringLiteral("The fingerprint detected is not associated with\rany existing or active employee"));
            break;
        case 2:
            ShowInformation(QStringLiteral("Scan cancelled!"));
            break;
        case 1:
            if (!empNum.isEmpty() && record->LoadByEmpNum(empNum))
                return record->Password();
            break;
        }
    } catch (const std::exception &e) {
        ShowError(FailureText(QStringLiteral("Orvik failed to match the employee fingerprint"), ExceptionMessage(e),
                              QStringLiteral("TApp.GetFingerPrint")));
    }
    record->SetEmpty(true);
    return {};
}

QString TApp::GetEmployeeNumber(const QString &prompt)
{
    QString password = FingerprintReady() ? GetFingerPrint(ProperCase(prompt), nullptr) : GetPassword(ProperCase(prompt), nullptr);
    if (password.isEmpty())
        return {};
    const TPasswordOwner owner = LookUpByPassword(password);
    if (owner.EmpNum.isEmpty() && !password.isEmpty())
        ShowInformation(QStringLiteral("Invalid password"));
    return owner.EmpNum;
}

TPasswordOwner TApp::LookUpByPassword(QString &password)
{
    TAdoQuery query(m_connection);
    query.CursorLocation = TCursorLocation::Client;
    query.SetSQL(QStringLiteral("SELECT empnum, category, active FROM employee WHERE password = :Password"));
    query.ParamByName(QStringLiteral("Password")).SetString(password);
    query.Open();
    TPasswordOwner owner;
    if (!query.IsEmpty() && query.FieldByName(QStringLiteral("active")).AsBoolean()) {
        owner.Category = query.FieldByName(QStringLiteral("category")).AsString();
        owner.EmpNum = query.FieldByName(QStringLiteral("empnum")).AsString();
    } else {
        ShowInformation(QStringLiteral("This employee record has been marked inactive."));
        password.clear();
    }
    query.Close();
    return owner;
}

bool TApp::IdentifyEmployee(const QString &prompt, TAttend &record)
{
    if (FingerprintReady())
        GetFingerPrint(ProperCase(prompt), &record);
    else
        GetPassword(ProperCase(prompt), &record);
    return !record.Empty() && record.Active;
}

int TApp::GetNoOfDeliveries(const QString &empNum)
{
    TAdoQuery query(m_connection);
    try {
        query.SQL() = QStringList{QStringLiteral("SELECT COUNT(*) as deliveries"), QStringLiteral("From invoices JOIN attend ON"),
                                  QStringLiteral("invoices.driverlink = attend.invoicelink"),
                                  QStringLiteral("WHERE attend.empnum = :EmpNum")};
        query.ParamByName(QStringLiteral("EmpNum")).SetString(empNum);
        query.Open();
        const int count = query.IsEmpty() ? 0 : static_cast<int>(query.FieldByName(QStringLiteral("DELIVERIES")).AsInteger());
        query.Close();
        return count;
    } catch (const std::exception &e) {
        query.Close();
        ShowError(QStringLiteral("Failed to determine the number of deliveries employee ") + empNum + QStringLiteral(" has done") +
                  QStringLiteral("\r\r") + QStringLiteral("Error: ") + ExceptionMessage(e) + QStringLiteral("\r\r") +
                  QStringLiteral("Exception Raised In: TApp.GetNoOfDeliveries"));
        return 0;
    }
}

bool CheckAccessOn(TAdoConnection &connection, const QString &code)
{
    if (App)
        return App->CheckAccess(code);
    TApp app(&connection);
    return app.CheckAccess(code);
}
