#include "DemoShop.h"

#include "AdoObjects.h"
#include "clsSysData.h"
#include "app/clsEVxException.h"
#include "records/clsEmployee.h"

#include <QSysInfo>
#include <algorithm>
#include <optional>
#include <vector>
#if defined(Q_OS_UNIX)
#include <sys/statvfs.h>
#endif

namespace {

constexpr TDateTime Minute = 1.0 / 1440.0;
constexpr double VatRate = 14.0;
constexpr int TillNumber = 1;
constexpr TFieldType Int = TFieldType::Integer, Text = TFieldType::String, Flag = TFieldType::Boolean,
                     Real = TFieldType::Float, Money = TFieldType::Currency, Stamp = TFieldType::DateTime;

// ---- The shop's fixed lists

struct TGridSquare { int id; const char *ref; int chargeCents; };
const TGridSquare GridSquares[] = {
    {1, "A1", 0}, {2, "A2", 1000}, {3, "B1", 1000}, {4, "B2", 1500}, {5, "C3", 2000}, {6, "D4", 2500},
};

struct TNamed { int id; const char *name; };
const TNamed Suburbs[] = {{1, "Rondebosch"}, {2, "Claremont"}, {3, "Newlands"}, {4, "Observatory"}, {5, "Kenilworth"}};

// Street rows share their key with their StreetNames row.
struct TStreet { int id; const char *name; int suburb; int gridSquare; };
const TStreet Streets[] = {
    {1, "Main Road", 1, 1},      {2, "Belmont Road", 1, 2},   {3, "Palmyra Road", 2, 3},
    {4, "Kildare Road", 3, 4},   {5, "Station Road", 4, 5},   {6, "Rosmead Avenue", 5, 6},
    {7, "Camp Ground Road", 1, 2}, {8, "Lower Main Road", 4, 5}, {9, "Burg Road", 2, 3},
    {10, "Milner Road", 1, 1},
};

struct TDemoCustomer {
    const char *firstName, *lastName, *telephone;
    int street;
    const char *streetNo, *flat, *address2, *directions;
};
const TDemoCustomer Customers[] = {
    {"Thandi", "Mokoena", "0216851204", 1, "112", "Flat 4", "Belvedere Court", nullptr},
    {"Pieter", "van der Merwe", "0216893377", 2, "7", nullptr, nullptr, "Green gate, ring twice"},
    {"Ayesha", "Patel", "0216710458", 3, "23", nullptr, nullptr, nullptr},
    {"Sipho", "Dlamini", "0216742291", 4, "41", "Unit 12", "Kildare Mews", nullptr},
    {"Lauren", "Jacobs", "0214471836", 5, "88", nullptr, nullptr, "Behind the pharmacy"},
    {"Johan", "Botha", "0217618840", 6, "15", nullptr, nullptr, nullptr},
    {"Nomsa", "Khumalo", "0216862215", 7, "3", "Flat 21", "Camp Ground Court", "Intercom 21"},
    {"Riaan", "Steyn", "0214485590", 8, "140", nullptr, nullptr, nullptr},
    {"Fatima", "Adams", "0216834412", 9, "9", nullptr, nullptr, "Blue door"},
    {"Michael", "Naidoo", "0216857703", 10, "31", nullptr, nullptr, nullptr},
    {"Zanele", "Ndlovu", "0216856619", 1, "204", "Flat 9", "Main Road Mansions", nullptr},
    {"Chris", "Fourie", "0216891142", 2, "19", nullptr, nullptr, nullptr},
    {"Priya", "Govender", "0216713397", 3, "56", nullptr, nullptr, "Corner house"},
    {"Bongani", "Zulu", "0216748830", 4, "2", nullptr, nullptr, nullptr},
    {"Megan", "Hendricks", "0214479961", 5, "101", "Unit 3", "Station Court", nullptr},
    {"Andre", "du Plessis", "0217612278", 6, "77", nullptr, nullptr, "Beware of the dog"},
    {"Lindiwe", "Mthembu", "0216869924", 7, "12", nullptr, nullptr, nullptr},
    {"Graham", "Smith", "0214480175", 8, "66", nullptr, nullptr, nullptr},
    {"Nadia", "Davids", "0216839906", 9, "44", "Flat 2", "Burg Gardens", nullptr},
    {"Tumelo", "Molefe", "0216852287", 10, "5", nullptr, nullptr, "Gate code 1234"},
};

const TNamed MenuCategories[] = {{1, "Pizzas"}, {2, "Grills"}, {3, "Sides"}, {4, "Drinks"}, {5, "Desserts"}};
const TNamed StockLocations[] = {{1, "Kitchen"}, {2, "Bar"}};
constexpr int KitchenLocation = 1;

struct TMenuItem { int recipe; const char *code, *description, *size; int priceCents; int category, location; };
const TMenuItem Menu[] = {
    {1, "P01", "Margherita", "Large", 7990, 1, 1},     {2, "P02", "Regina", "Large", 9490, 1, 1},
    {3, "P03", "Hawaiian", "Large", 9290, 1, 1},       {4, "P04", "Meat Feast", "Large", 11990, 1, 1},
    {5, "P05", "Vegetarian", "Medium", 8490, 1, 1},    {6, "P06", "Peri-Peri Chicken", "Large", 10990, 1, 1},
    {7, "G01", "Rump Steak 300g", nullptr, 16990, 2, 1}, {8, "G02", "Half Chicken", nullptr, 11990, 2, 1},
    {9, "G03", "Beef Burger", nullptr, 8990, 2, 1},    {10, "G04", "Chicken Burger", nullptr, 8490, 2, 1},
    {11, "G05", "Pork Ribs 400g", nullptr, 18990, 2, 1}, {12, "S01", "Chips", "Large", 2990, 3, 1},
    {13, "S02", "Onion Rings", nullptr, 3490, 3, 1},   {14, "S03", "Greek Salad", nullptr, 5990, 3, 1},
    {15, "S04", "Garlic Bread", nullptr, 3990, 3, 1},  {16, "D01", "Cola 330ml", nullptr, 1990, 4, 2},
    {17, "D02", "Lemonade 2l", nullptr, 3490, 4, 2},   {18, "D03", "Still Water 500ml", nullptr, 1790, 4, 2},
    {19, "E01", "Chocolate Brownie", nullptr, 4490, 5, 1},
};

struct TActivityCode { const char *code, *description; };
const TActivityCode ActivityCodes[] = {
    {"GL020", "Change system settings"},   {"TM010", "Continue with an incorrect system time"},
    {"CA150", "Exclude external sales from cash-up"}, {"CA100", "Cash up a till"},
    {"IN020", "Void an invoice"},          {"EM010", "Maintain employees"},
};

struct TCategory { const char *category, *description; };
const TCategory EmployeeCategories[] = {{"MANAGER", "Manager"}, {"CASHIER", "Cashier"}, {"DRIVER", "Driver"}};
const char *const CashierCategory = "CASHIER";

struct TPermission { const char *category, *code; };
const TPermission Permissions[] = {
    {"MANAGER", "GL020"}, {"MANAGER", "TM010"}, {"MANAGER", "CA150"}, {"MANAGER", "CA100"},
    {"MANAGER", "IN020"}, {"MANAGER", "EM010"}, {"CASHIER", "CA100"},
};

struct TStaff {
    const char *empNum, *firstName, *lastName, *category;
    QString password;
    const char *invoicePassword;
    bool delivers;
    int hourlyCents, kmCents;
    bool enrolled;  // has a fingerprint on file
};
const TStaff Staff[] = {
    {"100", "Rashid", "Ebrahim", "MANAGER", TDemoShop::ManagerPassword(), "9900", false, 9500, 0, true},
    {"110", "Grace", "Mahlangu", "CASHIER", TDemoShop::CashierPassword(), "5500", false, 4800, 0, false},
    {"201", "Themba", "Nkosi", "DRIVER", TDemoShop::DriverPassword(0), "1100", true, 3500, 350, true},
    {"202", "Jaco", "Pretorius", "DRIVER", TDemoShop::DriverPassword(1), "2200", true, 3500, 350, true},
    {"203", "Sizwe", "Mabaso", "DRIVER", TDemoShop::DriverPassword(2), "3300", true, 3500, 350, true},
    {"204", "Kyle", "Williams", "DRIVER", TDemoShop::DriverPassword(3), "4400", true, 3500, 350, true},
};
// Drivers clocked in when the shop is seeded; the others show the clock-in on their first hand-over.
constexpr int DriversOnShift = 2;

// Category 0 invoice printer, 1 production printer; type 1 narrow; model 0 Epson, 2 TSP700.
struct TPrinter { const char *name; int category, type, model; const char *device; };
const TPrinter Printers[] = {{"Counter Slip", 0, 1, 0, "LPT1"}, {"Kitchen", 1, 1, 2, "LPT2"}};
constexpr int KitchenPrinter = 1;

struct TSetting { const char *item, *value; };
const TSetting GlobalSettings[] = {
    {"DAY START", "05:00"}, {"VAT RATE", "14"}, {"APP_ITEMSCOOKED_ACTIVE", "1"}, {"APP_TRELVO_LOGTIMES", "1"},
};

// ---- Small helpers

QString Str(const char *text)
{
    return QString::fromUtf8(text);
}

// A missing text is written as NULL.
QVariant Optional(const char *text)
{
    return text ? QVariant(Str(text)) : QVariant();
}

// The suite's blank for line items and configuration rows is the one-NUL text.
QVariant TextOrBlank(const char *text)
{
    return text ? Str(text) : NulString();
}

Currency Cents(qlonglong cents)
{
    return Currency::FromRaw(cents * (Currency::Scale / 100));
}

QVariant Amount(Currency value)
{
    return QVariant::fromValue(value);
}

// A value left unset is written as NULL.
template <class T>
QVariant Maybe(const std::optional<T> &value)
{
    return value ? QVariant::fromValue(*value) : QVariant();
}

// The demo shop's trading day starts at 05:00, the suite's default.
TDateTime TradingDayStart(TDateTime now)
{
    const TDateTime start = DateTimes::EncodeTime(5, 0);
    TDateTime day = DateTimes::DayOf(now);
    if (DateTimes::TimeOf(now) < start)
        day -= 1;
    return day + start;
}

// The root filesystem's id in the form the suite stores a volume serial: upper-case
// hexadecimal without leading zeros, split after four digits ("0012ABCD" -> "12AB-CD").
QString VolumeSerial()
{
    quint32 id = 0;
#if defined(Q_OS_UNIX)
    struct statvfs info {};
    if (statvfs("/", &info) == 0)
        id = static_cast<quint32>(info.f_fsid);
#endif
    if (id == 0)
        return QStringLiteral("0");
    const QString hex = QString::number(id, 16).toUpper();
    return hex.left(4) + u'-' + hex.mid(4);
}

// Scope of one transaction: rolled back unless committed.
class TTransactionScope {
public:
    explicit TTransactionScope(TAdoConnection &con) : m_con(con) { m_con.BeginTransaction(); }
    ~TTransactionScope()
    {
        if (!m_done)
            m_con.Rollback();
    }
    TTransactionScope(const TTransactionScope &) = delete;
    TTransactionScope &operator=(const TTransactionScope &) = delete;
    void Commit()
    {
        m_con.Commit();
        m_done = true;
    }

private:
    TAdoConnection &m_con;
    bool m_done = false;
};

struct TColumn {
    const char *name;
    TFieldType type;
};

// One table's INSERT with a parameter per column, prepared once and bound by position,
// so a writer of many rows sends only the values again.
class TRowInserter {
public:
    TRowInserter(TAdoConnection &con, const char *table, std::vector<TColumn> columns, bool readIdentity = false)
        : m_columns(std::move(columns)), m_command(&con), m_readIdentity(readIdentity)
    {
        QStringList names, markers;
        for (const TColumn &column : m_columns) {
            const QString name = Str(column.name);
            names << name;
            markers << u':' + QString(name).remove(u'[').remove(u']').remove(u' ');
        }
        QString sql = QStringLiteral("INSERT INTO ") + Str(table) + QStringLiteral(" (") + names.join(u',')
                    + QStringLiteral(") VALUES (") + markers.join(u',') + u')';
        if (m_readIdentity)
            sql += QStringLiteral(" SELECT :IDField = @@Identity");
        m_command.SetCommandText(sql);
        m_command.Prepared = true;
        if (m_readIdentity) {
            TParameter &id = m_command.ParamByName(QStringLiteral("IDField"));
            id.Direction = TParamDirection::Output;
            id.SetNull(TFieldType::Integer);
        }
    }

    // Writes one row, values in column order; returns the new identity when it reads one.
    qlonglong Insert(const QVariantList &values)
    {
        Q_ASSERT(values.size() == static_cast<qsizetype>(m_columns.size()));
        TParameters &params = m_command.Parameters();
        for (size_t i = 0; i < m_columns.size(); ++i)
            Bind(params[static_cast<int>(i)], m_columns[i].type, values[static_cast<qsizetype>(i)]);
        m_command.Execute();
        return m_readIdentity ? m_command.ParamByName(QStringLiteral("IDField")).Value.toLongLong() : 0;
    }

private:
    static void Bind(TParameter &param, TFieldType type, const QVariant &value)
    {
        if (value.isNull()) {
            param.SetNull(type);
            return;
        }
        switch (type) {
        case TFieldType::String: param.SetString(value.toString()); break;
        case TFieldType::Integer: param.SetInteger(value.toLongLong()); break;
        case TFieldType::Boolean: param.SetBoolean(value.toBool()); break;
        case TFieldType::Float: param.SetFloat(value.toDouble()); break;
        case TFieldType::Currency: param.SetCurrency(value.value<Currency>()); break;
        case TFieldType::DateTime: param.SetDateTime(value.toDouble()); break;
        case TFieldType::Binary: param.SetBinary(value.toByteArray()); break;
        }
    }

    std::vector<TColumn> m_columns;
    TAdoCommand m_command;
    bool m_readIdentity;
};

// ---- Orders

struct TLine {
    const TMenuItem *item;
    int quantity;
    Currency total;     // VAT included
    Currency vatExcl;   // unit price without VAT
};

// What a customer bought, with the sums a till keeps for the invoice.
struct TBasket {
    std::vector<TLine> lines;
    Currency linesTotal;
    Currency linesExcl;  // sum of quantity x VAT-exclusive unit price

    static TBasket Fill(QRandomGenerator &random, int minLines, int maxLines)
    {
        TBasket basket;
        const int menuSize = static_cast<int>(std::size(Menu));
        std::vector<int> picks;
        const int count = random.bounded(minLines, maxLines + 1);
        while (static_cast<int>(picks.size()) < count) {
            const int pick = random.bounded(menuSize);
            if (std::find(picks.begin(), picks.end(), pick) == picks.end())
                picks.push_back(pick);
        }
        for (int pick : picks) {
            const TMenuItem &item = Menu[pick];
            const int quantity = random.bounded(4) == 0 ? 2 : 1;
            const Currency price = Cents(item.priceCents);
            const Currency vatExcl = price.MulDouble(1.0 / (1.0 + VatRate / 100.0));
            basket.lines.push_back({&item, quantity, price * quantity, vatExcl});
            basket.linesTotal += price * quantity;
            basket.linesExcl += vatExcl * quantity;
        }
        return basket;
    }
};

// ---- The seeded tables

// Map squares, suburbs, streets and the customers living on them.
void SeedAddresses(TAdoConnection &con, TDateTime now)
{
    TRowInserter gridSquares(con, "GridRef", {{"ID", Int}, {"GridRef", Text}, {"DelivChg", Money}});
    for (const TGridSquare &g : GridSquares)
        gridSquares.Insert({g.id, Str(g.ref), Amount(Cents(g.chargeCents))});
    TRowInserter suburbs(con, "Suburb", {{"ID", Int}, {"Suburb", Text}});
    for (const TNamed &s : Suburbs)
        suburbs.Insert({s.id, Str(s.name)});
    TRowInserter streetNames(con, "StreetNames", {{"ID", Int}, {"Street", Text}});
    TRowInserter streets(con, "Street", {{"ID", Int}, {"StreetRef", Int}, {"SuburbRef", Int}, {"GridRefLink", Int}});
    for (const TStreet &s : Streets) {
        streetNames.Insert({s.id, Str(s.name)});
        streets.Insert({s.id, s.id, s.suburb, s.gridSquare});
    }

    TRowInserter customers(con, "Customer",
                           {{"FirstName", Text}, {"LastName", Text}, {"Telephone", Text}, {"StreetNo", Text},
                            {"StreetLink", Int}, {"Flat", Text}, {"Address2", Text}, {"Descriptn", Text},
                            {"Active", Flag}, {"DateFirst", Stamp}});
    for (const TDemoCustomer &c : Customers)
        customers.Insert({Str(c.firstName), Str(c.lastName), Str(c.telephone), Str(c.streetNo), c.street,
                          Optional(c.flat), Optional(c.address2), Optional(c.directions), true, DateTimes::DayOf(now) - 400});
}

void SeedMenu(TAdoConnection &con)
{
    TRowInserter categories(con, "CatMenu", {{"CatMenuCode", Int}, {"Description", Text}, {"TransactionFontClr", Int}, {"TransactionIndent", Int}});
    for (const TNamed &c : MenuCategories)
        categories.Insert({c.id, Str(c.name), 0, 0});
    TRowInserter locations(con, "StockLocation", {{"ID", Int}, {"Description", Text}});
    for (const TNamed &l : StockLocations)
        locations.Insert({l.id, Str(l.name)});
    TRowInserter prices(con, "Prices",
                        {{"Recipe", Int}, {"Code", Text}, {"CatMenuCode", Int}, {"fkStockLocationID", Int},
                         {"NoInvPrint", Flag}, {"LabelDesc", Text}, {"Size", Text}});
    for (const TMenuItem &m : Menu)
        prices.Insert({m.recipe, Str(m.code), m.category, m.location, false, Str(m.description), TextOrBlank(m.size)});
}

// An enrolled finger as the FingerPrint column stores it: 48 bytes that follow from the
// employee number alone, so the same finger can be presented again.
QString DemoFingerPrint(const char *empNum)
{
    quint32 state = 2166136261u;  // FNV-1a of the number seeds a xorshift
    for (const char *c = empNum; *c; ++c)
        state = (state ^ static_cast<quint8>(*c)) * 16777619u;
    QByteArray bytes(48, '\0');
    for (char &b : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        b = static_cast<char>(state >> 24);
    }
    return FingerPrintText::Encode(bytes);
}

// Activity codes, the categories that hold them, and the staff.
void SeedStaff(TAdoConnection &con, TDateTime now)
{
    TRowInserter actCodes(con, "ActCodes",
                          {{"ActCode", Text}, {"Descriptn", Text}, {"ForceLog", Flag}, {"TempFlag", Flag},
                           {"LogThis", Flag}, {"ReqPermiss", Flag}, {"LockedOut", Flag}});
    for (const TActivityCode &a : ActivityCodes)
        actCodes.Insert({Str(a.code), Str(a.description), false, false, true, true, false});
    TRowInserter empCats(con, "EmpCat", {{"Category", Text}, {"Descriptn", Text}});
    for (const TCategory &c : EmployeeCategories)
        empCats.Insert({Str(c.category), Str(c.description)});
    TRowInserter permissions(con, "Permiss", {{"EmpCat", Text}, {"AccessCode", Text}});
    for (const TPermission &p : Permissions)
        permissions.Insert({Str(p.category), Str(p.code)});
    TRowInserter employees(con, "Employee",
                           {{"EmpNum", Text}, {"FirstName", Text}, {"LastName", Text}, {"Category", Text},
                            {"Active", Flag}, {"Waiter", Flag}, {"DoesDeliveries", Flag}, {"Password", Text},
                            {"InvoicePassword", Text}, {"DatePasswordChanged", Stamp},
                            {"DateInvoicePasswordChanged", Stamp}, {"Date", Stamp}, {"HourlyRate", Money}, {"KmRate", Money},
                            {"FingerPrint", Text}});
    for (const TStaff &s : Staff)
        employees.Insert({Str(s.empNum), Str(s.firstName), Str(s.lastName), Str(s.category), true, false,
                          s.delivers, s.password, Str(s.invoicePassword), now - 3, now - 3, DateTimes::DayOf(now) - 700,
                          Amount(Cents(s.hourlyCents)), Amount(Cents(s.kmCents)),
                          s.enrolled ? QVariant(DemoFingerPrint(s.empNum)) : QVariant()});
}

// This computer as till 1, with its slip and kitchen printers.
void SeedTill(TAdoConnection &con)
{
    const QString hostName = QSysInfo::machineHostName().toUpper();
    const QString login = qEnvironmentVariable("USER");
    const qlonglong tillsID = TRowInserter(con, "Tills", {{"TillID", Int}, {"[Computer Name]", Text}, {"[HD Serial]", Text}, {"[Login Name]", Text}}, true)
                                  .Insert({TillNumber, hostName.isEmpty() ? NulString() : hostName, VolumeSerial(),
                                           login.isEmpty() ? NulString() : login});
    TRowInserter printers(con, "Printers",
                          {{"Name", Text}, {"Category", Int}, {"Type", Int}, {"Model", Int}, {"PageLength", Int},
                           {"PageWidth", Int}, {"FooterHeight", Int}, {"PrintLateVoucher", Flag}, {"ExtendedProductionSlip", Flag}},
                          true);
    TRowInserter tillPrinters(con, "TillsLinkPrinters",
                              {{"fkTillsID", Int}, {"fkPrintersID", Int}, {"Copies", Int}, {"Device", Text},
                               {"DirectToPort", Flag}, {"ReportFileName", Text}, {"PrintLinePrices", Flag}, {"PrintKitchenTotals", Flag}});
    std::vector<qlonglong> printerIDs;
    for (const TPrinter &p : Printers) {
        printerIDs.push_back(printers.Insert({Str(p.name), p.category, p.type, p.model, 26, 42, 0, false, false}));
        tillPrinters.Insert({tillsID, printerIDs.back(), 1, Str(p.device), true, NulString(), true, false});
    }
    TRowInserter itemPrinters(con, "PricesLinkPrinters", {{"fkPricesID", Int}, {"fkPrintersID", Int}});
    for (const TMenuItem &m : Menu)
        if (m.location == KitchenLocation)
            itemPrinters.Insert({m.recipe, printerIDs[KitchenPrinter]});
}

void SeedSettings(TAdoConnection &con)
{
    TSysData settings;
    settings.SetAdoConnection(&con);
    for (const TSetting &s : GlobalSettings)
        settings.FindOrAdd(QStringLiteral("GLOBAL"), Str(s.item), Str(s.value));
    settings.UpdateAll();
}

// The employee's newest shift, 0 when he has none.
qlonglong LatestShift(TAdoConnection &con, const QString &empNum)
{
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT TOP 1 InvoiceLink FROM Attend WHERE EmpNum = :EmpNum ORDER BY InDateTime DESC"));
    q.ParamByName(QStringLiteral("EmpNum")).SetString(empNum);
    q.Open();
    return q.FieldByName(QStringLiteral("InvoiceLink")).AsInteger();
}

} // namespace

namespace DemoShopParts {

// Keys of the shop that orders refer to, read from the database once.
struct TShopKeys {
    struct TCustomer {
        qlonglong invLink;
        QString notifyName, telephone;
        Currency delivChg;
    };
    struct TEmployee {
        QString empNum;
        Currency hourlyRate, kmRate;
    };
    std::vector<TCustomer> customers;
    std::vector<TEmployee> drivers;
    TEmployee cashier;
    qlonglong cashierLink = 0;  // the cashier's newest shift
    qlonglong tillShift = 0;    // the open shift of till 1

    static TShopKeys Load(TAdoConnection &con);

private:
    void LoadCustomers(TAdoConnection &con);
    void LoadStaff(TAdoConnection &con);
};

TShopKeys TShopKeys::Load(TAdoConnection &con)
{
    TShopKeys keys;
    keys.LoadCustomers(con);
    keys.LoadStaff(con);
    if (keys.customers.empty() || keys.cashier.empNum.isEmpty())
        throw EVxException(QStringLiteral("The database holds no demo shop: seed it first"), QStringLiteral("TDemoShop.Keys"));
    keys.cashierLink = LatestShift(con, keys.cashier.empNum);
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT TOP 1 SHIFTNUM FROM TILLPOST WHERE TILLID = :TillID AND TILLISACTIVE <> 0 ORDER BY SHIFTNUM DESC"));
    q.ParamByName(QStringLiteral("TillID")).SetInteger(TillNumber);
    q.Open();
    keys.tillShift = q.FieldByName(QStringLiteral("SHIFTNUM")).AsInteger();
    return keys;
}

void TShopKeys::LoadCustomers(TAdoConnection &con)
{
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT Customer.InvLink, Customer.FirstName, Customer.LastName, Customer.Telephone, GridRef.DelivChg "
                            "FROM Customer LEFT JOIN Street ON Customer.StreetLink = Street.ID "
                            "LEFT JOIN GridRef ON Street.GridRefLink = GridRef.ID ORDER BY Customer.InvLink"));
    for (q.Open(); !q.Eof(); q.Next()) {
        const QString name = q.FieldByName(QStringLiteral("FirstName")).AsString() + u' ' + q.FieldByName(QStringLiteral("LastName")).AsString();
        customers.push_back({q.FieldByName(QStringLiteral("InvLink")).AsInteger(), name.left(20),
                             q.FieldByName(QStringLiteral("Telephone")).AsString(),
                             q.FieldByName(QStringLiteral("DelivChg")).AsCurrency()});
    }
}

// The active drivers, and the first active cashier, who takes the orders.
void TShopKeys::LoadStaff(TAdoConnection &con)
{
    TAdoQuery q(&con);
    q.SetSQL(QStringLiteral("SELECT EmpNum, HourlyRate, KmRate, DoesDeliveries FROM Employee "
                            "WHERE Active <> 0 AND (DoesDeliveries <> 0 OR Category = :Category) ORDER BY EmpNum"));
    q.ParamByName(QStringLiteral("Category")).SetString(Str(CashierCategory));
    for (q.Open(); !q.Eof(); q.Next()) {
        TEmployee employee{q.FieldByName(QStringLiteral("EmpNum")).AsString(), q.FieldByName(QStringLiteral("HourlyRate")).AsCurrency(),
                           q.FieldByName(QStringLiteral("KmRate")).AsCurrency()};
        if (q.FieldByName(QStringLiteral("DoesDeliveries")).AsBoolean())
            drivers.push_back(employee);
        else if (cashier.empNum.isEmpty())
            cashier = employee;
    }
}

} // namespace DemoShopParts

using DemoShopParts::TShopKeys;
using DemoShopParts::TShopWriter;

namespace {

// One invoice as a till writes it. Times left unset are written as NULL; an order not
// handed to a driver carries the zero date-time, as the suite's tills write it.
struct TOrder {
    int orderNum = 0;
    TDateTime taken = 0, due = 0;
    std::optional<TDateTime> cooked, toDriver, departed, returned;
    bool closed = false;
    const TShopKeys::TCustomer *customer = nullptr;
    qlonglong cashierLink = 0, driverLink = 0, tillShift = 0;
    QString cashier, driver;
    TBasket basket;

    Currency DelivChg() const { return customer->delivChg; }
    Currency AfterDisc() const { return basket.linesTotal + DelivChg(); }
    Currency NetOfVat() const { return basket.linesExcl + DelivChg(); }  // the delivery charge carries no VAT
};

// One attendance row: a shift of an employee.
struct TShift {
    QString empNum;
    TDateTime in = 0;
    std::optional<TDateTime> out;
    Currency hourlyRate, kmRate, cashFloat;
    std::optional<int> odoStart, odoEnd;
    int orders = 0;
};

} // namespace

namespace DemoShopParts {

// The till's writers: invoices with their lines, shifts and till shifts, each statement
// prepared once and re-executed for every row.
class TShopWriter {
public:
    explicit TShopWriter(TAdoConnection &con)
        : m_invoices(con, "Invoices",
                     {{"OrderNum", Int}, {"Date", Stamp}, {"TimeDue", Stamp}, {"TimeStampCooked", Stamp},
                      {"TimeToDrvr", Stamp}, {"TimeStampDriver", Stamp}, {"DriverReturn", Stamp}, {"TransType", Int},
                      {"Status", Int}, {"CustLink", Int}, {"CashierLink", Int}, {"Cashier", Text}, {"DriverLink", Int},
                      {"Driver", Text}, {"ShiftNum", Real}, {"Telephone", Text}, {"NotifyName", Text}, {"Prepared", Text},
                      {"Completed", Flag}, {"DelivChg", Money}, {"TotalPrice", Money}, {"AfterDisc", Money},
                      {"NetOVat", Money}, {"Vat", Money}, {"ROUNDING", Real}, {"Cash", Money}, {"Tendered", Money},
                      {"Change", Money}},
                     true),
          m_lines(con, "LineItem",
                  {{"InvoiceNum", Int}, {"LineNum", Int}, {"ParentLineNum", Int}, {"fkPicklistsID", Int}, {"Date", Stamp},
                   {"TimeStampCooked", Stamp}, {"Code", Text}, {"ItemDesc", Text}, {"Size", Text}, {"Quantity", Real},
                   {"Price", Money}, {"VatExcl", Money}, {"LineVatRate", Real}, {"LineTotal", Money}, {"LineDisc", Money},
                   {"InvDisc", Money}, {"Tag", Text}, {"Mod", Real}, {"DiscCode", Int}, {"DiscSeq", Int}, {"GroupID", Int},
                   {"Grouping", Int}, {"Status", Text}, {"PreVoid", Real}, {"ADCUpload", Flag}}),
          m_shifts(con, "Attend",
                   {{"EmpNum", Text}, {"InDateTime", Stamp}, {"OutDateTime", Stamp}, {"HourlyRate", Money},
                    {"KmRate", Money}, {"OdoStart", Int}, {"OdoEnd", Int}, {"KmsTravlld", Real}, {"HrsWorked", Stamp},
                    {"Float", Money}, {"OrderCount", Real}, {"CashedUp", Flag}, {"ClockedOut", Flag}, {"OnDelivery", Flag}},
                   true),
          m_tillShifts(con, "TILLPOST",
                       {{"TILLID", Int}, {"[DATE]", Stamp}, {"TILLISACTIVE", Flag}, {"Float", Money}, {"Cash", Money},
                        {"TotSales", Money}, {"NetSales", Money}, {"DelivChg", Money}, {"Vat", Money}, {"NetoVat", Money},
                        {"CashupTotal", Money}},
                       true)
    {
    }

    // Returns the new InvoiceNum; rows counts the header and its lines.
    qlonglong WriteOrder(const TOrder &order, long long *rows = nullptr)
    {
        const Currency afterDisc = order.AfterDisc(), netOfVat = order.NetOfVat();
        // Paid with the next ten up.
        const Currency tendered = order.closed ? Cents((afterDisc.Raw() / Currency::Scale / 10 + 1) * 1000) : Currency();
        const qlonglong invoiceNum = m_invoices.Insert({
            order.orderNum, order.taken, order.due, Maybe(order.cooked), order.toDriver.value_or(DateTimes::Zero),
            Maybe(order.departed), Maybe(order.returned), 3, order.closed ? 1 : 0, order.customer->invLink,
            order.cashierLink, order.cashier, order.driverLink, order.driver.isEmpty() ? QVariant() : order.driver,
            order.tillShift, order.customer->telephone, order.customer->notifyName, QStringLiteral("0"), order.closed,
            Amount(order.DelivChg()), Amount(order.basket.linesTotal), Amount(afterDisc), Amount(netOfVat),
            Amount(afterDisc - netOfVat), 0.0, Amount(order.closed ? afterDisc : Currency()), Amount(tendered),
            Amount(order.closed ? tendered - afterDisc : Currency()),
        });
        int lineNum = 0;
        for (const TLine &line : order.basket.lines) {
            m_lines.Insert({
                invoiceNum, lineNum++, -1, -1, order.taken, Maybe(order.cooked), Str(line.item->code),
                Str(line.item->description), TextOrBlank(line.item->size), line.quantity,
                Amount(Cents(line.item->priceCents)), Amount(line.vatExcl), VatRate, Amount(line.total),
                Amount(Currency()), Amount(Currency()), QStringLiteral("N"), 0.0, 0, 0, 0, 0, QVariant(), 0.0, false,
            });
        }
        if (rows)
            *rows += 1 + lineNum;
        return invoiceNum;
    }

    qlonglong WriteShift(const TShift &shift)
    {
        const bool drives = shift.odoStart.has_value(), closed = shift.out.has_value();
        return m_shifts.Insert({
            shift.empNum, shift.in, Maybe(shift.out), Amount(shift.hourlyRate), Amount(shift.kmRate),
            Maybe(shift.odoStart), Maybe(shift.odoEnd), shift.odoEnd ? QVariant(*shift.odoEnd - *shift.odoStart) : QVariant(),
            closed ? QVariant(*shift.out - shift.in) : QVariant(), Amount(shift.cashFloat),
            drives ? QVariant(shift.orders) : QVariant(), closed, closed, false,
        });
    }

    // A till shift with the day's takings; an active one has none yet.
    qlonglong WriteTillShift(TDateTime date, bool active, const std::vector<TOrder> &orders = {})
    {
        Currency sales, charges, net;
        for (const TOrder &order : orders) {
            sales += order.AfterDisc();
            charges += order.DelivChg();
            net += order.NetOfVat();
        }
        const auto takings = [active](Currency amount) { return active ? QVariant() : Amount(amount); };
        return m_tillShifts.Insert({
            TillNumber, date, active, Amount(Cents(50000)), takings(sales), takings(sales), takings(sales),
            takings(charges), takings(sales - net), takings(net), takings(sales),
        });
    }

private:
    TRowInserter m_invoices, m_lines, m_shifts, m_tillShifts;
};

} // namespace DemoShopParts

// ---- TDemoShop

TDemoShop::TDemoShop(TAdoConnection &connection)
    : m_con(connection), m_random(QRandomGenerator::global()->generate())
{
}

TDemoShop::~TDemoShop() = default;

const TShopKeys &TDemoShop::Keys()
{
    if (!m_keys)
        m_keys = std::make_unique<TShopKeys>(TShopKeys::Load(m_con));
    return *m_keys;
}

TShopWriter &TDemoShop::Writer()
{
    if (!m_writer)
        m_writer = std::make_unique<TShopWriter>(m_con);
    return *m_writer;
}

int TDemoShop::NextOrderNum(TDateTime now)
{
    TAdoQuery q(&m_con);
    q.SetSQL(QStringLiteral("SELECT MAX(OrderNum) AS LastOrder FROM Invoices WHERE Date >= :DayStart"));
    q.ParamByName(QStringLiteral("DayStart")).SetDateTime(TradingDayStart(now));
    q.Open();
    return static_cast<int>(q.FieldByName(QStringLiteral("LastOrder")).AsInteger()) + 1;
}

void TDemoShop::Seed()
{
    {
        TAdoQuery q(&m_con);
        q.SetSQL(QStringLiteral("SELECT TOP 1 EmpNum FROM Employee"));
        q.Open();
        if (!q.IsEmpty())
            throw EVxException(QStringLiteral("The database already holds a shop"), QStringLiteral("TDemoShop.Seed"));
    }
    m_keys.reset();

    const TDateTime now = DateTimes::Now();
    SeedAddresses(m_con, now);
    SeedMenu(m_con);
    SeedStaff(m_con, now);
    SeedTill(m_con);
    SeedSettings(m_con);
    OpenTodaysShifts(now);
    WriteOpenOrders();
}

// The cashier, some drivers and till 1, at work since the morning.
void TDemoShop::OpenTodaysShifts(TDateTime now)
{
    const TDateTime dayStart = TradingDayStart(now);
    const TDateTime opened = std::min(now, std::max(dayStart + Minute, now - 3.0 / 24));
    TShopWriter &writer = Writer();
    int onShift = 0;
    for (const TStaff &s : Staff) {
        const bool cashier = qstrcmp(s.category, CashierCategory) == 0;
        if (!cashier && !(s.delivers && onShift++ < DriversOnShift))
            continue;
        TShift shift{Str(s.empNum), opened, {}, Cents(s.hourlyCents), Cents(s.kmCents), Cents(s.delivers ? 20000 : 0), {}, {}, 0};
        if (s.delivers)
            shift.odoStart = m_random.bounded(30000, 120000);
        writer.WriteShift(shift);
    }
    writer.WriteTillShift(opened, true);
}

// About eight unassigned deliveries due from 20 minutes ago to 40 minutes ahead, most of
// them cooked, and two already handed to the first driver.
void TDemoShop::WriteOpenOrders()
{
    const TShopKeys &keys = Keys();
    const TDateTime now = DateTimes::Now();
    std::vector<TOrder> orders;
    constexpr int Unassigned = 8, Assigned = 2;
    for (int i = 0; i < Unassigned + Assigned; ++i) {
        TOrder order;
        order.customer = &keys.customers[static_cast<size_t>(i * 3) % keys.customers.size()];
        order.basket = TBasket::Fill(m_random, 2, 4);
        if (i < Unassigned) {
            order.due = now + (-20 + i * 60.0 / (Unassigned - 1)) * Minute;
            order.taken = std::min(now - 2 * Minute, order.due - m_random.bounded(35, 50) * Minute);
            if (i < Unassigned - 2)
                order.cooked = std::min(now - Minute, order.taken + m_random.bounded(15, 22) * Minute);
        } else {
            order.due = now + (5 + i) * Minute;
            order.taken = order.due - 40 * Minute;
            order.cooked = order.taken + 20 * Minute;
            order.toDriver = now - (i - Unassigned + 2) * Minute;
            order.driver = keys.drivers.empty() ? QString() : keys.drivers.front().empNum;
        }
        order.cashier = keys.cashier.empNum;
        order.cashierLink = keys.cashierLink;
        order.tillShift = keys.tillShift;
        orders.push_back(std::move(order));
    }
    const qlonglong driverLink = keys.drivers.empty() ? 0 : LatestShift(m_con, keys.drivers.front().empNum);
    for (TOrder &order : orders)
        if (order.toDriver)
            order.driverLink = driverLink;
    std::sort(orders.begin(), orders.end(), [](const TOrder &a, const TOrder &b) { return a.taken < b.taken; });
    int orderNum = NextOrderNum(now);
    for (TOrder &order : orders) {
        order.orderNum = orderNum++;
        Writer().WriteOrder(order);
    }
}

int TDemoShop::WriteOrder(TDateTime due)
{
    const TShopKeys &keys = Keys();
    const TDateTime now = DateTimes::Now();
    TOrder order;
    order.customer = &keys.customers[static_cast<size_t>(m_random.bounded(static_cast<int>(keys.customers.size())))];
    order.basket = TBasket::Fill(m_random, 1, 4);
    order.taken = now;
    order.due = due;
    order.cashier = keys.cashier.empNum;
    order.cashierLink = keys.cashierLink;
    order.tillShift = keys.tillShift;
    TTransactionScope transaction(m_con);
    order.orderNum = NextOrderNum(now);
    const qlonglong invoiceNum = Writer().WriteOrder(order);
    transaction.Commit();
    return static_cast<int>(invoiceNum);
}

int TDemoShop::CookOrders(TDateTime takenBefore)
{
    TAdoCommand cook(&m_con);
    cook.SetCommandText(QStringLiteral("UPDATE Invoices SET TimeStampCooked = :Cooked "
                                       "WHERE Status = 0 AND TransType = 3 AND TimeStampCooked IS NULL AND Date <= :TakenBefore"));
    cook.ParamByName(QStringLiteral("Cooked")).SetDateTime(DateTimes::Now());
    cook.ParamByName(QStringLiteral("TakenBefore")).SetDateTime(takenBefore);
    return cook.Execute();
}

long long TDemoShop::WriteHistory(int days, int invoicesPerDay)
{
    if (days < 1 || invoicesPerDay < 1)
        return 0;
    const TShopKeys &keys = Keys();
    if (keys.drivers.empty())
        throw EVxException(QStringLiteral("The demo shop has no drivers"), QStringLiteral("TDemoShop.WriteHistory"));
    const TDateTime today = DateTimes::DayOf(TradingDayStart(DateTimes::Now()));
    long long rows = 0;
    for (int back = days; back >= 1; --back) {
        TTransactionScope transaction(m_con);
        rows += WriteTradingDay(today - back, invoicesPerDay);
        transaction.Commit();
    }
    return rows;
}

// One past trading day: the staff's shifts, the till's shift with its takings, and the
// day's deliveries, each handed to a driver, taken out and brought back.
long long TDemoShop::WriteTradingDay(TDateTime day, int invoices)
{
    const TShopKeys &keys = Keys();
    const size_t drivers = keys.drivers.size();
    // Orders from 11:00 to 21:30, so the last driver is back before the shifts end.
    const TDateTime opening = day + DateTimes::EncodeTime(11, 0), span = 10.5 / 24;
    std::vector<TOrder> orders(static_cast<size_t>(invoices));
    for (int i = 0; i < invoices; ++i) {
        TOrder &order = orders[static_cast<size_t>(i)];
        order.orderNum = i + 1;
        order.closed = true;
        order.customer = &keys.customers[m_random.bounded(static_cast<quint32>(keys.customers.size()))];
        order.basket = TBasket::Fill(m_random, 1, 4);
        order.taken = opening + (i + m_random.generateDouble()) * span / invoices;
        order.due = order.taken + m_random.bounded(35, 50) * Minute;
        order.cooked = order.taken + m_random.bounded(15, 25) * Minute;
        order.toDriver = *order.cooked + m_random.bounded(1, 6) * Minute;
        order.departed = *order.toDriver + m_random.bounded(1, 5) * Minute;
        order.returned = *order.departed + m_random.bounded(15, 40) * Minute;
        order.driver = keys.drivers[static_cast<size_t>(i) % drivers].empNum;
        order.cashier = keys.cashier.empNum;
    }

    long long rows = 0;
    const TDateTime in = day + DateTimes::EncodeTime(10, 30), out = day + DateTimes::EncodeTime(22, 45);
    const qlonglong cashierLink = Writer().WriteShift({keys.cashier.empNum, in, out, keys.cashier.hourlyRate, {}, {}, {}, {}, 0});
    std::vector<qlonglong> driverLinks;
    for (size_t d = 0; d < drivers; ++d) {
        const int odoStart = m_random.bounded(30000, 120000);
        const int carried = static_cast<int>((static_cast<size_t>(invoices) + drivers - 1 - d) / drivers);
        const TShopKeys::TEmployee &driver = keys.drivers[d];
        driverLinks.push_back(Writer().WriteShift({driver.empNum, in, out, driver.hourlyRate, driver.kmRate, Cents(20000),
                                                    odoStart, odoStart + 40 + 4 * carried, carried}));
    }
    const qlonglong tillShift = Writer().WriteTillShift(day + DateTimes::EncodeTime(23, 0), false, orders);
    rows += 2 + static_cast<long long>(drivers);
    for (size_t i = 0; i < orders.size(); ++i) {
        TOrder &order = orders[i];
        order.cashierLink = cashierLink;
        order.driverLink = driverLinks[i % drivers];
        order.tillShift = tillShift;
        Writer().WriteOrder(order, &rows);
    }
    return rows;
}
