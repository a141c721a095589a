#include "printing/PageGeometry.h"

#include <algorithm>
#include <cmath>

int RoundEven(double value) { return int(std::nearbyint(value)); }

PageGeometry ComputePageGeometry(const PrinterMetrics& m, const MarginPolicy& policy)
{
    PageGeometry g;
    g.dpiX = m.dpiX;
    g.dpiY = m.dpiY;
    g.offsetX = m.offsetX;
    g.offsetY = m.offsetY;
    g.paperWidth = m.paperWidth;
    g.paperHeight = m.paperHeight;
    g.printableWidth = m.printableWidth;
    g.printableHeight = m.printableHeight;
    g.unprintableLeft = m.offsetX;
    g.unprintableTop = m.offsetY;
    g.unprintableRight = m.paperWidth - m.printableWidth - m.offsetX;
    g.unprintableBottom = m.paperHeight - m.printableHeight - m.offsetY;

    g.marginLeft = g.unprintableLeft;
    g.marginTop = g.unprintableTop;
    g.marginRight = g.unprintableRight;
    g.marginBottom = g.unprintableBottom;
    const auto raise = [](int& margin, int minimum) { margin = std::max(margin, minimum); };
    const auto punchRule = [&] {
        if (policy.punchMargin)
            raise(g.marginLeft, RoundEven(0.8 * m.dpiX));
    };
    if (policy.useMinimums) {
        raise(g.marginTop, g.TenthsToPixelsY(10 * policy.minimums.top));
        raise(g.marginBottom, g.TenthsToPixelsY(10 * policy.minimums.bottom));
        raise(g.marginLeft, g.TenthsToPixelsX(10 * policy.minimums.left));
        punchRule();
        raise(g.marginRight, g.TenthsToPixelsX(10 * policy.minimums.right));
    } else {
        raise(g.marginTop, m.dpiY / 2);
        raise(g.marginBottom, m.dpiY / 2);
        raise(g.marginLeft, m.dpiX / 2);
        raise(g.marginRight, m.dpiX / 2);
        punchRule();
    }

    g.contentLeft = g.marginLeft - g.offsetX;
    g.contentTop = g.marginTop - g.offsetY;
    g.contentRight = g.paperWidth - g.offsetX - g.marginRight;
    g.contentBottom = g.paperHeight - g.offsetY - g.marginBottom;
    g.centreX = (g.contentLeft + g.contentRight) / 2;
    g.centreY = (g.contentTop + g.contentBottom) / 2;
    g.contentWidth = g.contentRight - g.contentLeft;
    g.contentHeight = g.contentBottom - g.contentTop;
    g.content = {g.contentLeft, g.contentTop, g.contentRight, g.contentBottom};
    g.paperLeft = -g.offsetX;
    g.paperTop = -g.offsetY;
    g.paperRight = g.paperWidth - g.offsetX;
    g.paperBottom = g.paperHeight - g.offsetY;
    g.paper = {g.paperLeft, g.paperTop, g.paperRight, g.paperBottom};
    return g;
}

PrinterMetrics PreviewMetrics(const PrinterMetrics& p)
{
    const double fx = RoundEven(96.0 / p.dpiX * 10000) / 10000.0;
    const double fy = RoundEven(96.0 / p.dpiY * 10000) / 10000.0;
    PrinterMetrics m;
    m.dpiX = 96;
    m.dpiY = 96;
    m.offsetX = RoundEven(p.offsetX * fx);
    m.paperWidth = RoundEven(p.paperWidth * fx);
    m.printableWidth = RoundEven(p.printableWidth * fx);
    m.offsetY = RoundEven(p.offsetY * fy);
    m.paperHeight = RoundEven(p.paperHeight * fy);
    m.printableHeight = RoundEven(p.printableHeight * fy);
    return m;
}

PageGeometry& CurrentGeometry()
{
    static PageGeometry geometry = [] {
        PrinterMetrics a4{96, 96, 0, 0, 794, 1123, 794, 1123};
        return ComputePageGeometry(a4, MarginPolicy{});
    }();
    return geometry;
}

int TenthsToPixelsX(int tenths) { return CurrentGeometry().TenthsToPixelsX(tenths); }
int TenthsToPixelsY(int tenths) { return CurrentGeometry().TenthsToPixelsY(tenths); }
int TenthsToPageX(int tenths) { return TenthsToPixelsX(tenths) - CurrentGeometry().offsetX; }
