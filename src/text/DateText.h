#pragma once
#include <QString>

// Date texts of documents and lists. A date is a day-count value (days since 30 December 1899, the
// time of day in the fraction); 0 means no date, shown as "-" unless stated otherwise.

// "dzisiaj", "jutro", "tydzień temu", "za 5 dni", "2 miesiące temu"... counted in whole days from
// today (the program's clock).
QString RelativeDayText(double date);

QString LongDateWithWeekday(double date);  // "środa, 9 października 2002"
QString LongDate(double date);             // "9 października 2002"
QString LongDateTime(double date);         // "środa, 9 października 2002, 14:05"
QString ShortDate(double date);            // "9-10-2002"
QString ShortDateOrEmpty(double date);     // ShortDate, or an empty text for 0
// ShortDate, in a red font when the date is set and before today.
QString ShortDateOverdue(double date);

// Date formatting with the program's extras: the first "mmmmm" is the month's genitive name
// ("października"), the first "%r" / "%R" the month as a lower / upper case Roman numeral; in the
// result every "#" becomes a double quote and every "`" an apostrophe.
QString FormatDateEx(const QString& format, double date);

// "MCMXCIX" for 1 to 3998, other numbers in decimal digits.
QString RomanNumeral(int n);

// A time span (in days, as date values) as "1 godz. 2 min. 3 sek.", "5 min. 0 sek.", "0 sek."...
QString DurationText(double span);
