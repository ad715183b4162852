#pragma once

#include "data/AdoObjects.h"
#include "app/modMsgDlgs.h"
#include "ui/FPosForm.h"

#include <QSet>

class QStandardItemModel;
class QTableView;
class TTchButton;

// A selector over one query: a title panel, a navigator, a row-select grid, and OK, Cancel
// or Close at the bottom.
class TfrmDbSelector : public TfrmPosForm {
    Q_OBJECT
public:
    explicit TfrmDbSelector(QWidget *parent = nullptr);

    QStringList QryStrings;
    bool AllowEdit() const { return m_allowEdit; }
    virtual void SetAllowEdit(bool value);
    // OK shows when mbOK is in the set, Cancel when mbCancel is, Close only when it is empty.
    QSet<TMsgDlgBtn> Buttons() const { return m_buttons; }
    void SetButtons(const QSet<TMsgDlgBtn> &buttons);

    // Refreshes; false without showing anything when that fails or finds no row; else shows
    // the selector and is true exactly when it closed with OK.
    virtual bool Execute();
    // True when the query holds at least one row; a failure is shown and gives false.
    virtual bool DoRefresh();

    // The grid's current row, -1 when none.
    int CurrentRow() const;

    TAdoQuery qry;
    TVxPanel *pnlTop;
    QWidget *nav;
    QTableView *grid;
    TTchButton *btnOK;
    TTchButton *btnCancel;
    TTchButton *btnClose;

protected:
    virtual void CtrlEnterKey() {}
    virtual void InsertKey() {}
    virtual void DeleteKey() {}
    virtual void AfterRefresh() {}
    // The navigator's insert and delete.
    virtual void DoInsert() {}
    virtual void DoDelete() {}
    // The OK button: closes with 1.
    virtual void btnOKClick();
    // The columns the grid shows; all when empty.
    QStringList GridColumns;
    void SetCurrentRow(int row);
    // Fills the grid from the open query.
    void FillGrid();
    TTchButton *NavButton(const char *name) const;
    void keyPressEvent(QKeyEvent *event) override;
    void done(int result) override;

private:
    void UpdateButtons();

    bool m_allowEdit = false;
    QSet<TMsgDlgBtn> m_buttons{mbOK, mbCancel};
    QStandardItemModel *m_model;
};
