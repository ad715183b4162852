#pragma once

#include "data/DateTimes.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <limits>

// Text shaping for prompts and fixed-width printer lines, placeholder filling, and the
// trading-day bounds with the date-time texts the statements use. All stateless.

QString ProperCase(const QString &text);
QString LeftStr(const QString &text, int n);   // the first n characters, all when shorter
QString RightStr(const QString &text, int n);  // the last n characters, all when shorter
QString Spaces(int n);                         // none for n <= 0
// A text no longer than width, padded with ceil(p / 2) blanks on each side, p = width - length:
// width or width + 1 characters. A longer text comes back unchanged.
QString CentreText(const QString &text, int width);
// Padded or cut to exactly min(width, 255) characters.
QString LeftAlign(const QString &text, int width);
QString RightAlign(const QString &text, int width);
// Lines of at most width characters, broken at blanks where a word would be cut.
QStringList WrapText(const QString &text, int width);
// Every `from` at 1-based positions first to last becomes `to`.
QString ReplaceChar(const QString &text, QChar from, QChar to, int last = std::numeric_limits<int>::max(), int first = 1);
// "%1", "%2"... replaced by the arguments: integers in decimal, texts as they are.
QString FormatArgs(const QString &text, const QVariantList &arguments);

// Blanks and control characters (up to U+0020, so the one-NUL "empty" text too) removed
// from both ends, as the suite trims.
QString TrimBlanks(const QString &text);

// "yyyymmdd hh:nn:ss" of the clock.
QString NowText();

enum TTradingDayBound { tdbStart = 0, tdbNext = 1 };
// The start of the trading day holding moment (tdbStart), or of the day after it (tdbNext),
// for a trading day that begins at the time of day of start.
TDateTime TradingDayBound(TTradingDayBound which, TDateTime start, TDateTime moment);
// A trading-day start of exactly 0 counts as 05:00.
TDateTime DayStartOrDefault(TDateTime start);
// The bounds of the current trading day; a start of exactly 0 counts as 05:00.
TDateTime TradingDayStart(TDateTime start);
TDateTime TradingDayEnd(TDateTime start);
QString TradingDayStartText(TDateTime start);
QString TradingDayEndText(TDateTime start);
