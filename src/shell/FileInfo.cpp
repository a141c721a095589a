#include "shell/FileInfo.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "shell/ShellTexts.h"

QString FileInfoText(const QString& path)
{
    const double time = FileTimeOf(path);
    return QString("plik %1\r\nzajmuje %2\r\nostatnio zapisany: %3")
        .arg(path, SizeText(FileSizeOf(path)), time == 0 ? QString("-") : FileTimeText(DateTimeOfValue(time)));
}
