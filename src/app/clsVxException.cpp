#include "clsVxException.h"

#include "FMsgDlgLst.h"
#include "clsEVxException.h"

const QString TVxException::DefaultTitle = QStringLiteral("An Error Has Occurred");
const QString TVxException::DefaultRaisedIn = QStringLiteral("Not Set");

void TVxException::HandleException(QObject *, const std::exception &error)
{
    QString raisedIn = RaisedIn;
    if (auto *own = dynamic_cast<const EVxException *>(&error))
        raisedIn = own->RaisedIn();
    const QString title = Title;
    // The next report starts from the defaults, whatever happens to this one.
    Title = DefaultTitle;
    RaisedIn = DefaultRaisedIn;

    TfrmMsgDlgLst report;
    report.SetReportFolders(ReportFolders);
    report.AddBold(title);
    report.AddBlank();
    report.AddBoldRed(QStringLiteral("Error: ") + ExceptionMessage(error));
    if (!raisedIn.isEmpty()) {
        report.AddBlank();
        report.AddBold(QStringLiteral("Raised In: ") + raisedIn);
    }
    report.AddBlank();
    report.ShowErrorReport();
}

TVxException &VxException()
{
    static TVxException handler;
    return handler;
}
