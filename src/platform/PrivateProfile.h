#pragma once
#include <QString>

// Windows-style INI files ("[section]" and "key=value" lines) in Windows-1250, as the family of
// programs shares them. Sections and keys are matched without regard to letter case; a missing or
// damaged file reads as empty. Writes keep every other line and replace the file atomically.
QString ReadProfileString(const QString& file, const QString& section, const QString& key,
                          const QString& defaultText);
bool WriteProfileString(const QString& file, const QString& section, const QString& key, const QString& text);
