#include "shell/RemainingTime.h"

#include "text/DateText.h"

QString RemainingTimeLine(qint64 position, qint64 maximum, const QDateTime& statusStart, const QDateTime& now)
{
    if (position <= 3 || position >= 0.9 * double(maximum) || !statusStart.isValid() ||
        statusStart.date() != now.date())
        return {};
    const double elapsed = double(statusStart.msecsTo(now));
    const double total = elapsed * double(maximum) / double(position);
    return "jeszcze ok. " + DurationText((total - elapsed) / 86400000.0);
}
