#include "platform/IniNamedFiles.h"

#include "platform/FileSearch.h"
#include "platform/RootFolder.h"
#include "platform/Settings.h"
#include "platform/ShellFolders.h"

#include <QFileInfo>
#include <QMap>
#include <functional>

namespace {
struct Cache {
    QString root;
    QMap<QString, QString> files;
};
Cache& TheCache()
{
    static Cache cache;
    return cache;
}

QString Cached(const QString& name, const std::function<QString()>& lookUp)
{
    Cache& cache = TheCache();
    if (cache.root != RootFolder()) {
        cache.files.clear();
        cache.root = RootFolder();
    }
    auto it = cache.files.find(name);
    if (it == cache.files.end())
        it = cache.files.insert(name, lookUp());
    return *it;
}

QString IniFolder() { return QFileInfo(SharedIniPath()).absolutePath() + "/"; }

QString FileInIni(const QString& section, const QString& defaultName)
{
    const QString path = ReadIni({}, section, "Plik", IniFolder() + defaultName);
    WriteIni({}, section, "Plik", path);
    return path;
}
}  // namespace

QString HelpFile()
{
    return Cached("help", [] {
        QString path = ReadIni({}, "Plik Pomocy", "Plik", {});
        if (!path.isEmpty() && QFileInfo(path).isFile())
            return path;
        QStringList found;
        FindFiles(found, "zun.hlp", ProgramFolder(), false);
        if (found.isEmpty())
            return QString();
        path = found.first();
        // The section the family's programs write, and the one they read.
        WriteIni({}, "Pomocy", "Plik", path);
        WriteIni({}, "Plik Pomocy", "Plik", path);
        return path;
    });
}

QString TaxNumberExceptionsFile()
{
    return Cached("nip", [] { return FileInIni("Wyjątki NIP", "wyjatki.nip"); });
}

QString InterestTableFile()
{
    return Cached("odsetki", [] { return FileInIni("Odsetki", "odsetki.dat"); });
}

void ForgetIniNamedFiles() { TheCache() = Cache(); }
