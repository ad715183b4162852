#pragma once

#include <QApplication>

// The program's application object: an exception that escapes an event handler is shown
// to the user instead of ending the program.
class TTrelvoApplication : public QApplication {
    Q_OBJECT
public:
    TTrelvoApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
