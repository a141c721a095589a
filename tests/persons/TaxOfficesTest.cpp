#include "PersonsFixture.h"
#include "TestRoot.h"

#include "persons/NumberChecks.h"
#include "persons/ReferenceBases.h"
#include "persons/TUrzadSkarbowy.h"
#include "persons/TaxNumberExceptions.h"
#include "persons/TaxOfficeEditor.h"
#include "persons/TaxOffices.h"
#include "persons/TMalyBAnk.h"

namespace {
const QString kOfficesFile = QString(VENDROLA_TEST_DATA) + "/persons/urzedy.txt";

TUrzadSkarbowy* AddOffice(const QString& name, const QString& city, const QString& prefix1, const QString& prefix2 = {})
{
    auto office = std::make_unique<TUrzadSkarbowy>();
    office->Nazwa = name;
    office->Miasto = city;
    office->PrefiksNIP1 = prefix1;
    office->PrefiksNIP2 = prefix2;
    office->Adres = "Długa 1";
    office->Kod = "80-831";
    office->Konto = "10101010-123456-";
    TUrzadSkarbowy* added = office.get();
    TaxOfficesBase()->Add(std::move(office));
    return added;
}
}  // namespace

using TaxOffices = PersonsTest;

TEST_F(TaxOffices, OfficeOfANip)
{
    TUrzadSkarbowy* first = AddOffice("US Gdańsk I", "Gdańsk", "583", "584");
    TUrzadSkarbowy* second = AddOffice("US Warszawa", "Warszawa", "525", "123");
    EXPECT_EQ(FindTaxOfficeByNip("584-000-00-00"), first);   // the prefixes decide, valid or not
    EXPECT_EQ(FindTaxOfficeByNip("5250007738"), second);
    EXPECT_EQ(FindTaxOfficeByNip("12"), nullptr);
    EXPECT_EQ(FindTaxOfficeByNip("999"), nullptr);

    EXPECT_EQ(TaxOfficeOfNip("123-456-32-18"), "US Warszawa Warszawa");
    EXPECT_EQ(TaxOfficeOfNip("123-456-32-19"), "BŁĘDNY NIP");
    EXPECT_EQ(TaxOfficeOfNip("7740001454"), "");                // valid, no office

    // Tied to another office in the exceptions file.
    WriteTaxNumberException("1234563218", "us gdańsk i", "GDAŃSK");
    EXPECT_EQ(FindTaxOfficeByNip("123-456-32-18"), first);
    EXPECT_TRUE(Script().History().isEmpty());

    // Tied to an office that is gone: told (the key lets the user silence it), then the prefix decides.
    WriteTaxNumberException("1234563218", "US Sopot", "Sopot");
    Script().Yes();
    EXPECT_EQ(FindTaxOfficeByNip("1234563218"), second);
    const auto& shown = Script().History().last();
    EXPECT_EQ(shown.warning.heading, "NIP jest na liście wyjątków, ale nie znalazłem dla niego pasującego urzędu skarbowego!");
    EXPECT_EQ(shown.warning.body, "Ustaw powiązanie jeszcze raz.1234563218");
    EXPECT_EQ(shown.warning.key, "BrakUrzeduDlaNIPuListaWyjatkow");
}

TEST_F(TaxOffices, NipField)
{
    AddOffice("US Warszawa", "Warszawa", "123");
    struct Case {
        QString nip, text;
        bool invalid;
    };
    const Case cases[] = {
        {"", "", false},
        {"123-456-32-18", "US Warszawa Warszawa", false},
        {"7740001454", "", false},
        {"1000000160", "BŁĘDNY NIP", true},
        {"12345", "BŁĘDNY NIP", true},
    };
    for (const Case& c : cases) {
        const NipFieldCheck check = CheckNipField(c.nip);
        EXPECT_EQ(check.text, c.text) << c.nip.toStdString();
        EXPECT_EQ(check.invalid, c.invalid) << c.nip.toStdString();
    }
}

TEST_F(TaxOffices, AccountsOfAnOffice)
{
    TUrzadSkarbowy office;
    office.Konto = "10101010-123456-";
    EXPECT_EQ(OfficeAccount(office, "-222-1"), "10101010-123456-222-1");
    EXPECT_EQ(OfficeAccount(office, "222-2"), "10101010-123456-222-2");
    EXPECT_EQ(OfficeAccount(office, "22223"), "10101010-123456-222-23");   // digits only: a dash inserted

    office.IBAN = 1;
    office.Konto = "10101010-12345";
    const QString iban = OfficeAccount(office, "222-2");
    EXPECT_EQ(iban.size(), 26);
    EXPECT_TRUE(IsValidIban(iban));
    EXPECT_EQ(iban.mid(2), "10101010" "012345" "2222" "000000");
    EXPECT_NE(OfficeAccount(office, "222-1"), iban);

    office.Nazwa = "US Gdańsk I";
    office.Adres = "Długa 1";
    office.Kod = "80-831";
    office.Miasto = "Gdańsk";
    office.Opis = "not copied";
    auto branch = std::make_unique<TMalyBAnk>();
    branch->Numer = "10101010";
    branch->Nazwa = "NBP O. Gdańsk";
    BranchesBase()->Add(std::move(branch));
    const TDane payee = OfficeAsPerson(office);
    EXPECT_EQ(payee.Nazwa, "US Gdańsk I");
    EXPECT_EQ(payee.Konto, "10101010-12345");
    EXPECT_EQ(payee.Bank, "NBP O. Gdańsk");
    TDane expected;
    expected.Nazwa = payee.Nazwa;
    expected.Adres = "Długa 1";
    expected.Kod = "80-831";
    expected.Miasto = "Gdańsk";
    expected.Konto = payee.Konto;
    expected.Bank = payee.Bank;
    EXPECT_EQ(payee, expected);

    EXPECT_EQ(TaxOfficeDescription(office), "<b>US Gdańsk I</b><br>Długa 1, 80-831 Gdańsk<br>10101010-12345");
    office.Nazwa = "US <A&B>";
    EXPECT_TRUE(TaxOfficeDescription(office).startsWith("<b>US &lt;A&amp;B&gt;</b>"));
}

TEST_F(TaxOffices, ListOfOffices)
{
    AddOffice("US Gdańsk I", "Gdańsk", "583");
    AddOffice("US Warszawa", "Warszawa", "525");
    QList<TaxOfficeLine> lines{{"stara linia", nullptr}};
    FillTaxOfficeList(lines, true);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1].text, "US Warszawa Warszawa");
    EXPECT_EQ(lines[1].office, TaxOfficesBase()->Get(1));
    FillTaxOfficeList(lines, false);
    EXPECT_EQ(lines[0].text, "<b>US Gdańsk I</b><br>Długa 1, 80-831 Gdańsk<br>10101010-123456-");
}

TEST_F(TaxOffices, EditorButtons)
{
    AddOffice("US Gdańsk I", "Gdańsk", "583");
    TaxOfficeEditor editor;
    EXPECT_EQ(LastStatusText(), "Ustawiam listę urzędów...");
    ASSERT_EQ(editor.Lines().size(), 1);

    // Nothing selected.
    EXPECT_EQ(TaxOfficeEditor::FieldsOf(nullptr).IBAN, true);
    EXPECT_EQ(TaxOfficeEditor::AccountLines(nullptr), "-");
    editor.Apply({});
    EXPECT_EQ(Script().LastText(), "Zaznacz jakiś urząd!");
    editor.DeleteSelected();
    EXPECT_EQ(Script().LastText(), "Zaznacz jakiś urząd!");

    editor.Select(0);
    TaxOfficeEditor::Fields f = TaxOfficeEditor::FieldsOf(editor.Selected());
    EXPECT_EQ(f.Nazwa, "US Gdańsk I");
    EXPECT_FALSE(f.IBAN);
    f.Nazwa = "US Gdańsk II";
    f.IBAN = true;
    editor.Apply(f);
    EXPECT_EQ(editor.Selected()->Nazwa, "US Gdańsk II");
    EXPECT_EQ(editor.Selected()->IBAN, 1);
    EXPECT_TRUE(editor.Lines()[0].text.startsWith("<b>US Gdańsk II</b>"));
    EXPECT_TRUE(TaxOfficeEditor::AccountLines(editor.Selected()).startsWith("PIT: "));
    EXPECT_TRUE(TaxOfficeEditor::AccountHelp(editor.Selected()).contains("\r\n\r\nDla tego urzędu konta będą następujące:\r\nPIT: "));

    editor.NewOffice();
    ASSERT_EQ(editor.Lines().size(), 2);
    EXPECT_EQ(editor.SelectedLine(), 1);
    EXPECT_EQ(editor.Selected()->Nazwa, "US Gdańsk II");
    EXPECT_EQ(editor.Selected()->IBAN, 1);

    Script().No();
    editor.DeleteSelected();
    EXPECT_EQ(Script().History().last().warning.heading, "Czy usunąć ten urząd?");
    EXPECT_EQ(Script().History().last().warning.body, "US Gdańsk II\r\nGdańsk");
    EXPECT_EQ(editor.Lines().size(), 2);
    Script().Yes();
    editor.DeleteSelected();
    EXPECT_EQ(editor.Lines().size(), 1);
    EXPECT_EQ(editor.Selected(), nullptr);

    Script().Yes();
    editor.ShowSortHint();
    EXPECT_EQ(Script().History().last().warning.heading, "Aby posortować urzędy, przejdź na zakładkę Tabela,");

    ASSERT_TRUE(editor.Save());
    CloseAllBases();
    ASSERT_EQ(TaxOfficesBase()->Count(), 1);
    EXPECT_EQ(TaxOfficesBase()->GetAs<TUrzadSkarbowy>(0)->Nazwa, "US Gdańsk II");
}

TEST_F(TaxOffices, AssignNipToOffice)
{
    TUrzadSkarbowy* gdansk = AddOffice("US Gdańsk I", "Gdańsk", "583");
    AddOffice("US Warszawa", "Warszawa", "123");

    auto expectError = [](TUrzadSkarbowy* office, const QString& nip, const QString& error) {
        Script().Answer(nip);
        try {
            AssignNipToOffice(office);
            ADD_FAILURE() << "no error for " << nip.toStdString();
        } catch (const ZunError& e) {
            EXPECT_EQ(e.Text(), error);
        }
    };
    expectError(nullptr, "1234563218", "%Wybierz urząd skarbowy!\r\nPrzypisanie NIPu nie było możliwe.");
    expectError(gdansk, "123-456-32-19", "%Nieprawidłowy NIP!\r\n123-456-32-19\r\nPrzypisanie nie było możliwe.");
    expectError(gdansk, "583-000-00-03", "%Ten NIP jest już przypisany dla tego urzędu!\r\nPrzypisanie nie było możliwe.");

    Script().Answer(QString("123-456-32-18")).No();
    AssignNipToOffice(gdansk);
    EXPECT_EQ(Script().History().last().warning.heading,
              "Czy ustawić NIP 1234563218 na stałe dla tego urzędu skarbowego?");
    EXPECT_EQ(Script().History().last().warning.body, "US Gdańsk I\r\nGdańsk");
    EXPECT_EQ(ReadTaxNumberException("1234563218").name, "");

    Script().Answer(QString("123-456-32-18")).Yes();
    AssignNipToOffice(gdansk);
    EXPECT_EQ(ReadTaxNumberException("1234563218").name, "US Gdańsk I");
    EXPECT_EQ(FindTaxOfficeByNip("1234563218"), gdansk);

    // The exceptions list shows the file.
    TaxOfficeEditor::ShowExceptions();
    EXPECT_EQ(Script().History().last().kind, "textlist");
    EXPECT_TRUE(Script().History().last().lines.contains("1234563218=US Gdańsk I|Gdańsk"));
}

TEST_F(TaxOffices, EmptyExceptionsList)
{
    Script().Yes();
    TaxOfficeEditor::ShowExceptions();
    EXPECT_EQ(Script().History().last().warning.heading, "Lista wyjątków jest pusta!");
    EXPECT_EQ(Script().History().last().warning.body, "Lub nie udało się jej odczytać.");
}

TEST_F(TaxOffices, ImportFromTextFile)
{
    TaxOfficeEditor editor;
    EXPECT_EQ(editor.ImportFromText(kOfficesFile), 2);
    ASSERT_EQ(editor.Lines().size(), 2);
    const auto* gdansk = TaxOfficesBase()->GetAs<TUrzadSkarbowy>(0);
    EXPECT_EQ(gdansk->Nazwa, "Urząd Skarbowy Gdańsk I");
    EXPECT_EQ(gdansk->Kod, "80-831");
    EXPECT_EQ(gdansk->Adres, "ul. Długa 75/76");
    EXPECT_EQ(gdansk->Konto, "10101010-123456-");
    EXPECT_EQ(gdansk->Zasieg, "Gdańsk-Śródmieście Sopot");
    EXPECT_EQ(gdansk->Wojewodztwo, "pomorskie");
    EXPECT_EQ(gdansk->MiastaGminy, "Gdańsk, Sopot");
    EXPECT_EQ(gdansk->Zaimportowany, 1);
    const auto* gdynia = TaxOfficesBase()->GetAs<TUrzadSkarbowy>(1);
    EXPECT_EQ(gdynia->Konto, "10101010-654321-");
    EXPECT_EQ(gdynia->Zasieg, "");   // the line ends early

    // Read again: the same offices are updated, not added.
    EXPECT_EQ(editor.ImportFromText(kOfficesFile), 2);
    EXPECT_EQ(TaxOfficesBase()->Count(), 2);

    Script().Answer(ScriptedDialogs::Cancel{});
    EXPECT_EQ(editor.ImportFromTextFile(), 0);
    EXPECT_THROW(editor.ImportFromText(kOfficesFile + ".brak"), ZunError);
}

TEST_F(TaxOffices, TablePage)
{
    AddOffice("US A", "Gdańsk", "583");
    AddOffice("US B", "Sopot", "584");
    AddOffice("US C", "Gdynia", "586");
    TaxOfficeEditor editor;
    QList<TaxOfficeEditor::Row> rows = editor.TableRows();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1].cells[3], "Sopot");
    EXPECT_EQ(TaxOfficeEditor::TableHeader().size(), 10);

    // Sorted the other way, the middle row deleted, one row edited and one inserted.
    std::swap(rows[0], rows[2]);
    rows.removeAt(1);
    rows[0].cells[8] = "opis";
    TaxOfficeEditor::Row added;
    added.cells[0] = "US D";
    added.cells[7] = "7740001454";
    rows << added;
    ASSERT_TRUE(editor.ApplyTable(rows));

    CloseAllBases();
    tZunList* offices = TaxOfficesBase();
    ASSERT_EQ(offices->Count(), 3);
    EXPECT_EQ(offices->GetAs<TUrzadSkarbowy>(0)->Nazwa, "US C");
    EXPECT_EQ(offices->GetAs<TUrzadSkarbowy>(0)->Opis, "opis");
    EXPECT_EQ(offices->GetAs<TUrzadSkarbowy>(1)->Nazwa, "US A");
    EXPECT_EQ(offices->GetAs<TUrzadSkarbowy>(2)->Nazwa, "US D");
    // Saving tied the office's further NIP to it.
    EXPECT_EQ(ReadTaxNumberException("7740001454").name, "US D");
}
