#include "TillCommandLine.h"
#include "TillSimulator.h"

#include "app/clsEVxException.h"
#include "data/datamodOrvik.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

int Fail(const QString &message)
{
    QString line = message.simplified();  // engine messages may span lines
    QTextStream(stderr) << "orvik-till: " << line << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvik-till"));
    QTextStream out(stdout);
    try {
        const QString embedded = QStringLiteral("Provider=SQLite;Data Source=") + TdmOrvik::DefaultDatabaseFile() + u';';
        const TTillOptions options = ParseTillCommandLine(QCoreApplication::arguments(), embedded);
        if (options.command == TTillOptions::TCommand::Help) {
            out << options.helpText;
            return 0;
        }
        TTillSimulator till(out);
        till.Connect(options.connectionString);
        switch (options.command) {
        case TTillOptions::TCommand::Seed: till.Seed(); break;
        case TTillOptions::TCommand::Orders: till.Orders(options.everySeconds, options.count); break;
        case TTillOptions::TCommand::History: till.History(options.days); break;
        case TTillOptions::TCommand::Help: break;
        }
    } catch (const TUsageError &e) {
        return Fail(QString::fromUtf8(e.what()));
    } catch (const std::exception &e) {
        return Fail(ExceptionMessage(e));
    }
    return 0;
}
