#include "app/FakeWorkstation.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"
#include "support/WidgetChild.h"
#include "tills/FTillIDSelect.h"
#include "tills/FTillIDSetup.h"
#include "tills/modTillID.h"
#include "ui/ModalDriver.h"
#include "ui/TchButton.h"

#include <QLabel>
#include <QSpinBox>
#include <QTest>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

class TillForms : public TDatabaseTest {
protected:
    qlonglong Tills() { return Scalar(S("SELECT COUNT(*) FROM Tills")); }
    TFakeWorkstation workstation{S("DISPATCH"), S("anna"), S("12AB-CD")};
};
TRELVO_ENGINE_TEST_SUITE(TillForms);

TEST_P(TillForms, TheSetUpProposesANumberAndRefusesATakenOne)
{
    RegisterTill(&con, {1, S("Other"), S("1A2B-3C4D"), S("bob")});
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, S("The Till ID 1 has already been registered by...\rComputer: OTHER"));
    TfrmTillIDSetup setup;
    setup.SetAdoConnection(&con);
    TModalDriver driver([&](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), S("Till Identification Setup"));
        auto *spin = Child<QSpinBox>(dialog, "spin");
        EXPECT_EQ(spin->value(), 2);
        EXPECT_EQ(Child<QLabel>(dialog, "lblComputerName")->text(), S("DISPATCH"));
        EXPECT_EQ(Child<QLabel>(dialog, "lblUserName")->text(), S("anna"));
        EXPECT_EQ(Child<QLabel>(dialog, "lblHDSerial")->text(), S("12AB-CD"));
        spin->setValue(1);
        Child<TTchButton>(dialog, "btnOK")->Click();
        EXPECT_TRUE(dialog.isVisible()) << "stays open after the refusal";
        spin->setValue(3);
        Child<TTchButton>(dialog, "btnOK")->Click();
    });
    EXPECT_EQ(setup.exec(), 1);
    EXPECT_EQ(setup.TillID(), 3);
    EXPECT_EQ(setup.ComputerName(), S("DISPATCH"));
}

TEST_P(TillForms, AWorkstationWithoutIdentityCannotRegister)
{
    const struct {
        const char *name;
        const char *computer;
        const char *serial;
    } cases[] = {{"no drive serial", "DISPATCH", "0"}, {"no computer name", "", "12AB-CD"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TFakeWorkstation unknown(S(c.computer), S("anna"), S(c.serial));
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtInformation, S("The specified computer could not be found"));
        TfrmTillIDSetup setup;
        setup.SetAdoConnection(&con);
        TModalDriver driver([&](QDialog &dialog) {
            QTest::qWait(0);  // the message comes once the dialog is up
            EXPECT_FALSE(Child<TTchButton>(dialog, "btnOK")->isEnabled());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        EXPECT_EQ(setup.exec(), 2);
    }
}

TEST_P(TillForms, TheTillListRegistersThisComputerAndCancellingLeavesNoRow)
{
    RegisterTill(&con, {1, S("OTHER"), S("1A2B-3C4D"), S("bob")});
    TfrmTillIDSelect list;
    list.SetAdoConnection(&con);
    list.SetAllowEdit(true);
    list.DoRefresh();
    EXPECT_EQ(list.lblTillNumber->text(), S("Not Set"));
    EXPECT_EQ(list.lblTillNumber->palette().color(QPalette::Window), QColor(Qt::red));
    TModalDriver driver([&](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), S("Orvik Till ID's"));
        {
            TModalDriver cancelSetup([](QDialog &setup) { Child<TTchButton>(setup, "btnCancel")->Click(); });
            Child<TTchButton>(dialog, "navInsert")->Click();
        }
        EXPECT_EQ(Tills(), 1) << "a cancelled set-up leaves no row";
        {
            TModalDriver acceptSetup([](QDialog &setup) { Child<TTchButton>(setup, "btnOK")->Click(); });
            Child<TTchButton>(dialog, "navInsert")->Click();
        }
        EXPECT_EQ(list.lblTillNumber->text(), S("2"));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_EQ(list.ShowModal(), mrOk);
    EXPECT_EQ(list.ThisTill.TillID(), 2);
    EXPECT_LT(list.SelectedTill.TillID(), 1) << "Enter leaves the selection as it was";
    EXPECT_EQ(Scalar(S("SELECT TillID FROM Tills WHERE [Computer Name] = 'DISPATCH'")), 2);
}

TEST_P(TillForms, ARowIsDeletedOnlyAfterYes)
{
    RegisterTill(&con, {1, S("OTHER"), S("1A2B-3C4D"), S("bob")});
    const struct {
        int answer;
        qlonglong left;
    } cases[] = {{mrNo, 1}, {mrCancel, 1}, {mrYes, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtConfirmation, S("Delete [OTHER : 1]"), c.answer);
        TfrmTillIDSelect list;
        list.SetAdoConnection(&con);
        list.SetAllowEdit(true);
        list.DoRefresh();
        Child<TTchButton>(list, "navDelete")->Click();
        EXPECT_EQ(Tills(), c.left);
    }
}

TEST_P(TillForms, OKTakesTheCurrentRow)
{
    RegisterTill(&con, {1, S("OTHER"), S("1A2B-3C4D"), S("bob")});
    RegisterTill(&con, {2, S("dispatch"), S("12AB-CD"), S("anna")});
    TfrmTillIDSelect list;
    list.SetAdoConnection(&con);
    TModalDriver driver([](QDialog &dialog) { Child<TTchButton>(dialog, "btnOK")->Click(); });
    EXPECT_TRUE(list.Execute());
    EXPECT_EQ(list.SelectedTill.TillID(), 1);
    EXPECT_EQ(list.ThisTill.TillID(), 2) << "found with another letter case";
    EXPECT_EQ(list.lblTillNumber->text(), S("2"));
}
