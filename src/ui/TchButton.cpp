#include "TchButton.h"

#include "FormSettings.h"
#include "app/modMsgDlgs.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <qdrawutil.h>

namespace {

Qt::Alignment HorizontalFlag(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify: return Qt::AlignLeft;
    case taRightJustify: return Qt::AlignRight;
    case taCenter: break;
    }
    return Qt::AlignHCenter;
}

} // namespace

TTchButton::TTchButton(QWidget *parent) : TTchButton(QString(), parent) {}

TTchButton::TTchButton(const QString &caption, QWidget *parent)
    : QWidget(parent), m_caption(caption), m_color(ButtonFaceColour())
{
    setFocusPolicy(Qt::NoFocus);
    resize(75, 25);
}

QColor TTchButton::UpColor() const
{
    if (m_parentColor && parentWidget())
        return parentWidget()->palette().color(parentWidget()->backgroundRole());
    return m_color;
}

QColor TTchButton::Color() const
{
    return m_down ? m_fontColor : UpColor();
}

void TTchButton::SetColor(const QColor &colour)
{
    m_color = colour;
    m_parentColor = false;
    update();
}

QColor TTchButton::FontColor() const
{
    return m_down ? UpColor() : m_fontColor;
}

void TTchButton::SetParentFont(bool parentFont)
{
    if (parentFont)
        setFont(QFont());
    else
        setFont(font());
}

TAlign TTchButton::Align() const
{
    return AlignOf(this);
}

void TTchButton::SetAlign(TAlign align)
{
    SetAlignOf(this, align);
}

void TTchButton::SetDefault(bool value)
{
    m_default = value;
    if (value)
        m_cancel = false;
    update();
}

void TTchButton::SetCancel(bool value)
{
    m_cancel = value;
    if (value)
        m_default = false;
}

QChar TTchButton::Accelerator() const
{
    for (qsizetype i = 0; i + 1 < m_caption.size(); ++i) {
        if (m_caption.at(i) != u'&')
            continue;
        if (m_caption.at(i + 1) != u'&')
            return m_caption.at(i + 1);
        ++i;  // "&&" is an ampersand shown as such
    }
    return {};
}

void TTchButton::SetDown(bool down)
{
    if (m_down == down)
        return;
    m_down = down;
    update();
}

void TTchButton::Press()
{
    if (m_toggle) {
        m_wasDown = m_down;
        SetDown(!m_down);
    } else {
        SetDown(true);
    }
    m_pressed = true;
}

void TTchButton::Click()
{
    if (m_inClick && !m_doubleClick)
        return;
    QPointer<TTchButton> self(this);
    const bool outer = !m_inClick;
    m_inClick = true;
    struct TGuard {
        QPointer<TTchButton> &button;
        bool outer;
        ~TGuard()
        {
            if (button && outer)
                button->m_inClick = false;
        }
    } guard{self, outer};

    QPointer<QDialog> form = qobject_cast<QDialog *>(window());
    if (form)
        form->setResult(m_modalResult);
    emit OnClick();
    if (form && form->isModal() && form->isVisible() && form->result() != 0)
        form->done(form->result());
}

void TTchButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    Press();
}

// A second tap arriving as a double click is one more single press.
void TTchButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void TTchButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return QWidget::mouseReleaseEvent(event);
    m_pressed = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (!m_toggle)
        SetDown(false);
    else if (!inside)
        SetDown(m_wasDown);
    QPointer<TTchButton> self(this);
    emit OnMouseUp(event->button(), event->modifiers(), event->position().toPoint());
    if (self && inside)
        Click();
}

bool TTchButton::event(QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::ParentChange)
        WatchWindowKeys();
    return QWidget::event(event);
}

// The window's keys reach the button through a filter on the window, since the button
// itself never has the focus.
void TTchButton::WatchWindowKeys()
{
    QWidget *keyWindow = window();
    if (keyWindow == this || keyWindow == m_keyWindow)
        return;
    if (m_keyWindow)
        m_keyWindow->removeEventFilter(this);
    m_keyWindow = keyWindow;
    m_keyWindow->installEventFilter(this);
}

bool TTchButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_keyWindow && event->type() == QEvent::KeyPress && HandleWindowKey(*static_cast<QKeyEvent *>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool TTchButton::HandleWindowKey(const QKeyEvent &key)
{
    if (!isEnabled() || !isVisible())
        return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool plain = modifiers == Qt::NoModifier;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    bool hit = (enter && m_default && plain) || (key.key() == Qt::Key_Escape && m_cancel && plain);
    const QChar accelerator = Accelerator().toUpper();
    if (!hit && !accelerator.isNull() && !(modifiers & (Qt::ControlModifier | Qt::MetaModifier)))
        hit = key.key() == accelerator.unicode();
    if (hit)
        Click();
    return hit;
}

void TTchButton::paintEvent(QPaintEvent *)
{
    try {
        Paint();
        m_paintFailureShown = false;
    } catch (const std::exception &e) {
        ReportPaintFailure(QString::fromUtf8(e.what()));
    }
}

void TTchButton::Paint()
{
    QPainter painter(this);
    const QRect area = rect();
    qDrawWinPanel(&painter, area, palette(), m_down);
    const QRect inner = area.adjusted(2, 2, -2, -2);
    const QColor background = isEnabled() ? Color() : palette().color(QPalette::Disabled, QPalette::Button);
    if (m_semiTransparent) {
        painter.setPen(background);
        for (int y = inner.top(); y <= inner.bottom(); y += 2)
            painter.drawLine(inner.left(), y, inner.right(), y);
    } else if (!m_transparent || m_down) {
        painter.fillRect(inner, background);
    }
    const int flags = static_cast<int>(HorizontalFlag(m_alignment)) | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(FontColor());
        painter.drawText(inner, flags, m_caption);
    } else {
        // Engraved: a highlight one pixel down and right under the shadow.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(inner.translated(1, 1), flags, m_caption);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(inner, flags, m_caption);
    }
    if (m_default) {
        painter.setPen(Qt::black);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
    }
}

// Shown once until the button paints again, and after the paint, so that the message
// box covering the button does not start the failure over.
void TTchButton::ReportPaintFailure(const QString &reason)
{
    if (m_paintFailureShown)
        return;
    m_paintFailureShown = true;
    const QString text = QStringLiteral("Error painting button. Reason: ") + reason + QStringLiteral("\rRaised in TTchButton.Paint");
    QTimer::singleShot(0, this, [text] { ShowInformation(text); });
}
