#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "platform/Errors.h"
#include "printing/MarkupConverter.h"
#include "printing/PageDecorations.h"
#include "printing/RichTextRenderer.h"
#include "printing/TableDocument.h"
#include "text/Money.h"

#include <QStandardItemModel>

namespace {
class TableTest : public PrintingTest {
protected:
    void SetUp() override
    {
        PrintingTest::SetUp();
        printer_ = std::make_unique<RecordingPrinter>(A4Metrics(600));
    }
    // The layout of doc in a job on the recording printer (no drawing kept).
    TableLayout Layout(const TableDocument& doc)
    {
        AnswerPrint();
        EXPECT_TRUE(BeginDocument("t", true, false, true));
        QStringList rows = doc.Rows;
        TableLayout layout;
        try {
            layout = ComputeTableLayout(doc, rows, CurrentGeometry().contentWidth);
        } catch (...) {
            AbandonDocument();
            throw;
        }
        EndDocument();
        return layout;
    }
    int Natural(const QString& cell, int padX)
    {
        QString rich = cell;
        ConvertMarkup(rich, true);
        Canvas canvas = JobCanvas();
        canvas.font = RoleFontOf(FontRole::Text).font;
        return RichTextRenderer::Measure(canvas, rich, CurrentGeometry().content).width + 4 * TenthsToPixelsX(padX);
    }
    std::unique_ptr<RecordingPrinter> printer_;
};

int Sum(const QList<int>& v)
{
    int s = 0;
    for (int x : v)
        s += x;
    return s;
}

QString Repeat(const QString& word, int n) { return QStringList(n, word).join(' '); }
}  // namespace

TEST_F(TableTest, ANarrowTableIsWidenedThroughItsStretchColumnToTheContentWidth)
{
    TableDocument doc;
    doc.Rows = {"Lp.|Nazwa|Kwota", "1|Bilet|12,00 zł", "2"};
    doc.StretchColumn = 1;
    const TableLayout layout = Layout(doc);
    ASSERT_EQ(layout.columns, 3);
    EXPECT_EQ(Sum(layout.widths), CurrentGeometry().contentWidth);
    EXPECT_EQ(layout.widths[0], Natural("Lp.", 5));
    EXPECT_EQ(layout.widths[2], Natural("12,00 zł", 5));
    // Without a stretch column the natural widths stay.
    doc.StretchColumn = -1;
    EXPECT_LT(Sum(Layout(doc).widths), CurrentGeometry().contentWidth);
}

TEST_F(TableTest, OverWideTablesShrinkTheStretchColumnOrAllFreeColumns)
{
    const QString longText = Repeat("delegacja", 120);
    TableDocument doc;
    doc.StretchColumn = 1;
    // Others narrow: only the stretch column gives way.
    doc.Rows = {"a|" + longText + "|b"};
    TableLayout layout = Layout(doc);
    const int w = CurrentGeometry().contentWidth;
    EXPECT_EQ(Sum(layout.widths), w);
    EXPECT_EQ(layout.widths[0], Natural("a", 5));
    EXPECT_EQ(layout.widths[2], Natural("b", 5));
    // Others taking 90 % or more: every column outside the fixed ones shrinks in proportion.
    doc.Rows = {Repeat("kolumna", 60) + "|" + longText + "|" + "stała"};
    doc.FixedColumns = {2};
    layout = Layout(doc);
    EXPECT_EQ(layout.widths[2], Natural("stała", 5));
    EXPECT_LE(Sum(layout.widths), w);
    EXPECT_GE(Sum(layout.widths), w - 2);  // truncation loses at most a pixel per column
    EXPECT_GT(layout.widths[0], 0);
    EXPECT_GT(layout.widths[1], 0);
    // Per-cent columns.
    doc = TableDocument();
    doc.Rows = {"a|b|c"};
    doc.ColumnPercents = {50, 0, 25};
    layout = Layout(doc);
    EXPECT_EQ(layout.widths[0], int(RoundHalfUp(50 * w * 0.01)));
    EXPECT_EQ(layout.widths[2], int(RoundHalfUp(25 * w * 0.01)));
}

TEST_F(TableTest, FixedColumnsWiderThanThePageFailBeforeAnythingIsDrawn)
{
    TableDocument doc;
    doc.TitleBlock = "Tytuł";
    doc.Rows = {Repeat("szeroko", 80) + "|" + Repeat("szeroko", 80)};
    doc.FixedColumns = {0, 1};
    AnswerPrint();
    try {
        PrintTableDocument(doc, "Zbyt szeroka");
        FAIL() << "no error";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Tabela nie daje się wydrukować!\r\nZmniejsz czcionkę albo wydrukuj w poziomie.");
    }
    EXPECT_FALSE(JobPrinted());
    EXPECT_FALSE(JobActive());  // the job was ended at once: the next print is not refused as busy
    EXPECT_EQ(printer_->Page(0).Find("Tytuł"), nullptr);
}

TEST_F(TableTest, RowsBreakOntoNewPagesWithContinuationMarkAndNumbers)
{
    TableDocument doc;
    doc.HeaderRowInCaptionFont = true;
    doc.TitleBlock = "<titlefont>Lista delegacji";
    doc.Rows << "Lp.|Osoba|Cel";
    for (int i = 1; i <= 120; ++i)
        doc.Rows << QString("%1|Jan Kowalski|Łódź").arg(i);
    doc.Rows << "suma";  // fewer cells than the others
    doc.StretchColumn = 2;
    doc.ClosingNote = "Koniec";
    AnswerPrint();
    PrintTableDocument(doc, "Lista");
    EXPECT_TRUE(JobPrinted());
    const int pages = printer_->PageCount();
    ASSERT_GE(pages, 3);
    const PageGeometry& g = CurrentGeometry();
    const RecordedText* more = printer_->Page(0).Find(">>");
    ASSERT_NE(more, nullptr);
    EXPECT_EQ(more->baseline.x(), g.contentRight);
    EXPECT_EQ(printer_->Page(1).Find(">>"), nullptr);  // only the first page
    for (int p = 1; p < pages; ++p) {
        const RecordedText* n = printer_->Page(p).FindExact(QString::number(p + 1));
        ASSERT_NE(n, nullptr);
        EXPECT_GT(n->baseline.y(), g.contentBottom);
        EXPECT_EQ(printer_->Page(p).Find("Osoba"), nullptr);  // the heading is not repeated
        EXPECT_NE(printer_->Page(p).Find(IdentificationText()), nullptr);
    }
    EXPECT_TRUE(printer_->Page(0).Find("Osoba")->font.italic());  // caption role
    EXPECT_NE(printer_->Page(pages - 1).Find("Koniec"), nullptr);
    // Every row's cells stay above the content bottom.
    int rowsSeen = 0;
    for (int p = 0; p < pages; ++p)
        for (const RecordedText& t : printer_->Page(p).texts)
            if (t.text == "Jan Kowalski") {
                ++rowsSeen;
                EXPECT_LT(t.baseline.y(), g.contentBottom);
            }
    EXPECT_EQ(rowsSeen, 120);
}

TEST_F(TableTest, BordersSkipTheInnerLinesAroundNoBorderCells)
{
    const auto linesOf = [&](const TableDocument& doc) {
        AnswerPrint();
        PrintTableDocument(doc, "Ramki");
        QList<QLineF> lines;
        for (const RecordedLine& l : printer_->Page(0).lines)
            if (l.style == Qt::SolidLine && l.line.x1() >= CurrentGeometry().contentLeft)
                lines << l.line;
        return lines;
    };
    TableDocument doc;
    for (int r = 0; r < 3; ++r)
        doc.Rows << "a|b|c";
    const QList<QLineF> all = linesOf(doc);
    EXPECT_EQ(all.size(), 3 * 3 * 4);  // every cell draws its four edges
    doc.NoBorderCells = {{1, 1}};
    const QList<QLineF> fewer = linesOf(doc);
    EXPECT_EQ(fewer.size(), all.size() - 4);
    // The outer frame stays: a cell at the corner keeps its outer edges.
    doc.NoBorderCells = {{0, 0}};
    EXPECT_EQ(linesOf(doc).size(), all.size() - 2);
}

TEST_F(TableTest, TwoCopiesOnOneSheetStartBelowTheCentreOrOnANewPage)
{
    TableDocument slip;
    slip.TitleBlock = "KP";
    slip.Rows = {"Kwota|100,00 zł"};
    AnswerPrint();
    PrintTwoTableDocuments(slip, slip, "KP", true);
    const PageGeometry& g = CurrentGeometry();
    ASSERT_EQ(printer_->PageCount(), 1);
    QList<const RecordedText*> titles;
    for (const RecordedText& t : printer_->Page(0).texts)
        if (t.text == "KP")
            titles << &t;
    ASSERT_EQ(titles.size(), 2);
    const int centre = (g.contentTop + g.contentBottom) / 2;
    EXPECT_GT(titles[1]->baseline.y(), centre + g.contentTop);
    bool cutLine = false;
    for (const RecordedLine& l : printer_->Page(0).lines)
        cutLine = cutLine || (l.line.y1() == centre && l.line.x1() == 0 && l.line.x2() == g.paperWidth);
    EXPECT_TRUE(cutLine);

    TableDocument tall = slip;
    for (int i = 0; i < 40; ++i)
        tall.Rows << "pozycja|1,00 zł";
    AnswerPrint();
    PrintTwoTableDocuments(tall, slip, "KP", false);
    EXPECT_EQ(printer_->PageCount(), 2);
}

TEST(GridToRows, JoinsCellsWithBarsKeepingEmptyCells)
{
    QStringList rows;
    GridToRows({{"", "Jan", "Łódź"}, {"1", "", ""}}, rows);
    EXPECT_EQ(rows, QStringList({"|Jan|Łódź", "1||"}));
    QStandardItemModel model(1, 2);
    model.setHorizontalHeaderLabels({"Lp.", "Osoba"});
    model.setItem(0, 1, new QStandardItem("Anna"));
    rows.clear();
    GridToRows(model, rows);
    EXPECT_EQ(rows, QStringList({"Lp.|Osoba", "|Anna"}));
}
