#include "text/DateText.h"

#include "platform/Clock.h"
#include "text/DateFormat.h"
#include "text/NumberWords.h"
#include "text/TextUtils.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace {
const QString kNoDate = QStringLiteral("-");

int DayOf(double date) { return DayNumber(DateOfValue(date)); }

QString FixedRelativeText(int k)
{
    switch (k) {
    case 0: return "dzisiaj";
    case 1: return "jutro";
    case 2: return "pojutrze";
    case 7: return "za tydzień";
    case 14: return "za dwa tygodnie";
    case 21: return "za trzy tygodnie";
    case 28: return "za cztery tygodnie";
    case 30: case 31: return "za miesiąc";
    case -1: return "wczoraj";
    case -2: return "przedwczoraj";
    case -5: case -6: return "prawie tydzień temu";
    case -7: return "tydzień temu";
    case -8: case -9: case -10: return "ponad tydzień temu";
    case -11: case -12: case -13: return "prawie dwa tygodnie temu";
    case -14: return "dwa tygodnie temu";
    case -15: case -16: case -17: return "ponad dwa tygodnie temu";
    case -18: case -19: case -20: return "prawie trzy tygodnie temu";
    case -21: return "trzy tygodnie temu";
    case -28: return "cztery tygodnie temu";
    case -29: return "ponad cztery tygodnie temu";
    case -30: case -31: return "miesiąc temu";
    default: return {};
    }
}

QString LowerDate(const QString& format, double date) { return FormatDateEx(format, date).toLower(); }

struct RomanStep {
    int value;
    const char* letters;
};
const std::array<RomanStep, 16> kRoman{{{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                        {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"},
                                        {8, "VIII"}, {7, "VII"}, {6, "VI"}, {5, "V"}, {4, "IV"}, {1, "I"}}};
}  // namespace

QString RelativeDayText(double date)
{
    if (date == 0)
        return kNoDate;
    const int k = DayOf(date) - TodayNumber();
    const QString fixed = FixedRelativeText(k);
    if (!fixed.isEmpty())
        return fixed;
    const int days = std::abs(k);
    if (days / 30 > 1)
        return PluralPhrase(k < 0 ? "%d %s temu" : "za %d %s", "miesiąc", "miesiące", days / 31, "miesięcy", false);
    return QString(k < 0 ? "%1 dni temu" : "za %1 dni").arg(days);
}

QString LongDateWithWeekday(double date) { return LowerDate("dddd, d mmmmm yyyy", date); }
QString LongDate(double date) { return LowerDate("d mmmmm yyyy", date); }
QString LongDateTime(double date) { return LowerDate("dddd, d mmmmm yyyy, h:mm", date); }

QString ShortDate(double date)
{
    return date == 0 ? kNoDate : FormatDateTime("d/mm/yyyy", DateOfValue(date), TimeOfValue(date));
}

QString ShortDateOrEmpty(double date) { return date == 0 ? QString() : ShortDate(date); }

QString ShortDateOverdue(double date)
{
    const QString text = ShortDate(date);
    if (date > 0 && DayOf(date) < TodayNumber())
        return "<font color=\"clRed\">" + text + "</font>";
    return text;
}

QString FormatDateEx(const QString& format, double date)
{
    if (date == 0)
        return kNoDate;
    const QDate day = DateOfValue(date);
    const int month = day.month();
    QString picture = format;
    const qsizetype monthName = picture.indexOf("mmmmm");
    if (monthName >= 0 && month >= 1 && month <= 12)
        picture.replace(monthName, 5, "\"" + MonthNameGenitive(month) + "\"");
    const QString roman = RomanNumeral(month);
    if (const qsizetype at = picture.indexOf("%r"); at >= 0)
        picture.replace(at, 2, "\"" + roman.toLower() + "\"");
    if (const qsizetype at = picture.indexOf("%R"); at >= 0)
        picture.replace(at, 2, "\"" + roman.toUpper() + "\"");
    QString result = FormatDateTime(picture, day, TimeOfValue(date));
    result.replace(u'#', u'"');
    result.replace(u'`', u'\'');
    return result;
}

QString RomanNumeral(int n)
{
    if (n < 1 || n > 3998)
        return QString::number(n);
    QString result;
    for (const RomanStep& step : kRoman) {
        while (n >= step.value) {
            result += QLatin1String(step.letters);
            n -= step.value;
        }
    }
    return result;
}

QString DurationText(double span)
{
    const qint64 total = std::llround(std::fabs(span) * 86400000.0);
    const qint64 hours = total / 3600000;
    const qint64 minutes = total / 60000 % 60;
    const qint64 seconds = total / 1000 % 60;
    const qint64 milliseconds = total % 1000;
    QString text;
    if (hours > 0)
        text += QString::number(hours) + " godz. ";
    if (minutes > 0)
        text += QString::number(minutes) + " min. ";
    if (hours > 0 || minutes > 0 || seconds > 1)
        text += QString::number(seconds) + " sek. ";
    else if (milliseconds != 0)
        text += QString::number(seconds) + "," + PadText(u'0', true, 2, QString::number(milliseconds / 10)) + " sek. ";
    else
        text += QString::number(seconds) + " sek. ";
    return text.trimmed();
}
