#include "Startup.h"

#include "clsApp.h"
#include "modMsgDlgs.h"
#include "data/AdoObjects.h"
#include "records/clsInvoices.h"

#include <cmath>

namespace Startup {

namespace {

constexpr qint64 MsPerMinute = 60'000;
constexpr qint64 MsPerDay = 24 * 60 * MsPerMinute;

// In whole milliseconds, so "exactly 30 minutes" is exact whatever the engine stored.
qint64 Ms(TDateTime value)
{
    return std::llround(value * DateTimes::MsPerDay);
}

// Closes the splash when start-up leaves, by whatever way.
class TSplashScope {
public:
    explicit TSplashScope(TStartupSteps &steps) : m_steps(steps) {}
    ~TSplashScope()
    {
        if (m_shown)
            m_steps.CloseSplash();
    }
    TSplashScope(const TSplashScope &) = delete;
    TSplashScope &operator=(const TSplashScope &) = delete;
    void Show(const QString &text)
    {
        m_steps.ShowSplash(text);
        m_shown = true;
    }
    void Close()
    {
        m_shown = false;
        m_steps.CloseSplash();
    }

private:
    TStartupSteps &m_steps;
    bool m_shown = false;
};

} // namespace

bool Run(TStartupSteps &steps)
{
    if (!steps.FirstInstance() || !steps.Connect())
        return false;
    const int till = steps.ResolveTillNumber();
    if (till < 1)
        return false;
    steps.LoadSettings(till);
    steps.CreateMainWindow();
    TSplashScope splash(steps);
    splash.Show(QStringLiteral("Connecting To Server..."));
    if (!steps.Connect())
        return false;
    splash.Close();
    steps.EnableRefresh();
    return steps.ConfirmSystemTime();
}

bool SystemTimeIsSuspect(TAdoConnection &con)
{
    TInvoices invoices;
    invoices.SetAdoConnection(&con);
    const TDateTime newestOpen = invoices.GetMaxOpenInvoiceDate();
    // With no open invoice there is nothing to judge the clock by.
    if (newestOpen == DateTimes::Zero)
        return false;
    const qint64 newest = Ms(newestOpen), now = Ms(DateTimes::Now());
    return now + 30 * MsPerMinute < newest || newest + 3 * MsPerDay < now;
}

bool ConfirmSystemTime(TAdoConnection &con)
{
    if (!SystemTimeIsSuspect(con))
        return true;
    if (MessageDialog(QStringLiteral("Your computer system time appears to be incorrect.\rPlease correct it. Continue without correcting?"),
                      mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
        return false;
    // Going on with a wrong clock is the right of activity "TM010".
    return CheckAccessOn(con, QStringLiteral("TM010"));
}

} // namespace Startup
