#include "storage/ZunStream.h"

#include "platform/Cp1250.h"
#include "platform/Messages.h"
#include "storage/EzunException.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"
#include "storage/ZunObject.h"

#include <QtEndian>
#include <cstring>

namespace {
// Lists inside lists are legal, but a damaged file must not nest them deep enough to exhaust
// the stack.
constexpr int kMaxNesting = 64;
thread_local int g_nesting = 0;

struct NestingGuard {
    NestingGuard()
    {
        if (++g_nesting > kMaxNesting) {
            --g_nesting;
            throw EzunException("Zbyt głęboko zagnieżdżone listy w pliku danych.");
        }
    }
    ~NestingGuard() { --g_nesting; }
};

}  // namespace

void tZunStream::Fail(qint64 count) const
{
    throw EzunException(QString("Nieoczekiwany koniec danych (pozycja %1, potrzeba %2 bajtów, zostało %3).")
                            .arg(pos_).arg(count).arg(size_ - pos_));
}

const QByteArray& tZunStream::Bytes() const
{
    if (data_.size() != size_)
        data_.truncate(size_);
    return data_;
}

void tZunStream::Grow(qint64 needed)
{
    data_.resize(qMax(needed, qMax<qint64>(256, 2 * data_.size())));
}

QByteArray tZunStream::ReadBytes(qint64 count)
{
    Need(count);
    QByteArray out(data_.constData() + pos_, count);
    pos_ += count;
    return out;
}

void tZunStream::WriteDouble(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteLE(bits);
}

double tZunStream::ReadDouble()
{
    const quint64 bits = ReadLE<quint64>();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void tZunStream::WritePChar(const std::optional<QByteArray>& text)
{
    if (!text) {
        WriteInt16(0);
        return;
    }
    WriteLength(text->size());
    WriteBytes(*text);
}

void tZunStream::WriteLength(qint64 length)
{
    if (length <= kShortStringLimit) {
        WriteInt16(qint16(length));
    } else {
        WriteInt16(-1);
        WriteInt32(qint32(length));
    }
}

// Encoded straight into the stream: no intermediate buffer per field. Every character is first
// narrowed in one plain pass the compiler vectorises; only a text with characters beyond ASCII
// goes through the code-page table, and only for those characters.
void tZunStream::Encode(QStringView text)
{
    const char16_t* from = text.utf16();
    const qsizetype count = text.size();
    char* at = Room(count);
    char16_t all = 0;
    for (qsizetype k = 0; k < count; ++k) {
        at[k] = char(from[k]);
        all |= from[k];
    }
    if (all < 0x80)
        return;
    for (qsizetype k = 0; k < count; ++k)
        if (from[k] >= 0x80)
            at[k] = ToCp1250Char(QChar(from[k]));
}

void tZunStream::WriteString(QStringView text)
{
    WriteLength(text.size());
    Encode(text);
}

void tZunStream::WriteJoined(std::initializer_list<QStringView> parts, char separator)
{
    qint64 length = qint64(parts.size()) - 1;
    for (QStringView part : parts)
        length += part.size();
    WriteLength(length);
    bool first = true;
    for (QStringView part : parts) {
        if (!first)
            *Room(1) = separator;
        first = false;
        Encode(part);
    }
}

std::optional<QByteArray> tZunStream::ReadPChar()
{
    const qint16 n = ReadInt16();
    if (n >= 1)
        return ReadBytes(n);
    if (n == -1) {
        const qint32 m = ReadInt32();
        if (m < 0)
            throw EzunException(QString("Nieprawidłowa długość tekstu w pliku danych: %1.").arg(m));
        return ReadBytes(m);  // checked against the bytes left before anything is allocated
    }
    return std::nullopt;
}

QString tZunStream::ReadString()
{
    const qint16 n = ReadInt16();
    if (n >= 1)
        return Decode(n);
    if (n == -1) {
        Seek(pos_ - 2);
        const auto bytes = ReadPChar();
        return bytes ? FromCp1250(*bytes) : QString();
    }
    return {};
}

namespace {
// Decoded straight from the bytes into the string: every byte is first widened in one plain pass
// the compiler vectorises; only bytes beyond ASCII then go through the code-page table.
QString DecodeBytes(const uchar* from, qint64 count)
{
    QString text(count, Qt::Uninitialized);
    auto* to = reinterpret_cast<char16_t*>(text.data());
    uchar all = 0;
    for (qint64 k = 0; k < count; ++k) {
        to[k] = from[k];
        all |= from[k];
    }
    if (all >= 0x80) {
        for (qint64 k = 0; k < count; ++k)
            if (from[k] >= 0x80)
                to[k] = FromCp1250Char(from[k]).unicode();
    }
    return text;
}

// Where a short text is looked up among the recent ones: its length, its first and its last eight
// bytes are enough to tell most texts apart, at a fixed cost (equal bytes are checked anyway).
size_t RecentTextHash(const uchar* from, qint64 count)
{
    quint64 head = 0;
    quint64 tail = 0;
    std::memcpy(&head, from, size_t(qMin<qint64>(count, 8)));
    if (count > 8)
        std::memcpy(&tail, from + count - 8, 8);
    const quint64 mixed = (head * 0x9E3779B97F4A7C15ull) ^ (tail * 0xC2B2AE3D27D4EB4Full) ^ quint64(count);
    return size_t(mixed ^ (mixed >> 29) ^ (mixed >> 47));
}
}  // namespace

QString tZunStream::Decode(qint64 count)
{
    Need(count);
    const qint64 at = pos_;
    const auto* from = reinterpret_cast<const uchar*>(data_.constData() + at);
    pos_ += count;
    if (count > kRecentTextLimit)
        return DecodeBytes(from, count);
    if (!recent_)
        recent_ = std::make_unique<std::array<RecentText, kRecentTexts>>();
    RecentText& entry = (*recent_)[RecentTextHash(from, count) % kRecentTexts];
    if (entry.count != count || std::memcmp(data_.constData() + entry.at, from, size_t(count)) != 0)
        entry = {at, count, DecodeBytes(from, count)};
    return entry.text;
}

void tZunStream::WriteObject(const ZunPersistent* object)
{
    if (!object) {
        WriteUInt16(0);
        return;
    }
    const QString name = object->ClassName();
    const tZunRecObject* entry = FindClassByName(name);
    if (!entry) {
        const QString text = Message202(name);
        Warn(text);
        throw EzunException(text);
    }
    WriteUInt16(entry->Number);
    object->StoreBody(*this);
}

std::unique_ptr<ZunPersistent> tZunStream::ReadObject()
{
    const quint16 number = ReadUInt16();
    if (number == 0)
        return nullptr;
    const tZunRecObject* entry = FindClassByNumber(number);
    if (!entry)
        throw EzunException(Message202(QString::number(number)));
    std::unique_ptr<ZunPersistent> object = entry->Make();
    if (!object)
        throw EzunException(Message203(entry->ClassName));
    NestingGuard guard;
    object->LoadBody(*this);
    return object;
}
