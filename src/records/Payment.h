#pragma once

#include "clsCheque.h"
#include "clsCreditCard.h"
#include "clsCustomer.h"
#include "clsDebitPayment.h"

// The tenders of one invoice (cash, card, cheque, debit payment) and what they leave: the
// change to give or the amount still outstanding, worked out again whenever a tender or the
// amount due changes.
class TPayment {
public:
    TPayment();
    virtual ~TPayment() = default;
    TPayment(const TPayment &) = delete;
    TPayment &operator=(const TPayment &) = delete;

    Currency Tendered() const { return m_tendered; }
    Currency Outstanding() const { return m_outstanding; }
    Currency Change() const { return m_change; }
    Currency AmountDue() const { return m_amountDue; }

    // Each stores a changed value and recalculates; an unchanged value does nothing.
    void SetTendered(Currency value);
    void SetAmountDue(Currency value);
    void SetOutstanding(Currency value);

    // Change := what the tenders exceed the amount due by, or Outstanding := what they fall
    // short by; the other is 0. Then OnCalc.
    void Recalculate();
    void Reset();
    void Assign(const TPayment &other);

    std::function<void()> OnCalc;  // after every recalculation

    TCreditCard CreditCard;
    TCheque Cheque;
    TDebitPayment DebitPayment;
    TCustomer AccountCustomer;  // carried, not loaded
    int InvoiceNum = 0;

private:
    template <class T>
    void StoreAndRecalculate(T &field, const T &value);

    Currency m_tendered;
    Currency m_outstanding;
    Currency m_change;
    Currency m_amountDue;
};
