#include "persons/TSkarboweDane.h"

#include "storage/ZunItem.h"
#include "storage/ZunStream.h"

#include <QtEndian>

namespace {
using T = TSkarboweDane;

QByteArray DateBytes(double value)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

double DateOfBytes(const QByteArray& bytes)
{
    return bytes.size() == 8 ? qFromLittleEndian<double>(bytes.constData()) : 0.0;
}
}  // namespace

const std::array<std::pair<const char*, T::Member>, 22>& TSkarboweDane::ExportedFields()
{
    static const std::array<std::pair<const char*, Member>, 22> fields{{
        {"Nazwapelna", &T::Nazwapelna},
        {"Nazwisko", &T::Nazwisko},
        {"Imie", &T::Imie},
        {"Kraj", &T::Kraj},
        {"Wojewodztwo", &T::Wojewodztwo},
        {"Powiat", &T::Powiat},
        {"Gmina", &T::Gmina},
        {"Ulica", &T::Ulica},
        {"NrDomu", &T::NrDomu},
        {"NrLokalu", &T::NrLokalu},
        {"Miejscowosc", &T::Miejscowosc},
        {"KodPocztowy", &T::KodPocztowy},
        {"Poczta", &T::Poczta},
        {"NIP", &T::NIP},
        {"REGON", &T::REGON},
        {"UrzadSkarbowy", &T::UrzadSkarbowy},
        {"AdresUrzedu", &T::AdresUrzedu},
        {"KodUrzedu", &T::KodUrzedu},
        {"MiescowoscUrzedu", &T::MiescowoscUrzedu},
        {"KontoUrzeduVAT", &T::KontoUrzeduVAT},
        {"KontoUrzeduCIT", &T::KontoUrzeduCIT},
        {"Stanowisko", &T::Stanowisko},
    }};
    return fields;
}

const std::array<T::Member, 21>& TSkarboweDane::StoredFields()
{
    static const std::array<Member, 21> fields = [] {
        std::array<Member, 21> stored{};
        const auto& exported = ExportedFields();
        for (size_t i = 1; i < exported.size(); ++i)  // all but "Nazwapelna"
            stored[i - 1] = exported[i].second;
        return stored;
    }();
    return fields;
}

void TSkarboweDane::Store(tZunStream& stream) const
{
    for (Member member : StoredFields())
        stream.WriteString(this->*member);
    for (const QString& text : resString)
        stream.WriteString(text);
    stream.WriteDouble(DataUrodzenia);
    stream.WriteBytes(QByteArray(kReservedBytes, '\0'));
}

void TSkarboweDane::Load(tZunStream& stream)
{
    Clear();
    for (Member member : StoredFields())
        this->*member = stream.ReadString();
    for (QString& text : resString)
        text = stream.ReadString();
    DataUrodzenia = stream.ReadDouble();
    stream.Skip(kReservedBytes);
}

QString TSkarboweDane::ExportString(QChar separator) const
{
    QString line;
    for (const auto& [title, member] : ExportedFields())
        line += this->*member + separator;
    for (const QString& text : resString)
        line += separator + text;
    return line;
}

QString TSkarboweDane::ExportTitleString(QChar separator)
{
    QString line;
    for (const auto& [title, member] : ExportedFields())
        line += QLatin1String(title) + separator;
    for (int n = 1; n <= kFreeTexts; ++n)
        line += separator + QString("resString%1").arg(n);
    return line;
}

bool TSkarboweDane::operator==(const TSkarboweDane& other) const
{
    if (OsobaFizyczna != other.OsobaFizyczna || DataUrodzenia != other.DataUrodzenia
        || Nienazwany != other.Nienazwany || resString != other.resString)
        return false;
    for (const auto& [title, member] : ExportedFields())
        if (this->*member != other.*member)
            return false;
    return true;
}

TSkarboweDane SkarboweOf(const tZunItem& item)
{
    TSkarboweDane dane;
    if (!item.HasTaxBlock)
        return dane;
    const auto& stored = TSkarboweDane::StoredFields();
    for (size_t i = 0; i < stored.size(); ++i)
        dane.*stored[i] = item.Tax().Texts[i];
    dane.resString = item.Tax().Texts2;
    dane.DataUrodzenia = DateOfBytes(item.Tax().Bytes);
    return dane;
}

void SetSkarbowe(tZunItem& item, const TSkarboweDane& dane)
{
    const auto& stored = TSkarboweDane::StoredFields();
    tZunItem::TaxBlock& tax = item.EditTax();
    for (size_t i = 0; i < stored.size(); ++i)
        tax.Texts[i] = dane.*stored[i];
    tax.Texts2 = dane.resString;
    tax.Bytes = DateBytes(dane.DataUrodzenia);
    item.HasTaxBlock = !(dane == TSkarboweDane());
}
