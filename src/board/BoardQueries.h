#pragma once

#include "data/DateTimes.h"

#include <QSqlQuery>
#include <QString>
#include <memory>
#include <vector>

class TAdoConnection;
class TDialect;
class TSqliteStatement;

// One open delivery as the board's query reads it. Date-times that are NULL read as 0.
struct TBoardRow {
    qlonglong InvoiceNum = 0;
    qlonglong OrderNum = 0;
    int TransType = 0;
    TDateTime TimeDue = 0, Date = 0, Assigned = 0, Departed = 0, TimeStampCooked = 0;
    QString NotifyName, DFirst, DLast, Firstname, Lastname, Flat, Address2, StreetNo, Street, GridRef, telephone;
};

// The board's two statements, kept prepared on the connection and re-run on every refresh.
class TBoardQueries {
public:
    explicit TBoardQueries(TAdoConnection &connection);
    ~TBoardQueries();

    // The statements as the suite writes them, with the engine's zero date. The joins are
    // written flat: SQLite materialises nested outer joins instead of using the index.
    static QString NotAssignedSql(const TDialect &dialect, int sortOrder);
    static QString AlreadyAssignedSql(const TDialect &dialect);  // :DayStart and :DayEnd

    // Orders not yet given to a driver: 0 by due time, 1 by map reference then due time.
    std::vector<TBoardRow> NotAssigned(int sortOrder);
    // Orders given to a driver and taken in the trading day [dayStart, dayEnd).
    std::vector<TBoardRow> AlreadyAssigned(TDateTime dayStart, TDateTime dayEnd);

private:
    struct TNativeStatements;
    // The statement on the engine under Qt's SQLite driver, when the program is built to
    // read it directly; nullptr otherwise.
    TSqliteStatement *NativeStatement(int slot, const QString &sql);
    QSqlQuery &Prepared(int slot, const QString &sql);
    std::vector<TBoardRow> Fetch(QSqlQuery &query);

    TAdoConnection &m_con;
    QSqlQuery m_queries[3];  // Not Assigned by due time, by map reference; Already Assigned
    std::unique_ptr<TNativeStatements> m_native;
};
