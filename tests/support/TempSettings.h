#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the settings store (system and user scope) at a temporary folder for one test.
class TTempSettings {
public:
    TTempSettings()
    {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::SystemScope, SystemFolder());
            QSettings::setPath(format, QSettings::UserScope, UserFolder());
        }
    }
    QString SystemFolder() const { return m_dir.filePath(QStringLiteral("system")); }
    QString UserFolder() const { return m_dir.filePath(QStringLiteral("user")); }
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};
