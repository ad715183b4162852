#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QGroupBox;
class QPushButton;
class TOrvikGlobalSettings;
class TSysDataItem;

// "Trelvo Settings": the two suite-wide switches only this program uses. Edits the
// in-memory global settings, so the board sees a change at once; OK also saves them.
// A database error while saving is not caught: it leaves the dialog open.
class TfrmTrelvoSettings : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTrelvoSettings(TOrvikGlobalSettings &settings, QWidget *parent = nullptr);

    QGroupBox *grpSettings;
    QCheckBox *chkItemsCookedActive;
    QCheckBox *chkLogDriverReturns;
    QFrame *pnlBottom;
    QPushButton *btnOK;
    QPushButton *btnCancel;

public slots:
    void reject() override;  // Esc and the close box answer as Cancel

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnOKClick();
    void btnCancelClick();
    TSysDataItem *ItemsCookedActive();
    TSysDataItem *LogTimes();

    TOrvikGlobalSettings &m_settings;
};
