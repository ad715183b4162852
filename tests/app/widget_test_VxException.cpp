#include "app/FMsgDlgLst.h"
#include "app/FakeWorkstation.h"
#include "app/TrelvoApplication.h"
#include "app/clsEVxException.h"
#include "app/clsVxException.h"
#include "app/modWindows.h"
#include "data/DateTimes.h"
#include "support/WidgetChild.h"
#include "ui/ModalDriver.h"
#include "ui/TchButton.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <stdexcept>

namespace {

// Reports go to a temporary folder at a fixed minute, on a known workstation.
class VxExceptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VxException().ReportFolders = {m_dir.path()};
        SetMinute(18, 30);
    }
    void TearDown() override
    {
        VxException().ReportFolders.clear();
        DateTimes::SetClock({});
    }
    static void SetMinute(int hour, int minute, int second = 0)
    {
        DateTimes::SetClock([=] { return DateTimes::EncodeDateTime(2024, 3, 5, hour, minute, second); });
    }
    // Handles the error as the event loop would, and gives the report as the window showed it.
    QString Report(const std::exception &error)
    {
        QString shown;
        TModalDriver driver([&](QDialog &dialog) {
            auto *report = Child<QTextEdit>(dialog, "re");
            shown = report->toPlainText();
            m_scrolledTo = report->verticalScrollBar()->value();
            m_scrollable = report->verticalScrollBar()->maximum() > 0;
            dialog.accept();
        });
        VxException().HandleException(nullptr, error);
        return shown;
    }
    QStringList ReportFiles() const { return QDir(m_dir.path()).entryList({QStringLiteral("*.rtf")}, QDir::Files); }
    QByteArray Saved(const QString &name) const
    {
        QFile file(QDir(m_dir.path()).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    int m_scrolledTo = -1;
    bool m_scrollable = false;
    QTemporaryDir m_dir;
    TFakeWorkstation m_workstation{QStringLiteral("TILL-7"), QStringLiteral("anna"), QStringLiteral("12AB-CD")};
};

} // namespace

TEST_F(VxExceptionTest, APlainExceptionIsReportedAsNotSet)
{
    const QString shown = Report(std::runtime_error("disk full"));
    const QString expectedStart = QStringLiteral("An Error Has Occurred\n\nError: disk full\n\nRaised In: Not Set\n\n") + QString(53, u'-') +
                                  QStringLiteral("\nApplication Information...\n") + QString(53, u'-') + QStringLiteral("\nTitle: ");
    EXPECT_TRUE(shown.startsWith(expectedStart)) << shown.toStdString();
    const QStringList lines{QString(QStringLiteral("Version: ") + ProgramVersion()), QStringLiteral("Operating System Information..."),
                            QStringLiteral("Computer Name: TILL-7"), QStringLiteral("Current User: anna"), QStringLiteral("Platform: ")};
    for (const QString &line : lines)
        EXPECT_TRUE(shown.contains(u'\n' + line)) << line.toStdString();
    const QString file = QDir::toNativeSeparators(QDir(m_dir.path()).filePath(QStringLiteral("20240305 1830.rtf")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\n\nLog file has been saved to ") + file)) << shown.toStdString();
    EXPECT_TRUE(m_scrollable);
    EXPECT_EQ(m_scrolledTo, 0) << "the report opens at the error";

    ASSERT_EQ(ReportFiles(), QStringList{QStringLiteral("20240305 1830.rtf")});
    const QByteArray saved = Saved(QStringLiteral("20240305 1830.rtf"));
    EXPECT_TRUE(saved.startsWith("{\\rtf1"));
    EXPECT_TRUE(saved.contains("\\b \\cf1 Error: disk full\\cf0 \\b0 \\par"));
    EXPECT_TRUE(saved.contains("\\b Raised In: Not Set\\b0 \\par"));
    EXPECT_TRUE(saved.contains("Computer Name: TILL-7\\par"));
    EXPECT_FALSE(saved.contains("Log file has been saved")) << "the note is for the window only";
}

TEST_F(VxExceptionTest, TheRaisedInTextAndTitleComeFromTheErrorOrTheCodeThatPassedItOn)
{
    const struct {
        const char *name;
        QString title;
        QString raisedIn;
        std::function<void()> raise;
        QString heading;
        QString place;  // empty: no raised-in line
    } cases[] = {
        {"an EVxException names its place", {}, {}, [] { throw EVxException(QStringLiteral("no printer"), QStringLiteral("TPrintJob.Start")); },
         QStringLiteral("An Error Has Occurred"), QStringLiteral("TPrintJob.Start")},
        {"a labelled plain error", QStringLiteral("Failed to save global changes"), QStringLiteral("TfrmSettings.SaveChanges"),
         [] { throw std::runtime_error("locked"); }, QStringLiteral("Failed to save global changes"), QStringLiteral("TfrmSettings.SaveChanges")},
        {"an EVxException without a place", {}, {}, [] { throw EVxException(QStringLiteral("odd"), QString()); },
         QStringLiteral("An Error Has Occurred"), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.title.isEmpty()) {
            VxException().Title = c.title;
            VxException().RaisedIn = c.raisedIn;
        }
        QString shown;
        try {
            c.raise();
        } catch (const std::exception &e) {
            shown = Report(e);
        }
        EXPECT_TRUE(shown.startsWith(c.heading + QStringLiteral("\n\nError: "))) << shown.toStdString();
        EXPECT_EQ(shown.contains(QStringLiteral("Raised In: ")), !c.place.isEmpty());
        if (!c.place.isEmpty()) {
            EXPECT_TRUE(shown.contains(QStringLiteral("\n\nRaised In: ") + c.place + QStringLiteral("\n\n")));
        }
        EXPECT_EQ(VxException().Title, QStringLiteral("An Error Has Occurred")) << "back to the defaults";
        EXPECT_EQ(VxException().RaisedIn, QStringLiteral("Not Set"));
    }
}

TEST_F(VxExceptionTest, TwoReportsInOneMinuteLeaveOneFileTheSecond)
{
    SetMinute(18, 30, 5);
    Report(std::runtime_error("first failure"));
    SetMinute(18, 30, 55);
    Report(std::runtime_error("second failure"));
    ASSERT_EQ(ReportFiles(), QStringList{QStringLiteral("20240305 1830.rtf")});
    const QByteArray saved = Saved(QStringLiteral("20240305 1830.rtf"));
    EXPECT_TRUE(saved.contains("second failure"));
    EXPECT_FALSE(saved.contains("first failure"));
    SetMinute(18, 31);
    Report(std::runtime_error("third failure"));
    EXPECT_EQ(ReportFiles().size(), 2);
}

TEST_F(VxExceptionTest, AFolderThatCannotBeWrittenPassesTheReportOn)
{
    QFile blocker(m_dir.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString fallback = m_dir.filePath(QStringLiteral("data"));
    VxException().ReportFolders = {blocker.fileName(), fallback};
    const QString shown = Report(std::runtime_error("disk full"));
    EXPECT_TRUE(QFile::exists(QDir(fallback).filePath(QStringLiteral("20240305 1830.rtf"))));
    EXPECT_TRUE(shown.endsWith(QDir::toNativeSeparators(QDir(fallback).filePath(QStringLiteral("20240305 1830.rtf")))));

    // With nowhere to save, the window still shows the report and says so.
    VxException().ReportFolders = {blocker.fileName()};
    const QString unsaved = Report(std::runtime_error("disk full"));
    EXPECT_TRUE(unsaved.startsWith(QStringLiteral("An Error Has Occurred")));
    EXPECT_TRUE(unsaved.contains(QStringLiteral("\n\nLog file could not be saved: "))) << unsaved.toStdString();
}

TEST_F(VxExceptionTest, AnExceptionLeavingAnEventHandlerReachesTheReport)
{
    const struct {
        const char *name;
        std::function<bool()> delivery;
        const char *message;
    } cases[] = {
        {"a standard exception", [] () -> bool { throw std::runtime_error("slot failed"); }, "Error: slot failed"},
        {"an exception of any other kind", [] () -> bool { throw 42; }, "Error: An exception of an unknown kind"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString shown;
        TModalDriver driver([&](QDialog &dialog) {
            shown = Child<QTextEdit>(dialog, "re")->toPlainText();
            dialog.accept();
        });
        EXPECT_FALSE(TTrelvoApplication::Deliver(nullptr, c.delivery));
        EXPECT_TRUE(shown.contains(QString::fromLatin1(c.message))) << shown.toStdString();
    }
    EXPECT_TRUE(TTrelvoApplication::Deliver(nullptr, [] { return true; }));
}

TEST_F(VxExceptionTest, TheReportWindowClosesWithEnterOrCloseAndShowsTheContactsWithF1)
{
    const struct {
        const char *name;
        std::function<void(QDialog &)> close;
    } cases[] = {
        {"Enter", [](QDialog &dialog) { QTest::keyClick(Child<QTextEdit>(dialog, "re"), Qt::Key_Return); }},
        {"keypad Enter", [](QDialog &dialog) { QTest::keyClick(Child<QTextEdit>(dialog, "re"), Qt::Key_Enter, Qt::KeypadModifier); }},
        {"the Close button", [](QDialog &dialog) { Child<TTchButton>(dialog, "TchButton1")->Click(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QList<int> heights;
        QSize size;
        QString caption;
        int result = -1;
        TModalDriver driver([&](QDialog &dialog) {
            size = dialog.size();
            caption = Child<TTchButton>(dialog, "TchButton1")->Caption();
            auto *report = Child<QTextEdit>(dialog, "re");
            heights.append(report->height());
            QTest::keyClick(report, Qt::Key_F1);
            heights.append(report->height());
            QTest::keyClick(&dialog, Qt::Key_F1);
            heights.append(report->height());
            c.close(dialog);
            result = dialog.isVisible() ? -1 : dialog.result();
        });
        TfrmMsgDlgLst window;
        window.SetReportFolders({m_dir.path()});
        window.AddBold(QStringLiteral("An Error Has Occurred"));
        window.ShowErrorReport();
        EXPECT_EQ(heights, (QList<int>{244, 175, 244}));
        EXPECT_EQ(size, QSize(372, 312));
        EXPECT_EQ(caption, QStringLiteral("&Close"));
        EXPECT_NE(result, -1) << "closed";
    }
}
