#pragma once
#include "text/TextUtils.h"

#include <QChar>
#include <QString>

// Text helpers shared by the whole program (ReplaceAllText itself lives in text/TextUtils.h).

// The n-th field (1-based) of text split at separator; empty for n = 0 or a missing field.
QString ExtractField(QChar separator, int n, const QString& text);
int CountChar(QChar ch, const QString& text);
bool ContainsText(const QString& part, const QString& text);
