#include "TrelvoApplication.h"

#include "clsEVxException.h"
#include "modMsgDlgs.h"

TTrelvoApplication::TTrelvoApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TTrelvoApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowError(ExceptionMessage(e));
    }
    return false;
}
