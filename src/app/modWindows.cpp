#include "modWindows.h"

#include "clsEVxException.h"
#include "modMsgDlgs.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

// The stamp GetFileVersion looks for in a program file. The version comes from the
// build (the project's four-part version).
extern const char TrelvoVersionStamp[];
const char TrelvoVersionStamp[] = "\x01TRELVO-FILE-VERSION:" TRELVO_VERSION "\x01";

namespace {

const QString UnknownVersion = QStringLiteral("?.?.?.?");

// Four parts, the missing ones 0; empty for anything that is not a version.
QString FourPartVersion(const QByteArray &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{1,5}(\\.\\d{1,5}){0,3}$"));
    const QString version = QString::fromLatin1(text);
    if (!shape.match(version).hasMatch())
        return {};
    QStringList parts = version.split(u'.');
    while (parts.size() < 4)
        parts.append(QStringLiteral("0"));
    return parts.join(u'.');
}

QString StampedVersion(QByteArrayView bytes)
{
    // Built from pieces so that the search text is no stamp itself.
    const QByteArray marker = QByteArray("\x01TRELVO-FILE-") + QByteArray("VERSION:");
    for (qsizetype at = bytes.indexOf(marker); at >= 0; at = bytes.indexOf(marker, at + 1)) {
        const qsizetype start = at + marker.size();
        const qsizetype end = bytes.indexOf('\x01', start);
        if (end > start && end - start <= 23) {
            const QString version = FourPartVersion(bytes.sliced(start, end - start).toByteArray());
            if (!version.isEmpty())
                return version;
        }
    }
    return UnknownVersion;
}

} // namespace

void CentreOnMonitor(int monitorNumber, QWidget *window)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int index = monitorNumber & 0x7F;
    if (index >= screens.size()) {
        ShowInformation(QStringLiteral("Invalid monitor"));
        return;
    }
    const QRect monitor = screens.at(index)->geometry();
    const QSize size = window->frameGeometry().size();
    window->move(monitor.left() + monitor.width() / 2 - size.width() / 2, monitor.top() + monitor.height() / 2 - size.height() / 2);
}

QString SelectFolder(QWidget *owner)
{
    QFileDialog dialog(owner, QStringLiteral("Select a folder"));
    dialog.setObjectName(QStringLiteral("dlgSelectFolder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
    return chosen.isDir() ? QDir::toNativeSeparators(chosen.absoluteFilePath()) : QString();
}

QString GetFileVersion(const QString &fileName)
{
    QFile file(fileName);
    if (!file.exists())
        throw EVxException(QStringLiteral("File ") + fileName + QStringLiteral(" does not exist"), QStringLiteral("GetFileVersion"));
    if (!file.open(QIODevice::ReadOnly))
        return UnknownVersion;
    if (file.size() == 0)
        return UnknownVersion;
    if (const uchar *mapped = file.map(0, file.size()))
        return StampedVersion(QByteArrayView(mapped, file.size()));
    return StampedVersion(file.readAll());
}

QString ProgramVersion()
{
    QByteArrayView stamp(TrelvoVersionStamp);
    return StampedVersion(stamp);
}
