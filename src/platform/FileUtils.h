#pragma once
#include <QString>

// Small file services: size and time of a file, sizes as text, appending to text files and logs.

double FileTimeOf(const QString& path);   // modification time as a day-count value, 0 when missing
qint64 FileSizeOf(const QString& path);   // bytes, 0 when missing

QString SizeText(qint64 bytes);                  // "1024 B", "1,00 kB", "2,50 MB", "1,00 GB"
QString SizeWords(qint64 bytes, bool longForm);  // one decimal; "kB" or "kilobajtów" and the like

bool AppendLine(const QString& path, const QString& text);  // one CRLF line in Windows-1250
void AppendLog(const QString& path, const QString& text);   // stamped "dd-mm-yyyy hh:mm:ss - "
void ProgramLog(const QString& text);                       // the program's own log, also kept in memory
QString ProgramLogText();
QString ProgramLogPath();

// A path without a folder is placed in the program's folder.
QString InProgramFolder(const QString& path);
