#include "text/MarkupHtml.h"

#include <gtest/gtest.h>

TEST(MarkupHtml, ProgramMarkupAsQtRichText)
{
    const QPair<QString, QString> cases[] = {
        {"<B>gruby</b> i <i>pochyły</I>", "<b>gruby</b> i <i>pochyły</i>"},
        {"a<BR>b", "a<br>b"},
        {"<b>Nagłówek</b><br>   treść", "<b>Nagłówek</b><br>&nbsp;&nbsp;&nbsp;treść"},
        {"a  b", "a &nbsp;b"},
        {"<a href=\"http://x.pl\">strona</a>", "<a href=\"http://x.pl\">strona</a>"},
        {"<font color=\"clRed\" size=\"12\">uwaga</font>", "<span style=\"font-size:12pt; color:red\">uwaga</span>"},
        {"<font face=\"Arial\" color=\"#00ff00\">x</font>", "<span style=\"font-family:'Arial'; color:#00ff00\">x</span>"},
        {"<p align=\"alCenter\">środek<br>dalej", "<div align=\"center\">środek</div>dalej"},
        {"<titlefont>Tytuł", "Tytuł"},
        {"2 < 3 > 1", "2 &lt; 3 &gt; 1"},
        {"&lt;tag&gt;", "&lt;tag&gt;"},
    };
    for (const auto& [markup, rich] : cases)
        EXPECT_EQ(MarkupToRichText(markup), rich) << markup.toStdString();
}

TEST(MarkupHtml, ImagesGoThroughTheResolverAndPlainTextDropsTags)
{
    const auto resolve = [](const QString& source) {
        return source.startsWith("lsys:") ? QString(":/ikona.svg") : source;
    };
    EXPECT_EQ(MarkupToRichText("<IMG src=\"lsys:/opt/program\">x", resolve), "<img src=\":/ikona.svg\">x");
    EXPECT_EQ(MarkupToRichText("<img src=\"obraz.png\">"), "<img src=\"obraz.png\">");
    EXPECT_EQ(MarkupPlainText("<b>Ala</b> &amp; kot<br>drugi"), "Ala & kot\ndrugi");
}
