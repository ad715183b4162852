#pragma once

#include <QMainWindow>
#include <QTimer>

class QLabel;
class TAdoConnection;

// A plain window that shows the program is connected: which database, and how many
// deliveries are open. The dispatch board takes its place.
class TfrmStartWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmStartWindow(TAdoConnection &connection, QWidget *parent = nullptr);

    // The engine and where the data lives; never the login.
    static QString DescribeDatabase(const QString &connectionString);
    // Re-reads the open deliveries; a failure shows in the window.
    void RefreshCount();

private:
    TAdoConnection &m_con;
    QLabel *lblDatabase;
    QLabel *lblOpenDeliveries;
    QLabel *lblError;
    QTimer m_refresh;
};
