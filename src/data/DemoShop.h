#pragma once

#include "DateTimes.h"

#include <QRandomGenerator>
#include <QString>
#include <memory>

class TAdoConnection;
namespace DemoShopParts {
struct TShopKeys;
class TShopWriter;
} // namespace DemoShopParts

// A small delivery shop to try the program on, and the till simulator's writers.
class TDemoShop {
public:
    explicit TDemoShop(TAdoConnection &connection);
    ~TDemoShop();
    TDemoShop(const TDemoShop &) = delete;
    TDemoShop &operator=(const TDemoShop &) = delete;

    // Suburbs, streets, customers, staff with permissions, activity codes, printers, an
    // open till shift, this computer as till 1, and a few open deliveries due around now.
    // Runs in the caller's transaction; refuses a database that already has employees.
    void Seed();
    // One delivery invoice with line items, as a till writes it; returns its InvoiceNum.
    // Runs in a transaction of its own.
    int WriteOrder(TDateTime due);
    // Closed invoices over that many past trading days; returns the rows written.
    // One transaction per day, so it must not run inside another transaction.
    long long WriteHistory(int days, int invoicesPerDay = 120);
    // The kitchen: open deliveries taken at or before that time and not yet cooked are
    // stamped cooked now, so the board lets them be assigned. Returns how many.
    int CookOrders(TDateTime takenBefore);

    // Passwords of the demo staff, as the password dialog hands them over (upper case).
    static QString ManagerPassword() { return QStringLiteral("9999"); }
    static QString CashierPassword() { return QStringLiteral("5555"); }
    static QString DriverPassword(int driver) { return QString(4, QChar(u'1' + driver)); }  // 0 -> "1111"

private:
    const DemoShopParts::TShopKeys &Keys();
    DemoShopParts::TShopWriter &Writer();
    void OpenTodaysShifts(TDateTime now);
    void WriteOpenOrders();
    long long WriteTradingDay(TDateTime day, int invoices);
    int NextOrderNum(TDateTime now);

    TAdoConnection &m_con;
    QRandomGenerator m_random;
    std::unique_ptr<DemoShopParts::TShopKeys> m_keys;
    std::unique_ptr<DemoShopParts::TShopWriter> m_writer;
};
