#include "ui/TchButton.h"
#include "ui/VxCheckBox.h"
#include "ui/VxControlsPanel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<QPoint> Positions(const QList<TTchButton *> &buttons)
{
    QList<QPoint> positions;
    for (const TTchButton *button : buttons)
        positions.append(button->pos());
    return positions;
}

QList<TTchButton *> Buttons(TVxControlsPanel &panel, int count, QSize size)
{
    QList<TTchButton *> buttons;
    for (int i = 0; i < count; ++i) {
        auto *button = new TTchButton(QString::number(i), &panel);
        button->resize(size);
        buttons.append(button);
    }
    return buttons;
}

} // namespace

TEST(VxControlsPanel, TwoButtonsCentredInARow)
{
    TVxControlsPanel panel;
    panel.resize(300, 45);
    const QList<TTchButton *> buttons = Buttons(panel, 2, {64, 24});
    panel.SetHorizSpacing(19);
    EXPECT_EQ(Positions(buttons), (QList<QPoint>{{77, 10}, {160, 10}}));
    EXPECT_TRUE(panel.Caption().isEmpty());
}

TEST(VxControlsPanel, OnlyVisibleUndockedChildrenArePlaced)
{
    TVxControlsPanel panel;
    panel.resize(100, 200);
    panel.SetLayout(loVertical);
    QList<TTchButton *> buttons = Buttons(panel, 4, {40, 20});
    buttons.at(1)->hide();
    buttons.at(3)->SetAlign(alTop);
    buttons.at(3)->move(1, 2);
    panel.ArrangeControls();
    // Two children of 20 with a gap of 5, centred on 100: 100 - 45 / 2.
    EXPECT_EQ(buttons.at(0)->pos(), QPoint(30, 78));
    EXPECT_EQ(buttons.at(2)->pos(), QPoint(30, 103));
    EXPECT_EQ(buttons.at(3)->pos(), QPoint(1, 2)) << "a docked child stays where its dock puts it";
}

TEST(VxControlsPanel, ItRearrangesWhenItsPropertiesOrSizeOrChildrenChange)
{
    TVxControlsPanel panel;
    panel.resize(300, 45);
    QList<TTchButton *> buttons = Buttons(panel, 2, {64, 24});
    panel.show();
    const struct {
        const char *name;
        std::function<void()> change;
        QList<QPoint> positions;
    } steps[] = {
        {"left", [&] { panel.SetHorizAlignment(taLeftJustify); }, {{5, 10}, {74, 10}}},
        {"spacing", [&] { panel.SetHorizSpacing(10); }, {{10, 10}, {84, 10}}},
        {"top", [&] { panel.SetVertAlignment(vaTop); }, {{10, 5}, {84, 5}}},
        {"vertical spacing", [&] { panel.SetVertSpacing(2); }, {{10, 2}, {84, 2}}},
        {"right", [&] { panel.SetHorizAlignment(taRightJustify); }, {{152, 2}, {226, 2}}},
        {"resized", [&] { panel.resize(400, 45); }, {{252, 2}, {326, 2}}},
        {"a child hidden", [&] { buttons.at(1)->hide(); }, {{326, 2}, {326, 2}}},
        {"a child grown", [&] { buttons.at(0)->resize(100, 24); }, {{290, 2}, {326, 2}}},
        {"a column", [&] { panel.SetLayout(loVertical); }, {{290, 2}, {326, 2}}},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.name);
        s.change();
        EXPECT_EQ(Positions(buttons), s.positions);
    }
}

TEST(VxControlsPanel, ADockedPanelTakesTheArrangementOfItsSideUnlessToldOtherwise)
{
    QWidget form;
    auto *panel = new TVxControlsPanel(&form);
    panel->SetAlign(alBottom);
    EXPECT_EQ(panel->Layout(), loHorizontal);
    EXPECT_EQ(panel->HorizAlignment(), taRightJustify);
    EXPECT_EQ(panel->VertAlignment(), vaMiddle);
    panel->SetHorizAlignment(taCenter);
    EXPECT_EQ(panel->HorizAlignment(), taCenter) << "set afterwards, it wins";
    panel->SetAlign(alLeft);
    EXPECT_EQ(panel->Layout(), loVertical);
    EXPECT_EQ(panel->VertAlignment(), vaBottom);

    TVxControlsPanel loose;
    loose.SetAlign(alBottom);
    EXPECT_EQ(loose.HorizAlignment(), taCenter) << "a panel without a parent keeps its arrangement";
}

TEST(VxPanel, TheCaptionLineStandsByItsVerticalAlignment)
{
    TVxPanel panel;
    panel.resize(200, 100);
    panel.SetBevelOuter(bvNone);
    const int line = panel.fontMetrics().height();
    const struct {
        TVAlignment alignment;
        int top;
    } cases[] = {{vaTop, 0}, {vaMiddle, (100 - line) / 2}, {vaBottom, 100 - line}};
    for (const auto &c : cases) {
        panel.SetVAlignment(c.alignment);
        EXPECT_EQ(panel.CaptionRect(), QRect(0, c.top, 200, line)) << c.alignment;
    }
    panel.SetBevelOuter(bvRaised);
    panel.SetBevelInner(bvLowered);
    panel.SetBorderWidth(2);
    EXPECT_EQ(panel.InnerRect(), QRect(4, 4, 192, 92));
    EXPECT_EQ(panel.VAlignment(), vaBottom);
    EXPECT_EQ(TVxPanel().VAlignment(), vaTop);
    EXPECT_EQ(TVxPanel().FontBkGnd(), TVxPanel().Color());
}

TEST(VxCheckBox, ATickedBoxShowsItsCaptionBold)
{
    QWidget form;
    auto *box = new TVxCheckBox(QStringLiteral("Print slips"), &form);
    form.show();
    EXPECT_FALSE(box->font().bold());
    box->setChecked(true);
    EXPECT_TRUE(box->font().bold()) << "set from code";
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(box->font().bold()) << "clicked";
    box->setChecked(true);
    box->setFont(QFont(QStringLiteral("Tahoma"), 8));
    EXPECT_TRUE(box->font().bold()) << "a font given from outside keeps the state's weight";
}

TEST(VxCheckBox, ThePointerOverItUnderlinesTheCaption)
{
    TVxCheckBox box(QStringLiteral("Print slips"), nullptr);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&box, &enter);
    EXPECT_TRUE(box.font().underline());
    EXPECT_EQ(box.cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&box, &leave);
    EXPECT_FALSE(box.font().underline());
    EXPECT_EQ(box.cursor().shape(), Qt::ArrowCursor);
}
