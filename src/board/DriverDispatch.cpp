#include "DriverDispatch.h"

#include "app/clsApp.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"
#include "clocking/FEmpClock.h"
#include "data/AdoObjects.h"
#include "records/clsAttend.h"

#include <QLocale>

namespace {

QString DriverTitle(const TAttend &driver)
{
    return driver.GetFullName() + QStringLiteral(" [") + driver.EmpNum + u']';
}

void ShowForTenSeconds(const QString &text)
{
    MessageDialog(text, mtInformation, {mbOK}, 10);
}

} // namespace

TDriverDispatch::TDriverDispatch(TAdoConnection &connection, TDateTime attendDayStart)
    : m_connection(connection), m_attendDayStart(attendDayStart)
{
}

TDriverDispatch::~TDriverDispatch() = default;

TDateTime TDriverDispatch::DepartureDayStart(TDateTime now)
{
    return TradingDayBound(tdbStart, DateTimes::EncodeTime(5, 0), now);
}

TApp &TDriverDispatch::Access()
{
    if (App)
        return *App;
    if (!m_ownApp)
        m_ownApp = std::make_unique<TApp>(&m_connection);
    return *m_ownApp;
}

std::unique_ptr<TAttend> TDriverDispatch::NewAttend() const
{
    auto record = std::make_unique<TAttend>();
    record->SetAdoConnection(&m_connection);
    record->DayStart = m_attendDayStart;
    return record;
}

bool TDriverDispatch::EnsureClockedIn(TAttend &record)
{
    if (!record.ClockedOut)
        return true;
    const quint8 result = Access().ClockInEmployee(record.EmpNum);
    if (result != ciClockedIn && result != ciAlreadyClockedIn)
        return false;
    record.Refresh();
    return true;
}

std::unique_ptr<TAttend> TDriverDispatch::IdentifyDriver()
{
    std::unique_ptr<TAttend> driver = NewAttend();
    if (!Access().IdentifyEmployee(DriverPrompt, *driver))
        return nullptr;
    if (!driver->DoesDeliveries) {
        ShowInformation(QStringLiteral("This employee does not do deliveries"));
        return nullptr;
    }
    if (!EnsureClockedIn(*driver))
        return nullptr;
    return driver;
}

void TDriverDispatch::DriverInOut(QString empNum, bool logTimes)
{
    if (empNum.isEmpty())
        empNum = Access().GetEmployeeNumber(DriverPrompt);
    if (empNum.isEmpty())
        return;
    std::unique_ptr<TAttend> driver = NewAttend();
    driver->LoadByEmpNum(empNum);
    if (!EnsureClockedIn(*driver))
        return;

    const TDateTime now = DateTimes::WholeSecond(DateTimes::Now());
    const TDateTime dayStart = DepartureDayStart(now);
    if (!HasAssignedOrders(*driver, dayStart)) {
        ShowForTenSeconds(QStringLiteral("Employee ") + DriverTitle(*driver) + QStringLiteral(" hasn't any assigned invoices.") + u'\r' +
                          QStringLiteral("For date: ") +
                          QLocale::c().toString(DateTimes::DateOf(DateTimes::Now()), QStringLiteral("dddd - dd/MM/yyyy")));
        return;
    }
    if (!logTimes)
        return;

    if (!driver->OnDelivery) {
        StampDeparture(*driver, now);
        ShowForTenSeconds(QStringLiteral("Driver ") + DriverTitle(*driver) + QStringLiteral(" has left"));
        driver->ToggleOnDelivery();
    } else {
        if (driver->ToggleOnDelivery())
            ShowForTenSeconds(QStringLiteral("Driver ") + DriverTitle(*driver) + QStringLiteral(" has returned"));
        driver->Refresh();
        StampReturn(*driver, now, dayStart);
    }
}

bool TDriverDispatch::HasAssignedOrders(const TAttend &driver, TDateTime dayStart)
{
    TAdoQuery query(&m_connection);
    query.SQL() = QStringList{QStringLiteral("SELECT Invoices.DriverLink, Invoices.Date, Invoices.TimeToDrvr FROM Invoices "),
                              QStringLiteral("WHERE Invoices.DriverLink = :DriverLink"), QStringLiteral("AND TimeToDrvr >= :DayStart ")};
    query.ParamByName(QStringLiteral("DriverLink")).SetInteger(driver.InvoiceLink);
    query.ParamByName(QStringLiteral("DayStart")).SetDateTime(dayStart);
    query.Open();
    const bool found = !query.IsEmpty();
    query.Close();
    return found;
}

void TDriverDispatch::StampDeparture(const TAttend &driver, TDateTime now)
{
    TAdoCommand command(&m_connection);
    command.SetCommandText(QStringLiteral("UPDATE Invoices SET TimeStampDriver = :Now WHERE Invoices.DriverLink = :DriverLink "
                                          "AND Invoices.TimeStampDriver is null"));
    command.ParamByName(QStringLiteral("Now")).SetDateTime(now);
    command.ParamByName(QStringLiteral("DriverLink")).SetInteger(driver.InvoiceLink);
    command.Execute();
}

void TDriverDispatch::StampReturn(const TAttend &driver, TDateTime now, TDateTime dayStart)
{
    TAdoCommand command(&m_connection);
    command.SetCommandText(QStringLiteral("UPDATE Invoices SET DriverReturn = :Now WHERE Invoices.DriverLink = :DriverLink "
                                          "AND TimeStampDriver >= :DayStart AND Invoices.DriverReturn is null"));
    command.ParamByName(QStringLiteral("Now")).SetDateTime(now);
    command.ParamByName(QStringLiteral("DriverLink")).SetInteger(driver.InvoiceLink);
    command.ParamByName(QStringLiteral("DayStart")).SetDateTime(dayStart);
    command.Execute();
}
