#pragma once

#include "ConnectionString.h"

#include <QStringList>

class TAdoConnection;

// The suite's tables as this program creates them for a database of its own.
namespace Schema {

QStringList Statements(TEngine engine);  // from the schema file of the engine
void Create(TAdoConnection &connection);  // every table, index and the version row
bool Exists(TAdoConnection &connection);  // true when the tables are already there

} // namespace Schema
