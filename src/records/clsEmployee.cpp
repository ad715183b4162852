#include "clsEmployee.h"

#include "StaffColumns.h"
#include "app/clsEVxException.h"

#include <cstring>

using StaffColumns::TKind;

namespace {

const char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+/";

// The columns read and written as they are; the four password fields, the fingerprint and
// the category description have their own steps.
const StaffColumns::TStaffColumn<TEmployee> EmployeeColumns[] = {
    {"MaxDiscPctAny", TKind::MoneyAsFloat, &TEmployee::MaxDiscPctAny},
    {"MaxDiscValueAny", TKind::MoneyReadAsFloat, &TEmployee::MaxDiscValueAny},
    {"KIColour", TKind::Plain, &TEmployee::KIColour},
    {"Waiter", TKind::Plain, &TEmployee::Waiter},
    {"Active", TKind::Plain, &TEmployee::Active},
    {"Category", TKind::Plain, &TEmployee::Category},
    {"Date", TKind::DateTime, &TEmployee::Date},
    {"DiscDate", TKind::DateTime, &TEmployee::DiscDate},
    {"DoesDeliveries", TKind::Plain, &TEmployee::DoesDeliveries},
    {"EmpNum", TKind::Plain, &TEmployee::EmpNum},
    {"FirstName", TKind::Plain, &TEmployee::FirstName},
    {"Flat", TKind::Plain, &TEmployee::Flat},
    {"HourlyRate", TKind::Plain, &TEmployee::HourlyRate},
    {"KmRate", TKind::Plain, &TEmployee::KmRate},
    {"KmsPrDeliv", TKind::Plain, &TEmployee::KmsPrDeliv},
    {"LastName", TKind::Plain, &TEmployee::LastName},
    {"LastWorked", TKind::DateTime, &TEmployee::LastWorked},
    {"MtdDelAmt", TKind::Plain, &TEmployee::MtdDelAmt},
    {"MtdKms", TKind::Plain, &TEmployee::MtdKms},
    {"MtdNumDel", TKind::Plain, &TEmployee::MtdNumDel},
    {"MtdHrs", TKind::Plain, &TEmployee::MtdHrs},
    {"MtdTimeW", TKind::Plain, &TEmployee::MtdTimeW},
    {"MtdTips", TKind::MoneyReadAsFloat, &TEmployee::MtdTips},
    {"MtdTravelW", TKind::Plain, &TEmployee::MtdTravelW},
    {"PayRatePerDelivery", TKind::Plain, &TEmployee::PayRatePerDelivery},
    {"PctDisc", TKind::Plain, &TEmployee::PctDisc},
    {"PctMax", TKind::Plain, &TEmployee::PctMax},
    {"PostCode", TKind::Plain, &TEmployee::PostCode},
    {"RandDisc", TKind::Plain, &TEmployee::RandDisc},
    {"ShiftDisc", TKind::Plain, &TEmployee::ShiftDisc},
    {"Street", TKind::Plain, &TEmployee::Street},
    {"Suburb", TKind::Plain, &TEmployee::Suburb},
    {"Telephone", TKind::Plain, &TEmployee::Telephone},
    {"Telephone2", TKind::Plain, &TEmployee::Telephone2},
    {"ShToDate", TKind::Plain, &TEmployee::ShToDate},
    {"YtdHrs", TKind::Plain, &TEmployee::YtdHrs},
    {"YtdKms", TKind::Plain, &TEmployee::YtdKms},
    {"YtdNumDel", TKind::Plain, &TEmployee::YtdNumDel},
    {"YtdDelAmt", TKind::Plain, &TEmployee::YtdDelAmt},
    {"YtdTimeW", TKind::Plain, &TEmployee::YtdTimeW},
    {"YtdTips", TKind::Plain, &TEmployee::YtdTips},
    {"YtdTravelW", TKind::Plain, &TEmployee::YtdTravelW},
    {"MonthlyMaxSpend", TKind::Plain, &TEmployee::MonthlyMaxSpend},
    {"MaxDiscValue", TKind::Plain, &TEmployee::MaxDiscValue},
    {"MaxDiscPct", TKind::Plain, &TEmployee::MaxDiscPct},
};

const QString UpdateSql = QStringLiteral(
    "UPDATE Employee SET Active=:Active,Category=:Category,Date=:Date,DateInvoicePasswordChanged=:DateInvoicePasswordChanged,"
    "DatePasswordChanged=:DatePasswordChanged,DiscDate=:DiscDate,DoesDeliveries=:DoesDeliveries,Waiter=:Waiter,FirstName=:FirstName,"
    "Flat=:Flat,HourlyRate=:HourlyRate,InvoicePassword=:InvoicePassword,KmRate=:KmRate,KmsPrDeliv=:KmsPrDeliv,Lastname=:Lastname,"
    "LastWorked=:LastWorked,MtdDelAmt=:MtdDelAmt,MtdKms=:MtdKms,MtdNumDel=:MtdNumDel,MtdHrs=:MtdHrs,MtdTimeW=:MtdTimeW,"
    "MtdTips=:MtdTips,MtdTravelW=:MtdTravelW,Password=:Password,PayRatePerDelivery=:PayRatePerDelivery,PctDisc=:PctDisc,"
    "PctMax=:PctMax,PostCode=:PostCode,RandDisc=:RandDisc,ShiftDisc=:ShiftDisc,Street=:Street,Suburb=:Suburb,Telephone=:Telephone,"
    "Telephone2=:Telephone2,ShToDate=:ShToDate,YtdHrs=:YtdHrs,YtdKms=:YtdKms,YtdNumDel=:YtdNumDel,YtdDelAmt=:YtdDelAmt,"
    "YtdTimeW=:YtdTimeW,YtdTips=:YtdTips,YtdTravelW=:YtdTravelW, MonthlyMaxSpend=:MonthlyMaxSpend, MaxDiscPct=:MaxDiscPct, "
    "MaxDiscValue=:MaxDiscValue, MaxDiscValueAny=:MaxDiscValueAny, MaxDiscPctAny=:MaxDiscPctAny, FingerPrint=:FingerPrint, "
    "KIColour=:KIColour WHERE EmpNum=:EmpNum");

// Employee has no identity column: a new row is written under the EmpNum the record holds.
const QString InsertSql = QStringLiteral(
    "INSERT INTO Employee (Active,Category,Date,DateInvoicePasswordChanged,DatePasswordChanged,DiscDate,DoesDeliveries,Waiter, "
    "EmpNum,FirstName,Flat,HourlyRate,InvoicePassword,KmRate,KmsPrDeliv,Lastname,LastWorked,MtdDelAmt,MtdKms,MtdNumDel,MtdHrs,"
    "MtdTimeW,MtdTips,MtdTravelW,Password,PayRatePerDelivery,PctDisc,PctMax,PostCode,RandDisc,ShiftDisc,Street,Suburb,Telephone,"
    "Telephone2,ShToDate,YtdHrs,YtdKms,YtdNumDel,YtdDelAmt,YtdTimeW,YtdTips,YtdTravelW, MonthlyMaxSpend,MaxDiscPct,MaxDiscValue, "
    "MaxDiscPctAny, MaxDiscValueAny, FingerPrint, KIColour) VALUES (:Active,:Category,:Date,:DateInvoicePasswordChanged,"
    ":DatePasswordChanged,:DiscDate,:DoesDeliveries,:Waiter,:EmpNum,:FirstName,:Flat,:HourlyRate,:InvoicePassword,:KmRate,"
    ":KmsPrDeliv,:Lastname,:LastWorked,:MtdDelAmt,:MtdKms,:MtdNumDel,:MtdHrs,:MtdTimeW,:MtdTips,:MtdTravelW,:Password,"
    ":PayRatePerDelivery,:PctDisc,:PctMax,:PostCode,:RandDisc,:ShiftDisc,:Street,:Suburb,:Telephone,:Telephone2,:ShToDate,:YtdHrs,"
    ":YtdKms,:YtdNumDel,:YtdDelAmt,:YtdTimeW,:YtdTips,:YtdTravelW, :MonthlyMaxSpend,:MaxDiscPct, :MaxDiscValue, :MaxDiscPctAny, "
    ":MaxDiscValueAny, :FingerPrint, :KIColour)");

QStringList EmployeeSelect(const QString &column)
{
    return {QStringLiteral("SELECT Employee.*, EmpCat.Descriptn"), QStringLiteral("FROM Employee JOIN EmpCat"),
            QStringLiteral("ON Employee.Category = EmpCat.Category"), QStringLiteral("WHERE ") + column + QStringLiteral(" = :Value")};
}

} // namespace

// ---- FingerPrintText

namespace FingerPrintText {

QString Encode(const QByteArray &bytes)
{
    QString text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    quint32 accumulator = 0;
    int bits = 0;
    for (const char byte : bytes) {
        accumulator = (accumulator << 8) | static_cast<quint8>(byte);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text += QLatin1Char(Alphabet[accumulator >> bits]);
            accumulator &= (1u << bits) - 1;
        }
    }
    if (bits > 0)
        text += QLatin1Char(Alphabet[accumulator << (6 - bits)]);
    return text;
}

QByteArray Decode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 3 / 4);
    quint32 accumulator = 0;
    int bits = 0;
    for (const QChar c : text) {
        const char *found = c.unicode() < 128 && c.unicode() != 0 ? std::strchr(Alphabet, static_cast<char>(c.unicode())) : nullptr;
        if (!found)
            break;
        accumulator = (accumulator << 6) | static_cast<quint32>(found - Alphabet);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>(accumulator >> bits);
            accumulator &= (1u << bits) - 1;
        }
    }
    return bytes;
}

} // namespace FingerPrintText

// ---- TEmployee

TEmployee::TEmployee(TRootCollection *collection) : TCollectionDBItem(collection) {}

void TEmployee::Clear()
{
    TCollectionDBItem::Clear();
    StaffColumns::Clear<TEmployee>(*this, EmployeeColumns);
    m_password.clear();
    m_invoicePassword.clear();
    m_datePasswordChanged = 0;
    m_dateInvoicePasswordChanged = 0;
    FingerPrint.clear();
    Descriptn.clear();
}

void TEmployee::Clone(const TRootCollectionItem &source)
{
    TCollectionDBItem::Clone(source);
    auto *s = dynamic_cast<const TEmployee *>(&source);
    if (!s)
        return;
    StaffColumns::Copy<TEmployee>(*this, *s, EmployeeColumns);
    m_password = s->m_password;
    m_invoicePassword = s->m_invoicePassword;
    m_datePasswordChanged = s->m_datePasswordChanged;
    m_dateInvoicePasswordChanged = s->m_dateInvoicePasswordChanged;
    FingerPrint = s->FingerPrint;
    AccessCodes = s->AccessCodes;
    Descriptn = s->Descriptn;
}

bool TEmployee::Populate(TAdoQuery *dataset)
{
    if (!TCollectionDBItem::Populate(dataset))
        return false;
    const auto field = [dataset](const char *name) { return dataset->FieldByName(QLatin1String(name)); };
    StaffColumns::Read<TEmployee>(*this, *dataset, EmployeeColumns);
    // Through the setters: a loaded password or password date marks the record modified.
    SetDateInvoicePasswordChanged(field("DateInvoicePasswordChanged").AsDateTime());
    SetDatePasswordChanged(field("DatePasswordChanged").AsDateTime());
    SetInvoicePassword(StaffColumns::ReadText(field("InvoicePassword")));
    SetPassword(StaffColumns::ReadText(field("Password")));
    const QString print = StaffColumns::ReadText(field("FingerPrint"));
    FingerPrint = print.isEmpty() ? QString() : QString::fromLatin1(FingerPrintText::Decode(print));
    if (dataset->HasField(QStringLiteral("Descriptn")))
        Descriptn = StaffColumns::ReadText(field("Descriptn"));
    SetIsNew(false);  // read from the database: a save updates this row
    return true;
}

int TEmployee::Delete()
{
    if (EmpNum.isEmpty())
        throw EVxException(QStringLiteral("Cannot delete when the TEmployee.EmpNum has not been set"), QStringLiteral("TEmployee.Delete"));
    AdoCommand.ParamCheck = true;
    AdoCommand.SetCommandText(QStringLiteral("DELETE FROM Employee WHERE EmpNum = :EmpNum"));
    AdoCommand.ParamByName(QStringLiteral("EmpNum")).SetString(EmpNum);
    return TCollectionDBItem::Delete();
}

int TEmployee::Update()
{
    if (!Modified() && !IsNew())
        return 0;
    if (EmpNum.isEmpty())
        throw EVxException(QStringLiteral("TEmployee.EmpNum property not set"), QStringLiteral("TEmployee.Update"));
    AdoCommand.ParamCheck = true;
    AdoCommand.SetCommandText(IsNew() ? InsertSql : UpdateSql);
    StaffColumns::Bind<TEmployee>(AdoCommand, *this, EmployeeColumns);
    AdoCommand.ParamByName(QStringLiteral("Password")).SetString(m_password);
    AdoCommand.ParamByName(QStringLiteral("InvoicePassword")).SetString(m_invoicePassword);
    AdoCommand.ParamByName(QStringLiteral("DatePasswordChanged")).SetDateTime(m_datePasswordChanged);
    AdoCommand.ParamByName(QStringLiteral("DateInvoicePasswordChanged")).SetDateTime(m_dateInvoicePasswordChanged);
    TParameter &print = AdoCommand.ParamByName(QStringLiteral("FingerPrint"));
    if (FingerPrint.isEmpty())
        print.SetNull(TFieldType::String);
    else
        print.SetString(FingerPrintText::Encode(FingerPrint.toLatin1()));
    return TCollectionDBItem::Update();
}

QString TEmployee::LookupColumn(const QString &column, const QString &raisedIn)
{
    static const char *const columns[] = {"EmpNum", "Password", "InvoicePassword"};
    const QString bare = column.startsWith(QLatin1String("Employee."), Qt::CaseInsensitive) ? column.mid(9) : column;
    for (const char *known : columns)
        if (bare.compare(QLatin1String(known), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Employee.") + QLatin1String(known);
    throw EVxException(QStringLiteral("Employees cannot be looked up by the column \"") + column + u'"', raisedIn);
}

bool TEmployee::LoadWhere(const QStringList &lines, const QString &value)
{
    AdoQuery.Close();
    AdoQuery.SQL() = lines;
    AdoQuery.ParamByName(QStringLiteral("Value")).SetString(value);
    return LoadFromQuery();
}

bool TEmployee::LoadByEmpNum(QString number)
{
    return TEmployee::LoadByField(QStringLiteral("Employee.EmpNum"), std::move(number));
}

bool TEmployee::LoadByField(QString column, QString value)
{
    RequireConnection();
    const QString qualified = LookupColumn(column, QStringLiteral("TEmployee.LoadByField"));
    SetEmpty(true);
    return LoadWhere(EmployeeSelect(qualified), value);
}

QString TEmployee::GetFullName() const
{
    if (LastName.isEmpty() || FirstName.isEmpty())
        return LastName + FirstName;
    return LastName + QStringLiteral(", ") + FirstName;
}

void TEmployee::RefreshAccessCodes()
{
    AccessCodes.clear();
    const QString raisedIn = QStringLiteral("TEmployee.RefreshAccessCodes");
    if (!AdoConnection())
        throw EVxException(QStringLiteral("TEmployee.AdoConnection property not set\rRaised in : TEmployee.RefreshAccessCodes"), raisedIn);
    if (Category.isEmpty())
        throw EVxException(QStringLiteral("TEmployee.Category is not set\rRaised in : TEmployee.RefreshAccessCodes"), raisedIn);
    TAdoQuery query(AdoConnection());
    query.SQL() = QStringList{QStringLiteral("SELECT AccessCode"), QStringLiteral("FROM Permiss"), QStringLiteral("WHERE EmpCat = :EmpCat"),
                              QStringLiteral("ORDER BY AccessCode")};
    query.ParamByName(QStringLiteral("EmpCat")).SetString(Category);
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        AccessCodes.append(StaffColumns::ReadText(query.FieldByName(QStringLiteral("AccessCode"))));
}

bool TEmployee::HasAccessCode(const QString &code)
{
    if (AccessCodes.isEmpty())
        RefreshAccessCodes();
    return AccessCodes.contains(code, Qt::CaseInsensitive);
}

bool TEmployee::PasswordIsUnused(const QString &password, TPasswordKind which)
{
    const QString column = which == TPasswordKind::Invoice ? QStringLiteral("InvoicePassword") : QStringLiteral("Password");
    AdoQuery.Close();
    AdoQuery.SQL() = QStringList{QStringLiteral("SELECT NULL FROM Employee WHERE ") + column + QStringLiteral(" = :Password")};
    AdoQuery.ParamByName(QStringLiteral("Password")).SetString(password);
    try {
        AdoQuery.Open();
    } catch (...) {
        AdoQuery.Close();
        throw;
    }
    const bool unused = AdoQuery.IsEmpty();
    AdoQuery.Close();
    return unused;
}
