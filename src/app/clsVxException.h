#pragma once

#include <QString>
#include <QStringList>
#include <exception>

class QObject;

// The handler of every exception that reaches the event loop: it shows the error report
// (TfrmMsgDlgLst) and saves it. Code that lets an error pass on but wants its own heading
// sets Title and RaisedIn just before re-raising; both return to their defaults after
// each report.
class TVxException {
public:
    static const QString DefaultTitle;     // "An Error Has Occurred"
    static const QString DefaultRaisedIn;  // "Not Set"

    void HandleException(QObject *sender, const std::exception &error);

    QString Title = DefaultTitle;
    QString RaisedIn = DefaultRaisedIn;
    // Where reports are saved; empty for the program's folder, then the user's data folder.
    QStringList ReportFolders;
};

// The one process-wide instance.
TVxException &VxException();
