#include "KitControl.h"

#include <QLineEdit>
#include <QVariant>

namespace {

constexpr char AlignProperty[] = "Align";

} // namespace

TAlign AlignOf(const QWidget *widget)
{
    const QVariant align = widget->property(AlignProperty);
    return align.isValid() ? static_cast<TAlign>(align.toInt()) : alNone;
}

void SetAlignOf(QWidget *widget, TAlign align)
{
    widget->setProperty(AlignProperty, static_cast<int>(align));
}

TEditState EditStateOf(const QLineEdit &edit)
{
    return {edit.text(), edit.cursorPosition(), edit.selectionStart(), static_cast<int>(edit.selectedText().size())};
}
