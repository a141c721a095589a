#include "shell/ProgramIdentity.h"

#include <QString>

// The program's full name and version, as its identity gives them.
QString CliVersionText() { return ProgramIdentity().FullName; }
