#pragma once
#include "printing/Canvas.h"
#include "printing/PageGeometry.h"

#include <QString>

// Draws the engine's rich text (the converted mark-up) into a rectangle with word wrap, or only
// measures it. Understood, in any letter case: <b> <i> <u> and their closing tags; <font face=""
// size="" color=""> and </font>; <p align="alLeft|alCenter|alRight"> (aligns the line holding it, and
// the lines after it); <ind x="N"> (go on at N pixels from the left edge); <br>; <hr>; the entities
// &lt; &gt; &amp; &quot; &nbsp; and &#N;. Other tags draw nothing. A text made of tags alone takes
// no height; an empty text takes one line.
struct RichTextSize {
    int width = 0;   // the widest line
    int height = 0;
};

class RichTextRenderer {
public:
    // Draws from the rectangle's top-left corner in the canvas font. With carryFont the canvas font
    // and colour take the state at the end of the text (a document printed line by line).
    static RichTextSize Draw(Canvas& canvas, const QString& text, const PixelRect& rect, bool carryFont = false);
    static RichTextSize Measure(const Canvas& canvas, const QString& text, const PixelRect& rect);

private:
    static RichTextSize Run(Canvas& canvas, const QString& text, const PixelRect& rect, bool draw, bool carryFont);
};

// The colour named in a font tag: a colour name ("clRed") or "#RRGGBB"; invalid when unknown.
QColor ParseMarkupColor(const QString& text);
// Replaces the entities of a text run by their characters.
QString DecodeEntities(const QString& text);
