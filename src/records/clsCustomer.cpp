#include "clsCustomer.h"

#include "app/modMsgDlgs.h"
#include "app/modUtils.h"

using namespace RecordColumns;

namespace {

constexpr int Text = EmptyWhenNul;
constexpr qsizetype FullNameLength = 30;

} // namespace

// ---- TDeliveryInfo

const TColumn<TDeliveryInfo> TDeliveryInfo::Columns[] = {
    {"DelivChg", &TDeliveryInfo::DelivChg},
    {"Address2", &TDeliveryInfo::Address2, Text},
    {"Flat", &TDeliveryInfo::Flat, Text},
    {"Suburb", &TDeliveryInfo::Suburb, Text},
    {"Street", &TDeliveryInfo::Street, Text},
    {"GridRef", &TDeliveryInfo::GridRef, Text},
    {"Telephone", &TDeliveryInfo::Telephone, Text},
    {"StreetNo", &TDeliveryInfo::StreetNo, Text},
};

TDeliveryInfo::TDeliveryInfo(TRootCollection *collection) : TRecordItem(collection) {}

void TDeliveryInfo::Clear()
{
    TRecordItem::Clear();
    ClearColumns<TDeliveryInfo>(*this, Columns);
}

void TDeliveryInfo::Clone(const TRootCollectionItem &)
{
    ShowInformation(QStringLiteral("TDeliveryInfo.Clone not implemented yet"));
}

bool TDeliveryInfo::Populate(TAdoQuery *dataset)
{
    if (!TRecordItem::Populate(dataset))
        return false;
    ReadPresentColumns<TDeliveryInfo>(*this, *dataset, Columns);
    return true;
}

void TDeliveryInfo::CopyFrom(const TDeliveryInfo &source)
{
    TRecordItem::Clone(source);
    CopyColumns<TDeliveryInfo>(*this, source, Columns);
}

// ---- TCustomer

const TColumn<TCustomer> TCustomer::Columns[] = {
    {"AccountTerms", &TCustomer::AccountTerms},
    {"AccountApproved", &TCustomer::AccountApproved},
    {"CreditLimit", &TCustomer::CreditLimit},
    {"PricingLevel", &TCustomer::PricingLevel},
    {"InvLink", &TCustomer::InvLink},
    {"Address2", &TCustomer::Address2, Text},
    {"Flat", &TCustomer::Flat, Text},
    {"FirstName", &TCustomer::FirstName, Text},
    {"Fax", &TCustomer::Fax, Text},
    {"EmailAddress", &TCustomer::EmailAddress, Text},
    {"LastName", &TCustomer::LastName, Text},
    {"Cell", &TCustomer::Cell, Text},
    {"Telephone", &TCustomer::Telephone, Text},
    {"StreetLink", &TCustomer::StreetLink},
    {"PAddr1", &TCustomer::PAddr1, Text},
    {"StreetNo", &TCustomer::StreetNo, Text},
    {"PSuburb", &TCustomer::PSuburb, Text},
    {"PAddr2", &TCustomer::PAddr2, Text},
    {"PAddr3", &TCustomer::PAddr3, Text},
    {"PPostCode", &TCustomer::PPostCode, Text},
    {"Descriptn", &TCustomer::Descriptn, Text},
    {"PrevOrders", &TCustomer::PrevOrders},
    {"Frequency", &TCustomer::Frequency},
    {"Recency", &TCustomer::Recency},
    {"DateFirst", &TCustomer::DateFirst, DateTime},
    {"DateLast", &TCustomer::DateLast, DateTime},
    {"Mtd", &TCustomer::Mtd},
    {"Ytd", &TCustomer::Ytd},
    {"Std", &TCustomer::Std},
    {"Introduced", &TCustomer::Introduced},
    {"Active", &TCustomer::Active},
    {"ReceiveEmail", &TCustomer::ReceiveEmail},
    {"ReceiveSMS", &TCustomer::ReceiveSMS},
    {"Last_Amt", &TCustomer::Last_Amt},
    {"Last_Disc", &TCustomer::Last_Disc},
    {"Hoax", &TCustomer::Hoax},
    {"NextDiscP", &TCustomer::NextDiscP},
    {"NextDiscR", &TCustomer::NextDiscR},
    {"Zone", &TCustomer::Zone, Text},
    {"Notes", &TCustomer::Notes, Text},
    {"Reminder", &TCustomer::Reminder, Text},
    {"NODISCOUNTS", &TCustomer::NODISCOUNTS},
};

// The names of the street list, read when the statement joined them.
const TColumn<TCustomer> TCustomer::StreetColumns[] = {
    {"Street", &TCustomer::Street, Text},
    {"Suburb", &TCustomer::Suburb, Text},
    {"GridRef", &TCustomer::GridRef, Text},
};

TCustomer::TCustomer(TRootCollection *collection) : TColumnRecord(collection, Columns) {}

void TCustomer::ResetFields()
{
    TColumnRecord::ResetFields();
    ClearColumns<TCustomer>(*this, StreetColumns);
    DelivChg = {};
    FullName.clear();
    HasComplaints = false;
    DeliveryInfo.Clear();
    LastInvoice.SetEmpty(true);
}

void TCustomer::Loaded(TAdoQuery &dataset)
{
    const auto present = [&dataset](const char *name) { return dataset.HasField(QLatin1String(name)); };
    const auto text = [&dataset](const char *name) { return ReadText(dataset.FieldByName(QLatin1String(name)), Text); };
    if (PSuburb.isEmpty() && present("Suburb"))
        PSuburb = text("Suburb");
    if (PPostCode.isEmpty() && present("PostCode"))
        PPostCode = text("PostCode");
    FullName = GetFullName();
    DelivChg = present("DelivChg") ? dataset.FieldByName(QStringLiteral("DelivChg")).AsCurrency() : GetDeliveryCharge(InvLink);
    ReadPresentColumns<TCustomer>(*this, dataset, StreetColumns);
    DeliveryInfo.Populate(&dataset);  // the row just read
}

void TCustomer::Clone(const TRootCollectionItem &source)
{
    CloneColumns(source);
    auto *s = dynamic_cast<const TCustomer *>(&source);
    if (!s)
        return;
    CopyColumns<TCustomer>(*this, *s, StreetColumns);
    DelivChg = s->DelivChg;
    FullName = s->FullName;
    HasComplaints = s->HasComplaints;
    DeliveryInfo.CopyFrom(s->DeliveryInfo);
    LastInvoice.Clone(s->LastInvoice);
}

void TCustomer::SetAdoConnection(TAdoConnection *connection)
{
    TColumnRecord::SetAdoConnection(connection);
    DeliveryInfo.SetAdoConnection(connection);
    LastInvoice.SetAdoConnection(connection);
}

int TCustomer::Update()
{
    return 0;
}

QString TCustomer::GetDisplayString() const
{
    return Telephone + QStringLiteral(" - ") + GetFullName();
}

QString TCustomer::GetFullName() const
{
    const QString last = TrimBlanks(LastName);
    const QString first = TrimBlanks(FirstName);
    QString name;
    if (!last.isEmpty())
        name = first.isEmpty() ? last : last + QStringLiteral(", ") + first;
    else
        name = first.isEmpty() ? QStringLiteral("Name Not Set") : first;
    return name.left(FullNameLength);
}

bool TCustomer::LoadWhere(const QString &condition, std::initializer_list<TQueryParam> params)
{
    SetEmpty(true);
    if (condition.isEmpty())
        return false;
    return TRecordItem::LoadWhere({QStringLiteral("SELECT Customer.*, StreetNames.Street, Suburb.Suburb, GridRef.GridRef, GridRef.DelivChg"),
                                   QStringLiteral(" FROM Customer"), QStringLiteral("\tLEFT OUTER JOIN Street ON"),
                                   QStringLiteral("\t\tCustomer.StreetLink = Street.ID"), QStringLiteral("\tLEFT OUTER JOIN StreetNames ON"),
                                   QStringLiteral("\t\tStreetNames.ID = Street.StreetRef"), QStringLiteral("\tLEFT OUTER JOIN Suburb ON"),
                                   QStringLiteral("\t\tSuburb.ID = Street.SuburbRef"), QStringLiteral("\tLEFT OUTER JOIN GridRef ON"),
                                   QStringLiteral("\t\tGridRef.ID = Street.GridRefLink"), condition},
                                  params);
}

bool TCustomer::LoadByInvLink(int invLink)
{
    return LoadWhere(QStringLiteral("WHERE Customer.Invlink = :InvLink"), {{"InvLink", invLink}});
}

bool TCustomer::LoadByTelephone(const QString &number)
{
    return LoadWhere(QStringLiteral("WHERE Customer.Telephone = :Telephone"), {{"Telephone", number}});
}

Currency TCustomer::GetDeliveryCharge(int invLink)
{
    if (invLink <= 0)
        return {};
    TAdoQuery query(AdoConnection());
    query.SQL() = QStringList{QStringLiteral("SELECT GridRef.DelivChg FROM Customer"), QStringLiteral("INNER JOIN Street ON"),
                              QStringLiteral("Customer.StreetLink = Street.ID"), QStringLiteral("INNER JOIN GridRef ON"),
                              QStringLiteral("Street.GridRefLink = GridRef.ID"), QStringLiteral("WHERE Customer.InvLink = :InvLink")};
    query.ParamByName(QStringLiteral("InvLink")).SetInteger(invLink);
    query.Open();
    return query.IsEmpty() ? Currency() : query.FieldByName(QStringLiteral("DelivChg")).AsCurrency();
}

bool TCustomer::LoadLastInvoice()
{
    if (InvLink <= 0)
        return false;
    LastInvoice.SetEmpty(true);
    TAdoQuery query(AdoConnection());
    query.SQL() = QStringList{QStringLiteral("SELECT TOP 1 InvoiceNum"), QStringLiteral("FROM Invoices"), QStringLiteral("WHERE CustLink = :CustLink"),
                              QStringLiteral("ORDER BY InvoiceNum DESC")};
    query.ParamByName(QStringLiteral("CustLink")).SetInteger(InvLink);
    query.Open();
    if (query.IsEmpty())
        return false;
    return LastInvoice.LoadByInvoiceNum(static_cast<int>(query.FieldByName(QStringLiteral("InvoiceNum")).AsInteger()));
}

bool TCustomer::CheckComplaints()
{
    HasComplaints = false;
    if (InvLink <= 0)
        return false;
    TAdoQuery query(AdoConnection());
    query.SQL() = QStringList{QStringLiteral("SELECT TOP 1 COMPLAINTS.* FROM COMPLAINTS"),
                              QStringLiteral("JOIN INVOICES ON INVOICES.INVOICENUM=COMPLAINTS.FKINVOICESID"),
                              QStringLiteral("WHERE Invoices.CustLink = :CustLink"), QStringLiteral("ORDER BY Invoices.InvoiceNum DESC")};
    query.ParamByName(QStringLiteral("CustLink")).SetInteger(InvLink);
    query.Open();
    HasComplaints = !query.IsEmpty();
    return HasComplaints;
}
