#include "clsCreditCard.h"

#include "data/DateTimes.h"

template <class T>
void TCreditCard::Change(T &field, const T &value, TCheck check)
{
    if (field == value)
        return;
    field = value;
    if (check == TCheck::Validate)
        Validate();
    Notify();
}

void TCreditCard::Notify()
{
    if (OnDetailsChanged)
        OnDetailsChanged();
}

void TCreditCard::SetExpiryDate(const QString &value)
{
    Change(m_expiryDate, value, TCheck::Validate);
}

void TCreditCard::SetAmount(Currency value)
{
    Change(m_amount, value, TCheck::None);
}

void TCreditCard::SetAccName(const QString &value)
{
    Change(m_accName, value, TCheck::None);
}

void TCreditCard::SetCCV(int value)
{
    Change(m_ccv, value, TCheck::None);
}

void TCreditCard::SetNumber(const QString &value)
{
    Change(m_number, value, TCheck::Validate);
}

void TCreditCard::SetCardType(quint8 value)
{
    Change(m_cardType, value, TCheck::Validate);
}

bool TCreditCard::NumberLengthValid(quint8 cardType, qsizetype length)
{
    switch (cardType) {
    case 0:
    case 1: return length >= 16;
    case 2: return length >= 14;
    case 3: return length >= 15;
    default: return length == 16;
    }
}

bool TCreditCard::ReadExpiry(const QString &expiryDate, int &month, int &year)
{
    month = 0;
    year = 0;
    if (expiryDate.size() != 4)
        return false;
    for (const QChar c : expiryDate)
        if (c < u'0' || c > u'9')
            return false;
    month = expiryDate.left(2).toInt();
    year = 2000 + expiryDate.right(2).toInt();
    return true;
}

bool TCreditCard::ExpiryDateValid(int month, int year, const QDate &today)
{
    if (month < 1 || month > 12 || year > 2040)
        return false;
    return today <= QDate(year, month, 1);
}

void TCreditCard::Validate()
{
    m_numberValid = NumberLengthValid(m_cardType, m_number.size());
    // An expiry that is not four digits (a stored text typed wrongly) is invalid rather than
    // an error, so that a transaction carrying it still loads.
    m_expiryValid = ReadExpiry(m_expiryDate, m_expiryMonth, m_expiryYear)
                 && ExpiryDateValid(m_expiryMonth, m_expiryYear, DateTimes::DateOf(DateTimes::Now()));
    if (OnValidated)
        OnValidated(m_numberValid, m_expiryValid);
}

void TCreditCard::Reset()
{
    SetNumber(QString());
    SetCardType(0);
    SetAccName(QString());
    SetAmount(Currency());
    SetGratuity(Currency());
    SetExpiryDate(QString());
    SetCCV(0);
    Notify();
}

void TCreditCard::Assign(const TCreditCard &other)
{
    SetExpiryDate(other.m_expiryDate);
    SetAccName(other.m_accName);
    SetAmount(other.m_amount);
    SetCCV(other.m_ccv);
    SetGratuity(other.m_gratuity);
    SetNumber(other.m_number);
    SetCardType(other.m_cardType);
    Notify();
}
