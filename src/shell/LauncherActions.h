#pragma once
#include <QString>
#include <functional>

// What the launcher's labels and menu items run, by action id (see LauncherMenu.h). A module that
// brings a window registers its action during start-up; the launcher enables exactly the elements
// whose action is registered. Later registrations replace earlier ones.
void RegisterLauncherAction(const QString& id, std::function<void()> run);
void UnregisterLauncherAction(const QString& id);
bool HasLauncherAction(const QString& id);
// Runs the action; false when none is registered.
bool RunLauncherAction(const QString& id);

// The actions the shell brings itself: the maker's web site, the ordering page, the uninstaller.
void RegisterShellLauncherActions();
QString OrderingPage();
