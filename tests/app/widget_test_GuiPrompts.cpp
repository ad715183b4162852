#include "app/GuiPrompts.h"
#include "support/QtPrinters.h"
#include "support/WidgetChild.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Acts on the next modal dialog once its event loop runs. Should the dialog stay open,
// it is closed with -1 after ten seconds, so the test fails instead of hanging.
class TModalDriver {
public:
    explicit TModalDriver(std::function<void(QDialog &)> act)
    {
        QTimer::singleShot(0, &m_guard, [act] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no dialog is showing";
                return;
            }
            try {
                act(*dialog);
            } catch (const std::exception &e) {
                ADD_FAILURE() << e.what();
                dialog->done(-1);
            }
        });
        m_guard.setSingleShot(true);
        QObject::connect(&m_guard, &QTimer::timeout, &m_guard, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->done(-1);
        });
        m_guard.start(10'000);
    }

private:
    QTimer m_guard;
};

} // namespace

TEST(GuiPrompts, KeysAnswerWithTheDefaultAndTheCancelButtons)
{
    const struct {
        const char *name;
        TMsgDlgButtons buttons;
        Qt::Key key;
        int result;
    } cases[] = {
        {"Yes/No: Enter is Yes", {mbYes, mbNo}, Qt::Key_Return, mrYes},
        {"Yes/No: Esc is No", {mbYes, mbNo}, Qt::Key_Escape, mrNo},
        {"Yes/No/Cancel: Enter is Yes", {mbYes, mbNo, mbCancel}, Qt::Key_Return, mrYes},
        {"Yes/No/Cancel: Esc is Cancel", {mbYes, mbNo, mbCancel}, Qt::Key_Escape, mrCancel},
        {"OK: Enter is OK", {mbOK}, Qt::Key_Return, mrOk},
        {"OK: Esc is OK", {mbOK}, Qt::Key_Escape, mrOk},
    };
    TGuiPrompts prompts;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TModalDriver driver([&c](QDialog &dialog) { QTest::keyClick(&dialog, c.key); });
        EXPECT_EQ(prompts.MessageDialog(QStringLiteral("Sure?"), mtConfirmation, c.buttons, 0), c.result);
    }
}

TEST(GuiPrompts, ButtonsStandInOrderAndAnswerWithTheirResults)
{
    const struct {
        const char *name;
        int result;
    } cases[] = {{"Yes", mrYes}, {"No", mrNo}, {"Cancel", mrCancel}};
    TGuiPrompts prompts;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList captions;
        QString byDefault;
        TModalDriver driver([&](QDialog &dialog) {
            auto buttons = dialog.findChildren<QPushButton *>();
            std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
            for (QPushButton *button : buttons) {
                captions.append(button->text());
                if (button->isDefault())
                    byDefault = button->objectName();
            }
            Child<QPushButton>(dialog, c.name)->click();
        });
        EXPECT_EQ(prompts.MessageDialog(QStringLiteral("Save?"), mtConfirmation, {mbCancel, mbNo, mbYes}, 0), c.result);
        EXPECT_EQ(captions.join(u'|'), QStringLiteral("&Yes|&No|Cancel"));
        EXPECT_EQ(byDefault, QStringLiteral("Yes"));
    }
}

TEST(GuiPrompts, CaptionByTypeAndLinesSeparatedByCarriageReturns)
{
    const struct {
        TMsgDlgType type;
        const char *caption;
    } cases[] = {{mtWarning, "Warning"}, {mtError, "Error"}, {mtInformation, "Information"}, {mtConfirmation, "Confirm"}};
    TGuiPrompts prompts;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption);
        QString caption, text;
        TModalDriver driver([&](QDialog &dialog) {
            caption = dialog.windowTitle();
            text = Child<QLabel>(dialog, "Message")->text();
            dialog.reject();
        });
        prompts.MessageDialog(QStringLiteral("Connect failed\rReason: refused\r\rRaised In: here"), c.type, {mbOK}, 0);
        EXPECT_EQ(caption, QString::fromLatin1(c.caption));
        EXPECT_EQ(text, QStringLiteral("Connect failed\nReason: refused\n\nRaised In: here"));
    }
}

TEST(GuiPrompts, ALineWiderThanHalfTheScreenWraps)
{
    TGuiPrompts prompts;
    bool wraps = false;
    int width = 0, halfScreen = 0;
    TModalDriver driver([&](QDialog &dialog) {
        auto *message = Child<QLabel>(dialog, "Message");
        wraps = message->wordWrap();
        width = message->width();
        halfScreen = dialog.screen()->availableGeometry().width() / 2;
        dialog.reject();
    });
    prompts.MessageDialog(QStringLiteral("word ").repeated(200), mtInformation, {mbOK}, 0);
    EXPECT_TRUE(wraps);
    EXPECT_LE(width, halfScreen);
}

TEST(GuiPrompts, TheDefaultButtonCountsDownAndAnswersAtZero)
{
    const struct {
        const char *name;
        TMsgDlgButtons buttons;
        int seconds;
        const char *captions;  // when shown, then after each tick that leaves it open
        int result;
    } cases[] = {
        {"OK", {mbOK}, 2, "OK (2)|OK (1)", mrOk},
        {"Yes", {mbYes, mbNo}, 1, "&Yes (1)", mrYes},
    };
    TGuiPrompts prompts;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList captions;
        int ticks = 0;
        TModalDriver driver([&](QDialog &dialog) {
            auto *button = Child<QPushButton>(dialog, c.name);
            captions.append(button->text());
            QObject::connect(Child<QTimer>(dialog, "tmrCountdown"), &QTimer::timeout, &dialog, [&, button] {
                ++ticks;
                if (dialog.isVisible())
                    captions.append(button->text());
            });
        });
        EXPECT_EQ(prompts.MessageDialog(QStringLiteral("Closing soon"), mtInformation, c.buttons, c.seconds), c.result);
        EXPECT_EQ(captions.join(u'|'), QString::fromLatin1(c.captions));
        EXPECT_EQ(ticks, c.seconds) << "one tick a second, closing at 0";
    }
}

TEST(GuiPrompts, InputTextTrimsOnOkAndKeepsTheValueOnCancel)
{
    const struct {
        const char *name;
        const char *typed;
        const char *button;
        bool result;
        const char *value;
    } cases[] = {
        {"OK trims", "  Alice  ", "btnOK", true, "Alice"},
        {"OK with blanks", "   ", "btnOK", false, ""},
        {"Cancel", "Bob", "btnCancel", false, "before"},
    };
    TGuiPrompts prompts;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QString offered, selected, caption;
        TModalDriver driver([&](QDialog &dialog) {
            caption = dialog.windowTitle();
            auto *edit = Child<QLineEdit>(dialog, "txtValue");
            offered = edit->text();
            selected = edit->selectedText();
            edit->setText(QString::fromLatin1(c.typed));
            Child<QPushButton>(dialog, c.button)->click();
        });
        QString value = QStringLiteral("before");
        EXPECT_EQ(prompts.InputText(QStringLiteral("Driver"), QStringLiteral("Name of the driver"), value), c.result);
        EXPECT_EQ(value, QString::fromLatin1(c.value));
        EXPECT_EQ(caption, QStringLiteral("Driver"));
        EXPECT_EQ(offered, QStringLiteral("before"));
        EXPECT_EQ(selected, QStringLiteral("before"));
    }
}

TEST(GuiPrompts, TheConnectionDialogGivesTheEditedStringOrNothing)
{
    const QString initial = QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=zup;Initial Catalog=duDid;Data Source=shop-db;");
    TGuiPrompts prompts;
    {
        TModalDriver driver([](QDialog &dialog) {
            Child<QLineEdit>(dialog, "txtPassword")->setText(QStringLiteral("n3w"));
            Child<QPushButton>(dialog, "btnOK")->click();
        });
        EXPECT_EQ(prompts.EditConnectionString(initial).value_or(QStringLiteral("cancelled")),
                  QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=n3w;Initial Catalog=duDid;Data Source=shop-db;"));
    }
    {
        TModalDriver driver([](QDialog &dialog) {
            Child<QLineEdit>(dialog, "txtPassword")->setText(QStringLiteral("n3w"));
            Child<QPushButton>(dialog, "btnCancel")->click();
        });
        EXPECT_FALSE(prompts.EditConnectionString(initial).has_value());
    }
}
