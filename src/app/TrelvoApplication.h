#pragma once

#include <QApplication>
#include <functional>

// The program's application object: an exception that escapes an event handler is handed
// to the error report (TVxException) instead of ending the program.
class TTrelvoApplication : public QApplication {
    Q_OBJECT
public:
    TTrelvoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Runs the delivery of one event; an exception it throws goes to the error report,
    // and the event counts as not handled. Nothing ever leaves this function.
    static bool Deliver(QObject *receiver, const std::function<bool()> &delivery);
};
