#pragma once

#include "clsSysData.h"
#include "records/clsOrvikPrinters.h"
#include "records/clsTills.h"

#include <QHash>
#include <bitset>
#include <span>

// One key of a settings class: its name, its default and, for the keys the program
// reads, the member that keeps its item.
template <class S>
struct TSettingKey {
    const char *key;
    const char *defaultValue;
    TSysDataItem *S::*field = nullptr;
};

// A settings class: every key it knows is found or created with its default when it loads,
// and its item kept so that readers need no search.
class TOrvikSettingsData : public TSysData {
public:
    // The item kept for the key; throws when the key is not one this class has loaded.
    TSysDataItem *Setting(const QString &key) const;

protected:
    bool Flag(const char *key) const { return Setting(QLatin1String(key))->AsBoolean(); }
    void SetFlag(const char *key, bool value) { Setting(QLatin1String(key))->SetAsBoolean(value); }
    int Number(const char *key) const { return static_cast<int>(Setting(QLatin1String(key))->AsInteger()); }
    void SetNumber(const char *key, int value) { Setting(QLatin1String(key))->SetAsInteger(value); }

    virtual void KeyFound(const QString &key, TSysDataItem *item);

    // Loads the class, then finds or adds each key in order and keeps its item.
    template <class S>
    void LoadKeys(const QString &sysClass, std::span<const TSettingKey<S>> keys)
    {
        LoadClass(sysClass);
        m_kept.clear();
        for (const TSettingKey<S> &k : keys) {
            const QString key = QString::fromLatin1(k.key);
            TSysDataItem *item = FindOrAdd(sysClass, key, QString::fromLatin1(k.defaultValue));
            m_kept.insert(key, item);
            if (k.field)
                static_cast<S &>(*this).*k.field = item;
            KeyFound(key, item);
        }
    }

private:
    QHash<QString, TSysDataItem *> m_kept;
};

// The four column flags of "PICKLIST COLUMNS", numbered 0 to 3.
using TPicklistColumns = std::bitset<4>;

// Settings of the whole shop (class "GLOBAL") and the list of IP addresses.
class TOrvikGlobalSettings : public TOrvikSettingsData {
public:
    virtual TSysDataItem *FindOrAddGlobal(const QString &item, const QString &defaultValue);
    // Loads the class, finds or creates every global key, then reads the IP addresses.
    virtual void Load();
    // Errors are shown and loading goes on; an empty table keeps the list.
    void PopulateIPAddresses();
    // Replaces the stored addresses with the list; errors are shown.
    void SaveIPAddresses();

    QString BusBranch() const { return Setting(QStringLiteral("BUS BRANCH"))->AsString(); }
    void SetBusBranch(const QString &value) { Setting(QStringLiteral("BUS BRANCH"))->SetAsString(value); }
    bool UseTradingDay() const { return Flag("USE TRADING DAY"); }
    void SetUseTradingDay(bool value) { SetFlag("USE TRADING DAY", value); }
    bool EnPicklist() const { return Flag("EN PICKLIST"); }
    void SetEnPicklist(bool value) { SetFlag("EN PICKLIST", value); }
    bool NoLockIfInvOutstanding() const { return Flag("NO LOCK IF INV OUTSANDING"); }
    void SetNoLockIfInvOutstanding(bool value) { SetFlag("NO LOCK IF INV OUTSANDING", value); }
    bool NoLockIfTillsOpen() const { return Flag("NO LOCK IF TILLS OPEN"); }
    void SetNoLockIfTillsOpen(bool value) { SetFlag("NO LOCK IF TILLS OPEN", value); }
    bool NoLockIfDriversUncashed() const { return Flag("NO LOCK IF DRIVERS UNCASHED"); }
    void SetNoLockIfDriversUncashed(bool value) { SetFlag("NO LOCK IF DRIVERS UNCASHED", value); }
    TPicklistColumns PicklistColumns() const;
    void SetPicklistColumns(TPicklistColumns columns);
    // The time of day "DAY START" holds; 0 (read as 05:00) when it is not loaded. A value
    // that does not read as a time throws.
    TDateTime DayStartTime() const;

    QStringList IPAddresses;

    // The keys this program reads.
    TSysDataItem *DayStart = nullptr;
    TSysDataItem *AppItemsCookedActive = nullptr;
    TSysDataItem *AppTrelvoLogTimes = nullptr;
    TSysDataItem *GenInvPassword = nullptr;
    TSysDataItem *GenForcePwdChange = nullptr;
    TSysDataItem *VatRate = nullptr;
    TSysDataItem *BusName = nullptr;
    TSysDataItem *PhoneNum = nullptr;
    TSysDataItem *VatRegNum = nullptr;
    TSysDataItem *StoreMsg = nullptr;
    TSysDataItem *DelivMsg = nullptr;
    TSysDataItem *DeliveryTime = nullptr;
    TSysDataItem *EnAltImage = nullptr;
    TSysDataItem *AltImgMin = nullptr;
    TSysDataItem *VatExOnInvoice = nullptr;
    TSysDataItem *WideFormat = nullptr;
    TSysDataItem *ExtendKtchnSlip = nullptr;
};

// Settings of this till (class = the till number), its till row and its printers.
class TOrvikLocalSettings : public TOrvikSettingsData {
public:
    void SetAdoConnection(TAdoConnection *connection) override;
    // Throws EVxException when no till has that number.
    virtual void Populate(int tillNumber);
    using TOrvikSettingsData::Populate;

    int FormLook() const { return Number("FORM LOOK"); }
    void SetFormLook(int value) { SetNumber("FORM LOOK", value); }
    int OpeningForm() const { return Number("OPENING FORM"); }
    void SetOpeningForm(int value) { SetNumber("OPENING FORM", value); }
    // Value followed by Value2: a path of up to 100 characters in two columns of 50.
    QString LogoPath() const;
    void SetLogoPath(const QString &path);

    TTillsItem Till;
    TOrvikPrinters Printers;

    // The keys this program reads.
    TSysDataItem *DisplayLogo = nullptr;
    TSysDataItem *GenPersistUser = nullptr;
    TSysDataItem *GenUseFingerprint = nullptr;
    TSysDataItem *DrvInvPr = nullptr;
    TSysDataItem *InvMonitor = nullptr;
    TSysDataItem *LogTimes = nullptr;
    TSysDataItem *PfrntDev = nullptr;
    TSysDataItem *PfrntWdth = nullptr;
    TSysDataItem *PlabelDev = nullptr;
    TSysDataItem *PrintLabelMargin = nullptr;
    TSysDataItem *PrintSideBySide = nullptr;
    TSysDataItem *PbakaWdth = nullptr;
    TSysDataItem *PbakaFtln = nullptr;
    TSysDataItem *NewItemsOnly = nullptr;
    TSysDataItem *WaiterDetails = nullptr;
    TSysDataItem *GratuityLine = nullptr;
    TSysDataItem *GrpItemsOnInv = nullptr;
    TSysDataItem *PrintSurvey = nullptr;

protected:
    // A logo that is to be shown but whose file is missing is switched off.
    void KeyFound(const QString &key, TSysDataItem *item) override;
};

// The menu version settings (class "MENUVERSIONS"); connected but not loaded by this program.
class TOrvikMenuUpdateSettings : public TOrvikSettingsData {
public:
    virtual TSysDataItem *FindOrAddMenu(const QString &item, const QString &defaultValue);
    virtual void Load();
};

// The program-wide settings, created at start-up and freed at exit.
class TOrvikSettings {
public:
    TOrvikSettings() = default;
    TOrvikSettings(const TOrvikSettings &) = delete;
    TOrvikSettings &operator=(const TOrvikSettings &) = delete;

    void SetAdoConnection(TAdoConnection *connection);
    TAdoConnection *AdoConnection() const { return m_connection; }
    // Start-up: the global settings, then those of this till, whose number is kept.
    void Load(int tillNumber);

    TOrvikGlobalSettings GlobalSettings;
    TOrvikLocalSettings LocalSettings;
    TOrvikMenuUpdateSettings MenuUpdateSettings;
    int TillID = 0;
    T_Printers Printers;

private:
    TAdoConnection *m_connection = nullptr;
};

// The one instance, set at start-up.
extern TOrvikSettings *OrvikSettings;

// DayStartTime of the program's loaded settings; 0 without them.
TDateTime ConfiguredDayStart();
