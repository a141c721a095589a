#include "shell/SingleInstance.h"

#include "platform/Messages.h"
#include "platform/RootFolder.h"
#include "shell/ProgramIdentity.h"
#include "shell/RunningPrograms.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool g_holding = false;

bool WriteHolders(const QList<qint64>& pids)
{
    QDir().mkpath(QFileInfo(SingleInstanceMarkerPath()).absolutePath());
    QSaveFile file(SingleInstanceMarkerPath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "Path=" + ProgramFilePath().toUtf8() + "\n";
    for (qint64 pid : pids)
        text += QByteArray::number(pid) + "\n";
    file.write(text);
    return file.commit();
}
}  // namespace

QString SingleInstanceMarkerPath()
{
    const QByteArray key = QCryptographicHash::hash(ProgramFilePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return RootFolder() + "/uruchomione/" + QString::fromLatin1(key.left(16)) + ".lock";
}

QList<qint64> SingleInstanceHolders()
{
    QList<qint64> pids;
    QFile file(SingleInstanceMarkerPath());
    if (!file.open(QIODevice::ReadOnly))
        return pids;
    for (const QByteArray& line : file.readAll().split('\n')) {
        bool ok = false;
        const qint64 pid = line.trimmed().toLongLong(&ok);
        if (ok)
            pids << pid;
    }
    return pids;
}

QString SingleInstanceQuestion()
{
    return "<img src=\"lsys:" + ProgramFilePath() + "\"><b>" + ProgramIdentity().DisplayName + ":<br></b>"
           "Przynajmniej jedna kopia tego programu jest lub była przed chwilą "
           "uruchomiona. Czy jesteś pewien, że chcesz uruchomić "
           "KOLEJNĄ kopię tego samego programu?\r\n\r\n"
           "Zignoruj to ostrzeżenie, jeśli poprzednia "
           "kopia programu niespodziewanie zakończyła pracę.";
}

bool AcquireSingleInstance()
{
    const bool exists = QFile::exists(SingleInstanceMarkerPath());
    if (exists && !Warn(SingleInstanceQuestion()))
        return false;
    QList<qint64> holders = SingleInstanceHolders();
    const qint64 own = QCoreApplication::applicationPid();
    if (!holders.contains(own))
        holders << own;
    WriteHolders(holders);
    g_holding = true;
    return true;
}

void ReleaseSingleInstance()
{
    if (!g_holding)
        return;
    g_holding = false;
    const qint64 own = QCoreApplication::applicationPid();
    QList<qint64> live;
    for (qint64 pid : SingleInstanceHolders())
        if (pid != own && !ProgramFileOfProcess(pid).isEmpty())
            live << pid;
    if (live.isEmpty())
        QFile::remove(SingleInstanceMarkerPath());
    else
        WriteHolders(live);
}
