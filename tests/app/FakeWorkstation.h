#pragma once

#include "app/Workstation.h"

// A workstation with fixed values, installed for the life of the object.
class TFakeWorkstation final : public TWorkstation {
public:
    TFakeWorkstation(QString computerName, QString loginName, QString volumeSerial)
        : m_computerName(std::move(computerName)), m_loginName(std::move(loginName)), m_volumeSerial(std::move(volumeSerial))
    {
        SetWorkstation(this);
    }
    ~TFakeWorkstation() override { SetWorkstation(nullptr); }

    QString ComputerName() const override { return m_computerName; }
    QString LoginName() const override { return m_loginName; }
    QString VolumeSerial() const override { return m_volumeSerial; }

private:
    QString m_computerName;
    QString m_loginName;
    QString m_volumeSerial;
};
