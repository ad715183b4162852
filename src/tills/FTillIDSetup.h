#pragma once

#include <QDialog>

class QLabel;
class QSpinBox;
class TAdoConnection;
class TTchButton;

// "Till Identification Setup": this workstation's identity and a free till number (1-10).
// Result 1 leaves the registration to store in TillID, ComputerName, HDSerial, UserName.
class TfrmTillIDSetup : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTillIDSetup(QWidget *parent = nullptr);

    TAdoConnection *AdoConnection() const { return m_connection; }
    void SetAdoConnection(TAdoConnection *connection) { m_connection = connection; }
    QString UserName() const { return m_userName; }
    QString ComputerName() const { return m_computerName; }
    QString HDSerial() const { return m_hdSerial; }
    int TillID() const { return m_tillID; }

    QSpinBox *spin;
    QLabel *lblUserName;
    QLabel *lblComputerName;
    QLabel *lblHDSerial;
    TTchButton *btnOK;
    TTchButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void ReadIdentity();
    void GetNextTillID();
    void btnOKClick();

    TAdoConnection *m_connection = nullptr;
    QString m_userName;
    QString m_computerName;
    QString m_hdSerial;
    int m_tillID = 0;
};
