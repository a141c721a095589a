#include "platform/Clock.h"

#include <cmath>

namespace {
class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

std::shared_ptr<Clock>& Installed()
{
    static std::shared_ptr<Clock> clock = std::make_shared<SystemClock>();
    return clock;
}

const QDate kEpoch(1899, 12, 30);
}  // namespace

void InstallClock(std::shared_ptr<Clock> clock)
{
    Installed() = clock ? std::move(clock) : std::make_shared<SystemClock>();
}

QDateTime Now() { return Installed()->Now(); }
QDate Today() { return Now().date(); }

int DayNumber(const QDate& date) { return date.isValid() ? int(kEpoch.daysTo(date)) : 0; }
QDate DateOfDayNumber(int dayNumber) { return kEpoch.addDays(dayNumber); }

double DateTimeValue(const QDateTime& moment)
{
    return moment.isValid() ? DateTimeValue(moment.date(), moment.time()) : 0;
}

double DateTimeValue(const QDate& date, const QTime& time)
{
    if (!date.isValid())
        return 0;
    const double fraction = time.isValid() ? time.msecsSinceStartOfDay() / 86400000.0 : 0;
    return DayNumber(date) + fraction;
}

QDate DateOfValue(double value) { return DateOfDayNumber(int(std::trunc(value))); }

QTime TimeOfValue(double value)
{
    // Negative values count whole days back while the fraction still runs forward in the day.
    const double fraction = std::fabs(value - std::trunc(value));
    qint64 ms = std::llround(fraction * 86400000.0);
    if (ms >= 86400000)
        ms = 86399999;
    return QTime::fromMSecsSinceStartOfDay(int(ms));
}

QDateTime DateTimeOfValue(double value) { return QDateTime(DateOfValue(value), TimeOfValue(value)); }

int TodayNumber() { return DayNumber(Today()); }
double NowValue() { return DateTimeValue(Now()); }
