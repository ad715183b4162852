#pragma once

#include "ConnectionString.h"
#include "Dialect.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

// The database objects the records use: one connection, commands with named parameters
// and queries with read-only rows, over Qt SQL on the three engines.

enum class TParamDirection { Input, Output };

class TParameter {
public:
    explicit TParameter(QString name = {}) : Name(std::move(name)) {}
    QString Name;
    TFieldType DataType = TFieldType::String;
    TParamDirection Direction = TParamDirection::Input;
    QVariant Value;  // invalid or null: bound as NULL

    void SetString(const QString &v) { DataType = TFieldType::String; Value = v; }
    void SetInteger(qlonglong v) { DataType = TFieldType::Integer; Value = v; }
    void SetBoolean(bool v) { DataType = TFieldType::Boolean; Value = v; }
    void SetFloat(double v) { DataType = TFieldType::Float; Value = v; }
    void SetCurrency(Currency v) { DataType = TFieldType::Currency; Value = QVariant::fromValue(v); }
    void SetDateTime(TDateTime v) { DataType = TFieldType::DateTime; Value = v; }
    void SetBinary(const QByteArray &v) { DataType = TFieldType::Binary; Value = v; }
    void SetNull(TFieldType type) { DataType = type; Value = QVariant(); }
    bool IsNull() const { return !Value.isValid() || Value.isNull(); }
};

// Parameters found in a statement's text (":Name"), looked up by name ignoring case.
class TParameters {
public:
    // Re-reads the names from the text, keeping the settings of names that stay.
    void ParseFrom(const QString &sql);
    TParameter &ParamByName(const QString &name);  // throws when the statement has no such name
    const TParameter *Find(const QString &name) const;
    TParameter *Find(const QString &name);
    int Count() const { return static_cast<int>(m_params.size()); }
    TParameter &operator[](int i) { return m_params[static_cast<size_t>(i)]; }
    void Clear() { m_params.clear(); }

private:
    std::vector<TParameter> m_params;
};

// Rows read in full when a query opens, so a reader never holds the engine's cursor.
struct TResultSet {
    QStringList fieldNames;
    QHash<QString, int> index;  // lower-case name -> column
    std::vector<QList<QVariant>> rows;
    int FieldIndex(const QString &name) const { return index.value(name.toLower(), -1); }
};

class TField {
public:
    TField(const QVariant &value, const TDialect &dialect) : m_value(value), m_dialect(&dialect) {}
    bool IsNull() const { return m_value.isNull() || !m_value.isValid(); }
    QString AsString() const;
    qlonglong AsInteger() const;
    bool AsBoolean() const;
    double AsFloat() const;
    Currency AsCurrency() const;
    TDateTime AsDateTime() const;
    QByteArray AsBytes() const { return m_value.toByteArray(); }
    const QVariant &Value() const { return m_value; }

private:
    QVariant m_value;
    const TDialect *m_dialect;
};

class TAdoConnection {
public:
    TAdoConnection();
    ~TAdoConnection();
    TAdoConnection(const TAdoConnection &) = delete;
    TAdoConnection &operator=(const TAdoConnection &) = delete;

    QString ConnectionString() const { return m_connectionString; }
    void SetConnectionString(const QString &text) { m_connectionString = text; }
    void Open();   // throws EDatabaseError with the engine's message
    void Close();
    bool Connected() const { return m_connected; }
    TEngine Engine() const { return m_dialect.Engine(); }
    const TDialect &Dialect() const { return m_dialect; }
    QSqlDatabase Database() const;

    // Called on a SQLite file that did not exist before Open, to give it its tables.
    void SetNewDatabaseInitialiser(std::function<void(TAdoConnection &)> init) { m_initialiser = std::move(init); }
    // How long a server may take to answer a login, in seconds.
    void SetLoginTimeout(int seconds) { m_loginTimeout = seconds; }

    // Runs one statement in the suite's text. Rows are read when result is given.
    // Output parameters (the identity read-back) are filled. Returns rows affected.
    int Run(const QString &sql, TParameters &params, TResultSet *result = nullptr);
    // Convenience for fixed text with no parameters.
    int Exec(const QString &sql);
    // As Run, without rows, keeping the statement prepared on the engine for the next call
    // with the same text, so a writer of many rows sends only the values again.
    int RunPrepared(const QString &sql, TParameters &params);

    void BeginTransaction();
    void Commit();
    void Rollback();

    // Every statement text sent to the engine, for tests that count what was sent.
    void SetTrace(std::function<void(const QString &)> trace) { m_trace = std::move(trace); }

private:
    struct TPrepared;
    int RunOne(const QString &sql, TParameters &params, TResultSet *result);
    int Execute(QSqlQuery &q, const QStringList &names, TParameters &params, TResultSet *result);
    int Collect(QSqlQuery &q, TResultSet *result);  // rows read into result; rows affected
    void ReadIdentity(const TStatementPlan &plan, TParameters &params, int rows);
    qlonglong LastIdentity();
    QVariant m_lastInsertId;

    QString m_connectionString;
    QString m_name;
    TDialect m_dialect;
    bool m_connected = false;
    int m_loginTimeout = 5;
    std::function<void(TAdoConnection &)> m_initialiser;
    std::function<void(const QString &)> m_trace;
    std::unordered_map<QString, std::unique_ptr<TPrepared>> m_prepared;  // by the statement as written
};

// A statement with named parameters, executed for its row count.
class TAdoCommand {
public:
    explicit TAdoCommand(TAdoConnection *connection = nullptr) : m_connection(connection) {}
    void SetConnection(TAdoConnection *connection) { m_connection = connection; }
    TAdoConnection *Connection() const { return m_connection; }

    QString CommandText() const { return m_text; }
    void SetCommandText(const QString &text);
    bool ParamCheck = true;
    // Keep the statement prepared between executions (rows written in a loop).
    bool Prepared = false;
    TParameters &Parameters() { return m_params; }
    TParameter &ParamByName(const QString &name) { return m_params.ParamByName(name); }
    int Execute();  // rows affected; throws EDatabaseError

private:
    TAdoConnection *m_connection;
    QString m_text;
    TParameters m_params;
};

enum class TCursorLocation { Client, Server };

// A query whose rows are read in full on Open and walked with First/Next/Eof.
class TAdoQuery {
public:
    explicit TAdoQuery(TAdoConnection *connection = nullptr) : m_connection(connection) {}
    void SetConnection(TAdoConnection *connection) { m_connection = connection; }
    TAdoConnection *Connection() const { return m_connection; }

    QStringList &SQL() { return m_sql; }
    void SetSQL(const QString &text) { m_sql = QStringList{text}; }
    QString Text() const { return m_sql.join(u'\n'); }
    TParameter &ParamByName(const QString &name);
    TParameters &Parameters();
    TCursorLocation CursorLocation = TCursorLocation::Client;

    void Open();   // throws EDatabaseError; the engine's message
    void Close();
    int ExecSQL(); // a statement without rows
    bool Active() const { return m_active; }
    bool IsEmpty() const { return !m_active || m_rows->rows.empty(); }
    bool Eof() const { return !m_active || m_pos >= static_cast<int>(m_rows->rows.size()); }
    void First() { m_pos = 0; }
    void Next() { ++m_pos; }
    int RecordCount() const { return m_active ? static_cast<int>(m_rows->rows.size()) : 0; }
    int RecNo() const { return m_pos; }

    bool HasField(const QString &name) const;
    TField FieldByName(const QString &name) const;  // throws when the row has no such column
    QStringList FieldNames() const;

private:
    void SyncParameters();

    TAdoConnection *m_connection;
    QStringList m_sql;
    QString m_parsedText;
    TParameters m_params;
    std::shared_ptr<TResultSet> m_rows = std::make_shared<TResultSet>();
    bool m_active = false;
    int m_pos = 0;
};
