#pragma once

#include "data/DateTimes.h"

#include <QString>
#include <functional>

class TAdoConnection;
class TAttend;
class TEmployee;

// What the access checks need of the fingerprint window; the window implements it once it
// exists. GetUser: 0 no match, 1 matched (empNum set), 2 no scan.
class TFingerprintWindow {
public:
    virtual ~TFingerprintWindow() = default;
    virtual bool Initialised() const = 0;
    virtual int GetUser(const QString &prompt, QString &empNum) = 0;
};

struct TPasswordOwner {
    QString Category;
    QString EmpNum;
};

// The program's access control: identifies the person at the station by password or
// fingerprint, checks his right to an activity code, clocks him in when needed and logs.
class TApp {
public:
    explicit TApp(TAdoConnection *connection);

    // Errors of its own statements propagate.
    bool CheckAccess(const QString &code);
    // CheckAccess with its errors shown and answered with false.
    bool HasAccess(const QString &code);
    void LogActivity(int till, const QString &text, const QString &code, const QString &empNum);
    // The password of the employee now loaded into the record (created here when none), or
    // empty; an empty result leaves the record empty.
    QString GetPassword(const QString &prompt, TAttend *record);
    QString GetFingerPrint(const QString &prompt, TEmployee *record);
    QString GetEmployeeNumber(const QString &prompt);
    bool IdentifyEmployee(const QString &prompt, TAttend &record);
    // The active employee of that password; otherwise the password is emptied.
    TPasswordOwner LookUpByPassword(QString &password);
    bool ChangePassword(TEmployee &record);
    int GetNoOfDeliveries(const QString &empNum);

    // The employee number of the last employee who passed CheckAccess.
    QString LastUser;
    // The fingerprint window; none until it exists.
    TFingerprintWindow *FingerPrintWindow = nullptr;
    // Clocks an employee in: 1 clocked in now, 4 already clocked in, 0 not. The clock-in
    // object by default.
    std::function<quint8(const QString &empNum)> ClockInEmployee;

private:
    bool FingerprintInUse() const;
    // In use here, and the scan window can offer it.
    bool FingerprintReady() const;
    TAdoConnection *m_connection;
};

extern TApp *App;

// CheckAccess through the program's access object, or, when there is none, through one
// made on that connection for this check alone.
bool CheckAccessOn(TAdoConnection &connection, const QString &code);
