#include "BoardQueries.h"

#include "app/clsEVxException.h"
#include "data/AdoObjects.h"
#include "data/SqlText.h"

#include <QSqlDriver>
#include <QSqlError>
#include <memory>
#include <optional>

#ifdef TRELVO_NATIVE_SQLITE
#include <sqlite3.h>
#endif

namespace {

constexpr int AssignedSlot = 2;

QString SelectAndJoins()
{
    return QStringLiteral(
        "SELECT OrderNum, Invoices.TimeDue, Invoices.Date, NotifyName, "
        "DvrEmployee.FirstName as DFirst, DvrEmployee.LastName as DLast, Employee.Firstname, Employee.Lastname, "
        "Customer.Flat, Customer.Address2, StreetNo, StreetNames.Street, GridRef.GridRef, "
        "Invoices.TimeToDrvr as Assigned, Invoices.TimeStampDriver as Departed, Invoices.telephone, "
        "Invoices.InvoiceNum, Invoices.TransType, Invoices.TimeStampCooked "
        "FROM Invoices "
        "LEFT OUTER JOIN attend AS DvrAttend ON Invoices.DriverLink = DvrAttend.InvoiceLink "
        "LEFT OUTER JOIN Employee as DvrEmployee ON DvrAttend.EmpNum = DvrEmployee.EmpNum "
        "LEFT OUTER JOIN attend ON Invoices.CashierLink = Attend.InvoiceLink "
        "LEFT OUTER JOIN Employee ON Attend.EmpNum = Employee.EmpNum "
        "LEFT OUTER JOIN customer ON Invoices.CustLink = Customer.InvLink "
        "LEFT OUTER JOIN Street ON Customer.StreetLink = Street.ID "
        "LEFT OUTER JOIN StreetNames ON Street.StreetRef=StreetNames.ID "
        "LEFT OUTER JOIN GridRef ON Street.GridRefLink = GridRef.ID ");
}

// Texts without the suite's one-NUL "empty" marker, as the grid shows them.
QString Text(const TDialect &dialect, const QVariant &value)
{
    QString text = dialect.ReadString(value);
    if (text == NulString())
        text.clear();
    return text;
}

#ifdef TRELVO_NATIVE_SQLITE
// The engine's handle under Qt's SQLite driver: its rows are read without a QVariant
// for every value, which more than doubles the time of a refresh.
sqlite3 *SqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

} // namespace

// A statement kept prepared between refreshes, reset after each so it holds no read lock.
class TSqliteStatement {
public:
    TSqliteStatement(sqlite3 *db, const QString &sql) : m_db(db)
    {
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(db, text.constData(), static_cast<int>(text.size()), &m_stmt, nullptr) != SQLITE_OK)
            Fail();
    }
    ~TSqliteStatement() { sqlite3_finalize(m_stmt); }
    TSqliteStatement(const TSqliteStatement &) = delete;
    TSqliteStatement &operator=(const TSqliteStatement &) = delete;

    void Bind(int position, double value)
    {
        if (sqlite3_bind_double(m_stmt, position, value) != SQLITE_OK)
            Fail();
    }
    bool Next()
    {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            Fail();
        return false;
    }
    void Reset() { sqlite3_reset(m_stmt); }
    qlonglong Integer(int column) const { return sqlite3_column_int64(m_stmt, column); }
    // Day counts; NULL reads as 0.
    TDateTime Time(int column) const { return sqlite3_column_double(m_stmt, column); }
    QString Text(int column) const
    {
        const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
        if (!text)
            return {};
        const int bytes = sqlite3_column_bytes(m_stmt, column);
        return bytes == 1 && text[0] == 0 ? QString() : QString::fromUtf8(text, bytes);
    }

private:
    [[noreturn]] void Fail() { throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db))); }

    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

namespace {

std::vector<TBoardRow> FetchSqlite(TSqliteStatement &q, std::optional<std::pair<TDateTime, TDateTime>> day)
{
    struct TReset {
        TSqliteStatement &q;
        ~TReset() { q.Reset(); }
    } reset{q};
    if (day) {
        q.Bind(1, day->first);
        q.Bind(2, day->second);
    }
    std::vector<TBoardRow> rows;
    while (q.Next()) {
        TBoardRow r;
        r.OrderNum = q.Integer(0);
        r.TimeDue = q.Time(1);
        r.Date = q.Time(2);
        r.NotifyName = q.Text(3);
        r.DFirst = q.Text(4);
        r.DLast = q.Text(5);
        r.Firstname = q.Text(6);
        r.Lastname = q.Text(7);
        r.Flat = q.Text(8);
        r.Address2 = q.Text(9);
        r.StreetNo = q.Text(10);
        r.Street = q.Text(11);
        r.GridRef = q.Text(12);
        r.Assigned = q.Time(13);
        r.Departed = q.Time(14);
        r.telephone = q.Text(15);
        r.InvoiceNum = q.Integer(16);
        r.TransType = static_cast<int>(q.Integer(17));
        r.TimeStampCooked = q.Time(18);
        rows.push_back(std::move(r));
    }
    return rows;
}
#endif

} // namespace

// The statements on the SQLite handle they were prepared on.
struct TBoardQueries::TNativeStatements {
#ifdef TRELVO_NATIVE_SQLITE
    sqlite3 *db = nullptr;
    std::unique_ptr<TSqliteStatement> statements[3];
#endif
};

TBoardQueries::TBoardQueries(TAdoConnection &connection) : m_con(connection), m_native(std::make_unique<TNativeStatements>()) {}

TBoardQueries::~TBoardQueries() = default;

QString TBoardQueries::NotAssignedSql(const TDialect &dialect, int sortOrder)
{
    return SelectAndJoins()
         + QStringLiteral("WHERE (TimeToDrvr is null or TimeToDrvr <= ") + dialect.ZeroDateLiteral()
         + QStringLiteral(") AND status=0  AND TransType = 3\n")
         + (sortOrder == 1 ? QStringLiteral("ORDER BY GridRef.GridRef, TimeDue ") : QStringLiteral("ORDER BY TimeDue "));
}

QString TBoardQueries::AlreadyAssignedSql(const TDialect &dialect)
{
    return SelectAndJoins()
         + QStringLiteral("WHERE TimeToDrvr is not null and TimeToDrvr > ") + dialect.ZeroDateLiteral()
         + QStringLiteral(" AND Invoices.Date >= :DayStart AND Invoices.Date < :DayEnd "
                          "AND status=0  AND TransType = 3 ORDER BY TimeDue ");
}

QSqlQuery &TBoardQueries::Prepared(int slot, const QString &sql)
{
    if (!m_con.Connected())
        throw EDatabaseError(QStringLiteral("The connection to the database is not open"));
    QSqlQuery &query = m_queries[slot];
    // A reconnection leaves the old statement without its driver: prepare it again.
    const QSqlDatabase db = m_con.Database();
    if (query.driver() != db.driver() || query.lastQuery().isEmpty()) {
        query = QSqlQuery(db);
        query.setForwardOnly(true);
        QStringList names;
        if (!query.prepare(SqlText::ToPositional(m_con.Dialect().Render(sql), &names))) {
            const QString message = query.lastError().text();
            query = QSqlQuery();
            throw EDatabaseError(message);
        }
    }
    return query;
}

#ifdef TRELVO_NATIVE_SQLITE
TSqliteStatement *TBoardQueries::NativeStatement(int slot, const QString &sql)
{
    sqlite3 *db = m_con.Connected() && m_con.Engine() == TEngine::SQLite ? SqliteHandle(m_con.Database()) : nullptr;
    if (!db)
        return nullptr;
    if (db != m_native->db) {  // reconnected: the old statements belong to the old handle
        for (auto &statement : m_native->statements)
            statement.reset();
        m_native->db = db;
    }
    auto &statement = m_native->statements[slot];
    if (!statement) {
        QStringList names;
        statement = std::make_unique<TSqliteStatement>(db, SqlText::ToPositional(m_con.Dialect().Render(sql), &names));
    }
    return statement.get();
}
#endif

std::vector<TBoardRow> TBoardQueries::NotAssigned(int sortOrder)
{
    const int slot = sortOrder == 1 ? 1 : 0;
#ifdef TRELVO_NATIVE_SQLITE
    if (TSqliteStatement *native = NativeStatement(slot, NotAssignedSql(m_con.Dialect(), slot)))
        return FetchSqlite(*native, std::nullopt);
#endif
    return Fetch(Prepared(slot, NotAssignedSql(m_con.Dialect(), slot)));
}

std::vector<TBoardRow> TBoardQueries::AlreadyAssigned(TDateTime dayStart, TDateTime dayEnd)
{
#ifdef TRELVO_NATIVE_SQLITE
    if (TSqliteStatement *native = NativeStatement(AssignedSlot, AlreadyAssignedSql(m_con.Dialect())))
        return FetchSqlite(*native, std::make_pair(dayStart, dayEnd));
#endif
    QSqlQuery &query = Prepared(AssignedSlot, AlreadyAssignedSql(m_con.Dialect()));
    const TDialect &dialect = m_con.Dialect();
    query.bindValue(0, dialect.ToDriver(TFieldType::DateTime, dayStart));
    query.bindValue(1, dialect.ToDriver(TFieldType::DateTime, dayEnd));
    return Fetch(query);
}

std::vector<TBoardRow> TBoardQueries::Fetch(QSqlQuery &query)
{
    if (!query.exec()) {
        const QString message = query.lastError().text();
        query = QSqlQuery();  // prepared afresh next time
        throw EDatabaseError(message);
    }
    const TDialect &dialect = m_con.Dialect();
    const auto time = [&](int column) { return dialect.ReadDateTime(query.value(column)); };
    std::vector<TBoardRow> rows;
    while (query.next()) {
        TBoardRow r;
        r.OrderNum = query.value(0).toLongLong();
        r.TimeDue = time(1);
        r.Date = time(2);
        r.NotifyName = Text(dialect, query.value(3));
        r.DFirst = Text(dialect, query.value(4));
        r.DLast = Text(dialect, query.value(5));
        r.Firstname = Text(dialect, query.value(6));
        r.Lastname = Text(dialect, query.value(7));
        r.Flat = Text(dialect, query.value(8));
        r.Address2 = Text(dialect, query.value(9));
        r.StreetNo = Text(dialect, query.value(10));
        r.Street = Text(dialect, query.value(11));
        r.GridRef = Text(dialect, query.value(12));
        r.Assigned = time(13);
        r.Departed = time(14);
        r.telephone = Text(dialect, query.value(15));
        r.InvoiceNum = query.value(16).toLongLong();
        r.TransType = query.value(17).toInt();
        r.TimeStampCooked = time(18);
        rows.push_back(std::move(r));
    }
    query.finish();  // stays prepared, holds no read lock
    return rows;
}
