#pragma once

#include "data/DateTimes.h"

#include <QString>
#include <functional>
#include <memory>

class TAdoConnection;
class TApp;
class TAttend;

// The driver's side of dispatching: who takes the orders, clocked in on the spot when he is
// not yet, and his departures and returns.
class TDriverDispatch {
public:
    static inline const QString DriverPrompt = QStringLiteral("Enter Driver password");

    // attendDayStart: the "DAY START" setting the attendance records use (0 counts as 05:00).
    TDriverDispatch(TAdoConnection &connection, TDateTime attendDayStart);
    ~TDriverDispatch();

    // The identified, active driver with his open shift of the trading day, or nothing; the
    // refusals have been shown.
    std::unique_ptr<TAttend> IdentifyDriver();
    // Records a departure or a return of that employee (asked for when empty). Nothing is
    // written unless logTimes; the driver is told when he has no orders today.
    void DriverInOut(QString empNum, bool logTimes);

    // The trading day of driver departures always starts at 05:00, whatever the shop's setting.
    static TDateTime DepartureDayStart(TDateTime now);

private:
    TApp &Access();
    std::unique_ptr<TAttend> NewAttend() const;
    // Clocks a loaded employee in when he is not; false when he stays out.
    bool EnsureClockedIn(TAttend &record);
    bool HasAssignedOrders(const TAttend &driver, TDateTime dayStart);
    void StampDeparture(const TAttend &driver, TDateTime now);
    void StampReturn(const TAttend &driver, TDateTime now, TDateTime dayStart);

    TAdoConnection &m_connection;
    TDateTime m_attendDayStart;
    std::unique_ptr<TApp> m_ownApp;
};
