#pragma once

#include "data/AdoObjects.h"

// The employee as the clock-in needs him.
struct TEmployeeDetails {
    QString Name;  // LASTNAME + ", " + FIRSTNAME
    QString EmpNum;
    Currency HourlyRate;
    Currency KmRate;
    bool DoesDeliveries = false;
};

enum TClockStatus { csClockedIn = 1, csClockedOut = 2, csNoShift = 3 };
enum TClockInResult : quint8 { ciNotClockedIn = 0, ciClockedIn = 1, ciAlreadyClockedIn = 4 };

// The clock-in of one employee: no window of its own, only the messages, the employee pick
// list and, for drivers, the odometer and float question of the prompt service.
class TfrmEmpClock {
public:
    explicit TfrmEmpClock(TAdoConnection *connection);

    // 1 clocked in now, 4 already clocked in for the trading day (nothing written), 0 not
    // clocked in (no employee, the question cancelled, or the row could not be written).
    quint8 ClockInEmployee(const QString &empNum);
    // Fills the remembered details; an unknown number is reported and the pick list offered.
    bool LookupEmployee(const QString &empNum);
    // The employee's last shift begun inside the trading day (limits exclusive): open 1,
    // clocked out 2, none 3.
    int GetClockStatus(const QString &empNum, bool closeAfterwards);

    const TEmployeeDetails &Details() const { return m_details; }
    // The time of day the trading day begins; 0 counts as 05:00. From "DAY START" when the
    // suite settings are loaded.
    TDateTime DayStart = 0;
    TDateTime ClockTime = 0;
    TAdoQuery qryEmployee;
    TAdoQuery qryStatus;

private:
    bool FindEmployee(const QString &empNum);
    // The new row's InvoiceLink; throws when the row could not be written.
    int InsertAttendance(double reading, Currency floatAmount);

    TAdoConnection *m_connection;
    TEmployeeDetails m_details;
};
