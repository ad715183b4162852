#include "app/clsEVxException.h"
#include "data/AdoObjects.h"
#include "support/EngineFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class AdoObjects : public TDatabaseTest {};
TRELVO_ENGINE_TEST_SUITE(AdoObjects);

namespace {
const QString kInsertAttend = QStringLiteral(
    "INSERT INTO Attend (EmpNum, InDateTime, Float, OdoStart, KmsTravlld, OnDelivery) "
    "VALUES (:EmpNum, :InDateTime, :Float, :OdoStart, :Kms, :OnDelivery) SELECT :IDField = @@Identity");
}

TEST_P(AdoObjects, EveryTypeRoundTripsAndTheIdentityComesBack)
{
    const TDateTime when = DateTimes::EncodeDateTime(2024, 3, 5, 18, 30, 15) + 0.25 / DateTimes::MsPerDay * 1000;
    const QString hostile = QStringLiteral("' OR '1'='1");
    qlonglong ids[2] = {};
    for (qlonglong &id : ids) {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(kInsertAttend);
        cmd.ParamByName(QStringLiteral("EmpNum")).SetString(hostile);
        cmd.ParamByName(QStringLiteral("InDateTime")).SetDateTime(when);
        cmd.ParamByName(QStringLiteral("Float")).SetCurrency(Currency::FromString(QStringLiteral("-1234.5678")));
        cmd.ParamByName(QStringLiteral("OdoStart")).SetInteger(999999);
        cmd.ParamByName(QStringLiteral("Kms")).SetFloat(12.75);
        cmd.ParamByName(QStringLiteral("OnDelivery")).SetBoolean(true);
        TParameter &out = cmd.ParamByName(QStringLiteral("IDField"));
        out.DataType = TFieldType::Integer;
        out.Direction = TParamDirection::Output;
        EXPECT_EQ(cmd.Execute(), 1);
        id = out.Value.toLongLong();
    }
    EXPECT_GT(ids[0], 0);
    EXPECT_EQ(ids[1], ids[0] + 1);

    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT * FROM Attend WHERE EmpNum = :EmpNum AND InvoiceLink = :Id"));
    q.ParamByName(QStringLiteral("EmpNum")).SetString(hostile);
    q.ParamByName(QStringLiteral("Id")).SetInteger(ids[1]);
    q.Open();
    ASSERT_EQ(q.RecordCount(), 1);
    EXPECT_EQ(q.FieldByName(QStringLiteral("empnum")).AsString(), hostile);  // names ignore case
    EXPECT_NEAR(q.FieldByName(QStringLiteral("InDateTime")).AsDateTime(), when, 0.5 / DateTimes::MsPerDay);
    EXPECT_EQ(q.FieldByName(QStringLiteral("Float")).AsCurrency().Raw(), -12345678);
    EXPECT_EQ(q.FieldByName(QStringLiteral("OdoStart")).AsInteger(), 999999);
    EXPECT_DOUBLE_EQ(q.FieldByName(QStringLiteral("KmsTravlld")).AsFloat(), 12.75);
    EXPECT_TRUE(q.FieldByName(QStringLiteral("OnDelivery")).AsBoolean());
    // Nulls read as the empty value of each type.
    EXPECT_EQ(q.FieldByName(QStringLiteral("OutDateTime")).AsDateTime(), DateTimes::Zero);
    EXPECT_EQ(q.FieldByName(QStringLiteral("OdoEnd")).AsInteger(), 0);
    EXPECT_EQ(q.FieldByName(QStringLiteral("HourlyRate")).AsCurrency().Raw(), 0);
    EXPECT_THROW(q.FieldByName(QStringLiteral("NoSuchColumn")), EDatabaseError);
}

TEST_P(AdoObjects, TheEmptyTextOfTheSuiteSurvivesEveryEngine)
{
    for (const QString &value : {NulString(), QStringLiteral("plain"), QStringLiteral("quote ' and \" and ;")}) {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(QStringLiteral("INSERT INTO SysData (Class, Item, Value, Value2) VALUES (:C, :I, :V, :V)"));
        cmd.ParamByName(QStringLiteral("C")).SetString(QStringLiteral("T"));
        cmd.ParamByName(QStringLiteral("I")).SetString(value == NulString() ? QStringLiteral("nul") : value);
        cmd.ParamByName(QStringLiteral("V")).SetString(value);
        cmd.Execute();
        TAdoQuery q(&con);
        q.SetSQL(QStringLiteral("SELECT Value, Value2 FROM SysData WHERE Item = :I"));
        q.ParamByName(QStringLiteral("I")).SetString(value == NulString() ? QStringLiteral("nul") : value);
        q.Open();
        ASSERT_FALSE(q.IsEmpty());
        EXPECT_EQ(q.FieldByName(QStringLiteral("Value")).AsString(), value);
        EXPECT_EQ(q.FieldByName(QStringLiteral("Value2")).AsString(), value);
    }
}

TEST_P(AdoObjects, TheUpsertInsertsThenUpdatesAndTheDateRendersPerEngine)
{
    const QString upsert = QStringLiteral(
        "IF NOT EXISTS (SELECT NULL FROM SysData WHERE Class=:SClass AND Item=:SItem) "
        "INSERT INTO SysData (Class, Item, Value, Value2) VALUES(:SClass,:SItem,:V,:V) "
        "ELSE UPDATE SysData SET Value = :V WHERE Class=:SClass AND Item=:SItem");
    for (const char *value : {"first", "second"}) {
        TAdoCommand cmd(&con);
        cmd.SetCommandText(upsert);
        cmd.ParamByName(QStringLiteral("SClass")).SetString(QStringLiteral("GLOBAL"));
        cmd.ParamByName(QStringLiteral("SItem")).SetString(QStringLiteral("DAY START"));
        cmd.ParamByName(QStringLiteral("V")).SetString(QString::fromLatin1(value));
        EXPECT_EQ(cmd.Execute(), 1);
    }
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData WHERE Value = 'second'")), 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM SysData")), 1);

    // The server's clock and a literal compare as date-times on every engine.
    con.Exec(QStringLiteral("INSERT INTO Attend (EmpNum, InDateTime) VALUES ('1', ") + con.Dialect().DateTimeLiteral(DateTimes::EncodeDateTime(2020, 1, 1)) + u')');
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Attend WHERE InDateTime < GetDate() AND InDateTime > ")
                     + con.Dialect().ZeroDateLiteral()), 1);
}

TEST_P(AdoObjects, ErrorsCarryTheEnginesMessageAndLeaveTheConnectionUsable)
{
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT * FROM NoSuchTable"));
    try {
        q.Open();
        FAIL() << "opened a missing table";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String("nosuchtable"), Qt::CaseInsensitive)) << e.Message().toStdString();
    }
    TAdoCommand cmd(&con);
    cmd.SetCommandText(QStringLiteral("DELETE FROM Attend WHERE EmpNum = :E"));
    EXPECT_THROW(cmd.ParamByName(QStringLiteral("Nope")), EDatabaseError);
    cmd.ParamByName(QStringLiteral("E")).SetString(QStringLiteral("x"));
    EXPECT_EQ(cmd.Execute(), 0);
}

TEST(AdoConnection, BadDatabaseFilesGiveClearErrorsAndLoseNothing)
{
    QTemporaryDir dir;
    // A file that is not a database: refused at connect, left as it was.
    const QString junk = dir.filePath(QStringLiteral("junk.db"));
    {
        QFile f(junk);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    TAdoConnection con;
    con.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + junk);
    EXPECT_THROW(con.Open(), EDatabaseError);
    EXPECT_FALSE(con.Connected());
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(4096, 'x'));

    // A folder that cannot be made (its parent is a file): the message names it.
    con.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + junk + QStringLiteral("/sub/orvik.db"));
    try {
        con.Open();
        FAIL();
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String("cannot be created"))) << e.Message().toStdString();
    }
}

TEST(AdoConnection, ANewFileWhoseSetUpFailsIsNotLeftHalfMade)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.db"));
    TAdoConnection con;
    con.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + path);
    con.SetNewDatabaseInitialiser([](TAdoConnection &c) { c.Exec(QStringLiteral("CREATE TABLE broken (")); });
    EXPECT_THROW(con.Open(), EDatabaseError);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(AdoConnection, AnUnreachableServerIsRefusedQuickly)
{
    for (const char *text : {"Provider=PostgreSQL;Data Source=127.0.0.1;Port=1;Initial Catalog=x;User ID=u;Password=p;",
                             "Provider=SQLOLEDB.1;Data Source=127.0.0.1,1;Initial Catalog=x;User ID=u;Password=p;"}) {
        TAdoConnection con;
        con.SetConnectionString(QString::fromLatin1(text));
        con.SetLoginTimeout(2);
        try {
            con.Open();
            ADD_FAILURE() << "connected to nothing: " << text;
        } catch (const EDatabaseError &e) {
            EXPECT_FALSE(e.Message().isEmpty()) << text;
        }
        EXPECT_FALSE(con.Connected());
    }
}

TEST(AdoConnection, AnEmptyFileIsSetUpLikeANewOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.db"));
    QFile(path).open(QIODevice::WriteOnly);  // zero bytes, as a probe of the path leaves it
    int initialised = 0;
    for (int run = 0; run < 2; ++run) {
        TAdoConnection con;
        con.SetConnectionString(QStringLiteral("Provider=SQLite;Data Source=") + path);
        con.SetNewDatabaseInitialiser([&](TAdoConnection &c) {
            ++initialised;
            c.Exec(QStringLiteral("CREATE TABLE t (x INTEGER)"));
        });
        con.Open();
    }
    EXPECT_EQ(initialised, 1);  // a file with tables is left alone
}

TEST_P(AdoObjects, APreparedStatementRunsAgainWithNewValuesAndIdentities)
{
    TAdoCommand cmd(&con);
    cmd.Prepared = true;
    cmd.SetCommandText(QStringLiteral("INSERT INTO Attend (EmpNum, OdoStart) VALUES (:EmpNum, :Odo) SELECT :IDField = @@Identity"));
    TParameter &id = cmd.ParamByName(QStringLiteral("IDField"));
    id.DataType = TFieldType::Integer;
    id.Direction = TParamDirection::Output;
    qlonglong last = 0;
    for (int i = 1; i <= 3; ++i) {
        cmd.ParamByName(QStringLiteral("EmpNum")).SetString(QString::number(i));
        cmd.ParamByName(QStringLiteral("Odo")).SetInteger(i * 100);
        EXPECT_EQ(cmd.Execute(), 1);
        EXPECT_GT(id.Value.toLongLong(), last);
        last = id.Value.toLongLong();
        if (i == 2) {  // a reconnect drops the prepared statement, not the command
            con.Close();
            con.Open();
        }
    }
    EXPECT_EQ(Scalar(QStringLiteral("SELECT SUM(OdoStart) FROM Attend")), 600);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT OdoStart FROM Attend WHERE EmpNum = '3'")), 300);
}
