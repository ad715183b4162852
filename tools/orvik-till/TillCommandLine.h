#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

// What the command line asked for.
struct TTillOptions {
    enum class TCommand { Help, Seed, Orders, History };
    TCommand command = TCommand::Help;
    QString connectionString;
    double everySeconds = 5;
    int count = 0;  // orders to write; 0 writes until the program is stopped
    int days = 0;
    QString helpText;
};

// Bad input on the command line; the message is one line for the user.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments (the program name first); throws TUsageError.
TTillOptions ParseTillCommandLine(const QStringList &arguments, const QString &defaultConnection);
