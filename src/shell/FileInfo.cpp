#include "shell/FileInfo.h"

#include "platform/FileUtils.h"
#include "text/DateText.h"

QString FileInfoText(const QString& path)
{
    const double time = FileTimeOf(path);
    return QString("plik %1\r\nzajmuje %2\r\nostatnio zapisany: %3")
        .arg(path, SizeText(FileSizeOf(path)), FormatDateEx("dddd, d mmmmm yyyy h:mm:ss", time));
}
