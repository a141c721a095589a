#include "TextTestHelpers.h"

#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Money, FromDoubleRoundsToNearestUnitTiesToEven)
{
    struct Case {
        double zlote;
        qint64 units;
    };
    const Case cases[] = {
        {1234.5, 12345000},  {0.00005, 0},       {0.00035, 4},    {-0.00025, -2}, {0.00025, 2}, {2.00025, 20002},
        {19.99, 199900},     {-7.0, -70000},     {0.1 + 0.2, 3000}, {1e30, std::numeric_limits<qint64>::max()},
        {-1e30, std::numeric_limits<qint64>::min()}, {std::nan(""), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Money::FromDouble(c.zlote).Units(), c.units) << c.zlote;
    EXPECT_DOUBLE_EQ(Money::FromUnits(12345000).ToDouble(), 1234.5);
    EXPECT_EQ(Money::FromUnits(-12345).WholeZlote(), -1);
    EXPECT_EQ(Money::FromZlote(3) + Money::FromGrosze(5) - Money::FromUnits(1), Money::FromUnits(30499));
}

TEST(Money, RoundHalfUpTakesHalvesUpwards)
{
    struct Case {
        double x;
        qint64 expected;
    };
    const Case cases[] = {{2.5, 3}, {-2.5, -2}, {2.4999, 2}, {-2.5001, -3}, {0.49999999999999994, 0},
                          {-0.5, 0}, {7.0, 7}, {-7.0, -7}, {12.5, 13}};
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfUp(c.x), c.expected) << c.x;
}

TEST(Money, RoundToGroszeRoundsHalvesUpAndLeavesLargeAmounts)
{
    struct Case {
        const char* amount;
        const char* expected;
    };
    const Case cases[] = {
        {"0.125", "0.13"},       {"-0.125", "-0.12"},         {"12.00", "12"},
        {"0.1249", "0.12"},      {"-0.1251", "-0.13"},        {"999998.995", "999999"},
        {"999999.005", "999999.005"},
        {"1000000.125", "1000000.125"},  {"999999.0051", "999999.0051"},
        {"-1000000.125", "-1000000.12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundToGrosze(Amount(c.amount)), Amount(c.expected)) << c.amount;
}

TEST(MoneyText, FormatsWithPolishSeparators)
{
    struct Case {
        const char* amount;
        QString money;
        QString plain;
    };
    const Case cases[] = {
        {"1234.5", "1 234,50 zł", "1234,50"},
        {"-7", "-7,00 zł", "-7,00"},
        {"0", "0,00 zł", "0,00"},
        {"0.125", "0,13 zł", "0,13"},
        {"-0.125", "-0,12 zł", "-0,13"},
        {"1234567.891", "1 234 567,89 zł", "1234567,89"},
        {"1000000.125", "1 000 000,13 zł", "1000000,13"},
        {"-1234567890.5", "-1 234 567 890,50 zł", "-1234567890,50"},
        {"999", "999,00 zł", "999,00"},
        {"-0.00004", "0,00 zł", "0,00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MoneyText(Amount(c.amount)), c.money) << c.amount;
        EXPECT_EQ(PlainTwoDecimals(Amount(c.amount)), c.plain) << c.amount;
    }
    EXPECT_EQ(MoneyText(Money::FromUnits(std::numeric_limits<qint64>::min())), "-922 337 203 685 477,58 zł");
    EXPECT_EQ(MoneyTextOrEmpty(Money()), "");
    EXPECT_EQ(MoneyTextOrEmpty(Amount("0.01")), "0,01 zł");
}

TEST(MoneyText, ParsesAmountsTypedByTheUser)
{
    struct Case {
        QString text;
        const char* expected;
    };
    const Case cases[] = {
        {"1 234,56 zł", "1234.56"}, {"12.5", "12.5"},      {"45 gr", "0.45"},      {"5 gr", "0.05"},
        {"45 GR", "0.45"},          {"1 234.56", "1234.56"}, {"-3,50", "-3.5"},    {"12,34567", "12.3457"},
        {"0,00005", "0"},           {"0,00015", "0.0002"},   {"1\u00a0234,5", "1234.5"}, {"7zł", "7"},
        {"2 zł 50 gr", "2"},        {",5", "0.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseMoney(c.text, Amount("-1")), Amount(c.expected)) << c.text.toStdString();

    for (const QString& unreadable : QStringList{"abc", "", "-", "1-2", "zł 5", "99999999999999999999"})
        EXPECT_EQ(ParseMoney(unreadable, Amount("7")), Amount("7")) << unreadable.toStdString();
}

TEST(MoneyText, StrictParsingRaisesForUnreadableText)
{
    EXPECT_EQ(ParseMoneyStrict(""), Money());
    EXPECT_EQ(ParseMoneyStrict("12,30"), Amount("12.3"));
    try {
        ParseMoneyStrict("abc");
        FAIL() << "no error raised";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "abc nie jest liczbą!");
    }
}

TEST(MoneyText, DecimalNumbersMustBeWhole)
{
    EXPECT_EQ(ParseDecimalMoney("1234.5"), Amount("1234,5"));
    EXPECT_EQ(ParseDecimalMoney("-922337203685477.5808"), Money::FromUnits(std::numeric_limits<qint64>::min()));
    for (const QString& bad : QStringList{"", "-", ".", "1.2.3", "1,2.3", "12a", " 12", "+1", "922337203685477.5808"})
        EXPECT_FALSE(ParseDecimalMoney(bad).has_value()) << bad.toStdString();
}
