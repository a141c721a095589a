#include "text/TextUtils.h"

QString PadText(QChar ch, bool onLeft, int width, const QString& text)
{
    if (text.size() >= width)
        return text;
    const QString padding(width - text.size(), ch);
    return onLeft ? padding + text : text + padding;
}

void ReplaceAllText(const QString& find, const QString& replacement, QString& text)
{
    if (find.isEmpty() || find == replacement)
        return;
    qsizetype position = text.indexOf(find, 0, Qt::CaseInsensitive);
    while (position >= 0) {
        text.replace(position, find.size(), replacement);
        const qsizetype limit = position + replacement.size() - find.size();
        position = text.indexOf(find, 0, Qt::CaseInsensitive);
        if (position <= limit)
            break;
    }
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
