#pragma once
#include <QDateTime>
#include <QString>

// The date and time texts the shell shows, in the program's Polish forms.

// "wtorek, 21 grudnia 2002": the date bar of the launcher and the About window.
QString DateWithWeekdayText(const QDate& date);
// "piątek, 15 marca 2024 10:30:05": when a file was last written.
QString FileTimeText(const QDateTime& moment);
// "1 godz. 2 min. 3 sek.", "5 min. 0 sek.", "0 sek.": a span of time in milliseconds.
QString TimeSpanText(qint64 milliseconds);
