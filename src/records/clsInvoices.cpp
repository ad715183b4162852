#include "clsInvoices.h"

#include "data/clsOrvikSettings.h"

using namespace RecordColumns;

namespace {

constexpr int Text = EmptyWhenNul;

Currency R(Currency amount)
{
    return amount.RoundToCents();
}

} // namespace

// The columns read as they are, in the suite's order.
const TColumn<TInvoice> TInvoice::Columns[] = {
    {"InvoiceNum", &TInvoice::m_invoiceNum},
    {"fkTablesID", &TInvoice::fkTablesID, 0, -1},
    {"OrderNum", &TInvoice::OrderNum},
    {"CustLink", &TInvoice::CustLink},
    {"ShiftNum", &TInvoice::ShiftNum},
    {"Telephone", &TInvoice::Telephone, Text},
    {"NotifyName", &TInvoice::NotifyName, Text},
    {"Date", &TInvoice::m_date, DateTime},
    {"TimeDue", &TInvoice::TimeDue, DateTime},
    {"TimeStampCooked", &TInvoice::TimeStampCooked, DateTime},
    {"TimeStampDriver", &TInvoice::TimeStampDriver, DateTime},
    {"TimeToDrvr", &TInvoice::TimeToDrvr, DateTime},
    {"Board", &TInvoice::Board},
    {"DiscountInvoice", &TInvoice::DiscountInvoice},
    {"DiscountValue", &TInvoice::DiscountValue},
    {"DiscountLine", &TInvoice::DiscountLine},
    {"DiscountP", &TInvoice::DiscountP},
    {"DiscountR", &TInvoice::DiscountR},
    {"Completed", &TInvoice::Completed},
    {"DelivChg", &TInvoice::DelivChg},
    {"TableNum", &TInvoice::TableNum, Text},
    {"DiscAmt", &TInvoice::DiscAmt},
    {"DiscountDelivChg", &TInvoice::DiscountDelivChg},
    {"TotalPrice", &TInvoice::TotalPrice},
    {"Vat", &TInvoice::Vat},
    {"NetOVat", &TInvoice::NetOVat},
    {"Cash", &TInvoice::Cash},
    {"DriverCash", &TInvoice::DriverCash},
    {"Cheque", &TInvoice::Cheque},
    {"Coupon", &TInvoice::Coupon},
    {"DscNote", &TInvoice::DscNote, Text},
    {"DriverLink", &TInvoice::DriverLink, 0, -1},
    {"Driver", &TInvoice::Driver, Text},
    {"Status", &TInvoice::Status},
    {"Comment", &TInvoice::Comment, Text},
    {"Account", &TInvoice::Account},
    {"CashierLink", &TInvoice::CashierLink, 0, -1},
    {"StaffMeal", &TInvoice::StaffMeal, Text},
    {"DiscountAuth", &TInvoice::DiscountAuth, Text},
    {"Cashier", &TInvoice::Cashier, Text},
    {"TimeAtCust", &TInvoice::TimeAtCust, DateTime},
    {"Prepared", &TInvoice::Prepared, Text},
    {"DiscountBy", &TInvoice::DiscountBy},
    {"IsLateDelivery", &TInvoice::IsLateDelivery},
    {"LastDiscountApplied", &TInvoice::LastDiscountApplied, DateTime},
    {"LastDiscountAfterDisc", &TInvoice::LastDiscountAfterDisc},
    {"DiscountCode", &TInvoice::DiscountCode, 0, -1},
    {"OverringCode", &TInvoice::OverringCode, 0, -1},
    {"Adhoc Note", &TInvoice::AdhocNote, Text},
    {"CouponFilename", &TInvoice::CouponFilename, Text},
    {"HeadCount", &TInvoice::HeadCount},
    {"ClosedTable", &TInvoice::ClosedTable},
    {"IsPaidOnline", &TInvoice::IsPaidOnline},
};

// The columns whose setters a transaction overrides: read in Loaded, copied by Clone.
const TColumn<TInvoice> TInvoice::PassedOnColumns[] = {
    {"StaffMealEmpNum", &TInvoice::m_staffMealEmpNum},
    {"TransType", &TInvoice::m_transType},
    {"AfterDisc", &TInvoice::m_afterDisc},
    {"ROUNDING", &TInvoice::m_rounding},
    {"Tendered", &TInvoice::m_tendered},
    {"Change", &TInvoice::m_change},
    {"CC_AccName", &TInvoice::m_ccAccName},
    {"CC_Amount", &TInvoice::m_ccAmount},
    {"CC_CCV", &TInvoice::m_ccCCV},
    {"CC_ExpiryDate", &TInvoice::m_ccExpiryDate},
    {"CC_Number", &TInvoice::m_ccNumber},
    {"CC_Type", &TInvoice::m_ccType},
    {"CC_Gratuity", &TInvoice::m_ccGratuity},
};

TInvoice::TInvoice(TRootCollection *collection) : TColumnRecord(collection, Columns)
{
    if (OrvikSettings && OrvikSettings->GlobalSettings.VatRate)
        VatRate = OrvikSettings->GlobalSettings.VatRate->AsFloat();
    Lines.VatRate = VatRate;
    ResetFields();
}

void TInvoice::ResetFields()
{
    TColumnRecord::ResetFields();
    Lines.Clear();
    DiscountPercent = 0;
    Prepared = QStringLiteral("0");
    m_rounding = 0;
    m_isPrepared = false;
    m_isClosed = false;
    m_chequeAmount = {};
    m_chequeName.clear();
    InvoiceDiscountDescription.clear();
    SetCC_AccName({});
    SetCC_Amount({});
    SetCC_CCV(0);
    SetCC_ExpiryDate({});
    SetCC_Number({});
    SetCC_Type(0);
    SetCC_Gratuity({});
    SetAfterDisc({});
    SetTendered({});
    SetChange({});
    SetTransType(0);
    SetStaffMealEmpNum({});
}

void TInvoice::Loaded(TAdoQuery &dataset)
{
    // The lines of this row replace any others, so a record loaded twice is not doubled.
    Lines.Clear();
    Lines.LoadForInvoice(m_invoiceNum);
    const auto field = [&dataset](const char *name) { return dataset.FieldByName(QLatin1String(name)); };
    const auto text = [&field](const char *name) { return ReadText(field(name), Text); };
    DiscountPercent = field("DiscountPercent").AsCurrency().ToDouble();
    SetTransType(static_cast<int>(field("TransType").AsInteger()));
    SetAfterDisc(field("AfterDisc").AsCurrency());
    m_rounding = field("ROUNDING").AsFloat();  // after the amount due: see SetAfterDisc of a transaction
    SetTendered(field("Tendered").AsCurrency());
    SetChange(field("Change").AsCurrency());
    SetStaffMealEmpNum(text("StaffMealEmpNum"));
    SetCC_Amount(field("CC_Amount").AsCurrency());
    SetCC_CCV(static_cast<int>(field("CC_CCV").AsInteger()));
    SetCC_Type(static_cast<int>(field("CC_Type").AsInteger()));
    SetCC_ExpiryDate(text("CC_ExpiryDate"));
    SetCC_AccName(text("CC_AccName"));
    SetCC_Number(text("CC_Number"));
    SetCC_Gratuity(field("CC_Gratuity").AsCurrency());
    SetIsPrepared(Prepared == QStringLiteral("1"));
    SetIsClosed(Status > 0);
    if (dataset.HasField(QStringLiteral("InvoiceDiscountDescription")))
        InvoiceDiscountDescription = text("InvoiceDiscountDescription");
}

void TInvoice::Clone(const TRootCollectionItem &source)
{
    CloneColumns(source);
    auto *s = dynamic_cast<const TInvoice *>(&source);
    if (!s)
        return;
    CopyColumns<TInvoice>(*this, *s, PassedOnColumns);
    Mode = s->Mode;
    DiscountPercent = s->DiscountPercent;
    VatRate = s->VatRate;
    InvoiceDiscountDescription = s->InvoiceDiscountDescription;
    m_isPrepared = s->m_isPrepared;
    m_isClosed = s->m_isClosed;
    m_chequeAmount = s->m_chequeAmount;
    m_chequeName = s->m_chequeName;
    if (&s->Lines != &Lines) {
        Lines.Clear();
        Lines.VatRate = s->Lines.VatRate;
        Lines.AppendCopies(s->Lines);
    }
    // The copy holds the same fields and lines: its own computations are the source's.
    TotalPrice = GetTotalPrice();
    m_afterDisc = GetAfterDisc();
    m_rounding = Currency::FromDouble(m_rounding).RoundToCents().ToDouble();
    DiscountInvoice = GetDiscountInvoice();
    DiscountLine = GetDiscountLine();
    NetOVat = GetNetOVat();
    Vat = GetVat();
    DelivChg = GetDelivChg();
}

void TInvoice::SetAdoConnection(TAdoConnection *connection)
{
    TColumnRecord::SetAdoConnection(connection);
    Lines.SetAdoConnection(connection);
}

void TInvoice::SetRounding(double amount)
{
    m_rounding = Currency::FromDouble(amount).RoundToCents().ToDouble();
}

void TInvoice::SetDate(TDateTime value)
{
    m_date = value;
    for (int i = 0; i < Lines.Count(); ++i)
        Lines.Items(i)->Date = value;
}

void TInvoice::SetInvoiceNum(int value)
{
    m_invoiceNum = value;
    for (int i = 0; i < Lines.Count(); ++i)
        Lines.Items(i)->InvoiceNum = value;
}

Currency TInvoice::GetDiscountInvoice()
{
    if (DiscountInvoice < Currency())
        DiscountInvoice = {};
    return DiscountInvoice;
}

// The lines' amounts before their line discounts.
Currency TInvoice::GetTotalPrice()
{
    TotalPrice = Lines.LinesTotal() + Lines.LinesDisc();
    return R(TotalPrice);
}

Currency TInvoice::GetDelivChg()
{
    return R(DelivChg);
}

// The amount due: the lines less their discounts and the invoice discount, plus the
// delivery charge; never below 0.
Currency TInvoice::GetAfterDisc()
{
    const Currency total = GetTotalPrice();
    const Currency delivery = GetDelivChg();
    SetAfterDisc(total - Lines.LinesDisc() - GetDiscountInvoice() + delivery);
    const Currency due = R(m_afterDisc);
    return due < Currency() ? Currency() : due;
}

Currency TInvoice::GetDiscountLine()
{
    DiscountLine = Lines.LinesDisc();
    return R(DiscountLine);
}

// The delivery charge carries no VAT.
Currency TInvoice::ComputeNetOVat()
{
    return Lines.ExclTotal() + DelivChg - Lines.InvDiscExclTotal();
}

Currency TInvoice::GetNetOVat()
{
    Lines.RecomputeTotals(false);
    NetOVat = ComputeNetOVat();
    return R(NetOVat);
}

// From whatever the amount due and the amount net of VAT hold now.
Currency TInvoice::GetVat()
{
    Vat = m_afterDisc - NetOVat;
    return R(Vat);
}

bool TInvoice::LoadByInvoiceNum(int number)
{
    SetEmpty(true);
    if (number < 1)
        return false;
    return LoadWhere({QStringLiteral("SELECT Invoices.*, Discount.Description AS InvoiceDiscountDescription"),
                      QStringLiteral("\tFROM Invoices"), QStringLiteral("\t\tLEFT JOIN Discount ON"),
                      QStringLiteral("\t\t\tInvoices.DiscountCode = Discount.Code"), QStringLiteral("WHERE InvoiceNum = :InvoiceNum")},
                     {{"InvoiceNum", number}});
}

// ---- TInvoices

TDateTime TInvoices::GetMaxOpenInvoiceDate()
{
    AdoQuery.Close();
    AdoQuery.SQL() = QStringList{QStringLiteral("Select MAX(Date) AS Date FROM Invoices WHERE Status = 0")};
    TDateTime newest = 0;
    try {
        AdoQuery.Open();
        if (!AdoQuery.IsEmpty())
            newest = AdoQuery.FieldByName(QStringLiteral("Date")).AsDateTime();
    } catch (...) {
        AdoQuery.Close();
        throw;
    }
    AdoQuery.Close();
    return newest;
}
