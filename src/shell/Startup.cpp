#include "shell/Startup.h"

#include "platform/Messages.h"
#include "platform/Progress.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "platform/IniNamedFiles.h"
#include "shell/FamilyPrograms.h"
#include "shell/InstallTasks.h"
#include "shell/LauncherActions.h"
#include "shell/LauncherMenu.h"
#include "shell/ProgramEnd.h"
#include "shell/ProgramIdentity.h"
#include "shell/Shortcuts.h"
#include "shell/SingleInstance.h"
#include "storage/ZunList.h"

#include <QList>

namespace {
struct Module {
    QString name;
    std::function<void()> run;
    StartupPhase phase;
};

QList<Module>& StartModules()
{
    static QList<Module> modules;
    return modules;
}

QList<Module>& EndModules()
{
    static QList<Module> modules;
    return modules;
}

void RunGuarded(const std::function<void()>& run)
{
    try {
        run();
    } catch (const ProgramEndRequest&) {
        throw;
    } catch (const std::exception& e) {
        ShowEscapedError(e);
    }
}

void RunPhase(StartupPhase phase)
{
    for (const Module& m : StartModules())
        if (m.phase == phase)
            RunGuarded(m.run);
}
}  // namespace

void AddStartupModule(const QString& name, std::function<void()> run, StartupPhase phase)
{
    StartModules() << Module{name, std::move(run), phase};
}

void AddShutdownModule(const QString& name, std::function<void()> run)
{
    EndModules() << Module{name, std::move(run), StartupPhase::OpenBases};
}

QStringList StartupModuleNames(StartupPhase phase)
{
    QStringList names;
    for (const Module& m : StartModules())
        if (m.phase == phase)
            names << m.name;
    return names;
}

void ClearStartupModules()
{
    StartModules().clear();
    EndModules().clear();
}

void ShowEscapedError(const std::exception& error)
{
    if (const auto* zun = dynamic_cast<const ZunError*>(&error))
        Warn(zun->Text());
    else
        Warn(QString::fromUtf8(error.what()));
}

Startup::Startup(QStringList arguments) : commandLine_(CommandLineText(arguments)) {}

Startup::~Startup() { Finish(); }

bool Startup::IsInstaller() const { return ProgramFileName().contains("instaluj", Qt::CaseInsensitive); }
bool Startup::IsUninstaller() const { return ProgramFileName().contains("usuwator", Qt::CaseInsensitive); }
bool Startup::StandardColours() const { return HasSwitch(commandLine_, kSwitchStandardColours); }

bool Startup::Run()
{
    started_ = true;
    try {
        return RunSteps();
    } catch (const ProgramEndRequest& end) {
        exitCode_ = end.code;
        SetProgramCursor(0);
        return false;
    }
}

bool Startup::RunSteps()
{
    const ProgramIdentity identity;
    RunPhase(StartupPhase::Register);

    if (!AcquireSingleInstance())
        return false;
    holdsMarker_ = true;
    HelpFile();
    SetProgramCursor(-1);
    RunPhase(StartupPhase::DataFolder);

    SetApplicationTitle(identity.DisplayName);
    WriteRegString(1, "Software\\ZUN\\ścieżki", ProgramFileName(), ProgramFilePath());
    PublishRunningIdentity(identity);
    published_ = true;
    if (HasSwitch(commandLine_, kSwitchFirstTime))
        OfferShortcuts();
    if (!IsInstaller())
        OtherFamilyProgramsRunning(true, true);

    task_ = StartupTaskOf(commandLine_);
    if (task_ != StartupTask::None) {
        SetCommandLineTask(true);
        EndStatus();
        SetProgramCursor(0);
        const auto window = [](const char* action) {
            if (!RunLauncherAction(action))
                Warn("!To okno nie jest dostępne w tej wersji programu.");
        };
        switch (task_) {
        case StartupTask::Install: RunGuarded(RunInstaller); return false;
        case StartupTask::About: RunGuarded([&] { window(launcher::kAbout); }); return false;
        case StartupTask::PrintSettings: RunGuarded([&] { window(launcher::kPrintSettings); }); return false;
        case StartupTask::BackupOptions: RunGuarded([&] { window(launcher::kBackupOptions); }); return false;
        case StartupTask::Uninstall: RunGuarded(RunUninstaller); return false;
        case StartupTask::FirstStep:
        case StartupTask::None: break;
        }
    }

    RunPhase(StartupPhase::OpenBases);
    modulesInitialised_ = true;
    if (task_ == StartupTask::FirstStep || (!FirstStepDone() && !IsInstaller() && !IsUninstaller()))
        RunGuarded(RunFirstStepWizard);
    EndStatus();
    SetProgramCursor(0);
    if (task_ == StartupTask::FirstStep)
        return false;
    SetApplicationTitle(identity.DisplayName);
    return true;
}

void Startup::Finish()
{
    if (!started_ || finished_)
        return;
    finished_ = true;
    // Only modules that were initialised have anything to save; a run that ended before the bases
    // were opened must not overwrite stored settings with defaults.
    if (modulesInitialised_) {
        for (const Module& m : EndModules()) {
            try {
                m.run();
            } catch (const std::exception& e) {
                ShowEscapedError(e);
            }
        }
    }
    if (published_)
        WithdrawRunningIdentity();
    if (holdsMarker_)
        ReleaseSingleInstance();
}
