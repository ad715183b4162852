#include "clsEmployee.h"

#include "app/clsEVxException.h"

#include <cstring>

using namespace RecordColumns;

namespace {

const char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz+/";

// The columns read and written as they are; the four password fields, the fingerprint and
// the category description have their own steps.
const TColumn<TEmployee> EmployeeColumns[] = {
    {"MaxDiscPctAny", &TEmployee::MaxDiscPctAny, MoneyAsFloat},
    {"MaxDiscValueAny", &TEmployee::MaxDiscValueAny, MoneyReadAsFloat},
    {"KIColour", &TEmployee::KIColour},
    {"Waiter", &TEmployee::Waiter},
    {"Active", &TEmployee::Active},
    {"Category", &TEmployee::Category, EmptyWhenNul},
    {"Date", &TEmployee::Date, DateTime},
    {"DiscDate", &TEmployee::DiscDate, DateTime},
    {"DoesDeliveries", &TEmployee::DoesDeliveries},
    {"EmpNum", &TEmployee::EmpNum, EmptyWhenNul},
    {"FirstName", &TEmployee::FirstName, EmptyWhenNul},
    {"Flat", &TEmployee::Flat, EmptyWhenNul},
    {"HourlyRate", &TEmployee::HourlyRate},
    {"KmRate", &TEmployee::KmRate},
    {"KmsPrDeliv", &TEmployee::KmsPrDeliv},
    {"LastName", &TEmployee::LastName, EmptyWhenNul},
    {"LastWorked", &TEmployee::LastWorked, DateTime},
    {"MtdDelAmt", &TEmployee::MtdDelAmt},
    {"MtdKms", &TEmployee::MtdKms},
    {"MtdNumDel", &TEmployee::MtdNumDel},
    {"MtdHrs", &TEmployee::MtdHrs},
    {"MtdTimeW", &TEmployee::MtdTimeW},
    {"MtdTips", &TEmployee::MtdTips, MoneyReadAsFloat},
    {"MtdTravelW", &TEmployee::MtdTravelW},
    {"PayRatePerDelivery", &TEmployee::PayRatePerDelivery},
    {"PctDisc", &TEmployee::PctDisc},
    {"PctMax", &TEmployee::PctMax},
    {"PostCode", &TEmployee::PostCode, EmptyWhenNul},
    {"RandDisc", &TEmployee::RandDisc},
    {"ShiftDisc", &TEmployee::ShiftDisc},
    {"Street", &TEmployee::Street, EmptyWhenNul},
    {"Suburb", &TEmployee::Suburb, EmptyWhenNul},
    {"Telephone", &TEmployee::Telephone, EmptyWhenNul},
    {"Telephone2", &TEmployee::Telephone2, EmptyWhenNul},
    {"ShToDate", &TEmployee::ShToDate},
    {"YtdHrs", &TEmployee::YtdHrs},
    {"YtdKms", &TEmployee::YtdKms},
    {"YtdNumDel", &TEmployee::YtdNumDel},
    {"YtdDelAmt", &TEmployee::YtdDelAmt},
    {"YtdTimeW", &TEmployee::YtdTimeW},
    {"YtdTips", &TEmployee::YtdTips},
    {"YtdTravelW", &TEmployee::YtdTravelW},
    {"MonthlyMaxSpend", &TEmployee::MonthlyMaxSpend},
    {"MaxDiscValue", &TEmployee::MaxDiscValue},
    {"MaxDiscPct", &TEmployee::MaxDiscPct},
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

TEmployee::TEmployee(TRootCollection *collection) : TColumnRecord(collection, EmployeeColumns) {}

void TEmployee::ResetFields()
{
    TColumnRecord::ResetFields();
    m_password.clear();
    m_invoicePassword.clear();
    m_datePasswordChanged = 0;
    m_dateInvoicePasswordChanged = 0;
    FingerPrint.clear();
    Descriptn.clear();
}

void TEmployee::Clone(const TRootCollectionItem &source)
{
    CloneColumns(source);
    auto *s = dynamic_cast<const TEmployee *>(&source);
    if (!s)
        return;
    m_password = s->m_password;
    m_invoicePassword = s->m_invoicePassword;
    m_datePasswordChanged = s->m_datePasswordChanged;
    m_dateInvoicePasswordChanged = s->m_dateInvoicePasswordChanged;
    FingerPrint = s->FingerPrint;
    AccessCodes = s->AccessCodes;
    Descriptn = s->Descriptn;
}

void TEmployee::Loaded(TAdoQuery &dataset)
{
    const auto field = [&dataset](const char *name) { return dataset.FieldByName(QLatin1String(name)); };
    const auto text = [&field](const char *name) { return ReadText(field(name), EmptyWhenNul); };
    // Through the setters: a loaded password or password date marks the record modified.
    SetDateInvoicePasswordChanged(field("DateInvoicePasswordChanged").AsDateTime());
    SetDatePasswordChanged(field("DatePasswordChanged").AsDateTime());
    SetInvoicePassword(text("InvoicePassword"));
    SetPassword(text("Password"));
    const QString print = text("FingerPrint");
    FingerPrint = print.isEmpty() ? QString() : QString::fromLatin1(FingerPrintText::Decode(print));
    if (dataset.HasField(QStringLiteral("Descriptn")))
        Descriptn = text("Descriptn");
    SetIsNew(false);  // read from the database: a save updates this row
}

QString TEmployee::StoredFingerPrint() const
{
    return FingerPrint.isEmpty() ? QString() : FingerPrintText::Encode(FingerPrint.toLatin1());
}

int TEmployee::Delete()
{
    if (EmpNum.isEmpty())
        throw EVxException(QStringLiteral("Cannot delete when the TEmployee.EmpNum has not been set"), QStringLiteral("TEmployee.Delete"));
    return DeleteWhere(QStringLiteral("DELETE FROM Employee WHERE EmpNum = :EmpNum"), "EmpNum", EmpNum);
}

int TEmployee::Update()
{
    if (!Modified() && !IsNew())
        return 0;
    if (EmpNum.isEmpty())
        throw EVxException(QStringLiteral("TEmployee.EmpNum property not set"), QStringLiteral("TEmployee.Update"));
    int unused = 0;
    return Save(IsNew() ? InsertSql : UpdateSql, nullptr, unused, TReadBack::Always, [this](TAdoCommand &command) {
        command.ParamByName(QStringLiteral("Password")).SetString(m_password);
        command.ParamByName(QStringLiteral("InvoicePassword")).SetString(m_invoicePassword);
        command.ParamByName(QStringLiteral("DatePasswordChanged")).SetDateTime(m_datePasswordChanged);
        command.ParamByName(QStringLiteral("DateInvoicePasswordChanged")).SetDateTime(m_dateInvoicePasswordChanged);
        TParameter &print = command.ParamByName(QStringLiteral("FingerPrint"));
        if (FingerPrint.isEmpty())
            print.SetNull(TFieldType::String);
        else
            print.SetString(StoredFingerPrint());
    });
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

bool TEmployee::LoadByEmpNum(QString number)
{
    return TEmployee::LoadByField(QStringLiteral("Employee.EmpNum"), std::move(number));
}

bool TEmployee::LoadByField(QString column, QString value)
{
    RequireConnection();  // a missing connection is reported before a refused column
    const QString qualified = LookupColumn(column, QStringLiteral("TEmployee.LoadByField"));
    return LoadWhere(EmployeeSelect(qualified), {{"Value", value}});
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
        AccessCodes.append(ReadText(query.FieldByName(QStringLiteral("AccessCode")), EmptyWhenNul));
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
