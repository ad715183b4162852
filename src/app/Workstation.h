#pragma once

#include <QString>

// The values by which this workstation registers as a till.
class TWorkstation {
public:
    virtual ~TWorkstation() = default;
    // The host name in upper case; empty when the system gives none.
    virtual QString ComputerName() const = 0;
    // The name of the logged-in user.
    virtual QString LoginName() const = 0;
    // The system volume's serial as FormatVolumeSerial writes it; "0" when it cannot be read.
    virtual QString VolumeSerial() const = 0;
};

// The workstation the program runs on: the host name, the login name, and the 32-bit id of
// the root file system (drive C: on Windows).
class TLocalWorkstation final : public TWorkstation {
public:
    QString ComputerName() const override;
    QString LoginName() const override;
    QString VolumeSerial() const override;
};

// The one in use: the local workstation unless a test sets another.
TWorkstation &Workstation();
void SetWorkstation(TWorkstation *workstation);  // nullptr restores the local one

QString GetComputerName();
QString GetLoginName();
QString GetVolumeSerial();

// Upper-case hexadecimal without leading zeros, its first four characters, "-", and its
// next four: 0012ABCD gives "12AB-CD".
QString FormatVolumeSerial(quint32 serial);
// A host name as a computer name: upper case; empty when empty or 253 characters or longer.
QString ComputerNameFromHost(const QString &hostName);
