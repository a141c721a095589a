#pragma once
#include <QString>

// The program's shortcuts: freedesktop ".desktop" files named after the program's display name in
// the user's Desktop and Start Menu folders.

// Offers a shortcut in the Desktop folder (not for the uninstaller) and in the Start Menu: asks to
// create a missing one, or to mend one that points at another file. Every shortcut that exists
// afterwards is recorded in the registry under Software\Zun\Lnk.
void OfferShortcuts();
// Removes the program's shortcuts from both folders; returns how many were removed.
int RemoveShortcuts();

QString ShortcutPath(const QString& folder);
// The program file a shortcut starts; empty when the file is no shortcut.
QString ShortcutTarget(const QString& linkPath);
bool WriteShortcut(const QString& linkPath, const QString& target, const QString& description);
