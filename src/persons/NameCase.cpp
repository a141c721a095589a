#include "persons/NameCase.h"

#include <QStringList>

namespace {
const QStringList kLeadingAbbreviations = {"ul.", "pl.", "al.", "sp.", "s.", "św.", "os.", "oś."};

bool StartsWord(const QString& text, int i)
{
    if (i == 0)
        return true;
    const QChar before = text[i - 1];
    return before.isSpace() || before == '-' || before == '(' || before == '"' || before == '/';
}

// The whole blank-separated word that starts at i.
QString WordAt(const QString& text, int i)
{
    int end = i;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    return text.mid(i, end - i);
}
}  // namespace

QString NameCase(const QString& text)
{
    QString out = text.toLower();
    bool firstWord = true;
    for (int i = 0; i < out.size(); ++i) {
        if (!out[i].isLetter() || !StartsWord(out, i))
            continue;
        const QString word = WordAt(out, i);
        const bool blankStart = i == 0 || out[i - 1].isSpace();
        if (blankStart && word == "ii") {
            out.replace(i, 2, "II");
        } else if (blankStart && (word == "w" || word == "z")) {
            // stays lower case
        } else if (!(blankStart && firstWord && kLeadingAbbreviations.contains(word))) {
            out[i] = out[i].toUpper();
        }
        if (blankStart)
            firstWord = false;
    }
    return out;
}
