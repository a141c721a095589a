#include "PrintingFixture.h"
#include "RecordingTarget.h"

#include "printing/PageGeometry.h"
#include "text/Money.h"

namespace {
struct MarginCase {
    const char* name;
    int dpi;
    int unprintableTenths;
    MarginPolicy policy;
    int left, top, right, bottom;  // expected margins in tenths of a millimetre from the paper edges
};

int Px(int tenths, int dpi) { return RoundEven(tenths * dpi / 254.0); }
}  // namespace

TEST(PageGeometry, MarginsFollowTheMinimumsThePunchRuleAndTheUnprintableArea)
{
    const MarginPolicy userMargins{true, true, {25, 15, 25, 15}};
    const MarginPolicy noMargins{false, true, {0, 0, 0, 0}};
    const MarginCase cases[] = {
        {"default settings at 600 dpi", 600, 42, userMargins, 250, 250, 150, 150},
        {"default settings at 96 dpi", 96, 42, userMargins, 250, 250, 150, 150},
        // A wide unprintable area wins over small minimums.
        {"unprintable area wins", 600, 42, noMargins, 42, 42, 42, 42},
    };
    for (const MarginCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PageGeometry g = ComputePageGeometry(A4Metrics(c.dpi, c.unprintableTenths), c.policy);
        EXPECT_EQ(g.marginLeft, Px(c.left, c.dpi));
        EXPECT_EQ(g.marginTop, Px(c.top, c.dpi));
        EXPECT_EQ(g.marginRight, Px(c.right, c.dpi));
        EXPECT_EQ(g.marginBottom, Px(c.bottom, c.dpi));
    }
}

TEST(PageGeometry, WithoutUserMarginsHalfAnInchAndPunchMarginOfPointEightInch)
{
    for (const int dpi : {96, 300, 600}) {
        const PageGeometry g = ComputePageGeometry(A4Metrics(dpi, 40), MarginPolicy{true, false, {}});
        EXPECT_EQ(g.marginLeft, RoundEven(0.8 * dpi));
        EXPECT_EQ(g.marginTop, dpi / 2);
        EXPECT_EQ(g.marginRight, dpi / 2);
        EXPECT_EQ(g.marginBottom, dpi / 2);
        const PageGeometry noPunch = ComputePageGeometry(A4Metrics(dpi, 40), MarginPolicy{false, false, {}});
        EXPECT_EQ(noPunch.marginLeft, dpi / 2);
    }
}

TEST(PageGeometry, ContentAndPaperRectanglesAreInPrintableAreaCoordinates)
{
    const PrinterMetrics m = A4Metrics(600, 42);
    const PageGeometry g = ComputePageGeometry(m, MarginPolicy{true, true, {25, 15, 25, 15}});
    // 25 mm from the paper's top and left edges, 15 mm from its right and bottom edges.
    EXPECT_EQ(g.contentLeft + m.offsetX, Px(250, 600));
    EXPECT_EQ(g.contentTop + m.offsetY, Px(250, 600));
    EXPECT_EQ(m.paperWidth - (g.contentRight + m.offsetX), Px(150, 600));
    EXPECT_EQ(m.paperHeight - (g.contentBottom + m.offsetY), Px(150, 600));
    EXPECT_EQ(g.paper, (PixelRect{-m.offsetX, -m.offsetY, m.paperWidth - m.offsetX, m.paperHeight - m.offsetY}));
    EXPECT_EQ(g.contentWidth, g.contentRight - g.contentLeft);
    EXPECT_EQ(g.centreX, (g.contentLeft + g.contentRight) / 2);
    EXPECT_EQ(g.unprintableRight, m.paperWidth - m.printableWidth - m.offsetX);
}

TEST(PageGeometry, PreviewPageIsThePaperAt96DpiWithTheSameMillimetreMargins)
{
    const PrinterMetrics printer = A4Metrics(600, 42);
    const PrinterMetrics preview = PreviewMetrics(printer);
    EXPECT_EQ(preview.dpiX, 96);
    EXPECT_EQ(preview.paperWidth, RoundEven(printer.paperWidth * 0.16));
    EXPECT_EQ(preview.offsetY, RoundEven(printer.offsetY * 0.16));
    const PageGeometry g = ComputePageGeometry(preview, MarginPolicy{true, true, {25, 15, 25, 15}});
    EXPECT_EQ(g.marginLeft, Px(250, 96));
    EXPECT_EQ(g.marginBottom, Px(150, 96));
    // 300 dpi: 96/300 = 0.32 exactly; 360 dpi: the factor is kept to four decimals (0.2667).
    EXPECT_EQ(PreviewMetrics(A4Metrics(360)).paperWidth, RoundEven(A4Metrics(360).paperWidth * 0.2667));
}

TEST(PageGeometry, TenthsRoundHalfToEven)
{
    PageGeometry g;
    g.dpiX = g.dpiY = 127;  // one tenth of a millimetre is exactly half a pixel
    EXPECT_EQ(g.TenthsToPixelsX(1), 0);
    EXPECT_EQ(g.TenthsToPixelsX(3), 2);
    EXPECT_EQ(g.TenthsToPixelsX(5), 2);
    EXPECT_EQ(g.TenthsToPixelsY(7), 4);
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
}
