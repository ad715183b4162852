#pragma once

#include "data/AdoObjects.h"

class TAttend;

constexpr int MaxOdometerReading = 1000000;
constexpr int MaxFloatAmount = 1000000;

// An entry of the "Paid from Till" list.
struct TTillShiftChoice {
    QString Text;
    int ShiftNum = 0;
};

// "Shift # 12, 05 Mar 2024, Till # 3", with English month names whatever the locale.
QString TillShiftText(int shiftNum, TDateTime date, int tillID);
// "Not paid from till" (shift 0), then the active till shifts in shift order. Database
// errors propagate.
QList<TTillShiftChoice> TillShiftChoices(TAdoConnection *connection);

// The float the employee holds now: 0 once clocked out or without a shift today.
Currency CurrentFloat(const TAttend &emp);
// "Amount" for a first float, "Add" when the employee already holds one.
QString FloatCaption(const TAttend &emp);
