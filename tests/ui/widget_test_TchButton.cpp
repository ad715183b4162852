#include "support/WidgetChild.h"
#include "ui/ModalDriver.h"
#include "ui/TchButton.h"

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A shown window holding one button, with the clicks counted.
struct TButtonWindow {
    TButtonWindow()
    {
        window.resize(300, 200);
        button->setGeometry(10, 10, 100, 40);
        QObject::connect(button, &TTchButton::OnClick, &window, [this] { ++clicks; });
        window.show();
    }
    QDialog window;
    TTchButton *button = new TTchButton(QStringLiteral("&Close"), &window);
    int clicks = 0;
};

const QPoint Inside(50, 20);
const QPoint Outside(150, 20);

} // namespace

TEST(TchButton, AfterCreation)
{
    TTchButton button;
    EXPECT_EQ(button.size(), QSize(75, 25));
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(button.FontColor(), QColor(Qt::black));
    EXPECT_EQ(button.Color(), button.palette().color(QPalette::Button));
    EXPECT_FALSE(button.Down() || button.Toggle() || button.Default() || button.Cancel() || button.DoubleClick());
    EXPECT_EQ(button.ModalResult(), 0);
}

TEST(TchButton, ClicksOnReleaseInsideOnly)
{
    const struct {
        const char *name;
        bool toggle;
        QPoint release;
        bool downWhilePressed;
        bool downAfter;
        int clicks;
    } cases[] = {
        {"release inside", false, Inside, true, false, 1},
        {"slide off before release", false, Outside, true, false, 0},
        {"toggling, release inside", true, Inside, true, true, 1},
        {"toggling, slide off", true, Outside, true, false, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TButtonWindow w;
        w.button->SetToggle(c.toggle);
        QTest::mousePress(w.button, Qt::LeftButton, {}, Inside);
        EXPECT_EQ(w.button->Down(), c.downWhilePressed);
        QTest::mouseRelease(w.button, Qt::LeftButton, {}, c.release);
        EXPECT_EQ(w.button->Down(), c.downAfter);
        EXPECT_EQ(w.clicks, c.clicks);
    }
}

TEST(TchButton, AToggleKeepsItsStateBetweenPresses)
{
    TButtonWindow w;
    w.button->SetToggle(true);
    QList<bool> states;
    for (int press = 0; press < 3; ++press) {
        QTest::mouseClick(w.button, Qt::LeftButton, {}, Inside);
        states.append(w.button->Down());
    }
    EXPECT_EQ(states, (QList<bool>{true, false, true}));
    EXPECT_EQ(w.clicks, 3);
}

TEST(TchButton, APressedButtonShowsItsColoursSwapped)
{
    TButtonWindow w;
    w.button->SetColor(Qt::yellow);
    w.button->SetFontColor(Qt::blue);
    QTest::mousePress(w.button, Qt::LeftButton, {}, Inside);
    EXPECT_EQ(w.button->Color(), QColor(Qt::blue));
    EXPECT_EQ(w.button->FontColor(), QColor(Qt::yellow));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, Inside);
    EXPECT_EQ(w.button->Color(), QColor(Qt::yellow));
    EXPECT_EQ(w.button->FontColor(), QColor(Qt::blue));
}

TEST(TchButton, FastTapsEachClick)
{
    TButtonWindow w;
    // Two quick taps arrive as press, release, double click, release.
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, Inside, w.button->mapToGlobal(Inside), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.button, &event);
    }
    EXPECT_EQ(w.clicks, 2) << "the second press of a double click is a press of its own";
}

TEST(TchButton, AClickGivesItsModalResultToTheDialogBeforeOnClick)
{
    const struct {
        const char *name;
        int modalResult;
        bool handlerKeepsOpen;
        int resultSeenInOnClick;
        bool closes;
    } cases[] = {
        {"OK closes with 1", 1, false, 1, true},
        {"Yes closes with 6", 6, false, 6, true},
        {"0 resets the result and leaves it open", 0, false, 0, false},
        {"the handler keeps it open", 1, true, 1, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDialog dialog;
        auto *button = new TTchButton(QStringLiteral("OK"), &dialog);
        button->SetModalResult(c.modalResult);
        int seen = -1;
        bool visibleInOnClick = false;
        QObject::connect(button, &TTchButton::OnClick, &dialog, [&] {
            seen = dialog.result();
            visibleInOnClick = dialog.isVisible();
            if (c.handlerKeepsOpen)
                dialog.setResult(0);
        });
        bool stillOpen = false;
        TModalDriver driver([&](QDialog &shown) {
            shown.setResult(5);
            button->Click();
            stillOpen = shown.isVisible();
            if (stillOpen)
                shown.done(99);
        });
        const int result = dialog.exec();
        EXPECT_EQ(seen, c.resultSeenInOnClick);
        EXPECT_TRUE(visibleInOnClick);
        EXPECT_EQ(stillOpen, !c.closes);
        EXPECT_EQ(result, c.closes ? c.modalResult : 99);
    }
}

TEST(TchButton, AClickWhileOneIsHandledIsIgnoredUnlessDoubleClick)
{
    for (bool doubleClick : {false, true}) {
        SCOPED_TRACE(doubleClick);
        TTchButton button;
        button.SetDoubleClick(doubleClick);
        int clicks = 0;
        QObject::connect(&button, &TTchButton::OnClick, &button, [&] {
            if (++clicks == 1)
                button.Click();  // a tap arriving while the first is handled
        });
        button.Click();
        EXPECT_EQ(clicks, doubleClick ? 2 : 1);
        button.Click();
        EXPECT_EQ(clicks, doubleClick ? 3 : 2) << "the guard is released afterwards";
    }
}

TEST(TchButton, DefaultAndCancelExcludeEachOther)
{
    TTchButton button;
    button.SetDefault(true);
    button.SetCancel(true);
    EXPECT_TRUE(button.Cancel());
    EXPECT_FALSE(button.Default());
    button.SetDefault(true);
    EXPECT_TRUE(button.Default());
    EXPECT_FALSE(button.Cancel());
}

TEST(TchButton, KeysOfItsWindowClickIt)
{
    const struct {
        const char *name;
        bool isDefault;
        bool isCancel;
        bool enabled;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicks;
    } cases[] = {
        {"Enter on the default", true, false, true, Qt::Key_Return, Qt::NoModifier, 1},
        {"keypad Enter on the default", true, false, true, Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"Shift+Enter", true, false, true, Qt::Key_Return, Qt::ShiftModifier, 0},
        {"Enter on a disabled default", true, false, false, Qt::Key_Return, Qt::NoModifier, 0},
        {"Enter on another button", false, true, true, Qt::Key_Return, Qt::NoModifier, 0},
        {"Esc on the cancel button", false, true, true, Qt::Key_Escape, Qt::NoModifier, 1},
        {"Ctrl+Esc", false, true, true, Qt::Key_Escape, Qt::ControlModifier, 0},
        {"Esc on the default", true, false, true, Qt::Key_Escape, Qt::NoModifier, 0},
        {"the accelerator letter", false, false, true, Qt::Key_C, Qt::NoModifier, 1},
        {"Alt and the accelerator letter", false, false, true, Qt::Key_C, Qt::AltModifier, 1},
        {"Ctrl and the accelerator letter", false, false, true, Qt::Key_C, Qt::ControlModifier, 0},
        {"another letter", false, false, true, Qt::Key_X, Qt::NoModifier, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TButtonWindow w;
        w.button->SetDefault(c.isDefault);
        w.button->SetCancel(c.isCancel);
        w.button->setEnabled(c.enabled);
        QTest::keyClick(&w.window, c.key, c.modifiers);
        EXPECT_EQ(w.clicks, c.clicks);
    }
}

TEST(TchButton, TheAcceleratorIsTheLetterAfterTheAmpersand)
{
    const struct {
        const char *caption;
        char16_t letter;
    } cases[] = {{"&Close", u'C'}, {"E&xit", u'x'}, {"Fish && &Chips", u'C'}, {"Fish && Chips", 0}, {"Close", 0}, {"End&", 0}};
    for (const auto &c : cases)
        EXPECT_EQ(TTchButton(QString::fromLatin1(c.caption), nullptr).Accelerator(), QChar(c.letter)) << c.caption;
}
