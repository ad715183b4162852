#pragma once

#include "clsLineitems.h"

// Transaction types of an invoice.
enum TTransType { ttCounter = 1, ttCollect = 2, ttDelivery = 3, ttTable = 4 };

// One row of Invoices with its lines and the computations of its totals. Amounts that a
// setter passes on (in a transaction, to its payment) are reached through the setters.
class TInvoice : public TColumnRecord<TInvoice> {
public:
    explicit TInvoice(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TInvoice"); }

    // Every field of the source and copies of its lines; the totals as the source's
    // computations give them.
    void Clone(const TRootCollectionItem &source) override;
    void SetAdoConnection(TAdoConnection *connection) override;

    virtual QString GetStaffMealEmpNum() const { return m_staffMealEmpNum; }
    virtual int GetTransType() const { return m_transType; }
    virtual void SetAfterDisc(Currency amount) { m_afterDisc = amount; }
    virtual void SetRounding(double amount);  // rounded to cents, in currency units
    virtual void SetDate(TDateTime value);     // also the date of every line
    virtual void SetChange(Currency value) { m_change = value; }
    virtual void SetInvoiceNum(int value);     // also the invoice number of every line
    virtual void SetStaffMealEmpNum(const QString &value) { m_staffMealEmpNum = value; }
    virtual void SetTransType(int value) { m_transType = value; }
    virtual void SetTendered(Currency value) { m_tendered = value; }
    virtual void SetIsPrepared(bool value) { m_isPrepared = value; }
    virtual void SetIsClosed(bool value) { m_isClosed = value; }
    virtual void SetCC_AccName(const QString &value) { m_ccAccName = value; }
    virtual void SetCC_Amount(Currency value) { m_ccAmount = value; }
    virtual void SetCC_CCV(int value) { m_ccCCV = value; }
    virtual void SetCC_ExpiryDate(const QString &value) { m_ccExpiryDate = value; }
    virtual void SetCC_Number(const QString &value) { m_ccNumber = value; }
    virtual void SetCC_Type(int value) { m_ccType = value; }
    virtual void SetCC_Gratuity(Currency value) { m_ccGratuity = value; }
    virtual void SetChequeAmount(Currency value) { m_chequeAmount = value; }
    virtual void SetChequeName(const QString &value) { m_chequeName = value; }

    // The totals, each rounded to cents (halves to even) on return; see the .cpp.
    virtual Currency GetTotalPrice();
    virtual Currency ComputeNetOVat();
    virtual Currency GetAfterDisc();
    virtual Currency GetDiscountLine();
    virtual Currency GetNetOVat();
    virtual Currency GetVat();
    virtual Currency GetDelivChg();
    // The invoice with its discount's description and its lines; false below 1 or when no
    // row has that number.
    virtual bool LoadByInvoiceNum(int number);
    Currency GetDiscountInvoice();  // a negative invoice discount counts as none

    int InvoiceNum() const { return m_invoiceNum; }
    TDateTime Date() const { return m_date; }
    int TransType() const { return m_transType; }
    Currency AfterDisc() const { return m_afterDisc; }
    double Rounding() const { return m_rounding; }
    Currency Tendered() const { return m_tendered; }
    Currency Change() const { return m_change; }
    bool IsPrepared() const { return m_isPrepared; }
    bool IsClosed() const { return m_isClosed; }
    const QString &CC_AccName() const { return m_ccAccName; }
    Currency CC_Amount() const { return m_ccAmount; }
    int CC_CCV() const { return m_ccCCV; }
    const QString &CC_ExpiryDate() const { return m_ccExpiryDate; }
    const QString &CC_Number() const { return m_ccNumber; }
    int CC_Type() const { return m_ccType; }
    Currency CC_Gratuity() const { return m_ccGratuity; }
    Currency ChequeAmount() const { return m_chequeAmount; }
    const QString &ChequeName() const { return m_chequeName; }

    quint8 Mode = 0;  // 2 when loaded for printing: the stored rounding is then kept
    bool ClosedTable = false;
    int fkTablesID = -1;
    int OrderNum = 0;
    int CustLink = 0;
    double ShiftNum = 0;
    QString Telephone;
    QString NotifyName;
    bool DiscountBy = false;
    bool IsLateDelivery = false;
    TDateTime LastDiscountApplied = 0;
    Currency LastDiscountAfterDisc;
    TDateTime TimeDue = 0;
    TDateTime TimeStampCooked = 0;
    TDateTime TimeStampDriver = 0;
    TDateTime TimeToDrvr = 0;
    bool Board = false;
    QString DiscountAuth;
    Currency DiscountInvoice;
    Currency DiscountValue;
    double DiscountPercent = 0;
    Currency DiscountLine;
    double DiscountP = 0;
    Currency DiscountR;
    Currency DelivChg;
    bool DiscountDelivChg = false;
    QString TableNum;
    Currency DiscAmt;
    Currency TotalPrice;
    Currency Vat;
    Currency NetOVat;
    Currency Cash;
    Currency DriverCash;
    Currency Cheque;
    Currency Coupon;
    QString DscNote;
    int DriverLink = -1;
    QString Driver;
    bool Completed = false;
    int Status = 0;
    QString Comment;
    bool Account = false;
    int CashierLink = -1;
    QString StaffMeal;
    QString Cashier;
    TDateTime TimeAtCust = 0;
    QString Prepared;
    int DiscountCode = -1;
    int OverringCode = -1;
    QString AdhocNote;
    double VatRate = 0;  // the "VAT RATE" setting; a cleared invoice keeps it
    int HeadCount = 0;
    bool IsPaidOnline = false;
    TLineitem Lines;
    QString InvoiceDiscountDescription;
    QString CouponFilename;

protected:
    // Every field empty, 0 or false, the links -1 and Prepared "0"; the amounts that a
    // setter passes on go through it. Mode and VatRate keep their values.
    void ResetFields() override;
    // The lines, then the columns read through their setters in the suite's order.
    void Loaded(TAdoQuery &dataset) override;

    TDateTime m_date = 0;
    int m_invoiceNum = 0;
    QString m_staffMealEmpNum;
    int m_transType = 0;
    Currency m_afterDisc;
    double m_rounding = 0;
    Currency m_tendered;
    Currency m_change;
    bool m_isPrepared = false;
    bool m_isClosed = false;
    QString m_ccAccName;
    Currency m_ccAmount;
    int m_ccCCV = 0;
    QString m_ccExpiryDate;
    QString m_ccNumber;
    int m_ccType = 0;
    Currency m_ccGratuity;
    Currency m_chequeAmount;
    QString m_chequeName;

private:
    static const RecordColumns::TColumn<TInvoice> Columns[];
    static const RecordColumns::TColumn<TInvoice> PassedOnColumns[];  // copied, not read
};

class TInvoices : public TCollectionDBOf<TInvoice> {
public:
    // The date of the newest open invoice; 0 when there is none.
    TDateTime GetMaxOpenInvoiceDate();
};
