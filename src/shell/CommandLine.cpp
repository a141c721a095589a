#include "shell/CommandLine.h"

namespace {
struct TaskSwitch {
    StartupTask task;
    const char* name;
};
constexpr TaskSwitch kTaskSwitches[] = {
    {StartupTask::Install, "/instaluj"},          {StartupTask::FirstStep, "/pierwszykrok"},
    {StartupTask::About, "/about"},               {StartupTask::PrintSettings, "/ustawienia"},
    {StartupTask::BackupOptions, "/kopiezapasowe"}, {StartupTask::Uninstall, "/usuwator"},
};
}  // namespace

QString CommandLineText(const QStringList& arguments) { return arguments.join(' '); }

bool HasSwitch(const QString& commandLine, const QString& name)
{
    return commandLine.contains(name, Qt::CaseInsensitive);
}

StartupTask StartupTaskOf(const QString& commandLine)
{
    for (const TaskSwitch& s : kTaskSwitches)
        if (HasSwitch(commandLine, s.name))
            return s.task;
    return StartupTask::None;
}

QString SwitchOf(StartupTask task)
{
    for (const TaskSwitch& s : kTaskSwitches)
        if (s.task == task)
            return s.name;
    return {};
}
