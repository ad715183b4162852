#include "app/clsEVxException.h"
#include "app/modWindows.h"
#include "support/StrictPrompts.h"
#include "support/WidgetChild.h"
#include "ui/ModalDriver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

namespace {

// Put together at run time: written whole, the test program would carry these stamps itself.
QByteArray Marker()
{
    return QByteArray("\x01TRELVO-FILE-") + QByteArray("VERSION:");
}

} // namespace

TEST(modWindows, TheVersionStampedIntoAProgramFile)
{
    const QString version = GetFileVersion(QCoreApplication::applicationFilePath());
    EXPECT_EQ(version, ProgramVersion());
    EXPECT_EQ(version.split(u'.').size(), 4);
    EXPECT_TRUE(version.startsWith(QStringLiteral(TRELVO_VERSION)));

    QTemporaryDir dir;
    const struct {
        const char *name;
        QByteArray content;
        const char *version;
    } files[] = {
        {"a file without a stamp", "just some text", "?.?.?.?"},
        {"an empty file", "", "?.?.?.?"},
        {"a stamp of two parts", "xx" + Marker() + "2.3\x01yy", "2.3.0.0"},
        {"a stamp that is no version, then a real one", Marker() + QByteArray(1, '\0') + "\x01" + Marker() + "4.5.6.7\x01", "4.5.6.7"},
        {"a stamp cut short", Marker() + "1.2", "?.?.?.?"},
    };
    for (const auto &f : files) {
        SCOPED_TRACE(f.name);
        QFile file(dir.filePath(QString::fromLatin1(f.name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(f.content);
        file.close();
        EXPECT_EQ(GetFileVersion(file.fileName()), QString::fromLatin1(f.version));
    }
}

TEST(modWindows, AMissingFileHasNoVersion)
{
    const QString missing = QStringLiteral("/no/such/trelvo");
    try {
        GetFileVersion(missing);
        ADD_FAILURE() << "no exception";
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("File /no/such/trelvo does not exist"));
    }
}

TEST(modWindows, AWindowIsCentredOnTheChosenMonitor)
{
    const QRect monitor = QGuiApplication::screens().at(0)->geometry();
    for (int number : {0, 128, 256 + 128}) {
        SCOPED_TRACE(number);
        QWidget window;
        window.resize(301, 151);
        window.move(3, 4);
        CentreOnMonitor(number, &window);
        EXPECT_EQ(window.pos(), QPoint(monitor.left() + monitor.width() / 2 - 150, monitor.top() + monitor.height() / 2 - 75));
    }
    QWidget window;
    window.move(3, 4);
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, QStringLiteral("Invalid monitor"));
    CentreOnMonitor(static_cast<int>(QGuiApplication::screens().size()), &window);
    EXPECT_EQ(window.pos(), QPoint(3, 4));
}

TEST(modWindows, SelectFolderGivesTheChosenFolderOrNothing)
{
    QTemporaryDir dir;
    {
        QString title;
        TModalDriver driver([&](QDialog &dialog) {
            title = dialog.windowTitle();
            auto &chooser = dynamic_cast<QFileDialog &>(dialog);
            chooser.setDirectory(dir.path());
            chooser.selectFile(dir.path());
            static_cast<QDialog &>(chooser).accept();
        });
        EXPECT_EQ(SelectFolder(nullptr), QDir::toNativeSeparators(QDir(dir.path()).absolutePath()));
        EXPECT_EQ(title, QStringLiteral("Select a folder"));
    }
    {
        TModalDriver driver([](QDialog &dialog) { dialog.reject(); });
        EXPECT_EQ(SelectFolder(nullptr), QString());
    }
}
