#include "app/GuiPrompts.h"
#include "support/QtPrinters.h"
#include "support/WidgetChild.h"
#include "ui/FTimerForm.h"
#include "ui/FormSettings.h"
#include "ui/ModalDriver.h"

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
        halfScreen = dialog.screen()->geometry().width() / 2;
        dialog.reject();
    });
    prompts.MessageDialog(QStringLiteral("word ").repeated(200), mtInformation, {mbOK}, 0);
    EXPECT_TRUE(wraps);
    EXPECT_EQ(width, halfScreen);
}

TEST(GuiPrompts, EveryWrappedLineHasRoomInTheLabel)
{
    const struct {
        const char *name;
        QString text;
    } cases[] = {
        {"one long line", QStringLiteral("word ").repeated(200)},
        {"two long lines", QStringLiteral("word ").repeated(150) + u'\r' + QStringLiteral("text ").repeated(150)},
        {"long words", QStringLiteral("Connection-string-part ").repeated(40)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto form = CreateMessageDialog(c.text, mtError, {mbOK}, 0);
        auto *message = Child<QLabel>(*form, "Message");
        const QRect needed = message->fontMetrics().boundingRect(QRect(0, 0, message->width(), 1 << 20), Qt::TextWordWrap, message->text());
        EXPECT_GE(message->height(), needed.height());
        EXPECT_LE(message->geometry().bottom(), Child<QPushButton>(*form, "OK")->y()) << "the text stays above the buttons";
    }
}

TEST(GuiPrompts, TheDialogIsMeasuredFromTheTextAndTheButtonRow)
{
    const TFormSettings &look = FormSettings();
    const struct {
        const char *name;
        QString text;
        TMsgDlgButtons buttons;
        QStringList names;
    } cases[] = {
        {"short text, three buttons", QStringLiteral("Save?"), {mbYes, mbNo, mbCancel}, {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("Cancel")}},
        {"two lines, one button", QStringLiteral("The till list could not be read.\rReason: the server went away"), {mbOK}, {QStringLiteral("OK")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const auto form = CreateMessageDialog(c.text, mtWarning, c.buttons, 0);
        const QLabel *message = Child<QLabel>(*form, "Message");
        const QLabel *image = Child<QLabel>(*form, "Image");
        const QFontMetrics metrics(look.DialogFont);
        const auto lines = static_cast<int>(c.text.count(u'\r') + 1);
        EXPECT_EQ(image->geometry(), QRect(8, 8, 32, 32));
        EXPECT_EQ(message->pos(), QPoint(50, 8));
        EXPECT_EQ(message->height(), lines * metrics.height());
        EXPECT_EQ(message->font(), look.DialogFont);

        const auto n = static_cast<int>(c.names.size());
        const int rowWidth = n * look.ButtonWidth + (n - 1) * 19;
        EXPECT_EQ(form->width(), std::max(32 + message->width() + 10, rowWidth) + 16);
        EXPECT_EQ(form->height(), std::max(32, message->height()) + look.ButtonHeight + 26);
        int x = (form->width() - rowWidth) / 2;
        for (const QString &name : c.names) {
            const auto *button = Child<QPushButton>(*form, name.toLatin1().constData());
            EXPECT_EQ(button->geometry(), QRect(x, form->height() - look.ButtonHeight - 8, look.ButtonWidth, look.ButtonHeight)) << name.toStdString();
            EXPECT_EQ(button->font(), look.ButtonFont);
            x += look.ButtonWidth + 19;
        }
    }
}

TEST(GuiPrompts, TheDefaultButtonCountsDownAndAnswersAtZero)
{
    const struct {
        const char *name;
        TMsgDlgButtons buttons;
        int seconds;
        const char *captions;  // when shown, then after each tick
        int result;
    } cases[] = {
        {"OK", {mbOK}, 10, "OK (10)|OK (9)|OK (8)|OK (7)|OK (6)|OK (5)|OK (4)|OK (3)|OK (2)|OK (1)|OK (0)", mrOk},
        {"Yes", {mbYes, mbNo}, 2, "&Yes (2)|&Yes (1)|&Yes (0)", mrYes},
    };
    TGuiPrompts prompts;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList captions;
        bool ticking = false;
        int interval = 0;
        TModalDriver driver([&](QDialog &dialog) {
            auto &form = dynamic_cast<TfrmTimerForm &>(dialog);
            ticking = form.Timer()->isActive();
            interval = form.Timer()->interval();
            form.Timer()->stop();  // the test gives the seconds itself
            auto *button = Child<QPushButton>(dialog, c.name);
            captions.append(button->text());
            for (int tick = 0; tick < c.seconds && dialog.isVisible(); ++tick) {
                form.Timer1Timer();
                captions.append(button->text());
            }
        });
        EXPECT_EQ(prompts.MessageDialog(QStringLiteral("Closing soon"), mtInformation, c.buttons, c.seconds), c.result);
        EXPECT_EQ(captions.join(u'|'), QString::fromLatin1(c.captions));
        EXPECT_TRUE(ticking);
        EXPECT_EQ(interval, 1000);
    }
}

TEST(GuiPrompts, WithoutATimeOutNothingCounts)
{
    TGuiPrompts prompts;
    QString caption;
    bool ticking = true;
    TModalDriver driver([&](QDialog &dialog) {
        ticking = dynamic_cast<TfrmTimerForm &>(dialog).Timer()->isActive();
        caption = Child<QPushButton>(dialog, "OK")->text();
        Child<QPushButton>(dialog, "OK")->click();
    });
    EXPECT_EQ(prompts.MessageDialog(QStringLiteral("Stays"), mtInformation, {mbOK}, 0), mrOk);
    EXPECT_FALSE(ticking);
    EXPECT_EQ(caption, QStringLiteral("OK"));
}

TEST(GuiPrompts, TheInputDialogIsMeasuredInAverageLetters)
{
    const TFormSettings &look = FormSettings();
    const auto form = CreateInputTextDialog(QStringLiteral("Driver"), QStringLiteral("Name of the driver"), QStringLiteral("Sam"));
    const QFontMetrics metrics(look.DialogFont);
    const int cx = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52;
    const auto *prompt = Child<QLabel>(*form, "lblPrompt");
    const auto *edit = Child<QLineEdit>(*form, "txtValue");
    const auto *ok = Child<QPushButton>(*form, "btnOK");
    const auto *cancel = Child<QPushButton>(*form, "btnCancel");
    EXPECT_EQ(form->width(), 180 * cx / 4);
    EXPECT_EQ(prompt->pos(), QPoint(8 * cx / 4, metrics.height()));
    EXPECT_LE(prompt->width(), 164 * cx / 4);
    EXPECT_EQ(edit->geometry().topLeft(), QPoint(8 * cx / 4, prompt->geometry().bottom() + 1 + 5));
    EXPECT_EQ(edit->width(), 164 * cx / 4);
    EXPECT_EQ(edit->maxLength(), 255);
    EXPECT_EQ(ok->y(), edit->geometry().bottom() + 1 + 15);
    EXPECT_EQ(ok->geometry().right() + 1, form->width() / 2 - 9);
    EXPECT_EQ(cancel->x(), form->width() / 2 + 9);
    EXPECT_EQ(ok->size(), QSize(look.ButtonWidth, look.ButtonHeight));
    EXPECT_EQ(form->height(), ok->geometry().bottom() + 1 + 13);
    EXPECT_TRUE(ok->isDefault());
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
