#include "TextTestHelpers.h"

#include "text/MarkupEscape.h"
#include "text/TextUtils.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(MarkupEscape, EscapesAndUnescapes)
{
    struct Case {
        QString plain;
        QString markup;
    };
    const Case cases[] = {
        {"Kowalski & Syn <b>", "Kowalski &amp; Syn &lt;b&gt;"},
        {"&lt; jest tekstem", "&amp;lt; jest tekstem"},
        {"a>b", "a&gt;b"},
        {"zwykły tekst", "zwykły tekst"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeMarkup(c.plain), c.markup) << c.plain.toStdString();
        EXPECT_EQ(UnescapeMarkup(c.markup), c.plain) << c.markup.toStdString();
    }
    EXPECT_EQ(UnescapeMarkup("&quot;Firma&quot;&nbsp;s.c."), "\"Firma\" s.c.");
    EXPECT_EQ(UnescapeMarkup("&copy; & &amp &"), "&copy; & &amp &");
}

TEST(TextUtils, PadText)
{
    EXPECT_EQ(PadText(u'0', true, 2, "7"), "07");
    EXPECT_EQ(PadText(u'.', false, 5, "ab"), "ab...");
    EXPECT_EQ(PadText(u'0', true, 2, "123"), "123");
    EXPECT_EQ(PadText(u'0', true, -1, ""), "");
}

TEST(TextUtils, ReplaceAllTextIgnoresCaseAndStopsWhenTheReplacementHoldsTheFind)
{
    struct Case {
        QString find, replacement, text, result;
    };
    const Case cases[] = {
        {"ul.", "ul. ", "ul.Długa UL.Krótka", "ul. Długa UL.Krótka"},
        {"<BR>", "<br>", "a<BR>b<Br>c", "a<br>b<Br>c"},  // "<br>" holds "<BR>"
        {"<BR>", "<p>", "a<BR>b<Br>c", "a<p>b<p>c"},
        {"ab", "x", "abAbaB", "xxx"},
        {"aa", "a", "aaaa", "a"},
        {"x", "x", "xXx", "xXx"},
        {"ł", "l", "ŁódŁ", "lódl"},
        {"", "y", "abc", "abc"},
        {"[data]", "15 marca", "[DATA] i [Data]", "15 marca i 15 marca"},
    };
    for (const Case& c : cases) {
        QString text = c.text;
        ReplaceAllText(c.find, c.replacement, text);
        EXPECT_EQ(text, c.result) << c.find.toStdString() << " in " << c.text.toStdString();
    }
}

TEST(TextUtils, FormatText)
{
    EXPECT_EQ(FormatText("%d,%.02d sek.", {qint64(1), qint64(5)}), "1,05 sek.");
    EXPECT_EQ(FormatText("[%5s|%-4d|%.2s] 100%%", {QString("ab"), qint64(-7), QString("xyz")}), "[   ab|-7  |xy] 100%");
    EXPECT_EQ(FormatText("%d", {qint64(std::numeric_limits<qint64>::min())}), "-9223372036854775808");
    EXPECT_EQ(FormatText("%s %s", {QString("a")}), std::nullopt);
    EXPECT_EQ(FormatText("%s", {qint64(1)}), std::nullopt);
    EXPECT_EQ(FormatText("50%", {}), std::nullopt);
}

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
        ReplaceAllText(QString::fromUtf8(c.find), QString::fromUtf8(c.replacement), text);
        EXPECT_EQ(text, QString::fromUtf8(c.expected)) << c.text;
    }
}

TEST(ReplaceAllText, AgreesWithThePlainRuleOnRandomTexts)
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
        QString expected = text, fast = text;
        ReplaceNaively(find, replacement, expected);
        ReplaceAllText(find, replacement, fast);
        ASSERT_EQ(fast, expected) << find.toStdString() << " -> " << replacement.toStdString() << " in "
                                  << text.toStdString();
    }
}

TEST(ReplaceAllText, ThousandsOfTagsInALongTextStayFast)
{
    QString text;
    for (int i = 0; i < 20000; ++i)
        text += "<textfont>Wiersz numer " + QString::number(i) + " z tekstem do wydruku.\r\n";
    QElapsedTimer timer;
    timer.start();
    ReplaceAllText("<textfont>", "<font face=\"Liberation Serif\" size=\"11\"></i></b></u>", text);
    EXPECT_LT(timer.elapsed(), 500);
    EXPECT_EQ(text.count("<font face"), 20000);
    EXPECT_FALSE(text.contains("<textfont>"));
}
