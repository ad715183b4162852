#include "board/BoardColours.h"

#include <gtest/gtest.h>

namespace {

using namespace BoardColours;

constexpr TDateTime Second = 1.0 / 86400.0;
const TDateTime Due = DateTimes::EncodeDateTime(2024, 3, 5, 18, 30);

TEST(BoardColours, NotAssignedRowsAreColouredByTheirDueMinute)
{
    const struct {
        const char *name;
        TDateTime now;
        bool selected;
        TCellColours colours;
    } cases[] = {
        {"a minute early", Due - 60 * Second, false, {clDefault, clDefault}},
        {"a second before the due minute", Due - Second, false, {clDefault, clDefault}},
        {"due this minute", Due, false, {clYellow, clBlack}},
        {"the due minute's last second", Due + 59 * Second, false, {clYellow, clBlack}},
        {"a minute late", Due + 60 * Second, false, {clSilver, clBlack}},
        {"hours late", Due + 0.25, false, {clSilver, clBlack}},
        {"selected and early", Due - 60 * Second, true, {clHighlight, clHighlightText}},
        {"selected and due this minute", Due, true, {clBlack, clYellow}},
        {"selected and a minute late", Due + 60 * Second, true, {clBlack, clSilver}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RowColours(TBoardView::NotAssigned, c.selected, Due, c.now), c.colours) << c.name;
}

TEST(BoardColours, AlreadyAssignedRowsAreWhiteOnBlackOnlyWhenSelected)
{
    EXPECT_EQ(RowColours(TBoardView::AlreadyAssigned, false, Due, Due + 1), TCellColours{});
    EXPECT_EQ(RowColours(TBoardView::AlreadyAssigned, true, Due, Due + 1), (TCellColours{clBlack, clWhite}));
}

TEST(BoardColours, MinutesCompareAsTheirTextsDo)
{
    // A due time stored a hair below the minute still reads as that minute.
    EXPECT_EQ(MinuteOf(Due - 0.0001 * Second), MinuteOf(Due));
    EXPECT_EQ(MinuteOf(Due + 59.999 * Second), MinuteOf(Due));
    EXPECT_EQ(MinuteOf(Due + 60 * Second), MinuteOf(Due) + 1);
}

} // namespace
