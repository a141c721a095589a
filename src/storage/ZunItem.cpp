#include "storage/ZunItem.h"

#include "storage/ZunStream.h"


namespace {
using F = tZunItem::Field;

constexpr const char* kFieldNames[tZunItem::FieldCount] = {
    "id", "Nazwa", "ImieNazwisko", "Firma", "Adres", "Kod", "Miasto", "Bank", "Konto", "NIP", "Regon",
    "PEsel", "Paszport", "Dowod", "email", "telefon", "faks", "komorka", "AdresWysylki", "KodWysylki",
    "MiastoWysylki", "www", "samochod", "dowodWystawca", "dowodDataW"};

// The 18 string fields in stored order; a field holds one value, a pair, or a group always joined
// by "|".
struct StoredField {
    F first;
    F second = F::FieldCount;
    F third = F::FieldCount;
    bool group = false;  // always joined, split into parts in order
};
constexpr StoredField kStored[18] = {
    {F::Id}, {F::Nazwa}, {F::ImieNazwisko}, {F::Firma},
    {F::Adres, F::AdresWysylki}, {F::Kod, F::KodWysylki}, {F::Miasto, F::MiastoWysylki},
    {F::Bank}, {F::Konto}, {F::NIP}, {F::Regon}, {F::PEsel},
    {F::Paszport, F::Samochod},
    {F::Dowod, F::DowodWystawca, F::DowodDataW, true},
    {F::Email, F::Www, F::FieldCount, true},
    {F::Telefon}, {F::Faks}, {F::Komorka}};

void Pack(tZunStream& stream, const StoredField& f, const std::array<QString, tZunItem::FieldCount>& v)
{
    if (f.second == F::FieldCount)
        stream.WriteString(v[f.first]);
    else if (f.group && f.third != F::FieldCount)
        stream.WriteJoined({v[f.first], v[f.second], v[f.third]}, '|');
    else if (f.group || v[f.first] != v[f.second])
        stream.WriteJoined({v[f.first], v[f.second]}, '|');
    else
        stream.WriteString(v[f.first]);
}

// The text is taken by value and moved into place: a string shared with others costs an atomic
// count update for every copy made and dropped.
void Unpack(const StoredField& f, QString text, std::array<QString, tZunItem::FieldCount>& v)
{
    if (f.second == F::FieldCount) {
        v[f.first] = std::move(text);
        return;
    }
    const int bar = text.indexOf('|');
    if (f.group) {
        const F order[3] = {f.first, f.second, f.third};
        const int parts = f.third == F::FieldCount ? 2 : 3;
        qsizetype from = 0;
        for (int k = 0; k < parts; ++k) {
            // The last value keeps whatever follows, "|" included; missing parts are empty.
            const qsizetype end = k == parts - 1 || from < 0 ? -1 : text.indexOf('|', from);
            if (from < 0)
                v[order[k]].clear();
            else if (end < 0)
                v[order[k]] = from == 0 ? text : text.mid(from);
            else
                v[order[k]] = text.mid(from, end - from);
            from = end < 0 ? -1 : end + 1;
        }
        return;
    }
    if (bar < 0) {
        v[f.first] = text;
        v[f.second] = std::move(text);
        return;
    }
    QString first = text.left(bar);
    QString second = text.mid(bar + 1);
    // A passport without a vehicle must not turn the passport number into a registration number
    // (it would print on documents), so this pair keeps an empty part empty.
    if (f.first != F::Paszport) {
        if (first.isEmpty())
            first = second;
        else if (second.isEmpty())
            second = first;
    }
    v[f.first] = first;
    v[f.second] = second;
}

constexpr int kTaxSkippedBytes = 201;
constexpr int kTaxKeptBytes = 8;
}  // namespace

const QByteArray& tZunItem::ZeroRawBlock()
{
    static const QByteArray zero(kRawBlockSize, '\0');
    return zero;
}

const char* tZunItem::FieldName(Field field) { return field < FieldCount ? kFieldNames[field] : ""; }

QString ShortIdOf(const QString& name)
{
    QString letters;
    for (QChar c : name)
        if (c.isLetter())
            letters += c;
    if (letters.size() > 12)
        letters = letters.left(6) + QChar(0x2026);  // the ellipsis, code 133 of Windows-1250
    return letters;
}

void tZunItem::Store(tZunStream& stream) const
{
    PrefetchTexts(Values);
    PrefetchTexts(G.s);
    stream.WriteByte(Default ? 1 : 0);
    for (const StoredField& f : kStored)
        Pack(stream, f, Values);
    G.Store(stream);
    stream.WriteInt32(FirstNumber);
    stream.WriteInt32(SecondNumber);
    stream.WriteByte(0);  // the tax block is never written again
    stream.WriteInt32(ThirdNumber);
    stream.WriteBytes(Raw.constData(), qMin<qint64>(Raw.size(), kRawBlockSize));
    for (qint64 k = Raw.size(); k < kRawBlockSize; ++k)
        stream.WriteByte(0);
}

void tZunItem::Load(tZunStream& stream)
{
    Default = stream.ReadByte() != 0;
    for (const StoredField& f : kStored)
        Unpack(f, stream.ReadString(), Values);
    G.Load(stream);
    FirstNumber = stream.ReadInt32();
    SecondNumber = stream.ReadInt32();
    HasTaxBlock = stream.ReadByte() == 1;
    ThirdNumber = stream.ReadInt32();
    const QByteArrayView raw = stream.ReadView(kRawBlockSize);
    Raw = raw == ZeroRawBlock() ? ZeroRawBlock() : raw.toByteArray();
    if (HasTaxBlock) {
        TaxBlock& tax = EditTax();
        for (QString& t : tax.Texts)
            t = stream.ReadString();
        for (QString& t : tax.Texts2)
            t = stream.ReadString();
        tax.Bytes = stream.ReadBytes(kTaxKeptBytes);
        stream.Skip(kTaxSkippedBytes);
    } else {
        tax_.reset();
    }
    NormalizeAfterReading();
}

const tZunItem::TaxBlock& tZunItem::Tax() const
{
    static const TaxBlock empty;
    return tax_ ? *tax_ : empty;
}

tZunItem::TaxBlock& tZunItem::EditTax()
{
    if (!tax_)
        tax_ = std::make_unique<TaxBlock>();
    return *tax_;
}

void tZunItem::NormalizeAfterReading()
{
    QString& nazwa = Values[Nazwa];
    if (nazwa.isEmpty())
        nazwa = Values[Firma];
    if (nazwa.isEmpty())
        nazwa = Values[ImieNazwisko];
    if (Values[Id].isEmpty())
        Values[Id] = ShortIdOf(nazwa);
    if (Values[ImieNazwisko].isEmpty() && Values[Firma].isEmpty() && !nazwa.isEmpty())
        Values[nazwa.count(' ') == 1 ? ImieNazwisko : Firma] = nazwa;
}

QString tZunItem::ExportString(QChar separator) const
{
    QString line = TzunGenericItem::ExportString(separator);
    for (const QString& v : Values)
        line += v + separator;
    return line + separator;
}

QString tZunItem::ExportTitleString(QChar separator) const
{
    QString line = TzunGenericItem::ExportTitleString(separator);
    for (const char* name : kFieldNames)
        line += QString(name) + separator;
    return line + separator;
}

void tZunItem::AssignFrom(const TzunGenericItem* other)
{
    TzunGenericItem::AssignFrom(other);
    if (auto item = dynamic_cast<const tZunItem*>(other)) {
        Default = item->Default;
        Values = item->Values;
        FirstNumber = item->FirstNumber;
        SecondNumber = item->SecondNumber;
        ThirdNumber = item->ThirdNumber;
        Raw = item->Raw;
        HasTaxBlock = item->HasTaxBlock;
        tax_ = item->tax_ ? std::make_unique<TaxBlock>(*item->tax_) : nullptr;
    } else if (!other) {
        *this = tZunItem();
    }
}

bool tZunItem::SameAs(const TzunGenericItem* other) const
{
    if (!TzunGenericItem::SameAs(other))
        return false;
    auto item = dynamic_cast<const tZunItem*>(other);
    if (!item)
        return true;
    auto sameTexts = [](const auto& a, const auto& b) {
        for (size_t k = 0; k < a.size(); ++k)
            if (a[k].compare(b[k], Qt::CaseInsensitive) != 0)
                return false;
        return true;
    };
    const TaxBlock &tax = Tax(), &otherTax = item->Tax();
    return sameTexts(Values, item->Values) && sameTexts(tax.Texts, otherTax.Texts) &&
           sameTexts(tax.Texts2, otherTax.Texts2) && tax.Bytes == otherTax.Bytes &&
           FirstNumber == item->FirstNumber && SecondNumber == item->SecondNumber &&
           ThirdNumber == item->ThirdNumber && Raw == item->Raw;
}
