#include "Payment.h"

#include "data/datamodOrvik.h"

TPayment::TPayment()
{
    if (dmOrvik)
        AccountCustomer.SetAdoConnection(&dmOrvik->con);
    const auto recalculate = [this] { Recalculate(); };
    CreditCard.OnDetailsChanged = recalculate;
    Cheque.OnDetailsChanged = recalculate;
    DebitPayment.OnDetailsChanged = recalculate;
}

template <class T>
void TPayment::StoreAndRecalculate(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    Recalculate();
}

void TPayment::SetTendered(Currency value)
{
    StoreAndRecalculate(m_tendered, value);
}

void TPayment::SetAmountDue(Currency value)
{
    StoreAndRecalculate(m_amountDue, value);
}

void TPayment::SetOutstanding(Currency value)
{
    StoreAndRecalculate(m_outstanding, value);
}

void TPayment::Recalculate()
{
    const Currency balance = m_tendered + CreditCard.Amount() + Cheque.Amount() + DebitPayment.Amount() - m_amountDue;
    if (balance >= Currency()) {
        m_change = balance;
        m_outstanding = {};
    } else {
        m_outstanding = -balance;
        m_change = {};
    }
    if (OnCalc)
        OnCalc();
}

void TPayment::Reset()
{
    SetAmountDue({});
    SetTendered({});
    CreditCard.Reset();
    Cheque.Reset();
    DebitPayment.Reset();
}

void TPayment::Assign(const TPayment &other)
{
    if (&other == this)
        return;
    CreditCard.Assign(other.CreditCard);
    Cheque.Assign(other.Cheque);
    DebitPayment.Assign(other.DebitPayment);
    SetOutstanding(other.m_outstanding);
    SetAmountDue(other.m_amountDue);
    SetTendered(other.m_tendered);
    AccountCustomer.Clone(other.AccountCustomer);
    Recalculate();
}
