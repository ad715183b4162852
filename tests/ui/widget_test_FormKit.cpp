#include "support/WidgetChild.h"
#include "ui/FActivity.h"
#include "ui/FTimerForm.h"
#include "ui/FormSettings.h"
#include "ui/ModalDriver.h"
#include "ui/TchButton.h"

#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

TEST(FormSettings, EachLookSetsThePanelHeightAndTheDialogFont)
{
    const struct {
        TFormLook look;
        int panelHeight;
        const char *family;
        int points;
        bool bold;
    } cases[] = {
        {flKeyboard, 45, "Tahoma", 8, false},
        {flTouchScreen, 45, "Arial", 10, true},
        {flNormal, 40, "Tahoma", 8, false},
    };
    TFormSettings settings;
    EXPECT_EQ(settings.Look, flNormal) << "the look it starts with";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.look);
        settings.ApplyLook(c.look);
        EXPECT_EQ(settings.Look, c.look);
        EXPECT_EQ(settings.ButtonPanelHeight, c.panelHeight);
        EXPECT_EQ(settings.DialogFont.family(), QString::fromLatin1(c.family));
        EXPECT_EQ(settings.DialogFont.pointSize(), c.points);
        EXPECT_EQ(settings.DialogFont.bold(), c.bold);
        EXPECT_EQ(settings.DialogFontColour, QColor(Qt::black));
        // The same in every look.
        EXPECT_EQ(settings.ButtonWidth, 64);
        EXPECT_EQ(settings.ButtonHeight, 24);
        EXPECT_EQ(settings.ButtonSpacing, 19);
        EXPECT_EQ(settings.ButtonFont.family(), QStringLiteral("Tahoma"));
        EXPECT_EQ(settings.ButtonFont.pointSize(), 8);
        EXPECT_FALSE(settings.ButtonFont.bold());
        EXPECT_EQ(settings.ButtonColour, ButtonFaceColour());
    }
    EXPECT_EQ(&FormSettings(), &FormSettings()) << "one shared instance";
}

TEST(TimerForm, TheCountdownButtonShowsTheSecondsAndTheFormClosesAtZero)
{
    const struct {
        const char *name;
        int timeout;
        int timeoutResult;
        const char *captions;  // on show, then after each tick while open
        int result;
    } cases[] = {
        {"three seconds", 3, 6, "OK (3)|OK (2)|OK (1)|OK (0)", 6},
        {"a result of 0 leaves it open", 1, 0, "OK (1)|OK (0)|OK (0)|OK (0)", 77},
        {"no time-out: no countdown", 0, 6, "OK|OK|OK|OK", 77},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TfrmTimerForm form;
        EXPECT_EQ(form.Timeout(), 5);
        EXPECT_FALSE(form.Timer()->isActive()) << "stopped after creation";
        auto *button = new TTchButton(QStringLiteral("OK"), &form);
        form.SetCountdownButton(button);
        form.SetTimeoutResult(c.timeoutResult);
        form.SetTimeout(c.timeout);
        EXPECT_EQ(form.Timer()->isActive(), c.timeout > 0);
        QStringList captions;
        TModalDriver driver([&](QDialog &) {
            form.Timer()->stop();
            captions.append(button->Caption());
            for (int tick = 0; tick < 3 && form.isVisible(); ++tick) {
                if (c.timeout > 0)
                    form.Timer1Timer();
                captions.append(button->Caption());
            }
            if (form.isVisible())
                form.done(77);
        });
        EXPECT_EQ(form.exec(), c.result);
        EXPECT_EQ(captions.join(u'|'), QString::fromLatin1(c.captions));
    }
}

TEST(TimerForm, EscAndTheCloseBoxAnswerWithTheCancelButton)
{
    for (bool withCancel : {true, false}) {
        SCOPED_TRACE(withCancel);
        TfrmTimerForm form;
        auto *no = new TTchButton(QStringLiteral("&No"), &form);
        no->SetModalResult(7);
        if (withCancel)
            form.SetCancelButton(no);
        TModalDriver driver([](QDialog &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        EXPECT_EQ(form.exec(), withCancel ? 7 : 2);
    }
}

TEST(Activity, AdvanceStepsOnlyForANewAmount)
{
    TfrmActivity activity;
    auto *bar = Child<QProgressBar>(activity, "prg1");
    QList<int> values;
    for (int n : {5, 5, 3, 5}) {
        activity.Advance(n);
        values.append(bar->value());
    }
    EXPECT_EQ(values, (QList<int>{5, 5, 8, 13}));
    activity.Advance(200);
    EXPECT_EQ(bar->value(), 100) << "the bar stays at its end";
}

TEST(Activity, ReportingProgressShowsTheWindowAndTheMessage)
{
    TfrmActivity activity;
    auto *bar = Child<QProgressBar>(activity, "prg1");
    auto *message = Child<QLabel>(activity, "lblMsg");
    activity.SetMin(1);
    activity.SetMax(4);
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 4);
    EXPECT_TRUE(activity.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(activity.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    activity.Advance(1);
    activity.ReportProgress(QStringLiteral("Shift 7"));
    EXPECT_TRUE(activity.isVisible());
    EXPECT_EQ(message->text(), QStringLiteral("Shift 7"));
    EXPECT_EQ(bar->value(), 1) << "no step without StepOnMessage";
    activity.StepOnMessage = true;
    activity.ReportProgress(QString());
    EXPECT_EQ(message->text(), QStringLiteral("Shift 7")) << "an empty text keeps the message";
    EXPECT_EQ(bar->value(), 2);
}

TEST(Activity, EscRaisesTheCancelKeyEvent)
{
    TfrmActivity activity;
    QList<int> keys;
    QObject *from = nullptr;
    QObject::connect(&activity, &TfrmActivity::OnCancelKey, &activity, [&](QObject *sender, int key) {
        from = sender;
        keys.append(key);
    });
    activity.show();
    QTest::keyClick(&activity, Qt::Key_A);
    QTest::keyClick(&activity, Qt::Key_Escape);
    EXPECT_EQ(keys, QList<int>{Qt::Key_Escape});
    EXPECT_EQ(from, &activity);
    EXPECT_TRUE(activity.isVisible()) << "Esc alone does not close it";
}
