#pragma once

#include "FPosForm.h"
#include "NumberPad.h"

class TTchButton;

// A dialog with the number pad under the caller's own controls (pnlTop), OK and Cancel.
// Esc cancels when the pad is hidden or at 0, else it first clears the pad.
class TfrmNumPad : public TfrmPosForm {
    Q_OBJECT
public:
    explicit TfrmNumPad(QWidget *parent = nullptr);

    void SetFormLook(TFormLook look) override;

    TVxPanel *pnlTop;
    TNumberPad *numPad;
    TTchButton *btnOK;
    TTchButton *btnCancel;

protected:
    // The form sees every key first (keys are not consumed unless said).
    bool eventFilter(QObject *watched, QEvent *event) override;
    // True when the key was taken by the form.
    virtual bool FormKeyDown(QKeyEvent &event);
    void showEvent(QShowEvent *event) override;
    void WatchKeys();

    bool ForwardKeys = true;
};
