#pragma once
#include <QDate>

// Calendar arithmetic on day-count date values (days since 30 December 1899, the time of day in the
// fraction). Results that are days carry no time of day.

int DaysInMonth(int month, int year);  // 0 for a month outside 1..12

// n whole months later (earlier for n < 0), one month at a time: each step keeps the day of the month
// or takes the last day of a shorter month, and later steps go on from there (31 January + 2 months
// is 28 or 29 March).
double AddMonths(int n, double date);

double StartOfMonth(double date);
double EndOfMonth(double date);
double StartOfQuarter(double date);
double EndOfQuarter(double date);
double StartOfYear(double date);
double EndOfYear(double date);
double StartOfWeek(double date);  // the Monday; weeks run Monday to Sunday
double EndOfWeek(double date);    // the Sunday

// Easter Sunday of a year of the Gregorian calendar.
QDate EasterSunday(int year);
// A Polish public holiday by the statute: 1 January, 6 January (from 2011), Easter Sunday and Monday,
// 1 and 3 May, Pentecost Sunday, Corpus Christi, 15 August, 1 and 11 November, 24 December (from
// 2025), 25 and 26 December. The time of day is ignored.
bool IsHoliday(double date);
bool IsHoliday(const QDate& date);

// The first day from date on that is neither a public holiday nor a Sunday, nor a Saturday unless
// saturdayWorks; at most 30 days on (that last day is returned when none qualifies).
double NextWorkingDay(double date, bool saturdayWorks);

// n read as yyyymmdd; 0 when that is no valid date.
double DateFromNumber(int n);
// n read as hhmm, hours above 23 taken as 23 and minutes above 59 as 59.
double TimeFromNumber(int n);
// Hours x 100 + minutes of a time value.
int TimeToNumber(double time);
