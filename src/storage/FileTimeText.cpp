#include "storage/FileTimeText.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"

namespace {
const char* const kWeekdays[7] = {"poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota", "niedziela"};
const char* const kGenitive[12] = {"stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca",
                                   "lipca", "sierpnia", "września", "października", "listopada", "grudnia"};
const char* const kNominative[12] = {"styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec",
                                     "lipiec", "sierpień", "wrzesień", "październik", "listopad", "grudzień"};
}  // namespace

QString FileTimeText(double value, bool genitiveMonth)
{
    if (value == 0)
        return {};
    const QDateTime t = DateTimeOfValue(value);
    const QDate d = t.date();
    return QString("%1, %2 %3 %4 %5")
        .arg(QString::fromUtf8(kWeekdays[d.dayOfWeek() - 1]))
        .arg(d.day())
        .arg(QString::fromUtf8((genitiveMonth ? kGenitive : kNominative)[d.month() - 1]))
        .arg(d.year())
        .arg(t.time().toString("H:mm:ss"));
}

QString FileDescription(const QString& path)
{
    return QString("plik %1\r\nzajmuje %2\r\nostatnio zapisany: %3")
        .arg(path, SizeText(FileSizeOf(path)), FileTimeText(FileTimeOf(path)));
}
