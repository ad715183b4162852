#include "clsOrvikSettings.h"

#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TOrvikSettings *OrvikSettings = nullptr;

namespace {

const QString kGlobal = QStringLiteral("GLOBAL");
const QString kMenuVersions = QStringLiteral("MENUVERSIONS");
const QString kPicklistColumns = QStringLiteral("PICKLIST COLUMNS");
const QString kLogoPath = QStringLiteral("LOGO PATH");
const QString kDisplayLogo = QStringLiteral("DISPLAY LOGO");

using G = TOrvikGlobalSettings;
using L = TOrvikLocalSettings;

// In load order. The suite's other programs read most of them; the settings editor shows them all.
const TSettingKey<G> kGlobalKeys[] = {
    {"BUS BRANCH", "Hilton"}, {"BUS NAME", "Tessaron", &G::BusName}, {"AUTOFILL MANUF STOCK", "0"}, {"AUTOFILL STOCKPCH", "0"},
    {"BACKUPPATH1", "c:\\mssql7\\backup"}, {"AUTOBACUPPATH1", "0"}, {"BACKUPPATH2", "c:\\mssql7\\backup"}, {"AUTOBACKUPPATH2", "0"},
    {"GRV FORCE PRICE UPDATE", "1"}, {"AUTO START TRANS", "0"}, {"DISABLEPAY", "0"}, {"PHONE NUM", "011 555 0100", &G::PhoneNum},
    {"DIAL CODE", ""}, {"VATREGNUM", "VatRegNum", &G::VatRegNum}, {"ADDRESS1", ""}, {"ADDRESS2", ""}, {"CITY", ""}, {"AREACODE", ""},
    {"CONTACT", ""}, {"ENABLECUSTOMERS", "0"}, {"CLI DEVICE", "1"}, {"STORE MSG", "Thank you for your business", &G::StoreMsg},
    {"NO PRNT COLLECT ON PAY", "0"}, {"INVOICE EDITING", "0"}, {"ROUNDING", "0.0"},
    {"DELIV MSG", "Driver %1 is on his %2 delivery", &G::DelivMsg}, {"DRVDELCHG", "0"},
    {"GEN INV PASSWORD", "0", &G::GenInvPassword}, {"GEN FORCE PWD CHANGE", "0", &G::GenForcePwdChange}, {"GEN OR CASHIER PWD", "0"},
    {"SAVE CC INFO", "1"}, {"EXCL EXT LOC SALES", "0"}, {"EN PICKLIST", "1"}, {"USE TRADING DAY", "0"}, {"USE STOCKTAKE TIMES", "0"},
    {"VATEXCLREPORTS", "0"}, {"ROYALTYEXCLDELIVCHG", "0"}, {"AutoManStockCalc", "0"}, {"FCInverseOfGP", "0"},
    {"NO LOCK IF INV OUTSANDING", "1"}, {"NO LOCK IF TILLS OPEN", "1"}, {"NO LOCK IF DRIVERS UNCASHED", "1"},
    {"ONE SHOP CASHUP PER DAY", "1"}, {"BLIND_CASHUP", "0"}, {"NO TILLS IF SHOP UNPOSTED", "1"}, {"DISABLE EMPLOYEE WAGES", "0"},
    {"DISABLE PETTY CASH", "0"}, {"WTRCLOCKOUTCHECK", "0"}, {"StoreSquareFeet", "0"}, {"PICKLIST COLUMNS", "4"},
    {"EN ALTIMAGE", "0", &G::EnAltImage}, {"ALTIMG  MIN", "0", &G::AltImgMin}, {"VAT RATE", "14", &G::VatRate}, {"DELIV CHG", "0"},
    {"DELIVERY TIME", "00:00", &G::DeliveryTime}, {"MIN DELIV", "0"}, {"FOOD PREP", "00:12"}, {"MAX DELIV TIME", "00:12"},
    {"DAY START", "05:00", &G::DayStart}, {"OVEN TIME", "00:06"}, {"FRANCH LPT", "LPT1"}, {"STOCK COST CALC", "0"}, {"CUST NOTES", "1"},
    {"HIDE TOTS", "0"}, {"OLD CASHUP", "1"}, {"SEP TILLS", "1"}, {"OPERATOR OPEN TILL", "0"}, {"CUST ACT", "30"}, {"CUST P1", "60"},
    {"CUST P2", "90"}, {"CUSTINACT", "360"}, {"HO ROYALTY", "6"}, {"HO ADVERT", "5"}, {"IMG ROTATE DELAY", "4"},
    {"IMG BROWSE DELAY", "5"}, {"IMG MESSAGE", "Invoice details"}, {"IMG INVITEM MSG", "Invoice items"}, {"IMG DISP PRICE", "0"},
    {"IMG MONITOR", "0"}, {"IMG DISP DETAILS", "0"}, {"IMG TXT COLOUR", "16777215"}, {"IMG BCK COLOUR", "0"}, {"IMG XPARENT TXT", "0"},
    {"PRICING LEVEL", "0"}, {"PRICE_OVERRIDE_VISIBLE", "0"}, {"INV_EDIT_VISIBLE", "0"}, {"EXCL_EXTERNAL_VISIBLE", "0"},
    {"DISPLAY GRV SETTINGS", "0"}, {"DISPLAY_ONLINE_ORDERS", "0"}, {"CUSTSRCHCELL", "1"}, {"CUSTSRCHEMAIL", "1"},
    {"CUSTSRCHFIRSTNAME", "1"}, {"CUSTSRCHLASTNAME", "1"}, {"CUSTSRCHCRM", "1"}, {"EXTENDKTCHNSLIP", "1", &G::ExtendKtchnSlip},
    {"VATEXONINVOICE", "0", &G::VatExOnInvoice}, {"WIDEFORMAT", "0", &G::WideFormat}, {"PRICEGROUPING", "0"}, {"CLASSIC KEYBOARD", "0"},
    {"PROMPT_NEW_OPERATOR", "0"}, {"APP_PREPMONITOR_ACTIVE", "0"}, {"APP_ITEMSCOOKED_ACTIVE", "0", &G::AppItemsCookedActive},
    {"APP_TRELVO_LOGTIMES", "0", &G::AppTrelvoLogTimes}, {"HEADCOUNTPROMPT", "0"}, {"POLELINE1", "Next customer please..."},
    {"POLELINE2", ""}, {"CHECKFORUPDATES", "7"}, {"LASTUPDATECHECK", "0"},
};

const TSettingKey<L> kLocalKeys[] = {
    {"BTN FONT SIZE", "1"}, {"TS CAT COLS", "5"}, {"TS CAT ROWS", "2"}, {"CLOSE DELAY", "5"}, {"FORM LOOK", "0"}, {"OPENING FORM", "0"},
    {"OVERLAP BUTTONS", "0"}, {"CONVERT2COUNTER", "1"}, {"COUNTER PROMPT NAME", "0"}, {"IMAGING IP", "127.0.0.1"}, {"INV REPRNT", "0"},
    {"INVCON NEW", "60"}, {"INVCON OTH", "120"}, {"INV COPIES", "1"}, {"INVFRMTYPE", "0"}, {"INV POLE", "0"}, {"INV POLEMAKE", "0"},
    {"INV TBLNUM", "0"}, {"TS MENU COLS", "5"}, {"TS MENU ROWS", "3"}, {"TS DISP BTN IMAGES", "1"}, {"LOGO PATH", "Images\\voridaveze.bmp"},
    {"LOGO STRETCH", "0"}, {"DISPLAY LOGO", "0", &L::DisplayLogo}, {"KEEP LIST OPEN", "1"}, {"GEN PERSIST USER", "0", &L::GenPersistUser},
    {"PFRNT TYPE", "2"}, {"PFRNT DEV", "LPT1", &L::PfrntDev}, {"INV PG LEN", "26"}, {"PFRNT WDTH", "0", &L::PfrntWdth},
    {"PBAKA NAME", "Back Printer A"}, {"PBAKA FTLN", "0", &L::PbakaFtln}, {"PBAKA TYPE", "0"}, {"PBAKA MODL", "0"}, {"PBAKA DEV", ""},
    {"PBAKA WDTH", "0", &L::PbakaWdth}, {"GEN AUTO BARCODE", "0"}, {"PBAKB NAME", "Back Printer B"}, {"PBAKB FTLN", "0"},
    {"PBAKB TYPE", "0"}, {"PBAKB MODL", "0"}, {"PBAKB DEV", ""}, {"PBAKB WDTH", "0"}, {"PLABEL DEV", "LPT1", &L::PlabelDev},
    {"DRV INV PR", "0", &L::DrvInvPr}, {"LSTCUSTSTAT", "0"}, {"PREPRT DEV", "LPT1"}, {"PRINT LABEL MARGIN", "0.6", &L::PrintLabelMargin},
    {"PRINT SIDEBYSIDE", "1", &L::PrintSideBySide}, {"SLIP REPORTS", "0"}, {"GRP ITEMS ON INV", "0", &L::GrpItemsOnInv},
    {"NEW ITEMS ONLY", "0", &L::NewItemsOnly}, {"GRATUITY LINE", "0", &L::GratuityLine}, {"WAITER DETAILS", "0", &L::WaiterDetails},
    {"PRINT_SURVEY", "0", &L::PrintSurvey}, {"PROMPT_PRINT_PAY", "0"}, {"PRINT_ASSIGNED_PAY", "0"}, {"GRID_SIZE", "1"},
    {"GRID_TRACKER", "0"}, {"KEEP_DEP_SEL", "0"}, {"DEF TRANS TYPE", "0"}, {"DUP CUST WARN", "0"}, {"PROMPT_TRANS_TYPE", "1"},
    {"TILL FLOAT", "500"}, {"TILL COM", "COM1"}, {"GEN USE FINGERPRINT", "0", &L::GenUseFingerprint}, {"GEN USE FINGERPRINT BO", "0"},
    {"INV MONITOR", "0", &L::InvMonitor}, {"BO MONITOR", "0"}, {"PRICES FILTER", "0"}, {"KI TEXT COLOUR", "0"}, {"KI BACK COLOUR", "0"},
    {"CCNOMAD", "0"}, {"CCNOMADAUTH", "0"}, {"CCNOMADUSEREMOTE", "0"}, {"CCNOMADREMOTEADDR", ""}, {"CCNOMADGATEWAY", "0"},
    {"CCNOMADDLLPATH", ""}, {"CCNOMADBUDGET", "0"}, {"CCGRATUITYPROMPT", "1"}, {"LOG TIMES", "0", &L::LogTimes},
    {"PHONE EXTENSION", ""}, {"TAPI DEVICE", ""}, {"CLI RING TIMEOUT", "120"},
};

const TSettingKey<TOrvikMenuUpdateSettings> kMenuKeys[] = {
    {"ACTIVATEDATE", "19000101"}, {"MENUVERSION_LIVE", "1"}, {"MENUVERSION_PENDING", "1"}, {"MENUVERSION_PRELIVE", "1"},
    {"MENUVERSION_PROFILE", "1"},
};

// Bits of "PICKLIST COLUMNS" for flags 0 to 3 (8 is not used).
constexpr qlonglong kPicklistBits[] = {1, 2, 4, 16};

constexpr int kLogoPart = 50;

// Written on Windows, found here too: backslashes, relative to the program's folder.
bool LogoFileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QString file = QString(path).replace(u'\\', u'/');
    if (QFileInfo(file).isAbsolute())
        return QFileInfo::exists(file);
    const QString programFolder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    return QFileInfo::exists(QDir(programFolder).filePath(file)) || QFileInfo::exists(file);
}

} // namespace

// ---- TOrvikSettingsData

TSysDataItem *TOrvikSettingsData::Setting(const QString &key) const
{
    TSysDataItem *item = m_kept.value(key);
    if (!item)
        throw EVxException(QStringLiteral("The setting \"%1\" has not been loaded").arg(key), QStringLiteral("TOrvikSettingsData.Setting"));
    return item;
}

void TOrvikSettingsData::KeyFound(const QString &, TSysDataItem *) {}

// ---- TOrvikGlobalSettings

TSysDataItem *TOrvikGlobalSettings::FindOrAddGlobal(const QString &item, const QString &defaultValue)
{
    return FindOrAdd(kGlobal, item, defaultValue);
}

void TOrvikGlobalSettings::Load()
{
    LoadKeys<G>(kGlobal, kGlobalKeys);
    PopulateIPAddresses();
}

void TOrvikGlobalSettings::PopulateIPAddresses()
{
    try {
        TAdoQuery query(AdoConnection());
        query.SetSQL(QStringLiteral("SELECT * FROM IPADDRESS"));
        query.Open();
        if (!query.IsEmpty()) {
            IPAddresses.clear();
            for (query.First(); !query.Eof(); query.Next())
                IPAddresses.append(query.FieldByName(QStringLiteral("Address")).AsString());
        }
        query.Close();
    } catch (const std::exception &e) {
        ShowInformation(QStringLiteral("Could not load the list of IP addresses.\rReason: ") + ExceptionMessage(e) +
                        QStringLiteral("\rRaised in TOrvikGlobalSettings.PopulateIPAddresses"));
    }
}

void TOrvikGlobalSettings::SaveIPAddresses()
{
    TAdoConnection *connection = AdoConnection();
    bool inTransaction = false;
    try {
        if (!connection)
            throw EDatabaseError(QStringLiteral("The query has no connection"));
        // All or nothing: a failed insert must not leave the list emptied.
        connection->BeginTransaction();
        inTransaction = true;
        TAdoQuery query(connection);
        query.SetSQL(QStringLiteral("DELETE FROM IPADDRESS"));
        query.ExecSQL();
        query.SQL() = QStringList{QStringLiteral("INSERT INTO IPADDRESS"), QStringLiteral("(ADDRESS)"), QStringLiteral("VALUES(:Address);")};
        for (const QString &address : std::as_const(IPAddresses)) {
            query.ParamByName(QStringLiteral("Address")).SetString(address);
            query.ExecSQL();
        }
        connection->Commit();
    } catch (const std::exception &e) {
        if (inTransaction)
            connection->Rollback();
        ShowInformation(QStringLiteral("Could not save the IP addresses. Reason: ") + ExceptionMessage(e) +
                        QStringLiteral("\rRaised in TOrvikGlobalSettings.SaveIPAddresses"));
    }
}

TDateTime TOrvikGlobalSettings::DayStartTime() const
{
    return DayStart ? DateTimes::TimeOf(DayStart->AsTime()) : 0;
}

TDateTime ConfiguredDayStart()
{
    return OrvikSettings ? OrvikSettings->GlobalSettings.DayStartTime() : 0;
}

TPicklistColumns TOrvikGlobalSettings::PicklistColumns() const
{
    const qlonglong stored = Setting(kPicklistColumns)->AsInteger();
    TPicklistColumns columns;
    for (size_t flag = 0; flag < columns.size(); ++flag)
        columns[flag] = (stored & kPicklistBits[flag]) != 0;
    return columns;
}

void TOrvikGlobalSettings::SetPicklistColumns(TPicklistColumns columns)
{
    TSysDataItem *item = Setting(kPicklistColumns);
    item->SetAsInteger(0);
    for (size_t flag = 0; flag < columns.size(); ++flag)
        if (columns[flag])
            item->SetAsInteger(item->AsInteger() | kPicklistBits[flag]);
}

// ---- TOrvikLocalSettings

void TOrvikLocalSettings::SetAdoConnection(TAdoConnection *connection)
{
    TOrvikSettingsData::SetAdoConnection(connection);
    Printers.SetAdoConnection(connection);
    Till.SetAdoConnection(connection);
}

void TOrvikLocalSettings::KeyFound(const QString &key, TSysDataItem *item)
{
    if (key == kDisplayLogo && item->AsBoolean())
        item->SetAsBoolean(LogoFileExists(LogoPath()));  // saved by the next UpdateAll
}

void TOrvikLocalSettings::Populate(int tillNumber)
{
    Till.LoadByTillID(tillNumber);
    if (Till.TillID() <= 0)
        throw EVxException(QStringLiteral("Cannot call TOrvikLocalSettings.Populate without setting TOrvikLocalSettings.Till"),
                           QStringLiteral("TOrvikLocalSettings.Populate"));
    LoadKeys<L>(QString::number(Till.TillID()), kLocalKeys);
    Printers.LoadForTill(tillNumber);
}

QString TOrvikLocalSettings::LogoPath() const
{
    const TSysDataItem *item = Setting(kLogoPath);
    // A saved empty path comes back as the NUL "empty" text, in either column.
    const QString first = item->Value() == NulString() ? QString() : item->Value();
    if (item->Value2() == NulString())
        return first;
    return first + item->Value2();
}

void TOrvikLocalSettings::SetLogoPath(const QString &path)
{
    TSysDataItem *item = Setting(kLogoPath);
    item->SetValue(path.left(kLogoPart));
    item->SetValue2(path.mid(kLogoPart, kLogoPart));
}

// ---- TOrvikMenuUpdateSettings

TSysDataItem *TOrvikMenuUpdateSettings::FindOrAddMenu(const QString &item, const QString &defaultValue)
{
    return FindOrAdd(kMenuVersions, item, defaultValue);
}

void TOrvikMenuUpdateSettings::Load()
{
    LoadKeys<TOrvikMenuUpdateSettings>(kMenuVersions, kMenuKeys);
}

// ---- TOrvikSettings

void TOrvikSettings::SetAdoConnection(TAdoConnection *connection)
{
    m_connection = connection;
    LocalSettings.SetAdoConnection(connection);
    GlobalSettings.SetAdoConnection(connection);
    MenuUpdateSettings.SetAdoConnection(connection);
    Printers.SetAdoConnection(connection);
}

void TOrvikSettings::Load(int tillNumber)
{
    GlobalSettings.Load();
    TillID = tillNumber;
    LocalSettings.Populate(tillNumber);
}
