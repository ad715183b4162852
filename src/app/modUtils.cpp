#include "modUtils.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MaxAlignWidth = 255;
const TDateTime DefaultDayStart = DateTimes::EncodeTime(5, 0);

bool StartsWord(QChar previous)
{
    static const QString separators = QStringLiteral("\n\r !#$%&()*+-@^");
    return separators.contains(previous);
}

// Blanks and control characters, as the suite's Trim removes them.
int LeadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text.at(n).unicode() <= 0x20)
        ++n;
    return n;
}

bool IsBlankAt(const QString &text, int index)
{
    return index < text.size() && text.at(index) == u' ';
}

// Time of day in whole milliseconds, so 05:00 computed two ways compares equal.
qint64 TimeOfDayMs(TDateTime value)
{
    return std::llround(DateTimes::TimeOf(value) * DateTimes::MsPerDay);
}

} // namespace

TDateTime DayStartOrDefault(TDateTime start)
{
    return start == 0.0 ? DefaultDayStart : start;
}

QString ProperCase(const QString &text)
{
    QString out = text;
    for (int i = 0; i < out.size(); ++i) {
        const char16_t c = out.at(i).unicode();
        if (i == 0 || StartsWord(text.at(i - 1))) {
            if (c >= u'a' && c <= u'z')
                out[i] = QChar(c - u'a' + u'A');
        } else if (c >= u'A' && c <= u'Z') {
            out[i] = QChar(c - u'A' + u'a');
        }
    }
    return out;
}

QString LeftStr(const QString &text, int n)
{
    return text.left(std::max(n, 0));
}

QString RightStr(const QString &text, int n)
{
    return text.right(std::max(n, 0));
}

QString Spaces(int n)
{
    return QString(std::max(n, 0), u' ');
}

QString CentreText(const QString &text, int width)
{
    if (text.size() > width)
        return text;
    const QString pad = Spaces((width - static_cast<int>(text.size()) + 1) / 2);
    return pad + text + pad;
}

QString LeftAlign(const QString &text, int width)
{
    const int k = std::clamp(width, 0, MaxAlignWidth);
    return text.leftJustified(k, u' ', true);
}

QString RightAlign(const QString &text, int width)
{
    const int k = std::clamp(width, 0, MaxAlignWidth);
    return QString(Spaces(k - static_cast<int>(text.size())) + text).left(k);
}

QStringList WrapText(const QString &text, int width)
{
    // Positions count from the first non-blank character; a width below 1 would never advance.
    const int w = std::max(width, 1);
    QStringList lines;
    QString rest = text.mid(LeadingBlanks(text));
    while (!rest.isEmpty()) {
        if (rest.size() < w) {
            lines.append(TrimBlanks(rest));
            break;
        }
        QString line;
        if (!IsBlankAt(rest, w - 1) && !IsBlankAt(rest, w)) {
            const int blank = static_cast<int>(rest.left(w).lastIndexOf(u' '));
            if (blank >= 0) {
                line = rest.left(blank);
                rest.remove(0, blank + 1);
            } else {
                line = rest.left(w);
                rest.remove(0, w);
            }
        } else {
            line = TrimBlanks(rest.left(w));
            rest.remove(0, w);
        }
        lines.append(line);
        rest = TrimBlanks(rest);
    }
    return lines;
}

QString ReplaceChar(const QString &text, QChar from, QChar to, int last, int first)
{
    QString out = text;
    const int end = std::min(last, static_cast<int>(out.size()));
    for (int i = std::max(first, 1); i <= end; ++i)
        if (out.at(i - 1) == from)
            out[i - 1] = to;
    return out;
}

QString FormatArgs(const QString &text, const QVariantList &arguments)
{
    QStringList placeholders;
    for (int n = 1; n <= arguments.size(); ++n)
        placeholders.append(QStringLiteral("%") + QString::number(n));
    // One pass over the text: at each place the placeholders are tried in order 1, 2, ... (so
    // "%1" also takes the front of "%10"), and a value put in is never searched again.
    QString out;
    for (int i = 0; i < text.size();) {
        const QStringView here = QStringView(text).mid(i);
        const auto found = std::find_if(placeholders.cbegin(), placeholders.cend(),
                                        [&](const QString &p) { return here.startsWith(p); });
        if (found == placeholders.cend()) {
            out += text.at(i++);
            continue;
        }
        out += arguments.at(found - placeholders.cbegin()).toString();
        i += static_cast<int>(found->size());
    }
    return out;
}

QString TrimBlanks(const QString &text)
{
    const int start = LeadingBlanks(text);
    int end = static_cast<int>(text.size());
    while (end > start && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

QString NowText()
{
    return DateTimes::ToSqlText(DateTimes::Now());
}

TDateTime TradingDayBound(TTradingDayBound which, TDateTime start, TDateTime moment)
{
    TDateTime day = DateTimes::DayOf(moment);
    if (TimeOfDayMs(moment) < TimeOfDayMs(start))
        day -= 1;
    if (which == tdbNext)
        day += 1;
    return day + DateTimes::TimeOf(start);
}

TDateTime TradingDayStart(TDateTime start)
{
    return TradingDayBound(tdbStart, DayStartOrDefault(start), DateTimes::Now());
}

TDateTime TradingDayEnd(TDateTime start)
{
    return TradingDayBound(tdbNext, DayStartOrDefault(start), DateTimes::Now());
}

QString TradingDayStartText(TDateTime start)
{
    return DateTimes::ToSqlText(TradingDayStart(start));
}

QString TradingDayEndText(TDateTime start)
{
    return DateTimes::ToSqlText(TradingDayEnd(start));
}
