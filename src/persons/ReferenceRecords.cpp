// The small records of the reference bases: bank branches, cities and postal codes.
#include "persons/TKodPocztowy.h"
#include "persons/TMalyBAnk.h"
#include "persons/TMiasto.h"
#include "storage/ZunStream.h"

namespace {
QString Joined(std::initializer_list<const QString*> texts, QChar separator)
{
    QString line;
    for (const QString* text : texts)
        line += *text + separator;
    return line;
}
}  // namespace

void TMalyBAnk::Load(tZunStream& stream)
{
    Numer = stream.ReadString();
    Nazwa = stream.ReadString();
}

void TMalyBAnk::Store(tZunStream& stream) const
{
    stream.WriteString(Numer);
    stream.WriteString(Nazwa);
}

QString TMalyBAnk::ExportString(QChar separator) const { return Joined({&Numer, &Nazwa}, separator); }

void TMiasto::Load(tZunStream& stream)
{
    Kod = stream.ReadString();
    Miasto = stream.ReadString();
}

void TMiasto::Store(tZunStream& stream) const
{
    stream.WriteString(Kod);
    stream.WriteString(Miasto);
}

QString TMiasto::ExportString(QChar separator) const { return Joined({&Kod, &Miasto}, separator); }

void TKodPocztowy::Load(tZunStream& stream)
{
    for (QString& text : Teksty)
        text = stream.ReadString();
    Raw = stream.ReadBytes(kRawSize);
}

void TKodPocztowy::Store(tZunStream& stream) const
{
    for (const QString& text : Teksty)
        stream.WriteString(text);
    QByteArray raw = Raw.left(kRawSize);
    raw.append(QByteArray(kRawSize - raw.size(), '\0'));
    stream.WriteBytes(raw);
}

QString TKodPocztowy::ExportString(QChar separator) const
{
    QString line;
    for (const QString& text : Teksty)
        line += text + separator;
    return line;
}
