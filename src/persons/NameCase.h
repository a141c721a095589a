#pragma once
#include <QString>

// Names and addresses typed in capitals or carelessly, re-cased as people write them: lower case
// with the first letter of each word in upper case; address abbreviations ("ul.", "al.", "św.", …)
// at the start and the one-letter words "w" and "z" stay lower case, and "ii" becomes "II".
QString NameCase(const QString& text);
