#include "Dialect.h"

#include "SqlText.h"

#include <QRegularExpression>

namespace {

const QString kEpochPg = QStringLiteral("'1899-12-30 00:00:00'");

QString PgTimestampText(TDateTime value)
{
    return DateTimes::ToQDateTime(value).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

} // namespace

QString TDialect::Render(const QString &sql) const
{
    if (m_engine == TEngine::SqlServer)
        return sql;
    const QList<bool> mask = SqlText::CodeMask(sql);
    QString out;
    out.reserve(sql.size() + 32);
    const int n = sql.size();
    for (int i = 0; i < n;) {
        const QChar c = sql.at(i);
        if (c == u'[' && !mask[i] && (i == 0 || mask[i - 1])) {  // opens a bracketed name, not inside a literal
            const int close = sql.indexOf(u']', i);
            const QString name = sql.mid(i + 1, close - i - 1);
            // PostgreSQL folds unquoted names to lower case: so does the schema.
            out += m_engine == TEngine::PostgreSQL ? u'"' + name.toLower() + u'"' : u'[' + name + u']';
            i = close + 1;
            continue;
        }
        if (mask[i] && (c == u'G' || c == u'g') && (i == 0 || !sql.at(i - 1).isLetterOrNumber())) {
            int j = i + 7;
            if (QStringView(sql).mid(i, 7).compare(QStringLiteral("GetDate"), Qt::CaseInsensitive) == 0) {
                while (j < n && sql.at(j).isSpace())
                    ++j;
                if (j + 1 < n && sql.at(j) == u'(' && sql.at(j + 1) == u')') {
                    out += Now();
                    i = j + 2;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    // "SELECT TOP n ..." of a single statement becomes "SELECT ... LIMIT n".
    static const QRegularExpression top(QStringLiteral("^\\s*SELECT\\s+TOP\\s+(\\d+)\\s+"), QRegularExpression::CaseInsensitiveOption);
    const auto m = top.match(out);
    if (m.hasMatch()) {
        QString rest = out.mid(m.capturedEnd()).trimmed();
        if (rest.endsWith(u';'))
            rest.chop(1);
        out = QStringLiteral("SELECT ") + rest + QStringLiteral(" LIMIT ") + m.captured(1);
    }
    return out;
}

TStatementPlan TDialect::Plan(const QString &sql) const
{
    TStatementPlan plan;
    plan.sql = sql;
    if (m_engine == TEngine::SqlServer)
        return plan;

    static const QRegularExpression ifNotExists(QStringLiteral("^\\s*IF\\s+NOT\\s+EXISTS\\s*\\("), QRegularExpression::CaseInsensitiveOption);
    const auto m = ifNotExists.match(sql);
    if (m.hasMatch()) {
        const int open = m.capturedEnd() - 1;
        const int close = SqlText::MatchingParen(sql, open);
        const int elsePos = close < 0 ? -1 : SqlText::FindKeyword(sql, QStringLiteral("ELSE"), close);
        if (elsePos > 0) {
            plan.kind = TStatementPlan::Kind::Upsert;
            plan.exists = Render(sql.mid(open + 1, close - open - 1).trimmed());
            plan.insert = Render(sql.mid(close + 1, elsePos - close - 1).trimmed());
            plan.update = Render(sql.mid(elsePos + 4).trimmed());
            return plan;
        }
    }

    static const QRegularExpression identity(QStringLiteral("\\s*;?\\s*SELECT\\s+:(\\w+)\\s*=\\s*@@IDENTITY\\s*;?\\s*$"), QRegularExpression::CaseInsensitiveOption);
    const auto id = identity.match(sql);
    if (id.hasMatch()) {
        plan.kind = TStatementPlan::Kind::InsertIdentity;
        plan.identityParam = id.captured(1);
        plan.sql = Render(sql.left(id.capturedStart()));
        return plan;
    }
    plan.sql = Render(sql);
    return plan;
}

QString TDialect::BoolLiteral(bool value) const
{
    if (!value)
        return QStringLiteral("0");
    return m_engine == TEngine::SqlServer ? QStringLiteral("-1") : QStringLiteral("1");
}

QString TDialect::DateTimeLiteral(TDateTime value) const
{
    switch (m_engine) {
    case TEngine::SQLite: return QString::number(value, 'g', 17);
    case TEngine::PostgreSQL: return u'\'' + PgTimestampText(value) + u'\'';
    case TEngine::SqlServer: break;
    }
    return u'\'' + DateTimes::ToSqlText(value) + u'\'';
}

QString TDialect::ZeroDateLiteral() const
{
    return m_engine == TEngine::PostgreSQL ? kEpochPg : QStringLiteral("0");
}

QString TDialect::Now() const
{
    switch (m_engine) {
    case TEngine::SQLite: return QStringLiteral("(julianday('now','localtime') - 2415018.5)");
    case TEngine::PostgreSQL: return QStringLiteral("LOCALTIMESTAMP");
    case TEngine::SqlServer: break;
    }
    return QStringLiteral("GetDate()");
}

QString TDialect::StoredProcCall(const QString &name, const QStringList &args) const
{
    if (m_engine == TEngine::PostgreSQL)
        return QStringLiteral("CALL ") + name + u'(' + args.join(u',') + u')';
    // A single space follows the name even without arguments.
    return QStringLiteral("EXEC ") + name + u' ' + args.join(u',');
}

QVariant TDialect::ToDriver(TFieldType type, const QVariant &value) const
{
    if (!value.isValid() || value.isNull()) {
        switch (type) {
        case TFieldType::Integer:
        case TFieldType::Boolean: return QVariant(QMetaType::fromType<qlonglong>());
        case TFieldType::Float:
        case TFieldType::Currency: return QVariant(QMetaType::fromType<double>());
        case TFieldType::DateTime:
            return m_engine == TEngine::SQLite ? QVariant(QMetaType::fromType<double>())
                 : m_engine == TEngine::PostgreSQL ? QVariant(QMetaType::fromType<QString>())
                                                   : QVariant(QMetaType::fromType<QDateTime>());
        case TFieldType::Binary: return QVariant(QMetaType::fromType<QByteArray>());
        case TFieldType::String: break;
        }
        return QVariant(QMetaType::fromType<QString>());
    }
    switch (type) {
    case TFieldType::String: {
        QString text = value.toString();
        if (m_engine == TEngine::PostgreSQL) {
            if (text == NulString())
                return QStringLiteral("");  // stands for the NUL text, which PostgreSQL cannot hold
            text.remove(QChar(0));
        }
        return text;
    }
    case TFieldType::Integer: return value.toLongLong();
    case TFieldType::Boolean: return qlonglong(value.toBool() ? 1 : 0);
    case TFieldType::Float: return value.toDouble();
    case TFieldType::Currency: {
        const Currency c = value.metaType() == QMetaType::fromType<Currency>() ? value.value<Currency>() : Currency::FromDouble(value.toDouble());
        if (m_engine == TEngine::SQLite)
            return c.ToDouble();
        return c.ToString(4);
    }
    case TFieldType::DateTime: {
        const TDateTime dt = value.toDouble();
        if (m_engine == TEngine::SQLite)
            return dt;
        if (m_engine == TEngine::PostgreSQL)
            return PgTimestampText(dt);
        return DateTimes::ToQDateTime(dt);
    }
    case TFieldType::Binary: return value.toByteArray();
    }
    return value;
}

QString TDialect::ReadString(const QVariant &value) const
{
    if (value.isNull())
        return {};
    if (value.metaType() == QMetaType::fromType<QDateTime>())
        return value.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    QString text = value.toString();
    if (m_engine == TEngine::PostgreSQL && text.isEmpty() && value.metaType() == QMetaType::fromType<QString>())
        return NulString();
    return text;
}

TDateTime TDialect::ReadDateTime(const QVariant &value) const
{
    if (value.isNull() || !value.isValid())
        return DateTimes::Zero;
    switch (value.metaType().id()) {
    case QMetaType::QDateTime: return DateTimes::FromQDateTime(value.toDateTime());
    case QMetaType::QDate: return DateTimes::FromDate(value.toDate());
    case QMetaType::QString: {
        bool ok = false;
        const double d = value.toString().toDouble(&ok);
        if (ok)
            return d;
        return DateTimes::FromQDateTime(QDateTime::fromString(value.toString(), Qt::ISODateWithMs));
    }
    default: return value.toDouble();
    }
}

Currency TDialect::ReadCurrency(const QVariant &value) const
{
    if (value.isNull() || !value.isValid())
        return {};
    if (value.metaType().id() == QMetaType::QString) {
        bool ok = false;
        const Currency c = Currency::FromString(value.toString(), &ok);
        if (ok)
            return c;
    }
    return Currency::FromDouble(value.toDouble());
}
