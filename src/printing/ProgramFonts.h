#pragma once
#include <QStringList>

// The program's own font files, made available to this run only.

QStringList ProgramFontFiles();  // "tahoma.ttf", ...
QString ProgramFontFolder();     // the registry value "Czcionki" under Software\ZUN, else the program folder
// Registers every font file that exists and can be loaded; remembers which did.
void RegisterProgramFonts();
// Removes exactly the registrations made by RegisterProgramFonts.
void UnregisterProgramFonts();
int RegisteredProgramFontCount();
