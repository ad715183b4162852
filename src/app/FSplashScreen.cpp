#include "FSplashScreen.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int ClientWidth = 263, ClientHeight = 256, FrameWidth = 3;
const QColor Blue(0, 0, 255);

// The maker's mark: a small drawn logo, so no picture file is needed.
QPixmap Logo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 70, 160));
    p.drawEllipse(QRectF(4, 4, size - 8, size - 8));
    p.setPen(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(size / 4);
    p.setFont(font);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Tessaron"));
    return pixmap;
}

QFrame *Edge(QWidget *parent, const QRect &geometry)
{
    auto *edge = new QFrame(parent);
    edge->setAutoFillBackground(true);
    QPalette palette = edge->palette();
    palette.setColor(QPalette::Window, Blue);
    edge->setPalette(palette);
    edge->setGeometry(geometry);
    return edge;
}

} // namespace

TfrmSplashScreen::TfrmSplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplashScreen"));
    setWindowTitle(QStringLiteral("Tessaron"));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);
    setAutoFillBackground(true);

    auto *picturePanel = new QFrame(this);
    picturePanel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    picturePanel->setAutoFillBackground(true);
    QPalette white = picturePanel->palette();
    white.setColor(QPalette::Window, Qt::white);
    picturePanel->setPalette(white);
    picturePanel->setGeometry(12, 12, 239, 205);
    Image1 = new QLabel(picturePanel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(Logo(150));
    prg = new QProgressBar(picturePanel);
    prg->setObjectName(QStringLiteral("prg"));
    prg->setRange(0, 100);
    prg->setValue(0);
    prg->setTextVisible(false);
    prg->setFixedHeight(6);
    auto *pictureLayout = new QVBoxLayout(picturePanel);
    pictureLayout->setContentsMargins(1, 1, 1, 1);
    pictureLayout->setSpacing(0);
    pictureLayout->addWidget(Image1, 1);
    pictureLayout->addWidget(prg);

    lblStatus = new QLabel(QStringLiteral("Progress Information Goes Here"), this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setWordWrap(true);
    lblStatus->setGeometry(3, 219, 257, 34);

    Edge(this, {0, 0, ClientWidth, FrameWidth});
    Edge(this, {0, ClientHeight - FrameWidth, ClientWidth, FrameWidth});
    Edge(this, {0, 0, FrameWidth, ClientHeight});
    Edge(this, {ClientWidth - FrameWidth, 0, FrameWidth, ClientHeight});

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

int TfrmSplashScreen::NoOfSteps() const
{
    return prg->maximum();
}

void TfrmSplashScreen::SetNoOfSteps(int steps)
{
    prg->setMaximum(steps);
}

void TfrmSplashScreen::ShowProgress(const QString &text, bool step)
{
    try {
        if (!isVisible())
            show();
        lblStatus->setText(text);
        if (step)
            prg->setValue(std::min(prg->value() + 1, prg->maximum()));
        repaint();
        QApplication::processEvents();
    } catch (...) {
        // Progress is only information: start-up goes on whatever happens here.
    }
}

void TfrmSplashScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_cursorSet) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_cursorSet = true;
    }
    QApplication::processEvents();
}

void TfrmSplashScreen::RestoreCursor()
{
    if (m_cursorSet) {
        QApplication::restoreOverrideCursor();
        m_cursorSet = false;
    }
}

void TfrmSplashScreen::closeEvent(QCloseEvent *event)
{
    RestoreCursor();
    QWidget::closeEvent(event);
}

void TfrmSplashScreen::hideEvent(QHideEvent *event)
{
    RestoreCursor();
    QWidget::hideEvent(event);
}
