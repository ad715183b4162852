#include "support/WidgetChild.h"
#include "ui/FConfirmPwd.h"
#include "ui/FNumPad.h"
#include "ui/FPassword.h"
#include "ui/ModalDriver.h"
#include "ui/NumberPad.h"
#include "ui/TchButton.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

// The shared look for one test; the normal look again afterwards.
struct TLookGuard {
    explicit TLookGuard(TFormLook look) { FormSettings().ApplyLook(look); }
    ~TLookGuard() { FormSettings().ApplyLook(flNormal); }
};

// Presses on the pad: digits, "." and "B" (BS) and "C" as buttons; "k" before a digit
// types it on the keypad, "E" is Esc on the keyboard.
void Press(TNumberPad &pad, const char *keys)
{
    for (const char *k = keys; *k; ++k) {
        switch (*k) {
        case '.': pad.Button(npDecimal)->Click(); break;
        case 'B': pad.Button(npBack)->Click(); break;
        case 'C': pad.Button(npClear)->Click(); break;
        case 'E': pad.HandleKey(vkEscape); break;
        case 'k': ++k; pad.HandleKey(vkNumpad0 + (*k - '0')); break;
        default: pad.Button(static_cast<TNPButton>(*k - '0'))->Click(); break;
        }
    }
}

// A key as a person presses it, to the widget with the focus.
void Key(QDialog &dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
    QTest::keyClick(target, key, modifiers);
}

} // namespace

TEST(NumberPad, TheTextFollowsTheKeysAsASetValueIsTypedOver)
{
    const struct {
        const char *name;
        const char *keys;
        double maxValue;
        const char *text;
        double value;
        bool decimalShown;
        int changes;  // OnValueChanged raised
    } cases[] = {
        {"a new pad", "", 0, "0", 0, true, 0},
        {"5 types over the 0", "5", 0, "5", 5, true, 1},
        {"C on a hand-typed 0 changes nothing, so 5 follows it", "0C5", 0, "05", 5, true, 2},
        {"the maximum replaces a larger number", "150", 100, "100", 100, true, 3},
        {"a point hides its button", "1.", 0, "1.", 1, false, 2},
        {"only one point", "1..5", 0, "1.5", 1.5, false, 3},
        {"BS over the point brings it back", "1.5BB", 0, "1", 1, true, 5},
        {"BS on one character empties the text", "5B", 0, "", 0, true, 2},
        {"a point after a set value continues it", ".5", 0, "0.5", 0.5, false, 2},
        {"keypad digits", "k4k2", 0, "42", 42, true, 2},
        {"Esc clears", "42E", 0, "0", 0, true, 3},
        {"the maximum takes the point away", "99.5", 99, "99", 99, true, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QWidget parent;
        auto *pad = new TNumberPad(&parent);
        pad->SetMaxValue(c.maxValue);
        int changes = 0;
        QObject::connect(pad, &TNumberPad::OnValueChanged, pad, [&changes] { ++changes; });
        Press(*pad, c.keys);
        EXPECT_EQ(pad->ValueAsString(), S(c.text));
        EXPECT_DOUBLE_EQ(pad->Value(), c.value);
        EXPECT_EQ(pad->DecimalVisible(), c.decimalShown);
        EXPECT_EQ(pad->DecimalEnabled(), c.decimalShown);
        EXPECT_EQ(changes, c.changes);
    }
}

TEST(NumberPad, WithoutThePointTheZeroSpansTwoColumns)
{
    QWidget parent;
    auto *pad = new TNumberPad(&parent);
    pad->resize(300, 250);
    parent.show();
    const int w = pad->InnerRect().width() / 3;
    EXPECT_EQ(pad->Button(np0)->width(), w);
    EXPECT_EQ(pad->Button(npDecimal)->geometry().left(), pad->Button(np0)->geometry().right() + 1);
    Press(*pad, "1.");
    EXPECT_EQ(pad->Button(np0)->width(), 2 * w);
    EXPECT_TRUE(pad->Button(npDecimal)->isHidden());
    EXPECT_EQ(pad->Button(npBack)->width(), pad->InnerRect().width()) << "BS across the whole width";
    EXPECT_EQ(pad->Button(npBack)->geometry().bottom(), pad->InnerRect().bottom());
}

TEST(NumberPad, WithoutDecimalsThePointIsHiddenWhateverTheButtonsSay)
{
    QWidget parent;
    auto *pad = new TNumberPad(&parent);
    pad->SetAllowDecimal(false);
    pad->SetEnabledButtons(TNPButtons().set());
    EXPECT_TRUE(pad->Button(npDecimal)->isHidden());
    EXPECT_FALSE(pad->DecimalEnabled());
    Press(*pad, "1");
    EXPECT_TRUE(pad->HandleKey(vkDecimal));
    EXPECT_TRUE(pad->HandleKey(vkPeriod));
    EXPECT_EQ(pad->ValueAsString(), S("1"));

    TNPButtons someDigits;
    someDigits.set(np1).set(npBack);
    pad->SetEnabledButtons(someDigits);
    EXPECT_TRUE(pad->Button(np1)->isEnabledTo(pad));
    EXPECT_FALSE(pad->Button(np2)->isEnabledTo(pad));
    EXPECT_FALSE(pad->Button(npClear)->isEnabledTo(pad));
    pad->HandleKey(vk0 + 2);
    EXPECT_EQ(pad->ValueAsString(), S("12")) << "a key acts even when its button is disabled";
    EXPECT_FALSE(pad->HandleKey(vkReturn));
}

TEST(NumPadForm, EscClearsTheValueBeforeItCancels)
{
    const struct {
        const char *name;
        TFormLook look;
        const char *keys;  // keypad digits typed first
        int escapes;       // Esc presses until the dialog closed
    } cases[] = {
        {"the pad hidden: at once", flNormal, "7", 1},
        {"the pad at 0: at once", flTouchScreen, "", 1},
        {"a value: cleared first", flTouchScreen, "72", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TLookGuard look(c.look);
        TfrmNumPad form;
        int escapes = 0;
        TModalDriver driver([&](QDialog &dialog) {
            for (const char *k = c.keys; *k; ++k)
                Key(dialog, static_cast<Qt::Key>(Qt::Key_0 + (*k - '0')), Qt::KeypadModifier);
            if (c.look == flTouchScreen) {
                EXPECT_EQ(form.numPad->ValueAsString(), S(*c.keys ? c.keys : "0"));
            }
            while (dialog.isVisible() && escapes < 3) {
                Key(dialog, Qt::Key_Escape);
                ++escapes;
            }
        });
        EXPECT_EQ(form.ShowModal(), mrCancel);
        EXPECT_EQ(escapes, c.escapes);
        EXPECT_EQ(form.numPad->isHidden(), c.look != flTouchScreen);
    }
}

TEST(NumPadText, FreeEntryTakesAnyTextThatIsNotBlankInUpperCase)
{
    const struct {
        const char *name;
        const char *typed;
        bool okEnabled;
        bool clickOk;  // else Esc
        bool result;
        const char *entered;
    } cases[] = {
        {"blanks only", "   ", false, false, false, ""},
        {"letters", "ab1", true, true, true, "AB1"},
        {"a typed point is dropped", "1.5", true, true, true, "15"},
        {"cancelled", "abc", true, false, false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TfrmNumPad_Text form;
        TModalDriver driver([&](QDialog &dialog) {
            QLineEdit *txt = Child<QLineEdit>(dialog, "txt");
            txt->setFocus();
            QTest::keyClicks(txt, S(c.typed));
            auto *ok = Child<TTchButton>(dialog, "btnOK");
            EXPECT_EQ(ok->isEnabled(), c.okEnabled);
            if (c.clickOk)
                Key(dialog, Qt::Key_Enter, Qt::KeypadModifier);
            else
                Key(dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(form.Execute(S("Name")), c.result);
        EXPECT_EQ(form.EnteredText(), S(c.entered));
    }
}

TEST(NumPadText, AMatchTextIsTheOnlyOneAccepted)
{
    const struct {
        const char *typed;
        bool okEnabled;
    } cases[] = {{"yes", true}, {"YES", true}, {"ye", false}, {"yes ", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        TfrmNumPad_Text form;
        TModalDriver driver([&](QDialog &dialog) {
            QLineEdit *txt = Child<QLineEdit>(dialog, "txt");
            QTest::keyClicks(txt, S(c.typed));
            EXPECT_EQ(Child<TTchButton>(dialog, "btnOK")->isEnabled(), c.okEnabled);
            dialog.done(mrCancel);
        });
        form.Execute(S("Type YES to go on"), S("Yes"));
    }
}

TEST(NumPadText, ALongPromptWrapsAndTheTopGrows)
{
    const struct {
        const char *prompt;
        bool taller;
    } cases[] = {
        {"Enter Driver password", false},
        {"Enter the password of the manager who allows this refund to be made", true},
    };
    int oneLine = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.prompt);
        TfrmNumPad_Text form;
        TModalDriver driver([&](QDialog &dialog) {
            auto *prompt = Child<QLabel>(dialog, "lblPrompt");
            EXPECT_EQ(prompt->text(), S(c.prompt));
            const int top = Child<QWidget>(dialog, "pnlTop")->height();
            if (!c.taller)
                oneLine = top;
            else
                EXPECT_GT(top, oneLine);
            EXPECT_GE(Child<QWidget>(dialog, "pnlTopMain")->height(), prompt->height() + Child<QWidget>(dialog, "pnlText")->height());
            dialog.done(mrCancel);
        });
        form.Execute(S(c.prompt));
    }
}

TEST(NumPadText, ThePadFeedsTheBoxInTheTouchLook)
{
    TLookGuard look(flTouchScreen);
    TfrmNumPad_Text form;
    form.SetEnteredText(S("12"));
    TModalDriver driver([&](QDialog &dialog) {
        QLineEdit *txt = Child<QLineEdit>(dialog, "txt");
        EXPECT_EQ(txt->text(), S("12"));
        EXPECT_EQ(txt->selectedText(), S("12")) << "the first text is selected, to be typed over";
        auto *pad = Child<TNumberPad>(dialog, "numPad");
        EXPECT_FALSE(pad->isHidden());
        Press(*pad, "345");
        EXPECT_EQ(txt->text(), S("345"));
        Press(*pad, "C");
        EXPECT_EQ(txt->text(), QString());
        Press(*pad, "7");
        Child<TTchButton>(dialog, "btnOK")->Click();
    });
    EXPECT_TRUE(form.Execute(S("Table")));
    EXPECT_EQ(form.EnteredText(), S("7"));
}

TEST(Password, TheControlledAccessPromptMasksWhatIsTyped)
{
    TfrmPassword form;
    form.SetAllowDecimal(true);
    TModalDriver driver([&](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), S("Controlled Access"));
        EXPECT_EQ(Child<QLabel>(dialog, "lblHeader")->text(), S("A password is needed:"));
        QLineEdit *txt = Child<QLineEdit>(dialog, "txt");
        EXPECT_EQ(txt->echoMode(), QLineEdit::Password);
        QTest::keyClicks(txt, S("ab1.2"));
        Key(dialog, Qt::Key_Return);
    });
    EXPECT_TRUE(form.Execute(S("Enter Driver password")));
    EXPECT_EQ(form.EnteredText(), S("AB1.2"));
}

TEST(ConfirmPwd, BothBoxesMustHoldTheSameTextThatIsNotEmpty)
{
    const struct {
        const char *name;
        const char *first;
        const char *second;
        bool okEnabled;
    } cases[] = {
        {"two empty boxes", "", "", false},
        {"lower and upper case", "abc", "ABC", true},
        {"blanks at the ends are removed", " abc", "abc ", true},
        {"different texts", "abc", "abd", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TfrmConfirmPwd form;
        TModalDriver driver([&](QDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), S("New Password"));
            QTest::keyClicks(Child<QLineEdit>(dialog, "txt1"), S(c.first));
            QTest::keyClicks(Child<QLineEdit>(dialog, "txt2"), S(c.second));
            auto *ok = Child<TTchButton>(dialog, "btnOK");
            EXPECT_EQ(ok->isEnabled(), c.okEnabled);
            if (c.okEnabled)
                ok->Click();
            else
                Child<TTchButton>(dialog, "btnCancel")->Click();
        });
        EXPECT_EQ(form.ShowModal(), c.okEnabled ? mrOk : mrCancel);
        EXPECT_EQ(form.Password(), c.okEnabled ? S("ABC") : QString());
    }
}

TEST(PosForm, SettingAnEmployeeNeedsAConnectionFirst)
{
    TfrmPosForm form;
    try {
        form.SetEmpNum(QString());
        ADD_FAILURE() << "nothing thrown";
    } catch (const std::exception &e) {
        EXPECT_STREQ(e.what(), "TfrmPosForm.AdoConnection property has not been set");
    }
    EXPECT_EQ(form.EmpNum(), QString());
}

TEST(PosForm, TheButtonPanelTakesFingerSizedButtons)
{
    TfrmPosForm form;
    auto *ok = new TTchButton(S("OK"), form.pnlBottom);
    auto *cancel = new TTchButton(S("Cancel"), form.pnlBottom);
    form.pnlBottom->resize(400, 10);
    ArrangeButtonPanel(form.pnlBottom);
    for (TTchButton *button : {ok, cancel}) {
        EXPECT_GE(button->width(), TouchButtonMinWidth);
        EXPECT_GE(button->height(), TouchButtonMinHeight);
    }
    EXPECT_GE(form.pnlBottom->height(), TouchButtonMinHeight);
    EXPECT_EQ(cancel->x() - ok->geometry().right() - 1, FormSettings().ButtonSpacing);
    ArrangeButtonPanel(nullptr);  // nothing happens
}

TEST(PosForm, TheLookSetsTheFrameAndTheFontAndIsShared)
{
    const struct {
        TFormLook look;
        bool showBorder;
        bool framed;
        int points;
    } cases[] = {
        {flNormal, false, true, 8},
        {flKeyboard, false, true, 10},
        {flTouchScreen, false, false, 10},
        {flTouchScreen, true, true, 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.look);
        TLookGuard guard(flNormal);
        TfrmPosForm form;
        form.SetShowBorder(c.showBorder);
        form.SetFormLook(c.look);
        EXPECT_EQ(FormSettings().Look, c.look);
        EXPECT_EQ(!form.windowFlags().testFlag(Qt::FramelessWindowHint), c.framed);
        EXPECT_EQ(form.font().pointSize(), c.points);
        EXPECT_EQ(form.font().family(), S("Arial"));
    }
}
