#include "shell/ShellTexts.h"

namespace {
const char* const kWeekdays[] = {"poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota", "niedziela"};
const char* const kMonthsGenitive[] = {"stycznia", "lutego", "marca",    "kwietnia", "maja",        "czerwca",
                                       "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};

QString DayMonthYear(const QDate& date)
{
    return QString("%1, %2 %3 %4")
        .arg(QString::fromUtf8(kWeekdays[date.dayOfWeek() - 1]))
        .arg(date.day())
        .arg(QString::fromUtf8(kMonthsGenitive[date.month() - 1]))
        .arg(date.year());
}
}  // namespace

QString DateWithWeekdayText(const QDate& date) { return date.isValid() ? DayMonthYear(date) : QString("-"); }

QString FileTimeText(const QDateTime& moment)
{
    if (!moment.isValid())
        return "-";
    return DayMonthYear(moment.date()) + ' ' + moment.time().toString("H:mm:ss");
}

QString TimeSpanText(qint64 milliseconds)
{
    const qint64 hours = milliseconds / 3600000;
    const qint64 minutes = milliseconds / 60000 % 60;
    const qint64 seconds = milliseconds / 1000 % 60;
    const qint64 ms = milliseconds % 1000;
    QString text;
    if (hours > 0)
        text += QString::number(hours) + " godz. ";
    if (minutes > 0)
        text += QString::number(minutes) + " min. ";
    if (hours > 0 || minutes > 0 || seconds > 1)
        text += QString::number(seconds) + " sek. ";
    else if (ms != 0)
        text += QString("%1,%2 sek. ").arg(seconds).arg(ms / 10, 2, 10, QChar('0'));
    else
        text += "0 sek. ";
    return text.trimmed();
}
