#pragma once

#include <QList>
#include <QPoint>
#include <QSize>

// How a control docks in its parent; alNone leaves it to be placed by hand or by a panel.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVAlignment { vaBottom, vaMiddle, vaTop };
enum TControlsLayout { loHorizontal, loVertical };

// The five properties by which a controls panel places its children.
struct TControlsArrangement {
    TControlsLayout Layout = loHorizontal;
    TAlignment HorizAlignment = taCenter;
    int HorizSpacing = 5;
    TVAlignment VertAlignment = vaMiddle;
    int VertSpacing = 5;
};

// Top-left corners for the children to arrange (visible, not docked), in child order,
// in a panel of that size. Integer halves round toward zero.
QList<QPoint> ArrangeControls(const TControlsArrangement &arrangement, QSize panel, const QList<QSize> &children);

// A panel docked at the top or bottom lays out a row, docked left or right a column;
// other docks leave the arrangement as it is.
void ApplyDockPreset(TControlsArrangement &arrangement, TAlign align);
