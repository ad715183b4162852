#pragma once

#include "BoardKeys.h"
#include "BoardModel.h"
#include "BoardQueries.h"
#include "GroupCountdown.h"

#include <QObject>
#include <QTimer>
#include <functional>

class TAdoConnection;
class TOrvikSettings;

// The settings the board reads.
struct TBoardSettings {
    TDateTime dayStart = 0;               // "DAY START"; midnight counts as 05:00
    bool itemsCookedActive = false;       // "APP_ITEMSCOOKED_ACTIVE"
    bool logDriverTimes = false;          // "APP_TRELVO_LOGTIMES"
    bool printAssignedInvoices = false;   // this till's "DRV INV PR"
    // From the loaded settings; a value that does not read keeps its default.
    static TBoardSettings From(TOrvikSettings &settings);
};

// Where the board reads its settings at each use, so a change made in a settings window
// takes effect at once.
class TBoardSettingsSource {
public:
    TBoardSettingsSource(TBoardSettings fixed) : m_read([fixed] { return fixed; }) {}
    explicit TBoardSettingsSource(std::function<TBoardSettings()> read) : m_read(std::move(read)) {}
    // The program's loaded settings as they are at the moment of asking.
    static TBoardSettingsSource Of(TOrvikSettings &settings);
    TBoardSettings operator()() const { return m_read(); }

private:
    std::function<TBoardSettings()> m_read;
};

// The dispatch board without its window: the two views, the refresh every 10 seconds that
// never overlaps, grouping by map reference with its countdown, and the keypad's actions.
// Questions and errors go through the prompt service.
class TDispatchBoard : public QObject {
    Q_OBJECT
public:
    static constexpr int RefreshInterval = 10'000;

    TDispatchBoard(TAdoConnection &connection, TBoardSettingsSource settings, QObject *parent = nullptr);

    TBoardModel &Model() { return m_model; }
    const TBoardModel &Model() const { return m_model; }

    // The first load, when the window is first shown: the Not Assigned view by due time.
    void FormShow();
    // Flips the view, or shows Not Assigned when forced. Tags are cleared, grouping stops.
    void SwitchView(bool forceNotAssigned = false);
    // Re-runs the current view's query, unless a query is still running.
    void RefreshBoard();
    void ToggleGrouping();
    // One second of grouping: true while it still runs.
    bool GroupTick();
    void MarkRecord() { m_model.MarkRecord(); }
    void AssignOrReassign();
    // Gives the tagged orders to the driver who identifies himself. Errors other than a
    // failing assignment end the run and propagate, with every tag cleared.
    void AssignTaggedInvoices();
    void DriverInOut();
    // Asks "Are you sure you want to quit?"; Yes emits QuitConfirmed.
    void ConfirmQuit();
    void Next() { m_model.SetCurrentRow(m_model.CurrentRow() + 1); }
    void Prior() { m_model.SetCurrentRow(m_model.CurrentRow() - 1); }
    void OrvikSettingsClick();
    void TrelvoSettingsClick();
    // A key's action; false when the key does nothing on the board.
    bool Perform(TBoardAction action);

    bool ShowingAssigned() const { return m_showingAssigned; }
    int SortOrder() const { return m_sortOrder; }
    const TGroupCountdown &Grouping() const { return m_grouping; }
    QString HeaderCaption() const;
    QString MarkCaption() const;
    QString GroupCaption() const { return m_grouping.Caption(); }
    TBoardSettings Settings() const { return m_settings(); }
    // The settings were edited: the cooked column comes or goes at once.
    void SettingsChanged();
    bool GroupVisible() const { return !m_showingAssigned; }
    bool DriverLeavingVisible() const { return m_showingAssigned; }

    // Ticks of the timers, also called by tests.
    void timerRefreshDataTimer();
    void TmrSortOrderTimer();

    QTimer timerRefreshData;  // started by start-up
    QTimer TmrSortOrder;

signals:
    void Changed();  // captions or button visibility
    void BusyChanged(bool busy);
    void QuitConfirmed();
    // "Trelvo Settings" passed its access check: the window shows the dialog.
    void TrelvoSettingsRequested();

public:
    // Prints an assigned order's invoice on this till's invoice printers; nothing until set.
    std::function<void(qlonglong invoiceNum)> PrintTransaction;

private:
    void QueryPreparingInvoices(int sortOrder);
    void QueryFinishedInvoices();
    void Query(bool assigned);

    TAdoConnection &m_connection;
    TBoardSettingsSource m_settings;
    TBoardQueries m_queries;
    TBoardModel m_model;
    TGroupCountdown m_grouping;
    bool m_refreshing = false;
    bool m_rowsCurrent = false;  // the last query succeeded
    bool m_showingAssigned = false;
    int m_sortOrder = 0;
};
