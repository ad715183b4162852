#include "modTillID.h"

#include "app/Workstation.h"
#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"
#include "app/modUtils.h"
#include "data/AdoObjects.h"
#include "records/clsTills.h"

#include <algorithm>

namespace {

QString ComputerNameOf(const TAdoQuery &query)
{
    return TrimBlanks(query.FieldByName(QStringLiteral("Computer Name")).AsString());
}

} // namespace

void SeekRow(TAdoQuery &query, int row)
{
    query.First();
    while (query.RecNo() < row && !query.Eof())
        query.Next();
}

int RowOfComputer(TAdoQuery &tills, const QString &computerName)
{
    const QString wanted = TrimBlanks(computerName);
    if (wanted.isEmpty() || !tills.Active())
        return -1;
    const int kept = tills.RecNo();
    int found = -1;
    for (tills.First(); found < 0 && !tills.Eof(); tills.Next())
        if (ComputerNameOf(tills).compare(wanted, Qt::CaseInsensitive) == 0)
            found = tills.RecNo();
    SeekRow(tills, kept);
    return found;
}

int FindTillOfComputer(TAdoConnection *connection, const QString &computerName)
{
    TAdoQuery query(connection);
    query.SQL() = QStringList{QStringLiteral("SELECT * FROM Tills"), QStringLiteral("ORDER BY TillID")};
    query.Open();
    const int row = RowOfComputer(query, computerName);
    if (row < 0)
        return 0;
    SeekRow(query, row);
    return static_cast<int>(query.FieldByName(QStringLiteral("TillID")).AsInteger());
}

int NextTillID(TAdoConnection *connection)
{
    TAdoQuery query(connection);
    query.SQL() = QStringList{QStringLiteral("SELECT DISTINCT tillid"), QStringLiteral("FROM tills"), QStringLiteral("ORDER BY tillid ASC")};
    query.Open();
    if (query.IsEmpty())
        return 1;
    int highest = 0;
    for (query.First(); !query.Eof(); query.Next())
        highest = static_cast<int>(query.FieldByName(QStringLiteral("tillid")).AsInteger());
    return std::clamp(highest + 1, 1, MaxTillID);
}

QString TillHolder(TAdoConnection *connection, int tillID)
{
    TAdoQuery query(connection);
    query.SQL() = QStringList{QStringLiteral("SELECT * FROM tills"), QStringLiteral("WHERE TillID = :TillID")};
    query.ParamByName(QStringLiteral("TillID")).SetInteger(tillID);
    query.Open();
    if (query.IsEmpty())
        return {};
    return ComputerNameOf(query).toUpper();
}

QString TillTakenText(int tillID, const QString &holder)
{
    return QStringLiteral("The Till ID ") + QString::number(tillID) + QStringLiteral(" has already been ") + QStringLiteral("registered by...") +
           u'\r' + QStringLiteral("Computer: ") + holder.toUpper();
}

void RegisterTill(TAdoConnection *connection, const TTillRegistration &registration)
{
    TTillsItem till;
    till.SetAdoConnection(connection);
    till.SetLoginName(registration.UserName);
    till.SetTillID(registration.TillID);
    till.SetComputerName(registration.ComputerName);
    till.SetHDSerial(registration.HDSerial);
    till.Update();
}

QString DeleteTillQuestion(const QString &computerName, int tillID)
{
    return QStringLiteral("Delete [") + TrimBlanks(computerName) + QStringLiteral(" : ") + QString::number(tillID) + u']';
}

void DeleteTillRow(TAdoConnection *connection, int tillsID)
{
    TAdoCommand command(connection);
    command.SetCommandText(QStringLiteral("DELETE FROM Tills WHERE TillsID = :TillsID"));
    command.ParamByName(QStringLiteral("TillsID")).SetInteger(tillsID);
    command.Execute();
}

namespace {

// This computer's till number, 0 when unregistered or unreadable (the failure is shown).
int ThisTillNumber(TAdoConnection *connection)
{
    try {
        return FindTillOfComputer(connection, GetComputerName());
    } catch (const std::exception &e) {
        ShowError(QStringLiteral("Failed to refresh the query\r\rReason: ") + ExceptionMessage(e) + QStringLiteral("\r\r") +
                  QStringLiteral("Raised In: TfrmDbSelector.DoRefresh"));
        return 0;
    }
}

} // namespace

int ResolveTillNumber(TAdoConnection *connection)
{
    const int known = ThisTillNumber(connection);
    if (known >= 1)
        return known;
    if (Prompts().SelectTill(connection) == mrCancel)
        return -1;
    const int registered = ThisTillNumber(connection);
    return registered >= 1 ? registered : -1;
}

bool PayFloatFromTill(TAdoConnection *connection, int shiftNum, int number, const QString &empNum, Currency amount)
{
    try {
        TAdoCommand command(connection);
        command.SetCommandText(QStringLiteral("INSERT INTO CASHUP (SHIFTNUM, [DATE], CLASS, NUMBER, [NAME], AMOUNT) "
                                              "VALUES (:ShiftNum, :Date, 'FloatIssue', :Number, :Name, :Amount)"));
        command.ParamByName(QStringLiteral("ShiftNum")).SetInteger(shiftNum);
        command.ParamByName(QStringLiteral("Date")).SetDateTime(DateTimes::DayOf(DateTimes::Now()));
        command.ParamByName(QStringLiteral("Number")).SetInteger(number);
        command.ParamByName(QStringLiteral("Name")).SetString(QStringLiteral("Paid out to ") + empNum);
        command.ParamByName(QStringLiteral("Amount")).SetCurrency(-amount);
        return command.Execute() > 0;
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not save the float details into the till. Reason: ") + ExceptionMessage(e) + u'\r' +
                        QStringLiteral("Raised in [modTillID] PayFloatFromTill"));
        return false;
    }
}
