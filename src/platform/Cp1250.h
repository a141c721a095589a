#pragma once
#include <QByteArray>
#include <QString>

// Windows-1250, the code page of every file, export and stored text of the program. Characters the
// code page cannot hold become "?".
char ToCp1250Char(QChar c);
QChar FromCp1250Char(unsigned char byte);
QByteArray ToCp1250(QStringView text);
QString FromCp1250(QByteArrayView bytes);
// The text as it will read back after storing: characters outside the code page become "?".
QString FitCp1250(QStringView text);
