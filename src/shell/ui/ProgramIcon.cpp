#include "shell/ui/ProgramIcon.h"

// Resources of a static library must be registered by hand, outside any namespace.
static void InitShellResources() { Q_INIT_RESOURCE(shell); }

QIcon ProgramIcon()
{
    static const bool registered = (InitShellResources(), true);
    Q_UNUSED(registered);
    return QIcon(":/vendrola/vendrola.svg");
}
