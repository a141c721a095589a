#pragma once
#include <QList>
#include <QString>

// The processes now running, from /proc.
struct RunningProgram {
    qint64 pid = 0;
    QString path;  // the program file; empty when the system does not let us see it
    QString name;  // the process's name as the system reports it
};

QList<RunningProgram> RunningPrograms();
// The program file of one process, empty when it is gone or hidden from us.
QString ProgramFileOfProcess(qint64 pid);
