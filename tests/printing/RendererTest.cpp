#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "printing/MarkupPrinter.h"
#include "printing/RichTextRenderer.h"

#include <QFontMetricsF>

namespace {
// Starts a recorded job at the given resolution; the canvas font is the text role.
class RendererTest : public PrintingTest {
protected:
    void Start(int dpi)
    {
        printer_.reset();
        printer_ = std::make_unique<RecordingPrinter>(A4Metrics(dpi));
        AnswerPrint();
        ASSERT_TRUE(BeginDocument("test", false, false, true));
    }
    const RecordedPage& Page(int i = 0) { return printer_->Page(i); }
    std::unique_ptr<RecordingPrinter> printer_;
};
}  // namespace

TEST_F(RendererTest, MeasuringAndDrawingAgreeAndWrapAtTheRightEdge)
{
    for (const int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        Start(dpi);
        Canvas& canvas = JobCanvas();
        const QString text = "Zażółć gęślą jaźń, czyli delegacja służbowa do Łodzi i z powrotem przez Kraków.";
        const PixelRect narrow{100, 200, 100 + dpi, 10000};  // one inch wide
        const RichTextSize measured = RichTextRenderer::Measure(canvas, text, narrow);
        const RichTextSize drawn = RichTextRenderer::Draw(canvas, text, narrow);
        EXPECT_EQ(measured.width, drawn.width);
        EXPECT_EQ(measured.height, drawn.height);
        EXPECT_LE(measured.width, dpi);
        const QFontMetricsF metrics(canvas.font, canvas.Device());
        EXPECT_GT(measured.height, 3 * metrics.height());  // wrapped onto several lines
        for (const RecordedText& t : Page().texts) {
            EXPECT_GE(t.baseline.x(), 100);
            EXPECT_LE(t.baseline.x() + QFontMetricsF(t.font, canvas.Device()).horizontalAdvance(t.text), 100 + dpi + 1);
        }
        EXPECT_EQ(Page().AllText().remove(' '), QString(text).remove(' '));
        EndDocument();
    }
}

TEST_F(RendererTest, TagsAlignmentIndentEntitiesAndRules)
{
    Start(600);
    Canvas& canvas = JobCanvas();
    const PixelRect rect{0, 0, 4000, 20000};
    RichTextRenderer::Draw(canvas, "<b>Gruby</b> &lt;tekst&gt; &amp; &quot;cytat&quot;<FONT color=\"clRed\" size=\"20\">"
                                   "Czerwony</font><unknown>zwykły<br><p align=\"alRight\">Prawy<hr>"
                                   "<p align=\"alCenter\">Środek<br>dalej<br><p align=\"alLeft\">a<ind x=\"2000\">b", rect);
    const RecordedPage& page = Page();
    ASSERT_NE(page.Find("Gruby"), nullptr);
    EXPECT_TRUE(page.Find("Gruby")->font.bold());
    EXPECT_FALSE(page.Find("<tekst>")->font.bold());
    EXPECT_NE(page.Find("& \"cytat\""), nullptr);
    EXPECT_EQ(page.Find("Czerwony")->color, QColor(255, 0, 0));
    EXPECT_EQ(page.Find("Czerwony")->font.pointSize(), 20);
    EXPECT_EQ(page.Find("zwykły")->color, QColor(Qt::black));
    const QFontMetricsF metrics(canvas.font, canvas.Device());
    const RecordedText* right = page.Find("Prawy");
    EXPECT_NEAR(right->baseline.x() + metrics.horizontalAdvance("Prawy"), 4000, 1);
    // The rule spans the rectangle between "Prawy" and "Środek"; the centred line stays centred.
    ASSERT_EQ(page.lines.size(), 1);
    EXPECT_EQ(page.lines[0].line.x1(), 0);
    EXPECT_EQ(page.lines[0].line.x2(), 4000);
    EXPECT_GT(page.lines[0].line.y1(), right->baseline.y());
    const RecordedText* centre = page.Find("Środek");
    EXPECT_NEAR(centre->baseline.x() + metrics.horizontalAdvance("Środek") / 2, 2000, 1);
    EXPECT_GT(centre->baseline.y(), page.lines[0].line.y1());
    // The line after <br> keeps the centring; the indent puts "b" at 2000 pixels from the left edge.
    const RecordedText* next = page.Find("dalej");
    EXPECT_NEAR(next->baseline.x() + metrics.horizontalAdvance("dalej") / 2, 2000, 1);
    const RecordedText* b = page.FindExact("b");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->baseline.x(), 2000);
    EndDocument();
}

TEST_F(RendererTest, HeightsOfEmptyTagOnlyAndMultiLineTexts)
{
    Start(96);
    const Canvas& canvas = JobCanvas();
    const PixelRect rect{0, 0, 500, 5000};
    const int one = RichTextRenderer::Measure(canvas, "x", rect).height;
    EXPECT_GT(one, 0);
    EXPECT_EQ(RichTextRenderer::Measure(canvas, "", rect).height, one);             // a blank line
    EXPECT_EQ(RichTextRenderer::Measure(canvas, "<b><newpage></b>", rect).height, 0); // tags only
    EXPECT_EQ(RichTextRenderer::Measure(canvas, "x<br>", rect).height, one);        // a trailing break adds nothing
    EXPECT_EQ(RichTextRenderer::Measure(canvas, "x<br><br>y", rect).height, 3 * one);
    EXPECT_EQ(RichTextRenderer::Measure(canvas, "x\ny", rect).height, 2 * one);
    EXPECT_EQ(RichTextRenderer::Measure(canvas, "<br>", rect).height, one);
    EndDocument();
}

TEST(RichTextColours, NamesAndHexadecimal)
{
    EXPECT_EQ(ParseMarkupColor("clRed"), QColor(255, 0, 0));
    EXPECT_EQ(ParseMarkupColor("CLNAVY"), QColor(0, 0, 128));
    EXPECT_EQ(ParseMarkupColor("#0A8000"), QColor(10, 128, 0));
    EXPECT_FALSE(ParseMarkupColor("#12").isValid());
    EXPECT_FALSE(ParseMarkupColor("clNoSuchColour").isValid());
    EXPECT_EQ(DecodeEntities("&lt;b&gt; &amp;lt; &QUOT;"), "<b> &lt; \"");
}
