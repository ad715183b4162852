#pragma once

#include "DateTimes.h"

#include <QString>

class TAdoConnection;

// A small delivery shop to try the program on, and the till simulator's writers.
class TDemoShop {
public:
    explicit TDemoShop(TAdoConnection &connection) : m_con(connection) {}

    // Suburbs, streets, customers, staff with permissions, activity codes, printers, an
    // open till shift, this computer as till 1, and a few open deliveries due around now.
    void Seed();
    // One delivery invoice with line items, as a till writes it; returns its InvoiceNum.
    int WriteOrder(TDateTime due);
    // Closed invoices over that many past trading days; returns the rows written.
    long long WriteHistory(int days, int invoicesPerDay = 120);

private:
    TAdoConnection &m_con;
};
