#pragma once
#include <QString>

// Mark-up turned into plain text for payment titles: line breaks and rules become CRLF lines, tags
// and scripts are dropped, entities become the characters they stand for (a text escaped with
// EscapeMarkup comes back exactly as typed), and runs of blanks and of empty lines are collapsed.
QString MarkupToPlainText(const QString& markup);
