#pragma once

#include "clsInvoices.h"

// The address part of a customer row: read with the customer, never on its own.
class TDeliveryInfo : public TRecordItem {
public:
    explicit TDeliveryInfo(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TDeliveryInfo"); }

    void Clear() override;
    // Not supported: says so and copies nothing.
    void Clone(const TRootCollectionItem &source) override;
    // The columns the row has; the others stay empty.
    bool Populate(TAdoQuery *dataset) override;
    // The customer's copy of its own address, without the message of Clone.
    void CopyFrom(const TDeliveryInfo &source);

    Currency DelivChg;
    QString Address2;
    QString Flat;
    QString Suburb;
    QString Street;
    QString GridRef;
    QString Telephone;
    QString StreetNo;

private:
    static const RecordColumns::TColumn<TDeliveryInfo> Columns[];
};

// One customer with the names of its street, suburb and map square, the delivery charge of
// that square, its address, and on demand its newest invoice. Read only: Update writes
// nothing.
class TCustomer : public TColumnRecord<TCustomer> {
public:
    explicit TCustomer(TRootCollection *collection = nullptr);
    QString ClassName() const override { return QStringLiteral("TCustomer"); }

    QString GetDisplayString() const override;  // telephone " - " full name
    void Clone(const TRootCollectionItem &source) override;
    void SetAdoConnection(TAdoConnection *connection) override;
    int Update() override;  // this program never writes customers: 0

    virtual bool CheckComplaints();
    virtual bool LoadLastInvoice();
    virtual bool LoadByInvLink(int invLink);
    virtual bool LoadByTelephone(const QString &number);
    // The customer with its street, suburb and map square; condition is the statement's
    // WHERE line, its values bound through params. False for an empty condition.
    bool LoadWhere(const QString &condition, std::initializer_list<RecordColumns::TQueryParam> params = {});

    // The trimmed last name, ", " and the trimmed first name; either alone when the other
    // is missing; "Name Not Set" with neither. At most 30 characters.
    QString GetFullName() const;
    // The delivery charge of the customer's map square; 0 for no key, street or square.
    Currency GetDeliveryCharge(int invLink);

    int InvLink = 0;
    QString Address2;
    QString Flat;
    QString FirstName;
    QString Fax;
    QString EmailAddress;
    QString LastName;
    QString Telephone;
    int StreetLink = 0;
    QString PAddr1;
    QString StreetNo;
    QString PSuburb;  // the street's suburb when the customer has none
    QString PAddr2;
    QString PAddr3;
    QString PPostCode;  // PostCode when the customer has no postal code
    QString Descriptn;
    Currency PrevOrders;
    Currency DelivChg;
    TDateTime DateFirst = 0;
    TDateTime DateLast = 0;
    Currency Mtd;
    Currency Ytd;
    bool Introduced = false;
    bool Active = false;
    Currency Last_Amt;
    Currency Last_Disc;
    int Hoax = 0;
    double NextDiscP = 0;
    Currency NextDiscR;
    QString Zone;
    QString Notes;
    QString Reminder;
    QString FullName;
    int AccountTerms = 0;
    Currency CreditLimit;
    bool AccountApproved = false;
    TDeliveryInfo DeliveryInfo;
    QString Suburb;
    QString Street;
    QString GridRef;
    QString Cell;
    TInvoice LastInvoice;
    Currency Std;
    bool HasComplaints = false;
    bool ReceiveSMS = false;
    bool ReceiveEmail = false;
    int PricingLevel = 0;
    int Frequency = 0;
    int Recency = 0;
    bool NODISCOUNTS = false;

protected:
    void ResetFields() override;
    // The fallbacks, the derived fields and the address, after the row's columns.
    void Loaded(TAdoQuery &dataset) override;

private:
    static const RecordColumns::TColumn<TCustomer> Columns[];
    static const RecordColumns::TColumn<TCustomer> StreetColumns[];
};
