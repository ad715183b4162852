#include "clsAttend.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"

using namespace RecordColumns;

namespace {

const TColumn<TAttend> AttendColumns[] = {
    {"InvoiceLink", &TAttend::InvoiceLink},
    {"InDateTime", &TAttend::InDateTime, DateTime},
    {"OutDateTime", &TAttend::OutDateTime, DateTime},
    {"OdoEnd", &TAttend::OdoEnd},
    {"OdoStart", &TAttend::OdoStart},
    {"KmsTravlld", &TAttend::KmsTravlld},
    {"HrsWorked", &TAttend::HrsWorked, DateTime},
    {"Float", &TAttend::Float},
    {"DriverCash", &TAttend::DriverCash},
    {"TotOrders", &TAttend::TotOrders},
    {"OrderCount", &TAttend::OrderCount},
    {"TimeWages", &TAttend::TimeWages},
    {"TravlWages", &TAttend::TravlWages},
    {"ExDriver", &TAttend::ExDriver},
    {"Tips", &TAttend::Tips},
    {"PdAlready", &TAttend::PdAlready},
    {"CashedUp", &TAttend::CashedUp},
    {"ClockedOut", &TAttend::ClockedOut},
    {"TotalOwed", &TAttend::TotalOwed},
    {"DeliveryWages", &TAttend::DeliveryWages},
    {"OnDelivery", &TAttend::OnDelivery},
};

// The limits are written to the minute, as the suite compares them.
TDateTime WholeMinute(TDateTime value)
{
    const QDateTime dt = DateTimes::ToQDateTime(value);
    return DateTimes::FromQDateTime(QDateTime(dt.date(), QTime(dt.time().hour(), dt.time().minute())));
}

} // namespace

TAttend::TAttend(TRootCollection *collection) : TEmployee(collection), DayStart(DateTimes::EncodeTime(5, 0)) {}

void TAttend::ResetFields()
{
    TEmployee::ResetFields();
    ClearColumns<TAttend>(*this, AttendColumns);
    ClockedOut = true;
    HasAttendance = false;
}

void TAttend::Clone(const TRootCollectionItem &source)
{
    TEmployee::Clone(source);
    auto *s = dynamic_cast<const TAttend *>(&source);
    if (!s)
        return;
    CopyColumns<TAttend>(*this, *s, AttendColumns);
    HasAttendance = s->HasAttendance;
    DayStart = s->DayStart;
}

void TAttend::Loaded(TAdoQuery &dataset)
{
    TEmployee::Loaded(dataset);
    HasAttendance = false;
    if (dataset.HasField(QStringLiteral("InvoiceLink"))) {
        ReadColumns<TAttend>(*this, dataset, AttendColumns);
        HasAttendance = true;
    }
}

void TAttend::PrepareAttendanceSelect(const QString &condition, bool currentDayOnly)
{
    QStringList lines{
        QStringLiteral("SELECT TOP 1 Employee.*, EmpCat.Descriptn,"),
        QStringLiteral("Attend.InvoiceLink, Attend.InDateTime, Attend.OutDateTime,"),
        QStringLiteral("Attend.HrsWorked, Attend.KmsTravlld, Attend.OdoStart, Attend.OdoEnd,"),
        QStringLiteral("Attend.Float, Attend.DriverCash, Attend.TotOrders, Attend.OrderCount,"),
        QStringLiteral("Attend.TimeWages, Attend.TravlWages, Attend.ExDriver, Attend.Tips,"),
        QStringLiteral("Attend.PdAlready, Attend.CashedUp, Attend.ClockedOut, Attend.TotalOwed,"),
        QStringLiteral("Attend.DeliveryWages, Attend.KmsTravlld, Attend.OnDelivery"),
        QStringLiteral("FROM Employee JOIN Attend ON"),
        QStringLiteral("Employee.Empnum = Attend.Empnum"),
        QStringLiteral("JOIN EmpCat ON"),
        QStringLiteral("Employee.Category = EmpCat.Category"),
    };
    if (!condition.isEmpty())
        lines << condition;
    if (currentDayOnly)
        lines << (condition.isEmpty() ? QStringLiteral("WHERE") : QStringLiteral("AND")) << QStringLiteral("(indatetime > :TradingDayStart")
              << QStringLiteral("AND indatetime < :TradingDayEnd)");
    lines << QStringLiteral("ORDER BY InDateTime DESC");
    AdoQuery.Close();
    AdoQuery.SQL() = lines;
    if (currentDayOnly) {
        AdoQuery.ParamByName(QStringLiteral("TradingDayStart")).SetDateTime(WholeMinute(TradingDayStart(DayStart)));
        AdoQuery.ParamByName(QStringLiteral("TradingDayEnd")).SetDateTime(WholeMinute(TradingDayEnd(DayStart)));
    }
}

bool TAttend::LoadByField(QString column, QString value)
{
    RequireConnection();
    SetEmpty(true);
    if (column.isEmpty())
        return false;
    const QString qualified = LookupColumn(column, QStringLiteral("TAttend.LoadByField"));
    PrepareAttendanceSelect(QStringLiteral("WHERE ") + qualified + QStringLiteral(" = :Value"), true);
    AdoQuery.ParamByName(QStringLiteral("Value")).SetString(value);
    AdoQuery.Open();
    const bool found = AdoQuery.IsEmpty() ? TEmployee::LoadByField(column, value) : Populate(&AdoQuery);
    AdoQuery.Close();
    return found;
}

bool TAttend::LoadByEmpNum(QString number)
{
    return LoadByField(QStringLiteral("Employee.EmpNum"), std::move(number));
}

bool TAttend::LoadByInvoiceLink(int invoiceLink, bool currentDayOnly)
{
    RequireConnection();
    SetEmpty(true);
    if (invoiceLink <= 0)
        return false;
    PrepareAttendanceSelect(QStringLiteral("WHERE Attend.InvoiceLink = :InvoiceLink"), currentDayOnly);
    AdoQuery.ParamByName(QStringLiteral("InvoiceLink")).SetInteger(invoiceLink);
    const bool found = LoadFromQuery();
    AdoQuery.Close();
    return found;
}

bool TAttend::Refresh()
{
    if (EmpNum.isEmpty())
        throw EVxException(QStringLiteral("EmpNum property is not set in TClocking"), QStringLiteral("TAttend.Refresh"));
    return LoadByEmpNum(EmpNum);
}

bool TAttend::AssignDriver(int invoiceNumber)
{
    const QString number = QString::number(invoiceNumber);
    const QString raisedIn = QStringLiteral("TAttend.AssignDriver");
    if (EmpNum.isEmpty())
        throw EVxException(QStringLiteral("Cannot assign invoice# ") + number + u'\r' + QStringLiteral("TEmployee.EmpNum property not set"), raisedIn);
    if (ClockedOut)
        throw EVxException(QStringLiteral("Cannot assign an invoice to an employee that has not clocked in"), raisedIn);
    if (InvoiceLink <= 0)
        throw EVxException(QStringLiteral("It appears the employee has not clocked in yet"), raisedIn);
    if (invoiceNumber < 1)
        throw EVxException(QStringLiteral("Cannot assign an invoice number smaller than 1"), raisedIn);
    try {
        AdoCommand.ParamCheck = true;
        AdoCommand.SetCommandText(QStringLiteral(
            "UPDATE invoices SET TimeToDrvr = GetDate(),  DriverLink = :DriverLink,  TransType = CASE WHEN TRANSTYPE=4 THEN 4 ELSE 3 END ,"
            "  Driver = :Driver WHERE invoicenum = :InvoiceNum"));
        AdoCommand.ParamByName(QStringLiteral("DriverLink")).SetInteger(InvoiceLink);
        AdoCommand.ParamByName(QStringLiteral("Driver")).SetString(EmpNum);
        AdoCommand.ParamByName(QStringLiteral("InvoiceNum")).SetInteger(invoiceNumber);
        return AdoCommand.Execute() > 0;
    } catch (const EDatabaseError &e) {
        ShowError(QStringLiteral("Failed to assign invoice ") + number + QStringLiteral(" to ") + QStringLiteral("employee ") + EmpNum +
                  QStringLiteral("\r\r") + QStringLiteral("Reason: ") + e.Message() + QStringLiteral("\r\r") +
                  QStringLiteral("Exception Raised In: TAttend.AssignDriver"));
        return false;
    }
}

bool TAttend::ToggleOnDelivery()
{
    RequireConnection();
    const QString raisedIn = QStringLiteral("TAttend.ToggleOnDelivery");
    if (InvoiceLink <= 0)
        throw EVxException(QStringLiteral("TAttend.InvoiceLink has not been set"), raisedIn);
    if (ClockedOut)
        throw EVxException(QStringLiteral("Employee ") + EmpNum + QStringLiteral(" is not clocked in"), raisedIn);
    const bool leaving = !OnDelivery;
    AdoCommand.ParamCheck = true;
    AdoCommand.SetCommandText(QStringLiteral("UPDATE attend SET OnDelivery = ") + AdoConnection()->Dialect().BoolLiteral(leaving) +
                              QStringLiteral(" WHERE InvoiceLink = :InvoiceLink"));
    AdoCommand.ParamByName(QStringLiteral("InvoiceLink")).SetInteger(InvoiceLink);
    if (AdoCommand.Execute() == 0)
        return false;
    OnDelivery = leaving;
    return true;
}
