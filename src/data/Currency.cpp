#include "Currency.h"

#include <cmath>

std::int64_t RoundHalfEven(std::int64_t raw, std::int64_t step)
{
    std::int64_t q = raw / step;
    std::int64_t r = raw % step;
    if (r < 0) {
        r += step;
        --q;
    }
    if (2 * r > step || (2 * r == step && (q & 1)))
        ++q;
    return q * step;
}

Currency Currency::FromDouble(double value)
{
    return FromRaw(static_cast<std::int64_t>(std::nearbyint(value * Scale)));
}

Currency Currency::FromString(const QString &text, bool *ok)
{
    const QString t = text.trimmed();
    bool good = !t.isEmpty();
    std::int64_t whole = 0, frac = 0;
    int fracDigits = 0;
    bool negative = false, seenPoint = false, seenDigit = false;
    std::int64_t tail = 0;  // fifth decimal, to round
    for (int i = 0; good && i < t.size(); ++i) {
        const QChar ch = t.at(i);
        if (i == 0 && (ch == u'-' || ch == u'+')) {
            negative = ch == u'-';
        } else if (ch == u'.' && !seenPoint) {
            seenPoint = true;
        } else if (ch.isDigit()) {
            seenDigit = true;
            const int d = ch.digitValue();
            if (!seenPoint) {
                whole = whole * 10 + d;
                good = whole < (INT64_MAX / Scale) / 10;
            } else if (fracDigits < 4) {
                frac = frac * 10 + d;
                ++fracDigits;
            } else if (fracDigits == 4) {
                tail = d;
                ++fracDigits;
            }
        } else {
            good = false;
        }
    }
    good = good && seenDigit;
    if (ok)
        *ok = good;
    if (!good)
        return {};
    while (fracDigits < 4) {
        frac *= 10;
        ++fracDigits;
    }
    std::int64_t raw = whole * Scale + frac + (tail >= 5 ? 1 : 0);
    return FromRaw(negative ? -raw : raw);
}

QString Currency::ToString(int decimals) const
{
    std::int64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    const std::int64_t rounded = RoundHalfEven(m_raw, step);
    const std::int64_t absRaw = rounded < 0 ? -rounded : rounded;
    QString text = QString::number(absRaw / Scale);
    if (decimals > 0) {
        const QString frac = QStringLiteral("%1").arg(absRaw % Scale, 4, 10, QLatin1Char('0'));
        text += u'.' + frac.left(decimals);
    }
    return rounded < 0 ? u'-' + text : text;
}

Currency Currency::RoundToCents() const
{
    return FromRaw(RoundHalfEven(m_raw, 100));
}

Currency Currency::MulDouble(double factor) const
{
    // The product in long double keeps four decimals exact for the amounts a shop sees.
    const long double exact = static_cast<long double>(m_raw) * factor;
    const long double floorPart = std::floor(exact);
    const long double diff = exact - floorPart;
    auto q = static_cast<std::int64_t>(floorPart);
    if (diff > 0.5L + 1e-9L || (std::fabs(diff - 0.5L) <= 1e-9L && (q & 1)))
        ++q;
    return FromRaw(q);
}
