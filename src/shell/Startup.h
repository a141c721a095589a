#pragma once
#include "shell/CommandLine.h"

#include <QString>
#include <QStringList>
#include <functional>

// The program's start-up and end, in their order. Modules take part through hooks:
//  - Register: right at the start (record classes, the active data set's name);
//  - DataFolder: after the single-instance check (where the data folder is);
//  - OpenBases: after the command-line tasks (every module opens its bases, with progress texts).
// A hook that raises an error has it shown, and the start-up goes on.
enum class StartupPhase { Register, DataFolder, OpenBases };
void AddStartupModule(const QString& name, std::function<void()> run, StartupPhase phase = StartupPhase::OpenBases);
// Run at the end, in the order added (saving settings and the like).
void AddShutdownModule(const QString& name, std::function<void()> run);
QStringList StartupModuleNames(StartupPhase phase);
void ClearStartupModules();

class Startup {
public:
    explicit Startup(QStringList arguments);
    ~Startup();

    // Runs the start-up up to the launcher: true when the launcher is to be shown; false when the
    // run has ended (a refusal, or a command-line task that ran), see ExitCode().
    bool Run();
    int ExitCode() const { return exitCode_; }
    StartupTask Task() const { return task_; }
    bool StandardColours() const;
    // Module finalisation: shutdown hooks, the published identity, the single-instance marker.
    void Finish();

private:
    bool RunSteps();
    bool IsInstaller() const;
    bool IsUninstaller() const;

    QString commandLine_;
    StartupTask task_ = StartupTask::None;
    int exitCode_ = 0;
    bool finished_ = false;
    bool started_ = false;
    bool holdsMarker_ = false;
    bool published_ = false;
    bool modulesInitialised_ = false;
};

// Shows an error that escaped a handler, as the application does with every such error.
void ShowEscapedError(const std::exception& error);
