#include "clsCheque.h"

template <class T>
void TNamedTender::Store(T &field, const T &value)
{
    if (field == value && !m_notifyUnchanged)
        return;
    field = value;
    Notify();
}

void TNamedTender::SetName(const QString &value)
{
    Store(m_name, value);
}

void TNamedTender::SetAmount(Currency value)
{
    Store(m_amount, value);
}

void TNamedTender::Assign(const TNamedTender &other)
{
    m_amount = other.m_amount;
    m_name = other.m_name;
    Notify();
}

void TNamedTender::Reset()
{
    SetName(QString());
    SetAmount(Currency());
}

void TNamedTender::Notify()
{
    if (OnDetailsChanged)
        OnDetailsChanged();
}

void TCheque::Reset()
{
    TNamedTender::Reset();
    Notify();
}
