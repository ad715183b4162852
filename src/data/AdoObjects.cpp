#include "AdoObjects.h"

#include "SqlText.h"
#include "app/clsEVxException.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>

namespace {

// The engine's lines joined the way the dialogs break lines, without its indentation.
QString Tidy(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(u'\n'))
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    return lines.join(u'\r');
}

QString ErrorText(const QSqlError &error)
{
    const QString db = Tidy(error.databaseText());
    const QString driver = Tidy(error.driverText());
    if (db.isEmpty())
        return driver;
    if (driver.isEmpty() || db.contains(driver))
        return db;
    return db + QStringLiteral(" (") + driver + u')';
}

QString NextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("trelvo-%1").arg(counter.fetchAndAddRelaxed(1));
}

} // namespace

// ---- TParameters

void TParameters::ParseFrom(const QString &sql)
{
    std::vector<TParameter> next;
    for (const QString &name : SqlText::ParameterNames(sql)) {
        const TParameter *old = Find(name);
        next.push_back(old ? *old : TParameter(name));
    }
    m_params = std::move(next);
}

const TParameter *TParameters::Find(const QString &name) const
{
    for (const auto &p : m_params)
        if (p.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

TParameter *TParameters::Find(const QString &name)
{
    return const_cast<TParameter *>(std::as_const(*this).Find(name));
}

TParameter &TParameters::ParamByName(const QString &name)
{
    if (TParameter *p = Find(name))
        return *p;
    throw EDatabaseError(QStringLiteral("Parameter '%1' not found").arg(name));
}

// ---- TField

QString TField::AsString() const
{
    return m_dialect->ReadString(m_value);
}

qlonglong TField::AsInteger() const
{
    if (IsNull())
        return 0;
    bool ok = false;
    const qlonglong v = m_value.toLongLong(&ok);
    if (ok)
        return v;
    const double d = m_value.toDouble(&ok);
    if (ok)
        return static_cast<qlonglong>(d);
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(m_value.toString()));
}

bool TField::AsBoolean() const
{
    if (IsNull())
        return false;
    if (m_value.metaType().id() == QMetaType::QString) {
        const QString t = m_value.toString().trimmed();
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        return t.toDouble() != 0.0;
    }
    return m_value.toDouble() != 0.0;
}

double TField::AsFloat() const
{
    return IsNull() ? 0.0 : m_value.toDouble();
}

Currency TField::AsCurrency() const
{
    return m_dialect->ReadCurrency(m_value);
}

TDateTime TField::AsDateTime() const
{
    return m_dialect->ReadDateTime(m_value);
}

// ---- TAdoConnection

struct TAdoConnection::TPrepared {
    TStatementPlan plan;
    QStringList names;
    QString positional;
    QSqlQuery query;
};

TAdoConnection::TAdoConnection() : m_name(NextConnectionName()) {}

TAdoConnection::~TAdoConnection()
{
    Close();
}

QSqlDatabase TAdoConnection::Database() const
{
    return QSqlDatabase::database(m_name, false);
}

void TAdoConnection::Open()
{
    Close();
    const TConnectionString cs = TConnectionString::Parse(m_connectionString);
    m_dialect = TDialect(cs.Engine());
    bool created = false;
    {
        QSqlDatabase db;
        switch (cs.Engine()) {
        case TEngine::SQLite: {
            const QString path = cs.DataSource();
            if (path.isEmpty())
                throw EDatabaseError(QStringLiteral("The connection string names no database file (Data Source)"));
            if (path != QLatin1String(":memory:") && !QFileInfo::exists(path)) {
                const QFileInfo folder(QFileInfo(path).absolutePath());
                if (!folder.exists() && !QDir().mkpath(folder.absoluteFilePath()))
                    throw EDatabaseError(QStringLiteral("Cannot create the database file \"%1\": the folder \"%2\" cannot be created").arg(path, folder.absoluteFilePath()));
                if (!QFileInfo(folder.absoluteFilePath()).isWritable())
                    throw EDatabaseError(QStringLiteral("Cannot create the database file \"%1\": the folder \"%2\" cannot be written").arg(path, folder.absoluteFilePath()));
                created = true;
            }
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
            break;
        }
        case TEngine::PostgreSQL:
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
            db.setHostName(cs.Host());
            if (cs.Port() > 0)
                db.setPort(cs.Port());
            db.setDatabaseName(cs.Catalog());
            db.setUserName(cs.User());
            db.setPassword(cs.Password());
            db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(m_loginTimeout));
            break;
        case TEngine::SqlServer:
            db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), m_name);
            db.setDatabaseName(cs.OdbcDatabaseName());
            db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(m_loginTimeout));
            break;
        }
        if (!db.isValid())
            throw EDatabaseError(QStringLiteral("The database driver for %1 is not installed").arg(cs.Provider()));
        db.setNumericalPrecisionPolicy(QSql::HighPrecision);
        if (!db.open()) {
            const QString message = ErrorText(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            throw EDatabaseError(message);
        }
    }
    m_connected = true;
    try {
        switch (cs.Engine()) {
        case TEngine::SQLite:
            {
                // A corrupt or foreign file opens lazily: touch it now so the error shows at connect.
                TParameters none;
                TResultSet objects;
                Run(QStringLiteral("SELECT count(*) FROM sqlite_master"), none, &objects);
                // A file with nothing in it (left by another tool, say) is as good as a new one.
                if (!created && objects.rows.front().value(0).toInt() > 0)
                    break;
            }
            Exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            if (m_initialiser) {
                BeginTransaction();
                m_initialiser(*this);
                Commit();
            }
            break;
        case TEngine::PostgreSQL: {
            // LOCALTIMESTAMP then gives this workstation's wall clock, as the suite's server does.
            TParameters none;
            const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
            if (!zone.isEmpty())
                Exec(QStringLiteral("SET TIME ZONE '") + QString(zone).replace(u'\'', QStringLiteral("''")) + u'\'');
            break;
        }
        case TEngine::SqlServer:
            break;
        }
    } catch (...) {
        Close();
        if (created)
            QFile::remove(cs.DataSource());
        throw;
    }
}

void TAdoConnection::Close()
{
    m_prepared.clear();  // the statements die with the engine's connection
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_connected = false;
}

void TAdoConnection::BeginTransaction()
{
    if (!Database().transaction())
        throw EDatabaseError(ErrorText(Database().lastError()));
}

void TAdoConnection::Commit()
{
    if (!Database().commit())
        throw EDatabaseError(ErrorText(Database().lastError()));
}

void TAdoConnection::Rollback()
{
    Database().rollback();
}

int TAdoConnection::Exec(const QString &sql)
{
    TParameters none;
    return Run(sql, none);
}

int TAdoConnection::Run(const QString &sql, TParameters &params, TResultSet *result)
{
    if (!m_connected)
        throw EDatabaseError(QStringLiteral("The connection to the database is not open"));
    const TStatementPlan plan = m_dialect.Plan(sql);
    switch (plan.kind) {
    case TStatementPlan::Kind::Upsert: {
        TResultSet exists;
        RunOne(QStringLiteral("SELECT CASE WHEN EXISTS (") + plan.exists + QStringLiteral(") THEN 1 ELSE 0 END"), params, &exists);
        const bool found = !exists.rows.empty() && exists.rows.front().value(0).toInt() == 1;
        return RunOne(found ? plan.update : plan.insert, params, result);
    }
    case TStatementPlan::Kind::InsertIdentity: {
        const int rows = RunOne(plan.sql, params, result);
        ReadIdentity(plan, params, rows);
        return rows;
    }
    case TStatementPlan::Kind::Plain: break;
    }
    return RunOne(plan.sql, params, result);
}

int TAdoConnection::RunOne(const QString &sql, TParameters &params, TResultSet *result)
{
    QStringList names;
    const QString positional = SqlText::ToPositional(sql, &names);
    if (m_trace)
        m_trace(positional);
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    if (names.isEmpty()) {
        // Sent as it stands: PostgreSQL cannot prepare DDL or SET.
        if (!q.exec(positional))
            throw EDatabaseError(ErrorText(q.lastError()));
        return Collect(q, result);
    }
    if (!q.prepare(positional))
        throw EDatabaseError(ErrorText(q.lastError()));
    return Execute(q, names, params, result);
}

int TAdoConnection::RunPrepared(const QString &sql, TParameters &params)
{
    if (!m_connected)
        throw EDatabaseError(QStringLiteral("The connection to the database is not open"));
    auto found = m_prepared.find(sql);
    if (found == m_prepared.end()) {
        auto prepared = std::make_unique<TPrepared>(TPrepared{m_dialect.Plan(sql), {}, {}, QSqlQuery(Database())});
        if (prepared->plan.kind == TStatementPlan::Kind::Upsert)
            return Run(sql, params);  // two statements, chosen per call
        prepared->positional = SqlText::ToPositional(prepared->plan.sql, &prepared->names);
        if (prepared->names.isEmpty())
            return Run(sql, params);  // nothing to re-bind
        prepared->query.setForwardOnly(true);
        if (!prepared->query.prepare(prepared->positional))
            throw EDatabaseError(ErrorText(prepared->query.lastError()));
        constexpr size_t MaxPrepared = 64;
        if (m_prepared.size() >= MaxPrepared)
            m_prepared.clear();
        found = m_prepared.emplace(sql, std::move(prepared)).first;
    }
    TPrepared &p = *found->second;
    if (m_trace)
        m_trace(p.positional);
    const int rows = Execute(p.query, p.names, params, nullptr);
    p.query.finish();  // stays prepared, holds no cursor or lock
    if (p.plan.kind == TStatementPlan::Kind::InsertIdentity)
        ReadIdentity(p.plan, params, rows);
    return rows;
}

int TAdoConnection::Execute(QSqlQuery &q, const QStringList &names, TParameters &params, TResultSet *result)
{
    std::vector<int> outputs;
    for (int i = 0; i < names.size(); ++i) {
        // Parameters parsed from the same text stand in the markers' order: no search then.
        const TParameter *p = i < params.Count() && params[i].Name == names[i] ? &params[i] : params.Find(names[i]);
        if (!p)
            throw EDatabaseError(QStringLiteral("Parameter '%1' has no value").arg(names[i]));
        const bool out = p->Direction == TParamDirection::Output;
        q.bindValue(i, m_dialect.ToDriver(p->DataType, p->Value), out ? QSql::Out : QSql::In);
        if (out)
            outputs.push_back(i);
    }
    if (!q.exec())
        throw EDatabaseError(ErrorText(q.lastError()));
    const int rows = Collect(q, result);
    for (int i : outputs)
        params.Find(names[i])->Value = q.boundValue(i);
    return rows;
}

int TAdoConnection::Collect(QSqlQuery &q, TResultSet *result)
{
    if (result) {
        const QSqlRecord record = q.record();
        result->fieldNames.clear();
        result->index.clear();
        result->rows.clear();
        for (int c = 0; c < record.count(); ++c) {
            result->fieldNames.append(record.fieldName(c));
            result->index.insert(record.fieldName(c).toLower(), c);
        }
        while (q.next()) {
            QList<QVariant> row;
            row.reserve(record.count());
            for (int c = 0; c < record.count(); ++c)
                row.append(q.value(c));
            result->rows.push_back(std::move(row));
        }
    }
    if (m_dialect.Engine() == TEngine::SQLite)
        m_lastInsertId = q.lastInsertId();
    return q.numRowsAffected();
}

void TAdoConnection::ReadIdentity(const TStatementPlan &plan, TParameters &params, int rows)
{
    if (TParameter *out = params.Find(plan.identityParam))
        out->Value = rows > 0 ? QVariant(LastIdentity()) : QVariant();
}

qlonglong TAdoConnection::LastIdentity()
{
    if (m_dialect.Engine() == TEngine::SQLite)
        return m_lastInsertId.toLongLong();
    TParameters none;
    TResultSet rs;
    RunOne(QStringLiteral("SELECT lastval()"), none, &rs);
    return rs.rows.empty() ? 0 : rs.rows.front().value(0).toLongLong();
}

// ---- TAdoCommand

void TAdoCommand::SetCommandText(const QString &text)
{
    m_text = text;
    if (ParamCheck)
        m_params.ParseFrom(text);
}

int TAdoCommand::Execute()
{
    if (!m_connection)
        throw EDatabaseError(QStringLiteral("The command has no connection"));
    return Prepared ? m_connection->RunPrepared(m_text, m_params) : m_connection->Run(m_text, m_params);
}

// ---- TAdoQuery

void TAdoQuery::SyncParameters()
{
    const QString text = Text();
    if (text != m_parsedText) {
        m_params.ParseFrom(text);
        m_parsedText = text;
    }
}

TParameters &TAdoQuery::Parameters()
{
    SyncParameters();
    return m_params;
}

TParameter &TAdoQuery::ParamByName(const QString &name)
{
    return Parameters().ParamByName(name);
}

void TAdoQuery::Open()
{
    Close();
    if (!m_connection)
        throw EDatabaseError(QStringLiteral("The query has no connection"));
    auto rows = std::make_shared<TResultSet>();
    m_connection->Run(Text(), Parameters(), rows.get());
    m_rows = std::move(rows);
    m_active = true;
    m_pos = 0;
}

int TAdoQuery::ExecSQL()
{
    Close();
    if (!m_connection)
        throw EDatabaseError(QStringLiteral("The query has no connection"));
    return m_connection->Run(Text(), Parameters());
}

void TAdoQuery::Close()
{
    m_active = false;
    m_pos = 0;
    m_rows = std::make_shared<TResultSet>();
}

bool TAdoQuery::HasField(const QString &name) const
{
    return m_rows->FieldIndex(name) >= 0;
}

QStringList TAdoQuery::FieldNames() const
{
    return m_rows->fieldNames;
}

TField TAdoQuery::FieldByName(const QString &name) const
{
    const int column = m_rows->FieldIndex(name);
    if (column < 0)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    static const QVariant none;
    if (Eof())
        return TField(none, m_connection->Dialect());
    return TField(m_rows->rows[static_cast<size_t>(m_pos)].at(column), m_connection->Dialect());
}
