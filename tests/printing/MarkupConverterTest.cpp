#include "PrintingFixture.h"

#include "printing/MarkupConverter.h"
#include "printing/PageGeometry.h"
#include "printing/RichTextRenderer.h"

#include <QElapsedTimer>
#include <limits>

TEST_F(PrintingTest, ConvertMarkupAppliesItsStepsInOrder)
{
    const QFont text = RoleFontOf(FontRole::Text).font;
    const QString textTag = QString("<font face=\"%1\" size=\"11\"></i></b></u>").arg(text.family());
    const struct {
        const char* in;
        bool wrap;
        QString out;
    } cases[] = {
        {"a<hr>\r\nb", true, "a<hr>b"},
        {"a<hr>b<hr>c", false, "a<hr>\r\nb<hr>c"},               // only the first rule gets its own line
        {"x<br>_y<br>.z", true, "x<br>   y<br>   z"},
        {"x\r\n.y", false, "x<br>   y"},
        {"<center>a\r\n<right>b\r\n<LEFT>c", true,
         "<p align=\"alCenter\">a<br><p align=\"alRight\">b<br><p align=\"alLeft\">c"},
        {"a<newpage>b<newpage>c", false, "a\r\n<newpage>\r\nb<newpage>c"},
        {"<lefthalf>l<righthalf>r</half>", false, "\r\n<half>\r\nl|r\r\n</half>\r\n"},
        {"<textfont>T", true, textTag + "T"},
    };
    for (const auto& c : cases) {
        QString s = QString::fromUtf8(c.in);
        ConvertMarkup(s, c.wrap);
        EXPECT_EQ(s, c.out) << c.in;
    }
    QString title = "<titlefont>";
    ConvertMarkup(title, true);
    EXPECT_TRUE(title.endsWith("size=\"12\"></i><b></u>")) << title.toStdString();
    QString opis = "<opisfont>";
    ConvertMarkup(opis, true);
    EXPECT_TRUE(opis.endsWith("size=\"8\"><i></b></u>")) << opis.toStdString();
}

TEST_F(PrintingTest, IndentTagsBecomePixelsOfTheTarget)
{
    PageGeometry& g = CurrentGeometry();
    const PageGeometry saved = g;
    g.contentWidth = 1600;
    const struct {
        int dpi;
        const char* in;
        const char* out;
    } cases[] = {
        {600, "a<ind x=\"50%\">b", "a<ind x=\"800\">b"},
        {600, "<ind x=\"96\">", "<ind x=\"600\">"},
        {96, "<IND x=\"96\">", "<ind x=\"96\">"},
        {600, "<ind x=\"0\">", "<ind x=\"0\">"},
        {600, "<ind x=\"abc\">", "<ind x=\"abc\">"},
        {600, "<proc x=\"25%\">|<ind x=\"1\">", "<ind x=\"400\">|<ind x=\"6\">"},  // 6.25 -> 6
        {600, "<indeks>", "<indeks>"},
    };
    for (const auto& c : cases) {
        QString s = c.in;
        ConvertIndentTags(c.dpi, s);
        EXPECT_EQ(s, c.out) << c.in;
    }
    g = saved;
}

TEST_F(PrintingTest, LongTextsWithThousandsOfTagsConvertInLinearTime)
{
    const auto build = [](int lines) {
        QString text;
        for (int i = 0; i < lines; ++i)
            text += "<textfont><b>Pozycja</b> <right>" + QString::number(i) + "<br>_wcięcie<left><ind x=\"50%\">koniec\r\n";
        return text;
    };
    // The best of three runs, so that a busy machine does not decide the test.
    const auto bestTime = [](const QString& source, QString& converted) {
        qint64 best = std::numeric_limits<qint64>::max();
        for (int run = 0; run < 3; ++run) {
            converted = source;
            QElapsedTimer timer;
            timer.start();
            ConvertMarkup(converted, false);
            best = std::min(best, timer.nsecsElapsed());
        }
        return std::max<qint64>(best, 1);
    };
    QString small, big;
    const qint64 smallTime = bestTime(build(2000), small);
    const qint64 bigTime = bestTime(build(16000), big);
    EXPECT_LT(bigTime, 2'000'000'000);
    EXPECT_LT(bigTime, 8 * smallTime * 4);  // eight times the text, far from sixty-four times the time
    EXPECT_EQ(big.count("<p align=\"alRight\">"), 16000);
    EXPECT_EQ(big.count("<br>   wcięcie"), 16000);
}
