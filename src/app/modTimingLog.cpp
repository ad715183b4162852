#include "modTimingLog.h"

#include "data/DateTimes.h"
#include "data/clsOrvikSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool LogTimesOn()
{
    return OrvikSettings && OrvikSettings->LocalSettings.LogTimes && OrvikSettings->LocalSettings.LogTimes->AsBoolean();
}

} // namespace

QString OrvikDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tessaron/Orvik");
}

QString TimingLogFile()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\OrvikLogging.txt");
#else
    return OrvikDataFolder() + QStringLiteral("/OrvikLogging.txt");
#endif
}

void WriteTimingLog(const QString &text)
{
    WriteTimingLog(text, TimingLogFile());
}

void WriteTimingLog(const QString &text, const QString &fileName)
{
    if (!LogTimesOn())
        return;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    const QString line = DateTimes::ToQDateTime(DateTimes::Now()).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz ")) + text + u'\n';
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text) || file.write(line.toUtf8()) < 0)
        throw EInOutError(QStringLiteral("Cannot write to ") + QDir::toNativeSeparators(fileName) + QStringLiteral(": ") + file.errorString());
}
