#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/PersonTexts.h"
#include "persons/PrintContext.h"
#include "persons/ShortenText.h"

#include <gtest/gtest.h>

namespace {
TDane Firm()
{
    TDane d;
    d.id = "ABC";
    d.Nazwa = "ABC Sp. z o.o.";
    d.Firma = "ABC Sp. z o.o.";
    d.ImieNazwisko = "Anna Nowak";
    d.Adres = "Długa 1";
    d.Kod = "80-831";
    d.Miasto = "Gdańsk";
    d.NIP = "123-456-32-18";
    d.Regon = "123456785";
    return d;
}

TDane Private()
{
    TDane d;
    d.id = "JK";
    d.Nazwa = "Jan Kowalski";
    d.ImieNazwisko = "Jan Kowalski";
    d.Adres = "Polna 2";
    d.Kod = "00-950";
    d.Miasto = "Warszawa";
    d.PEsel = "44051401359";
    return d;
}
}  // namespace

TEST(PersonTexts, ShortNameAndEmptiness)
{
    TDane d;
    EXPECT_TRUE(IsEmptyPerson(d));
    d.samochod = "GD 12345";
    EXPECT_TRUE(IsEmptyPerson(d));
    d.ImieNazwisko = "Jan";
    EXPECT_FALSE(IsEmptyPerson(d));
    EXPECT_EQ(ShortName(d), "Jan");
    d.Nazwa = "Nazwa";
    EXPECT_EQ(ShortName(d), "Nazwa");
    d.id = "N";
    EXPECT_EQ(ShortName(d), "N");
}

TEST(PersonTexts, CorrespondenceAddressShownOnlyWhenComplete)
{
    struct Case {
        QString adres, kod, miasto;
        bool other;
    };
    const Case cases[] = {
        {"Długa 1", "80-831", "Gdańsk", false},   // the same address
        {"Skrytka 5", "80-831", "Gdańsk", true},
        {"Długa 1", "80-832", "Gdańsk", true},
        {"Skrytka 5", "", "Gdańsk", false},       // a part missing
        {"", "", "", false},
    };
    for (const Case& c : cases) {
        TDane d = Firm();
        d.AdresWysylki = c.adres;
        d.KodWysylki = c.kod;
        d.MiastoWysylki = c.miasto;
        EXPECT_EQ(HasOtherCorrespondenceAddress(d), c.other) << c.adres.toStdString();
        EXPECT_EQ(ListDescription(d).contains("adres do korespondencji"), c.other);
    }
}

TEST(PersonTexts, ListDescriptionForms)
{
    TDane firm = Firm();
    EXPECT_EQ(ListDescription(firm), "ABC: <b>ABC Sp. z o.o.</b><br>Długa 1, 80-831 <b>Gdańsk</b><br><b>123-456-32-18</b>");

    TDane person = Private();
    person.email = "jan@example.pl";
    EXPECT_EQ(ListDescription(person), "JK: <b>Jan Kowalski</b><br>Polna 2, 00-950 <b>Warszawa</b>"
                                       "<br>email: <a href=\"mailto:jan@example.pl\">jan@example.pl</a>");

    TDane trader = Private();
    trader.Nazwa = "Usługi Transportowe Jan Kowalski";
    EXPECT_EQ(ListDescription(trader), "<b>JK</b>: Jan Kowalski, <b>Usługi Transportowe Jan Kowalski</b>"
                                       "<br>Polna 2, 00-950 <b>Warszawa</b>");

    TDane branch = Firm();
    branch.Nazwa = "ABC Oddział Gdańsk";
    branch.AdresWysylki = "Skrytka 5";
    branch.KodWysylki = "80-800";
    branch.MiastoWysylki = "Gdańsk";
    EXPECT_EQ(ListDescription(branch), "<b>ABC</b>: Anna Nowak, <b>ABC Oddział Gdańsk</b> ABC Sp. z o.o."
                                       "<br>Długa 1, 80-831 <b>Gdańsk</b>"
                                       "<br>adres do korespondencji: Skrytka 5 80-800, Gdańsk<br><b>123-456-32-18</b>");

    TDane longName = Firm();
    longName.Firma = longName.Nazwa = QString("Przedsiębiorstwo ").repeated(5);
    EXPECT_TRUE(ListDescription(longName).startsWith("ABC: <b>" + ShortenText(longName.Firma, 64) + "</b>"));
}

TEST(PersonTexts, DocumentTexts)
{
    const TDane firm = Firm();
    EXPECT_EQ(AddressLine(firm), "Długa 1, 80-831 Gdańsk");
    EXPECT_EQ(AddressLine(TDane()), "");
    EXPECT_EQ(AddressBlock(firm), "Anna Nowak<br>ABC Sp. z o.o.<br>Długa 1<br><b>80-831 Gdańsk</b>");
    EXPECT_EQ(PartyDescription(firm), "ABC Sp. z o.o.<br>Długa 1, <b>80-831 Gdańsk</b><br>NIP: <b>123-456-32-18</b>");
    EXPECT_EQ(OneLineText(firm), "(ABC) ABC Sp. z o.o. • Długa 1, 80-831 Gdańsk • 123-456-32-18 123456785");

    TDane onlyName;
    onlyName.ImieNazwisko = "Jan Kowalski";
    EXPECT_EQ(PartyDescription(onlyName), "Jan Kowalski<br>, <b> </b><br>NIP: <b></b>");

    TDane contacts = Firm();
    EXPECT_EQ(ContactsText(contacts), "");
    contacts.email = "biuro@abc.pl";
    contacts.Bank = "PKO BP";
    contacts.faks = "58 1";
    contacts.komorka = "600";
    EXPECT_EQ(ContactsText(contacts), "<br>email: <a href=\"mailto:biuro@abc.pl\">biuro@abc.pl</a>"
                                      "<br>konto:  w PKO BP<br>faks: 58 1, komórka: 600, ");
}

TEST(PersonTexts, PersonBlock)
{
    EXPECT_EQ(PersonBlock(TDane(), false, true, true), "-");

    TDane firm = Firm();
    firm.PEsel = "44051401359";   // not shown for a firm
    firm.Konto = "10101010-123";
    firm.Bank = "NBP";
    firm.telefon = "58 111";
    firm.email = "a@abc.pl";
    firm.samochod = "GD 1";
    EXPECT_EQ(PersonBlock(firm, false, false, false),
              "<textfont></i><b>ABC Sp. z o.o.</b><br>Długa 1, 80-831 Gdańsk<br>"
              "NIP: 123-456-32-18  –  REGON: 123456785<br>"
              "<opisfont>telefon: 58 111  –  e-mail: a@abc.pl<br>"
              "<textfont>konto: 10101010-123 (NBP)");
    // On invoices the contacts need the option; the vehicle is shown.
    EXPECT_EQ(PersonBlock(firm, true, false, false),
              "<fakturatextfont></i><b>ABC Sp. z o.o.</b><br>Długa 1, 80-831 Gdańsk<br>"
              "NIP: 123-456-32-18  –  REGON: 123456785<br>"
              "<fakturatextfont>konto: 10101010-123 (NBP)"
              "<fakturaopisfont>numer rejestracyjny pojazdu: <fakturatextfont>GD 1");
    SetAllDataOnInvoicesSource([] { return true; });
    EXPECT_TRUE(PersonBlock(firm, true, false, false).contains("<br><fakturaopisfont>telefon: 58 111  –  e-mail: a@abc.pl<br>"));
    SetAllDataOnInvoicesSource({});

    TDane person = Private();
    person.AdresWysylki = "Skrytka 5";
    person.KodWysylki = "00-001";
    person.MiastoWysylki = "Warszawa";
    EXPECT_EQ(PersonBlock(person, false, true, true),
              "<textfont></i><b>Jan Kowalski</b><br>Polna 2, 00-950 Warszawa<br>"
              "adres do korespondencji: Skrytka 5, 00-001 Warszawa<br>"
              "<b>adres dostawy: Skrytka 5, 00-001 Warszawa</b><br>"
              "PESEL: 44051401359<br><textfont>");
}

TEST(PersonTexts, TypedTextIsEscapedInEveryText)
{
    TDane d = Firm();
    d.id = "K&S";
    d.Nazwa = d.Firma = "Kowalski & Syn <Oddział>";
    d.Adres = "Długa <1>";
    d.email = "a&b@x.pl";
    const QString escapedName = "Kowalski &amp; Syn &lt;Oddział&gt;";
    const QString texts[] = {ListDescription(d), PersonBlock(d, false, false, false), PartyDescription(d),
                             OneLineText(d), AddressBlock(d)};
    for (const QString& text : texts) {
        EXPECT_TRUE(text.contains(escapedName)) << text.toStdString();
        EXPECT_FALSE(text.contains("<Oddział>")) << text.toStdString();
    }
    EXPECT_TRUE(ListDescription(d).startsWith("K&amp;S: <b>"));
    EXPECT_EQ(AddressLine(d), "Długa &lt;1&gt;, 80-831 Gdańsk");
    EXPECT_EQ(ContactsText(d), "<br>email: <a href=\"mailto:a&amp;b@x.pl\">a&amp;b@x.pl</a>");
    EXPECT_EQ(ShortName(d), "K&S");  // plain text, not mark-up
}

TEST(PersonTexts, ShortenText)
{
    struct Case {
        QString text;
        int n;
        QString result;
    };
    const Case cases[] = {
        {"Krótki", 10, "Krótki"},
        {"Dokładnie", 9, "Dokładnie"},
        {"Ala ma kota i psa", 12, "Ala ma kota …"},   // back to the blank in the second half
        {"Konstantynopolitańczykowianeczka", 10, "Konst…"},  // no blank: cut back to half
        {"abc", 0, "abc"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenText(c.text, c.n), c.result) << c.text.toStdString();
}
