#include "Schema.h"

#include "AdoObjects.h"
#include "app/clsEVxException.h"

#include <QFile>

namespace Schema {

namespace {
QString FileOf(TEngine engine)
{
    switch (engine) {
    case TEngine::SQLite: return QStringLiteral(":/db/schema.sqlite.sql");
    case TEngine::PostgreSQL: return QStringLiteral(":/db/schema.postgresql.sql");
    case TEngine::SqlServer: break;
    }
    return QStringLiteral(":/db/schema.sqlserver.sql");
}
} // namespace

QStringList Statements(TEngine engine)
{
    QFile file(FileOf(engine));
    if (!file.open(QIODevice::ReadOnly))
        throw EVxException(QStringLiteral("The schema file %1 is missing from the program").arg(file.fileName()), QStringLiteral("Schema.Statements"));
    QStringList statements;
    QString current;
    // Statements end with ';' at the end of a line; whole-line comments are dropped.
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1String("--")))
            continue;
        current += line + u'\n';
        if (trimmed.endsWith(u';')) {
            current = current.trimmed();
            current.chop(1);
            statements.append(current);
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void Create(TAdoConnection &connection)
{
    for (const QString &statement : Statements(connection.Engine()))
        connection.Exec(statement);
}

bool Exists(TAdoConnection &connection)
{
    TAdoQuery q(&connection);
    switch (connection.Engine()) {
    case TEngine::SQLite:
        q.SetSQL(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = 'Invoices'"));
        break;
    case TEngine::PostgreSQL:
        q.SetSQL(QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() AND table_name = 'invoices'"));
        break;
    case TEngine::SqlServer:
        q.SetSQL(QStringLiteral("SELECT name FROM sys.tables WHERE name = 'Invoices'"));
        break;
    }
    q.Open();
    return !q.IsEmpty();
}

} // namespace Schema
