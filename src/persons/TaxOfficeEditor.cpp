#include "persons/TaxOfficeEditor.h"

#include "persons/Banks.h"
#include "persons/NumberChecks.h"
#include "persons/ReferenceBases.h"
#include "persons/TUrzadSkarbowy.h"
#include "persons/TaxNumberExceptions.h"
#include "platform/Cp1250.h"
#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "platform/Progress.h"
#include "storage/ZunList.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace {
using Office = TUrzadSkarbowy;
const QString kSelectOffice = "Zaznacz jakiś urząd!";

// The ten grid columns are the first ten texts of an office.
constexpr std::array<Office::Member, 10> kTableFields{&Office::Nazwa, &Office::Adres, &Office::Kod, &Office::Miasto,
                                                      &Office::Konto, &Office::PrefiksNIP1, &Office::PrefiksNIP2,
                                                      &Office::InneNIPy, &Office::Opis, &Office::Zasieg};

bool SaveOffices()
{
    tZunList* offices = TaxOfficesBase();
    return offices->SaveToFile(BaseFilePath(offices), true);
}

// The office an imported line updates: the last with the same city and account.
Office* ImportTarget(const QString& city, const QString& account)
{
    tZunList* offices = TaxOfficesBase();
    for (int i = offices->Count() - 1; i >= 0; --i) {
        auto* office = offices->GetAs<Office>(i);
        if (office && office->Miasto == city && office->Konto == account)
            return office;
    }
    return nullptr;
}
}  // namespace

const QStringList& TaxOfficeEditor::TableHeader()
{
    static const QStringList header{"nazwa urzędu", "adres", "kod", "miejscowość", "konto",
                                    "prefiks NIPu 1", "prefiks NIPu 2", "inne NIPy", "opis", "zasięg"};
    return header;
}

TaxOfficeEditor::TaxOfficeEditor()
{
    ShowStatus("Ustawiam listę urzędów...");
    Refill();
    EndStatus();
}

void TaxOfficeEditor::Refill()
{
    FillTaxOfficeList(lines_, false);
    if (SelectedLine() < 0)
        selected_ = nullptr;
}

void TaxOfficeEditor::Select(int line)
{
    selected_ = line >= 0 && line < lines_.size() ? lines_[line].office : nullptr;
}

int TaxOfficeEditor::SelectedLine() const
{
    for (int i = 0; i < lines_.size(); ++i)
        if (selected_ && lines_[i].office == selected_)
            return i;
    return -1;
}

TaxOfficeEditor::Fields TaxOfficeEditor::FieldsOf(const TUrzadSkarbowy* office)
{
    if (!office)
        return {};
    const Office& o = *office;
    return {o.Nazwa, o.Adres, o.Kod, o.Miasto, o.Konto, o.PrefiksNIP1, o.PrefiksNIP2, o.Opis, o.Zasieg,
            o.Wojewodztwo, o.MiastaGminy, o.IBAN != 0};
}

QString TaxOfficeEditor::BankHint(const QString& account) { return BankOfAccount(account + "222-2323-232"); }

QString TaxOfficeEditor::AccountLines(const TUrzadSkarbowy* office)
{
    if (!office)
        return "-";
    return "PIT: " + OfficeAccount(*office, "222-3") + "\r\nCIT: " + OfficeAccount(*office, "222-1") + "\r\nVAT: "
           + OfficeAccount(*office, "222-2");
}

QString TaxOfficeEditor::AccountHelp(const TUrzadSkarbowy* office)
{
    QString text = "Wpisz numer rachunku bankowego w formacie 1010XXX-YYYYY.\r\n"
                   "Program przetwarza numer konta na wydruku do formatu IBAN "
                   "w oparciu o wybrany rodzaj podatku - jeśli to potrzebne.";
    if (office)
        text += "\r\n\r\nDla tego urzędu konta będą następujące:\r\n" + AccountLines(office);
    return text;
}

QString TaxOfficeEditor::PrefixHelp()
{
    return "Dla każdego urzędu standardowo przypisano dwa prefiksy numerów NIP.\r\n"
           "Ponieważ jednak NIP dostajesz raz na całe życie, a siatka urzędów i ich zasięg ulega zmianie, "
           "możesz podlegać pod inny urząd, niż ten, który wydał Ci NIP.\r\n"
           "Dopisz wtedy konkretny NIP do listy wyjątków.";
}

void TaxOfficeEditor::Apply(const Fields& f)
{
    if (!selected_) {
        Warn(kSelectOffice);
        return;
    }
    Office& o = *selected_;
    o.Nazwa = f.Nazwa;
    o.Adres = f.Adres;
    o.Kod = f.Kod;
    o.Miasto = f.Miasto;
    o.Konto = f.Konto;
    o.PrefiksNIP1 = f.PrefiksNIP1;
    o.PrefiksNIP2 = f.PrefiksNIP2;
    o.Opis = f.Opis;
    o.Zasieg = f.Zasieg;
    o.Wojewodztwo = f.Wojewodztwo;
    o.MiastaGminy = f.MiastaGminy;
    o.IBAN = f.IBAN ? 1 : 0;
    Refill();
}

void TaxOfficeEditor::NewOffice()
{
    auto office = std::make_unique<Office>();
    if (selected_)
        office->CopyFrom(*selected_);
    Office* added = office.get();
    TaxOfficesBase()->Add(std::move(office));
    selected_ = added;
    Refill();
}

void TaxOfficeEditor::DeleteSelected()
{
    if (!selected_) {
        Warn(kSelectOffice);
        return;
    }
    if (!Warn("Czy usunąć ten urząd?\r\n" + selected_->Nazwa + "\r\n" + selected_->Miasto))
        return;
    tZunList* offices = TaxOfficesBase();
    offices->Delete(offices->IndexOf(selected_));
    selected_ = nullptr;
    Refill();
}

void TaxOfficeEditor::ShowSortHint()
{
    Warn("Aby posortować urzędy, przejdź na zakładkę Tabela, \r\n"
         "wybierz rodzaj sortowania klikając na nagłówku wybranej kolumny i naciśnij przycisk Zachowaj.");
}

bool TaxOfficeEditor::Save() { return SaveOffices(); }

void TaxOfficeEditor::ShowExceptions()
{
    QStringList lines;
    if (!ReadTaxNumberExceptionLines(lines) || lines.isEmpty()) {
        Warn("Lista wyjątków jest pusta!\r\nLub nie udało się jej odczytać.");
        return;
    }
    ShowTextList("Lista wyjątków", "Lista wyjątków NIPów", lines);
}

void TaxOfficeEditor::AssignNipToOffice() { ::AssignNipToOffice(selected_); }

void TaxOfficeEditor::Search()
{
    const QString wanted = InputText("Wyszukaj", "Szukany tekst", LastPickSearchText());
    if (wanted.isEmpty())
        return;
    LastPickSearchText() = wanted;
    QStringList texts;
    for (const TaxOfficeLine& line : lines_)
        texts << line.text;
    const int found = FindPickLine(texts, wanted, SelectedLine() + 1);
    const int line = found >= 0 ? found : FindPickLine(texts, wanted, 0);
    if (line < 0)
        Warn("Niestety, nic nie znalazłem!");
    else
        Select(line);
}

int TaxOfficeEditor::ImportFromTextFile()
{
    const QString file = Dialogs().OpenFileName({"Urzędy skarbowe", {}, {}, "Pliki tekstowe (*.txt);;Wszystkie pliki (*)"});
    return file.isEmpty() ? 0 : ImportFromText(file);
}

int TaxOfficeEditor::ImportFromText(const QString& file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        RaiseUserError("Nie udało się odczytać pliku " + file);
    int read = 0;
    for (const QString& line : FromCp1250(input.readAll()).split(QRegularExpression("\r\n|\n|\r"))) {
        if (line.count('\t') <= 5)
            continue;
        const QStringList f = line.split('\t');
        auto field = [&f](int n) { return f.value(n - 1); };
        QString account = field(8);
        account.replace("-222", "-").replace("-223", "-");

        Office* office = ImportTarget(field(4), account);
        if (!office) {
            auto added = std::make_unique<Office>();
            office = added.get();
            TaxOfficesBase()->Add(std::move(added));
        }
        office->Nazwa = field(3);
        office->Adres = field(6);
        office->Kod = field(2);
        office->Miasto = field(4);
        office->Konto = account;
        office->Zasieg = QString(field(10)).replace("<br>", " ");
        office->Wojewodztwo = field(14);
        office->MiastaGminy = field(18);
        office->Zaimportowany = 1;
        ++read;
    }
    Refill();
    return read;
}

QList<TaxOfficeEditor::Row> TaxOfficeEditor::TableRows() const
{
    QList<Row> rows;
    tZunList* offices = TaxOfficesBase();
    for (int i = 0; i < offices->Count(); ++i) {
        auto* office = offices->GetAs<Office>(i);
        if (!office)
            continue;
        Row row;
        row.office = office;
        for (size_t c = 0; c < kTableFields.size(); ++c)
            row.cells[c] = office->*kTableFields[c];
        rows << row;
    }
    return rows;
}

bool TaxOfficeEditor::ApplyTable(const QList<Row>& rows)
{
    tZunList* offices = TaxOfficesBase();
    QSet<const Office*> kept;
    for (const Row& row : rows)
        if (row.office)
            kept.insert(row.office);
    for (int i = offices->Count() - 1; i >= 0; --i) {
        const auto* office = offices->GetAs<Office>(i);
        if (office && !kept.contains(office))
            offices->Delete(i);
    }
    // The base takes the order of the rows: sorting the table sorts the offices.
    for (int i = 0; i < rows.size(); ++i) {
        Office* office = rows[i].office;
        if (!office) {
            auto added = std::make_unique<Office>();
            office = added.get();
            offices->Add(std::move(added));
        }
        const int at = offices->IndexOf(office);
        if (at != i)
            offices->Insert(i, offices->Take(at));
        for (size_t c = 0; c < kTableFields.size(); ++c)
            office->*kTableFields[c] = rows[i].cells[c];
    }
    if (selected_ && !kept.contains(selected_))
        selected_ = nullptr;
    const bool saved = SaveOffices();
    Refill();
    return saved;
}

void AssignNipToOffice(TUrzadSkarbowy* office)
{
    const QString nip = InputText("Przypisz NIP", "Podaj NIP, który mam na stałe przypisać dla tego urzędu", QString());
    if (nip.isEmpty())
        return;
    if (!office)
        RaiseUserError("Wybierz urząd skarbowy!\r\nPrzypisanie NIPu nie było możliwe.");
    if (!IsValidNip(nip))
        RaiseUserError("Nieprawidłowy NIP!\r\n" + nip + "\r\nPrzypisanie nie było możliwe.");
    if (FindTaxOfficeByNip(nip) == office)
        RaiseUserError("Ten NIP jest już przypisany dla tego urzędu!\r\nPrzypisanie nie było możliwe.");
    const QString digits = DigitsOf(nip);
    if (Warn(QString("Czy ustawić NIP %1 na stałe dla tego urzędu skarbowego?").arg(digits) + "\r\n" + office->Nazwa
             + "\r\n" + office->Miasto))
        WriteTaxNumberException(digits, office->Nazwa, office->Miasto);
}
