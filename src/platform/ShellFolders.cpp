#include "platform/ShellFolders.h"

#include "platform/RootFolder.h"

#include <QDir>

QString ShellFolder(ShellFolderKind which)
{
    switch (which) {
    case ShellFolderKind::Desktop: return DesktopFolder();
    case ShellFolderKind::Documents: return DocumentsFolder();
    case ShellFolderKind::StartMenu: return StartMenuFolder();
    case ShellFolderKind::Programs: return ProgramFolderPath();
    case ShellFolderKind::Root: break;
    }
    return RootFolder() + "/";
}

QString ProgramFolder() { return ProgramFolderPath(); }

QString ProgramDataFolder()
{
    const QString program = ProgramFolder();
    if (QDir(program).canonicalPath() == QDir(DesktopFolder()).canonicalPath())
        return DocumentsFolder();
    return program;
}
