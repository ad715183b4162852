#pragma once

#include "data/Currency.h"
#include "ui/FPosForm.h"

class QComboBox;
class QGroupBox;
class QLabel;
class TNumEditPro;
class TTchButton;

// "Delivery Settings": the driver's odometer reading, the float he takes and the open till
// shift it is paid from. Stays centred on the screen.
class TfrmOdometer : public TfrmPosForm {
    Q_OBJECT
public:
    explicit TfrmOdometer(QWidget *parent = nullptr);

    Currency Float() const { return m_float; }
    void SetFloat(Currency value) { m_float = value; }
    double Reading() const { return m_reading; }
    void SetReading(double value) { m_reading = value; }
    // 0 for "Not paid from till" or no choice.
    int Tillshift() const;
    // The float amount, its label, and the till choice together.
    void SetFloatEntryEnabled(bool enabled);
    // Loads Emp, then shows his current float and "Amount" or "Add".
    void SetEmpNum(const QString &number) override;

    QWidget *pnlOdometer;
    TNumEditPro *numReading;
    QGroupBox *grpFloat;
    TVxPanel *pnlCurrentFloat;
    QLabel *lblFloat;
    TNumEditPro *numFloat;
    QLabel *lblTill;
    QComboBox *cboTill;
    TTchButton *btnOK;
    TTchButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PopulateTillsCombo();
    void btnOKClick();

    Currency m_float;
    double m_reading = 0;
};
