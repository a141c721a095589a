#include "text/DateFormat.h"

#include "text/Separators.h"

#include <array>

namespace {
const std::array<QString, 12> kGenitive{
    "stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca", "lipca", "sierpnia", "września",
    "października", "listopada", "grudnia"};
const std::array<QString, 12> kMonths{
    "styczeń", "luty", "marzec", "kwiecień", "maj", "czerwiec", "lipiec", "sierpień", "wrzesień",
    "październik", "listopad", "grudzień"};
const std::array<QString, 12> kMonthsShort{
    "sty", "lut", "mar", "kwi", "maj", "cze", "lip", "sie", "wrz", "paź", "lis", "gru"};
const std::array<QString, 7> kWeekdays{
    "poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota", "niedziela"};
const std::array<QString, 7> kWeekdaysShort{"pon.", "wt.", "śr.", "czw.", "pt.", "sob.", "niedz."};

template <size_t N>
QString NameOf(const std::array<QString, N>& names, int oneBased)
{
    return oneBased >= 1 && oneBased <= int(N) ? names[oneBased - 1] : QString();
}

QString Digits(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QChar(u'0')); }

const QString kShortDate = QStringLiteral("d/mm/yyyy");
const QString kLongDate = QStringLiteral("d \"%1\" yyyy");
const QString kShortTime = QStringLiteral("h:mm");
const QString kLongTime = QStringLiteral("hh:mm:ss");
}  // namespace

QString MonthNameGenitive(int month) { return NameOf(kGenitive, month); }
QString MonthName(int month) { return NameOf(kMonths, month); }
QString MonthShortName(int month) { return NameOf(kMonthsShort, month); }
QString WeekdayName(int dayOfWeek) { return NameOf(kWeekdays, dayOfWeek); }
QString WeekdayShortName(int dayOfWeek) { return NameOf(kWeekdaysShort, dayOfWeek); }

QString FormatDateTime(const QString& format, const QDate& date, const QTime& time)
{
    QString out;
    QChar lastToken;
    for (qsizetype i = 0; i < format.size();) {
        const QChar start = format[i];
        if (start == u'"' || start == u'\'') {
            const qsizetype close = format.indexOf(start, i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        // A picture letter repeated count times.
        qsizetype count = 1;
        while (i + count < format.size() && format[i + count].toUpper() == start.toUpper())
            ++count;
        QChar token = start.toUpper();
        if (token >= u'A' && token <= u'Z') {
            if (token == u'M' && lastToken == u'H')
                token = u'N';
            lastToken = token;
        }
        switch (token.unicode()) {
        case u'Y':
            out += count <= 2 ? Digits(date.year() % 100, 2) : Digits(date.year(), 4);
            break;
        case u'M':
            if (count <= 2)
                out += Digits(date.month(), int(count));
            else
                out += count == 3 ? MonthShortName(date.month()) : MonthName(date.month());
            break;
        case u'D':
            if (count <= 2)
                out += Digits(date.day(), int(count));
            else if (count == 3)
                out += WeekdayShortName(date.dayOfWeek());
            else if (count == 4)
                out += WeekdayName(date.dayOfWeek());
            else if (count == 5)
                out += FormatDateTime(kShortDate, date, time);
            else
                out += FormatDateTime(kLongDate.arg(MonthNameGenitive(date.month())), date, time);
            break;
        case u'H':
            out += Digits(time.hour(), count == 1 ? 1 : 2);
            break;
        case u'N':
            out += Digits(time.minute(), count == 1 ? 1 : 2);
            break;
        case u'S':
            out += Digits(time.second(), count == 1 ? 1 : 2);
            break;
        case u'Z':
            out += Digits(time.msec(), count == 1 ? 1 : 3);
            break;
        case u'T':
            out += FormatDateTime(count == 1 ? kShortTime : kLongTime, date, time);
            break;
        case u'C':
            out += FormatDateTime(kShortDate, date, time);
            if (time.msecsSinceStartOfDay() != 0)
                out += " " + FormatDateTime(kLongTime, date, time);
            break;
        case u'/':
            out += QString(count, kDateSeparator);
            break;
        case u':':
            out += QString(count, kTimeSeparator);
            break;
        default:
            out += format.mid(i, count);
            break;
        }
        i += count;
    }
    return out;
}
