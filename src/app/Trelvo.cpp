#include "FStartWindow.h"
#include "GuiPrompts.h"
#include "TrelvoApplication.h"
#include "data/datamodOrvik.h"

int main(int argc, char **argv)
{
    TTrelvoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trelvo"));
    QApplication::setOrganizationName(QStringLiteral("Tessaron"));

    TGuiPrompts prompts;
    SetPrompts(&prompts);
    TdmOrvik dataModule;
    dmOrvik = &dataModule;

    int exitCode = 1;
    dmOrvik->SetConnected();
    if (dmOrvik->con.Connected()) {
        TfrmStartWindow window(dmOrvik->con);
        window.show();
        exitCode = app.exec();
    }
    dmOrvik = nullptr;
    SetPrompts(nullptr);
    return exitCode;
}
