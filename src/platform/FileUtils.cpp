#include "platform/FileUtils.h"

#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/RootFolder.h"

#include <QFile>
#include <QFileInfo>

namespace {
QString g_programLog;

QString Decimal(double value, int decimals)
{
    // The program's texts are Polish: a decimal comma whatever the machine's locale.
    return QString::number(value, 'f', decimals).replace('.', ',');
}

struct Unit {
    qint64 divisor;
    const char* shortName;
    const char* longName;
};
constexpr Unit kUnits[] = {{1024, "kB", "kilobajtów"},
                           {1048576, "MB", "megabajtów"},
                           {1073741824, "GB", "gigabajtów"}};

QString Scaled(qint64 bytes, int decimals, bool longForm, const char* byteWord)
{
    if (bytes <= 1024)
        return QString("%1 %2").arg(bytes).arg(byteWord);
    const Unit* unit = &kUnits[2];
    if (bytes <= 1048576)
        unit = &kUnits[0];
    else if (bytes <= 1073741824)
        unit = &kUnits[1];
    return Decimal(double(bytes) / unit->divisor, decimals) + ' ' + (longForm ? unit->longName : unit->shortName);
}
}  // namespace

double FileTimeOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return 0;
    const QDateTime modified = info.lastModified();
    return modified.isValid() ? DateTimeValue(modified) : 0;
}

qint64 FileSizeOf(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() ? info.size() : 0;
}

QString SizeText(qint64 bytes) { return Scaled(bytes, 2, false, "B"); }

QString SizeWords(qint64 bytes, bool longForm)
{
    return Scaled(bytes, 1, longForm, longForm ? "bajtów" : "B");
}

bool AppendLine(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::Append) && !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray line = ToCp1250(text) + "\r\n";
    return file.write(line) == line.size();
}

QString InProgramFolder(const QString& path)
{
    return path.contains('/') ? path : ProgramFolderPath() + path;
}

void AppendLog(const QString& path, const QString& text)
{
    AppendLine(InProgramFolder(path), Now().toString("dd-MM-yyyy hh:mm:ss") + " - " + text);
}

QString ProgramLogPath() { return ProgramFolderPath() + ProgramFileName() + ".log"; }

void ProgramLog(const QString& text)
{
    const QString line = Now().toString("dd-MM-yyyy hh:mm:ss") + " - " + text;
    AppendLine(ProgramLogPath(), line);
    g_programLog += line + "\r\n";
}

QString ProgramLogText() { return g_programLog; }
