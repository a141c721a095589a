#pragma once
#include "shell/ProgramIdentity.h"

#include <QStringList>

// Programs of the family see each other through the identity each one publishes while it runs:
// a small file per process in the root folder's "uruchomione" folder, named after the process
// id, holding the program file's path and its version information. A file whose process is gone
// (or now runs another program) is stale and is removed when found.

void PublishRunningIdentity(const ProgramIdentity& identity = ProgramIdentity());
void WithdrawRunningIdentity();
QString RunningIdentityFolder();

// Full names of the other programs of the family running now: company containing "zun", not
// this program's own file, neither the family's menu program nor its installer.
QStringList OtherFamilyPrograms();

// The warning shown at start and before switching data sets. True when another program of the
// family runs and the user did not accept it (without asking: whenever one runs). A refusal ends
// the program when endOnRefusal is set.
bool OtherFamilyProgramsRunning(bool endOnRefusal, bool ask);

// The identity of a program file: the running program's own, or what a running program of the
// family publishes for that file, or only the file's name.
ProgramIdentity IdentityOfProgramFile(const QString& path);
