#pragma once
#include <QList>
#include <QString>

// One copy of the program at a time, unless the user insists. The marker is a file in the root
// folder keyed by the program file's full path; it lists the processes that hold it. A marker left
// by a crashed copy still makes the next start ask (the question tells the user to ignore it then),
// and is cleaned of dead processes when a copy ends.

// True when this copy may run (no marker, or the user answered yes); then this process holds the
// marker. False when the user answered no: the program must end without touching the marker.
bool AcquireSingleInstance();
// Lets go of the marker at the end of the run; removes it when no live copy holds it any more.
void ReleaseSingleInstance();

QString SingleInstanceMarkerPath();
QList<qint64> SingleInstanceHolders();
// The question asked when a marker exists (mark-up).
QString SingleInstanceQuestion();
