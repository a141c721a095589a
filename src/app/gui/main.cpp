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
#include "storage/RecordClasses.h"
#include "storage/StartupBases.h"
#include "trips/TripBase.h"

#include <QLocale>

namespace {
// The modules' parts in the start-up and at the end, in their order.
void AddModules()
{
    AddStartupModule("rekordy", RegisterStorageRecordClasses, StartupPhase::Register);
    AddStartupModule("osoby i instytucje", RegisterPersonsModule, StartupPhase::Register);
    AddStartupModule("delegacje", RegisterTripsModule, StartupPhase::Register);
    AddStartupModule("bazy danych", OpenStartupBases, StartupPhase::OpenBases);
    AddShutdownModule("bazy danych", CloseAllBases);  // frees them; every change was saved at once
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

    InstallDialogs(std::make_shared<QtDialogSeam>());
    InstallProgress(std::make_shared<SplashProgress>());
    SetDefaultCursorRestorer([] { SetProgramCursor(0); });
    RegisterShellLauncherActions();
    RegisterShellWindows();
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
