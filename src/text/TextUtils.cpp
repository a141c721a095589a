#include "text/TextUtils.h"

#include <algorithm>

QString PadText(QChar ch, bool onLeft, int width, const QString& text)
{
    if (text.size() >= width)
        return text;
    const QString padding(width - text.size(), ch);
    return onLeft ? padding + text : text + padding;
}

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

void ReplaceAllText(const QString& find, const QString& replacement, QString& text)
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

std::optional<QString> FormatText(const QString& format, const std::vector<FormatArgument>& arguments)
{
    QString result;
    size_t next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            result += format[i];
            continue;
        }
        if (++i >= format.size())
            return std::nullopt;
        if (format[i] == u'%') {
            result += u'%';
            continue;
        }
        const bool left = format[i] == u'-';
        if (left)
            ++i;
        int width = 0;
        while (i < format.size() && format[i].isDigit())
            width = width * 10 + format[i++].digitValue();
        int precision = -1;
        if (i < format.size() && format[i] == u'.') {
            precision = 0;
            ++i;
            while (i < format.size() && format[i].isDigit())
                precision = precision * 10 + format[i++].digitValue();
        }
        if (i >= format.size() || next >= arguments.size())
            return std::nullopt;
        const QChar kind = format[i].toLower();
        const FormatArgument& argument = arguments[next++];
        QString piece;
        if (kind == u'd' && std::holds_alternative<qint64>(argument)) {
            const qint64 value = std::get<qint64>(argument);
            QString digits = QString::number(value < 0 ? -(value + 1) + quint64(1) : quint64(value));
            digits = PadText(u'0', true, precision, digits);
            piece = value < 0 ? "-" + digits : digits;
        } else if (kind == u's' && std::holds_alternative<QString>(argument)) {
            piece = std::get<QString>(argument);
            if (precision >= 0)
                piece.truncate(precision);
        } else {
            return std::nullopt;
        }
        result += PadText(u' ', !left, width, piece);
    }
    return result;
}
