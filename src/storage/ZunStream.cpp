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

template <typename T>
void WriteLE(tZunStream& s, T v)
{
    char bytes[sizeof(T)];
    qToLittleEndian<T>(v, bytes);
    s.WriteBytes(bytes, sizeof(T));
}

template <typename T>
T ReadLE(tZunStream& s)
{
    char bytes[sizeof(T)];
    s.ReadBytes(bytes, sizeof(T));
    return qFromLittleEndian<T>(bytes);
}
}  // namespace

void tZunStream::Need(qint64 count) const
{
    if (count < 0 || count > data_.size() - pos_)
        throw EzunException(QString("Nieoczekiwany koniec danych (pozycja %1, potrzeba %2 bajtów, zostało %3).")
                                .arg(pos_).arg(count).arg(data_.size() - pos_));
}

void tZunStream::WriteBytes(const char* bytes, qint64 count)
{
    if (count <= 0)
        return;
    if (pos_ == data_.size()) {
        data_.append(bytes, count);
    } else {
        if (pos_ + count > data_.size())
            data_.resize(pos_ + count);
        std::memcpy(data_.data() + pos_, bytes, size_t(count));
    }
    pos_ += count;
}

void tZunStream::ReadBytes(char* bytes, qint64 count)
{
    Need(count);
    std::memcpy(bytes, data_.constData() + pos_, size_t(count));
    pos_ += count;
}

QByteArray tZunStream::ReadBytes(qint64 count)
{
    Need(count);
    QByteArray out = data_.mid(pos_, count);
    pos_ += count;
    return out;
}

void tZunStream::Skip(qint64 count)
{
    Need(count);
    pos_ += count;
}

void tZunStream::WriteByte(quint8 v) { WriteBytes(reinterpret_cast<const char*>(&v), 1); }
void tZunStream::WriteInt16(qint16 v) { WriteLE(*this, v); }
void tZunStream::WriteUInt16(quint16 v) { WriteLE(*this, v); }
void tZunStream::WriteInt32(qint32 v) { WriteLE(*this, v); }
void tZunStream::WriteInt64(qint64 v) { WriteLE(*this, v); }
void tZunStream::WriteDouble(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteLE(*this, bits);
}

quint8 tZunStream::ReadByte()
{
    Need(1);
    return quint8(data_[pos_++]);
}
qint16 tZunStream::ReadInt16() { return ReadLE<qint16>(*this); }
quint16 tZunStream::ReadUInt16() { return ReadLE<quint16>(*this); }
qint32 tZunStream::ReadInt32() { return ReadLE<qint32>(*this); }
qint64 tZunStream::ReadInt64() { return ReadLE<qint64>(*this); }
double tZunStream::ReadDouble()
{
    const quint64 bits = ReadLE<quint64>(*this);
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
    const qint64 length = text->size();
    if (length <= kShortStringLimit) {
        WriteInt16(qint16(length));
    } else {
        WriteInt16(-1);
        WriteInt32(qint32(length));
    }
    WriteBytes(*text);
}

void tZunStream::WriteString(const QString& text)
{
    if (text.isEmpty())
        WritePChar(std::nullopt);
    else
        WritePChar(ToCp1250(text));
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
    if (n >= 1) {
        Need(n);
        const QString text = FromCp1250(QByteArrayView(data_.constData() + pos_, n));
        pos_ += n;
        return text;
    }
    if (n == -1) {
        Seek(pos_ - 2);
        const auto bytes = ReadPChar();
        return bytes ? FromCp1250(*bytes) : QString();
    }
    return {};
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
    if (auto record = dynamic_cast<const tZunObject*>(object))
        record->Store(*this);
    else if (auto list = dynamic_cast<const tZunList*>(object))
        list->StoreToStream(*this);
    else
        throw EzunException(Message203(name));
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
    NestingGuard guard;
    if (auto record = dynamic_cast<tZunObject*>(object.get())) {
        record->Load(*this);
    } else if (auto list = dynamic_cast<tZunList*>(object.get())) {
        list->LoadFromStream(*this);
    } else {
        throw EzunException(Message203(entry->ClassName));
    }
    return object;
}
