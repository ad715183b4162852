#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>
#include <functional>

// The card part of a payment: its details, the check of the number's length and of the
// expiry, and the notifications its payment listens to.
class TCreditCard {
public:
    virtual ~TCreditCard() = default;

    // Raised after each validation with its two results.
    std::function<void(bool numberValid, bool expiryValid)> OnValidated;
    // Raised after a detail changed.
    std::function<void()> OnDetailsChanged;

    bool NumberValid() const { return m_numberValid; }
    bool ExpiryValid() const { return m_expiryValid; }
    Currency Amount() const { return m_amount; }
    const QString &Number() const { return m_number; }
    quint8 CardType() const { return m_cardType; }
    int ExpiryMonth() const { return m_expiryMonth; }
    int ExpiryYear() const { return m_expiryYear; }  // four digits
    Currency Gratuity() const { return m_gratuity; }
    const QString &AccName() const { return m_accName; }
    int CCV() const { return m_ccv; }
    const QString &ExpiryDate() const { return m_expiryDate; }  // "MMYY"

    // Each stores a changed value and notifies; those of the number, the card type and the
    // expiry validate first. An unchanged value does nothing.
    virtual void SetExpiryDate(const QString &value);
    virtual void SetAmount(Currency value);
    virtual void SetAccName(const QString &value);
    virtual void SetCCV(int value);
    virtual void SetNumber(const QString &value);
    virtual void SetCardType(quint8 value);
    virtual void Validate();
    void SetGratuity(Currency value) { m_gratuity = value; }  // no notification

    // Every detail back to empty or 0 through the setters, then one notification.
    void Reset();
    // Every detail from the other card through the setters, then one notification.
    void Assign(const TCreditCard &other);

    // Types 0 and 1 need at least 16 characters, 2 at least 14, 3 at least 15, any other
    // exactly 16. Only the length is checked.
    static bool NumberLengthValid(quint8 cardType, qsizetype length);
    // The month and four-digit year of an "MMYY" text; false when it is not four digits.
    static bool ReadExpiry(const QString &expiryDate, int &month, int &year);
    // Month 1 to 12, year at most 2040, and today not after the first of the expiry month.
    static bool ExpiryDateValid(int month, int year, const QDate &today);

private:
    void Notify();
    enum class TCheck { None, Validate };
    // Stores a changed value, validates when asked, and notifies; an equal value does nothing.
    template <class T>
    void Change(T &field, const T &value, TCheck check);

    bool m_numberValid = false;
    bool m_expiryValid = false;
    Currency m_amount;
    QString m_number;
    quint8 m_cardType = 0;
    int m_expiryMonth = 0;
    int m_expiryYear = 0;
    Currency m_gratuity;
    QString m_accName;
    int m_ccv = 0;
    QString m_expiryDate;
};
