#pragma once

#include "clsCheque.h"

// A debit payment: every setter stores and notifies, even with the value already held.
class TDebitPayment : public TNamedTender {
public:
    TDebitPayment() : TNamedTender(true) {}
};
