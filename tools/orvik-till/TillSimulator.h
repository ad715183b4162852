#pragma once

#include "data/AdoObjects.h"

#include <QTextStream>

// The till simulator's commands on one database. Errors are thrown for main to report.
class TTillSimulator {
public:
    explicit TTillSimulator(QTextStream &out) : m_out(out) {}

    // A new embedded database file is created with the suite's tables and the demo shop.
    void Connect(const QString &connectionString);
    // The demo shop, with the tables first when the database has none.
    void Seed();
    // An order every few seconds, count times (0: until stopped), one line printed per order.
    void Orders(double everySeconds, int count);
    void History(int days);

private:
    void RequireTables();
    void PrintOrder(int invoiceNum);

    TAdoConnection m_con;
    QTextStream &m_out;
    bool m_created = false;
};
