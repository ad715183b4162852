#include "VxPanel.h"

#include "FormSettings.h"

#include <QPainter>
#include <qdrawutil.h>

TVxPanel::TVxPanel(QWidget *parent) : QWidget(parent), m_color(ButtonFaceColour()), m_fontBkGnd(m_color) {}

TAlign TVxPanel::Align() const
{
    return AlignOf(this);
}

void TVxPanel::SetAlign(TAlign align)
{
    SetAlignOf(this, align);
}

QRect TVxPanel::InnerRect() const
{
    int inset = m_borderStyle == bsSingle ? 1 : 0;
    inset += m_bevelOuter != bvNone ? m_bevelWidth : 0;
    inset += m_borderWidth;
    inset += m_bevelInner != bvNone ? m_bevelWidth : 0;
    return rect().adjusted(inset, inset, -inset, -inset);
}

QRect TVxPanel::CaptionRect() const
{
    const QRect inner = InnerRect();
    const int lineHeight = fontMetrics().height();
    int top = inner.top();
    if (m_vAlignment == vaMiddle)
        top = inner.top() + (inner.height() - lineHeight) / 2;
    else if (m_vAlignment == vaBottom)
        top = inner.bottom() + 1 - lineHeight;
    return {inner.left(), top, inner.width(), lineHeight};
}

void TVxPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QRect area = rect();
    painter.fillRect(area, m_color);
    if (m_borderStyle == bsSingle) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone)
            return;
        qDrawShadePanel(&painter, area, palette(), kind == bvLowered, m_bevelWidth);
        area.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
    };
    bevel(m_bevelOuter);
    area.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    bevel(m_bevelInner);
    if (m_caption.isEmpty())
        return;
    const Qt::Alignment horizontal = m_alignment == taLeftJustify ? Qt::AlignLeft : m_alignment == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(CaptionRect(), static_cast<int>(horizontal | Qt::AlignTop | Qt::TextSingleLine), m_caption);
}
