#include "DateTimes.h"

#include <cmath>

namespace DateTimes {

namespace {
// Constant-initialised: other files' statics compute dates before dynamic initialisation here.
constexpr QDate Epoch = QDate::fromJulianDay(2'415'019);  // 30 December 1899
static_assert(Epoch.toJulianDay() == 2'415'019);
std::function<TDateTime()> &Clock()
{
    static std::function<TDateTime()> clock;
    return clock;
}
} // namespace

TDateTime FromDate(const QDate &date)
{
    return static_cast<double>(Epoch.daysTo(date));
}

TDateTime FromQDateTime(const QDateTime &dt)
{
    if (!dt.isValid())
        return Zero;
    return FromDate(dt.date()) + dt.time().msecsSinceStartOfDay() / MsPerDay;
}

TDateTime WholeSecond(TDateTime value)
{
    constexpr double SecondsPerDay = 86'400;
    return std::floor(value * SecondsPerDay + 1e-6) / SecondsPerDay;
}

QDate DateOf(TDateTime value)
{
    // Negative values count days backwards with a positive time part, as the suite does.
    return Epoch.addDays(static_cast<qint64>(std::trunc(value)));
}

TDateTime TimeOf(TDateTime value)
{
    return std::fabs(value - std::trunc(value));
}

TDateTime DayOf(TDateTime value)
{
    return std::trunc(value);
}

QDateTime ToQDateTime(TDateTime value)
{
    qint64 ms = std::llround(TimeOf(value) * MsPerDay);
    QDate date = DateOf(value);
    if (ms >= 86400000) {  // rounding reached midnight
        date = date.addDays(1);
        ms = 0;
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / MsPerDay;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second)
{
    return FromDate(QDate(year, month, day)) + EncodeTime(hour, minute, second);
}

QString ToSqlText(TDateTime value)
{
    return ToQDateTime(value).toString(QStringLiteral("yyyyMMdd HH:mm:ss"));
}

TDateTime Now()
{
    if (Clock())
        return Clock()();
    return FromQDateTime(QDateTime::currentDateTime());
}

void SetClock(std::function<TDateTime()> clock)
{
    Clock() = std::move(clock);
}

} // namespace DateTimes
