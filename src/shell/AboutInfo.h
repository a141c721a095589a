#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The About window's information page: mark-up lines, some of which open a folder or a file.
struct AboutInfoLine {
    QString markup;
    QString opens;  // the folder or file a click opens; empty when the line is only text
};
QList<AboutInfoLine> AboutInformation();

// "Lista aplikacji": the programs running now, one line each, sorted, without repeats.
QStringList RunningApplicationNames();
