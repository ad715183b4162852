#pragma once

#include "clsEVxException.h"

#include <QString>

// A file could not be opened or written.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// The suite's folder in the user's data folder, where the embedded database lives too.
QString OrvikDataFolder();
// "C:\OrvikLogging.txt" on Windows; "OrvikLogging.txt" in the suite's data folder elsewhere.
QString TimingLogFile();

// Appends "yyyy-mm-dd hh:nn:ss.zzz " + text as one line when this till's setting "LOG TIMES"
// is on; does nothing when it is off or the settings are not loaded. Throws EInOutError
// when the file cannot be written.
void WriteTimingLog(const QString &text);
void WriteTimingLog(const QString &text, const QString &fileName);
