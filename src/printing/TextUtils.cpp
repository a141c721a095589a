#include "printing/TextUtils.h"

QString ExtractField(QChar separator, int n, const QString& text)
{
    if (n <= 0)
        return {};
    int start = 0;
    for (int field = 1; field < n; ++field) {
        const int next = int(text.indexOf(separator, start));
        if (next < 0)
            return {};
        start = next + 1;
    }
    const int end = int(text.indexOf(separator, start));
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

int CountChar(QChar ch, const QString& text) { return int(text.count(ch)); }

bool ContainsText(const QString& part, const QString& text) { return text.contains(part, Qt::CaseInsensitive); }
