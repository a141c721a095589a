#include "printing/ProgramFonts.h"

#include "platform/RootFolder.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFontDatabase>

namespace {
QList<int>& Registered()
{
    static QList<int> ids;
    return ids;
}
}  // namespace

QStringList ProgramFontFiles()
{
    return {"tahoma.ttf", "tahomabd.ttf", "georgia.ttf", "georgiab.ttf", "georgiai.ttf", "georgiaz.ttf"};
}

QString ProgramFontFolder() { return ReadRegString(1, "Software\\ZUN", "Czcionki", ProgramFolderPath()); }

void RegisterProgramFonts()
{
    const QDir folder(ProgramFontFolder());
    for (const QString& file : ProgramFontFiles()) {
        const QString path = folder.filePath(file);
        if (!QFile::exists(path))
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id >= 0)
            Registered() << id;
    }
}

void UnregisterProgramFonts()
{
    for (const int id : Registered())
        QFontDatabase::removeApplicationFont(id);
    Registered().clear();
}

int RegisteredProgramFontCount() { return int(Registered().size()); }
