#include "data/Dialect.h"
#include "data/SqlText.h"

#include <gtest/gtest.h>

namespace {
const QString kUpsert = QStringLiteral(
    "IF NOT EXISTS (SELECT NULL FROM SysData WHERE Class=:SClass AND Item=:SItem) "
    "INSERT INTO SysData (Class, Item, Value, Value2) VALUES(:IClass,:IItem,:IValue,:IValue2) "
    "ELSE UPDATE SysData SET Value = :UValue,Value2 = :UValue2 WHERE Class=:UClass AND Item=:UItem");
const QString kIdentity = QStringLiteral("INSERT INTO PricesLinkPrinters (fkPricesID, fkPrintersID) VALUES (:fkPricesID, :fkPrintersID) SELECT :IDField = @@Identity");
} // namespace

TEST(Dialect, SendsTheSuiteTextUnchangedToSqlServer)
{
    const TDialect d(TEngine::SqlServer);
    for (const QString &sql : {kUpsert, kIdentity, QStringLiteral("SELECT TOP 1 [DATE] FROM Invoices WHERE [Date] < GetDate()")}) {
        const TStatementPlan plan = d.Plan(sql);
        EXPECT_EQ(plan.kind, TStatementPlan::Kind::Plain);
        EXPECT_EQ(plan.sql, sql);
    }
    EXPECT_EQ(d.BoolLiteral(true), QStringLiteral("-1"));
    EXPECT_EQ(d.DateTimeLiteral(DateTimes::EncodeDateTime(2024, 3, 5, 18, 30, 0)), QStringLiteral("'20240305 18:30:00'"));
    EXPECT_EQ(d.StoredProcCall(QStringLiteral("spRelink"), {QStringLiteral("17")}), QStringLiteral("EXEC spRelink 17"));
    EXPECT_EQ(d.StoredProcCall(QStringLiteral("spRelink"), {}), QStringLiteral("EXEC spRelink "));
}

TEST(Dialect, RendersTheConstructsThatDiffer)
{
    const struct {
        TEngine engine;
        const char *in;
        const char *out;
    } cases[] = {
        {TEngine::PostgreSQL, "SELECT [Computer Name], [DATE] FROM Tills", "SELECT \"computer name\", \"date\" FROM Tills"},
        {TEngine::SQLite, "SELECT [Computer Name] FROM Tills", "SELECT [Computer Name] FROM Tills"},
        {TEngine::PostgreSQL, "WHERE Date < GetDate() AND x = 'GetDate()'", "WHERE Date < LOCALTIMESTAMP AND x = 'GetDate()'"},
        {TEngine::SQLite, "WHERE Date < getdate ()", "WHERE Date < (julianday('now','localtime') - 2415018.5)"},
        {TEngine::SQLite, "SELECT TOP 1 Name FROM Printers ORDER BY Name", "SELECT Name FROM Printers ORDER BY Name LIMIT 1"},
        {TEngine::PostgreSQL, "select top 5 * from Invoices", "SELECT * from Invoices LIMIT 5"},
        {TEngine::PostgreSQL, "SELECT 'it''s [not] a name'", "SELECT 'it''s [not] a name'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TDialect(c.engine).Render(QString::fromLatin1(c.in)).toStdString(), c.out) << c.in;
}

TEST(Dialect, SplitsTheUpsertAndTheIdentityReadBack)
{
    const TStatementPlan upsert = TDialect(TEngine::PostgreSQL).Plan(kUpsert);
    ASSERT_EQ(upsert.kind, TStatementPlan::Kind::Upsert);
    EXPECT_EQ(upsert.exists, QStringLiteral("SELECT NULL FROM SysData WHERE Class=:SClass AND Item=:SItem"));
    EXPECT_TRUE(upsert.insert.startsWith(QLatin1String("INSERT INTO SysData")));
    EXPECT_TRUE(upsert.update.startsWith(QLatin1String("UPDATE SysData SET")));

    const TStatementPlan identity = TDialect(TEngine::SQLite).Plan(kIdentity);
    ASSERT_EQ(identity.kind, TStatementPlan::Kind::InsertIdentity);
    EXPECT_EQ(identity.identityParam, QStringLiteral("IDField"));
    EXPECT_EQ(identity.sql, QStringLiteral("INSERT INTO PricesLinkPrinters (fkPricesID, fkPrintersID) VALUES (:fkPricesID, :fkPrintersID)"));
}

TEST(SqlText, FindsParametersOnlyInCode)
{
    QStringList names;
    const QString sql = QStringLiteral("SELECT ':Not', \"a:b\", [c:d], x::int FROM t -- :Comment\nWHERE a = :A AND b = :b_2 OR a = :A /* :x */");
    EXPECT_EQ(SqlText::ToPositional(sql, &names),
              QStringLiteral("SELECT ':Not', \"a:b\", [c:d], x::int FROM t -- :Comment\nWHERE a = ? AND b = ? OR a = ? /* :x */"));
    EXPECT_EQ(names, (QStringList{QStringLiteral("A"), QStringLiteral("b_2"), QStringLiteral("A")}));
    EXPECT_EQ(SqlText::ParameterNames(sql), (QStringList{QStringLiteral("A"), QStringLiteral("b_2")}));
}
