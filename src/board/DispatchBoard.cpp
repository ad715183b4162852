#include "DispatchBoard.h"
#include "app/clsApp.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"
#include "data/clsOrvikSettings.h"

namespace {

const TDateTime DefaultDayStart = DateTimes::EncodeTime(5, 0);

// Runs its action when the scope ends, however it ends.
template <class F>
class TFinally {
public:
    explicit TFinally(F f) : m_f(std::move(f)) {}
    ~TFinally() { m_f(); }
    TFinally(const TFinally &) = delete;
    TFinally &operator=(const TFinally &) = delete;

private:
    F m_f;
};

} // namespace

TBoardSettings TBoardSettings::From(TOrvikGlobalSettings &settings)
{
    TBoardSettings s;
    try {
        if (settings.DayStart)
            s.dayStart = DateTimes::TimeOf(settings.DayStart->AsTime());
    } catch (const EConvertError &) {
    }
    try {
        if (settings.AppItemsCookedActive)
            s.itemsCookedActive = settings.AppItemsCookedActive->AsBoolean();
    } catch (const EConvertError &) {
    }
    return s;
}

TDispatchBoard::TDispatchBoard(TAdoConnection &connection, TBoardSettings settings, QObject *parent)
    : QObject(parent), m_connection(connection), m_settings(settings), m_queries(connection)
{
    timerRefreshData.setInterval(RefreshInterval);
    TmrSortOrder.setInterval(1000);
    connect(&timerRefreshData, &QTimer::timeout, this, &TDispatchBoard::timerRefreshDataTimer);
    connect(&TmrSortOrder, &QTimer::timeout, this, &TDispatchBoard::TmrSortOrderTimer);
}

QString TDispatchBoard::HeaderCaption() const
{
    return m_showingAssigned ? QStringLiteral("Already Assigned to Drivers") : QStringLiteral("Not Assigned");
}

QString TDispatchBoard::MarkCaption() const
{
    return m_showingAssigned ? QStringLiteral("Re-Assign\r(4)") : QStringLiteral("Assign (4)");
}

void TDispatchBoard::FormShow()
{
    m_showingAssigned = true;
    SwitchView(true);
    m_grouping.Stop();
    emit Changed();
}

void TDispatchBoard::Query(bool assigned)
{
    // Only a timer firing under a query's error box can get here while one runs.
    if (m_refreshing)
        return;
    m_refreshing = true;
    const TFinally done([this] { m_refreshing = false; });
    emit BusyChanged(true);
    try {
        const TDateTime now = DateTimes::Now();
        m_model.SetNow(now);
        if (assigned) {
            // Both bounds from one moment, so a refresh at the day's turn gets one whole day.
            const TDateTime start = m_settings.dayStart == 0 ? DefaultDayStart : m_settings.dayStart;
            m_model.SetRows(m_queries.AlreadyAssigned(TradingDayBound(tdbStart, start, now), TradingDayBound(tdbNext, start, now)));
        } else {
            m_model.SetRows(m_queries.NotAssigned(m_sortOrder));
        }
        emit BusyChanged(false);
    } catch (const std::exception &e) {
        m_model.ClearRows();
        emit BusyChanged(false);
        if (assigned)
            ShowError(FailureText(QStringLiteral("Failed to refresh the completed invoices"), ExceptionMessage(e),
                                  QStringLiteral("TFrmInvoiceAllocation.QueryFinishedInvoices")));
        else
            ShowError(FailureText(QStringLiteral("Failed to refresh invoices being prepared"), ExceptionMessage(e),
                                  QStringLiteral("TFrmInvoiceAllocation.QueryPreparingInvoices")));
    }
}

void TDispatchBoard::QueryPreparingInvoices(int sortOrder)
{
    // The order is kept even when the query fails, so the next refresh sorts as the
    // grouping button says.
    m_sortOrder = sortOrder;
    Query(false);
}

void TDispatchBoard::QueryFinishedInvoices()
{
    Query(true);
}

void TDispatchBoard::SwitchView(bool forceNotAssigned)
{
    m_model.UntagAll();
    m_grouping.Stop();
    TmrSortOrder.stop();
    m_showingAssigned = !m_showingAssigned && !forceNotAssigned;
    m_model.SetView(m_showingAssigned ? TBoardView::AlreadyAssigned : TBoardView::NotAssigned, m_settings.itemsCookedActive);
    emit Changed();
    if (m_showingAssigned)
        QueryFinishedInvoices();
    else
        QueryPreparingInvoices(0);
}

void TDispatchBoard::RefreshBoard()
{
    if (m_showingAssigned)
        QueryFinishedInvoices();
    else
        QueryPreparingInvoices(m_sortOrder);
}

void TDispatchBoard::timerRefreshDataTimer()
{
    // Stopped while it runs, so an error box does not pile up ticks; always re-armed.
    timerRefreshData.stop();
    const TFinally rearm([this] { timerRefreshData.start(); });
    RefreshBoard();
}

bool TDispatchBoard::GroupTick()
{
    const bool running = m_grouping.Tick();
    if (running)
        emit Changed();
    return running;
}

void TDispatchBoard::ToggleGrouping()
{
    if (m_showingAssigned)
        return;
    m_model.UntagAll();
    if (GroupTick()) {
        TmrSortOrder.stop();
        m_grouping.Stop();
        emit Changed();
        QueryPreparingInvoices(0);
    } else {
        m_grouping.Start();
        TmrSortOrder.start();
        emit Changed();
        QueryPreparingInvoices(1);
    }
}

void TDispatchBoard::TmrSortOrderTimer()
{
    if (GroupTick())
        return;
    TmrSortOrder.stop();
    m_grouping.Stop();
    emit Changed();
    m_model.UntagAll();
    QueryPreparingInvoices(0);
}

void TDispatchBoard::AssignOrReassign()
{
    if (m_model.Rows().empty())
        return;
    ShowInformation(QStringLiteral("Assigning orders to drivers is not available yet."));
    RefreshBoard();
}

void TDispatchBoard::DriverInOut()
{
    ShowInformation(QStringLiteral("Recording a driver's departure and return is not available yet."));
}

void TDispatchBoard::ConfirmQuit()
{
    if (MessageDialog(QStringLiteral("Are you sure you want to quit?"), mtConfirmation, {mbYes, mbNo}) == mrYes)
        emit QuitConfirmed();
}

// Both settings windows are the right of activity "GL020"; its errors go to the error report.
void TDispatchBoard::OrvikSettingsClick()
{
    if (CheckAccessOn(m_connection, QStringLiteral("GL020")))
        ShowInformation(QStringLiteral("The suite's settings cannot be edited from Trelvo yet."));
}

void TDispatchBoard::TrelvoSettingsClick()
{
    if (CheckAccessOn(m_connection, QStringLiteral("GL020")))
        ShowInformation(QStringLiteral("Trelvo's settings cannot be edited yet."));
}

bool TDispatchBoard::Perform(TBoardAction action)
{
    switch (action) {
    case TBoardAction::None: return false;
    case TBoardAction::Quit: ConfirmQuit(); break;
    case TBoardAction::Next: Next(); break;
    case TBoardAction::Assign: AssignOrReassign(); break;
    case TBoardAction::SwitchView: SwitchView(); break;
    case TBoardAction::Mark: MarkRecord(); break;
    case TBoardAction::Group:
        if (m_showingAssigned)
            return false;
        ToggleGrouping();
        break;
    case TBoardAction::Prior: Prior(); break;
    case TBoardAction::DriverInOut: DriverInOut(); break;
    }
    return true;
}
