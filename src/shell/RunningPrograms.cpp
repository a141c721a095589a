#include "shell/RunningPrograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ProgramFileOfProcess(qint64 pid)
{
    return QFileInfo(QString("/proc/%1/exe").arg(pid)).symLinkTarget();
}

QList<RunningProgram> RunningPrograms()
{
    QList<RunningProgram> programs;
    const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        RunningProgram program;
        program.pid = pid;
        program.path = ProgramFileOfProcess(pid);
        QFile comm(QString("/proc/%1/comm").arg(pid));
        if (comm.open(QIODevice::ReadOnly))
            program.name = QString::fromUtf8(comm.readAll()).trimmed();
        if (program.name.isEmpty() && program.path.isEmpty())
            continue;  // ended while we looked
        programs << program;
    }
    return programs;
}
