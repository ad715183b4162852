#include "EngineFixture.h"

#include "data/Schema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

QString TestPostgresConnectionString()
{
    return qEnvironmentVariable("TRELVO_TEST_PG");
}

std::vector<TEngine> TestEngines()
{
    std::vector<TEngine> engines{TEngine::SQLite};
    if (!TestPostgresConnectionString().isEmpty() || !qEnvironmentVariable("CI").isEmpty())
        engines.push_back(TEngine::PostgreSQL);
    return engines;
}

std::string EngineName(const ::testing::TestParamInfo<TEngine> &info)
{
    return info.param == TEngine::SQLite ? "SQLite" : info.param == TEngine::PostgreSQL ? "PostgreSQL" : "SqlServer";
}

void PrintTo(TEngine engine, std::ostream *os)
{
    *os << EngineName(::testing::TestParamInfo<TEngine>(engine, 0));
}

namespace {

QString WithCatalog(const QString &connectionString, const QString &catalog)
{
    TConnectionString cs = TConnectionString::Parse(connectionString);
    cs.SetValue(QStringLiteral("Initial Catalog"), catalog);
    return cs.ToString();
}

// Creates the template database with the schema once per schema version, then copies it.
QString CreatePostgresDatabase()
{
    const QString server = TestPostgresConnectionString();
    if (server.isEmpty())
        throw std::runtime_error("TRELVO_TEST_PG is not set: the test command starts a PostgreSQL server for these tests");
    QFile schemaFile(QStringLiteral(":/db/schema.postgresql.sql"));
    schemaFile.open(QIODevice::ReadOnly);
    const QString templateName = QStringLiteral("trelvo_tpl_") + QString::fromLatin1(QCryptographicHash::hash(schemaFile.readAll(), QCryptographicHash::Sha1).toHex().left(12));
    static int counter = 0;
    const QString name = QStringLiteral("trelvo_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);

    TAdoConnection admin;
    admin.SetConnectionString(server);
    admin.Open();
    admin.Exec(QStringLiteral("SELECT pg_advisory_lock(7412)"));
    try {
        TAdoQuery q(&admin);
        q.SetSQL(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = :Name"));
        q.ParamByName(QStringLiteral("Name")).SetString(templateName);
        q.Open();
        if (q.IsEmpty()) {
            admin.Exec(QStringLiteral("CREATE DATABASE ") + templateName + QStringLiteral("_new"));
            {
                TAdoConnection tpl;
                tpl.SetConnectionString(WithCatalog(server, templateName + QStringLiteral("_new")));
                tpl.Open();
                Schema::Create(tpl);
            }
            admin.Exec(QStringLiteral("ALTER DATABASE ") + templateName + QStringLiteral("_new RENAME TO ") + templateName);
        }
        admin.Exec(QStringLiteral("CREATE DATABASE ") + name + QStringLiteral(" TEMPLATE ") + templateName);
    } catch (...) {
        admin.Exec(QStringLiteral("SELECT pg_advisory_unlock(7412)"));
        throw;
    }
    admin.Exec(QStringLiteral("SELECT pg_advisory_unlock(7412)"));
    return name;
}

} // namespace

void TDatabaseTest::SetUp()
{
    switch (GetParam()) {
    case TEngine::SQLite:
        m_dir = std::make_unique<QTemporaryDir>();
        m_connectionString = QStringLiteral("Provider=SQLite;Data Source=") + m_dir->filePath(QStringLiteral("test.db")) + u';';
        con.SetNewDatabaseInitialiser([](TAdoConnection &c) { Schema::Create(c); });
        break;
    case TEngine::PostgreSQL:
        ASSERT_NO_THROW(m_pgDatabase = CreatePostgresDatabase());
        m_connectionString = WithCatalog(TestPostgresConnectionString(), m_pgDatabase);
        break;
    case TEngine::SqlServer:
        GTEST_SKIP() << "no SQL Server here";
    }
    con.SetConnectionString(m_connectionString);
    con.Open();
}

void TDatabaseTest::TearDown()
{
    con.SetTrace({});
    con.Close();
    if (!m_pgDatabase.isEmpty()) {
        TAdoConnection admin;
        admin.SetConnectionString(TestPostgresConnectionString());
        admin.Open();
        admin.Exec(QStringLiteral("DROP DATABASE IF EXISTS ") + m_pgDatabase);
    }
}

qlonglong TDatabaseTest::Scalar(const QString &sql)
{
    TAdoQuery q(&con);
    q.SetSQL(sql);
    q.Open();
    return q.IsEmpty() ? 0 : q.FieldByName(q.FieldNames().value(0)).AsInteger();
}

void TDatabaseTest::CountStatements()
{
    m_sent = 0;
    m_texts.clear();
    con.SetTrace([this](const QString &text) {
        ++m_sent;
        m_texts.append(text);
    });
}
