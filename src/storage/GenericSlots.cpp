#include "storage/GenericSlots.h"

#include "platform/Clock.h"
#include "storage/ZunStream.h"

QString ExportIntegerText(qint32 value) { return value == 0 ? QString() : QString::number(value); }

QString ExportAmountText(qint64 amount)
{
    if (amount == 0)
        return {};
    // Whole grosze, halves away from zero, Polish decimal comma, no thousands separator.
    const bool negative = amount < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(amount) : quint64(amount);
    const quint64 grosze = (magnitude + 50) / 100;
    return QString("%1%2,%3")
        .arg(negative ? "-" : "")
        .arg(grosze / 100)
        .arg(grosze % 100, 2, 10, QChar('0'));
}

QString ExportDateText(double date)
{
    if (date == 0)
        return {};
    // Days of the years 1 to 9999; anything else (a damaged file) is shown as the plain number.
    if (!(date > -693594 && date < 2958466))
        return QString::number(date);
    return DateTimeOfValue(date).date().toString("yyyy-MM-dd");
}

template <int N>
void GenericSlots<N>::Store(tZunStream& stream) const
{
    PrefetchTexts(s);
    for (const QString& text : s)
        stream.WriteString(text);
    stream.WriteBlock(i.data(), N);
    stream.WriteBlock(c.data(), N);
    std::array<quint8, N> flags;
    for (int k = 0; k < N; ++k)
        flags[k] = b[k] ? 1 : 0;
    stream.WriteBlock(flags.data(), N);
    stream.WriteBlock(d.data(), N);
}

template <int N>
void GenericSlots<N>::Load(tZunStream& stream)
{
    for (QString& text : s)
        text = stream.ReadString();
    stream.ReadBlock(i.data(), N);
    stream.ReadBlock(c.data(), N);
    std::array<quint8, N> flags;
    stream.ReadBlock(flags.data(), N);
    for (int k = 0; k < N; ++k)
        b[k] = flags[k] != 0;
    stream.ReadBlock(d.data(), N);
}

template <int N>
void GenericSlots<N>::AppendExport(QString& line, QChar separator) const
{
    for (const QString& text : s)
        line += text + separator;
    for (qint32 v : i)
        line += ExportIntegerText(v) + separator;
    for (qint64 v : c)
        line += ExportAmountText(v) + separator;
    for (bool v : b)
        line += (v ? QString("tak") : QString()) + separator;
    for (double v : d)
        line += ExportDateText(v) + separator;
}

template <int N>
void GenericSlots<N>::AppendTitle(QString& line, QChar separator, const QString& prefix)
{
    for (const char* letter : {"s", "i", "c", "b", "d"})
        for (int k = 0; k < N; ++k)
            line += prefix + letter + QString::number(k) + separator;
}

template <int N>
bool GenericSlots<N>::SameAs(const GenericSlots& other) const
{
    for (int k = 0; k < N; ++k)
        if (s[k].compare(other.s[k], Qt::CaseInsensitive) != 0)
            return false;
    return i == other.i && c == other.c && b == other.b && d == other.d;
}

template struct GenericSlots<11>;
template struct GenericSlots<31>;
template struct GenericSlots<251>;
