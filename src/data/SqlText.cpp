#include "SqlText.h"

namespace SqlText {

namespace {
bool IsNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}
} // namespace

QList<bool> CodeMask(const QString &sql)
{
    const int n = sql.size();
    QList<bool> mask(n, true);
    int i = 0;
    while (i < n) {
        const QChar c = sql.at(i);
        QChar close;
        if (c == u'\'')
            close = u'\'';
        else if (c == u'"')
            close = u'"';
        else if (c == u'[')
            close = u']';
        if (!close.isNull()) {
            int j = i + 1;
            while (j < n) {
                if (sql.at(j) == close) {
                    if (close != u']' && j + 1 < n && sql.at(j + 1) == close) {  // doubled quote
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            for (int k = i; k <= j && k < n; ++k)
                mask[k] = false;
            i = j + 1;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            int j = sql.indexOf(u'\n', i);
            if (j < 0)
                j = n;
            for (int k = i; k < j; ++k)
                mask[k] = false;
            i = j;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            int j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            for (int k = i; k < j; ++k)
                mask[k] = false;
            i = j;
        } else {
            ++i;
        }
    }
    return mask;
}

namespace {
template <typename F>
void ForEachMarker(const QString &sql, F onMarker)
{
    const QList<bool> mask = CodeMask(sql);
    const int n = sql.size();
    for (int i = 0; i < n; ++i) {
        if (!mask[i] || sql.at(i) != u':')
            continue;
        if (i + 1 < n && sql.at(i + 1) == u':') {  // cast
            ++i;
            continue;
        }
        if (i > 0 && sql.at(i - 1) == u':')
            continue;
        int j = i + 1;
        while (j < n && IsNameChar(sql.at(j)))
            ++j;
        if (j == i + 1 || sql.at(i + 1).isDigit())
            continue;
        onMarker(i, j);
        i = j - 1;
    }
}
} // namespace

QString ToPositional(const QString &sql, QStringList *names)
{
    QString out;
    out.reserve(sql.size());
    int last = 0;
    ForEachMarker(sql, [&](int start, int end) {
        out += QStringView(sql).mid(last, start - last);
        out += u'?';
        if (names)
            names->append(sql.mid(start + 1, end - start - 1));
        last = end;
    });
    out += QStringView(sql).mid(last);
    return out;
}

QStringList ParameterNames(const QString &sql)
{
    QStringList names;
    ForEachMarker(sql, [&](int start, int end) {
        const QString name = sql.mid(start + 1, end - start - 1);
        if (!names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    });
    return names;
}

int MatchingParen(const QString &sql, int open)
{
    const QList<bool> mask = CodeMask(sql);
    int depth = 0;
    for (int i = open; i < sql.size(); ++i) {
        if (!mask[i])
            continue;
        if (sql.at(i) == u'(')
            ++depth;
        else if (sql.at(i) == u')' && --depth == 0)
            return i;
    }
    return -1;
}

int FindKeyword(const QString &sql, const QString &keyword, int from)
{
    const QList<bool> mask = CodeMask(sql);
    int depth = 0;
    const int n = sql.size(), k = keyword.size();
    for (int i = 0; i < n; ++i) {
        if (!mask[i])
            continue;
        const QChar c = sql.at(i);
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (i < from || depth != 0 || i + k > n)
            continue;
        if ((i == 0 || !IsNameChar(sql.at(i - 1))) && (i + k == n || !IsNameChar(sql.at(i + k)))
            && QStringView(sql).mid(i, k).compare(keyword, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace SqlText
