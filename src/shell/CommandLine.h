#pragma once
#include <QString>
#include <QStringList>

// The program's command-line switches. Each is looked for as a substring of the whole command
// line, letter case ignored.
inline constexpr const char* kSwitchStandardColours = "/kolorystandardowe";
inline constexpr const char* kSwitchFirstTime = "/pierwszyraz";

// The switches that make a run one task, in the order they are tested.
enum class StartupTask { None, Install, FirstStep, About, PrintSettings, BackupOptions, Uninstall };

QString CommandLineText(const QStringList& arguments);  // the arguments joined by blanks
bool HasSwitch(const QString& commandLine, const QString& name);
StartupTask StartupTaskOf(const QString& commandLine);
QString SwitchOf(StartupTask task);
