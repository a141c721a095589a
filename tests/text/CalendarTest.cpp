#include "TextTestHelpers.h"

#include "text/Calendar.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
QDate DateOf(double value) { return DateOfValue(value); }
}  // namespace

TEST(Calendar, DaysInMonth)
{
    struct Case {
        int month, year, days;
    };
    const Case cases[] = {{2, 1900, 28}, {2, 2000, 29}, {2, 2024, 29}, {2, 2023, 28}, {1, 2023, 31},
                          {4, 2023, 30}, {6, 2023, 30}, {9, 2023, 30}, {11, 2023, 30}, {12, 2023, 31},
                          {0, 2023, 0},  {13, 2023, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.year), c.days) << c.month << "/" << c.year;
}

TEST(Calendar, AddMonthsKeepsTheDayOrTakesTheLastOne)
{
    struct Case {
        int n;
        QDate from, to;
    };
    const Case cases[] = {
        {1, {2003, 1, 31}, {2003, 2, 28}},   {1, {2004, 1, 31}, {2004, 2, 29}},
        {2, {2003, 1, 31}, {2003, 3, 28}},   {-1, {2003, 3, 31}, {2003, 2, 28}},
        {1, {2003, 12, 15}, {2004, 1, 15}},  {-1, {2004, 1, 15}, {2003, 12, 15}},
        {-13, {2004, 1, 31}, {2002, 12, 28}}, {0, {2004, 1, 31}, {2004, 1, 31}},
        {12, {2003, 5, 31}, {2004, 5, 29}},  // via 29 February
        {48, {2001, 1, 31}, {2005, 1, 28}},  {-1200, {2024, 3, 30}, {1924, 3, 28}},
        {1, {2024, 3, 28}, {2024, 4, 28}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateOf(AddMonths(c.n, DayNumber(c.from))), c.to) << c.n << " " << c.from.toString().toStdString();
    EXPECT_EQ(AddMonths(1, Moment(2003, 1, 10, 15, 30)), Day(2003, 2, 10));  // the time is dropped
    EXPECT_EQ(DateOf(AddMonths(std::numeric_limits<int>::min(), Day(2024, 1, 31))).isValid(), true);
}

TEST(Calendar, StartsAndEndsOfPeriods)
{
    struct Case {
        double (*function)(double);
        QDate from, to;
    };
    const Case cases[] = {
        {StartOfMonth, {2024, 2, 17}, {2024, 2, 1}},    {EndOfMonth, {2024, 2, 17}, {2024, 2, 29}},
        {EndOfMonth, {2023, 12, 1}, {2023, 12, 31}},    {StartOfQuarter, {2024, 5, 20}, {2024, 4, 1}},
        {StartOfQuarter, {2024, 3, 31}, {2024, 1, 1}},  {EndOfQuarter, {2024, 8, 2}, {2024, 9, 30}},
        {EndOfQuarter, {2024, 10, 1}, {2024, 12, 31}},  {EndOfQuarter, {2024, 4, 1}, {2024, 6, 30}},
        {StartOfYear, {2024, 7, 7}, {2024, 1, 1}},      {EndOfYear, {2024, 7, 7}, {2024, 12, 31}},
        {StartOfWeek, {2024, 3, 17}, {2024, 3, 11}},    {StartOfWeek, {2024, 3, 11}, {2024, 3, 11}},
        {StartOfWeek, {2024, 3, 15}, {2024, 3, 11}},    {EndOfWeek, {2024, 3, 11}, {2024, 3, 17}},
        {EndOfWeek, {2024, 3, 17}, {2024, 3, 17}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateOf(c.function(DayNumber(c.from) + 0.75)), c.to) << c.from.toString().toStdString();
}

TEST(Calendar, EasterSundays)
{
    const QDate known[] = {{2000, 4, 23}, {2001, 4, 15}, {2002, 3, 31}, {2003, 4, 20}, {2019, 4, 21},
                           {2024, 3, 31}, {2025, 4, 20}, {2038, 4, 25}, {2285, 3, 22}};
    for (const QDate& easter : known)
        EXPECT_EQ(EasterSunday(easter.year()), easter);
}

TEST(Calendar, PublicHolidaysByStatute)
{
    const QDate holidays[] = {
        {2024, 1, 1},  {2024, 1, 6},  {2024, 3, 31}, {2024, 4, 1},   {2024, 5, 1},   {2024, 5, 3},
        {2024, 5, 19}, {2024, 5, 30}, {2024, 8, 15}, {2024, 11, 1},  {2024, 11, 11}, {2024, 12, 25},
        {2024, 12, 26}, {2025, 12, 24}, {2000, 4, 24}, {2000, 6, 22}, {2002, 5, 30}, {2030, 6, 20},
        {1995, 8, 15},
    };
    for (const QDate& day : holidays)
        EXPECT_TRUE(IsHoliday(DayNumber(day) + 0.5)) << day.toString().toStdString();

    const QDate workdays[] = {{2024, 12, 24}, {2010, 1, 6}, {2024, 4, 2}, {2024, 5, 2}, {2024, 5, 20},
                              {2024, 5, 31}, {2024, 3, 15}, {2024, 11, 2}, {2024, 12, 27}};
    for (const QDate& day : workdays)
        EXPECT_FALSE(IsHoliday(DayNumber(day))) << day.toString().toStdString();
}

TEST(Calendar, NextWorkingDay)
{
    struct Case {
        QDate from;
        bool saturdays;
        QDate to;
    };
    const Case cases[] = {
        {{2001, 11, 10}, false, {2001, 11, 12}},  // a Saturday; 11 November is a Sunday and a holiday
        {{2001, 11, 10}, true, {2001, 11, 10}},
        {{2024, 8, 15}, false, {2024, 8, 16}},    // a Thursday holiday
        {{2024, 3, 15}, false, {2024, 3, 15}},
        {{2024, 3, 30}, false, {2024, 4, 2}},     // Easter Sunday and Monday follow the Saturday
        {{2024, 3, 30}, true, {2024, 3, 30}},
        {{2025, 12, 24}, false, {2025, 12, 29}},  // Christmas Eve to Boxing Day, then the weekend
        {{2025, 12, 24}, true, {2025, 12, 27}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateOf(NextWorkingDay(DayNumber(c.from) + 0.25, c.saturdays)), c.to)
            << c.from.toString().toStdString();
}

TEST(Calendar, DatesAndTimesFromNumbers)
{
    EXPECT_EQ(DateFromNumber(20240229), Day(2024, 2, 29));
    for (int invalid : {20230229, 20241301, 20240100, 0, -20240101, 99})
        EXPECT_EQ(DateFromNumber(invalid), 0) << invalid;

    struct Case {
        int number;
        QTime time;
        int back;
    };
    const Case cases[] = {{1030, {10, 30}, 1030}, {0, {0, 0}, 0}, {2460, {23, 59}, 2359},
                          {975, {9, 59}, 959},    {2300, {23, 0}, 2300}, {-5, {0, 0}, 0}};
    for (const Case& c : cases) {
        const double time = TimeFromNumber(c.number);
        EXPECT_EQ(TimeOfValue(time), c.time) << c.number;
        EXPECT_EQ(TimeToNumber(time), c.back) << c.number;
    }
    EXPECT_EQ(TimeToNumber(Moment(2024, 3, 15, 17, 45)), 1745);
}
