#pragma once

#include "RecordColumns.h"

#include <QByteArray>
#include <QStringList>

// The radix-64 text in which the FingerPrint column holds a template's bytes: six bits a
// character, no fill character.
namespace FingerPrintText {
QString Encode(const QByteArray &bytes);
// Stops at the first character outside the alphabet; bits left at the end are dropped.
QByteArray Decode(const QString &text);
} // namespace FingerPrintText

enum class TPasswordKind { Normal, Invoice };

// One row of Employee with its category's description and, on demand, the access codes the
// category grants. Only the four password fields mark the record modified when set; a
// caller that changes another field marks it itself.
class TEmployee : public TColumnRecord<TEmployee> {
public:
    explicit TEmployee(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TEmployee"); }

    void Clone(const TRootCollectionItem &source) override;
    int Delete() override;
    // Updates the row of EmpNum, or inserts a new record (IsNew) under the EmpNum it holds.
    int Update() override;
    virtual bool LoadByEmpNum(QString number);
    // column: "EmpNum", "Password" or "InvoicePassword" (optionally "Employee."-qualified).
    virtual bool LoadByField(QString column, QString value);

    QString GetFullName() const;
    void RefreshAccessCodes();
    bool HasAccessCode(const QString &code);  // letter case ignored
    // True when no employee has that password (or invoice password).
    bool PasswordIsUnused(const QString &password, TPasswordKind which);

    const QString &Password() const { return m_password; }
    const QString &InvoicePassword() const { return m_invoicePassword; }
    TDateTime DatePasswordChanged() const { return m_datePasswordChanged; }
    TDateTime DateInvoicePasswordChanged() const { return m_dateInvoicePasswordChanged; }
    void SetPassword(const QString &value) { Assign(m_password, value); }
    void SetInvoicePassword(const QString &value) { Assign(m_invoicePassword, value); }
    void SetDatePasswordChanged(TDateTime value) { Assign(m_datePasswordChanged, value); }
    void SetDateInvoicePasswordChanged(TDateTime value) { Assign(m_dateInvoicePasswordChanged, value); }

    Currency MaxDiscPctAny;
    Currency MaxDiscValueAny;
    int KIColour = 0;
    bool Waiter = false;
    bool Active = false;
    QString Category;
    TDateTime Date = 0;
    TDateTime DiscDate = 0;
    bool DoesDeliveries = false;
    QString EmpNum;
    QString FirstName;
    QString Flat;
    Currency HourlyRate;
    Currency KmRate;
    double KmsPrDeliv = 0;
    QString LastName;
    TDateTime LastWorked = 0;
    double MtdDelAmt = 0;
    double MtdKms = 0;
    double MtdNumDel = 0;
    double MtdHrs = 0;
    double MtdTimeW = 0;
    Currency MtdTips;
    double MtdTravelW = 0;
    Currency PayRatePerDelivery;
    double PctDisc = 0;
    Currency PctMax;
    QString PostCode;
    Currency RandDisc;
    Currency ShiftDisc;
    QString Street;
    QString Suburb;
    QString Telephone;
    QString Telephone2;
    double ShToDate = 0;
    double YtdHrs = 0;
    double YtdKms = 0;
    double YtdNumDel = 0;
    double YtdDelAmt = 0;
    double YtdTimeW = 0;
    Currency YtdTips;
    double YtdTravelW = 0;
    Currency MonthlyMaxSpend;
    Currency MaxDiscValue;
    double MaxDiscPct = 0;
    QString FingerPrint;  // the template, one character (Latin-1) a byte
    // The template as the FingerPrint column holds it; empty for none.
    QString StoredFingerPrint() const;
    QStringList AccessCodes;
    QString Descriptn;    // of the category, when the query supplies it

protected:
    // The qualified column a lookup may use; anything else is refused.
    static QString LookupColumn(const QString &column, const QString &raisedIn);
    void ResetFields() override;
    // The passwords, the fingerprint and the category description, which no column describes.
    void Loaded(TAdoQuery &dataset) override;

private:
    QString m_password;
    QString m_invoicePassword;
    TDateTime m_datePasswordChanged = 0;
    TDateTime m_dateInvoicePasswordChanged = 0;
};

class TEmployees : public TCollectionDBOf<TEmployee> {};
