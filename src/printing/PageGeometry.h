#pragma once
#include <QRect>

// Page geometry of the print job. Callers give lengths in tenths of a millimetre; the engine draws in
// device pixels whose origin is the top-left corner of the printable area (not of the paper).

// Rounding of the engine: to the nearest integer, halves to the even neighbour.
int RoundEven(double value);

// A rectangle in device pixels given by its four edges (right and bottom are edges, not last pixels).
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    int CentreX() const { return (left + right) / 2; }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const PixelRect&) const = default;
};

// What a target device reports about itself, in its own pixels.
struct PrinterMetrics {
    int dpiX = 600;
    int dpiY = 600;
    int offsetX = 0;        // the printable area's corner on the paper
    int offsetY = 0;
    int paperWidth = 0;
    int paperHeight = 0;
    int printableWidth = 0;
    int printableHeight = 0;
};

// The minimum margins a job asks for, in whole millimetres (used with useUserMargins or invoiceMode).
struct MarginMinimums {
    int top = 25;
    int bottom = 15;
    int left = 25;
    int right = 15;
};

struct PageGeometry {
    int dpiX = 96, dpiY = 96;
    int offsetX = 0, offsetY = 0;
    int paperWidth = 0, paperHeight = 0;
    int printableWidth = 0, printableHeight = 0;
    int unprintableLeft = 0, unprintableTop = 0, unprintableRight = 0, unprintableBottom = 0;
    int marginLeft = 0, marginTop = 0, marginRight = 0, marginBottom = 0;  // from the paper edges
    PixelRect content;  // where documents are laid out, in drawing coordinates
    PixelRect paper;    // the whole sheet in drawing coordinates
    int contentLeft = 0, contentTop = 0, contentRight = 0, contentBottom = 0;
    int centreX = 0, centreY = 0;
    int contentWidth = 0, contentHeight = 0;
    int paperLeft = 0, paperTop = 0, paperRight = 0, paperBottom = 0;

    int TenthsToPixelsX(int tenths) const { return RoundEven(tenths * double(dpiX) / 254.0); }
    int TenthsToPixelsY(int tenths) const { return RoundEven(tenths * double(dpiY) / 254.0); }
};

// How the margins of one job are chosen.
struct MarginPolicy {
    bool punchMargin = true;
    bool useMinimums = false;       // the user's (or the invoice) margins
    MarginMinimums minimums;        // with useMinimums
};

// Unprintable margins, margins raised to their minimums, content and paper rectangles.
PageGeometry ComputePageGeometry(const PrinterMetrics& metrics, const MarginPolicy& policy);
// The same sheet as a 96 dpi vector page (the preview): sizes scaled by factors kept to four decimals.
PrinterMetrics PreviewMetrics(const PrinterMetrics& printer);

// The geometry of the current (or last) job; every Tenths* conversion uses it.
PageGeometry& CurrentGeometry();
int TenthsToPixelsX(int tenths);
int TenthsToPixelsY(int tenths);
int TenthsToPageX(int tenths);  // a distance from the paper's left edge as a drawing x
