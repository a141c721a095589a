#pragma once
#include <QSize>
#include <QString>

class QFont;

// Plain-text primitives of the form printers. Flags are the classic text-drawing flags.
inline constexpr int DT_LEFT = 0;
inline constexpr int DT_CENTER = 1;
inline constexpr int DT_RIGHT = 2;
inline constexpr int DT_VCENTER = 4;
inline constexpr int DT_BOTTOM = 8;
inline constexpr int DT_WORDBREAK = 16;
inline constexpr int DT_SINGLELINE = 32;
inline constexpr int DT_NOCLIP = 256;
inline constexpr int DT_CALCRECT = 1024;
inline constexpr int DT_NOPREFIX = 2048;

// Draws text (a space when empty) in the box left..right; vertically the 5 inches below top, or with
// DT_BOTTOM / DT_VCENTER the 5 inches above it (DT_BOTTOM puts the text's bottom at top). Without
// DT_CALCRECT the text is measured first and size.width gets its width; size.height and *y get the
// drawn height. A font, when given, becomes the canvas font. Nothing is drawn on an aborted job.
void DrawTextBox(int* y, int left, int top, QSize& size, const QFont* font, int flags, const QString& text, int right);
// The same in the box left, top, right, bottom; an empty text is drawn as "-".
void DrawTextBoxFixed(int* y, int left, int top, QSize& size, const QFont* font, int flags, const QString& text,
                      int right, int bottom);
// Text reading upwards from (left, bottom).
void DrawVerticalText(int left, int top, int right, int bottom, const QFont* font, int fontSize, const QString& text);
// Text with its top-left corner at (x, y); returns the font's line height.
int DrawTextLine(int x, int y, const QString& text);
// The Qt alignment and text flags of the classic flags.
int QtTextFlags(int flags);
