#include "VxCheckBox.h"

#include <QEvent>

TVxCheckBox::TVxCheckBox(QWidget *parent) : TVxCheckBox(QString(), parent) {}

TVxCheckBox::TVxCheckBox(const QString &caption, QWidget *parent) : QCheckBox(caption, parent)
{
    connect(this, &QCheckBox::stateChanged, this, &TVxCheckBox::ShowState);
    ShowState();
}

void TVxCheckBox::ShowState()
{
    QFont bold = font();
    bold.setBold(isChecked());
    setFont(bold);
}

void TVxCheckBox::SetUnderline(bool underline)
{
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
    if (underline)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void TVxCheckBox::enterEvent(QEnterEvent *event)
{
    QCheckBox::enterEvent(event);
    SetUnderline(true);
}

void TVxCheckBox::leaveEvent(QEvent *event)
{
    QCheckBox::leaveEvent(event);
    SetUnderline(false);
}

// A font given from outside keeps the weight that shows the state.
void TVxCheckBox::changeEvent(QEvent *event)
{
    QCheckBox::changeEvent(event);
    if (event->type() == QEvent::FontChange && font().bold() != isChecked())
        ShowState();
}
