#pragma once

// The hour fields of the trip edit dialog hold a whole number hhmm (730 is 07:30). These turn such a
// number into the fraction of a day and back.

// Hours and minutes are taken without sign and capped at 23 and 59: 2575 gives 23:59, -815 08:15.
double TimeFractionOfHourField(int value);
// The hhmm number of the time of day of a day-and-time value, to the minute.
int HourFieldOfDateTime(double dateTime);
// The whole day of date (a date field) with the time of day made from an hour field; no date when
// date is 0.
double JoinDayAndHourField(double date, int hourField);
