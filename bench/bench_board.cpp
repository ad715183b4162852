#include "app/modMsgDlgs.h"
#include "board/DispatchBoard.h"
#include "data/AdoObjects.h"
#include "data/DemoShop.h"
#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <functional>
#include <libpq-fe.h>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>

// One refresh of the dispatch board (the Not Assigned query and the model update) with 200
// open deliveries over years of closed ones, beside the engine's own time for the same
// statement through its C client. PostgreSQL runs when TRELVO_TEST_PG names a server.

namespace {

constexpr int OpenDeliveries = 200;
constexpr TDateTime Minute = 1.0 / 1440.0;

QString PostgresServer()
{
    return qEnvironmentVariable("TRELVO_TEST_PG");
}

// A demo shop with that many days of history and 200 open deliveries, made once per run.
struct TShopDatabase {
    QString connectionString;
};

void FillShop(TAdoConnection &con, int days)
{
    con.BeginTransaction();
    Schema::Create(con);
    TDemoShop(con).Seed();
    con.Commit();
    TDemoShop shop(con);
    shop.WriteHistory(days);
    const TDateTime now = DateTimes::Now();
    TAdoQuery count(&con);
    count.SetSQL(QStringLiteral("SELECT COUNT(*) AS N FROM Invoices WHERE Status = 0 AND TransType = 3"));
    count.Open();
    for (qlonglong i = count.FieldByName(QStringLiteral("N")).AsInteger(); i < OpenDeliveries; ++i)
        shop.WriteOrder(now + (10 + static_cast<double>(i % 50)) * Minute);
}

const TShopDatabase &Shop(TEngine engine, int days)
{
    static std::map<std::pair<int, int>, TShopDatabase> made;
    static QString folder = QDir::tempPath() + QStringLiteral("/trelvo-bench-board");
    const auto key = std::make_pair(static_cast<int>(engine), days);
    if (auto found = made.find(key); found != made.end())
        return found->second;
    TShopDatabase shop;
    TAdoConnection con;
    if (engine == TEngine::SQLite) {
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("/board-%1.db").arg(days);
        QFile::remove(file);
        shop.connectionString = QStringLiteral("Provider=SQLite;Data Source=") + file + u';';
        con.SetConnectionString(shop.connectionString);
        con.Open();
    } else {
        const QString name = QStringLiteral("trelvo_bench_board_%1").arg(days);
        TAdoConnection admin;
        admin.SetConnectionString(PostgresServer());
        admin.Open();
        admin.Exec(QStringLiteral("DROP DATABASE IF EXISTS ") + name);
        admin.Exec(QStringLiteral("CREATE DATABASE ") + name);
        TConnectionString cs = TConnectionString::Parse(PostgresServer());
        cs.SetValue(QStringLiteral("Initial Catalog"), name);
        shop.connectionString = cs.ToString();
        con.SetConnectionString(shop.connectionString);
        con.Open();
    }
    FillShop(con, days);
    // A server's autovacuum would have analysed the tables by now; an embedded file never is.
    if (engine == TEngine::PostgreSQL)
        con.Exec(QStringLiteral("ANALYZE"));
    return made.emplace(key, shop).first->second;
}

// The statement run by the engine's own client, every row and column read.
class TEngineRunner {
public:
    virtual ~TEngineRunner() = default;
    virtual int Run() = 0;  // rows
};

class TSqliteRunner final : public TEngineRunner {
public:
    TSqliteRunner(const QString &file, const QString &sql)
    {
        if (sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
            throw std::runtime_error("sqlite3_open_v2");
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(m_db, text.constData(), static_cast<int>(text.size()), &m_stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }
    ~TSqliteRunner() override
    {
        sqlite3_finalize(m_stmt);
        sqlite3_close(m_db);
    }
    int Run() override
    {
        int rows = 0;
        const int columns = sqlite3_column_count(m_stmt);
        while (sqlite3_step(m_stmt) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(sqlite3_column_type(m_stmt, c) == SQLITE_TEXT ? static_cast<const void *>(sqlite3_column_text(m_stmt, c))
                                                                                      : static_cast<const void *>(nullptr));
            ++rows;
        }
        sqlite3_reset(m_stmt);
        return rows;
    }

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
};

class TPostgresRunner final : public TEngineRunner {
public:
    TPostgresRunner(const TConnectionString &cs, const QString &sql)
    {
        const QByteArray info = QStringLiteral("host=%1 port=%2 dbname=%3 user=%4 password=%5")
                                    .arg(cs.Host()).arg(cs.Port()).arg(cs.Catalog(), cs.User(), cs.Password()).toUtf8();
        m_conn = PQconnectdb(info.constData());
        if (PQstatus(m_conn) != CONNECTION_OK)
            throw std::runtime_error(PQerrorMessage(m_conn));
        PGresult *prepared = PQprepare(m_conn, "board", sql.toUtf8().constData(), 0, nullptr);
        const bool ok = PQresultStatus(prepared) == PGRES_COMMAND_OK;
        PQclear(prepared);
        if (!ok)
            throw std::runtime_error(PQerrorMessage(m_conn));
    }
    ~TPostgresRunner() override { PQfinish(m_conn); }
    int Run() override
    {
        PGresult *result = PQexecPrepared(m_conn, "board", 0, nullptr, nullptr, nullptr, 0);
        const int rows = PQntuples(result), columns = PQnfields(result);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(PQgetvalue(result, r, c));
        PQclear(result);
        return rows;
    }

private:
    PGconn *m_conn = nullptr;
};

double MsPerRun(const std::function<void()> &run, int runs)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_BoardRefresh(benchmark::State &state, TEngine engine)
{
    if (engine == TEngine::PostgreSQL && PostgresServer().isEmpty()) {
        state.SkipWithError("TRELVO_TEST_PG is not set");
        return;
    }
    const int days = static_cast<int>(state.range(0));
    const TShopDatabase &shop = Shop(engine, days);
    TAdoConnection con;
    con.SetConnectionString(shop.connectionString);
    con.Open();
    TDispatchBoard board(con, TBoardSettings{});
    board.FormShow();
    const QString sql = con.Dialect().Render(TBoardQueries::NotAssignedSql(con.Dialect(), 0));
    const TConnectionString cs = TConnectionString::Parse(shop.connectionString);
    std::unique_ptr<TEngineRunner> runner;
    if (engine == TEngine::SQLite)
        runner = std::make_unique<TSqliteRunner>(cs.DataSource(), sql);
    else
        runner = std::make_unique<TPostgresRunner>(cs, sql);

    constexpr int Runs = 200;
    const double engineMs = MsPerRun([&] { runner->Run(); }, Runs);
    for (auto _ : state)
        board.RefreshBoard();
    const double refreshMs = MsPerRun([&] { board.RefreshBoard(); }, Runs);
    const double engineAfterMs = MsPerRun([&] { runner->Run(); }, Runs);
    const double engineBest = std::min(engineMs, engineAfterMs);
    state.counters["rows"] = static_cast<double>(board.Model().rowCount());
    state.counters["engine_ms"] = engineBest;
    state.counters["refresh_ms"] = refreshMs;
    state.counters["ratio"] = refreshMs / engineBest;
    if (board.Model().rowCount() < OpenDeliveries - 2)
        state.SkipWithError("the board shows fewer open deliveries than were written");
}

// A driver who types his password at once; any other question is a fault here.
class TDriverAtTheCounter final : public TPrompts {
public:
    int MessageDialog(const QString &text, TMsgDlgType, const TMsgDlgButtons &, int) override { throw std::runtime_error(text.toStdString()); }
    bool InputText(const QString &, const QString &, QString &) override { throw std::runtime_error("input"); }
    std::optional<QString> EditConnectionString(const QString &) override { return std::nullopt; }
    std::optional<QString> Password(const QString &) override { return TDemoShop::DriverPassword(0); }
    std::optional<QString> NumPadText(const QString &, const QString &, bool) override { return std::nullopt; }
    std::optional<QString> ConfirmNewPassword() override { return std::nullopt; }
    std::optional<TOdometerEntry> OdometerAndFloat(TAdoConnection *, const QString &) override { return std::nullopt; }
    std::optional<QString> PickEmployee(TAdoConnection *) override { return std::nullopt; }
    int SelectTill(TAdoConnection *) override { return mrCancel; }
};

// From the driver's password to the board shown again: ten tagged orders identified,
// assigned one by one, and the Not Assigned view re-read.
void BM_AssignTenOrders(benchmark::State &state, TEngine engine)
{
    if (engine == TEngine::PostgreSQL && PostgresServer().isEmpty()) {
        state.SkipWithError("TRELVO_TEST_PG is not set");
        return;
    }
    const TShopDatabase &shop = Shop(engine, 365);
    TAdoConnection con;
    con.SetConnectionString(shop.connectionString);
    con.Open();
    TDriverAtTheCounter driver;
    SetPrompts(&driver);
    TDispatchBoard board(con, TBoardSettings{});
    board.FormShow();
    TAdoCommand undo(&con);
    undo.SetCommandText(QStringLiteral("UPDATE Invoices SET TimeToDrvr = NULL, DriverLink = 0, Driver = NULL WHERE InvoiceNum = :N"));
    for (auto _ : state) {
        state.PauseTiming();
        QList<qlonglong> tagged;
        for (int row = 0; row < 10; ++row) {
            board.Model().SetCurrentRow(row);
            board.MarkRecord();
            tagged.append(board.Model().Current()->InvoiceNum);
        }
        state.ResumeTiming();
        board.AssignOrReassign();
        state.PauseTiming();
        for (qlonglong invoiceNum : tagged) {
            undo.ParamByName(QStringLiteral("N")).SetInteger(invoiceNum);
            undo.Execute();
        }
        board.RefreshBoard();
        state.ResumeTiming();
    }
    SetPrompts(nullptr);
}

} // namespace

BENCHMARK_CAPTURE(BM_BoardRefresh, SQLite, TEngine::SQLite)->Arg(365)->Arg(1825)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BoardRefresh, PostgreSQL, TEngine::PostgreSQL)->Arg(365)->Arg(1825)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_AssignTenOrders, SQLite, TEngine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AssignTenOrders, PostgreSQL, TEngine::PostgreSQL)->Unit(benchmark::kMillisecond);
