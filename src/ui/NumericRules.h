#pragma once

#include "data/Currency.h"

#include <QChar>
#include <QLocale>
#include <QString>
#include <optional>

// The key rules of the numeric boxes, kept apart from the widgets so they can be tested
// as tables. Keys are characters as typed: Backspace is '\b'.

constexpr QChar KeyBackspace = u'\b';

// A one-line box as a key arrives.
struct TEditState {
    QString text;
    int cursor = 0;
    int selStart = -1;  // -1: nothing selected
    int selLength = 0;
    // An empty box has nothing to select.
    bool AllSelected() const { return !text.isEmpty() && selStart == 0 && selLength == text.size(); }
};

// The text the box holds once the key has replaced the selection or gone in at the caret.
QString TextAfterKey(const TEditState &box, QChar key);

// The shortest general number form: up to 15 significant digits, no trailing zeros.
QString GeneralNumberText(double value, QChar separator = u'.');
QString GeneralNumberText(Currency value, QChar separator = u'.');

// A subset of the format pictures: "0" and "#" digits, "," for thousands, one decimal
// point, literal text before and after the digits (quoted or not), and up to three
// sections "positive;negative;zero". Halves round away from zero.
QString FormatFloat(const QString &format, Currency value, QChar separator = u'.', QChar thousands = u',');

// -- TdbiCurrency

// A leading sign, the digits and the separator count; anything else is passed over, and a
// text that leaves nothing is 0. Nothing when what is left is not a number.
std::optional<Currency> ParseCurrencyText(const QString &text, QChar separator);
// Whether the box takes the key; a refused key beeps. A maximum of 0 means none.
bool CurrencyKeyTaken(const TEditState &box, QChar key, int decimalPlaces, Currency maxValue, QChar separator);

// -- TNumEditPro ("." throughout)

enum TNumEditProKey {
    nkTake,      // the box edits as usual
    nkDrop,      // silently ignored
    nkReplace,   // the digit replaces the text "0"
    nkAboveMax,  // ignored; the box reports it
    nkBelowMin,
};
TNumEditProKey NumEditProKey(const TEditState &box, QChar key, int decimalPlaces, Currency minValue, Currency maxValue);

enum TCaretFix { cfKeep, cfEnd, cfSelectAll };
// What a changed text becomes: "." reads "0.", an empty text "0" selected, and a text
// that is not a number loses its last character (invalid is then true).
struct TNumEditProFix {
    QString text;
    TCaretFix caret = cfKeep;
    bool invalid = false;
};
TNumEditProFix NumEditProAfterChange(const QString &text);
// The value a text holds: 0 for "", "." and "-" and for what is not a number;
// a text that starts with "." reads as if a 0 stood before it.
Currency NumEditProValue(const QString &text);

// -- TNumEdit ("." throughout)

bool NumEditCharAllowed(QChar ch, bool allowNegative, const QString &permittedAlpha);
// Whether a key-down is passed on to the box's own handler: editing keys, "+", "-", ".",
// digits, and the permitted letters.
bool NumEditKeyReported(int qtKey, const QString &text, const QString &permittedAlpha);
// The value of a text: 0 when empty, nothing when it is not a finite number.
std::optional<double> NumEditParse(const QString &text);
// The text shown on leaving: exactly `decimals` decimals and "%" for a percentage, or money.
QString NumEditExitText(double value, int decimals, bool isPercent, bool isCurrency, const QLocale &locale = QLocale());
