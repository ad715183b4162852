#pragma once

#include "data/Currency.h"

#include <QString>
#include <functional>

// A tender given by a name and an amount (a cheque, a debit payment). It tells its payment
// through OnDetailsChanged when a detail is set.
class TNamedTender {
public:
    virtual ~TNamedTender() = default;

    const QString &Name() const { return m_name; }
    Currency Amount() const { return m_amount; }
    void SetName(const QString &value);
    void SetAmount(Currency value);
    // Amount and name from the other one, then one notification.
    void Assign(const TNamedTender &other);
    // Name empty and amount 0, through the setters.
    virtual void Reset();

    std::function<void()> OnDetailsChanged;

protected:
    // notifyUnchanged: a setter given the value already held still stores and notifies.
    explicit TNamedTender(bool notifyUnchanged) : m_notifyUnchanged(notifyUnchanged) {}
    void Notify();

private:
    template <class T>
    void Store(T &field, const T &value);

    QString m_name;
    Currency m_amount;
    bool m_notifyUnchanged;
};

// A cheque: a setter notifies only when the value changes; Reset notifies once more.
class TCheque : public TNamedTender {
public:
    TCheque() : TNamedTender(false) {}
    void Reset() override;
};
