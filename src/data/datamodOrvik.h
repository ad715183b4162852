#pragma once

#include "AdoObjects.h"
#include "clsVxAdoConnection.h"

// The data module: owns the one connection of the program and connects it.
class TdmOrvik {
public:
    TdmOrvik();  // DataModuleCreate
    ~TdmOrvik(); // DataModuleDestroy

    TAdoConnection con;
    TVxAdoConnection &Connection() { return m_connection; }
    TConnectionDefaults &Defaults() { return m_defaults; }

    // Connects con with the stored string; reports a failure and leaves con closed.
    void SetConnected();

    // The embedded database offered on a first run: a file in the user's data folder.
    static QString DefaultDatabaseFile();

private:
    TVxAdoConnection m_connection;
    TConnectionDefaults m_defaults;
};

// The one instance, created at start-up.
extern TdmOrvik *dmOrvik;
