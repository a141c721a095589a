#include "platform/FileTypes.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"

namespace {
constexpr int kClassesRoot = 5;
}

void RegisterFileType(const QString& extension, const QString& typeName)
{
    WriteRegString(kClassesRoot, extension, QString(), typeName);
    WriteRegString(kClassesRoot, typeName, QString(), ApplicationTitle());
    WriteRegString(kClassesRoot, typeName + "\\DefaultIcon", QString(), ProgramFilePath() + ",0");
}
