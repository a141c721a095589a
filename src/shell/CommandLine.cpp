#include "shell/CommandLine.h"

namespace {
struct TaskSwitch {
    CommandLineTask task;
    const char* name;
};
constexpr TaskSwitch kTaskSwitches[] = {
    {CommandLineTask::Install, "/instaluj"},          {CommandLineTask::FirstStep, "/pierwszykrok"},
    {CommandLineTask::About, "/about"},               {CommandLineTask::PrintSettings, "/ustawienia"},
    {CommandLineTask::BackupOptions, "/kopiezapasowe"}, {CommandLineTask::Uninstall, "/usuwator"},
};
}  // namespace

QString CommandLineText(const QStringList& arguments) { return arguments.join(' '); }

bool HasSwitch(const QString& commandLine, const QString& name)
{
    return commandLine.contains(name, Qt::CaseInsensitive);
}

CommandLineTask CommandLineTaskOf(const QString& commandLine)
{
    for (const TaskSwitch& s : kTaskSwitches)
        if (HasSwitch(commandLine, s.name))
            return s.task;
    return CommandLineTask::None;
}

QString SwitchOf(CommandLineTask task)
{
    for (const TaskSwitch& s : kTaskSwitches)
        if (s.task == task)
            return s.name;
    return {};
}
