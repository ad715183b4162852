#include "FSplashScreen.h"
#include "GuiPrompts.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "clsApp.h"
#include "tills/modTillID.h"
#include "TrelvoApplication.h"
#include "board/FMain.h"
#include "clsEVxException.h"
#include "data/clsGenericDB.h"
#include "data/clsOrvikSettings.h"
#include "data/datamodOrvik.h"
#include "fingerprint/FFingerPrint.h"
#include "fingerprint/SimulatedReader.h"

#include <QScreen>
#include <QSettings>
#include <memory>

namespace {

// Start-up's steps on the real objects; they live until the program ends.
class TProgramSteps final : public TStartupSteps {
public:
    TProgramSteps(TSingleInstance &instance, TdmOrvik &dataModule) : m_instance(instance), m_dm(dataModule) {}
    ~TProgramSteps() override
    {
        if (App)
            App->FingerPrintWindow = nullptr;
        m_fingerPrint.reset();
        frmMain.reset();
        App = nullptr;
        OrvikSettings = nullptr;
        GenericDB = nullptr;
    }

    bool FirstInstance() override { return m_instance.Claim(); }
    bool Connect() override
    {
        m_dm.SetConnected();
        return m_dm.con.Connected();
    }
    int ResolveTillNumber() override { return ::ResolveTillNumber(&m_dm.con); }
    void LoadSettings(int tillNumber) override
    {
        m_genericDB = std::make_unique<TGenericDB>(&m_dm.con);
        GenericDB = m_genericDB.get();
        m_app = std::make_unique<TApp>(&m_dm.con);
        App = m_app.get();
        m_settings = std::make_unique<TOrvikSettings>();
        m_settings->SetAdoConnection(&m_dm.con);
        OrvikSettings = m_settings.get();
        m_settings->Load(tillNumber);
    }
    void CreateMainWindow() override
    {
        frmMain = std::make_unique<TfrmMain>(m_dm.con, TBoardSettingsSource::Of(*m_settings), TGridLayoutStore::ForProgram());
        QObject::connect(&m_instance, &TSingleInstance::RaiseRequested, frmMain.get(), &TfrmMain::BringForward);
        m_fingerPrint = std::make_unique<TfrmFingerPrint>(ConfiguredFingerprintReader(), &m_dm.con);
        App->FingerPrintWindow = m_fingerPrint.get();
    }
    void ShowSplash(const QString &text) override
    {
        m_splash = std::make_unique<TfrmSplashScreen>();
        m_splash->SetNoOfSteps(5);
        m_splash->show();
        m_splash->ShowProgress(text, false);
    }
    void CloseSplash() override { m_splash.reset(); }
    void EnableRefresh() override { frmMain->Board().timerRefreshData.start(); }
    bool ConfirmSystemTime() override { return Startup::ConfirmSystemTime(m_dm.con); }

    std::unique_ptr<TfrmMain> frmMain;

private:
    TSingleInstance &m_instance;
    TdmOrvik &m_dm;
    std::unique_ptr<TGenericDB> m_genericDB;
    std::unique_ptr<TApp> m_app;
    std::unique_ptr<TOrvikSettings> m_settings;
    std::unique_ptr<TfrmSplashScreen> m_splash;
    std::unique_ptr<TfrmFingerPrint> m_fingerPrint;

    // "Fingerprint-Reader" in the settings store: "Simulated", or none.
    static std::unique_ptr<TFingerprintReader> ConfiguredFingerprintReader()
    {
        const QSettings key(QSettings::UserScope, QStringLiteral("Tessaron"), QStringLiteral("Orvik"));
        const QString kind = key.value(QStringLiteral("Fingerprint-Reader")).toString().trimmed();
        if (kind.compare(QLatin1String("Simulated"), Qt::CaseInsensitive) == 0)
            return std::make_unique<TSimulatedFingerprintReader>();
        return nullptr;
    }
};

} // namespace

int main(int argc, char **argv)
{
    TTrelvoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trelvo"));
    QApplication::setOrganizationName(QStringLiteral("Tessaron"));

    TGuiPrompts prompts;
    SetPrompts(&prompts);
    TSingleInstance instance(TSingleInstance::ProgramName());
    TdmOrvik dataModule;
    dmOrvik = &dataModule;

    int exitCode = 1;
    {
        TProgramSteps steps(instance, dataModule);
        try {
            if (Startup::Run(steps)) {
                // Without a window manager "maximised" is only a wish: take the screen outright.
                if (const QScreen *screen = steps.frmMain->screen())
                    steps.frmMain->setGeometry(screen->availableGeometry());
                steps.frmMain->showMaximized();
                exitCode = app.exec();
            } else {
                exitCode = 0;
            }
        } catch (const std::exception &e) {
            // Before the message loop nothing else would report it.
            ShowError(ExceptionMessage(e));
        }
    }
    dmOrvik = nullptr;
    SetPrompts(nullptr);
    return exitCode;
}
