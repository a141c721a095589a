#include "printing/TextUtils.h"

namespace {
// Upper case unit by unit, so that positions stay those of the original text.
QString UpperSameLength(const QString& text)
{
    QString upper(text.size(), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i)
        upper[i] = text[i].toUpper();
    return upper;
}
}  // namespace

void ReplaceAllTextLinear(const QString& find, const QString& replacement, QString& text)
{
    if (find == replacement || find.isEmpty() || text.isEmpty())
        return;
    const int lenF = int(find.size());
    const int lenR = int(replacement.size());
    const QString upperFind = UpperSameLength(find);
    const QString source = text;
    const QString upperSource = UpperSameLength(source);

    // The new text is out (final up to its end) followed by source from srcPos on. Every match after a
    // replacement at p starts at p - lenF + 1 or later: the text before is unchanged and held none.
    int first = int(upperSource.indexOf(upperFind));
    if (first < 0)
        return;
    QString out;
    out.reserve(source.size() + 16);
    out += QStringView(source).left(first);
    out += replacement;
    int srcPos = first + lenF;
    int p = first;
    for (;;) {
        int q = -1;
        const int zoneStart = std::max(0, p - lenF + 1);
        if (zoneStart < out.size()) {
            // Matches overlapping the end of out: search a short window of out + the next source.
            const QString window = UpperSameLength(out.mid(zoneStart)) + upperSource.mid(srcPos, lenF - 1);
            const int i = int(window.indexOf(upperFind));
            if (i >= 0)
                q = zoneStart + i;
        }
        int sourceMatch = -1;
        if (q < 0) {
            sourceMatch = int(upperSource.indexOf(upperFind, srcPos));
            if (sourceMatch < 0)
                break;
            q = int(out.size()) + (sourceMatch - srcPos);
        }
        if (q <= p + lenR - lenF)
            break;
        if (sourceMatch >= 0) {
            out += QStringView(source).mid(srcPos, sourceMatch - srcPos);
            out += replacement;
            srcPos = sourceMatch + lenF;
        } else if (q + lenF <= out.size()) {
            out.replace(q, lenF, replacement);
        } else {
            const int consumed = q + lenF - int(out.size());
            out.truncate(q);
            out += replacement;
            srcPos += consumed;
        }
        p = q;
    }
    out += QStringView(source).mid(srcPos);
    text = out;
}

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
