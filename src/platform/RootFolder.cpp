#include "platform/RootFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString g_root;

QString Sub(const QString& name) { return RootFolder() + "/" + name + "/"; }
}  // namespace

QString DefaultRootFolder()
{
    // Deliberately not the install folder: that one may be read-only.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base.isEmpty() ? QDir::homePath() + "/.local/share" : base).filePath("vendrola");
}

bool InitRootFolder(QStringList& args)
{
    QString chosen;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--root" && i + 1 < args.size()) {
            chosen = args[i + 1];
            args.remove(i, 2);
            break;
        }
        if (args[i].startsWith("--root=")) {
            chosen = args[i].mid(7);
            args.removeAt(i);
            break;
        }
    }
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable(kRootEnvironmentVariable);
    if (chosen.isEmpty())
        chosen = DefaultRootFolder();
    g_root = QDir(chosen).absolutePath();
    return EnsureRootFolders();
}

void SetRootFolder(const QString& path)
{
    g_root = QDir(path).absolutePath();
    EnsureRootFolders();
}

QString RootFolder()
{
    if (g_root.isEmpty()) {
        const QString env = qEnvironmentVariable(kRootEnvironmentVariable);
        g_root = QDir(env.isEmpty() ? DefaultRootFolder() : env).absolutePath();
    }
    return g_root;
}

bool EnsureRootFolders()
{
    bool ok = true;
    for (const QString& f : {ProgramFolderPath(), DefaultDataFolder(), DesktopFolder(), DocumentsFolder(),
                             StartMenuFolder(), RegistryFolder()})
        ok = QDir().mkpath(f) && ok;
    return ok;
}

QString ProgramFolderPath() { return Sub("program"); }
QString DefaultDataFolder() { return Sub("dane"); }
QString DesktopFolder() { return Sub("Pulpit"); }
QString DocumentsFolder() { return Sub("Dokumenty"); }
QString StartMenuFolder() { return Sub("Menu Start"); }
QString RegistryFolder() { return Sub("rejestr"); }
QString SharedIniPath() { return RootFolder() + "/zun.ini"; }

QString ProgramFilePath()
{
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    return path.isEmpty() ? ProgramFolderPath() + kProgramName : path;
}

QString ProgramFileName() { return kProgramName; }
