#include "app/clsEVxException.h"
#include "data/clsGenericDB.h"
#include "data/clsVxAdoConnection.h"
#include "data/datamodOrvik.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"
#include "support/TempSettings.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {

const QString kFirstRun = QStringLiteral("Use the following window to specify a connection string for [Orvik:Msde]");
const QString kLastFailed = QStringLiteral("The last attempt to connect to [Orvik:Msde] failed\r\rUse the next window to verify the connection settings are correct");

QString StoredValue(const QString &name)
{
    QSettings s(QSettings::SystemScope, QStringLiteral("Tessaron"), QStringLiteral("Orvik"));
    return s.value(name).toString();
}

class DataModule : public ::testing::Test {
protected:
    TTempSettings settings;
    QTemporaryDir data;
    QString File(const QString &name) const { return data.filePath(name); }
    QString SqliteString(const QString &name) const { return QStringLiteral("Provider=SQLite;Data Source=") + File(name) + u';'; }
};

} // namespace

TEST_F(DataModule, FirstRunAsksThenConnectsAndRemembers)
{
    TdmOrvik dm;
    dm.Defaults().dataSource = File(QStringLiteral("orvik.db"));
    {
        TStrictPrompts prompts;
        prompts.ExpectExactMessage(mtInformation, kFirstRun)
            .ExpectConnectionDialog(SqliteString(QStringLiteral("orvik.db")), std::nullopt);  // cancel keeps the offer
        dm.SetConnected();
    }
    EXPECT_TRUE(dm.con.Connected());
    EXPECT_EQ(StoredValue(QStringLiteral("Msde-ConnectionString")), SqliteString(QStringLiteral("orvik.db")));
    EXPECT_EQ(StoredValue(QStringLiteral("Msde-Failed")), QStringLiteral("0"));
    EXPECT_TRUE(QFile::exists(File(QStringLiteral("orvik.db"))));

    // A stored string that works: no question at all.
    TdmOrvik again;
    TStrictPrompts none;
    again.SetConnected();
    EXPECT_TRUE(again.con.Connected());
}

TEST_F(DataModule, ARefusedServerOfEitherKindIsReported)
{
    for (const char *refused : {"Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;Initial Catalog=x;User ID=u;Password=p;",
                                "Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=zup;Initial Catalog=duDid;Data Source=127.0.0.1,1;"}) {
        TVxAdoConnection store;
        store.SetApplicationKey(QStringLiteral("Orvik"));
        store.SetServerName(QStringLiteral("Msde"));
        store.SaveConnectionString(QString::fromLatin1(refused));
        store.WriteFailedFlag(false);
        TdmOrvik dm;
        TStrictPrompts prompts;
        prompts.ExpectMessage(QStringLiteral("Connect to the orvik MSDE\rReason: "));
        dm.SetConnected();
        EXPECT_FALSE(dm.con.Connected()) << refused;
        EXPECT_TRUE(prompts.Asked().value(0).contains(QStringLiteral("\rConnection String: ") + QString::fromLatin1(refused) + QStringLiteral("\r\rRaised In: TdmMain.SetConnected")));
        EXPECT_EQ(StoredValue(QStringLiteral("Msde-Failed")), QStringLiteral("1"));
    }
}

TEST_F(DataModule, AFailedAttemptIsReportedThenOfferedForCorrection)
{
    const QString bad = QStringLiteral("Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;Initial Catalog=x;User ID=u;Password=p;");
    TVxAdoConnection store;
    store.SetApplicationKey(QStringLiteral("Orvik"));
    store.SetServerName(QStringLiteral("Msde"));
    store.SaveConnectionString(bad);
    {
        TdmOrvik dm;
        TStrictPrompts prompts;
        prompts.ExpectMessage(QStringLiteral("Connect to the orvik MSDE\rReason: "));
        dm.SetConnected();
        EXPECT_FALSE(dm.con.Connected());
        const QString shown = prompts.Asked().value(0);
        EXPECT_TRUE(shown.endsWith(QStringLiteral("\rConnection String: ") + bad + QStringLiteral("\r\rRaised In: TdmMain.SetConnected"))) << shown.toStdString();
    }
    EXPECT_EQ(StoredValue(QStringLiteral("Msde-Failed")), QStringLiteral("1"));

    // Next run: told so, shown the stored string, corrected to a working one.
    TdmOrvik dm;
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, kLastFailed).ExpectConnectionDialog(bad, SqliteString(QStringLiteral("fixed.db")));
    dm.SetConnected();
    EXPECT_TRUE(dm.con.Connected());
    EXPECT_EQ(StoredValue(QStringLiteral("Msde-Failed")), QStringLiteral("0"));
}

TEST_F(DataModule, AnUnparsableStoredStringIsReportedNotCrashed)
{
    TVxAdoConnection store;
    store.SetApplicationKey(QStringLiteral("Orvik"));
    store.SetServerName(QStringLiteral("Msde"));
    store.SaveConnectionString(QStringLiteral("this is not a connection string"));
    TdmOrvik dm;
    TStrictPrompts prompts;
    prompts.ExpectMessage(QStringLiteral("Connection String: this is not a connection string"));
    dm.SetConnected();
    EXPECT_FALSE(dm.con.Connected());
}

TEST_F(DataModule, TheDefaultsBuildTheSuitesConnectionString)
{
    TVxAdoConnection c;
    c.SetApplicationKey(QStringLiteral("Orvik"));
    EXPECT_EQ(c.KeyPath(), QStringLiteral("\\Software\\Tessaron\\Orvik"));
    TConnectionDefaults d;
    d.kind = TConnectionDefaults::SqlServer;
    d.userName = QStringLiteral("orvik");
    d.password = QStringLiteral("zup");
    d.initialCatalog = QStringLiteral("duDid");
    d.dataSource = QStringLiteral("SHOPSERVER");
    c.BuildConnectionString(d);
    EXPECT_EQ(c.InitialConnectionString(),
              QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=zup;Initial Catalog=duDid;Data Source=SHOPSERVER;"));
}

TEST_F(DataModule, AKeyThatCannotBeOpenedRaisesOnTheFlag)
{
    // Both scopes point into a file, so neither can be created.
    QFile blocker(File(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (auto scope : {QSettings::SystemScope, QSettings::UserScope})
        QSettings::setPath(QSettings::NativeFormat, scope, File(QStringLiteral("blocker")) + QStringLiteral("/x"));
    TVxAdoConnection c;
    c.SetApplicationKey(QStringLiteral("Orvik"));
    c.SetServerName(QStringLiteral("Msde"));
    EXPECT_EQ(c.GetConnectionString(), QString());
    try {
        c.WriteFailedFlag(true);
        FAIL();
    } catch (const EVxException &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Failed to open the registry key \\Software\\Tessaron\\Orvik"));
    }
}

class GenericSql : public TDatabaseTest {};
TRELVO_ENGINE_TEST_SUITE(GenericSql);

TEST_P(GenericSql, RunsFreeTextAndReportsAFailingProcedure)
{
    TGenericDB db(&con);
    EXPECT_EQ(db.ExecSQL(QStringLiteral("INSERT INTO IPADDRESS (Address) VALUES ('10.0.0.1')")), 1);
    db.OpenSQL(QStringLiteral("SELECT Address FROM IPADDRESS"));
    EXPECT_EQ(db.Query.FieldByName(QStringLiteral("Address")).AsString(), QStringLiteral("10.0.0.1"));
    EXPECT_THROW(db.ExecSQL(QStringLiteral("DELETE FROM NoSuchTable")), EDatabaseError);
    EXPECT_EQ(db.Query.CursorLocation, TCursorLocation::Client);  // restored after the failure

    TStrictPrompts prompts;
    prompts.ExpectMessage(QStringLiteral("Failed to execute the stored procedure [spNoSuch]\rReason: "));
    CountStatements();
    EXPECT_FALSE(db.ExecStoredProc(QStringLiteral("spNoSuch"), {17}));
    ASSERT_EQ(SentTexts().size(), 1);
    EXPECT_TRUE(SentTexts().first().contains(QLatin1String("spNoSuch"))) << SentTexts().first().toStdString();
    EXPECT_TRUE(prompts.Asked().value(0).endsWith(QLatin1String("\r\rException Raised In: TGenericDB.ExecStoredProc")));
}
