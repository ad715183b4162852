#include "ui/ControlsArrangement.h"

#include <gtest/gtest.h>

namespace {

QString Corners(const QList<QPoint> &corners)
{
    QStringList texts;
    for (const QPoint &p : corners)
        texts.append(QStringLiteral("%1,%2").arg(p.x()).arg(p.y()));
    return texts.join(u' ');
}

} // namespace

TEST(ControlsArrangement, PlacesTheChildrenInARowOrAColumn)
{
    const QList<QSize> twoButtons{{64, 24}, {64, 24}};
    const QList<QSize> mixed{{40, 20}, {60, 30}, {20, 10}};
    const struct {
        const char *name;
        TControlsArrangement arrangement;
        QSize panel;
        QList<QSize> children;
        const char *corners;
    } cases[] = {
        {"row centred, the documented 77 and 160", {loHorizontal, taCenter, 19, vaMiddle, 5}, {300, 45}, twoButtons, "77,10 160,10"},
        {"row left", {loHorizontal, taLeftJustify, 19, vaTop, 5}, {300, 45}, twoButtons, "19,5 102,5"},
        // A gap follows every child, the last one too.
        {"row right", {loHorizontal, taRightJustify, 19, vaBottom, 5}, {300, 45}, twoButtons, "134,16 217,16"},
        {"row of mixed heights in the middle", {loHorizontal, taLeftJustify, 5, vaMiddle, 5}, {200, 41}, mixed, "5,10 50,5 115,15"},
        {"row wider than the panel starts left of it", {loHorizontal, taCenter, 19, vaMiddle, 5}, {100, 45}, twoButtons, "-23,10 60,10"},
        {"column centred", {loVertical, taCenter, 5, vaMiddle, 5}, {100, 200}, mixed, "30,65 20,90 40,125"},
        {"column at the top, right-justified", {loVertical, taRightJustify, 7, vaTop, 3}, {100, 200}, mixed, "53,3 33,26 73,59"},
        {"column at the bottom, left", {loVertical, taLeftJustify, 7, vaBottom, 3}, {100, 200}, mixed, "7,131 7,154 7,187"},
        {"nothing to place", {loHorizontal, taCenter, 5, vaMiddle, 5}, {100, 100}, {}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Corners(ArrangeControls(c.arrangement, c.panel, c.children)), QString::fromLatin1(c.corners));
    }
}

TEST(ControlsArrangement, ADockedPanelTakesTheArrangementOfItsSide)
{
    const struct {
        TAlign align;
        TControlsLayout layout;
        TAlignment horiz;
        TVAlignment vert;
    } cases[] = {
        {alTop, loHorizontal, taRightJustify, vaMiddle},
        {alBottom, loHorizontal, taRightJustify, vaMiddle},
        {alLeft, loVertical, taCenter, vaBottom},
        {alRight, loVertical, taCenter, vaBottom},
        // Other docks leave what was there.
        {alClient, loVertical, taLeftJustify, vaTop},
        {alNone, loVertical, taLeftJustify, vaTop},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        TControlsArrangement arrangement{loVertical, taLeftJustify, 11, vaTop, 13};
        ApplyDockPreset(arrangement, c.align);
        EXPECT_EQ(arrangement.Layout, c.layout);
        EXPECT_EQ(arrangement.HorizAlignment, c.horiz);
        EXPECT_EQ(arrangement.VertAlignment, c.vert);
        EXPECT_EQ(arrangement.HorizSpacing, 11);
        EXPECT_EQ(arrangement.VertSpacing, 13);
    }
}
