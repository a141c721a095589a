#include "persons/TUrzadSkarbowy.h"

#include "persons/TaxNumberExceptions.h"
#include "storage/ZunStream.h"

#include <QStringList>

const std::array<TUrzadSkarbowy::Member, 12>& TUrzadSkarbowy::EditedFields()
{
    using T = TUrzadSkarbowy;
    static const std::array<Member, 12> fields{&T::Nazwa, &T::Adres, &T::Kod, &T::Miasto, &T::Konto,
                                               &T::PrefiksNIP1, &T::PrefiksNIP2, &T::InneNIPy, &T::Opis,
                                               &T::Zasieg, &T::Wojewodztwo, &T::MiastaGminy};
    return fields;
}

void TUrzadSkarbowy::Load(tZunStream& stream)
{
    for (Member member : EditedFields())
        this->*member = stream.ReadString();
    Zaimportowany = stream.ReadByte();
    for (QString& text : Dodatkowe)
        text = stream.ReadString();
    IBAN = stream.ReadByte();
    Rezerwa = stream.ReadBytes(kReservedSize);
}

void TUrzadSkarbowy::Store(tZunStream& stream) const
{
    for (Member member : EditedFields())
        stream.WriteString(this->*member);
    stream.WriteByte(Zaimportowany);
    for (const QString& text : Dodatkowe)
        stream.WriteString(text);
    stream.WriteByte(IBAN);
    QByteArray reserved = Rezerwa.left(kReservedSize);
    reserved.append(QByteArray(kReservedSize - reserved.size(), '\0'));
    stream.WriteBytes(reserved);

    for (const QString& nip : InneNIPy.split(' ', Qt::SkipEmptyParts))
        WriteTaxNumberException(nip, Nazwa, Miasto);
}

QString TUrzadSkarbowy::ExportString(QChar separator) const
{
    QStringList texts;
    for (Member member : EditedFields())
        texts << this->*member;
    for (const QString& text : Dodatkowe)
        texts << text;
    return texts.join(separator);
}

void TUrzadSkarbowy::CopyFrom(const TUrzadSkarbowy& other)
{
    for (Member member : EditedFields())
        this->*member = other.*member;
    IBAN = other.IBAN;
}
