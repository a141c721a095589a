#include "text/Calendar.h"

#include "platform/Clock.h"

#include <algorithm>

namespace {
QDate DateOf(double date) { return DateOfValue(date); }
double ValueOf(const QDate& date) { return DayNumber(date); }

QDate OneMonthStep(const QDate& date, int direction)
{
    int month = date.month() + direction;
    int year = date.year();
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
    const QDate next(year, month, std::min(date.day(), DaysInMonth(month, year)));
    return next.isValid() ? next : date;
}

QDate QuarterStart(const QDate& date) { return QDate(date.year(), (date.month() - 1) / 3 * 3 + 1, 1); }
}  // namespace

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

double AddMonths(int n, double date)
{
    QDate result = DateOf(date);
    const int direction = n < 0 ? -1 : 1;
    qint64 steps = std::abs(qint64(n));
    // Step by step while a shorter month can still cut the day; from day 28 on every month has it.
    for (; steps > 0 && result.day() > 28; --steps)
        result = OneMonthStep(result, direction);
    const QDate rest = result.addMonths(int(steps * direction));
    return ValueOf(rest.isValid() ? rest : result);
}

double StartOfMonth(double date)
{
    const QDate d = DateOf(date);
    return ValueOf(QDate(d.year(), d.month(), 1));
}

double EndOfMonth(double date) { return AddMonths(1, StartOfMonth(date)) - 1; }

double StartOfQuarter(double date) { return ValueOf(QuarterStart(DateOf(date))); }
double EndOfQuarter(double date) { return ValueOf(QuarterStart(DateOf(date)).addMonths(3).addDays(-1)); }
double StartOfYear(double date) { return ValueOf(QDate(DateOf(date).year(), 1, 1)); }
double EndOfYear(double date) { return ValueOf(QDate(DateOf(date).year(), 12, 31)); }

double StartOfWeek(double date)
{
    const QDate d = DateOf(date);
    return ValueOf(d.addDays(1 - d.dayOfWeek()));
}

double EndOfWeek(double date) { return StartOfWeek(date) + 6; }

QDate EasterSunday(int year)
{
    // The anonymous Gregorian computus.
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

bool IsHoliday(const QDate& date)
{
    if (!date.isValid())
        return false;
    const int year = date.year();
    const int month = date.month();
    const int day = date.day();
    const auto on = [&](int m, int d) { return month == m && day == d; };
    if (on(1, 1) || on(5, 1) || on(5, 3) || on(8, 15) || on(11, 1) || on(11, 11) || on(12, 25) || on(12, 26))
        return true;
    if ((on(1, 6) && year >= 2011) || (on(12, 24) && year >= 2025))
        return true;
    if (year < 1)
        return false;
    // Easter Sunday and Monday, Pentecost Sunday (49 days on) and Corpus Christi (60 days on).
    const qint64 fromEaster = EasterSunday(year).daysTo(date);
    return fromEaster == 0 || fromEaster == 1 || fromEaster == 49 || fromEaster == 60;
}

bool IsHoliday(double date) { return IsHoliday(DateOf(date)); }

double NextWorkingDay(double date, bool saturdayWorks)
{
    const QDate first = DateOf(date);
    QDate day = first;
    for (int offset = 0; offset <= 30; ++offset) {
        day = first.addDays(offset);
        const int weekday = day.dayOfWeek();
        if (!IsHoliday(day) && weekday != Qt::Sunday && (saturdayWorks || weekday != Qt::Saturday))
            break;
    }
    return ValueOf(day);
}

double DateFromNumber(int n)
{
    const QDate date(n / 10000, n / 100 % 100, n % 100);
    return n > 0 && date.isValid() ? ValueOf(date) : 0;
}

double TimeFromNumber(int n)
{
    const int hours = std::clamp(n / 100, 0, 23);
    const int minutes = std::clamp(n % 100, 0, 59);
    return (hours * 60 + minutes) / 1440.0;
}

int TimeToNumber(double time)
{
    const QTime t = TimeOfValue(time);
    return t.hour() * 100 + t.minute();
}
