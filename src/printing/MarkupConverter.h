#pragma once
#include <QString>

// The program's mark-up ("<titlefont>", "<center>", "<newpage>", "<ind x="50%">", ...) rewritten into
// the rich text the renderer draws. Line breaks in mark-up are CR LF.

inline constexpr const char* kCrLf = "\r\n";

// wrapMode: the text is one block drawn in one piece (line breaks become "<br>"); otherwise it is
// printed line by line. Font-role tags take the fonts of the current settings; in invoice mode of the
// current job the invoice roles.
void ConvertMarkup(QString& text, bool wrapMode);
// "<ind x="N">" (screen pixels at 96 dpi) or "<ind x="N%">" (per cent of the content width), and the
// same with "<proc", become "<ind x="pixels">" for a target of dpiX.
void ConvertIndentTags(int dpiX, QString& text);
// The font tag of a role font: face and size, then its italic, bold and underline switches.
QString RoleFontTag(const class QFont& font);
