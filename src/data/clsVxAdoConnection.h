#pragma once

#include <QString>
#include <memory>

class TAdoConnection;
class QSettings;

// The default connection offered when none is stored.
struct TConnectionDefaults {
    enum TKind : quint8 { SqlServer = 0, SQLite = 1, PostgreSQL = 2 };
    TKind kind = SqlServer;
    QString userName;
    QString password;
    QString initialCatalog;
    QString dataSource;
};

// Keeps the connection string and the failed flag in the system settings store (the
// registry on Windows) and asks the user for a string when none is stored or the last
// attempt failed.
class TVxAdoConnection {
public:
    TVxAdoConnection();
    virtual ~TVxAdoConnection() = default;

    void SetApplicationKey(const QString &name);
    void SetServerName(const QString &name) { m_serverName = name; }
    QString ServerName() const { return m_serverName; }
    QString ApplicationKey() const { return m_applicationKey; }
    QString KeyPath() const { return m_keyPath; }
    QString CompanyName() const { return m_companyName; }
    QString InitialConnectionString() const { return m_initialConnectionString; }
    const TConnectionDefaults &Defaults() const { return m_defaults; }

    void BuildConnectionString(const TConnectionDefaults &defaults);
    QString GetConnectionString();
    void SaveConnectionString(const QString &text);
    void PromptConnectionString();
    bool ReadFailedFlag();
    void WriteFailedFlag(bool failed);
    // Opens the connection with the stored string; records success or failure. Re-raises.
    virtual bool Connect(TAdoConnection &connection);

    QString FailedValueName() const { return m_serverName + QStringLiteral("-Failed"); }
    QString ConnectionStringValueName() const { return m_serverName + QStringLiteral("-ConnectionString"); }

private:
    // The key in the writable scope (system where it can be written, else the user's);
    // nullptr when neither can be opened.
    std::unique_ptr<QSettings> OpenKey() const;

    QString m_keyPath;
    QString m_initialConnectionString;
    QString m_serverName;
    QString m_applicationKey;
    TConnectionDefaults m_defaults;
    QString m_companyName;
};
