#pragma once
#include "storage/ZunPersistent.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <array>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <optional>

// An in-memory byte stream that writes and reads the program's stored fields: little-endian
// integers, doubles, Windows-1250 string fields and whole object records. Reading past the end
// raises EzunException; nothing read is trusted beyond the bytes actually present.
class tZunStream {
public:
    tZunStream() = default;
    explicit tZunStream(QByteArray bytes) : data_(std::move(bytes)), size_(data_.size()) {}

    bool WideCounts = false;  // list bodies use 32-bit counts

    const QByteArray& Bytes() const;
    qint64 Size() const { return size_; }
    qint64 Position() const { return pos_; }
    qint64 Remaining() const { return size_ - pos_; }
    void Seek(qint64 position) { pos_ = qBound<qint64>(0, position, size_); }
    void Reserve(qint64 bytes) { if (bytes > data_.size()) data_.resize(bytes); }

    void WriteBytes(const char* bytes, qint64 count)
    {
        char* at = Room(count);
        if (count > 0)
            std::memcpy(at, bytes, size_t(count));
    }
    void WriteBytes(const QByteArray& bytes) { WriteBytes(bytes.constData(), bytes.size()); }
    void ReadBytes(char* bytes, qint64 count)
    {
        Need(count);
        if (count > 0)
            std::memcpy(bytes, data_.constData() + pos_, size_t(count));
        pos_ += count;
    }
    QByteArray ReadBytes(qint64 count);
    // The next count bytes where they are, valid while the stream is neither written nor destroyed.
    QByteArrayView ReadView(qint64 count)
    {
        Need(count);
        const QByteArrayView view(data_.constData() + pos_, count);
        pos_ += count;
        return view;
    }
    void Skip(qint64 count)
    {
        Need(count);
        pos_ += count;
    }

    void WriteByte(quint8 v) { WriteLE(v); }
    void WriteInt16(qint16 v) { WriteLE(v); }
    void WriteUInt16(quint16 v) { WriteLE(v); }
    void WriteInt32(qint32 v) { WriteLE(v); }
    void WriteInt64(qint64 v) { WriteLE(v); }
    void WriteDouble(double v);
    quint8 ReadByte() { return ReadLE<quint8>(); }
    qint16 ReadInt16() { return ReadLE<qint16>(); }
    quint16 ReadUInt16() { return ReadLE<quint16>(); }
    qint32 ReadInt32() { return ReadLE<qint32>(); }
    qint64 ReadInt64() { return ReadLE<qint64>(); }
    double ReadDouble();
    // count little-endian values of T in one go (the fixed blocks of a record).
    template <typename T>
    void ReadBlock(T* values, qint64 count)
    {
        Need(count * qint64(sizeof(T)));
        qFromLittleEndian<T>(data_.constData() + pos_, count, values);
        pos_ += count * qint64(sizeof(T));
    }
    template <typename T>
    void WriteBlock(const T* values, qint64 count)
    {
        qToLittleEndian<T>(values, count, Room(count * qint64(sizeof(T))));
    }

    // String fields. WritePChar takes raw Windows-1250 bytes (nullopt = no string); WriteString
    // converts the text (an empty text is written as no string).
    void WritePChar(const std::optional<QByteArray>& text);
    void WriteString(QStringView text);
    // One string field holding the parts joined by the separator.
    void WriteJoined(std::initializer_list<QStringView> parts, char separator);
    std::optional<QByteArray> ReadPChar();
    QString ReadString();

    // Object records: the registered type number, then the body (0 = no object).
    void WriteObject(const ZunPersistent* object);
    std::unique_ptr<ZunPersistent> ReadObject();

private:
    void Need(qint64 count) const
    {
        if (count < 0 || count > size_ - pos_)
            Fail(count);
    }
    [[noreturn]] void Fail(qint64 count) const;
    void WriteLength(qint64 length);
    void Encode(QStringView text);
    QString Decode(qint64 count);  // count bytes at the position, as text

    // Bases repeat the same short texts (cities, codes, kinds of transport...): a text equal to one
    // read a little earlier shares its string instead of holding a copy of its own. The entries are
    // found by the hash of the bytes; a new text simply takes the place of the one there.
    struct RecentText {
        qint64 at = 0;      // where its bytes are in the stream
        qint64 count = -1;  // how many
        QString text;
    };
    static constexpr int kRecentTexts = 256;
    static constexpr qint64 kRecentTextLimit = 64;  // longer texts rarely repeat
    std::unique_ptr<std::array<RecentText, kRecentTexts>> recent_;
    // Makes room for count bytes at the position and moves past them; returns where they go.
    char* Room(qint64 count)
    {
        if (pos_ + count > data_.size())
            Grow(pos_ + count);
        if (recent_) [[unlikely]]
            recent_.reset();  // the bytes the recent texts were read from may change
        char* at = data_.data() + pos_;
        pos_ += count;
        size_ = qMax(size_, pos_);
        return at;
    }
    void Grow(qint64 needed);
    template <typename T>
    void WriteLE(T v)
    {
        qToUnaligned(qToLittleEndian(v), Room(sizeof(T)));
    }
    template <typename T>
    T ReadLE()
    {
        Need(sizeof(T));
        const T v = qFromLittleEndian<T>(data_.constData() + pos_);
        pos_ += sizeof(T);
        return v;
    }

    // data_ may be longer than the stream (room to grow); size_ is the stream's length.
    mutable QByteArray data_;
    qint64 size_ = 0;
    qint64 pos_ = 0;
};

// The texts of one record lie apart in memory: asking for all of them before they are encoded lets
// their cache misses overlap instead of coming one after another.
template <typename Texts>
inline void PrefetchTexts(const Texts& texts)
{
#if defined(__GNUC__) || defined(__clang__)
    for (const QString& text : texts)
        __builtin_prefetch(text.constData());
#endif
}

// Longest string written in the short form; longer ones use the long form (FF FF, int32 length).
inline constexpr int kShortStringLimit = 30000;
