#include "ConnectionString.h"

#include "app/clsEVxException.h"

namespace {

// Values may be quoted as OLE DB allows ("..." or '...') when they hold ';' or '='.
QString Unquote(const QString &value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

QString QuoteIfNeeded(const QString &value)
{
    if (value.contains(u';') || value.contains(u'=') || value != value.trimmed())
        return value.contains(u'"') ? u'\'' + value + u'\'' : u'"' + value + u'"';
    return value;
}

} // namespace

TConnectionString TConnectionString::Parse(const QString &text)
{
    TConnectionString result;
    int pos = 0;
    const int n = text.size();
    while (pos < n) {
        int eq = text.indexOf(u'=', pos);
        const int semi = text.indexOf(u';', pos);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            const QString junk = text.mid(pos, semi < 0 ? -1 : semi - pos).trimmed();
            if (!junk.isEmpty())
                throw EDatabaseError(QStringLiteral("The connection string is not understood near \"%1\": expected Key=Value pairs separated by ';'").arg(junk));
            pos = semi < 0 ? n : semi + 1;
            continue;
        }
        const QString key = text.mid(pos, eq - pos).trimmed();
        if (key.isEmpty())
            throw EDatabaseError(QStringLiteral("The connection string has a value without a key at position %1").arg(pos + 1));
        int valueStart = eq + 1;
        while (valueStart < n && text.at(valueStart) == u' ')
            ++valueStart;
        int end;
        if (valueStart < n && (text.at(valueStart) == u'"' || text.at(valueStart) == u'\'')) {
            const int close = text.indexOf(text.at(valueStart), valueStart + 1);
            if (close < 0)
                throw EDatabaseError(QStringLiteral("The connection string has an unterminated quoted value for \"%1\"").arg(key));
            end = close + 1;
            const int next = text.indexOf(u';', end);
            result.SetValue(key, Unquote(text.mid(valueStart, end - valueStart)));
            pos = next < 0 ? n : next + 1;
            continue;
        }
        end = text.indexOf(u';', valueStart);
        if (end < 0)
            end = n;
        result.SetValue(key, text.mid(valueStart, end - valueStart).trimmed());
        pos = end + 1;
    }
    TEngine engine;
    if (!TryEngine(result.Provider(), &engine))
        throw EDatabaseError(result.Provider().isEmpty()
                                 ? QStringLiteral("The connection string names no Provider (SQLite, PostgreSQL or SQLOLEDB.1)")
                                 : QStringLiteral("The connection string names an unknown Provider \"%1\" (use SQLite, PostgreSQL or SQLOLEDB.1)").arg(result.Provider()));
    return result;
}

QString TConnectionString::Value(const QString &key) const
{
    for (const auto &pair : m_pairs)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return pair.second;
    return {};
}

bool TConnectionString::Has(const QString &key) const
{
    for (const auto &pair : m_pairs)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void TConnectionString::Remove(const QString &key)
{
    m_pairs.removeIf([&](const QPair<QString, QString> &pair) { return pair.first.compare(key, Qt::CaseInsensitive) == 0; });
}

QStringList TConnectionString::Keys() const
{
    QStringList keys;
    for (const auto &pair : m_pairs)
        keys.append(pair.first);
    return keys;
}

void TConnectionString::SetValue(const QString &key, const QString &value)
{
    for (auto &pair : m_pairs)
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0) {
            pair.second = value;
            return;
        }
    m_pairs.append({key, value});
}

QString TConnectionString::ToString() const
{
    QString text;
    for (const auto &pair : m_pairs)
        text += pair.first + u'=' + QuoteIfNeeded(pair.second) + u';';
    return text;
}

bool TConnectionString::TryEngine(const QString &provider, TEngine *engine)
{
    const QString p = provider.trimmed();
    auto is = [&](const char *name) { return p.compare(QLatin1String(name), Qt::CaseInsensitive) == 0; };
    if (is("SQLite"))
        *engine = TEngine::SQLite;
    else if (is("PostgreSQL"))
        *engine = TEngine::PostgreSQL;
    else if (is("MSSQL") || p.startsWith(QLatin1String("SQLOLEDB"), Qt::CaseInsensitive) || p.startsWith(QLatin1String("MSOLEDBSQL"), Qt::CaseInsensitive))
        *engine = TEngine::SqlServer;
    else
        return false;
    return true;
}

TEngine TConnectionString::Engine() const
{
    TEngine engine = TEngine::SqlServer;
    TryEngine(Provider(), &engine);
    return engine;
}

QString TConnectionString::ProviderOf(TEngine engine)
{
    switch (engine) {
    case TEngine::SQLite: return QStringLiteral("SQLite");
    case TEngine::PostgreSQL: return QStringLiteral("PostgreSQL");
    case TEngine::SqlServer: break;
    }
    return QStringLiteral("SQLOLEDB.1");
}

QString TConnectionString::Host() const
{
    QString source = DataSource();
    const int comma = source.indexOf(u',');
    return (comma < 0 ? source : source.left(comma)).trimmed();
}

int TConnectionString::Port() const
{
    const QString port = Value(QStringLiteral("Port"));
    if (!port.isEmpty())
        return port.toInt();
    const QString source = DataSource();
    const int comma = source.indexOf(u',');
    return comma < 0 ? 0 : source.mid(comma + 1).trimmed().toInt();
}

QString TConnectionString::OdbcDatabaseName() const
{
    // A named instance ("host\SQLEXPRESS") is left to FreeTDS as the server name.
    QString text = QStringLiteral("DRIVER={FreeTDS};SERVER=") + Host() + u';';
    if (Port() > 0 || !Host().contains(u'\\'))
        text += QStringLiteral("PORT=") + QString::number(Port() > 0 ? Port() : 1433) + u';';
    if (!Catalog().isEmpty())
        text += QStringLiteral("DATABASE=") + Catalog() + u';';
    if (!User().isEmpty())
        text += QStringLiteral("UID=") + User() + u';';
    if (Has(QStringLiteral("Password")))
        text += QStringLiteral("PWD={") + QString(Password()).replace(u'}', QStringLiteral("}}")) + QStringLiteral("};");
    text += QStringLiteral("TDS_Version=7.4;");
    return text;
}
