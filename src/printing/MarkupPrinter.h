#pragma once
#include "printing/PageGeometry.h"

#include <QString>

class QFont;

// Printing the program's mark-up on the pages of the current job. Lengths in tenths of a millimetre
// unless named pixels; y values and rectangles in device pixels.

// Prints a mark-up text line by line with page breaks. startY = 0: a job of its own (with the printer
// dialog), true only when the text reached the printer; startY > 0: goes on in the caller's job at
// that y and leaves it open. lineSpacing: extra space after each line. font / fontSize (> 0) set the
// base font.
bool PrintMarkupText(const QString& title, const QString& markup, const QFont* font, bool punchMargin, int startY = 0,
                     int lineSpacing = 0, int fontSize = 0);

// One block in one piece, wrapped at the rectangle's right edge; align 0 left, 1 centre, 2 right.
// Returns the drawn height.
int DrawMarkupBlock(const QString& markup, const PixelRect& rect, const QFont* font, int align, int fontSize);
// The same at *y (when given) instead of the rectangle's top; adds the height to *y.
int DrawMarkupBlockAt(int* y, const QString& markup, const PixelRect& rect, int align, int fontSize, const QFont* font);
// Two blocks side by side: the left one takes leftPercent (20..80) of the width less a 5 mm gutter.
void DrawTwoColumnBlock(int* y, const QString& leftMarkup, const QString& rightMarkup, bool rightAlignRight,
                        bool rightCentred, int leftAlign, int fontSize, const QFont* font, int leftPercent,
                        const PixelRect& rect);
// A horizontal line at lineY from x1 to x2 (pen width in pixels); *y advances by both gaps.
void DrawRule(int* y, int x1, int gapBefore, int penWidth, int x2, int gapAfter, int lineY);

// Measures a converted (rich) text in the rectangle with the current canvas font.
QSize MeasureRichText(const QString& rich, const PixelRect& rect);
