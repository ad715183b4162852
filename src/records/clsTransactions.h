#pragma once

#include "Payment.h"
#include "clsAttend.h"
#include "clsCustomer.h"

// An invoice with everything its printed slip needs: the customer and address, the
// cashier's and the driver's (or waiter's) shifts, the staff-meal employee and the payment.
// Tendered amounts, card and cheque details go both ways between the invoice and the
// payment: a setter passes its value on, and each recalculation of the payment is copied
// back.
class TTransaction : public TInvoice {
public:
    explicit TTransaction(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TTransaction"); }

    void Clone(const TRootCollectionItem &source) override;
    void SetAdoConnection(TAdoConnection *connection) override;
    QString GetStaffMealEmpNum() const override;
    // The amount less the rounding (reset to 0 unless loaded for printing); also the
    // payment's amount due.
    void SetAfterDisc(Currency amount) override;
    void SetInvoiceNum(int value) override;
    // Also loads the staff-meal employee, or clears it for an empty number.
    void SetStaffMealEmpNum(const QString &value) override;
    // The tendered amount, the card and the cheque details are stored and given to the payment.
    void SetTendered(Currency value) override { m_tendered = value; Payment.SetTendered(value); }
    void SetCC_AccName(const QString &value) override { m_ccAccName = value; Payment.CreditCard.SetAccName(value); }
    void SetCC_Amount(Currency value) override { m_ccAmount = value; Payment.CreditCard.SetAmount(value); }
    void SetCC_CCV(int value) override { m_ccCCV = value; Payment.CreditCard.SetCCV(value); }
    void SetCC_ExpiryDate(const QString &value) override { m_ccExpiryDate = value; Payment.CreditCard.SetExpiryDate(value); }
    void SetCC_Number(const QString &value) override { m_ccNumber = value; Payment.CreditCard.SetNumber(value); }
    void SetCC_Type(int value) override { m_ccType = value; Payment.CreditCard.SetCardType(static_cast<quint8>(value)); }
    void SetCC_Gratuity(Currency value) override { m_ccGratuity = value; Payment.CreditCard.SetGratuity(value); }
    void SetChequeAmount(Currency value) override { m_chequeAmount = value; Payment.Cheque.SetAmount(value); }
    void SetChequeName(const QString &value) override { m_chequeName = value; Payment.Cheque.SetName(value); }
    // 0 unless a delivery; an open delivery takes its customer's current charge.
    Currency GetDelivChg() override;
    // The invoice with its customer, the cashier's shift of the current trading day, the
    // driver's shift of any day and the staff-meal employee; those not found stay cleared.
    bool LoadByInvoiceNum(int number) override;
    // Deliveries (types 2 and 3) are not allowed here and become counter sales; a counter
    // sale has no driver.
    virtual void ChangeTransType(int type);

    void ClearAll();
    QString GetWaiterName() const;
    bool HasNewLines() const;
    bool HasModifiedLines() const;
    // A stored transaction that was changed or whose lines were added to or changed.
    bool IsModifiedOrder() const;

    TCustomer Customer;
    TAttend CashierAttend;
    TAttend DriverAttend;  // the driver of a delivery, the waiter of a table order
    TPayment Payment;
    TEmployee StaffMealEmployee;
    bool Reprint = false;
    bool PaidOnline = false;
    QString AltCustomerName;

protected:
    void ResetFields() override;

private:
    void TakeFromPayment();
};
