// vendrola: the program with its windows.
#include "platform/Messages.h"
#include "platform/Progress.h"
#include "platform/RootFolder.h"
#include "shell/LauncherActions.h"
#include "shell/Startup.h"
#include "shell/ui/ProgramIcon.h"
#include "shell/ui/QtDialogSeam.h"
#include "shell/ui/TeDm_Splash.h"
#include "shell/ui/TeMain.h"
#include "shell/ui/ZunApplication.h"
#include "persons/PersonsModule.h"
#include "printing/PrintEngine.h"
#include "printing/ui/PrintWindows.h"
#include "printing/ui/TeZunPrinterDialog.h"
#include "shell/LauncherMenu.h"
#include "storage/RecordClasses.h"
#include "storage/StartupBases.h"
#include "trips/TripBase.h"
#include "trips/ui/TripActions.h"

#include <QLocale>

namespace {
// The modules' parts in the start-up and at the end, in their order.
void AddModules()
{
    AddStartupModule("rekordy", RegisterStorageRecordClasses, StartupPhase::Register);
    AddStartupModule("osoby i instytucje", RegisterPersonsModule, StartupPhase::Register);
    AddStartupModule("delegacje", RegisterTripsModule, StartupPhase::Register);
    AddStartupModule("bazy danych", OpenStartupBases, StartupPhase::OpenBases);
    AddStartupModule("drukowanie", StartPrintEngine, StartupPhase::OpenBases);
    AddShutdownModule("drukowanie", StopPrintEngine);
    AddShutdownModule("bazy danych", CloseAllBases);  // frees them; every change was saved at once
}

// The windows of the modules as the launcher opens them.
void WireLauncher()
{
    RegisterLauncherAction(launcher::kPrintSettings, [] { ShowPrintSettingsHub(); });
    RegisterLauncherAction(launcher::kPrintOptions, [] { ShowPrintOptions(); });
    RegisterLauncherAction(launcher::kSettleTrip, [] { SettleTripFromLauncher(); });
    RegisterLauncherAction(launcher::kCloneTrip, [] { CloneTrip(); });
}
}  // namespace

int main(int argc, char** argv)
{
    tZunApplication app(argc, argv);
    app.EndOnTerminationSignals();
    app.setApplicationName(kProgramName);
    app.setWindowIcon(ProgramIcon());
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QStringList args = app.arguments().mid(1);
    InitRootFolder(args);  // an unwritable root is reported by the first registry write

    InstallDialogs(std::make_shared<QtDialogSeam>(ChoosePrinterInteractively));
    InstallPrintWindows();
    InstallProgress(std::make_shared<SplashProgress>());
    SetDefaultCursorRestorer([] { SetProgramCursor(0); });
    RegisterShellLauncherActions();
    RegisterShellWindows();
    WireLauncher();
    AddModules();

    Startup startup(args);
    app.SetStandardColours(startup.StandardColours());
    if (!startup.Run()) {
        startup.Finish();
        return startup.ExitCode();
    }
    int code = 0;
    {
        TeMain launcher;
        launcher.show();
        code = app.exec();
    }
    startup.Finish();
    InstallProgress(nullptr);
    InstallDialogs(nullptr);
    return code;
}
