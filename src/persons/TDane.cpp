#include "persons/TDane.h"

#include "storage/ZunItem.h"
#include "storage/ZunStream.h"

namespace {
constexpr QChar kBar = '|';

// A pair is written once when both values agree.
QString PackPair(const QString& first, const QString& second)
{
    return first == second ? first : first + kBar + second;
}

// A field without "|" gives both values; otherwise an empty part takes the other part's text,
// unless keepEmpty (a passport without a vehicle must not read back as a registration number).
void UnpackPair(const QString& field, QString& first, QString& second, bool keepEmpty = false)
{
    const int bar = field.indexOf(kBar);
    if (bar < 0) {
        first = second = field;
        return;
    }
    first = field.left(bar);
    second = field.mid(bar + 1);
    if (keepEmpty)
        return;
    if (first.isEmpty())
        first = second;
    else if (second.isEmpty())
        second = first;
}

// Values always joined by "|"; on reading missing parts stay empty and the last takes the rest.
template <size_t N>
void UnpackJoined(const QString& field, const std::array<QString*, N>& values)
{
    QString rest = field;
    for (size_t i = 0; i < N; ++i) {
        const int bar = i + 1 < N ? rest.indexOf(kBar) : -1;
        *values[i] = bar < 0 ? rest : rest.left(bar);
        rest = bar < 0 ? QString() : rest.mid(bar + 1);
    }
}
}  // namespace

const std::array<std::pair<const char*, TDane::Member>, 25>& TDane::Fields()
{
    static const std::array<std::pair<const char*, Member>, 25> fields{{
        {"id", &TDane::id},
        {"Nazwa", &TDane::Nazwa},
        {"ImieNazwisko", &TDane::ImieNazwisko},
        {"Firma", &TDane::Firma},
        {"Adres", &TDane::Adres},
        {"Kod", &TDane::Kod},
        {"Miasto", &TDane::Miasto},
        {"Bank", &TDane::Bank},
        {"Konto", &TDane::Konto},
        {"NIP", &TDane::NIP},
        {"Regon", &TDane::Regon},
        {"PEsel", &TDane::PEsel},
        {"Paszport", &TDane::Paszport},
        {"Dowod", &TDane::Dowod},
        {"email", &TDane::email},
        {"telefon", &TDane::telefon},
        {"faks", &TDane::faks},
        {"komorka", &TDane::komorka},
        {"AdresWysylki", &TDane::AdresWysylki},
        {"KodWysylki", &TDane::KodWysylki},
        {"MiastoWysylki", &TDane::MiastoWysylki},
        {"www", &TDane::www},
        {"samochod", &TDane::samochod},
        {"dowodWystawca", &TDane::dowodWystawca},
        {"dowodDataW", &TDane::dowodDataW},
    }};
    return fields;
}

void TDane::Store(tZunStream& stream) const
{
    for (const QString* text : {&id, &Nazwa, &ImieNazwisko, &Firma})
        stream.WriteString(*text);
    stream.WriteString(PackPair(Adres, AdresWysylki));
    stream.WriteString(PackPair(Kod, KodWysylki));
    stream.WriteString(PackPair(Miasto, MiastoWysylki));
    for (const QString* text : {&Bank, &Konto, &NIP, &Regon, &PEsel})
        stream.WriteString(*text);
    stream.WriteString(PackPair(Paszport, samochod));
    stream.WriteString(Dowod + kBar + dowodWystawca + kBar + dowodDataW);
    stream.WriteString(email + kBar + www);
    for (const QString* text : {&telefon, &faks, &komorka})
        stream.WriteString(*text);
}

void TDane::Load(tZunStream& stream)
{
    for (QString* text : {&id, &Nazwa, &ImieNazwisko, &Firma})
        *text = stream.ReadString();
    UnpackPair(stream.ReadString(), Adres, AdresWysylki);
    UnpackPair(stream.ReadString(), Kod, KodWysylki);
    UnpackPair(stream.ReadString(), Miasto, MiastoWysylki);
    for (QString* text : {&Bank, &Konto, &NIP, &Regon, &PEsel})
        *text = stream.ReadString();
    UnpackPair(stream.ReadString(), Paszport, samochod, true);
    UnpackJoined<3>(stream.ReadString(), {&Dowod, &dowodWystawca, &dowodDataW});
    UnpackJoined<2>(stream.ReadString(), {&email, &www});
    for (QString* text : {&telefon, &faks, &komorka})
        *text = stream.ReadString();
    NormalizePersonData(*this);
}

QString TDane::ExportString(QChar separator) const
{
    QString line;
    for (const auto& [title, member] : Fields())
        line += this->*member + separator;
    return line;
}

QString TDane::ExportTitleString(QChar separator)
{
    QString line;
    for (const auto& [title, member] : Fields())
        line += QLatin1String(title) + separator;
    return line;
}

bool TDane::operator==(const TDane& other) const
{
    if (Reserved != other.Reserved)
        return false;
    for (const auto& [title, member] : Fields())
        if (this->*member != other.*member)
            return false;
    return true;
}

bool TDane::SameAs(const TDane& other) const
{
    for (const auto& [title, member] : Fields())
        if ((this->*member).compare(other.*member, Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

TDane DaneOf(const tZunItem& item)
{
    // The item's values are kept in the order of the export titles, as are ours.
    TDane dane;
    const auto& fields = TDane::Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        dane.*fields[i].second = item.Values[i];
    return dane;
}

void SetDane(tZunItem& item, const TDane& dane)
{
    const auto& fields = TDane::Fields();
    for (size_t i = 0; i < fields.size(); ++i)
        item.Values[i] = dane.*fields[i].second;
}

void NormalizePersonData(TDane& dane)
{
    if (dane.Nazwa.isEmpty())
        dane.Nazwa = dane.Firma;
    if (dane.Nazwa.isEmpty())
        dane.Nazwa = dane.ImieNazwisko;
    if (dane.id.isEmpty())
        dane.id = ShortIdOf(dane.Nazwa);
    if (dane.ImieNazwisko.isEmpty() && dane.Firma.isEmpty() && !dane.Nazwa.isEmpty()) {
        if (dane.Nazwa.count(' ') == 1)
            dane.ImieNazwisko = dane.Nazwa;
        else
            dane.Firma = dane.Nazwa;
    }
}
