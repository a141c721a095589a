#pragma once
#include <QString>

// Expands a file compressed with the "LZ" (SZDD) method into "Kopia " + its name in the same
// folder, replacing an earlier copy, and returns the copy's path. A file that is not compressed is
// copied as it is, as the system's LZ expansion does. Failures raise "Błąd biblioteki LZ <code>"
// with the system's negative LZ error codes.
QString ExpandCompressedFile(const QString& path);
