#include "DispatchBoard.h"
#include "DriverDispatch.h"
#include "app/clsApp.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"
#include "data/clsOrvikSettings.h"
#include "records/clsAttend.h"

#include <QScopeGuard>

namespace {

void ReadFlag(TSysDataItem *item, bool &flag)
{
    try {
        if (item)
            flag = item->AsBoolean();
    } catch (const EConvertError &) {
    }
}

} // namespace

TBoardSettings TBoardSettings::From(TOrvikSettings &settings)
{
    TBoardSettings s;
    try {
        s.dayStart = settings.GlobalSettings.DayStartTime();
    } catch (const EConvertError &) {
    }
    ReadFlag(settings.GlobalSettings.AppItemsCookedActive, s.itemsCookedActive);
    ReadFlag(settings.GlobalSettings.AppTrelvoLogTimes, s.logDriverTimes);
    ReadFlag(settings.LocalSettings.DrvInvPr, s.printAssignedInvoices);
    return s;
}

TBoardSettingsSource TBoardSettingsSource::Of(TOrvikSettings &settings)
{
    return TBoardSettingsSource([&settings] { return TBoardSettings::From(settings); });
}

TDispatchBoard::TDispatchBoard(TAdoConnection &connection, TBoardSettingsSource settings, QObject *parent)
    : QObject(parent), m_connection(connection), m_settings(std::move(settings)), m_queries(connection)
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
    const auto done = qScopeGuard([this] { m_refreshing = false; });
    emit BusyChanged(true);
    try {
        const TDateTime now = DateTimes::Now();
        m_model.SetNow(now);
        if (assigned) {
            // Both bounds from one moment, so a refresh at the day's turn gets one whole day.
            const TDateTime start = DayStartOrDefault(m_settings().dayStart);
            m_model.SetRows(m_queries.AlreadyAssigned(TradingDayBound(tdbStart, start, now), TradingDayBound(tdbNext, start, now)));
        } else {
            m_model.SetRows(m_queries.NotAssigned(m_sortOrder));
        }
        m_rowsCurrent = true;
        emit BusyChanged(false);
    } catch (const std::exception &e) {
        m_rowsCurrent = false;
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
    m_model.SetView(m_showingAssigned ? TBoardView::AlreadyAssigned : TBoardView::NotAssigned, m_settings().itemsCookedActive);
    emit Changed();
    if (m_showingAssigned)
        QueryFinishedInvoices();
    else
        QueryPreparingInvoices(0);
}

void TDispatchBoard::SettingsChanged()
{
    m_model.SetView(m_model.View(), m_settings().itemsCookedActive);
    emit Changed();
    RefreshBoard();
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
    const auto rearm = qScopeGuard([this] { timerRefreshData.start(); });
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
    if (!m_showingAssigned ||
        MessageDialog(QStringLiteral("Are you sure you want to re-assign tagged invoices to a different driver?"), mtWarning,
                      {mbYes, mbNo}) == mrYes)
        AssignTaggedInvoices();
    RefreshBoard();
}

void TDispatchBoard::AssignTaggedInvoices()
{
    if (m_model.Tags().IsEmpty()) {
        ShowError(QStringLiteral("There are no tagged invoices"));
        return;
    }
    // The orders as they are now: refreshes under the dialogs below move rows and may drop
    // tags, but the dispatcher handed over these orders.
    std::vector<TBoardRow> orders;
    for (qlonglong invoiceNum : m_model.Tags().InOrder())
        if (const TBoardRow *row = m_model.RowOf(invoiceNum))
            orders.push_back(*row);

    const TBoardSettings settings = m_settings();
    TDriverDispatch dispatch(m_connection, settings.dayStart);
    const std::unique_ptr<TAttend> driver = dispatch.IdentifyDriver();
    if (!driver)
        return;

    emit BusyChanged(true);
    const auto done = qScopeGuard([this] {
        m_model.UntagAll();
        emit BusyChanged(false);
    });
    for (const TBoardRow &order : orders) {
        const TBoardRow *latest = m_model.RowOf(order.InvoiceNum);
        // Closed at a till or given to a driver elsewhere while the dialogs were open: a
        // refresh took it off the board, and with it its tag.
        if (!latest && m_rowsCurrent)
            continue;
        if (settings.itemsCookedActive) {
            // The kitchen's stamp as the board last read it.
            if ((latest ? latest->TimeStampCooked : order.TimeStampCooked) <= 0) {
                ShowInformation(QStringLiteral("Order ") + QString::number(order.OrderNum) + QStringLiteral(" not yet processed"));
                continue;
            }
        }
        driver->AssignDriver(static_cast<int>(order.InvoiceNum));
        if (settings.printAssignedInvoices && PrintTransaction)
            PrintTransaction(order.InvoiceNum);
    }
}

void TDispatchBoard::DriverInOut()
{
    const TBoardSettings settings = m_settings();
    TDriverDispatch(m_connection, settings.dayStart).DriverInOut({}, settings.logDriverTimes);
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
        emit TrelvoSettingsRequested();
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
