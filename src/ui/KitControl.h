#pragma once

#include "ControlsArrangement.h"
#include "NumericRules.h"

#include <QWidget>

class QLineEdit;

// A widget's dock in its parent, for widgets of any kind (kept as the property "Align").
TAlign AlignOf(const QWidget *widget);
void SetAlignOf(QWidget *widget, TAlign align);

// Stores a property of a control that paints itself, and repaints it.
template <class T>
void SetAndRepaint(QWidget &control, T &field, const T &value)
{
    field = value;
    control.update();
}

// A line edit as the key rules of the numeric boxes see it.
TEditState EditStateOf(const QLineEdit &edit);
