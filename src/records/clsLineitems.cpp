#include "clsLineitems.h"

#include "app/clsEVxException.h"
#include "app/modUtils.h"

using namespace RecordColumns;

namespace {

constexpr int SuiteText = EmptyWhenNul | NulWhenBlank;  // the one-NUL "empty" text of LineItem
const QString DoNotTotal = QStringLiteral("DR");
const QString TaggedMark = QStringLiteral("*");

const QString InsertSql = QStringLiteral(
    "INSERT INTO Lineitem (InvoiceNum,fkPicklistsID,Linenum,Date,TimeStampCooked,Quantity,Code,ItemDesc,Size,  Price,LineTotal,"
    "LineDisc,InvDisc,Tag,Mod,DiscCode,DiscSeq,ParentLineNum,GroupID,Status,PreVoid,ADCUpload) VALUES(:InvoiceNum,:fkPicklistsID,"
    ":Linenum,:Date,:TimeStampCooked,:Quantity,:Code,  :ItemDesc,:Size,:Price,:LineTotal,:LineDisc,:InvDisc,:Tag,:Mod, :DiscCode,"
    ":DiscSeq,:ParentLineNum,:GroupID,:Status,:PreVoid,:ADCUpload)");

} // namespace

// Columns every LineItem row has, read as they are.
const TColumn<TLineitemItem> TLineitemItem::StoredColumns[] = {
    {"LineitemID", &TLineitemItem::LineitemID},
    {"Size", &TLineitemItem::Size, SuiteText},
    {"ItemDesc", &TLineitemItem::ItemDesc, SuiteText},
    {"InvoiceNum", &TLineitemItem::InvoiceNum},
    {"fkPicklistsID", &TLineitemItem::fkPicklistsID, 0, -1},
    {"ParentLineNum", &TLineitemItem::ParentLineNum, 0, -1},
    {"Date", &TLineitemItem::Date, DateTime},
    {"LineCostTotal", &TLineitemItem::LineCostTotal},
    {"Mod", &TLineitemItem::Mod},
    {"DiscCode", &TLineitemItem::DiscCode},
    {"Code", &TLineitemItem::Code, SuiteText},
    {"DiscSeq", &TLineitemItem::DiscSeq},
    {"GroupID", &TLineitemItem::GroupID},
    {"Grouping", &TLineitemItem::Grouping},
    {"Status", &TLineitemItem::Status, EmptyWhenNul},
    {"PreVoid", &TLineitemItem::PreVoid},
    {"ADCUpload", &TLineitemItem::ADCUpload},
};

// Columns read only when the query supplies them (the joins of LoadForInvoice).
const TColumn<TLineitemItem> TLineitemItem::JoinedColumns[] = {
    {"TimeStampCooked", &TLineitemItem::TimeStampCooked, DateTime},
    {"NoInvPrint", &TLineitemItem::NoInvPrint},
    {"CategoryDescription", &TLineitemItem::CategoryDescription, EmptyWhenNul},
    {"TransactionFontClr", &TLineitemItem::TransactionFontClr},
    {"TransactionIndent", &TLineitemItem::TransactionIndent},
    {"Recipe", &TLineitemItem::Recipe},
    {"StockLocationID", &TLineitemItem::StockLocationID},
    {"StockLocationStr", &TLineitemItem::StockLocationStr, EmptyWhenNul},
    {"CatMenuCode", &TLineitemItem::CatMenuCode},
};

// The columns of the insert; Linenum, ParentLineNum and Status are bound on their own.
const TColumn<TLineitemItem> TLineitemItem::InsertColumns[] = {
    {"InvoiceNum", &TLineitemItem::InvoiceNum},
    {"fkPicklistsID", &TLineitemItem::fkPicklistsID},
    {"Date", &TLineitemItem::Date, DateTime},
    {"TimeStampCooked", &TLineitemItem::TimeStampCooked, DateTime},
    {"Quantity", &TLineitemItem::m_quantity},
    {"Code", &TLineitemItem::Code, SuiteText},
    {"ItemDesc", &TLineitemItem::ItemDesc, SuiteText},
    {"Size", &TLineitemItem::Size, SuiteText},
    {"Price", &TLineitemItem::m_price},
    {"LineTotal", &TLineitemItem::m_lineTotal},
    {"LineDisc", &TLineitemItem::m_lineDisc},
    {"InvDisc", &TLineitemItem::m_invDisc},
    {"Tag", &TLineitemItem::m_tag, SuiteText},
    {"Mod", &TLineitemItem::Mod},
    {"DiscCode", &TLineitemItem::DiscCode},
    {"DiscSeq", &TLineitemItem::DiscSeq},
    {"GroupID", &TLineitemItem::GroupID},
    {"PreVoid", &TLineitemItem::PreVoid},
    {"ADCUpload", &TLineitemItem::ADCUpload},
};

// ---- TLineitemItem

TLineitemItem::TLineitemItem(TRootCollection *collection) : TColumnRecord(collection, StoredColumns)
{
    if (TLineitem *lines = Lines())
        m_vatRate = lines->VatRate;
    ResetFields();
    m_tag = QStringLiteral("N");
}

TLineitemItem::~TLineitemItem()
{
    LeaveSums();  // the vector that holds the line is not touched from here
    for (TLineitemItem *child : std::as_const(m_children))
        child->m_parentLine = nullptr;  // no dangling parent: the child keeps its number
    if (m_parentLine)
        m_parentLine->m_children.removeAll(this);
}

TLineitem *TLineitemItem::Lines() const
{
    return dynamic_cast<TLineitem *>(Collection());
}

bool TLineitemItem::CountsTagged() const
{
    return Tagged() && m_tag != DoNotTotal;
}

Currency TLineitemItem::Excl(Currency amount) const
{
    const double divisor = 1.0 + m_vatRate / 100.0;
    return divisor > 0 ? amount.MulDouble(1.0 / divisor) : amount;
}

void TLineitemItem::ReplaceLineTotal(Currency value)
{
    if (CountsTagged())
        if (TLineitem *lines = Lines())
            lines->m_taggedTotal += value - m_lineTotal;
    Replace(m_lineTotal, &TLineitem::m_linesTotal, value);
}

void TLineitemItem::Replace(Currency &amount, Currency TLineitem::*sum, Currency value)
{
    if (TLineitem *lines = Lines())
        lines->*sum += value - amount;
    amount = value;
}

void TLineitemItem::LeaveSums()
{
    ReplaceLineTotal({});
    Replace(m_lineDisc, &TLineitem::m_linesDisc, {});
    Replace(m_invDisc, &TLineitem::m_linesInvDisc, {});
}

void TLineitemItem::ResetFields()
{
    SetTagged(false);
    TColumnRecord::ResetFields();
    ClearColumns<TLineitemItem>(*this, JoinedColumns);
    m_quantity = 0;
    m_price = {};
    LeaveSums();
    m_vatExcl = m_lineTotalExcl = m_invDiscExcl = m_lineDiscExcl = {};
    m_tag.clear();
    m_newItem = true;
    SetParentLine(nullptr);
    Printers.clear();
}

void TLineitemItem::Loaded(TAdoQuery &dataset)
{
    ReadPresentColumns<TLineitemItem>(*this, dataset, JoinedColumns);
    const auto field = [&dataset](const char *name) { return dataset.FieldByName(QLatin1String(name)); };
    const auto stored = [&dataset](const char *name) {
        return dataset.HasField(QLatin1String(name)) && !dataset.FieldByName(QLatin1String(name)).IsNull();
    };
    // The line's own rate first, so that every amount without VAT is taken at that rate.
    if (stored("LineVatRate"))
        m_vatRate = field("LineVatRate").AsFloat();
    SetQuantity(field("Quantity").AsFloat());
    SetPrice(field("Price").AsCurrency());
    SetLineTotal(field("LineTotal").AsCurrency());  // the stored total wins over quantity x price
    SetLineDisc(field("LineDisc").AsCurrency());
    SetInvDisc(field("InvDisc").AsCurrency());
    SetTag(ReadText(field("Tag"), EmptyWhenNul));
    if (m_tag == TaggedMark)
        SetTagged(true);
    if (stored("VatExcl"))
        SetVatExcl(field("VatExcl").AsCurrency());
    m_newItem = false;
}

void TLineitemItem::SetTagged(bool value)
{
    if (value != Tagged() && m_tag != DoNotTotal)
        if (TLineitem *lines = Lines())
            lines->m_taggedTotal += value ? m_lineTotal : -m_lineTotal;
    TColumnRecord::SetTagged(value);
}

void TLineitemItem::SetTag(const QString &value)
{
    const bool counted = CountsTagged();
    m_tag = value;
    if (counted != CountsTagged())
        if (TLineitem *lines = Lines())
            lines->m_taggedTotal += counted ? -m_lineTotal : m_lineTotal;
}

void TLineitemItem::SetQuantity(double value)
{
    m_quantity = value;
    ReplaceLineTotal(m_price.MulDouble(value));
    m_lineTotalExcl = m_vatExcl.MulDouble(value);
}

void TLineitemItem::SetPrice(Currency value)
{
    m_price = value;
    ReplaceLineTotal(value.MulDouble(m_quantity));
    SetVatExcl(Excl(value));
}

void TLineitemItem::SetVatExcl(Currency value)
{
    m_vatExcl = value;
    m_lineTotalExcl = value.MulDouble(m_quantity);
}

void TLineitemItem::SetLineTotal(Currency value)
{
    if (value != m_lineTotal)
        ReplaceLineTotal(value);
}

void TLineitemItem::SetDiscount(Currency value, Currency &amount, Currency &excl, Currency TLineitem::*sum,
                                void (TLineitemItem::*clearOther)(Currency))
{
    if (value == amount)
        return;
    if (value > Currency())
        (this->*clearOther)({});
    excl = Excl(value);
    Replace(amount, sum, value);
}

void TLineitemItem::SetLineDisc(Currency value)
{
    SetDiscount(value, m_lineDisc, m_lineDiscExcl, &TLineitem::m_linesDisc, &TLineitemItem::SetInvDisc);
}

void TLineitemItem::SetInvDisc(Currency value)
{
    SetDiscount(value, m_invDisc, m_invDiscExcl, &TLineitem::m_linesInvDisc, &TLineitemItem::SetLineDisc);
}

void TLineitemItem::SetNewItem(bool value)
{
    m_newItem = value;
    if (value)
        SetModified(false);
}

void TLineitemItem::SetParentLine(TLineitemItem *line)
{
    if (line == m_parentLine)
        return;
    if (m_parentLine)
        m_parentLine->m_children.removeAll(this);
    m_parentLine = line;
    if (line)
        line->m_children.append(this);
}

int TLineitemItem::CurrentParentLineNum() const
{
    if (!m_parentLine)
        return ParentLineNum;
    return m_parentLine->Collection() && m_parentLine->Collection() == Collection() ? m_parentLine->Index() : -1;
}

int TLineitemItem::GetParentLineNum()
{
    ParentLineNum = CurrentParentLineNum();
    return ParentLineNum;
}

void TLineitemItem::Clone(const TRootCollectionItem &source)
{
    CloneColumns(source);
    SetTagged(false);
    auto *s = dynamic_cast<const TLineitemItem *>(&source);
    if (!s)
        return;
    CopyColumns<TLineitemItem>(*this, *s, JoinedColumns);
    m_tag = s->m_tag;  // while untagged: no sum depends on it
    m_quantity = s->m_quantity;
    m_price = s->m_price;
    ReplaceLineTotal(s->m_lineTotal);
    Replace(m_lineDisc, &TLineitem::m_linesDisc, s->m_lineDisc);
    Replace(m_invDisc, &TLineitem::m_linesInvDisc, s->m_invDisc);
    m_vatExcl = s->m_vatExcl;
    m_lineTotalExcl = s->m_lineTotalExcl;
    m_invDiscExcl = s->m_invDiscExcl;
    m_lineDiscExcl = s->m_lineDiscExcl;
    m_vatRate = s->m_vatRate;
    m_newItem = s->m_newItem;
    // The parent by number: the copy may stand in another collection.
    ParentLineNum = s->CurrentParentLineNum();
    SetParentLine(nullptr);
    Printers.AssignList(s->Printers);
}

int TLineitemItem::Delete()
{
    return 0;
}

int TLineitemItem::Update()
{
    if (!Modified() && !IsNew())
        return 0;
    SetStatement(InsertSql);
    BindColumns<TLineitemItem>(AdoCommand, *this, InsertColumns);
    AdoCommand.ParamByName(QStringLiteral("Linenum")).SetInteger(Linenum());
    AdoCommand.ParamByName(QStringLiteral("ParentLineNum")).SetInteger(GetParentLineNum());
    TParameter &status = AdoCommand.ParamByName(QStringLiteral("Status"));
    if (TrimBlanks(Status).isEmpty())
        status.SetNull(TFieldType::String);
    else
        status.SetString(Status);
    int noKey = 0;
    return Execute(nullptr, noKey, TReadBack::WhenWritten);
}

// ---- TLineitem

TLineitem::~TLineitem()
{
    Clear();  // while the sums the lines leave still exist
}

int TLineitem::Populate(TAdoQuery *dataset)
{
    if (!dataset)
        throw EVxException(QStringLiteral("Cannot call TLineitem.Populate with a nil DataSet parameter"), QStringLiteral("TLineitem.Populate"));
    const int position = dataset->RecNo();
    int added = 0;
    for (dataset->First(); !dataset->Eof(); dataset->Next()) {
        Add()->Populate(dataset);
        ++added;
    }
    dataset->First();
    for (int i = 0; i < position && !dataset->Eof(); ++i)
        dataset->Next();
    return added;
}

void TLineitem::Clear()
{
    TCollectionDBOf::Clear();
    m_linesTotal = m_linesDisc = m_taggedTotal = m_linesInvDisc = m_netTotal = {};
}

void TLineitem::ResetFlags()
{
    TCollectionDBOf::ResetFlags();
    m_taggedTotal = {};  // every line untagged at once, without the lines' setters
}

bool TLineitem::LoadForInvoice(int invoiceNum)
{
    AdoQuery.Close();
    AdoQuery.SQL() = QStringList{
        QStringLiteral("SELECT LineItem.*, StockLocation.ID AS StockLocationID, StockLocation.Description AS StockLocationStr,"),
        QStringLiteral("CatMenu.Description AS CategoryDescription, CatMenu.TransactionFontClr, CatMenu.TransactionIndent, CatMenu.CatMenuCode,"),
        QStringLiteral("Prices.NoInvPrint, Prices.Recipe"),
        QStringLiteral("\tFROM LineItem"),
        QStringLiteral("\t\tLEFT OUTER JOIN prices ON"),
        QStringLiteral("\t\t\tLineItem.Code = Prices.Code"),
        QStringLiteral("\t\tLEFT OUTER JOIN CatMenu ON Prices.CatMenuCode=CatMenu.CatMenuCode"),
        QStringLiteral("LEFT JOIN StockLocation ON Prices.fkStockLocationID = StockLocation.ID"),
        QStringLiteral("WHERE InvoiceNum = :InvoiceNum"),
        QStringLiteral("ORDER BY LineNum ASC"),
    };
    AdoQuery.ParamByName(QStringLiteral("InvoiceNum")).SetInteger(invoiceNum);
    int added = 0;
    try {
        AdoQuery.Open();
        added = Populate(&AdoQuery);
    } catch (...) {
        AdoQuery.Close();
        throw;
    }
    AdoQuery.Close();
    return added > 0;
}

Currency TLineitem::ComputeTaggedTotal()
{
    Currency total;
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Tagged() && Items(i)->Tag() != DoNotTotal)
            total += Items(i)->LineTotal();
    m_taggedTotal = total;
    return total;
}

void TLineitem::RecomputeTotals(bool newOnly)
{
    Currency total, net;
    for (int i = 0; i < Count(); ++i) {
        const TLineitemItem *line = Items(i);
        if (newOnly && !line->NewItem())
            continue;
        total += line->LineTotal();
        net += line->LineTotal() - line->InvDisc();
    }
    m_linesTotal = total;
    m_netTotal = net;
}

Currency TLineitem::ExclTotal() const
{
    Currency total;
    for (int i = 0; i < Count(); ++i)
        total += Items(i)->LineTotalExcl() - Items(i)->LineDiscExcl();
    return total;
}

Currency TLineitem::InvDiscExclTotal() const
{
    Currency total;
    for (int i = 0; i < Count(); ++i)
        total += Items(i)->InvDiscExcl();
    return total;
}

void TLineitem::RelinkChildren()
{
    int mainLine = -1;
    for (int i = 0; i < Count(); ++i) {
        TLineitemItem *line = Items(i);
        if (line->GetParentLineNum() < 0) {
            mainLine = i;
            continue;
        }
        line->ParentLineNum = std::max(mainLine, 0);
        line->SetParentLine(nullptr);
    }
}

int TLineitem::CountDescribed() const
{
    int described = 0;
    for (int i = 0; i < Count(); ++i)
        described += Items(i)->ItemDesc.isEmpty() ? 0 : 1;
    return described;
}
