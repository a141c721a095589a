#include "TestRoot.h"
#include "TextTestHelpers.h"

#include "text/DateFormat.h"
#include "text/DateText.h"

#include <gtest/gtest.h>

// The test clock stands at Friday 15 March 2024, 10:30.
namespace {
double DaysFromToday(int k) { return TodayNumber() + k; }
}  // namespace

TEST(DateText, RelativeDayTexts)
{
    struct Case {
        int k;
        QString text;
    };
    const Case cases[] = {
        {0, "dzisiaj"}, {1, "jutro"}, {2, "pojutrze"}, {3, "za 3 dni"}, {5, "za 5 dni"},
        {7, "za tydzień"}, {14, "za dwa tygodnie"}, {21, "za trzy tygodnie"}, {28, "za cztery tygodnie"},
        {29, "za 29 dni"}, {30, "za miesiąc"}, {31, "za miesiąc"}, {59, "za 59 dni"}, {70, "za 2 miesiące"},
        {-1, "wczoraj"}, {-2, "przedwczoraj"}, {-3, "3 dni temu"}, {-4, "4 dni temu"},
        {-5, "prawie tydzień temu"}, {-6, "prawie tydzień temu"}, {-7, "tydzień temu"},
        {-8, "ponad tydzień temu"}, {-10, "ponad tydzień temu"}, {-11, "prawie dwa tygodnie temu"},
        {-13, "prawie dwa tygodnie temu"}, {-14, "dwa tygodnie temu"}, {-15, "ponad dwa tygodnie temu"},
        {-17, "ponad dwa tygodnie temu"}, {-18, "prawie trzy tygodnie temu"}, {-20, "prawie trzy tygodnie temu"},
        {-21, "trzy tygodnie temu"}, {-22, "22 dni temu"}, {-28, "cztery tygodnie temu"},
        {-29, "ponad cztery tygodnie temu"}, {-30, "miesiąc temu"}, {-31, "miesiąc temu"},
        {-32, "32 dni temu"}, {-59, "59 dni temu"}, {-60, "1 miesiąc temu"}, {-62, "2 miesiące temu"},
        {-155, "5 miesięcy temu"}, {-372, "12 miesięcy temu"}, {-700, "22 miesiące temu"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RelativeDayText(DaysFromToday(c.k)), c.text) << c.k;
    EXPECT_EQ(RelativeDayText(Moment(2024, 3, 15, 23, 59)), "dzisiaj");
    EXPECT_EQ(RelativeDayText(Moment(2024, 3, 14, 23, 59)), "wczoraj");
    EXPECT_EQ(RelativeDayText(0), "-");
}

TEST(DateText, RelativeDayTextFollowsTheClock)
{
    CurrentTestRoot().Clock().Set(QDateTime(QDate(2002, 10, 9), QTime(8, 0)));
    EXPECT_EQ(RelativeDayText(Day(2002, 10, 10)), "jutro");
}

TEST(DateText, FixedDateForms)
{
    const double date = Moment(2002, 10, 9, 14, 5);
    EXPECT_EQ(ShortDate(date), "9-10-2002");
    EXPECT_EQ(ShortDate(Day(2024, 1, 31)), "31-01-2024");
    EXPECT_EQ(LongDateWithWeekday(date), "środa, 9 października 2002");
    EXPECT_EQ(LongDate(date), "9 października 2002");
    EXPECT_EQ(LongDateTime(date), "środa, 9 października 2002, 14:05");
    EXPECT_EQ(LongDateWithWeekday(Day(2024, 3, 17)), "niedziela, 17 marca 2024");
    EXPECT_EQ(ShortDateOrEmpty(date), "9-10-2002");

    for (auto text : {ShortDate, LongDate, LongDateWithWeekday, LongDateTime, ShortDateOverdue})
        EXPECT_EQ(text(0), "-");
    EXPECT_EQ(ShortDateOrEmpty(0), "");
}

TEST(DateText, OverdueDatesAreRed)
{
    EXPECT_EQ(ShortDateOverdue(Moment(2024, 3, 14, 23, 0)), "<font color=\"clRed\">14-03-2024</font>");
    EXPECT_EQ(ShortDateOverdue(Moment(2024, 3, 15, 0, 0)), "15-03-2024");
    EXPECT_EQ(ShortDateOverdue(Day(2024, 3, 16)), "16-03-2024");
}

TEST(DateText, FormatDateEx)
{
    struct Case {
        QString format;
        QString text;
    };
    // Tuesday 7 December 2021, 9:04:05.250
    const double date = DateTimeValue(QDate(2021, 12, 7), QTime(9, 4, 5, 250));
    const Case cases[] = {
        {"d mmmmm yyyy", "7 grudnia 2021"},
        {"dd/mm/yy", "07-12-21"},
        {"dddd", "wtorek"},
        {"ddd d mmm", "wt. 7 gru"},
        {"mmmm yyyy", "grudzień 2021"},
        {"d %r yyyy", "7 xii 2021"},
        {"d %R yyyy", "7 XII 2021"},
        {"%r/%R", "xii-XII"},
        {"h:mm", "9:04"},
        {"hh:nn:ss.zzz", "09:04:05.250"},
        {"yyyy-mm-dd hh:mm", "2021-12-07 09:04"},
        {"d mmmmm mmmmm", "7 grudnia grudzień"},
        {"#d# `mm`", "\"7\" '12'"},
        {"\"dd\" 'yyyy' d", "dd yyyy 7"},
        {"ddddd", "7-12-2021"},
        {"dddddd", "7 grudnia 2021"},
        {"t", "9:04"},
        {"tt", "09:04:05"},
        {"c", "7-12-2021 09:04:05"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateEx(c.format, date), c.text) << c.format.toStdString();
    EXPECT_EQ(FormatDateEx("d mmmmm", 0), "-");
}

TEST(DateText, MonthAndWeekdayNames)
{
    const QStringList genitive{"stycznia", "lutego", "marca", "kwietnia", "maja", "czerwca", "lipca",
                               "sierpnia", "września", "października", "listopada", "grudnia"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(FormatDateEx("mmmmm", Day(2023, month, 1)), genitive[month - 1]);
    const QStringList weekdays{"poniedziałek", "wtorek", "środa", "czwartek", "piątek", "sobota", "niedziela"};
    for (int day = 0; day < 7; ++day)  // 5 June 2023 is a Monday
        EXPECT_EQ(FormatDateEx("dddd", Day(2023, 6, 5 + day)), weekdays[day]);
    EXPECT_EQ(MonthNameGenitive(0), "");
    EXPECT_EQ(MonthNameGenitive(13), "");
}

TEST(DateText, RomanNumerals)
{
    struct Case {
        int n;
        QString text;
    };
    const Case cases[] = {{1, "I"}, {4, "IV"}, {9, "IX"}, {10, "X"}, {14, "XIV"}, {40, "XL"},
                          {90, "XC"}, {400, "CD"}, {888, "DCCCLXXXVIII"}, {1999, "MCMXCIX"},
                          {2024, "MMXXIV"}, {3998, "MMMCMXCVIII"}, {3999, "3999"}, {0, "0"}, {-5, "-5"}};
    for (const Case& c : cases)
        EXPECT_EQ(RomanNumeral(c.n), c.text) << c.n;
}

TEST(DateText, DurationTexts)
{
    struct Case {
        qint64 milliseconds;
        QString text;
    };
    const Case cases[] = {
        {(3600 + 120 + 3) * 1000, "1 godz. 2 min. 3 sek."},
        {5 * 60 * 1000, "5 min. 0 sek."},
        {0, "0 sek."},
        {1000, "1 sek."},
        {1500, "1,50 sek."},
        {40, "0,04 sek."},
        {2000, "2 sek."},
        {59000, "59 sek."},
        {3600 * 1000, "1 godz. 0 sek."},
        {26LL * 3600 * 1000 + 1000, "26 godz. 1 sek."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DurationText(c.milliseconds / 86400000.0), c.text) << c.milliseconds;
}
