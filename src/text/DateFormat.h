#pragma once
#include <QDate>
#include <QTime>
#include <QString>

// Polish calendar names, from the program itself rather than the machine's locale.
QString MonthNameGenitive(int month);   // 1..12: "stycznia" ... "grudnia"; empty otherwise
QString MonthName(int month);           // "styczeń" ... "grudzień"
QString MonthShortName(int month);      // "sty" ... "gru"
QString WeekdayName(int dayOfWeek);     // 1 = Monday ... 7 = Sunday: "poniedziałek" ... "niedziela"
QString WeekdayShortName(int dayOfWeek);  // "pon." ... "niedz."

// The date formatting every date text builds on, with the usual picture letters: "d" / "dd" day,
// "ddd" / "dddd" weekday name, "ddddd" the short date, "dddddd" the long date, "m" / "mm" month
// ("m" right after an hour letter is minutes), "mmm" / "mmmm" month name, "yy" / "yyyy" year,
// "h" / "hh" hour, "n" / "nn" minutes, "s" / "ss" seconds, "z" / "zzz" milliseconds, "t" / "tt"
// short and long time, "c" date and time, "/" the date separator "-", ":" the time separator.
// Text in double or single quotes is copied as it is; other characters too.
QString FormatDateTime(const QString& format, const QDate& date, const QTime& time);
