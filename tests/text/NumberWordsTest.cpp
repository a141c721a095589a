#include "TextTestHelpers.h"

#include "text/NumberWords.h"

#include <gtest/gtest.h>

TEST(NumberWords, NumbersInWords)
{
    struct Case {
        qint64 n;
        QString words;
    };
    const Case cases[] = {
        {0, "zero"},
        {1, "jeden"},
        {10, "dziesięć"},
        {15, "piętnaście"},
        {19, "dziewiętnaście"},
        {20, "dwadzieścia"},
        {21, "dwadzieścia jeden"},
        {100, "sto"},
        {230, "dwieście trzydzieści"},
        {1001, "jeden tysiąc jeden"},
        {2000, "dwa tysiące"},
        {5000, "pięć tysięcy"},
        {21000, "dwadzieścia jeden tysięcy"},
        {22000, "dwadzieścia dwa tysiące"},
        {112000, "sto dwanaście tysięcy"},
        {313000, "trzysta trzynaście tysięcy"},
        {114000, "sto czternaście tysięcy"},
        {124000, "sto dwadzieścia cztery tysiące"},
        {2005000, "dwa miliony pięć tysięcy"},
        {12000000, "dwanaście milionów"},
        {112000000, "sto dwanaście milionów"},
        {-1000000, "minus jeden milion"},
        {-42, "minus czterdzieści dwa"},
        {999999999,
         "dziewięćset dziewięćdziesiąt dziewięć milionów dziewięćset dziewięćdziesiąt dziewięć tysięcy "
         "dziewięćset dziewięćdziesiąt dziewięć"},
        {1000000000, "### za dużo! ;) ###"},
        {-1000000000, "### za dużo! ;) ###"},
        {5000000000LL, "### za dużo! ;) ###"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberInWords(c.n), c.words) << c.n;
}

TEST(NumberWords, PluralPhraseAgreesWithTheCount)
{
    struct Case {
        qint64 count;
        QString digits;
    };
    const Case cases[] = {
        {1, "1 dzień"},    {2, "2 dni?"},      {4, "4 dni?"},     {5, "5 dni"},     {11, "11 dni"},
        {12, "12 dni"},    {20, "20 dni"},     {21, "21 dni"},    {22, "22 dni?"},  {102, "102 dni?"},
        {111, "111 dni"},  {112, "112 dni"},   {114, "114 dni"},  {115, "115 dni"}, {1012, "1012 dni"},
        {1024, "1024 dni?"}, {0, "0 dni"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PluralPhrase("%d %s", "dzień", "dni?", c.count, "dni", false), c.digits) << c.count;

    EXPECT_EQ(PluralPhrase("%s %s", "miesiąc", "miesiące", 3, "miesięcy", true), "trzy miesiące");
    EXPECT_EQ(PluralPhrase("za %d %s", "miesiąc", "miesiące", 13, "miesięcy", false), "za 13 miesięcy");
    for (const QString& broken : QStringList{"%d %s", "%s", "%d %d", "%x %s", "%"})
        EXPECT_EQ(PluralPhrase(broken, "a", "b", 3, "c", broken == "%d %s"), "--- błąd ---") << broken.toStdString();
}

TEST(NumberWords, AmountsInWords)
{
    struct Case {
        const char* amount;
        QString words;
    };
    const Case cases[] = {
        {"1234.5", "jeden tysiąc dwieście trzydzieści cztery 50/100"},
        {"0.07", "zero 07/100"},
        {"0", "zero 00/100"},
        {"-3.5", "minus trzy 50/100"},
        {"0.125", "zero 13/100"},
        {"-0.125", "minus zero 12/100"},
        {"112000", "sto dwanaście tysięcy 00/100"},
        {"1000000.125", "jeden milion 13/100"},
        {"999999999.99", "dziewięćset dziewięćdziesiąt dziewięć milionów dziewięćset dziewięćdziesiąt "
                         "dziewięć tysięcy dziewięćset dziewięćdziesiąt dziewięć 99/100"},
        {"1000000000", "### za dużo! ;) ### 00/100"},
        {"-5000000000.5", "minus ### za dużo! ;) ### 50/100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AmountInWords(Amount(c.amount)), c.words) << c.amount;
    EXPECT_EQ(AmountInWords(Money::FromUnits(std::numeric_limits<qint64>::min())), "minus ### za dużo! ;) ### 58/100");
}

TEST(NumberWords, AmountsSpeltDigitByDigit)
{
    struct Case {
        const char* amount;
        bool fraction;
        QString words;
    };
    const Case cases[] = {
        {"123.45", false, "jed*dwa*trz*zł*czt*pie*gr"},
        {"123.45", true, "jed*dwa*trz*zł*45/100"},
        {"7", false, "sie*zł*zer*zer*gr"},
        {"7", true, "sie*zł*00/100"},
        {"0.05", false, "zer*zł*zer*pie*gr"},
        {"9086.1", false, "dzi*zer*osi*sze*zł*jed*zer*gr"},
        {"1000000.995", false, "jed*zer*zer*zer*zer*zer*jed*zł*zer*zer*gr"},
        {"-12.5", false, "minus*jed*dwa*zł*pie*zer*gr"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AmountInDigitWords(Amount(c.amount), c.fraction), c.words) << c.amount;
}
