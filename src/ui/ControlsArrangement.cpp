#include "ControlsArrangement.h"

namespace {

enum TPlace { plLeading, plTrailing, plCentre };

TPlace PlaceOf(TAlignment alignment)
{
    return alignment == taLeftJustify ? plLeading : alignment == taRightJustify ? plTrailing : plCentre;
}

TPlace PlaceOf(TVAlignment alignment)
{
    return alignment == vaTop ? plLeading : alignment == vaBottom ? plTrailing : plCentre;
}

// Where the run of n children, total long, starts along the layout's axis.
// The trailing start leaves a gap after every child, the last one included.
int RunStart(TPlace place, int extent, int total, int n, int spacing)
{
    switch (place) {
    case plLeading: return spacing;
    case plTrailing: return extent - total - n * spacing;
    case plCentre: break;
    }
    return extent / 2 - (total + (n - 1) * spacing) / 2;
}

// Where one child stands across the layout's axis.
int CrossPosition(TPlace place, int extent, int size, int spacing)
{
    switch (place) {
    case plLeading: return spacing;
    case plTrailing: return extent - size - spacing;
    case plCentre: break;
    }
    return extent / 2 - size / 2;
}

} // namespace

QList<QPoint> ArrangeControls(const TControlsArrangement &a, QSize panel, const QList<QSize> &children)
{
    QList<QPoint> corners;
    if (children.isEmpty())
        return corners;
    const bool row = a.Layout == loHorizontal;
    int total = 0;
    for (const QSize &child : children)
        total += row ? child.width() : child.height();
    const int n = static_cast<int>(children.size());
    const TPlace along = row ? PlaceOf(a.HorizAlignment) : PlaceOf(a.VertAlignment);
    const TPlace across = row ? PlaceOf(a.VertAlignment) : PlaceOf(a.HorizAlignment);
    const int alongSpacing = row ? a.HorizSpacing : a.VertSpacing;
    const int acrossSpacing = row ? a.VertSpacing : a.HorizSpacing;
    int pos = RunStart(along, row ? panel.width() : panel.height(), total, n, alongSpacing);
    for (const QSize &child : children) {
        const int cross = CrossPosition(across, row ? panel.height() : panel.width(),
                                        row ? child.height() : child.width(), acrossSpacing);
        corners.append(row ? QPoint(pos, cross) : QPoint(cross, pos));
        pos += (row ? child.width() : child.height()) + alongSpacing;
    }
    return corners;
}

void ApplyDockPreset(TControlsArrangement &a, TAlign align)
{
    if (align == alTop || align == alBottom) {
        a.Layout = loHorizontal;
        a.HorizAlignment = taRightJustify;
        a.VertAlignment = vaMiddle;
    } else if (align == alLeft || align == alRight) {
        a.Layout = loVertical;
        a.HorizAlignment = taCenter;
        a.VertAlignment = vaBottom;
    }
}
