#include "TextTestHelpers.h"

#include "text/MarkupEscape.h"
#include "text/TextUtils.h"

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
