#include "persons/ShortenText.h"

QString ShortenText(const QString& text, int n)
{
    if (n <= 0 || text.size() <= n)
        return text;
    QString out = text.left(n);
    while (out.size() > n / 2 && out.back() != ' ')
        out.chop(1);
    return out + QChar(0x2026);
}
