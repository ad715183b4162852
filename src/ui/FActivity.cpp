#include "FActivity.h"

#include "FormSettings.h"
#include "VxPanel.h"

#include <QApplication>
#include <QGridLayout>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int BorderWidth = 3;

TVxPanel *BluePanel(QWidget *parent, const char *name)
{
    auto *panel = new TVxPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->SetBevelOuter(bvNone);
    panel->SetColor(Qt::blue);
    return panel;
}

} // namespace

TfrmActivity::TfrmActivity(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      pnl1(new TVxPanel(this)), lblMsg(new QLabel(pnl1)), prg1(new QProgressBar(pnl1))
{
    setObjectName(QStringLiteral("frmActivity"));
    resize(420, 130);

    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->SetBevelOuter(bvRaised);
    pnl1->SetBevelInner(bvLowered);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setAlignment(Qt::AlignCenter);
    lblMsg->setWordWrap(true);
    lblMsg->setFont(KitFont(QStringLiteral("Arial"), 12, true));
    prg1->setObjectName(QStringLiteral("prg1"));
    prg1->setRange(0, 100);
    prg1->setValue(0);
    prg1->setTextVisible(false);
    prg1->setMinimumHeight(24);

    auto *inside = new QVBoxLayout(pnl1);
    inside->setContentsMargins(12, 10, 12, 12);
    inside->addWidget(lblMsg, 1);
    inside->addWidget(prg1);

    // The four blue edges frame the panel.
    auto *frame = new QGridLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->addWidget(BluePanel(this, "pnlTopBorder"), 0, 0, 1, 3);
    frame->addWidget(BluePanel(this, "pnlLeftBorder"), 1, 0);
    frame->addWidget(pnl1, 1, 1);
    frame->addWidget(BluePanel(this, "pnlRightBorder"), 1, 2);
    frame->addWidget(BluePanel(this, "pnlBottomBorder"), 2, 0, 1, 3);
    frame->setRowMinimumHeight(0, BorderWidth);
    frame->setRowMinimumHeight(2, BorderWidth);
    frame->setColumnMinimumWidth(0, BorderWidth);
    frame->setColumnMinimumWidth(2, BorderWidth);
    frame->setRowStretch(1, 1);
    frame->setColumnStretch(1, 1);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfrmActivity::SetMax(int n)
{
    if (prg1->maximum() != n)
        prg1->setMaximum(n);
}

void TfrmActivity::SetMin(int n)
{
    if (prg1->minimum() != n)
        prg1->setMinimum(n);
}

// A bar at its end stays there rather than starting over, which would look like the
// work beginning again.
void TfrmActivity::StepBy(int n)
{
    prg1->setValue(std::clamp(prg1->value() + n, prg1->minimum(), prg1->maximum()));
}

void TfrmActivity::ReportProgress(const QString &text)
{
    if (!text.isEmpty())
        lblMsg->setText(text);
    if (StepOnMessage)
        StepBy(1);
    if (isHidden())
        show();
    QCoreApplication::processEvents();
}

void TfrmActivity::Advance(int n)
{
    if (n == m_lastAdvance)
        return;
    m_lastAdvance = n;
    StepBy(n);
}

void TfrmActivity::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        emit OnCancelKey(this, event->key());
    else
        QWidget::keyPressEvent(event);
}
