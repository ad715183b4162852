#include "Workstation.h"

#include <QSysInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>
#endif

namespace {

TLocalWorkstation g_local;
TWorkstation *g_workstation = &g_local;

} // namespace

QString FormatVolumeSerial(quint32 serial)
{
    const QString hex = QString::number(serial, 16).toUpper();
    return hex.left(4) + u'-' + hex.mid(4, 4);
}

QString ComputerNameFromHost(const QString &hostName)
{
    // The system's own limit for a name; a name that long means it was not read.
    constexpr qsizetype NameLimit = 253;
    if (hostName.size() >= NameLimit)
        return {};
    return hostName.toUpper();
}

QString TLocalWorkstation::ComputerName() const
{
    return ComputerNameFromHost(QSysInfo::machineHostName());
}

QString TLocalWorkstation::LoginName() const
{
#ifdef Q_OS_WIN
    wchar_t name[257];
    DWORD size = 257;
    return GetUserNameW(name, &size) ? QString::fromWCharArray(name) : QString();
#else
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return {};
#endif
}

QString TLocalWorkstation::VolumeSerial() const
{
#ifdef Q_OS_WIN
    DWORD serial = 0;
    if (!GetVolumeInformationW(L"C:\\", nullptr, 0, &serial, nullptr, nullptr, nullptr, 0))
        return QStringLiteral("0");
    return FormatVolumeSerial(serial);
#else
    struct statvfs info {};
    if (statvfs("/", &info) != 0)
        return QStringLiteral("0");
    return FormatVolumeSerial(static_cast<quint32>(info.f_fsid & 0xFFFFFFFFu));
#endif
}

TWorkstation &Workstation()
{
    return *g_workstation;
}

void SetWorkstation(TWorkstation *workstation)
{
    g_workstation = workstation ? workstation : &g_local;
}

QString GetComputerName()
{
    return Workstation().ComputerName();
}

QString GetLoginName()
{
    return Workstation().LoginName();
}

QString GetVolumeSerial()
{
    return Workstation().VolumeSerial();
}
