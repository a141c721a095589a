#include "TextTestHelpers.h"

#include "text/DateText.h"
#include "text/NumberWords.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <ctime>

namespace {
// Another locale and a time zone with daylight-saving time for the length of a test.
class ForeignMachine {
public:
    ForeignMachine() : oldTz_(qgetenv("TZ"))
    {
        qputenv("TZ", "Europe/Warsaw");
        tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    ~ForeignMachine()
    {
        QLocale::setDefault(QLocale::c());
        if (oldTz_.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", oldTz_);
        tzset();
    }

private:
    QByteArray oldTz_;
};
}  // namespace

TEST(TextIndependence, TextsIgnoreTheMachinesLocaleAndTimeZone)
{
    ForeignMachine machine;
    // 2:30 on 31 March 2024 does not exist on Warsaw's clocks, but a stored value may hold it.
    const double skipped = Moment(2024, 3, 31, 2, 30);
    EXPECT_EQ(LongDateTime(skipped), "niedziela, 31 marca 2024, 2:30");
    EXPECT_EQ(FormatDateEx("dd/mm/yyyy hh:nn", skipped), "31-03-2024 02:30");
    EXPECT_EQ(MoneyText(Amount("1234567.5")), "1 234 567,50 zł");
    EXPECT_EQ(PlainTwoDecimals(Amount("-1234.5")), "-1234,50");
    EXPECT_EQ(ParseMoney("1 234,5", Money()), Amount("1234.5"));
    EXPECT_EQ(AmountInWords(Amount("21.07")), "dwadzieścia jeden 07/100");
}
