#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

enum class TEngine { SQLite, PostgreSQL, SqlServer };

// The connection string in its OLE DB shape ("Provider=...;Data Source=...;"), read and
// written with its keys in their order. The provider chooses the engine.
class TConnectionString {
public:
    TConnectionString() = default;
    // Throws EDatabaseError with a readable message when the text is not key=value pairs
    // or names an unknown provider.
    static TConnectionString Parse(const QString &text);

    QString Value(const QString &key) const;  // keys compare case-insensitively
    void SetValue(const QString &key, const QString &value);
    bool Has(const QString &key) const;
    void Remove(const QString &key);
    QStringList Keys() const;
    QString ToString() const;

    TEngine Engine() const;
    QString Provider() const { return Value(QStringLiteral("Provider")); }
    QString DataSource() const { return Value(QStringLiteral("Data Source")); }
    QString Catalog() const { return Value(QStringLiteral("Initial Catalog")); }
    QString User() const { return Value(QStringLiteral("User ID")); }
    QString Password() const { return Value(QStringLiteral("Password")); }
    // The server without a ",port" suffix, and the port from "Port=" or that suffix (0: default).
    QString Host() const;
    int Port() const;

    // The QODBC database name for SQL Server through the FreeTDS driver.
    QString OdbcDatabaseName() const;

    static QString ProviderOf(TEngine engine);
    static bool TryEngine(const QString &provider, TEngine *engine);

private:
    QList<QPair<QString, QString>> m_pairs;
};
