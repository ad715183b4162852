#include "VxControlsPanel.h"


#include <QChildEvent>

TVxControlsPanel::TVxControlsPanel(QWidget *parent) : TVxPanel(parent) {}

void TVxControlsPanel::SetAlign(TAlign align)
{
    const bool changed = align != Align();
    TVxPanel::SetAlign(align);
    if (changed && parentWidget()) {
        ApplyDockPreset(m_arrangement, align);
        ArrangeControls();
    }
}

void TVxControlsPanel::ArrangeControls()
{
    QList<QWidget *> children;
    QList<QSize> sizes;
    for (QObject *object : this->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isWindow() && !child->isHidden() && AlignOf(child) == alNone) {
            children.append(child);
            sizes.append(child->size());
        }
    }
    const QList<QPoint> corners = ::ArrangeControls(m_arrangement, size(), sizes);
    for (qsizetype i = 0; i < children.size(); ++i)
        children.at(i)->move(corners.at(i));
}

void TVxControlsPanel::resizeEvent(QResizeEvent *event)
{
    TVxPanel::resizeEvent(event);
    ArrangeControls();
}

void TVxControlsPanel::childEvent(QChildEvent *event)
{
    TVxPanel::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    else if (event->removed())
        ArrangeControls();
}

bool TVxControlsPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched->parent() == this && (type == QEvent::ShowToParent || type == QEvent::HideToParent || type == QEvent::Resize))
        ArrangeControls();
    return TVxPanel::eventFilter(watched, event);
}
