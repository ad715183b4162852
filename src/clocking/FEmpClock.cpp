#include "FEmpClock.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"
#include "data/clsOrvikSettings.h"
#include "tills/modTillID.h"

#include <cmath>

namespace {


} // namespace

TfrmEmpClock::TfrmEmpClock(TAdoConnection *connection)
    : DayStart(ConfiguredDayStart()), qryEmployee(connection), qryStatus(connection), m_connection(connection)
{
}

bool TfrmEmpClock::FindEmployee(const QString &empNum)
{
    qryEmployee.Close();
    qryEmployee.SetSQL(QStringLiteral("SELECT * FROM employee WHERE empnum = :EmpNum"));
    qryEmployee.ParamByName(QStringLiteral("EmpNum")).SetString(empNum);
    qryEmployee.Open();
    if (qryEmployee.IsEmpty())
        return false;
    qryEmployee.First();
    auto field = [this](const char *name) { return qryEmployee.FieldByName(QLatin1String(name)); };
    m_details.Name = TrimBlanks(field("LASTNAME").AsString()) + QStringLiteral(", ") + TrimBlanks(field("FIRSTNAME").AsString());
    m_details.EmpNum = field("EMPNUM").AsString();
    m_details.HourlyRate = field("HOURLYRATE").AsCurrency();
    m_details.KmRate = field("KMRATE").AsCurrency();
    m_details.DoesDeliveries = field("DOESDELIVERIES").AsBoolean();
    return !TrimBlanks(m_details.EmpNum).isEmpty();
}

bool TfrmEmpClock::LookupEmployee(const QString &empNum)
{
    if (FindEmployee(empNum))
        return true;
    ShowError(QStringLiteral("The employee ") + empNum + QStringLiteral(" could not be found"));
    // A pick that finds nobody leaves no employee: a row is never written without one.
    const std::optional<QString> picked = Prompts().PickEmployee(m_connection);
    return picked && !TrimBlanks(*picked).isEmpty() && FindEmployee(*picked);
}

int TfrmEmpClock::GetClockStatus(const QString &empNum, bool closeAfterwards)
{
    qryStatus.Close();
    qryStatus.SetSQL(QStringLiteral("SELECT * FROM Attend WHERE EmpNum = :EmpNum AND (InDateTime > :DayStart AND InDateTime < :DayEnd) "
                                    "ORDER BY InvoiceLink"));
    qryStatus.ParamByName(QStringLiteral("EmpNum")).SetString(empNum);
    qryStatus.ParamByName(QStringLiteral("DayStart")).SetDateTime(DateTimes::WholeSecond(TradingDayStart(DayStart)));
    qryStatus.ParamByName(QStringLiteral("DayEnd")).SetDateTime(DateTimes::WholeSecond(TradingDayEnd(DayStart)));
    qryStatus.Open();
    int status = csNoShift;
    if (!qryStatus.IsEmpty()) {
        SeekRow(qryStatus, qryStatus.RecordCount() - 1);  // the last row decides
        status = qryStatus.FieldByName(QStringLiteral("ClockedOut")).AsBoolean() ? csClockedOut : csClockedIn;
    }
    if (closeAfterwards)
        qryStatus.Close();
    return status;
}

int TfrmEmpClock::InsertAttendance(double reading, Currency floatAmount)
{
    TAdoCommand command(m_connection);
    command.SetCommandText(QStringLiteral("INSERT INTO attend (empnum, indatetime, hourlyrate, kmrate, odostart, float) "
                                          "VALUES (:EmpNum, :InDateTime, :HourlyRate, :KmRate, :OdoStart, :Float) "
                                          "SELECT :IDField = @@Identity"));
    command.ParamByName(QStringLiteral("EmpNum")).SetString(m_details.EmpNum);
    command.ParamByName(QStringLiteral("InDateTime")).SetDateTime(ClockTime);
    command.ParamByName(QStringLiteral("HourlyRate")).SetCurrency(m_details.HourlyRate);
    command.ParamByName(QStringLiteral("KmRate")).SetCurrency(m_details.KmRate);
    command.ParamByName(QStringLiteral("OdoStart")).SetInteger(std::llround(reading));
    command.ParamByName(QStringLiteral("Float")).SetCurrency(floatAmount);
    command.ParamByName(QStringLiteral("IDField")).Direction = TParamDirection::Output;
    if (command.Execute() < 1)
        throw EDatabaseError(QStringLiteral("No row was written"));
    return command.ParamByName(QStringLiteral("IDField")).Value.toInt();
}

quint8 TfrmEmpClock::ClockInEmployee(const QString &empNum)
{
    if (m_details.EmpNum.isEmpty() || m_details.EmpNum != empNum)
        if (!LookupEmployee(empNum))
            return ciNotClockedIn;
    if (GetClockStatus(m_details.EmpNum, true) == csClockedIn)
        return ciAlreadyClockedIn;
    ClockTime = DateTimes::WholeSecond(DateTimes::Now());
    TOdometerEntry entry;
    if (m_details.DoesDeliveries) {
        const std::optional<TOdometerEntry> answer = Prompts().OdometerAndFloat(m_connection, m_details.EmpNum);
        if (!answer)
            return ciNotClockedIn;
        entry = *answer;
    }
    int invoiceLink = 0;
    try {
        invoiceLink = InsertAttendance(entry.Reading, entry.Float);
    } catch (const std::exception &e) {
        ShowError(FailureText(QStringLiteral("Could not create a new entry for employee number: ") + empNum, ExceptionMessage(e),
                              QStringLiteral("TfrmEmpClock.ClockInEmployee")));
        return ciNotClockedIn;
    }
    // The float goes to the shift just opened, so the cash-up row names that shift.
    if (m_details.DoesDeliveries && entry.Tillshift > 0 &&
        !PayFloatFromTill(m_connection, entry.Tillshift, invoiceLink, m_details.EmpNum, entry.Float))
        ShowInformation(QStringLiteral("Error: The float was not paid from the till!"));
    return ciClockedIn;
}
