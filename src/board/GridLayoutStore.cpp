#include "GridLayoutStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString FileName = QStringLiteral("Trevlo.INI");
const QString Key = QStringLiteral("Grid/Columns");

bool CanWrite(const QString &folder)
{
    const QFileInfo dir(folder);
    if (!dir.isDir() || !dir.isWritable())
        return false;
    const QFileInfo file(QDir(folder).filePath(FileName));
    return !file.exists() || file.isWritable();
}

} // namespace

TGridLayoutStore::TGridLayoutStore(QString programFolder, QString userFolder)
    : m_programFolder(std::move(programFolder)), m_userFolder(std::move(userFolder))
{
}

TGridLayoutStore TGridLayoutStore::ForProgram()
{
    return TGridLayoutStore(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tessaron"));
}

QString TGridLayoutStore::Path() const
{
    return QDir(CanWrite(m_programFolder) ? m_programFolder : m_userFolder).filePath(FileName);
}

TGridLayout TGridLayoutStore::Read() const
{
    const QSettings ini(Path(), QSettings::IniFormat);
    const QString saved = ini.value(Key).toString();
    return saved.isEmpty() ? TGridLayout::Default() : TGridLayout::Parse(saved);
}

bool TGridLayoutStore::Write(const TGridLayout &layout) const
{
    const QString path = Path();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(Key, layout.ToText());
    ini.sync();
    return ini.status() == QSettings::NoError;
}
