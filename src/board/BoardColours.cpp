#include "BoardColours.h"

#include <cmath>

namespace BoardColours {

qint64 MinuteOf(TDateTime moment)
{
    // Rounded to the millisecond first, as the date-time is when it is formatted.
    const qint64 ms = std::llround(moment * DateTimes::MsPerDay);
    constexpr qint64 MsPerMinute = 60'000;
    return ms >= 0 ? ms / MsPerMinute : -((-ms + MsPerMinute - 1) / MsPerMinute);
}

TCellColours RowColours(TBoardView view, bool selected, TDateTime timeDue, TDateTime now)
{
    if (view == TBoardView::AlreadyAssigned)
        return selected ? TCellColours{clBlack, clWhite} : TCellColours{};
    const qint64 nowMinute = MinuteOf(now), dueMinute = MinuteOf(timeDue);
    if (nowMinute == dueMinute)
        return selected ? TCellColours{clBlack, clYellow} : TCellColours{clYellow, clBlack};
    if (nowMinute > dueMinute)
        return selected ? TCellColours{clBlack, clSilver} : TCellColours{clSilver, clBlack};
    return selected ? TCellColours{clHighlight, clHighlightText} : TCellColours{};
}

} // namespace BoardColours
