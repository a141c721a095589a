#include "shell/FamilyPrograms.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "shell/ProgramEnd.h"
#include "shell/RunningPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

namespace {
struct Published {
    QString path;
    ProgramIdentity identity;
};

qint64 OwnPid() { return QCoreApplication::applicationPid(); }

QString Canonical(const QString& path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString FileOf(qint64 pid) { return RunningIdentityFolder() + QString::number(pid) + ".txt"; }

bool Read(const QString& file, Published& published)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QMap<QString, QString> fields;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            fields.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)).trimmed());
    }
    published.path = fields.value("Path");
    published.identity = ProgramIdentity(published.path, fields.value("Company"), fields.value("DisplayName"),
                                         fields.value("Version"), fields.value("Comments"),
                                         fields.value("FileDescription"));
    return !published.path.isEmpty();
}

// The identities published by processes still running the program they published; stale files go.
QList<Published> LivePublished()
{
    QList<Published> live;
    const QDir folder(RunningIdentityFolder());
    for (const QFileInfo& info : folder.entryInfoList({"*.txt"}, QDir::Files)) {
        bool isPid = false;
        const qint64 pid = info.completeBaseName().toLongLong(&isPid);
        Published published;
        if (!isPid || !Read(info.filePath(), published))
            continue;
        const QString running = ProgramFileOfProcess(pid);
        if (running.isEmpty() || Canonical(running) != Canonical(published.path)) {
            QFile::remove(info.filePath());
            continue;
        }
        live << published;
    }
    return live;
}

QString OneLine(QString text) { return text.replace('\n', ' ').replace('\r', ' '); }
}  // namespace

QString RunningIdentityFolder() { return RootFolder() + "/uruchomione/"; }

void PublishRunningIdentity(const ProgramIdentity& identity)
{
    QDir().mkpath(RunningIdentityFolder());
    QSaveFile file(FileOf(OwnPid()));
    if (!file.open(QIODevice::WriteOnly))
        return;  // not fatal: the others only miss a warning
    const QString text = "Path=" + OneLine(Canonical(ProgramFilePath())) + "\nCompany=" + OneLine(identity.Company) +
                         "\nDisplayName=" + OneLine(identity.DisplayName) + "\nVersion=" + OneLine(identity.Version) +
                         "\nComments=" + OneLine(identity.Comments) +
                         "\nFileDescription=" + OneLine(identity.FileDescription) + "\n";
    file.write(text.toUtf8());
    file.commit();
}

void WithdrawRunningIdentity() { QFile::remove(FileOf(OwnPid())); }

QStringList OtherFamilyPrograms()
{
    const QString own = Canonical(ProgramFilePath());
    QStringList names;
    for (const Published& p : LivePublished()) {
        const QString fileName = QFileInfo(p.path).fileName().toLower();
        if (!p.identity.Company.contains("zun", Qt::CaseInsensitive) || Canonical(p.path) == own)
            continue;
        if (fileName == "orgmenu.exe" || fileName == "orgmenu" || fileName == "instaluj.exe" || fileName == "instaluj")
            continue;
        names << p.identity.FullName;
    }
    return names;
}

bool OtherFamilyProgramsRunning(bool endOnRefusal, bool ask)
{
    const QStringList others = OtherFamilyPrograms();
    if (others.isEmpty())
        return false;
    if (!ask)
        return true;
    const bool accepted = WarnTwoPart(
        "Uwaga! Inny program Studio ZUN, korzystający z tego samego zestawu danych, jest już uruchomiony. "
        "Czy na pewno chcesz kontynuować?",
        "Zalecamy, aby w jednej chwili tylko jeden z programów Studio ZUN był uruchomiony. Zapewni to "
        "integralność danych i zapobiegnie kłopotom.\r\nUruchomiony program:\r\n" + others.join("\r\n"));
    if (accepted)
        return false;
    if (endOnRefusal)
        EndProgram();
    return true;
}

ProgramIdentity IdentityOfProgramFile(const QString& path)
{
    const QString canonical = Canonical(path);
    if (canonical == Canonical(ProgramFilePath()))
        return ProgramIdentity();
    for (const Published& p : LivePublished())
        if (Canonical(p.path) == canonical)
            return p.identity;
    return ProgramIdentity(path, {}, {}, {});
}
