#pragma once

#include <QString>

class QWidget;

// Centres the window on the monitor numbered by the low seven bits of monitorNumber;
// a monitor that does not exist gives the information message "Invalid monitor".
void CentreOnMonitor(int monitorNumber, QWidget *window);

// The system's folder chooser titled "Select a folder": the chosen folder's full path,
// or empty when cancelled.
QString SelectFolder(QWidget *owner);

// The version stamped into a program file at build time, as major.minor.release.build;
// "?.?.?.?" for a file without a stamp. Throws EVxException "File <name> does not exist".
QString GetFileVersion(const QString &fileName);
// The version this program was built with.
QString ProgramVersion();
