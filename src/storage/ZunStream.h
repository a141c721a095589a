#pragma once
#include "storage/ZunPersistent.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

// An in-memory byte stream that writes and reads the program's stored fields: little-endian
// integers, doubles, Windows-1250 string fields and whole object records. Reading past the end
// raises EzunException; nothing read is trusted beyond the bytes actually present.
class tZunStream {
public:
    tZunStream() = default;
    explicit tZunStream(QByteArray bytes) : data_(std::move(bytes)) {}

    bool WideCounts = false;  // list bodies use 32-bit counts

    const QByteArray& Bytes() const { return data_; }
    qint64 Size() const { return data_.size(); }
    qint64 Position() const { return pos_; }
    qint64 Remaining() const { return data_.size() - pos_; }
    void Seek(qint64 position) { pos_ = qBound<qint64>(0, position, data_.size()); }

    void WriteBytes(const char* bytes, qint64 count);
    void WriteBytes(const QByteArray& bytes) { WriteBytes(bytes.constData(), bytes.size()); }
    void ReadBytes(char* bytes, qint64 count);
    QByteArray ReadBytes(qint64 count);
    void Skip(qint64 count);

    void WriteByte(quint8 v);
    void WriteInt16(qint16 v);
    void WriteUInt16(quint16 v);
    void WriteInt32(qint32 v);
    void WriteInt64(qint64 v);
    void WriteDouble(double v);
    quint8 ReadByte();
    qint16 ReadInt16();
    quint16 ReadUInt16();
    qint32 ReadInt32();
    qint64 ReadInt64();
    double ReadDouble();

    // String fields. WritePChar takes raw Windows-1250 bytes (nullopt = no string); WriteString
    // converts the text (an empty text is written as no string).
    void WritePChar(const std::optional<QByteArray>& text);
    void WriteString(const QString& text);
    std::optional<QByteArray> ReadPChar();
    QString ReadString();

    // Object records: the registered type number, then the body (0 = no object).
    void WriteObject(const ZunPersistent* object);
    std::unique_ptr<ZunPersistent> ReadObject();

private:
    void Need(qint64 count) const;

    QByteArray data_;
    qint64 pos_ = 0;
};

// Longest string written in the short form; longer ones use the long form (FF FF, int32 length).
inline constexpr int kShortStringLimit = 30000;
