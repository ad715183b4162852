#include "FStartWindow.h"

#include "clsEVxException.h"
#include "data/AdoObjects.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int RefreshMilliseconds = 10'000;

QLabel *NewLabel(QWidget *parent, const char *name, int pointSize)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

} // namespace

TfrmStartWindow::TfrmStartWindow(TAdoConnection &connection, QWidget *parent)
    : QMainWindow(parent), m_con(connection)
{
    setWindowTitle(QStringLiteral("Invoice Allocation to Drivers. Version: ") + QStringLiteral(TRELVO_VERSION));
    auto *central = new QWidget(this);
    lblDatabase = NewLabel(central, "lblDatabase", 14);
    lblOpenDeliveries = NewLabel(central, "lblOpenDeliveries", 24);
    lblError = NewLabel(central, "lblError", 12);
    lblError->setStyleSheet(QStringLiteral("color: #b00000"));
    lblDatabase->setText(DescribeDatabase(m_con.ConnectionString()));

    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(18);
    layout->addWidget(lblDatabase);
    layout->addWidget(lblOpenDeliveries);
    layout->addWidget(lblError);
    layout->addStretch();
    setCentralWidget(central);
    resize(800, 480);

    connect(&m_refresh, &QTimer::timeout, this, &TfrmStartWindow::RefreshCount);
    m_refresh.start(RefreshMilliseconds);
    RefreshCount();
}

QString TfrmStartWindow::DescribeDatabase(const QString &connectionString)
{
    try {
        const TConnectionString cs = TConnectionString::Parse(connectionString);
        const QString port = cs.Port() > 0 ? u':' + QString::number(cs.Port()) : QString();
        switch (cs.Engine()) {
        case TEngine::SQLite:
            return QStringLiteral("Database: embedded file ") + cs.DataSource();
        case TEngine::PostgreSQL:
            return QStringLiteral("Database: PostgreSQL server ") + cs.Host() + port + QStringLiteral(", database ") + cs.Catalog();
        case TEngine::SqlServer:
            break;
        }
        return QStringLiteral("Database: SQL Server ") + cs.Host() + port + QStringLiteral(", database ") + cs.Catalog();
    } catch (const std::exception &e) {
        return QStringLiteral("Database: ") + ExceptionMessage(e);
    }
}

void TfrmStartWindow::RefreshCount()
{
    try {
        TAdoQuery query(&m_con);
        query.SetSQL(QStringLiteral("SELECT COUNT(*) AS N FROM Invoices WHERE TransType = 3 AND Status = 0"));
        query.Open();
        lblOpenDeliveries->setText(QStringLiteral("Open deliveries: ") + QString::number(query.FieldByName(QStringLiteral("N")).AsInteger()));
        lblError->clear();
    } catch (const std::exception &e) {
        lblOpenDeliveries->setText(QStringLiteral("Open deliveries: ?"));
        lblError->setText(QStringLiteral("The open deliveries could not be counted: ") + ExceptionMessage(e));
    }
}
