#pragma once
#include "text/TextUtils.h"

#include <QChar>
#include <QString>

// Text helpers shared by the whole program (ReplaceAllText itself lives in text/TextUtils.h).

// ReplaceAllText with the same result (letter case ignored, search again from the start after each
// replacement, stop when the next match starts at or before previous match + length of replacement -
// length of find), in time linear in the text for any number of matches: the mark-up converter runs
// it over whole documents with thousands of tags.
void ReplaceAllTextLinear(const QString& find, const QString& replacement, QString& text);
// The n-th field (1-based) of text split at separator; empty for n = 0 or a missing field.
QString ExtractField(QChar separator, int n, const QString& text);
int CountChar(QChar ch, const QString& text);
bool ContainsText(const QString& part, const QString& text);
