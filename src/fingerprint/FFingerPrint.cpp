#include "FFingerPrint.h"

#include "SimulatedReader.h"
#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "ui/FPosForm.h"
#include "ui/FormSettings.h"
#include "ui/TchButton.h"
#include "ui/VxControlsPanel.h"

#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

constexpr int FormWidth = 116;
constexpr int DemoFormWidth = 232;  // room for the names of the simulated reader's fingers
constexpr int ReaderWidth = 100;
constexpr int ReaderHeight = 200;
constexpr int MessageHeight = 89;
constexpr int FingerRowHeight = 32;  // a row a finger can hit

// A finger that no employee is enrolled with.
const QString UnknownFinger = FingerPrintText::Encode(QByteArrayLiteral("\xFE\x01 not enrolled"));

QLabel *PanelLabel(TVxPanel *panel, const char *name, const QFont &font)
{
    auto *label = new QLabel(panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(font);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    return label;
}

TVxPanel *CaptionlessPanel(QWidget *parent, const char *name)
{
    auto *panel = new TVxPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

} // namespace

TfrmFingerPrint::TfrmFingerPrint(std::unique_ptr<TFingerprintReader> reader, TAdoConnection *connection, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_reader(std::move(reader)),
      m_simulated(dynamic_cast<TSimulatedFingerprintReader *>(m_reader.get())),
      m_connection(connection)
{
    setObjectName(QStringLiteral("frmFingerPrint"));
    setWindowTitle(QStringLiteral("Scan"));
    // The caller waits in GetUser; nothing else may start another identification meanwhile.
    setWindowModality(Qt::ApplicationModal);
    setFont(KitFont(QStringLiteral("Arial"), 10));

    auto *form = new QVBoxLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->setSpacing(0);

    pnlMessage = CaptionlessPanel(this, "pnlMessage");
    pnlMessage->setMinimumHeight(MessageHeight);
    lblMessage = PanelLabel(pnlMessage, "lblMessage", KitFont(QStringLiteral("Arial"), 10, true));
    form->addWidget(pnlMessage);

    if (m_reader) {
        pnlReader = new QWidget(this);
        pnlReader->setObjectName(QStringLiteral("pnlReader"));
        pnlReader->setFixedHeight(ReaderHeight);
        auto *area = new QHBoxLayout(pnlReader);
        area->setContentsMargins(4, 0, 4, 0);
        if (m_simulated) {
            lstFingers = new QListWidget(pnlReader);
            lstFingers->setObjectName(QStringLiteral("lstFingers"));
            lstFingers->setToolTip(QStringLiteral("Touch a name to present that finger"));
            lstFingers->setFont(KitFont(QStringLiteral("Arial"), 11));
            lstFingers->setFocusPolicy(Qt::NoFocus);  // keys stay with the window: Esc cancels
            lstFingers->setSelectionMode(QAbstractItemView::NoSelection);
            area->addWidget(lstFingers);
            connect(lstFingers, &QListWidget::itemClicked, this,
                    [this](QListWidgetItem *item) { lstFingersClicked(lstFingers->row(item)); });
        } else {
            auto *window = new QFrame(pnlReader);
            window->setFrameShape(QFrame::StyledPanel);
            window->setFrameShadow(QFrame::Sunken);
            window->setFixedWidth(ReaderWidth);
            area->addWidget(window, 0, Qt::AlignHCenter);
        }
        form->addWidget(pnlReader);
    }

    pnlStatus = CaptionlessPanel(this, "pnlStatus");
    lblStatus = PanelLabel(pnlStatus, "lblStatus", KitFont(QStringLiteral("Arial"), 10));
    lblStatus->setMinimumHeight(lblStatus->fontMetrics().height() * 2);
    form->addWidget(pnlStatus);

    pnlButtons = new TVxControlsPanel(this);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->SetAlign(alBottom);
    pnlButtons->SetHorizAlignment(taCenter);
    pnlButtons->setFixedHeight(TouchButtonMinHeight + 10);
    btnCancel = NewKitButton(pnlButtons, "btnCancel", QStringLiteral("&Cancel"), mrCancel, kbCancel);
    btnCancel->setFont(KitFont(QStringLiteral("Arial"), 12, true));
    btnCancel->resize(TouchButtonMinWidth, TouchButtonMinHeight);
    pnlButtons->ArrangeControls();
    form->addWidget(pnlButtons);

    setFixedWidth(m_simulated ? DemoFormWidth : FormWidth);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TfrmFingerPrint::Timer1Timer);

    if (!m_reader)
        return;
    m_reader->OnStatus = [this](quint16 status) { StatusChanged(status); };
    m_initialised = true;
    try {
        PopulateEmployees();
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not create the Employee list.\rReason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in TfrmFingerPrint.FormCreate"));
    }
}

TfrmFingerPrint::~TfrmFingerPrint()
{
    if (m_reader) {
        m_reader->AbortCapture();
        m_reader->OnStatus = nullptr;
    }
}

void TfrmFingerPrint::PopulateEmployees()
{
    SetStatus(QStringLiteral("Populating employees..."));
    try {
        m_matcher.Populate(m_connection);
        SetStatus(QStringLiteral("Idle"));
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not populate the user list.\rReason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in TfrmFingerPrint.PopulateEmployees;"));
    }
}

int TfrmFingerPrint::GetUser(const QString &prompt, QString &empNum)
{
    lblMessage->setText(QStringLiteral("A Finger Print Is Needed ") + prompt);
    if (!m_reader) {
        ShowUntilClosed(QStringLiteral("Not installed"));
        return 2;
    }
    if (!DeviceConnected()) {
        ShowUntilClosed(QStringLiteral("Not connected"));
        return 2;
    }
    int result = 0;
    try {
        empNum.clear();
        if (!isVisible())
            show();
        SetStatus(QStringLiteral("Clearing buffer..."));
        m_reader->ClearBuffer();
        SetStatus(QStringLiteral("Awaiting fingerprint"));
        const QString liveFeatures = m_reader->Capture();
        if (liveFeatures.isEmpty()) {
            if (isVisible())
                close();
            return 2;
        }
        SetStatus(QStringLiteral("Searching..."));
        empNum = m_matcher.Search(*m_reader, liveFeatures);
        if (!empNum.isEmpty())
            result = 1;
        close();
    } catch (const std::exception &e) {
        // Closed first, so that the message is not hidden behind the window.
        if (isVisible())
            close();
        ShowInformation(QStringLiteral("Could not determine the user\rReason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in TfrmFingerPrint.GetUser"));
    }
    SetStatus(QStringLiteral("Idle"));
    return result;
}

void TfrmFingerPrint::ShowUntilClosed(const QString &status)
{
    SetStatus(status);
    exec();
}

// The replacement readers need no window of their own, so the check never shows this one.
bool TfrmFingerPrint::DeviceConnected()
{
    try {
        return m_reader && m_reader->IsDeviceConnected();
    } catch (const std::exception &) {
        return false;
    }
}

void TfrmFingerPrint::SetStatus(const QString &text)
{
    lblStatus->setText(text);
}

void TfrmFingerPrint::StatusChanged(quint16 status)
{
    SetStatus(FingerprintStatusText(status));
}

void TfrmFingerPrint::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_hasBeenShown = true;
    PopulateFingers();
    adjustSize();
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    Timer1->start();
    // On showing rather than on activation: activation may arrive late, in the middle of a
    // capture, and must not re-initialise the reader then.
    if (m_reader) {
        SetStatus(QStringLiteral("Initialising..."));
        m_reader->Initialise();
        if (!DeviceConnected())
            SetStatus(QStringLiteral("Not connected"));
    }
}

void TfrmFingerPrint::hideEvent(QHideEvent *event)
{
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TfrmFingerPrint::done(int result)
{
    if (m_reader)
        m_reader->AbortCapture();
    QDialog::done(result);
}

void TfrmFingerPrint::Timer1Timer()
{
    Timer1->stop();
    if (isVisible()) {
        raise();
        activateWindow();
    }
    Timer1->start();
}

void TfrmFingerPrint::PopulateFingers()
{
    if (!lstFingers)
        return;
    std::vector<const TEmployee *> enrolled;
    for (int i = 0; i < m_matcher.Employees.Count(); ++i)
        if (!m_matcher.Employees.Items(i)->FingerPrint.isEmpty())
            enrolled.push_back(m_matcher.Employees.Items(i));
    std::sort(enrolled.begin(), enrolled.end(), [](const TEmployee *a, const TEmployee *b) { return a->EmpNum < b->EmpNum; });
    lstFingers->clear();
    for (const TEmployee *employee : enrolled) {
        auto *item = new QListWidgetItem(employee->GetFullName() + QStringLiteral(" (") + employee->EmpNum + u')', lstFingers);
        item->setData(Qt::UserRole, employee->StoredFingerPrint());
    }
    auto *unknown = new QListWidgetItem(QStringLiteral("Unknown finger"), lstFingers);
    unknown->setData(Qt::UserRole, UnknownFinger);
    unknown->setForeground(Qt::darkGray);
    for (int i = 0; i < lstFingers->count(); ++i)
        lstFingers->item(i)->setSizeHint(QSize(0, FingerRowHeight));
}

void TfrmFingerPrint::lstFingersClicked(int row)
{
    // Only a waiting capture takes a finger; a stray touch must not wait for the next scan.
    if (m_simulated && m_simulated->Capturing() && row >= 0)
        m_simulated->PresentFinger(lstFingers->item(row)->data(Qt::UserRole).toString());
}
