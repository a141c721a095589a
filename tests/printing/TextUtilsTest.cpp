#include "printing/TextUtils.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
// The replacement rule written the plain way: search from the start after every replacement.
void ReplaceNaively(const QString& find, const QString& replacement, QString& text)
{
    if (find == replacement || find.isEmpty())
        return;
    int position = int(text.indexOf(find, 0, Qt::CaseInsensitive));
    while (position >= 0) {
        text.replace(position, find.size(), replacement);
        const int limit = position + int(replacement.size()) - int(find.size());
        position = int(text.indexOf(find, 0, Qt::CaseInsensitive));
        if (position <= limit)
            break;
    }
}
}  // namespace

TEST(ReplaceAllText, StopRuleAndLetterCase)
{
    const struct {
        const char* find;
        const char* replacement;
        const char* text;
        const char* expected;
    } cases[] = {
        {"<hr>", "<hr>\r\n", "a<hr>b<HR>c", "a<hr>\r\nb<HR>c"},        // replacement contains find: first only
        {"<center>", "<p align=\"alCenter\">", "<CENTER>x<center>", "<p align=\"alCenter\">x<p align=\"alCenter\">"},
        {"ab", "ab", "abab", "abab"},                                  // equal: nothing happens
        {"aa", "a", "aaaa", "a"},                                      // shrinking keeps matching earlier
        {"xyz", "", "1xyz2XYZ3", "123"},
        {"ż", "z", "Żaba żaba", "zaba zaba"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromUtf8(c.text);
        ReplaceAllTextLinear(QString::fromUtf8(c.find), QString::fromUtf8(c.replacement), text);
        EXPECT_EQ(text, QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(ReplaceAllText, LinearVersionAgreesWithThePlainRuleAndTheSharedOne)
{
    // Random texts over a small alphabet, so that matches overlap, chain and appear across replacements.
    QRandomGenerator random(20240315);
    const QString alphabet = "abAB<>";
    const auto randomText = [&](int maxLength) {
        QString s;
        const int n = int(random.bounded(maxLength + 1));
        for (int i = 0; i < n; ++i)
            s += alphabet[int(random.bounded(int(alphabet.size())))];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const QString find = randomText(3).isEmpty() ? QString("a") : randomText(3);
        const QString replacement = randomText(4);
        const QString text = randomText(14);
        QString expected = text, linear = text, shared = text;
        ReplaceNaively(find, replacement, expected);
        ReplaceAllTextLinear(find, replacement, linear);
        ReplaceAllText(find, replacement, shared);
        ASSERT_EQ(linear, expected) << find.toStdString() << " -> " << replacement.toStdString() << " in "
                                    << text.toStdString();
        ASSERT_EQ(shared, expected);
    }
}

TEST(ReplaceAllText, ThousandsOfTagsInALongTextStayFast)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += "<textfont>Wiersz numer " + QString::number(i) + " z tekstem do wydruku.\r\n";
    QElapsedTimer timer;
    timer.start();
    ReplaceAllTextLinear("<textfont>", "<font face=\"Liberation Serif\" size=\"11\"></i></b></u>", text);
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(text.count("<font face"), 20000);
    EXPECT_FALSE(text.contains("<textfont>"));
}

TEST(TextUtilities, FieldsCountsAndContainment)
{
    EXPECT_EQ(ExtractField('|', 1, "a|b|c"), "a");
    EXPECT_EQ(ExtractField('|', 3, "a|b|c"), "c");
    EXPECT_EQ(ExtractField('|', 4, "a|b|c"), "");
    EXPECT_EQ(ExtractField('|', 0, "a|b|c"), "");
    EXPECT_EQ(ExtractField('|', 2, "|x"), "x");
    EXPECT_EQ(CountChar('|', "a||b|"), 3);
    EXPECT_TRUE(ContainsText("ŁÓDŹ", "z Łódź do Gdańska"));
    EXPECT_FALSE(ContainsText("Kraków", "z Łódź do Gdańska"));
}
