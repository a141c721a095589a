#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/PersonItem.h"
#include "persons/TDane.h"
#include "persons/TSkarboweDane.h"
#include "platform/Cp1250.h"
#include "storage/ZunItem.h"

namespace {
TDane Load(const QByteArray& bytes)
{
    tZunStream stream(bytes);
    TDane d;
    d.Load(stream);
    EXPECT_EQ(stream.Remaining(), 0);
    return d;
}

// The 18 fields of the encoding, given as the texts the file holds.
QByteArray Encoded(const QStringList& fields)
{
    QByteArray bytes;
    for (const QString& f : fields)
        bytes += Field(ToCp1250(f));
    return bytes;
}
}  // namespace

TEST(PersonData, StoredFormPacksPairs)
{
    TDane d;
    d.id = "KOW";
    d.Nazwa = "Jan Kowalski";
    d.ImieNazwisko = "Jan Kowalski";
    d.Adres = d.AdresWysylki = "Długa 1";      // equal: written once
    d.Kod = "00-950";                          // shipping empty: "00-950|"
    d.Miasto = "Gdańsk";
    d.MiastoWysylki = "Sopot";
    d.Paszport = "AB1234567";
    d.Dowod = "ABC123456";
    d.dowodDataW = "2020-01-02";
    d.email = "jan@example.pl";
    d.telefon = "58 123 45 67";
    const QByteArray expected = Encoded({"KOW", "Jan Kowalski", "Jan Kowalski", "", "Długa 1", "00-950|",
                                         "Gdańsk|Sopot", "", "", "", "", "", "AB1234567|", "ABC123456||2020-01-02",
                                         "jan@example.pl|", "58 123 45 67", "", ""});
    EXPECT_EQ(StoredBody(d).toHex(), expected.toHex());
}

TEST(PersonData, ReadingUnpacksPairsAndKeepsAPassportAlone)
{
    struct Case {
        QString adres, dowod, paszport;
        QString wantAdres, wantAdresWysylki, wantDowod, wantWystawca, wantData, wantPaszport, wantSamochod;
    };
    const Case cases[] = {
        {"Długa 1", "AB123||", "P1", "Długa 1", "Długa 1", "AB123", "", "", "P1", "P1"},
        {"Długa 1|", "AB123|UM Gdańsk|2001-02-03", "P1|", "Długa 1", "Długa 1", "AB123", "UM Gdańsk", "2001-02-03", "P1", ""},
        {"|Krótka 2", "AB123", "|GD 12345", "Krótka 2", "Krótka 2", "AB123", "", "", "", "GD 12345"},
        {"Długa 1|Krótka 2", "", "P1|GD 1", "Długa 1", "Krótka 2", "", "", "", "P1", "GD 1"},
    };
    for (const Case& c : cases) {
        const TDane d = Load(Encoded({"X", "Nazwa", "Osoba", "", c.adres, "", "", "", "", "", "", "", c.paszport,
                                      c.dowod, "", "", "", ""}));
        SCOPED_TRACE(c.adres.toStdString());
        EXPECT_EQ(d.Adres, c.wantAdres);
        EXPECT_EQ(d.AdresWysylki, c.wantAdresWysylki);
        EXPECT_EQ(d.Dowod, c.wantDowod);
        EXPECT_EQ(d.dowodWystawca, c.wantWystawca);
        EXPECT_EQ(d.dowodDataW, c.wantData);
        EXPECT_EQ(d.Paszport, c.wantPaszport);
        EXPECT_EQ(d.samochod, c.wantSamochod);
    }
}

TEST(PersonData, ReadingFillsNamesOfOldData)
{
    struct Case {
        QString id, nazwa, imie, firma;
        QString wantId, wantNazwa, wantImie, wantFirma;
    };
    const Case cases[] = {
        {"", "", "", "Hurtownia", "Hurtownia", "Hurtownia", "", "Hurtownia"},
        {"", "", "Jan Nowak", "", "JanNowak", "Jan Nowak", "Jan Nowak", ""},
        {"JN", "Jan Nowak", "", "", "JN", "Jan Nowak", "Jan Nowak", ""},            // one blank: a person
        {"PH", "P.H. Nowak i syn", "", "", "PH", "P.H. Nowak i syn", "", "P.H. Nowak i syn"},
        {"", "Przedsiębiorstwo Handlowe", "", "", "Przeds…", "Przedsiębiorstwo Handlowe", "Przedsiębiorstwo Handlowe", ""},
        {"", "Hurtownia Zbożowa Pomorze", "", "", "Hurtow…", "Hurtownia Zbożowa Pomorze", "", "Hurtownia Zbożowa Pomorze"},
    };
    for (const Case& c : cases) {
        const TDane d = Load(Encoded({c.id, c.nazwa, c.imie, c.firma, "", "", "", "", "", "", "", "", "", "", "", "", "", ""}));
        SCOPED_TRACE(c.nazwa.toStdString());
        EXPECT_EQ(d.id, c.wantId);
        EXPECT_EQ(d.Nazwa, c.wantNazwa);
        EXPECT_EQ(d.ImieNazwisko, c.wantImie);
        EXPECT_EQ(d.Firma, c.wantFirma);
    }
}

TEST(PersonData, ExportOrderFollowsThePersonItem)
{
    const auto& fields = TDane::Fields();
    for (int i = 0; i < tZunItem::FieldCount; ++i)
        EXPECT_STREQ(fields[size_t(i)].first, tZunItem::FieldName(tZunItem::Field(i)));

    TDane d;
    d.Nazwa = "Firma";
    d.www = "www.example.pl";
    const QString line = d.ExportString(';');
    EXPECT_EQ(line.count(';'), 25);
    EXPECT_EQ(line.section(';', 1, 1), "Firma");
    EXPECT_EQ(line.section(';', 21, 21), "www.example.pl");
    EXPECT_TRUE(TDane::ExportTitleString('\t').startsWith("id\tNazwa\tImieNazwisko\tFirma\tAdres\t"));
    EXPECT_TRUE(TDane::ExportTitleString('\t').endsWith("samochod\tdowodWystawca\tdowodDataW\t"));

    // A person item carries the same record.
    tZunItem item;
    d.Regon = "123456785";
    SetDane(item, d);
    EXPECT_EQ(item.Value(tZunItem::Regon), "123456785");
    EXPECT_EQ(DaneOf(item), d);
}

TEST(PersonData, TaxDataEncodingAndExport)
{
    TSkarboweDane t;
    t.Nazwisko = "Nowak";
    t.Imie = "Anna";
    t.Nazwapelna = "Anna Nowak";          // not stored
    t.Kraj = "Polska";
    t.KontoUrzeduCIT = "10101010-222-1";
    t.Nienazwany = "x";                   // neither stored nor exported
    t.Stanowisko = "księgowa";
    t.resString[0] = "wolny 1";
    t.resString[19] = "wolny 20";
    t.DataUrodzenia = 30000.0;

    QByteArray expected = Field("Nowak") + Field("Anna") + Field("Polska");
    for (int i = 0; i < 16; ++i)
        expected += Field("");
    expected += Field("10101010-222-1") + Field(ToCp1250(u"księgowa"));
    expected += Field("wolny 1");
    for (int i = 0; i < 18; ++i)
        expected += Field("");
    expected += Field("wolny 20");
    QByteArray date(8, '\0');
    qToLittleEndian(30000.0, date.data());
    expected += date + Zeros(201);
    const QByteArray stored = StoredBody(t);
    EXPECT_EQ(stored.toHex(), expected.toHex());

    tZunStream stream(stored);
    TSkarboweDane back;
    back.Load(stream);
    EXPECT_EQ(stream.Remaining(), 0);
    EXPECT_EQ(back.Stanowisko, "księgowa");
    EXPECT_EQ(back.resString[19], "wolny 20");
    EXPECT_EQ(back.DataUrodzenia, 30000.0);
    EXPECT_TRUE(back.Nazwapelna.isEmpty());

    const QString line = t.ExportString('|');
    EXPECT_TRUE(line.startsWith("Anna Nowak|Nowak|Anna|Polska|"));
    EXPECT_EQ(line.count('|'), 42);
    EXPECT_TRUE(line.contains("|księgowa||wolny 1|"));
    EXPECT_TRUE(line.endsWith("||wolny 20"));
    const QString title = TSkarboweDane::ExportTitleString('|');
    EXPECT_TRUE(title.startsWith("Nazwapelna|Nazwisko|Imie|Kraj|Wojewodztwo|"));
    EXPECT_TRUE(title.contains("|KontoUrzeduCIT|Stanowisko||resString1|resString2|"));
    EXPECT_TRUE(title.endsWith("|resString20"));
    EXPECT_EQ(title.count('|'), line.count('|'));
}

TEST(PersonData, PersonItemMeaning)
{
    tZunItem item;
    SetStalyRabat(item, 120);
    SetStalaMarza(item, -5);
    SetStalyTerminPlatnosci(item, 30);
    EXPECT_EQ(StalyRabat(item), 95);
    EXPECT_EQ(StalaMarza(item), 0);
    EXPECT_EQ(StalyTerminPlatnosci(item), 30);
    EXPECT_EQ(item.FirstNumber, 95);
    EXPECT_EQ(item.ThirdNumber, 30);

    item.SetValue(tZunItem::Miasto, "Gdańsk");
    EXPECT_EQ(MiejsceWystawienia(item), "Gdańsk");
    item.G.s[2] = "Sopot";
    EXPECT_EQ(MiejsceWystawienia(item), "Sopot");

    // Tax data comes only from older files and goes back into the item's block.
    EXPECT_EQ(SkarboweOf(item), TSkarboweDane());
    TSkarboweDane t;
    t.Stanowisko = "kierowca";
    t.DataUrodzenia = 25000.5;
    SetSkarbowe(item, t);
    EXPECT_EQ(SkarboweOf(item).Stanowisko, "kierowca");
    EXPECT_EQ(SkarboweOf(item).DataUrodzenia, 25000.5);
}
