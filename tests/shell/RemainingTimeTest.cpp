#include "shell/RemainingTime.h"

#include <gtest/gtest.h>

TEST(RemainingTime, OnlyPastTheThirdStepBeforeNinetyPerCentAndToday)
{
    const QDateTime start(QDate(2024, 3, 15), QTime(10, 0, 0));
    const QDateTime now = start.addSecs(30);
    struct Case {
        qint64 position, maximum;
        QDateTime start;
        QString line;
    };
    const Case cases[] = {
        {3, 10, start, ""},                                  // three steps or fewer: no estimate
        {4, 10, start, "jeszcze ok. 45 sek."},               // 30 s for 4 of 10: 75 s in all
        {10, 100, start, "jeszcze ok. 4 min. 30 sek."},
        {89, 100, start, "jeszcze ok. 3 sek."},
        {90, 100, start, ""},                                // past 90 %
        {5, 10, start.addDays(-1), ""},                      // started on another day
        {5, 10, QDateTime(), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RemainingTimeLine(c.position, c.maximum, c.start, now), c.line) << c.position << "/" << c.maximum;
}
