#include "TillSimulator.h"

#include "app/clsEVxException.h"
#include "data/DemoShop.h"
#include "data/Schema.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <chrono>
#include <thread>

namespace {
constexpr TDateTime Minute = 1.0 / 1440.0;
// Orders taken this long ago leave the kitchen, so the board can hand them out.
constexpr TDateTime CookingTime = 15 * Minute;
}

void TTillSimulator::Connect(const QString &connectionString)
{
    m_con.SetConnectionString(connectionString);
    m_con.SetNewDatabaseInitialiser([this](TAdoConnection &c) {
        Schema::Create(c);
        TDemoShop(c).Seed();
        m_created = true;
    });
    try {
        m_con.Open();
    } catch (const EDatabaseError &e) {
        throw EDatabaseError(QStringLiteral("cannot open the database: ") + e.Message());
    }
    if (m_created)
        m_out << "Created " << TConnectionString::Parse(connectionString).DataSource() << " with the demo shop" << Qt::endl;
}

void TTillSimulator::RequireTables()
{
    if (!Schema::Exists(m_con))
        throw EVxException(QStringLiteral("the database has no Orvik tables: run \"orvik-till seed\" first"), QStringLiteral("TTillSimulator"));
}

void TTillSimulator::Seed()
{
    if (m_created)
        return;
    m_con.BeginTransaction();
    try {
        if (!Schema::Exists(m_con))
            Schema::Create(m_con);
        TDemoShop(m_con).Seed();
        m_con.Commit();
    } catch (...) {
        m_con.Rollback();
        throw;
    }
    m_out << "Seeded the demo shop" << Qt::endl;
}

void TTillSimulator::Orders(double everySeconds, int count)
{
    RequireTables();
    TDemoShop shop(m_con);
    for (int written = 0; count == 0 || written < count; ++written) {
        if (written > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(qRound64(everySeconds * 1000)));
        const TDateTime now = DateTimes::Now();
        shop.CookOrders(now - CookingTime);
        PrintOrder(shop.WriteOrder(now + QRandomGenerator::global()->bounded(20, 51) * Minute));
    }
}

void TTillSimulator::PrintOrder(int invoiceNum)
{
    TAdoQuery q(&m_con);
    q.SetSQL(QStringLiteral("SELECT OrderNum, NotifyName, TimeDue, AfterDisc, "
                            "(SELECT COUNT(*) FROM LineItem WHERE LineItem.InvoiceNum = Invoices.InvoiceNum) AS LineCount "
                            "FROM Invoices WHERE InvoiceNum = :InvoiceNum"));
    q.ParamByName(QStringLiteral("InvoiceNum")).SetInteger(invoiceNum);
    q.Open();
    m_out << "Order " << q.FieldByName(QStringLiteral("OrderNum")).AsInteger() << " (invoice " << invoiceNum << ") for "
          << q.FieldByName(QStringLiteral("NotifyName")).AsString() << ", due "
          << DateTimes::ToQDateTime(q.FieldByName(QStringLiteral("TimeDue")).AsDateTime()).toString(QStringLiteral("HH:mm")) << ", "
          << q.FieldByName(QStringLiteral("LineCount")).AsInteger() << " lines, "
          << q.FieldByName(QStringLiteral("AfterDisc")).AsCurrency().ToString(2) << Qt::endl;
}

void TTillSimulator::History(int days)
{
    RequireTables();
    QElapsedTimer timer;
    timer.start();
    const long long rows = TDemoShop(m_con).WriteHistory(days);
    const double seconds = std::max<qint64>(timer.elapsed(), 1) / 1000.0;
    m_out << "Wrote " << rows << " rows over " << days << " trading days in " << QString::number(seconds, 'f', 1)
          << " s (" << qRound64(rows / seconds) << " rows/s)" << Qt::endl;
}
