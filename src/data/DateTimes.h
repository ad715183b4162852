#pragma once

#include <QDateTime>
#include <functional>

// Date-times are day counts since 30 December 1899 (one hour is 1/24), because the
// suite computes with them ("[DATE]-0.5", "TimeToDrvr <= 0").
using TDateTime = double;

namespace DateTimes {

constexpr TDateTime Zero = 0.0;
constexpr double MsPerDay = 86400000.0;

TDateTime FromQDateTime(const QDateTime &dt);   // wall-clock fields, zone ignored
QDateTime ToQDateTime(TDateTime value);         // local wall-clock
TDateTime FromDate(const QDate &date);
TDateTime EncodeTime(int hour, int minute, int second = 0, int msec = 0);
TDateTime EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
QDate DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);  // fraction of the day
TDateTime DayOf(TDateTime value);   // midnight of that day
// Cut to the whole second, as the suite's statement texts and stored stamps carry them.
TDateTime WholeSecond(TDateTime value);

// "yyyymmdd hh:nn:ss" as the suite writes it into statements.
QString ToSqlText(TDateTime value);

// The clock: the real one unless a test fixes it.
TDateTime Now();
void SetClock(std::function<TDateTime()> clock);  // empty restores the real clock

} // namespace DateTimes
