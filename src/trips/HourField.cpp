#include "trips/HourField.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

double TimeFractionOfHourField(int value)
{
    const int hours = std::min(std::abs(value / 100), 23);
    const int minutes = std::min(std::abs(value % 100), 59);
    return (hours * 60 + minutes) / 1440.0;
}

int HourFieldOfDateTime(double dateTime)
{
    const QTime time = DateTimeOfValue(dateTime).time();
    return time.hour() * 100 + time.minute();
}

double JoinDayAndHourField(double date, int hourField)
{
    if (std::trunc(date) == 0)
        return 0;
    return std::trunc(date) + TimeFractionOfHourField(hourField);
}
