#include "trips/HourField.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(HourField, ValuesBecomeTimesOfDayCappedAndWithoutSign)
{
    struct Case {
        int value, hours, minutes;
    };
    const Case cases[] = {{730, 7, 30}, {930, 9, 30}, {2575, 23, 59}, {-815, 8, 15}, {0, 0, 0}, {2400, 23, 0}, {99, 0, 59}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const double fraction = TimeFractionOfHourField(c.value);
        EXPECT_EQ(std::lround(fraction * 1440), c.hours * 60 + c.minutes);
        EXPECT_EQ(HourFieldOfDateTime(37317 + fraction), c.hours * 100 + c.minutes);
    }
}

TEST(HourField, JoinKeepsTheDayAndReplacesTheTime)
{
    EXPECT_EQ(HourFieldOfDateTime(JoinDayAndHourField(37317.75, 705)), 705);
    EXPECT_EQ(std::trunc(JoinDayAndHourField(37317.75, 705)), 37317);
    EXPECT_EQ(JoinDayAndHourField(0, 705), 0);  // an empty date field stores no date
}
