#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "ScriptedDialogs.h"
#include "platform/Errors.h"
#include "printing/MarkupPrinter.h"
#include "printing/PageDecorations.h"
#include "printing/PreviewDocument.h"
#include "printing/RichTextRenderer.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {
class MarkupPrinterTest : public PrintingTest {
protected:
    // Prints markup on a recording printer of this resolution, answering "print".
    bool Print(const QString& markup, int dpi = 600)
    {
        printer_.reset();
        printer_ = std::make_unique<RecordingPrinter>(A4Metrics(dpi));
        AnswerPrint();
        return PrintMarkupText("Dokument", markup, nullptr, true);
    }
    RecordingPrinter& Printer() { return *printer_; }
    std::unique_ptr<RecordingPrinter> printer_;
};

QString Lines(int count, const QString& prefix = "Wiersz")
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << prefix + " " + QString::number(i);
    return lines.join("\r\n");
}

int CountExact(const RecordedPage& page, const QString& text)
{
    int n = 0;
    for (const RecordedText& t : page.texts)
        n += t.text == text;
    return n;
}
}  // namespace

TEST_F(MarkupPrinterTest, EmptyTextGivesOnePageWithPunchMarksAndIdentificationLine)
{
    EXPECT_TRUE(Print(""));
    ASSERT_EQ(Printer().PageCount(), 1);
    const RecordedPage& page = Printer().Page(0);
    EXPECT_EQ(page.ellipses.size(), 2);
    EXPECT_EQ(page.lines.size(), 3);  // the folding marks
    const RecordedText* id = page.Find(IdentificationText());
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->font.pointSize(), 4);
    EXPECT_GT(id->baseline.y(), CurrentGeometry().contentBottom + TenthsToPixelsY(50));
    EXPECT_TRUE(JobPrinted());
    EXPECT_FALSE(PreviewMode());
}

TEST_F(MarkupPrinterTest, PunchMarksSitTwelveMillimetresFromThePaperEdgeAroundTheCentre)
{
    Print("x", 600);
    const PageGeometry& g = CurrentGeometry();
    const RecordedPage& page = Printer().Page(0);
    ASSERT_EQ(page.ellipses.size(), 2);
    const int cx = TenthsToPageX(120);
    const int cy = (g.paper.top + g.paper.bottom) / 2;
    const int y1 = cy - TenthsToPixelsY(400);
    EXPECT_EQ(page.ellipses[0].left(), cx - TenthsToPixelsX(20));
    EXPECT_EQ(page.ellipses[0].top(), y1 - TenthsToPixelsY(20));
    EXPECT_EQ(page.ellipses[1].top(), y1 + TenthsToPixelsY(810) - TenthsToPixelsY(20));
    EXPECT_EQ(page.lines[0].line.x1(), g.paper.left + TenthsToPixelsX(40));
    EXPECT_EQ(page.lines[0].line.y1(), cy);

    // Punch holes off in the settings: no marks even though the job asks for a punch margin.
    CurrentPrintSettings().punchHoles = false;
    Print("x", 600);
    EXPECT_TRUE(Printer().Page(0).ellipses.isEmpty());
}

TEST_F(MarkupPrinterTest, LongTextsBreakPagesAndNumberThemFromTheSecond)
{
    for (const int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        ASSERT_TRUE(Print(Lines(150), dpi));
        ASSERT_GE(Printer().PageCount(), 3);
        const PageGeometry& g = CurrentGeometry();
        int printed = 0;
        for (int p = 0; p < Printer().PageCount(); ++p) {
            const RecordedPage& page = Printer().Page(p);
            for (const RecordedText& t : page.texts) {
                if (t.text.startsWith("Wiersz")) {
                    ++printed;
                    EXPECT_LE(t.baseline.y(), g.contentBottom);
                    EXPECT_GE(t.baseline.y(), g.contentTop);
                }
            }
            const QString number = QString::number(p + 1);
            const RecordedText* n = page.FindExact(number);
            if (p == 0) {
                EXPECT_EQ(n, nullptr);
            } else {
                ASSERT_NE(n, nullptr);
                EXPECT_EQ(CountExact(page, number), 1);
                EXPECT_EQ(n->baseline.x(), g.contentRight);
                EXPECT_GT(n->baseline.y(), g.contentBottom);
            }
        }
        EXPECT_EQ(printed, 150);
        // Each page starts at the content top with the line that did not fit on the previous one.
        const RecordedText* first = Printer().Page(1).Find("Wiersz");
        const QFontMetricsF metrics(first->font, MeasuringDevice(dpi));
        EXPECT_NEAR(first->baseline.y(), g.contentTop + metrics.ascent(), 1);
    }
}

TEST_F(MarkupPrinterTest, NewPageOnItsOwnLineBreaksButASecondInlineOneDoesNot)
{
    ASSERT_TRUE(Print("a<newpage>b<newpage>c"));
    ASSERT_EQ(Printer().PageCount(), 2);
    EXPECT_NE(Printer().Page(0).FindExact("a"), nullptr);
    EXPECT_NE(Printer().Page(1).Find("b"), nullptr);
    EXPECT_NE(Printer().Page(1).Find("c"), nullptr);
}

TEST_F(MarkupPrinterTest, HalfPageMovesToTheCentreDrawsADashedLineAndGoesOnOneMillimetreLower)
{
    // Even when the text has already passed the centre.
    for (const int before : {2, 40}) {
        ASSERT_TRUE(Print(Lines(before) + "<halfpage>po"));
        const PageGeometry& g = CurrentGeometry();
        const RecordedPage& page = Printer().Page(0);
        const RecordedLine* dashed = nullptr;
        for (const RecordedLine& l : page.lines)
            if (l.style == Qt::DashLine)
                dashed = &l;
        ASSERT_NE(dashed, nullptr);
        EXPECT_EQ(dashed->line.y1(), g.centreY);
        const RecordedText* after = page.Find("po");
        ASSERT_NE(after, nullptr);
        EXPECT_NEAR(after->baseline.y(),
                    g.centreY + TenthsToPixelsY(10) + QFontMetricsF(after->font, MeasuringDevice(600)).ascent(), 1);
    }
}

TEST_F(MarkupPrinterTest, AlignmentStaysUntilALeftLine)
{
    ASSERT_TRUE(Print("<right>r1\r\nr2\r\n<left>l1\r\nl2\r\n<center>c1\r\nc2"));
    const PageGeometry& g = CurrentGeometry();
    const RecordedPage& page = Printer().Page(0);
    const auto rightEdge = [&](const char* text) {
        const RecordedText* t = page.FindExact(text);
        return t->baseline.x() + QFontMetricsF(t->font, MeasuringDevice(600)).horizontalAdvance(text);
    };
    EXPECT_NEAR(rightEdge("r1"), g.contentRight, 1);
    EXPECT_NEAR(rightEdge("r2"), g.contentRight, 1);
    EXPECT_EQ(page.FindExact("l1")->baseline.x(), g.contentLeft);
    EXPECT_EQ(page.FindExact("l2")->baseline.x(), g.contentLeft);
    const RecordedText* c2 = page.FindExact("c2");
    EXPECT_NEAR(c2->baseline.x() + (rightEdge("c2") - c2->baseline.x()) / 2, (g.contentLeft + g.contentRight) / 2.0, 1);
}

TEST_F(MarkupPrinterTest, ALineTallerThanTheRestOfThePageGoesToANewPageInFull)
{
    const QString big = "<font size=\"700\">W</font>";
    ASSERT_TRUE(Print(Lines(3) + "\r\n" + big + "\r\n" + big));
    ASSERT_EQ(Printer().PageCount(), 3);
    EXPECT_NE(Printer().Page(1).FindExact("W"), nullptr);
    EXPECT_NE(Printer().Page(2).FindExact("W"), nullptr);
}

TEST_F(MarkupPrinterTest, StartYContinuesInTheCallersJobAndLeavesItOpen)
{
    printer_ = std::make_unique<RecordingPrinter>(A4Metrics(300));
    AnswerPrint();
    ASSERT_TRUE(BeginDocument("Razem", false, false, true));
    EXPECT_TRUE(PrintMarkupText("", "dalszy ciąg", nullptr, false, 1000));
    EXPECT_TRUE(JobActive());
    const RecordedText* t = Printer().Page(0).Find("dalszy");
    ASSERT_NE(t, nullptr);
    EXPECT_GT(t->baseline.y(), 1000);
    EXPECT_LT(t->baseline.y(), 1100);
    EndDocument();
}

TEST_F(MarkupPrinterTest, CancelledDialogRaisesTheAbortErrorAndPrintsNothing)
{
    Script().Answer(ScriptedDialogs::Cancel{});
    try {
        PrintMarkupText("Dokument", "x", nullptr, true);
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Przerwano drukowanie.");
    }
    EXPECT_FALSE(JobPrinted());
    EXPECT_FALSE(JobActive());
}

TEST_F(MarkupPrinterTest, AJobLeftOpenMakesTheNextBeginReportABusyPrinter)
{
    printer_ = std::make_unique<RecordingPrinter>(A4Metrics(300));
    AnswerPrint();
    ASSERT_TRUE(BeginDocument("pierwszy", false, false, true));
    try {
        BeginDocument("drugi", false, false, true);
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Drukarka twierdzi, że już drukuje.\r\nPrawdopodobnie jest jakiś problem ze sterownikiem "
                            "drukarki. Gdy uruchomisz program ponownie, powinno być wszystko ok.");
    }
    // The open job was ended; the next one starts normally.
    EXPECT_FALSE(JobActive());
    EXPECT_TRUE(Printer().Last().finished);
    AnswerPrint();
    EXPECT_TRUE(BeginDocument("trzeci", false, false, true));
    EndDocument();
}

TEST_F(MarkupPrinterTest, PreviewReturnsFalseUnlessPrintedFromIt)
{
    printer_ = std::make_unique<RecordingPrinter>(A4Metrics(600));
    QTemporaryDir dir;
    int shown = 0;
    bool printFromPreview = false;
    SetPreviewPresenter([&](PreviewDocument& doc) {
        ++shown;
        EXPECT_EQ(doc.PageCount(), 2);
        EXPECT_EQ(doc.IndicatorText(), "  strona 1 z 2  ");
        if (printFromPreview) {
            QPdfWriter writer(dir.filePath("z-podgladu.pdf"));
            EXPECT_TRUE(doc.PrintTo(writer));
        }
    });
    AnswerPreview();
    EXPECT_FALSE(PrintMarkupText("Dokument", "a<newpage>b", nullptr, true));
    EXPECT_TRUE(PreviewMode());
    EXPECT_FALSE(JobPrinted());
    printFromPreview = true;
    AnswerPreview();
    EXPECT_TRUE(PrintMarkupText("Dokument", "a<newpage>b", nullptr, true));
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(QFile::exists(dir.filePath("z-podgladu.pdf")));
    // The preview pages use the printer's millimetre margins at 96 dpi.
    EXPECT_EQ(CurrentGeometry().dpiX, 96);
    EXPECT_EQ(CurrentGeometry().marginLeft, TenthsToPixelsX(250));
}

TEST_F(MarkupPrinterTest, BlocksTwoColumnsAndRules)
{
    printer_ = std::make_unique<RecordingPrinter>(A4Metrics(600));
    AnswerPrint();
    ASSERT_TRUE(BeginDocument("Bloki", false, false, true));
    const PageGeometry& g = CurrentGeometry();
    int y = g.contentTop;
    const int h = DrawMarkupBlockAt(&y, "<center>Tytuł", g.content, 0, 0, nullptr);
    EXPECT_EQ(y, g.contentTop + h);
    const int right = DrawMarkupBlock("prawy", g.content, nullptr, 2, 0);
    EXPECT_GT(right, 0);
    int y2 = 1000;
    DrawTwoColumnBlock(&y2, "lewy<br>lewy<br>lewy", "prawa kolumna", true, false, 0, 0, nullptr, 90, g.content);
    const RecordedPage& page = Printer().Page(0);
    const int split = g.contentLeft + RoundEven(g.contentWidth * 0.8);  // clamped to 80 %
    const RecordedText* p = page.Find("prawa");
    ASSERT_NE(p, nullptr);
    EXPECT_NEAR(p->baseline.x() + QFontMetricsF(p->font, MeasuringDevice(600)).horizontalAdvance("prawa kolumna"),
                g.contentRight, 1);
    EXPECT_GE(p->baseline.x(), split);
    EXPECT_EQ(y2 - 1000, 3 * RichTextRenderer::Measure(JobCanvas(), "lewy", g.content).height);
    int y3 = 2000;
    DrawRule(&y3, 100, 5, 3, 900, 10, y3);
    EXPECT_EQ(y3, 2000 + TenthsToPixelsY(5) + TenthsToPixelsY(10));
    const RecordedLine& rule = page.lines.last();
    EXPECT_EQ(rule.line, QLineF(100, 2000, 900, 2000));
    EXPECT_EQ(rule.width, 3);
    EXPECT_EQ(JobCanvas().pen.width(), 1);
    EndDocument();
}
