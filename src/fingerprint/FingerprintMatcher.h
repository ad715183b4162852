#pragma once

#include "records/clsEmployee.h"

class TAdoConnection;
class TFingerprintReader;

// The active employees with their stored templates, in the order a search tries them; a
// match moves to the front so that the next search tries it first.
class TFingerprintMatcher {
public:
    // Reads the active employees anew. Throws on a database error, keeping those read so far.
    void Populate(TAdoConnection *connection);
    // The employee number of the first candidate whose template the reader verifies against
    // the live one, or empty. Candidates without a template are skipped. Reader errors
    // propagate.
    QString Search(TFingerprintReader &reader, const QString &liveFeatures);

    TEmployees Employees;
};
