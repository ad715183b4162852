#include "clsVxAdoConnection.h"

#include "AdoObjects.h"
#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"

#include <QSettings>

TVxAdoConnection::TVxAdoConnection() : m_companyName(QStringLiteral("Tessaron")) {}

void TVxAdoConnection::SetApplicationKey(const QString &name)
{
    m_applicationKey = name;
    m_keyPath = QStringLiteral("\\Software\\") + m_companyName + u'\\' + name;
}

void TVxAdoConnection::BuildConnectionString(const TConnectionDefaults &defaults)
{
    m_defaults = defaults;
    switch (defaults.kind) {
    case TConnectionDefaults::SQLite:
        m_initialConnectionString = QStringLiteral("Provider=SQLite;Data Source=") + defaults.dataSource + u';';
        return;
    case TConnectionDefaults::PostgreSQL:
    case TConnectionDefaults::SqlServer:
        break;
    }
    const QString provider = defaults.kind == TConnectionDefaults::PostgreSQL ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLOLEDB.1");
    m_initialConnectionString = QStringLiteral("Provider=") + provider + u';' + QStringLiteral("Persist Security Info=True;")
                              + QStringLiteral("User ID=") + defaults.userName + u';' + QStringLiteral("Password=") + defaults.password + u';'
                              + QStringLiteral("Initial Catalog=") + defaults.initialCatalog + u';' + QStringLiteral("Data Source=") + defaults.dataSource + u';';
}

std::unique_ptr<QSettings> TVxAdoConnection::OpenKey() const
{
    auto system = std::make_unique<QSettings>(QSettings::SystemScope, m_companyName, m_applicationKey);
    if (system->isWritable())
        return system;
    // The user's scope still reads what an administrator stored for the whole machine.
    auto user = std::make_unique<QSettings>(QSettings::UserScope, m_companyName, m_applicationKey);
    if (user->isWritable())
        return user;
    return nullptr;
}

QString TVxAdoConnection::GetConnectionString()
{
    auto key = OpenKey();
    if (!key)
        return {};
    const QString bracket = u'[' + m_applicationKey + u':' + m_serverName + u']';
    if (!key->contains(ConnectionStringValueName())) {
        MessageDialog(QStringLiteral("Use the following window to specify a connection string for ") + bracket, mtInformation, {mbOK}, 0);
        PromptConnectionString();
    } else if (ReadFailedFlag()) {
        MessageDialog(QStringLiteral("The last attempt to connect to ") + bracket + QStringLiteral(" failed") + QStringLiteral("\r\r")
                          + QStringLiteral("Use the next window to verify the connection settings are correct"),
                      mtInformation, {mbOK}, 0);
        m_initialConnectionString = key->value(ConnectionStringValueName()).toString();
        PromptConnectionString();
    }
    key->sync();
    return key->value(ConnectionStringValueName()).toString();
}

void TVxAdoConnection::SaveConnectionString(const QString &text)
{
    auto key = OpenKey();
    if (!key)
        return;
    key->setValue(ConnectionStringValueName(), text);
    key->sync();
}

void TVxAdoConnection::PromptConnectionString()
{
    const std::optional<QString> edited = Prompts().EditConnectionString(m_initialConnectionString);
    SaveConnectionString(edited.value_or(m_initialConnectionString));
}

bool TVxAdoConnection::ReadFailedFlag()
{
    auto key = OpenKey();
    if (!key)
        throw EVxException(QStringLiteral("Failed to open the registry key ") + m_keyPath, QStringLiteral("TVxAdoConnection.ReadFailedFlag"));
    return key->value(FailedValueName(), 0).toInt() != 0;
}

void TVxAdoConnection::WriteFailedFlag(bool failed)
{
    auto key = OpenKey();
    if (!key)
        throw EVxException(QStringLiteral("Failed to open the registry key ") + m_keyPath, QStringLiteral("TVxAdoConnection.WriteFailedFlag"));
    key->setValue(FailedValueName(), failed ? 1 : 0);
    key->sync();
    if (key->status() != QSettings::NoError)
        throw EVxException(QStringLiteral("Failed to open the registry key ") + m_keyPath, QStringLiteral("TVxAdoConnection.WriteFailedFlag"));
}

bool TVxAdoConnection::Connect(TAdoConnection &connection)
{
    try {
        connection.Close();
        connection.SetConnectionString(GetConnectionString());
        connection.Open();
        WriteFailedFlag(false);
        return true;
    } catch (...) {
        WriteFailedFlag(true);
        throw;
    }
}
