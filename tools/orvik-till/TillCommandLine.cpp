#include "TillCommandLine.h"

#include <QCommandLineParser>

namespace {

[[noreturn]] void Refuse(const QString &message)
{
    throw TUsageError(message.toStdString());
}

double PositiveNumber(const QString &option, const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value <= 0)
        Refuse(QStringLiteral("%1 needs a number above 0, not \"%2\"").arg(option, text));
    return value;
}

int PositiveInteger(const QString &what, const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1)
        Refuse(QStringLiteral("%1 needs a whole number above 0, not \"%2\"").arg(what, text));
    return value;
}

} // namespace

TTillOptions ParseTillCommandLine(const QStringList &arguments, const QString &defaultConnection)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a demo delivery shop and its orders into an Orvik database, as the suite's tills do.\n\n"
        "Commands:\n"
        "  seed          create the demo shop (and the tables, in a new or empty database)\n"
        "  orders        write a delivery order every few seconds, due 20 to 50 minutes ahead\n"
        "  history DAYS  write closed deliveries for that many past trading days"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption connect(QStringLiteral("connect"), QStringLiteral("The database's connection string (default: the embedded database)."),
                                     QStringLiteral("CONNECTION STRING"), defaultConnection);
    const QCommandLineOption every(QStringLiteral("every"), QStringLiteral("orders: seconds between orders (default 5)."), QStringLiteral("SECONDS"));
    const QCommandLineOption count(QStringLiteral("count"), QStringLiteral("orders: stop after N orders (default: never)."), QStringLiteral("N"));
    parser.addOptions({help, connect, every, count});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("seed, orders or history"), QStringLiteral("seed|orders|history DAYS"));
    if (!parser.parse(arguments))
        Refuse(parser.errorText());

    TTillOptions options;
    options.helpText = parser.helpText();
    if (parser.isSet(help))
        return options;
    options.connectionString = parser.value(connect);
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        Refuse(QStringLiteral("no command given: seed, orders or history (see --help)"));
    const QString command = args.first();
    if (command == QLatin1String("seed"))
        options.command = TTillOptions::TCommand::Seed;
    else if (command == QLatin1String("orders"))
        options.command = TTillOptions::TCommand::Orders;
    else if (command == QLatin1String("history"))
        options.command = TTillOptions::TCommand::History;
    else
        Refuse(QStringLiteral("unknown command \"%1\": seed, orders or history (see --help)").arg(command));

    const int expected = options.command == TTillOptions::TCommand::History ? 2 : 1;
    if (args.size() < expected)
        Refuse(QStringLiteral("history needs the number of days"));
    if (args.size() > expected)
        Refuse(QStringLiteral("unexpected argument \"%1\"").arg(args.at(expected)));
    if (options.command == TTillOptions::TCommand::History)
        options.days = PositiveInteger(QStringLiteral("history"), args.at(1));

    const bool ordering = options.command == TTillOptions::TCommand::Orders;
    if (!ordering && (parser.isSet(every) || parser.isSet(count)))
        Refuse(QStringLiteral("--every and --count belong to the orders command"));
    if (parser.isSet(every))
        options.everySeconds = PositiveNumber(QStringLiteral("--every"), parser.value(every));
    if (parser.isSet(count))
        options.count = PositiveInteger(QStringLiteral("--count"), parser.value(count));
    return options;
}
