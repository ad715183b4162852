#pragma once

#include "data/DateTimes.h"

#include <QString>

class TAdoConnection;

// What start-up does to the world, one step at a time. The program's steps build the real
// objects and windows; tests record the order.
class TStartupSteps {
public:
    virtual ~TStartupSteps() = default;
    // False when another copy runs: it has been asked to come forward.
    virtual bool FirstInstance() = 0;
    // Connects con; false when it is not connected afterwards (the error has been shown).
    virtual bool Connect() = 0;
    // This workstation's till number, or -1.
    virtual int ResolveTillNumber() = 0;
    // The SQL runner and the settings of the whole shop, then of this till.
    virtual void LoadSettings(int tillNumber) = 0;
    virtual void CreateMainWindow() = 0;
    virtual void ShowSplash(const QString &text) = 0;
    virtual void CloseSplash() = 0;
    virtual void EnableRefresh() = 0;
    virtual bool ConfirmSystemTime() = 0;
};

namespace Startup {

// The start-up sequence up to the message loop; true when the board is to be shown and the
// loop run. Every failure stops it; the splash is closed whatever happens after it shows.
bool Run(TStartupSteps &steps);

// Whether the clock looks wrong against the newest open invoice: more than 30 minutes
// behind it, or more than 3 days ahead of it. Database errors propagate.
bool SystemTimeIsSuspect(TAdoConnection &con);

// True when the clock is plausible, or the user chose to go on with it.
bool ConfirmSystemTime(TAdoConnection &con);

} // namespace Startup
