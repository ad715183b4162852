#pragma once

#include "DispatchBoard.h"
#include "GridLayoutStore.h"

#include <QMainWindow>
#include <QTimer>

class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QIdentityProxyModel;

// The dispatch board's window: it shows the board's state and passes keys, clicks and
// menu choices to it.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    TfrmMain(TAdoConnection &connection, TBoardSettingsSource settings, TGridLayoutStore layoutStore, QWidget *parent = nullptr);
    ~TfrmMain() override;  // writes the column layout

    TDispatchBoard &Board() { return m_board; }
    // Another copy asked for this window: restore it if minimised, bring it forward.
    void BringForward();
    // Every button the same height: the panel's height over (buttons - 1), since one of
    // Group and Driver In/Out is always hidden.
    void ArrangeButtons();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenus();
    void ShowTrelvoSettings();
    QWidget *BuildButtons();
    void BuildStatusBar();
    void UpdateControls();
    void ApplyColumnWidths();
    void ColumnResized(int column, int newSize);
    void ShowCurrentRow(int row);
    void ClockTick();
    bool GridKeyPress(class QKeyEvent *event);
    int CharWidth() const;
    int Padding() const;

    TDispatchBoard m_board;
    TGridLayoutStore m_layoutStore;
    QIdentityProxyModel *m_colours;
    QLabel *pnlViewStatus;
    QTableView *gridInvoices;
    QWidget *PnlButtons;
    QPushButton *BtnUp, *BtnDown, *btnTagUntag, *btnGroup, *BtnMark, *BtnDriverLeaving, *BtnSwitchView, *BtnQuit;
    QLabel *lblKeyCode, *lblStatusText, *lblDateTime, *lblNumLock, *lblCapsLock;
    QMenu *PopupMenu;
    QTimer m_clock;
    bool m_shown = false;
    bool m_applyingWidths = false;
    double m_widthScale = 1.0;  // the columns spread over a wide grid
    bool m_busy = false;
};
