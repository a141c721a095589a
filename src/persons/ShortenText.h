#pragma once
#include <QString>

// Cuts a text longer than n characters back to a word boundary in its second half and appends
// the ellipsis "…". Texts not longer than n, and any text when n <= 0, stay as they are.
QString ShortenText(const QString& text, int n);
