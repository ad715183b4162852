#pragma once

#include "ConnectionString.h"
#include "Currency.h"
#include "DateTimes.h"

#include <QStringList>
#include <QVariant>

enum class TFieldType { String, Integer, Boolean, Float, Currency, DateTime, Binary };

// How one statement as the suite writes it is carried out on an engine.
struct TStatementPlan {
    enum class Kind {
        Plain,           // one statement
        Upsert,          // IF NOT EXISTS (Exists) Insert ELSE Update, emulated
        InsertIdentity,  // Insert followed by "SELECT :Param = @@Identity", read back after
    };
    Kind kind = Kind::Plain;
    QString sql;        // Plain and InsertIdentity: the statement to send
    QString exists;     // Upsert: the condition's SELECT
    QString insert;     // Upsert
    QString update;     // Upsert
    QString identityParam;
};

// The few constructs that differ between engines. Statements are written in the suite's
// text; for SQL Server that text is sent unchanged.
class TDialect {
public:
    explicit TDialect(TEngine engine = TEngine::SQLite) : m_engine(engine) {}
    TEngine Engine() const { return m_engine; }

    // Token rewrites outside literals: GetDate(), [bracketed] names, a leading "SELECT TOP n".
    QString Render(const QString &sql) const;
    TStatementPlan Plan(const QString &sql) const;

    QString BoolLiteral(bool value) const;       // -1/0 on SQL Server, 1/0 elsewhere
    QString DateTimeLiteral(TDateTime value) const;
    QString ZeroDateLiteral() const;            // the suite's zero date-time
    QString Now() const;                        // the server's local date-time
    QString StoredProcCall(const QString &name, const QStringList &args) const;

    // A value for the driver, and back: money exact, date-times as day counts on SQLite,
    // and the suite's one-NUL "empty" text kept through PostgreSQL, which refuses NUL.
    QVariant ToDriver(TFieldType type, const QVariant &value) const;
    QString ReadString(const QVariant &value) const;
    TDateTime ReadDateTime(const QVariant &value) const;
    Currency ReadCurrency(const QVariant &value) const;

private:
    TEngine m_engine;
};

// The suite's "empty" text: one character of code 0.
inline QString NulString()
{
    return QString(QChar(0));
}
