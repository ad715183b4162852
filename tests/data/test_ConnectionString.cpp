#include "app/clsEVxException.h"
#include "data/ConnectionString.h"
#include "data/Dialect.h"

#include <gtest/gtest.h>

TEST(ConnectionString, ReadsTheThreeEngines)
{
    const struct {
        const char *text;
        TEngine engine;
        const char *host;
        int port;
    } cases[] = {
        {"Provider=SQLite;Data Source=/tmp/a b/orvik.db;", TEngine::SQLite, "/tmp/a b/orvik.db", 0},
        {"Provider=PostgreSQL;Data Source=db.shop;Port=5433;Initial Catalog=duDid;User ID=orvik;Password=zup;", TEngine::PostgreSQL, "db.shop", 5433},
        {"Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=zup;Initial Catalog=duDid;Data Source=10.0.0.5,1444;", TEngine::SqlServer, "10.0.0.5", 1444},
        {"provider=mssql;data source=SERVER\\SQLEXPRESS", TEngine::SqlServer, "SERVER\\SQLEXPRESS", 0},
    };
    for (const auto &c : cases) {
        const TConnectionString cs = TConnectionString::Parse(QString::fromLatin1(c.text));
        EXPECT_EQ(cs.Engine(), c.engine) << c.text;
        EXPECT_EQ(cs.Host().toStdString(), c.host) << c.text;
        EXPECT_EQ(cs.Port(), c.port) << c.text;
    }
}

TEST(ConnectionString, KeepsQuotedValuesAndRoundTrips)
{
    const TConnectionString cs = TConnectionString::Parse(QStringLiteral("Provider=PostgreSQL;Password=\"a;b=c\";User ID=x"));
    EXPECT_EQ(cs.Password(), QStringLiteral("a;b=c"));
    const TConnectionString again = TConnectionString::Parse(cs.ToString());
    EXPECT_EQ(again.Password(), QStringLiteral("a;b=c"));
    EXPECT_EQ(again.User(), QStringLiteral("x"));
    TConnectionString edited = again;
    edited.Remove(QStringLiteral("password"));
    EXPECT_EQ(edited.Keys(), (QStringList{QStringLiteral("Provider"), QStringLiteral("User ID")}));
}

TEST(ConnectionString, RefusesWhatItCannotRead)
{
    for (const char *bad : {"", "garbage", "Provider=Oracle;Data Source=x;", "Data Source=x;", "Provider=SQLite;=x;", "Provider=SQLite;Password=\"open"}) {
        try {
            TConnectionString::Parse(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const EDatabaseError &e) {
            EXPECT_FALSE(e.Message().isEmpty());
        }
    }
}

TEST(ConnectionString, MapsSqlServerToTheOdbcDriver)
{
    const TConnectionString cs = TConnectionString::Parse(
        QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=True;User ID=orvik;Password=z}p;Initial Catalog=duDid;Data Source=10.0.0.5;"));
    EXPECT_EQ(cs.OdbcDatabaseName(), QStringLiteral("DRIVER={FreeTDS};SERVER=10.0.0.5;PORT=1433;DATABASE=duDid;UID=orvik;PWD={z}}p};TDS_Version=7.4;"));
    const TConnectionString named = TConnectionString::Parse(QStringLiteral("Provider=SQLOLEDB.1;Data Source=HOST\\SHOP;"));
    EXPECT_EQ(named.OdbcDatabaseName(), QStringLiteral("DRIVER={FreeTDS};SERVER=HOST\\SHOP;TDS_Version=7.4;"));
}
