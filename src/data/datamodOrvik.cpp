#include "datamodOrvik.h"

#include "DemoShop.h"
#include "Schema.h"
#include "app/clsEVxException.h"
#include "app/modMsgDlgs.h"

#include <QStandardPaths>

TdmOrvik *dmOrvik = nullptr;

TdmOrvik::TdmOrvik()
{
    con.Close();
    m_connection.SetApplicationKey(QStringLiteral("Orvik"));
    m_connection.SetServerName(QStringLiteral("Msde"));
    m_defaults.kind = TConnectionDefaults::SQLite;
    m_defaults.userName = QStringLiteral("orvik");
    m_defaults.password = QStringLiteral("zup");
    m_defaults.initialCatalog = QStringLiteral("duDid");
    m_defaults.dataSource = DefaultDatabaseFile();
    // A new embedded file gets the suite's tables and the demo shop, so the board shows work at once.
    con.SetNewDatabaseInitialiser([](TAdoConnection &c) {
        Schema::Create(c);
        TDemoShop(c).Seed();
    });
}

TdmOrvik::~TdmOrvik()
{
    con.Close();
}

QString TdmOrvik::DefaultDatabaseFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tessaron/Orvik/orvik.db");
}

void TdmOrvik::SetConnected()
{
    con.Close();
    m_connection.BuildConnectionString(m_defaults);
    m_connection.SetApplicationKey(QStringLiteral("Orvik"));
    m_connection.SetServerName(QStringLiteral("Msde"));
    try {
        m_connection.Connect(con);
    } catch (const std::exception &e) {
        ReportError(QStringLiteral("Connect to the orvik MSDE"),
                    ExceptionMessage(e) + u'\r' + QStringLiteral("Connection String: ") + con.ConnectionString(),
                    QStringLiteral("TdmMain.SetConnected"));
    }
}
