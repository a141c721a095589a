#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "ScriptedDialogs.h"
#include "TestRoot.h"
#include "platform/Clock.h"
#include "platform/Errors.h"
#include "printing/MarkupPrinter.h"
#include "printing/PreviewDocument.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

namespace {
// Runs a preview job of markup and hands the preview document to check.
void WithPreview(const QString& markup, const std::function<void(PreviewDocument&)>& check)
{
    RecordingPrinter printer(A4Metrics(600));
    SetPreviewPresenter([&](PreviewDocument& doc) { check(doc); });
    AnswerPreview();
    PrintMarkupText("Podgląd", markup, nullptr, true);
    SetPreviewPresenter(nullptr);
}
}  // namespace

TEST_F(PrintingTest, PreviewIndicatorAndArrowTextsFollowTheCurrentPage)
{
    bool checked = false;
    WithPreview("jedna strona", [&](PreviewDocument& doc) {
        EXPECT_EQ(doc.IndicatorText(), "  strona 1 z 1  ");
        EXPECT_EQ(doc.PreviousText(), " ");
        EXPECT_EQ(doc.NextText(), " ");
        checked = true;
    });
    EXPECT_TRUE(checked);
    WithPreview("1\r\n<newpage>\r\n2\r\n<newpage>\r\n3", [&](PreviewDocument& doc) {
        ASSERT_EQ(doc.PageCount(), 3);
        EXPECT_EQ(doc.NextText(), " > 2    ");
        doc.NextPage();
        EXPECT_EQ(doc.IndicatorText(), "  strona 2 z 3  ");
        EXPECT_EQ(doc.PreviousText(), "    1 < ");
        EXPECT_EQ(doc.NextText(), " > 3    ");
        doc.NextPage();
        doc.NextPage();  // no wrap-around
        EXPECT_EQ(doc.CurrentPageNumber(), 3);
        doc.PreviousPage();
        EXPECT_EQ(doc.CurrentPageNumber(), 2);
        EXPECT_THROW(doc.SetCurrentPage(4), ZunError);
        // The page is the A4 sheet at 96 dpi.
        EXPECT_EQ(doc.PageSize(), QSize(794, 1123));
    });
}

TEST_F(PrintingTest, PreviewZoomSavingAndThePrintQuestion)
{
    EXPECT_EQ(PreviewDocument::ZoomItems().first(), "10%");
    EXPECT_EQ(PreviewDocument::ZoomItems().size(), 12);
    EXPECT_EQ(PreviewDocument::ZoomedSize(QSize(794, 1123), 35), QSize(278, 393));
    EXPECT_EQ(PreviewDocument::ZoomedSize(QSize(794, 1123), 150), QSize(1191, 1684));
    QTemporaryDir dir;
    WithPreview("<titlefont>Zażółć gęślą jaźń", [&](PreviewDocument& doc) {
        ASSERT_TRUE(doc.SaveVector(dir.filePath("strona.svg")));
        ASSERT_TRUE(doc.SaveBitmap(dir.filePath("strona.bmp"), doc.PageSize()));
    });
    QFile svg(dir.filePath("strona.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains("Zażółć"));
    QImage bmp(dir.filePath("strona.bmp"));
    EXPECT_EQ(bmp.size(), QSize(794, 1123));
    EXPECT_LE(bmp.colorCount(), 16);
    // Some pixels of the title are dark.
    bool dark = false;
    for (int y = 80; y < 160 && !dark; ++y)
        for (int x = 80; x < 400 && !dark; ++x)
            dark = qGray(bmp.pixel(x, y)) < 100;
    EXPECT_TRUE(dark);

    // The question's remembered answer lapses every 50 days.
    EXPECT_EQ(PreviewDocument::RememberedAnswerKey(), QString::number(TodayNumber() / 50) + "_drukzpodgladu");
    Script().No();
    EXPECT_FALSE(PreviewDocument::ConfirmPrintFromPreview());
    EXPECT_TRUE(Script().LastText().startsWith("<b>Z uwagi na ograniczenia metaplików"));
    EXPECT_EQ(Script().History().last().warning.key, PreviewDocument::RememberedAnswerKey());
}
