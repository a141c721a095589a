#include "RunCli.h"

#include <gtest/gtest.h>

TEST(TextCli, CommandsPrintOneLine)
{
    struct Case {
        QStringList args;
        QString out;
    };
    const Case cases[] = {
        {{"words", "1234.5"}, "jeden tysiąc dwieście trzydzieści cztery 50/100"},
        {{"words", "-3,50"}, "minus trzy 50/100"},
        {{"words", "1000000000"}, "### za dużo! ;) ### 00/100"},
        {{"money", "1234567.891"}, "1 234 567,89 zł"},
        {{"money", "-7"}, "-7,00 zł"},
        {{"digits", "123.45"}, "jed*dwa*trz*zł*czt*pie*gr"},
        {{"digits", "--fraction", "123,45"}, "jed*dwa*trz*zł*45/100"},
        {{"number", "112000"}, "sto dwanaście tysięcy"},
        {{"number", "-1000000"}, "minus jeden milion"},
        {{"number", "1000000000"}, "### za dużo! ;) ###"},
        {{"date", "dddd, d mmmmm yyyy", "2002-10-09"}, "środa, 9 października 2002"},
        {{"date", "d/%R/yyyy h:mm", "2002-10-09T14:05"}, "9-X-2002 14:05"},
        {{"relative", "2024-03-14", "--today", "2024-03-15"}, "wczoraj"},
        {{"relative", "2024-01-01T23:00", "--today", "2024-03-15T08:00"}, "2 miesiące temu"},
        {{"relative", "--today", "2024-03-15", "2024-03-20"}, "za 5 dni"},
        {{"workday", "2001-11-10"}, "2001-11-12"},
        {{"workday", "2001-11-10", "--saturdays"}, "2001-11-10"},
        {{"workday", "2024-12-24"}, "2024-12-24"},
        {{"holiday", "2024-08-15"}, "tak"},
        {{"holiday", "2024-05-30"}, "tak"},
        {{"holiday", "2024-08-16"}, "nie"},
    };
    for (const Case& c : cases) {
        QString out, err;
        EXPECT_EQ(RunCli(c.args, &out, &err), 0) << c.args.join(' ').toStdString() << ": " << err.toStdString();
        EXPECT_EQ(out, c.out + "\n") << c.args.join(' ').toStdString();
    }
}

TEST(TextCli, UnreadableInputFails)
{
    struct Case {
        QStringList args;
        int exitCode;
        QString error;
    };
    const Case cases[] = {
        {{"money", "abc"}, 1, "Niepoprawna kwota: abc"},
        {{"words", "12,5 zł"}, 1, "Niepoprawna kwota: 12,5 zł"},
        {{"digits", "1.2.3"}, 1, "Niepoprawna kwota: 1.2.3"},
        {{"number", "1.5"}, 1, "Niepoprawna liczba: 1.5"},
        {{"date", "d mmmmm", "2002-13-01"}, 1, "Niepoprawna data: 2002-13-01"},
        {{"holiday", "15.08.2024"}, 1, "Niepoprawna data: 15.08.2024"},
        {{"relative", "2024-03-14", "--today", "jutro"}, 1, "Niepoprawna data: jutro"},
        {{"workday", "2024-02-30"}, 1, "Niepoprawna data: 2024-02-30"},
        {{"words"}, 2, "Użycie: vendrola-cli words KWOTA"},
        {{"date", "2002-10-09"}, 2, "Użycie: vendrola-cli date FORMAT DATA"},
        {{"relative", "2024-03-14", "--today"}, 2, "Użycie: vendrola-cli relative"},
    };
    for (const Case& c : cases) {
        QString out, err;
        EXPECT_EQ(RunCli(c.args, &out, &err), c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(c.error)) << err.toStdString();
        EXPECT_EQ(out, "") << c.args.join(' ').toStdString();
    }
}
