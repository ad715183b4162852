#include "app/modMsgDlgs.h"
#include "board/FTrelvoSettings.h"
#include "data/clsOrvikSettings.h"
#include "support/EngineFixture.h"
#include "support/WidgetChild.h"
#include "ui/ModalDriver.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

const char *const CookedKey = "APP_ITEMSCOOKED_ACTIVE";
const char *const LogTimesKey = "APP_TRELVO_LOGTIMES";

} // namespace

class TrelvoSettings : public TDatabaseTest {
protected:
    void Store(const char *item, const char *value)
    {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(S("INSERT INTO SysData (Class, Item, Value, Value2) VALUES ('GLOBAL', :Item, :Value, '')"));
        cmd.ParamByName(S("Item")).SetString(S(item));
        cmd.ParamByName(S("Value")).SetString(S(value));
        cmd.Execute();
    }
    // The stored text, or null when the row is missing.
    QString Stored(const char *item)
    {
        TAdoQuery query(&con);
        query.SetSQL(S("SELECT Value FROM SysData WHERE Class = 'GLOBAL' AND Item = :Item"));
        query.ParamByName(S("Item")).SetString(S(item));
        query.Open();
        return query.IsEmpty() ? QString() : query.FieldByName(S("Value")).AsString();
    }
    void LoadGlobals()
    {
        globals.SetAdoConnection(&con);
        globals.Load();
    }
    // Shows the dialog modally, lets act change it and press a button, returns the result.
    int Run(const std::function<void(QDialog &)> &act)
    {
        TfrmTrelvoSettings form(globals);
        TModalDriver driver(act);
        return form.exec();
    }

    TOrvikGlobalSettings globals;
};
TRELVO_ENGINE_TEST_SUITE(TrelvoSettings);

TEST_P(TrelvoSettings, TheLayoutIsTheFixedOne)
{
    LoadGlobals();
    TfrmTrelvoSettings form(globals);
    EXPECT_EQ(form.windowTitle(), S("Trelvo Settings"));
    EXPECT_EQ(form.size(), QSize(382, 151));
    const struct {
        const char *name;
        QRect bounds;
        const char *caption;
    } widgets[] = {
        {"chkItemsCookedActive", {16, 24, 201, 17}, "Items Cooked In Use"},
        {"chkLogDriverReturns", {16, 40, 201, 17}, "Log Driver Return Times"},
        {"btnOK", {98, 8, 75, 25}, "&Ok"},
        {"btnCancel", {194, 8, 75, 25}, "&Cancel"},
    };
    for (const auto &w : widgets) {
        SCOPED_TRACE(w.name);
        auto *button = Child<QAbstractButton>(form, w.name);
        EXPECT_EQ(button->geometry(), w.bounds);
        EXPECT_EQ(button->text(), S(w.caption));
    }
    EXPECT_TRUE(Child<QPushButton>(form, "btnOK")->isDefault());
}

TEST_P(TrelvoSettings, StoredTextsShowAsTickedOrNot)
{
    const struct {
        const char *stored;
        bool ticked;
    } cases[] = {
        {"Y", true}, {"true", true}, {"1", true}, {"yes", true}, {"0", false}, {"n", false}, {"false", false}, {"", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        con.Exec(S("DELETE FROM SysData"));
        Store(CookedKey, c.stored);
        Store(LogTimesKey, c.stored);
        TOrvikGlobalSettings loaded;
        loaded.SetAdoConnection(&con);
        loaded.Load();
        TfrmTrelvoSettings form(loaded);
        form.show();
        EXPECT_EQ(Child<QCheckBox>(form, "chkItemsCookedActive")->isChecked(), c.ticked);
        EXPECT_EQ(Child<QCheckBox>(form, "chkLogDriverReturns")->isChecked(), c.ticked);
        form.close();
    }
}

TEST_P(TrelvoSettings, OkStoresOneOrZeroAndTheBoardSeesItAtOnce)
{
    const struct {
        const char *name;
        const char *cooked, *logTimes;  // stored before
        bool tickCooked, tickLogTimes;  // boxes at OK
        const char *cookedAfter, *logTimesAfter;
    } cases[] = {
        {"untick one, keep the other", "Y", "true", false, true, "0", "1"},
        {"tick both", "0", "n", true, true, "1", "1"},
        {"unchanged texts are rewritten", "y", "N", true, false, "1", "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        con.Exec(S("DELETE FROM SysData"));
        Store(CookedKey, c.cooked);
        Store(LogTimesKey, c.logTimes);
        LoadGlobals();
        const int result = Run([&](QDialog &dialog) {
            Child<QCheckBox>(dialog, "chkItemsCookedActive")->setChecked(c.tickCooked);
            Child<QCheckBox>(dialog, "chkLogDriverReturns")->setChecked(c.tickLogTimes);
            QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
        });
        EXPECT_EQ(result, mrOk);
        EXPECT_EQ(Stored(CookedKey), S(c.cookedAfter));
        EXPECT_EQ(Stored(LogTimesKey), S(c.logTimesAfter));
        EXPECT_EQ(globals.AppItemsCookedActive->Value(), S(c.cookedAfter));
        EXPECT_EQ(globals.AppTrelvoLogTimes->Value(), S(c.logTimesAfter));
        EXPECT_EQ(globals.ModifiedCount(), 0) << "saved, nothing left pending";
    }
}

TEST_P(TrelvoSettings, CancelAndEscapeStoreNothing)
{
    const struct {
        const char *name;
        std::function<void(QDialog &)> close;
    } ways[] = {
        {"Cancel", [](QDialog &d) { QTest::mouseClick(Child<QPushButton>(d, "btnCancel"), Qt::LeftButton); }},
        {"Esc", [](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        con.Exec(S("DELETE FROM SysData"));
        Store(CookedKey, "Y");
        Store(LogTimesKey, "0");
        LoadGlobals();
        const int result = Run([&](QDialog &dialog) {
            Child<QCheckBox>(dialog, "chkItemsCookedActive")->setChecked(false);
            Child<QCheckBox>(dialog, "chkLogDriverReturns")->setChecked(true);
            way.close(dialog);
        });
        EXPECT_EQ(result, mrCancel);
        EXPECT_EQ(Stored(CookedKey), S("Y"));
        EXPECT_EQ(Stored(LogTimesKey), S("0"));
        EXPECT_EQ(globals.AppItemsCookedActive->Value(), S("Y"));
        EXPECT_EQ(globals.AppTrelvoLogTimes->Value(), S("0"));
    }
}

TEST_P(TrelvoSettings, SettingsMissingFromTheCollectionAreAddedWithTheirDefault)
{
    // Loaded without the program's keys: neither item is kept yet.
    globals.SetAdoConnection(&con);
    globals.LoadClass(S("GLOBAL"));
    ASSERT_EQ(globals.AppItemsCookedActive, nullptr);
    const int result = Run([](QDialog &dialog) {
        EXPECT_FALSE(Child<QCheckBox>(dialog, "chkItemsCookedActive")->isChecked());
        EXPECT_FALSE(Child<QCheckBox>(dialog, "chkLogDriverReturns")->isChecked());
        Child<QCheckBox>(dialog, "chkItemsCookedActive")->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(Stored(CookedKey), S("1"));
    EXPECT_EQ(Stored(LogTimesKey), S("0"));
    ASSERT_NE(globals.AppItemsCookedActive, nullptr);
    EXPECT_TRUE(globals.AppItemsCookedActive->AsBoolean());
}

TEST_P(TrelvoSettings, ASaveErrorLeavesTheDialogOpenAndTheSettingsAsStored)
{
    Store(CookedKey, "0");
    LoadGlobals();
    con.Exec(S("DROP TABLE SysData"));
    const int result = Run([](QDialog &dialog) {
        Child<QCheckBox>(dialog, "chkItemsCookedActive")->setChecked(true);
        EXPECT_ANY_THROW(Child<QPushButton>(dialog, "btnOK")->click());
        EXPECT_TRUE(dialog.isVisible());
        dialog.done(-1);
    });
    EXPECT_EQ(result, -1);
    EXPECT_FALSE(globals.AppItemsCookedActive->AsBoolean()) << "not stored, so not in force";
}
