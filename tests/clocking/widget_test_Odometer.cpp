#include "clocking/FOdometer.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"
#include "support/WidgetChild.h"
#include "ui/ModalDriver.h"
#include "ui/NumEditPro.h"
#include "ui/TchButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QTest>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

class Odometer : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        DateTimes::SetClock([] { return DateTimes::EncodeDateTime(2024, 3, 5, 12, 0); });
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRIVER', 'Driver')"));
        con.Exec(S("INSERT INTO Employee (EmpNum, Category, LastName, DoesDeliveries) VALUES ('201', 'DRIVER', 'Ndlovu', 1)"));
    }
    void TearDown() override
    {
        DateTimes::SetClock({});
        TDatabaseTest::TearDown();
    }
    void AddShift(bool clockedOut, int floatUnits)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO Attend (EmpNum, InDateTime, ClockedOut, Float) VALUES ('201', :In, :Out, :Float)"));
        cmd.ParamByName(S("In")).SetDateTime(DateTimes::EncodeDateTime(2024, 3, 5, 9, 0));
        cmd.ParamByName(S("Out")).SetBoolean(clockedOut);
        cmd.ParamByName(S("Float")).SetCurrency(Currency::FromUnits(floatUnits));
        cmd.Execute();
    }
    void AddTillShift(int shift, int till, bool active)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO TILLPOST (SHIFTNUM, TILLID, DATE, TILLISACTIVE) VALUES (:Shift, :Till, :Date, :Active)"));
        cmd.ParamByName(S("Shift")).SetInteger(shift);
        cmd.ParamByName(S("Till")).SetInteger(till);
        cmd.ParamByName(S("Date")).SetDateTime(DateTimes::EncodeDateTime(2024, 3, 5, 8, 0));
        cmd.ParamByName(S("Active")).SetInteger(active ? 1 : 0);
        cmd.Execute();
    }
};
TRELVO_ENGINE_TEST_SUITE(Odometer);

TEST_P(Odometer, TheCurrentFloatAndItsLabelFollowTheShift)
{
    const struct {
        const char *name;
        int shift;  // -1: none; else the float of an open (1) or clocked-out (0) shift
        bool clockedOut;
        int shown;
        const char *label;
    } cases[] = {
        {"no shift today", -1, false, 0, "Amount"},
        {"clocked out", 200, true, 0, "Amount"},
        {"still clocked in with 200", 200, false, 200, "Add"},
        {"clocked in without a float", 0, false, 0, "Amount"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM Attend"));
        if (c.shift >= 0)
            AddShift(c.clockedOut, c.shift);
        TfrmOdometer form;
        form.SetAdoConnection(&con);
        form.SetEmpNum(S("201"));
        EXPECT_EQ(form.pnlCurrentFloat->Caption(), QLocale().toCurrencyString(double(c.shown)));
        EXPECT_EQ(form.lblFloat->text(), S(c.label));
    }
}

TEST_P(Odometer, TheOpenTillShiftsAreOfferedAndTheChoiceReturned)
{
    AddTillShift(9, 4, true);
    AddTillShift(7, 3, true);
    AddTillShift(8, 3, false);
    TfrmOdometer form;
    form.SetAdoConnection(&con);
    form.SetEmpNum(S("201"));
    form.SetShowBorder(true);
    TModalDriver driver([](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), S("Delivery Settings"));
        auto *till = Child<QComboBox>(dialog, "cboTill");
        ASSERT_EQ(till->count(), 3);
        EXPECT_EQ(till->itemText(0), S("Not paid from till"));
        EXPECT_EQ(till->itemText(1), S("Shift # 7, 05 Mar 2024, Till # 3"));
        EXPECT_EQ(till->itemText(2), S("Shift # 9, 05 Mar 2024, Till # 4"));
        EXPECT_EQ(till->currentIndex(), 0);
        till->setCurrentIndex(2);
        auto *reading = Child<TNumEditPro>(dialog, "numReading");
        reading->setFocus();
        QTest::keyClicks(reading, S("1000001"));
        EXPECT_EQ(reading->text(), S("100000")) << "the keystroke past 1 000 000 is refused";
        QTest::keyClick(reading, Qt::Key_Enter, Qt::KeypadModifier);
        auto *amount = Child<TNumEditPro>(dialog, "numFloat");
        EXPECT_TRUE(amount->hasFocus() || QApplication::focusWidget() == nullptr);
        QTest::keyClicks(amount, S("250"));
        Child<TTchButton>(dialog, "btnOK")->Click();
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(form.Reading(), 100000);
    EXPECT_EQ(form.Float(), Currency::FromUnits(250));
    EXPECT_EQ(form.Tillshift(), 9);
}

TEST_P(Odometer, WithoutActiveShiftsOnlyNotPaidIsOfferedAndEscCancels)
{
    TfrmOdometer form;
    form.SetAdoConnection(&con);
    TModalDriver driver([](QDialog &dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "cboTill")->count(), 1);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(form.Tillshift(), 0);
}

TEST_P(Odometer, AnUnreadableTillListLeavesNotPaidFromTill)
{
    con.Exec(S("DROP TABLE TILLPOST"));
    TStrictPrompts prompts;
    prompts.ExpectMessage(S("Could not populate the till list. Reason: "));
    TfrmOdometer form;
    form.SetAdoConnection(&con);
    TModalDriver driver([](QDialog &dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "cboTill")->count(), 1);
        dialog.done(mrCancel);
    });
    form.ShowModal();
    EXPECT_TRUE(prompts.Asked().first().endsWith(S("\rRaised in TfrmOdometer.PopulateTillsCombo")));
}
