#pragma once

#include "support/FixedClock.h"
#include "app/modMsgDlgs.h"
#include "board/DispatchBoard.h"
#include "support/EngineFixture.h"

#include <optional>

// A fresh database with a street, a driver and a cashier, to which tests add open
// deliveries; the clock is fixed at Now until a test moves it.
class TBoardTest : public TDatabaseTest {
protected:
    static constexpr TDateTime Minute = 1.0 / 1440.0;
    static inline const TDateTime Now = DateTimes::EncodeDateTime(2024, 3, 5, 18, 30);

    void SetUp() override
    {
        TDatabaseTest::SetUp();
        for (const char *sql : {
                 "INSERT INTO GridRef (ID, GridRef) VALUES (1, 'B2')",
                 "INSERT INTO GridRef (ID, GridRef) VALUES (2, 'A1')",
                 "INSERT INTO StreetNames (ID, Street) VALUES (1, 'Camp Ground Road')",
                 "INSERT INTO StreetNames (ID, Street) VALUES (2, 'Main Road')",
                 "INSERT INTO Street (ID, StreetRef, GridRefLink) VALUES (1, 1, 1)",
                 "INSERT INTO Street (ID, StreetRef, GridRefLink) VALUES (2, 2, 2)",
                 "INSERT INTO Customer (InvLink, StreetNo, StreetLink, Flat, Address2) VALUES (1, '112', 1, 'Flat 4', 'Belvedere Court')",
                 "INSERT INTO Customer (InvLink, StreetNo, StreetLink) VALUES (2, '7', 2)",
                 "INSERT INTO Employee (EmpNum, FirstName, LastName) VALUES ('201', ' Themba ', 'Nkosi')",
                 "INSERT INTO Employee (EmpNum, FirstName, LastName) VALUES ('110', 'Grace', 'Mahlangu')",
                 "INSERT INTO Attend (InvoiceLink, EmpNum) VALUES (1, '201')",
                 "INSERT INTO Attend (InvoiceLink, EmpNum) VALUES (2, '110')",
             })
            con.Exec(QString::fromLatin1(sql));
    }
    void TearDown() override
    {
        board.reset();
        TDatabaseTest::TearDown();
    }

    static void SetClock(TDateTime now) { TFixedClock::Set(now); }

    // An open delivery taken by the cashier; one with an assignment time belongs to the driver.
    void AddOrder(int invoiceNum, TDateTime taken, TDateTime due, std::optional<TDateTime> toDriver = {}, int status = 0,
                  int transType = 3, int customer = 1, std::optional<TDateTime> departed = {})
    {
        TAdoCommand insert(&con);
        insert.SetCommandText(QStringLiteral(
            "INSERT INTO Invoices (InvoiceNum, OrderNum, Date, TimeDue, TimeToDrvr, TimeStampDriver, TransType, Status, "
            "CustLink, CashierLink, DriverLink, NotifyName, Telephone) VALUES (:InvoiceNum, :OrderNum, :Date, :TimeDue, "
            ":TimeToDrvr, :Departed, :TransType, :Status, :CustLink, 2, :DriverLink, :NotifyName, '0215550100')"));
        insert.ParamByName(QStringLiteral("InvoiceNum")).SetInteger(invoiceNum);
        insert.ParamByName(QStringLiteral("OrderNum")).SetInteger(100 + invoiceNum);
        insert.ParamByName(QStringLiteral("Date")).SetDateTime(taken);
        insert.ParamByName(QStringLiteral("TimeDue")).SetDateTime(due);
        TParameter &driverTime = insert.ParamByName(QStringLiteral("TimeToDrvr"));
        toDriver ? driverTime.SetDateTime(*toDriver) : driverTime.SetNull(TFieldType::DateTime);
        TParameter &left = insert.ParamByName(QStringLiteral("Departed"));
        departed ? left.SetDateTime(*departed) : left.SetNull(TFieldType::DateTime);
        insert.ParamByName(QStringLiteral("TransType")).SetInteger(transType);
        insert.ParamByName(QStringLiteral("Status")).SetInteger(status);
        insert.ParamByName(QStringLiteral("CustLink")).SetInteger(customer);
        insert.ParamByName(QStringLiteral("DriverLink")).SetInteger(toDriver && *toDriver > 0 ? 1 : 0);
        insert.ParamByName(QStringLiteral("NotifyName")).SetString(QStringLiteral("Customer %1").arg(invoiceNum));
        insert.Execute();
    }

    void SetStatus(int invoiceNum, int status)
    {
        con.Exec(QStringLiteral("UPDATE Invoices SET Status = %1 WHERE InvoiceNum = %2").arg(status).arg(invoiceNum));
    }

    TDispatchBoard &Board(TBoardSettings settings = {})
    {
        if (!board)
            board = std::make_unique<TDispatchBoard>(con, settings);
        return *board;
    }

    // The InvoiceNums the board shows, top to bottom.
    QList<qlonglong> Shown() const
    {
        QList<qlonglong> shown;
        for (const TBoardRow &row : board->Model().Rows())
            shown.append(row.InvoiceNum);
        return shown;
    }
    qlonglong CurrentInvoice() const
    {
        const TBoardRow *row = board->Model().Current();
        return row ? row->InvoiceNum : 0;
    }

    TFixedClock clock{Now};
    std::unique_ptr<TDispatchBoard> board;
};
