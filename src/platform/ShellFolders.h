#pragma once
#include <QString>

// The special folders of the user's shell, all inside the root folder. Each path ends with "/".
enum class ShellFolderKind { Desktop, Documents, StartMenu, Programs, Root };

// The folder of that kind; the root folder itself when the kind has none.
QString ShellFolder(ShellFolderKind which);

// The program's own folder (logs, help file, fonts).
QString ProgramFolder();
// Where the program keeps files the user works with: the program's folder, or the Documents
// folder when the program's folder is the Desktop (nobody wants files spilled over the Desktop).
QString ProgramDataFolder();
