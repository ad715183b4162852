#pragma once

#include "ConnectionString.h"

#include <QDialog>
#include <optional>

class QColor;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the connection dialog edits, read out of a connection string and written back
// into it so that keys the dialog does not show (Persist Security Info, ...) survive.
struct TConnectionFields {
    TEngine engine = TEngine::SQLite;
    QString file;
    QString server;
    QString port;  // empty: the engine's default
    QString database;
    QString user;
    QString password;

    static TConnectionFields From(const TConnectionString &text);
    // `base` with these fields written in; its provider is kept while the engine stays.
    TConnectionString ApplyTo(TConnectionString base) const;
};

// The connection dialog: engine, the file or the server and its login, and a test of the
// connection whose outcome shows in the dialog itself.
class TfrmConnection : public QDialog {
    Q_OBJECT
public:
    explicit TfrmConnection(const QString &initial, QWidget *parent = nullptr);

    // The connection string as the fields now stand.
    QString ConnectionString() const;
    // The edited string, or nothing when the user cancelled.
    static std::optional<QString> Edit(const QString &initial, QWidget *parent = nullptr);

private:
    TConnectionFields Fields() const;
    void Fill(const TConnectionFields &fields);
    void EngineChanged();
    void FieldsChanged();
    void Browse();
    void TestConnection();
    void ShowTestResult(const QString &text, const QColor &colour);
    void FitHeight();

    TConnectionString m_base;
    QComboBox *cmbEngine;
    QFormLayout *m_form;
    QHBoxLayout *m_fileRow;
    QLineEdit *txtFile;
    QPushButton *btnBrowse;
    QLineEdit *txtServer;
    QLineEdit *txtPort;
    QLineEdit *txtDatabase;
    QLineEdit *txtUser;
    QLineEdit *txtPassword;
    QPushButton *btnTest;
    QLabel *lblTestResult;
    QLabel *lblNote;
    QPushButton *btnOK;
    QPushButton *btnCancel;
};
