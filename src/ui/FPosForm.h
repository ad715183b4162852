#pragma once

#include "FormSettings.h"
#include "app/modMsgDlgs.h"
#include "VxControlsPanel.h"
#include "records/clsAttend.h"

#include <QDialog>

class QVBoxLayout;
class TAdoConnection;
class TTchButton;

// A button a finger can hit, whatever the shared look says.
constexpr int TouchButtonMinWidth = 96;
constexpr int TouchButtonMinHeight = 44;

enum TKitButtonRole { kbPlain, kbDefault, kbCancel };
// A touch button by its object name; the default one answers Enter, the cancel one Esc.
TTchButton *NewKitButton(QWidget *parent, const char *name, const QString &caption, int modalResult = 0,
                         TKitButtonRole role = kbPlain);

// Sizes the panel's buttons by the shared look (at least finger size), gives them its
// fonts and colours, and re-arranges the panel, also when a step fails. No panel: nothing.
void ArrangeButtonPanel(TVxControlsPanel *panel);

// The base of the touch dialogs: the shared look, a bottom button panel, centring on the
// "INV MONITOR" monitor, and the employee the dialog works for.
class TfrmPosForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPosForm(QWidget *parent = nullptr);

    TAdoConnection *AdoConnection() const { return m_connection; }
    void SetAdoConnection(TAdoConnection *connection) { m_connection = connection; }
    TAttend &Emp() { return m_emp; }
    QString EmpNum() const { return m_empNum; }
    // Throws "TfrmPosForm.AdoConnection property has not been set" without a connection.
    virtual void SetEmpNum(const QString &number);
    TFormLook FormLook() const { return m_formLook; }
    // Also sets the shared look, so every later dialog follows it.
    virtual void SetFormLook(TFormLook look);
    bool ShowBorder() const { return m_showBorder; }
    void SetShowBorder(bool value);  // a request for one showing

    virtual void ArrangeButtonPanel(TVxControlsPanel *panel);
    virtual void ApplyFormLook();
    // Re-applies the shared look and runs the modal loop: 1 OK, 2 Cancel, or what the
    // dialog set.
    virtual int ShowModal();

    TVxPanel *pnlMain;
    TVxControlsPanel *pnlBottom;

protected:
    // Content goes above the button panel.
    void AddContent(QWidget *widget, int stretch = 0);
    void SetDialogFrame(bool framed);
    void SetClientHeight(int height);
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    void reject() override;  // the close box and Esc answer 2 (Cancel)
    // Whether showing moves the dialog to the "INV MONITOR" monitor.
    bool m_centreOnInvMonitor = true;

private:
    TAdoConnection *m_connection = nullptr;
    TAttend m_emp;
    QString m_empNum;
    TFormLook m_formLook = flNormal;
    bool m_showBorder = false;
    QVBoxLayout *m_mainLayout;
};
