#pragma once
#include <QString>
#include <QStringList>

// Everything the program reads or writes lives under one root folder: the registry and shared
// settings stores, the program folder (logs, help, fonts), the data folder with the base files and
// the Desktop / Documents / Start Menu folders. The default is a per-user folder; the environment
// variable VENDROLA_ROOT or the command-line option "--root DIR" moves it elsewhere.

inline constexpr const char* kRootEnvironmentVariable = "VENDROLA_ROOT";
inline constexpr const char* kProgramName = "vendrola";

// Picks the root from "--root DIR" (removed from args), then VENDROLA_ROOT, then the default,
// and creates its folders. Returns false when the root cannot be created.
bool InitRootFolder(QStringList& args);
void SetRootFolder(const QString& path);  // also creates the folders
QString RootFolder();                     // absolute, without a trailing separator
QString DefaultRootFolder();
bool EnsureRootFolders();

// Folders inside the root; each ends with "/".
QString ProgramFolderPath();   // logs, help file, fonts: stands in for the program's own folder
QString DefaultDataFolder();   // base files unless the user moves them
QString DesktopFolder();
QString DocumentsFolder();
QString StartMenuFolder();
QString RegistryFolder();
QString SharedIniPath();       // the family's shared settings file "zun.ini"

// The running program file: its full path and its name (the program's "file name").
QString ProgramFilePath();
QString ProgramFileName();
