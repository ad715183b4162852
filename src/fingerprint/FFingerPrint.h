#pragma once

#include "FingerprintMatcher.h"
#include "FingerprintReader.h"
#include "app/clsApp.h"

#include <QDialog>
#include <memory>

class QLabel;
class QListWidget;
class QTimer;
class TAdoConnection;
class TSimulatedFingerprintReader;
class TTchButton;
class TVxControlsPanel;
class TVxPanel;

// "Scan": captures one finger on the reader and finds the active employee it belongs to.
// Made once at start-up and hidden between scans. Without a reader fingerprints are not
// offered (Initialised false). With the simulated reader a list of the enrolled employees
// stands in for the finger: picking one presents that employee's finger.
class TfrmFingerPrint : public QDialog, public TFingerprintWindow {
    Q_OBJECT
public:
    // The candidates are read from the connection once, here.
    TfrmFingerPrint(std::unique_ptr<TFingerprintReader> reader, TAdoConnection *connection, QWidget *parent = nullptr);
    ~TfrmFingerPrint() override;

    bool Initialised() const override { return m_initialised; }
    // 1 a match (empNum set), 0 a finger nobody is enrolled with, 2 no scan.
    int GetUser(const QString &prompt, QString &empNum) override;

    TFingerprintReader *Reader() const { return m_reader.get(); }
    const TFingerprintMatcher &Candidates() const { return m_matcher; }
    bool HasBeenShown() const { return m_hasBeenShown; }

    TVxPanel *pnlMessage;
    QLabel *lblMessage;
    QWidget *pnlReader = nullptr;      // the reader's area; none without a reader
    QListWidget *lstFingers = nullptr;  // the simulated reader's fingers
    TVxPanel *pnlStatus;
    QLabel *lblStatus;
    TVxControlsPanel *pnlButtons;
    TTchButton *btnCancel;
    QTimer *Timer1;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void PopulateEmployees();
    void PopulateFingers();
    void StatusChanged(quint16 status);
    void Timer1Timer();
    void lstFingersClicked(int row);
    bool DeviceConnected();
    void SetStatus(const QString &text);
    void ShowUntilClosed(const QString &status);

    std::unique_ptr<TFingerprintReader> m_reader;
    TSimulatedFingerprintReader *m_simulated = nullptr;
    TAdoConnection *m_connection;
    TFingerprintMatcher m_matcher;
    bool m_initialised = false;
    bool m_hasBeenShown = false;
};
