#include "NumericRules.h"

#include <algorithm>
#include <cmath>

namespace {

QString WithSeparator(QString text, QChar separator)
{
    return separator == u'.' ? text : text.replace(u'.', separator);
}

// Whole text with the digits grouped in threes.
QString Grouped(const QString &digits, QChar thousands)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += thousands;
        out += digits.at(i);
    }
    return out;
}

bool IsPlaceholder(QChar ch)
{
    return ch == u'0' || ch == u'#' || ch == u',' || ch == u'.';
}

// A section of a format picture split into the text before the digits, the digit
// picture, and the text after them. Quotes around literal text are removed.
struct TPicture {
    QString prefix;
    QString digits;
    QString suffix;
};

TPicture SplitPicture(const QString &section)
{
    TPicture picture;
    QChar quote;
    for (QChar ch : section) {
        if (!quote.isNull()) {
            if (ch == quote)
                quote = QChar();
            else
                (picture.digits.isEmpty() ? picture.prefix : picture.suffix) += ch;
        } else if (ch == u'"' || ch == u'\'') {
            quote = ch;
        } else if (IsPlaceholder(ch) && picture.suffix.isEmpty()) {
            picture.digits += ch;
        } else {
            (picture.digits.isEmpty() ? picture.prefix : picture.suffix) += ch;
        }
    }
    return picture;
}

QStringList Sections(const QString &format)
{
    QStringList sections(QString{});
    QChar quote;
    for (QChar ch : format) {
        if (!quote.isNull())
            quote = ch == quote ? QChar() : quote;
        else if (ch == u'"' || ch == u'\'')
            quote = ch;
        else if (ch == u';') {
            sections.append(QString());
            continue;
        }
        sections.last() += ch;
    }
    return sections;
}

// The magnitude of raw ten-thousandths at that many decimals, halves away from zero.
std::int64_t RoundedMagnitude(std::int64_t raw, int decimals)
{
    std::int64_t step = 1;
    for (int i = decimals; i < 4; ++i)
        step *= 10;
    const std::int64_t magnitude = raw < 0 ? -raw : raw;
    return (magnitude + step / 2) / step * step;
}

QString FormatPicture(const TPicture &picture, std::int64_t magnitude, QChar separator, QChar thousands)
{
    const qsizetype point = picture.digits.indexOf(u'.');
    const QString whole = point < 0 ? picture.digits : picture.digits.left(point);
    const QString fraction = point < 0 ? QString() : picture.digits.mid(point + 1);
    const int required = static_cast<int>(fraction.count(u'0'));
    const int allowed = std::min(4, static_cast<int>(fraction.count(u'0') + fraction.count(u'#')));

    QString wholeDigits = QString::number(magnitude / Currency::Scale);
    const int minWhole = static_cast<int>(whole.count(u'0'));
    if (wholeDigits == QStringLiteral("0") && minWhole == 0)
        wholeDigits.clear();
    while (wholeDigits.size() < minWhole)
        wholeDigits.prepend(u'0');
    if (whole.contains(u','))
        wholeDigits = Grouped(wholeDigits, thousands);

    QString fractionDigits = QStringLiteral("%1").arg(magnitude % Currency::Scale, 4, 10, QLatin1Char('0')).left(allowed);
    while (fractionDigits.size() > required && fractionDigits.endsWith(u'0'))
        fractionDigits.chop(1);
    QString number = wholeDigits;
    if (!fractionDigits.isEmpty())
        number += separator + fractionDigits;
    return picture.prefix + number + picture.suffix;
}

} // namespace

QString TextAfterKey(const TEditState &box, QChar key)
{
    QString text = box.text;
    if (box.selStart >= 0 && box.selLength > 0)
        return text.replace(box.selStart, box.selLength, key);
    return text.insert(std::clamp(box.cursor, 0, static_cast<int>(text.size())), key);
}

QString GeneralNumberText(double value, QChar separator)
{
    if (value == 0)
        return QStringLiteral("0");
    return WithSeparator(QString::number(value, 'g', 15), separator);
}

QString GeneralNumberText(Currency value, QChar separator)
{
    QString text = value.ToString(4);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return WithSeparator(text, separator);
}

QString FormatFloat(const QString &format, Currency value, QChar separator, QChar thousands)
{
    if (format.isEmpty())
        return GeneralNumberText(value, separator);
    const QStringList sections = Sections(format);
    const TPicture positive = SplitPicture(sections.at(0));
    const TPicture picture = value < Currency() && sections.size() > 1 ? SplitPicture(sections.at(1)) : positive;
    const qsizetype point = picture.digits.indexOf(u'.');
    const int decimals = point < 0 ? 0 : std::min<int>(4, static_cast<int>(picture.digits.size() - point - 1));
    const std::int64_t magnitude = RoundedMagnitude(value.Raw(), decimals);
    if (magnitude == 0 && sections.size() > 2 && !sections.at(2).isEmpty())
        return FormatPicture(SplitPicture(sections.at(2)), 0, separator, thousands);
    const QString text = FormatPicture(picture, magnitude, separator, thousands);
    // One section serves both signs: the minus comes in front of everything.
    return value < Currency() && sections.size() == 1 && magnitude != 0 ? u'-' + text : text;
}

// ---- TdbiCurrency

std::optional<Currency> ParseCurrencyText(const QString &text, QChar separator)
{
    QString kept;
    for (QChar ch : text) {
        if (ch.isDigit())
            kept += ch;
        else if (ch == separator)
            kept += u'.';
        else if ((ch == u'-' || ch == u'+') && kept.isEmpty())
            kept += ch;
    }
    if (kept.isEmpty())
        return Currency();
    bool ok = false;
    const Currency value = Currency::FromString(kept, &ok);
    return ok ? std::optional<Currency>(value) : std::nullopt;
}

bool CurrencyKeyTaken(const TEditState &box, QChar key, int decimalPlaces, Currency maxValue, QChar separator)
{
    if (key == KeyBackspace)
        return true;
    if (!key.isDigit() && key != separator)
        return false;
    if (box.AllSelected())
        return true;
    if (key == separator && decimalPlaces == 0)
        return false;
    const qsizetype point = box.text.indexOf(separator);
    if (point >= 0 && decimalPlaces > 0 && box.text.size() - point > decimalPlaces)
        return false;
    // The text the key makes, wherever the caret stands, must be a number within bounds.
    const std::optional<Currency> value = ParseCurrencyText(TextAfterKey(box, key), separator);
    return value && !(maxValue > Currency() && *value > maxValue);
}

// ---- TNumEditPro

TNumEditProKey NumEditProKey(const TEditState &box, QChar key, int decimalPlaces, Currency minValue, Currency maxValue)
{
    if (key != KeyBackspace && key != u'.' && !key.isDigit())
        return nkDrop;
    if (box.AllSelected() || key == KeyBackspace)
        return nkTake;
    const qsizetype point = box.text.indexOf(u'.');
    if (key == u'.')
        return decimalPlaces == 0 || point >= 0 ? nkDrop : nkTake;
    if (point >= 0 && box.text.size() - point - 1 >= decimalPlaces)
        return nkDrop;
    const bool replace = box.text == QStringLiteral("0");
    bool ok = false;
    const Currency value = Currency::FromString(replace ? QString(key) : TextAfterKey(box, key), &ok);
    if (!ok)
        return nkDrop;
    if (value > maxValue)
        return nkAboveMax;
    if (value < minValue)
        return nkBelowMin;
    return replace ? nkReplace : nkTake;
}

TNumEditProFix NumEditProAfterChange(const QString &text)
{
    if (text == QStringLiteral("."))
        return {QStringLiteral("0."), cfEnd, false};
    if (text.isEmpty())
        return {QStringLiteral("0"), cfSelectAll, false};
    bool ok = false;
    Currency::FromString(text.endsWith(u'.') ? text.chopped(1) : text, &ok);
    if (ok)
        return {text, cfKeep, false};
    return {text.chopped(1), cfSelectAll, true};
}

Currency NumEditProValue(const QString &text)
{
    if (text.isEmpty() || text == QStringLiteral(".") || text == QStringLiteral("-"))
        return {};
    QString number = text.startsWith(u'.') ? u'0' + text : text;
    if (number.endsWith(u'.'))
        number.chop(1);
    bool ok = false;
    const Currency value = Currency::FromString(number, &ok);
    return ok ? value : Currency();
}

// ---- TNumEdit

bool NumEditCharAllowed(QChar ch, bool allowNegative, const QString &permittedAlpha)
{
    if (ch == u'-' && !allowNegative)
        return false;
    static const QString passing = QStringLiteral("\r\x1b+\b-.");
    return ch.isDigit() || passing.contains(ch) || permittedAlpha.contains(ch);
}

bool NumEditKeyReported(int qtKey, const QString &text, const QString &permittedAlpha)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Plus:
    case Qt::Key_Minus:
    case Qt::Key_Period:
        return true;
    default:
        break;
    }
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return true;
    return text.size() == 1 && permittedAlpha.contains(text.at(0));
}

std::optional<double> NumEditParse(const QString &text)
{
    if (text.isEmpty())
        return 0.0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QString NumEditExitText(double value, int decimals, bool isPercent, bool isCurrency, const QLocale &locale)
{
    if (isPercent)
        return QString::number(value, 'f', decimals) + u'%';
    if (isCurrency)
        return locale.toCurrencyString(value, locale.currencySymbol(), decimals);
    return QString::number(value, 'f', decimals);
}
