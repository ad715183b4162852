#pragma once

#include "clsEmployee.h"

// An employee with his latest attendance row (shift) that began inside the current trading
// day. A record that found the employee but no such shift has HasAttendance false and
// ClockedOut true: every operation here treats it as not clocked in.
class TAttend : public TEmployee {
public:
    explicit TAttend(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TAttend"); }

    void Clone(const TRootCollectionItem &source) override;
    bool LoadByEmpNum(QString number) override;
    // The employee with his shift of the trading day; without one, the employee alone.
    bool LoadByField(QString column, QString value) override;
    virtual bool LoadByInvoiceLink(int invoiceLink, bool currentDayOnly);
    // Loads this employee again; EmpNum must be set.
    virtual bool Refresh();

    // Gives the invoice to this shift. Guards throw; a failing statement is shown and gives
    // false, and so does an invoice number that no row has.
    bool AssignDriver(int invoiceNumber);
    // Marks the driver as leaving or back, in memory only once the row holds it.
    bool ToggleOnDelivery();

    int InvoiceLink = 0;
    TDateTime InDateTime = 0;
    TDateTime OutDateTime = 0;
    int OdoEnd = 0;
    int OdoStart = 0;
    double KmsTravlld = 0;
    TDateTime HrsWorked = 0;
    Currency Float;
    Currency DriverCash;
    double TotOrders = 0;
    double OrderCount = 0;
    Currency TimeWages;
    Currency TravlWages;
    double ExDriver = 0;
    Currency Tips;
    Currency PdAlready;
    bool CashedUp = false;
    bool ClockedOut = true;
    Currency TotalOwed;
    Currency DeliveryWages;
    bool HasAttendance = false;
    TDateTime DayStart;  // time of day the trading day begins; 0 counts as 05:00
    bool OnDelivery = false;

protected:
    void ResetFields() override;  // DayStart keeps its value
    // The shift's columns, when the statement selected them.
    void Loaded(TAdoQuery &dataset) override;

private:
    // The attendance select with its condition line (may be empty), limited to the
    // current trading day when asked; binds the day's limits.
    void PrepareAttendanceSelect(const QString &condition, bool currentDayOnly);
};
