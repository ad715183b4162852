#pragma once

#include "AdoObjects.h"

// Free SQL text and stored procedures on the shared connection, through one query.
// A caller must finish reading an OpenSQL result before anyone else uses it.
class TGenericDB {
public:
    explicit TGenericDB(TAdoConnection *connection);
    TAdoQuery Query;

    void OpenSQL(const QString &text, TCursorLocation location = TCursorLocation::Client);
    int ExecSQL(const QString &text);
    // Integers are written in decimal, text quoted; shows the failure and returns false.
    bool ExecStoredProc(const QString &name, const QList<QVariant> &arguments);

private:
    TAdoConnection *m_connection;
};

extern TGenericDB *GenericDB;
