#pragma once
#include <QString>
#include <QStringList>

// Looks for files named fileName (letter case ignored) in each existing folder of the ";"-separated
// list, and in their subfolders when recurse is set; found paths are appended to found. Shows
// "Szukam " + folder in the progress window and ends with "Zakończyłem wyszukiwanie...".
void FindFiles(QStringList& found, const QString& fileName, const QString& folders, bool recurse);
