#include "platform/Messages.h"

#include <QString>

// The program's full name and version as the identity gives it.
QString CliVersionText() { return ApplicationTitle() + " " + VENDROLA_VERSION; }
