#pragma once

#include "BoardFields.h"
#include "data/DateTimes.h"

#include <QtGlobal>

// Colours as the grid draws them: RGB values, or the platform's own colours.
enum TColor : quint32 {
    clBlack = 0x000000,
    clWhite = 0xFFFFFF,
    clYellow = 0xFFFF00,
    clSilver = 0xC0C0C0,  // red, green and blue 192
    clDefault = 0xFF000000,     // the grid's ordinary colours
    clHighlight = 0xFF000001,   // the platform's selection
    clHighlightText = 0xFF000002,
};

struct TCellColours {
    TColor background = clDefault;
    TColor font = clDefault;
    bool operator==(const TCellColours &) const = default;
};

namespace BoardColours {

// The minute of a moment, as the texts "yyyymmdd hh:nn" compare.
qint64 MinuteOf(TDateTime moment);

// A row's colours. Selected means highlighted or tagged. Not Assigned rows are coloured
// by their due time against now, to the minute: due this minute yellow, later silver.
TCellColours RowColours(TBoardView view, bool selected, TDateTime timeDue, TDateTime now);

} // namespace BoardColours
