#pragma once
#include <QString>

// Text typed by the user, made safe to put into the program's mark-up: "&" becomes "&amp;", "<"
// "&lt;" and ">" "&gt;", in that order.
QString EscapeMarkup(const QString& text);
// The reverse: "&amp;", "&lt;", "&gt;", "&quot;" and "&nbsp;" back to their characters (a no-break
// space becomes a plain one). Anything else, including an unknown "&...;", stays as it is.
QString UnescapeMarkup(const QString& text);
