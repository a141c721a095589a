#include "StorageFixture.h"

#include "platform/Cp1250.h"
#include "storage/ZunItem.h"
#include "storage/ZunStream.h"

namespace {
using F = tZunItem::Field;

// A stored person record built from the layout: 18 string fields given in cp1250, everything else
// empty or as given.
QByteArray PersonBytes(const QList<QByteArray>& fields, quint8 taxFlag = 0, const QByteArray& tail = {})
{
    Bytes b;
    b.u16(4021).u8(1);
    for (int k = 0; k < 18; ++k)
        b.str(k < fields.size() ? fields[k] : QByteArray());
    b.emptyGeneric().i32(11).i32(22).u8(taxFlag).i32(33);
    QByteArray raw(234, '\0');
    raw[0] = 'R';
    raw[233] = 'Z';
    b.text(raw).add(tail);
    return b;
}

std::unique_ptr<tZunItem> Read(const QByteArray& bytes, qint64* remaining = nullptr)
{
    tZunStream in(bytes);
    auto object = in.ReadObject();
    if (remaining)
        *remaining = in.Remaining();
    return std::unique_ptr<tZunItem>(dynamic_cast<tZunItem*>(object.release()));
}

QList<QByteArray> Fields(std::initializer_list<std::pair<int, QByteArray>> set)
{
    QList<QByteArray> fields(18);
    for (const auto& [index, text] : set)
        fields[index] = text;
    fields[0] = fields[0].isEmpty() ? QByteArray("ID") : fields[0];
    fields[1] = fields[1].isEmpty() ? QByteArray("Nazwa") : fields[1];
    fields[2] = fields[2].isEmpty() ? QByteArray("Jan Nowak") : fields[2];
    return fields;
}
}  // namespace

using PersonRecord = StorageTest;

TEST_F(PersonRecord, StoredFormMatchesTheLayout)
{
    tZunItem item;
    item.Default = true;
    item.SetValue(F::Id, "ID");
    item.SetValue(F::Nazwa, "Nazwa");
    item.SetValue(F::ImieNazwisko, "Jan Nowak");
    item.SetValue(F::Adres, QString::fromUtf8("Długa 1"));
    item.SetValue(F::AdresWysylki, QString::fromUtf8("Długa 1"));
    item.SetValue(F::Kod, "00-001");
    item.SetValue(F::KodWysylki, "00-950");
    item.SetValue(F::Dowod, "AB123");
    item.SetValue(F::Email, "jan@example.pl");
    item.SetValue(F::Komorka, "600");
    item.FirstNumber = 11;
    item.SecondNumber = 22;
    item.ThirdNumber = 33;
    item.Raw[0] = 'R';
    item.Raw[233] = 'Z';
    tZunStream out;
    out.WriteObject(&item);
    const QByteArray expected = PersonBytes(Fields({{4, "D\xB3uga 1"}, {5, "00-001|00-950"}, {13, "AB123||"},
                                                    {14, "jan@example.pl|"}, {17, "600"}}));
    EXPECT_EQ(out.Bytes().toHex(), expected.toHex());

    qint64 remaining = -1;
    auto back = Read(expected, &remaining);
    ASSERT_TRUE(back);
    EXPECT_EQ(remaining, 0);
    EXPECT_TRUE(back->SameAs(&item));
    EXPECT_TRUE(back->Default);
}

TEST_F(PersonRecord, PackedFieldsOnReading)
{
    struct Case {
        const char* what;
        int field;  // stored field index
        QByteArray stored;
        F first, second;
        QString firstValue, secondValue;
    };
    const QString dluga = QString::fromUtf8("Długa 1");
    const Case cases[] = {
        {"equal addresses stored once", 4, "D\xB3uga 1", F::Adres, F::AdresWysylki, dluga, dluga},
        {"empty shipping address takes the address", 4, "D\xB3uga 1|", F::Adres, F::AdresWysylki, dluga, dluga},
        {"empty address takes the shipping one", 4, "|Kr\xF3tka", F::Adres, F::AdresWysylki,
         QString::fromUtf8("Krótka"), QString::fromUtf8("Krótka")},
        {"two cities", 6, "Krak\xF3w|\xA3\xF3\x64\x9F", F::Miasto, F::MiastoWysylki, QString::fromUtf8("Kraków"),
         QString::fromUtf8("Łódź")},
        {"rest after the first bar", 5, "00-001|00-950|x", F::Kod, F::KodWysylki, "00-001", "00-950|x"},
        {"passport without vehicle stays so", 12, "AA1234567|", F::Paszport, F::Samochod, "AA1234567", ""},
        {"vehicle without passport stays so", 12, "|KR 12345", F::Paszport, F::Samochod, "", "KR 12345"},
        {"old field without bar gives both", 12, "AA1234567", F::Paszport, F::Samochod, "AA1234567", "AA1234567"},
        {"passport and vehicle", 12, "AA1|KR 1", F::Paszport, F::Samochod, "AA1", "KR 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto item = Read(PersonBytes(Fields({{c.field, c.stored}})));
        ASSERT_TRUE(item);
        EXPECT_EQ(item->Value(c.first), c.firstValue);
        EXPECT_EQ(item->Value(c.second), c.secondValue);
    }
}

TEST_F(PersonRecord, GroupsSplitIntoTheirValuesInOrder)
{
    struct Case {
        QByteArray dowod, email;
        QString id, issuer, date, mail, www;
    };
    const Case cases[] = {
        {"AB123||", "a@b.pl|", "AB123", "", "", "a@b.pl", ""},
        {"AB123|Prezydent|2001-01-01", "|www.x.pl", "AB123", "Prezydent", "2001-01-01", "", "www.x.pl"},
        {"AB123", "a@b.pl", "AB123", "", "", "a@b.pl", ""},
        {"", "", "", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dowod.toStdString());
        auto item = Read(PersonBytes(Fields({{13, c.dowod}, {14, c.email}})));
        ASSERT_TRUE(item);
        EXPECT_EQ(item->Value(F::Dowod), c.id);
        EXPECT_EQ(item->Value(F::DowodWystawca), c.issuer);
        EXPECT_EQ(item->Value(F::DowodDataW), c.date);
        EXPECT_EQ(item->Value(F::Email), c.mail);
        EXPECT_EQ(item->Value(F::Www), c.www);
    }
}

TEST_F(PersonRecord, PassportWithoutVehicleSurvivesARoundTrip)
{
    tZunItem item;
    item.SetValue(F::Nazwa, "Jan");
    item.SetValue(F::Id, "Jan");
    item.SetValue(F::Firma, "Jan");
    item.SetValue(F::Paszport, "AA1234567");
    tZunStream out;
    out.WriteObject(&item);
    auto back = Read(out.Bytes());
    EXPECT_EQ(back->Value(F::Paszport), "AA1234567");
    EXPECT_EQ(back->Value(F::Samochod), "");
}

TEST_F(PersonRecord, NormalisationOfOldDataOnReading)
{
    struct Case {
        const char* what;
        QByteArray id, nazwa, imie, firma;
        QString expId, expNazwa, expImie, expFirma;
    };
    const QString ellipsis = QString("Przeds") + QChar(0x2026);
    const Case cases[] = {
        {"name from the firm", "X", "", "Jan Nowak", "Firma SA", "X", "Firma SA", "Jan Nowak", "Firma SA"},
        {"name from the person", "X", "", "Jan Nowak", "", "X", "Jan Nowak", "Jan Nowak", ""},
        {"id from the name, letters only", "", "Kowal-1 S.A.", "", "Kowal", "KowalSA", "Kowal-1 S.A.", "", "Kowal"},
        {"12 letters stay whole", "", "Abcdefghijkl", "x", "", "Abcdefghijkl", "Abcdefghijkl", "x", ""},
        {"13 letters are cut to 6 and the ellipsis", "", "Przedsiebiorstwo", "x", "", ellipsis, "Przedsiebiorstwo", "x", ""},
        {"one space: a person", "J", "Jan Nowak", "", "", "J", "Jan Nowak", "Jan Nowak", ""},
        {"two spaces: a firm", "J", "Jan Nowak SA", "", "", "J", "Jan Nowak SA", "", "Jan Nowak SA"},
        {"no space: a firm", "J", "Nowak", "", "", "J", "Nowak", "", "Nowak"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QList<QByteArray> fields(18);
        fields[0] = c.id;
        fields[1] = c.nazwa;
        fields[2] = c.imie;
        fields[3] = c.firma;
        auto item = Read(PersonBytes(fields));
        ASSERT_TRUE(item);
        EXPECT_EQ(item->Value(F::Id), c.expId);
        EXPECT_EQ(item->Value(F::Nazwa), c.expNazwa);
        EXPECT_EQ(item->Value(F::ImieNazwisko), c.expImie);
        EXPECT_EQ(item->Value(F::Firma), c.expFirma);
    }
}

TEST_F(PersonRecord, OldFilesWithTheTaxBlock)
{
    Bytes tax;
    tax.str("US Krak\xF3w").emptyStrings(20).emptyStrings(19).str("ostatni").text("12345678").zeros(201);
    qint64 remaining = -1;
    auto item = Read(PersonBytes(Fields({}), 1, tax.bytes() + "NEXT"), &remaining);
    ASSERT_TRUE(item);
    EXPECT_EQ(remaining, 4);  // exactly the tax block was consumed
    EXPECT_TRUE(item->HasTaxBlock);
    EXPECT_EQ(item->Tax().Texts[0], QString::fromUtf8("US Kraków"));
    EXPECT_EQ(item->Tax().Texts2[19], "ostatni");
    EXPECT_EQ(item->Tax().Bytes, QByteArray("12345678"));

    // Written again without the block, and the flag is 0 (the groups are always joined by "|").
    tZunStream out;
    out.WriteObject(item.get());
    EXPECT_EQ(out.Bytes().toHex(), PersonBytes(Fields({{13, "||"}, {14, "|"}})).toHex());

    // A cut tax block is an error, not a silent partial record.
    tZunStream cut(PersonBytes(Fields({}), 1, tax.bytes().left(100)));
    EXPECT_ANY_THROW(cut.ReadObject());
}

TEST_F(PersonRecord, ExportLineAndTitle)
{
    tZunItem item;
    item.SetValue(F::Id, "id1");
    item.SetValue(F::DowodDataW, "2001");
    const QString title = item.ExportTitleString(';');
    EXPECT_TRUE(title.endsWith(";d10;id;Nazwa;ImieNazwisko;Firma;Adres;Kod;Miasto;Bank;Konto;NIP;Regon;PEsel;"
                               "Paszport;Dowod;email;telefon;faks;komorka;AdresWysylki;KodWysylki;MiastoWysylki;www;"
                               "samochod;dowodWystawca;dowodDataW;;"));
    const QString line = item.ExportString(';');
    EXPECT_EQ(line, QString(55, ';') + "id1;" + QString(23, ';') + "2001;;");
}
