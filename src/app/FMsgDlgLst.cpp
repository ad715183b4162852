#include "FMsgDlgLst.h"

#include "Workstation.h"
#include "data/DateTimes.h"
#include "modTimingLog.h"
#include "modWindows.h"
#include "ui/TchButton.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QTextEdit>

namespace {

constexpr int ClientWidth = 372;
constexpr int ClientHeight = 312;
constexpr int BottomPanelHeight = 45;

const QString Separator = QString(53, u'-');

QString ApplicationTitle()
{
    const QString title = QGuiApplication::applicationDisplayName();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

// A report about one failure must not fail on another: a vanished program file has no version.
QString ProgramFileVersion()
{
    try {
        return GetFileVersion(QCoreApplication::applicationFilePath());
    } catch (const std::exception &) {
        return QStringLiteral("?.?.?.?");
    }
}

} // namespace

TfrmMsgDlgLst::TfrmMsgDlgLst(QWidget *parent)
    : QDialog(parent), re(new QTextEdit(this)), reSupport(new QTextEdit(this)), pnlBottom(new QWidget(this)),
      Image(new QLabel(pnlBottom)), TchButton1(new TTchButton(QStringLiteral("&Close"), pnlBottom))
{
    setObjectName(QStringLiteral("frmMsgDlgLst"));
    setWindowTitle(ApplicationTitle());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    re->setObjectName(QStringLiteral("re"));
    re->setReadOnly(true);
    re->setFont(arial);
    re->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    re->setLineWrapMode(QTextEdit::WidgetWidth);

    reSupport->setObjectName(QStringLiteral("reSupport"));
    reSupport->setReadOnly(true);
    QFont contactsFont = arial;
    contactsFont.setBold(true);
    reSupport->setFont(contactsFont);
    QPalette contacts = reSupport->palette();
    contacts.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    contacts.setColor(QPalette::Text, QColor(0, 0, 128));
    reSupport->setPalette(contacts);
    reSupport->setPlainText(QStringLiteral("Support\nPlease call your Orvik support desk with the report above, "
                                           "or send them the report file named below."));
    reSupport->viewport()->installEventFilter(this);
    re->installEventFilter(this);

    pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
    pnlBottom->setGeometry(0, ClientHeight - BottomPanelHeight, ClientWidth, BottomPanelHeight);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(4, 6, 32, 32);
    Image->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));
    TchButton1->setObjectName(QStringLiteral("TchButton1"));
    TchButton1->setGeometry(148, 2, 75, 40);
    TchButton1->SetModalResult(QDialog::Accepted);

    PlaceReport(ReportHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmMsgDlgLst::PlaceReport(int height)
{
    re->setGeometry(0, 0, ClientWidth, height);
    reSupport->setGeometry(0, height, ClientWidth, ClientHeight - BottomPanelHeight - height);
}

void TfrmMsgDlgLst::ToggleContacts()
{
    PlaceReport(re->height() == ReportHeight ? ReportHeightWithContacts : ReportHeight);
}

void TfrmMsgDlgLst::AddLine(const QString &text, bool bold, bool red, bool saved)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(red ? QColor(255, 0, 0) : QColor(Qt::black));
    QTextCursor cursor(re->document());
    cursor.movePosition(QTextCursor::End);
    if (m_lineCount++ > 0)
        cursor.insertBlock();
    cursor.insertText(text, format);
    if (saved)
        m_report.AddLine(text, bold, red);
}

void TfrmMsgDlgLst::AddBold(const QString &text)
{
    AddLine(text, true, false);
}

void TfrmMsgDlgLst::AddNormal(const QString &text)
{
    AddLine(text, false, false);
}

void TfrmMsgDlgLst::AddBoldRed(const QString &text)
{
    AddLine(text, true, true);
}

void TfrmMsgDlgLst::AddBlank()
{
    AddLine(QString(), false, false);
}

QString TfrmMsgDlgLst::ReportText() const
{
    return re->toPlainText();
}

void TfrmMsgDlgLst::AddInformation()
{
    AddBold(Separator);
    AddBold(QStringLiteral("Application Information..."));
    AddBold(Separator);
    AddNormal(QStringLiteral("Title: ") + ApplicationTitle());
    AddNormal(QStringLiteral("Version: ") + ProgramFileVersion());
    AddBold(Separator);
    AddBold(QStringLiteral("Operating System Information..."));
    AddBold(Separator);
    AddNormal(QStringLiteral("Computer Name: ") + GetComputerName());
    AddNormal(QStringLiteral("Current User: ") + GetLoginName());
    AddNormal(QStringLiteral("Platform: ") + QSysInfo::prettyProductName());
    AddNormal(QStringLiteral("Version: ") + QSysInfo::kernelType() + u' ' + QSysInfo::kernelVersion());
}

QString TfrmMsgDlgLst::SaveReport()
{
    const QStringList folders = m_folders.isEmpty() ? QStringList{QCoreApplication::applicationDirPath(), OrvikDataFolder()} : m_folders;
    const QString name = DateTimes::ToQDateTime(DateTimes::Now()).toString(QStringLiteral("yyyyMMdd hhmm")) + QStringLiteral(".rtf");
    QString reason;
    for (const QString &folder : folders) {
        QDir().mkpath(folder);
        const QString fileName = QDir(folder).absoluteFilePath(name);
        if (m_report.SaveToFile(fileName, &reason)) {
            m_savedFile = QDir::toNativeSeparators(fileName);
            return {};
        }
    }
    return reason;
}

void TfrmMsgDlgLst::ShowErrorReport()
{
    const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    setWindowIcon(error);
    Image->setPixmap(error.pixmap(32, 32));
    AddInformation();
    const QString failure = SaveReport();
    AddBlank();
    // The window still shows when no folder takes the file: the report is what matters.
    if (failure.isEmpty())
        AddLine(QStringLiteral("Log file has been saved to ") + m_savedFile, false, false, false);
    else
        AddLine(QStringLiteral("Log file could not be saved: ") + failure, false, false, false);
    // The reader starts at the error, not at the system details below it.
    re->moveCursor(QTextCursor::Start);
    re->ensureCursorVisible();
    exec();
}

bool TfrmMsgDlgLst::HandleKey(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
        accept();
    else if (key.key() == Qt::Key_F1)
        ToggleContacts();
    else
        return false;
    return true;
}

void TfrmMsgDlgLst::keyPressEvent(QKeyEvent *event)
{
    if (!HandleKey(*event))
        QDialog::keyPressEvent(event);
}

// The window sees the keys before the report box does.
bool TfrmMsgDlgLst::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == re && event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == reSupport->viewport() && event->type() == QEvent::MouseButtonRelease)
        ToggleContacts();
    return QDialog::eventFilter(watched, event);
}
