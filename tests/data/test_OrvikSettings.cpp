#include "app/clsEVxException.h"
#include "data/clsOrvikSettings.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"

#include <QTemporaryFile>

class OrvikSettingsTest : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        settings.SetAdoConnection(&con);
    }
    void Store(const QString &sysClass, const QString &item, const QString &value, const QString &value2 = NulString())
    {
        TSysData rows;
        rows.SetAdoConnection(&con);
        TSysDataItem *row = rows.FindOrAdd(sysClass, item, value);
        row->SetValue2(value2);
        rows.UpdateAll();
    }
    int AddTill(int tillNumber)
    {
        con.Exec(QStringLiteral("INSERT INTO Tills (TillID) VALUES (%1)").arg(tillNumber));
        return static_cast<int>(Scalar(QStringLiteral("SELECT MAX(TillsID) FROM Tills")));
    }
    // The global settings and those of till 7, as the program loads them at start-up.
    TOrvikLocalSettings &LoadTill7()
    {
        AddTill(7);
        settings.Load(7);
        return settings.LocalSettings;
    }
    TOrvikSettings settings;
};
TRELVO_ENGINE_TEST_SUITE(OrvikSettingsTest);

TEST_P(OrvikSettingsTest, ABrandNewDatabaseGetsEveryKeyInMemoryAndNothingUntilSaved)
{
    TOrvikLocalSettings &local = LoadTill7();
    TOrvikGlobalSettings &global = settings.GlobalSettings;
    settings.MenuUpdateSettings.Load();
    EXPECT_EQ(settings.TillID, 7);

    const struct {
        TSysData *list;
        int keys;
        const char *first;
        const char *last;
    } classes[] = {
        {&global, 108, "BUS BRANCH", "LASTUPDATECHECK"},
        {&local, 84, "BTN FONT SIZE", "CLI RING TIMEOUT"},
        {&settings.MenuUpdateSettings, 5, "ACTIVATEDATE", "MENUVERSION_PROFILE"},
    };
    for (const auto &c : classes) {
        ASSERT_EQ(c.list->Count(), c.keys) << c.first;
        EXPECT_EQ(c.list->NewCount(), c.keys) << c.first;
        EXPECT_EQ(c.list->Items(0)->Item(), QString::fromLatin1(c.first));  // in load order
        EXPECT_EQ(c.list->Items(c.keys - 1)->Item(), QString::fromLatin1(c.last));
    }
    EXPECT_EQ(local.Items(0)->Class(), QStringLiteral("7"));
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData")), 0);

    const struct {
        TOrvikSettingsData *list;
        const char *key;
        QString value;
    } defaults[] = {
        {&global, "BACKUPPATH1", QStringLiteral("c:\\mssql7\\backup")},
        {&global, "ALTIMG  MIN", QStringLiteral("0")},
        {&global, "DIAL CODE", QString()},
        {&global, "DELIV MSG", QStringLiteral("Driver %1 is on his %2 delivery")},
        {&global, "PICKLIST COLUMNS", QStringLiteral("4")},
        {&local, "LOGO PATH", QStringLiteral("Images\\voridaveze.bmp")},
        {&local, "PRINT LABEL MARGIN", QStringLiteral("0.6")},
        {&local, "TILL COM", QStringLiteral("COM1")},
        {&settings.MenuUpdateSettings, "ACTIVATEDATE", QStringLiteral("19000101")},
    };
    for (const auto &d : defaults)
        EXPECT_EQ(d.list->Setting(QLatin1String(d.key))->Value(), d.value) << d.key;
    EXPECT_NEAR(global.DayStart->AsTime(), 5.0 / 24, 1e-9);
    EXPECT_EQ(global.BusBranch(), QStringLiteral("Hilton"));
    EXPECT_TRUE(global.EnPicklist());
    EXPECT_FALSE(global.UseTradingDay());
    EXPECT_NEAR(local.PrintLabelMargin->AsFloat(), 0.6, 1e-9);
    EXPECT_EQ(local.PfrntDev->AsString(), QStringLiteral("LPT1"));
    EXPECT_THROW(global.Setting(QStringLiteral("NO SUCH KEY")), EVxException);

    EXPECT_EQ(global.UpdateAll(), 108);
    EXPECT_EQ(local.UpdateAll(), 84);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData")), 108 + 84);

    TOrvikSettings again;
    again.SetAdoConnection(&con);
    again.Load(7);
    EXPECT_EQ(again.GlobalSettings.UpdateAll(), 0);
    EXPECT_EQ(again.LocalSettings.UpdateAll(), 0);
    EXPECT_EQ(again.GlobalSettings.Setting(QStringLiteral("DIAL CODE"))->Value(), NulString());
}

TEST_P(OrvikSettingsTest, StoredValuesWinOverDefaultsAndQuotesStayLiteral)
{
    Store(QStringLiteral("GLOBAL"), QStringLiteral("DAY START"), QStringLiteral("06:30"));
    const QString name = QStringLiteral("Joe's \"Diner\"'; DELETE FROM SysData; --");
    Store(QStringLiteral("GLOBAL"), QStringLiteral("BUS NAME"), name);
    TOrvikGlobalSettings &global = settings.GlobalSettings;
    global.Load();
    EXPECT_NEAR(global.DayStart->AsTime(), 6.5 / 24, 1e-9);
    EXPECT_EQ(global.BusName->AsString(), name);
    EXPECT_EQ(global.NewCount(), 106);

    global.SetBusBranch(QStringLiteral("O'Connell Street"));
    global.UpdateAll();
    TOrvikGlobalSettings reloaded;
    reloaded.SetAdoConnection(&con);
    reloaded.Load();
    EXPECT_EQ(reloaded.BusBranch(), QStringLiteral("O'Connell Street"));
    EXPECT_EQ(reloaded.BusName->AsString(), name);
}

TEST_P(OrvikSettingsTest, PicklistColumnsAreFourBitsOfOneNumber)
{
    Store(QStringLiteral("GLOBAL"), QStringLiteral("PICKLIST COLUMNS"), QStringLiteral("17"));
    TOrvikGlobalSettings &global = settings.GlobalSettings;
    global.Load();
    EXPECT_EQ(global.PicklistColumns(), TPicklistColumns(0b1001));  // flags 0 and 3

    global.SetPicklistColumns(TPicklistColumns(0b1010));  // flags 1 and 3
    EXPECT_EQ(global.Setting(QStringLiteral("PICKLIST COLUMNS"))->Value(), QStringLiteral("18"));
    global.Setting(QStringLiteral("PICKLIST COLUMNS"))->SetValue(QStringLiteral("8"));  // bit 8 is no flag
    EXPECT_EQ(global.PicklistColumns(), TPicklistColumns());
}

TEST_P(OrvikSettingsTest, ALogoPathSpansTwoColumnsOfFifty)
{
    TOrvikLocalSettings &local = LoadTill7();
    QString path;
    for (int i = 0; i < 120; ++i)
        path += QChar(u'a' + i % 26);
    local.SetLogoPath(path);
    TSysDataItem *item = local.Setting(QStringLiteral("LOGO PATH"));
    EXPECT_EQ(item->Value(), path.left(50));
    EXPECT_EQ(item->Value2(), path.mid(50, 50));
    EXPECT_EQ(local.LogoPath(), path.left(100));

    const struct {
        QString written;
        QString read;
    } cases[] = {
        {path.left(100), path.left(100)},
        {QStringLiteral("C:\\Logos\\shop.bmp"), QStringLiteral("C:\\Logos\\shop.bmp")},  // Value2 saved as the NUL text
        {QString(), QString()},  // both columns saved as the NUL text
    };
    for (const auto &c : cases) {
        local.SetLogoPath(c.written);
        local.UpdateAll();
        TOrvikSettings reread;
        reread.SetAdoConnection(&con);
        reread.Load(7);
        EXPECT_EQ(reread.LocalSettings.LogoPath(), c.read) << c.written.toStdString();
    }

    local.SetFormLook(2);
    local.SetOpeningForm(11);
    EXPECT_EQ(local.Setting(QStringLiteral("FORM LOOK"))->Value(), QStringLiteral("2"));
    EXPECT_EQ(local.OpeningForm(), 11);
}

TEST_P(OrvikSettingsTest, ALogoToDisplayIsSwitchedOffWhenItsFileIsMissing)
{
    QTemporaryFile logo;
    ASSERT_TRUE(logo.open());
    const struct {
        QString path;
        bool shown;
    } cases[] = {{QStringLiteral("/no/such/folder/logo.bmp"), false}, {logo.fileName(), true}};
    AddTill(7);
    for (const auto &c : cases) {
        Store(QStringLiteral("7"), QStringLiteral("DISPLAY LOGO"), QStringLiteral("1"));
        Store(QStringLiteral("7"), QStringLiteral("LOGO PATH"), c.path);
        TOrvikLocalSettings local;
        local.SetAdoConnection(&con);
        local.Populate(7);
        EXPECT_EQ(local.DisplayLogo->AsBoolean(), c.shown) << c.path.toStdString();
        EXPECT_EQ(local.DisplayLogo->Modified(), !c.shown) << c.path.toStdString();
    }
}

TEST_P(OrvikSettingsTest, ATillNumberWithNoTillRowIsRefused)
{
    AddTill(7);
    try {
        settings.LocalSettings.Populate(8);
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot call TOrvikLocalSettings.Populate without setting TOrvikLocalSettings.Till"));
        EXPECT_EQ(e.RaisedIn(), QStringLiteral("TOrvikLocalSettings.Populate"));
    }
}

TEST_P(OrvikSettingsTest, TheLocalSettingsCarryTheTillAndItsPrinters)
{
    const int tillsID = AddTill(7);
    con.Exec(QStringLiteral("INSERT INTO Printers (Name, PageWidth) VALUES ('Kitchen', 42)"));
    const int printer = static_cast<int>(Scalar(QStringLiteral("SELECT MAX(PrintersID) FROM Printers")));
    con.Exec(QStringLiteral("INSERT INTO TillsLinkPrinters (fkTillsID, fkPrintersID, Copies) VALUES (%1, %2, 2)").arg(tillsID).arg(printer));
    TOrvikLocalSettings &local = LoadTill7();
    EXPECT_EQ(local.Till.TillsID(), tillsID);
    ASSERT_EQ(local.Printers.Count(), 1);
    EXPECT_EQ(local.Printers.Items(0)->Printer().Name(), QStringLiteral("Kitchen"));
    EXPECT_EQ(settings.Printers.LoadAll(), 1);

    OrvikSettings = &settings;
    EXPECT_EQ(OrvikSettings->TillID, 7);
    OrvikSettings = nullptr;
}

TEST_P(OrvikSettingsTest, IPAddressesAreReplacedAsAWhole)
{
    TOrvikGlobalSettings &global = settings.GlobalSettings;
    global.IPAddresses = QStringList{QStringLiteral("10.0.0.1")};
    global.PopulateIPAddresses();  // an empty table keeps the list
    EXPECT_EQ(global.IPAddresses, QStringList{QStringLiteral("10.0.0.1")});

    global.IPAddresses = QStringList{QStringLiteral("10.0.0.1"), QStringLiteral("host'; DELETE FROM IPADDRESS; --")};
    global.SaveIPAddresses();
    TOrvikGlobalSettings other;
    other.SetAdoConnection(&con);
    other.PopulateIPAddresses();
    EXPECT_EQ(other.IPAddresses, global.IPAddresses);

    // A failed insert leaves the stored list as it was.
    con.Exec(QStringLiteral("DROP TABLE IPADDRESS"));
    con.Exec(QStringLiteral("CREATE TABLE IPADDRESS (Address VARCHAR(40) CHECK (Address <> 'refused'))"));
    con.Exec(QStringLiteral("INSERT INTO IPADDRESS (Address) VALUES ('10.0.0.9')"));
    global.IPAddresses = QStringList{QStringLiteral("10.0.0.2"), QStringLiteral("refused")};
    {
        TStrictPrompts prompts;
        prompts.ExpectMessage(QStringLiteral("Could not save the IP addresses. Reason: "));
        global.SaveIPAddresses();
        ASSERT_EQ(prompts.Asked().size(), 1);
        EXPECT_TRUE(prompts.Asked().front().endsWith(QStringLiteral("\rRaised in TOrvikGlobalSettings.SaveIPAddresses")));
    }
    other.PopulateIPAddresses();
    EXPECT_EQ(other.IPAddresses, QStringList{QStringLiteral("10.0.0.9")});

    con.Exec(QStringLiteral("DROP TABLE IPADDRESS"));
    TStrictPrompts prompts;
    prompts.ExpectMessage(QStringLiteral("Could not load the list of IP addresses.\rReason: "));
    other.PopulateIPAddresses();  // shown, and the list stays
    EXPECT_EQ(other.IPAddresses, QStringList{QStringLiteral("10.0.0.9")});
}
