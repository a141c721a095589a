#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "ScriptedDialogs.h"
#include "printing/MarkupPrinter.h"
#include "printing/TextPrimitives.h"
#include "printing/MarkupConverter.h"
#include "printing/RichTextRenderer.h"

#include <QFontMetricsF>

namespace {
class PrimitivesTest : public PrintingTest {
protected:
    void SetUp() override
    {
        PrintingTest::SetUp();
        printer_ = std::make_unique<RecordingPrinter>(A4Metrics(600));
        AnswerPrint();
        ASSERT_TRUE(BeginDocument("Formularz", false, false, false));
    }
    void TearDown() override
    {
        EndDocument();
        PrintingTest::TearDown();
    }
    const RecordedPage& Page() { return printer_->Page(0); }
    std::unique_ptr<RecordingPrinter> printer_;
};
}  // namespace

TEST_F(PrimitivesTest, TextBoxesAlignByTheClassicFlags)
{
    const QFontMetricsF metrics(JobCanvas().font, JobCanvas().Device());
    QSize size;
    int y = -1;
    DrawTextBox(&y, 1000, 2000, size, nullptr, DT_RIGHT | DT_SINGLELINE, "Kwota", 3000);  // 34
    const RecordedText* right = Page().FindExact("Kwota");
    ASSERT_NE(right, nullptr);
    EXPECT_NEAR(right->baseline.x() + metrics.horizontalAdvance("Kwota"), 3000, 1);
    EXPECT_NEAR(right->baseline.y(), 2000 + metrics.ascent(), 1);
    EXPECT_NEAR(size.width(), metrics.horizontalAdvance("Kwota"), 1);
    EXPECT_EQ(y, size.height());
    EXPECT_GT(y, 0);

    DrawTextBox(nullptr, 1000, 4000, size, nullptr, DT_BOTTOM | DT_SINGLELINE | DT_CENTER, "Dół", 3000);  // 41
    const RecordedText* bottom = Page().FindExact("Dół");
    EXPECT_NEAR(bottom->baseline.y() + metrics.descent(), 4000, 1);  // the text's bottom lies at top
    EXPECT_NEAR(bottom->baseline.x() + metrics.horizontalAdvance("Dół") / 2, 2000, 1);

    // Measuring only draws nothing; an empty text is a space in the free box and "-" in the fixed one.
    const int before = int(Page().texts.size());
    DrawTextBox(nullptr, 0, 0, size, nullptr, DT_CALCRECT | DT_WORDBREAK, "tylko pomiar", 100000);
    EXPECT_EQ(Page().texts.size(), before);
    EXPECT_NEAR(size.width(), metrics.horizontalAdvance("tylko pomiar"), 1);
    DrawTextBoxFixed(nullptr, 5000, 100, size, nullptr, DT_LEFT, "", 6000, 400);
    EXPECT_NE(Page().FindExact("-"), nullptr);
    EXPECT_EQ(QtTextFlags(DT_CENTER | DT_VCENTER | DT_SINGLELINE),
              int(Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine));
}

TEST_F(PrimitivesTest, VerticalTextAndTextLines)
{
    QFont font = JobCanvas().font;
    const QFont before = font;
    DrawVerticalText(500, 100, 700, 3000, nullptr, 20, "pionowo");
    const RecordedText* v = Page().FindExact("pionowo");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->font.pointSize(), 20);
    // Reading upwards from (left, bottom): the baseline runs up at x right of left.
    EXPECT_LT(v->baseline.y(), 3001);
    EXPECT_GT(v->baseline.x(), 500);
    EXPECT_EQ(JobCanvas().font, before);  // the canvas state is restored

    const QFontMetricsF metrics(JobCanvas().font, JobCanvas().Device());
    const int height = DrawTextLine(200, 300, "linia");
    EXPECT_NEAR(height, metrics.height() + metrics.leading(), 1);
    EXPECT_NEAR(Page().FindExact("linia")->baseline.y(), 300 + metrics.ascent(), 1);
}

TEST_F(PrimitivesTest, TwoColumnBlockCentredOnTheLeftBlock)
{
    const PageGeometry& g = CurrentGeometry();
    int y = 1000;
    DrawTwoColumnBlock(&y, "a<br>b<br>c", "środek", false, true, 0, 0, nullptr, 50, g.content);
    const RecordedText* centre = Page().FindExact("środek");
    ASSERT_NE(centre, nullptr);
    const QFontMetricsF metrics(JobCanvas().font, JobCanvas().Device());
    const int split = g.contentLeft + RoundEven(g.contentWidth * 0.5);
    EXPECT_NEAR(centre->baseline.x() + metrics.horizontalAdvance("środek") / 2, (split + g.contentRight) / 2, 1);
    const int line = RichTextRenderer::Measure(JobCanvas(), "a", g.content).height;
    EXPECT_EQ(y, 1000 + 3 * line);
}

TEST_F(PrintingTest, InvoiceJobsUseTheInvoiceMarginsAndFonts)
{
    RecordingPrinter printer(A4Metrics(300));
    CurrentPrintSettings().invoiceMarginLeft = 40;
    CurrentPrintSettings().invoiceMarginTop = 10;
    AnswerPrint();
    ASSERT_TRUE(BeginDocument("Faktura", false, true, false));
    EXPECT_TRUE(InvoiceMode());
    EXPECT_EQ(CurrentGeometry().marginLeft, TenthsToPixelsX(400));
    EXPECT_EQ(CurrentGeometry().marginTop, TenthsToPixelsY(100));
    EXPECT_EQ(JobCanvas().font.pointSize(), RoleFontOf(FontRole::FakturaText).font.pointSize());
    QString text = "<opisfont>x";
    ConvertMarkup(text, true);
    EXPECT_TRUE(text.contains(QString("size=\"%1\"").arg(RoleFontOf(FontRole::FakturaOpis).font.pointSize())));
    EndDocument();
}

TEST_F(PrintingTest, BatchPrintingAsksOnceAndPrintsTheRestStraightAway)
{
    RecordingPrinter printer(A4Metrics(300));
    AnswerPrint();
    PrintMarkupText("pierwszy", "1", nullptr, true);
    SetBatchPrinting(true);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(PrintMarkupText("kolejny", "2", nullptr, true));
    SetBatchPrinting(false);
    int questions = 0;
    for (const auto& shown : Script().History())
        questions += shown.kind == "printer";
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(Script().History().first().printer.documentTitle, "pierwszy");
}
