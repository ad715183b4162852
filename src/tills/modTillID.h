#pragma once

#include "data/Currency.h"

#include <QString>

class TAdoConnection;
class TAdoQuery;

// What a registration of this workstation as a till stores in Tills.
struct TTillRegistration {
    int TillID = 0;
    QString ComputerName;
    QString HDSerial;
    QString UserName;
};

// The highest till number a workstation can register under.
constexpr int MaxTillID = 10;

// Moves an open query to that row (0-based); past the last row it stands at the end.
void SeekRow(TAdoQuery &query, int row);
// The index of the first row of an open Tills query whose "Computer Name" equals the name
// ignoring case; -1 when there is none or the name is empty. The query's position is kept.
int RowOfComputer(TAdoQuery &tills, const QString &computerName);
// The till number of the first row, in TillID order, whose "Computer Name" equals the name
// ignoring case; 0 when there is none or the name is empty. Database errors propagate.
int FindTillOfComputer(TAdoConnection *connection, const QString &computerName);
// The number the set-up proposes: 1 on an empty list, else the highest + 1, at most 10.
int NextTillID(TAdoConnection *connection);
// The computer (upper case) that holds that till number, or a null text when it is free.
QString TillHolder(TAdoConnection *connection, int tillID);
// The refusal shown when the number is taken.
QString TillTakenText(int tillID, const QString &holder);
void RegisterTill(TAdoConnection *connection, const TTillRegistration &registration);
// The question asked before a row of the list is deleted.
QString DeleteTillQuestion(const QString &computerName, int tillID);
void DeleteTillRow(TAdoConnection *connection, int tillsID);

// This workstation's till number, or -1 (start-up then ends the program). A registered
// computer gets its number without a window; otherwise the till list is shown, in which the
// user can register this computer.
int ResolveTillNumber(TAdoConnection *connection);

// Writes the cash-up row of a float paid out of a till shift, negated since the float
// leaves the till; false (after an information message) when it could not be written.
bool PayFloatFromTill(TAdoConnection *connection, int shiftNum, int number, const QString &empNum, Currency amount);
