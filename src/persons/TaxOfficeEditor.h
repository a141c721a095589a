#pragma once
#include "persons/TaxOffices.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class TUrzadSkarbowy;

// What the tax office editor does, apart from its widgets: the office list, the fields of the
// selected office, the buttons of both pages and the import of offices from a text file.
class TaxOfficeEditor {
public:
    // The fields of the "Edycja" page.
    struct Fields {
        QString Nazwa, Adres, Kod, Miasto, Konto, PrefiksNIP1, PrefiksNIP2, Opis, Zasieg, Wojewodztwo, MiastaGminy;
        bool IBAN = true;
        bool operator==(const Fields&) const = default;
    };
    // A row of the "Tabela" page: the ten cells and the office it came from (none for a new row).
    struct Row {
        std::array<QString, 10> cells{};
        TUrzadSkarbowy* office = nullptr;
    };
    static const QStringList& TableHeader();

    TaxOfficeEditor();

    const QList<TaxOfficeLine>& Lines() const { return lines_; }
    void Refill();
    // Selects the office of a line (-1 or a line without an office: none).
    void Select(int line);
    TUrzadSkarbowy* Selected() const { return selected_; }
    int SelectedLine() const;

    // The fields of an office, or the empty fields with "IBAN" ticked.
    static Fields FieldsOf(const TUrzadSkarbowy* office);
    // The bank beside the account field.
    static QString BankHint(const QString& account);
    // "PIT: …", "CIT: …", "VAT: …" on three lines, "-" without an office.
    static QString AccountLines(const TUrzadSkarbowy* office);
    static QString AccountHelp(const TUrzadSkarbowy* office);
    static QString PrefixHelp();

    void Apply(const Fields& fields);       // "Zastosuj"
    void NewOffice();                       // "Nowy urząd"
    void DeleteSelected();                  // "Usuń"
    static void ShowSortHint();             // "&Sortuj" / "Posortuj..."
    bool Save();                            // "Zachowaj zmiany"
    static void ShowExceptions();           // "Lista wyjątków..."
    void AssignNipToOffice();               // "Dodaj NIP..."
    void Search();                          // "Wyszukaj..."
    // "-": asks for the file, reads it and refills the list; the number of offices read.
    int ImportFromTextFile();
    int ImportFromText(const QString& file);

    QList<Row> TableRows() const;
    // Writes the rows into the base (offices without a row are removed, rows without an office
    // become new offices) and saves it.
    bool ApplyTable(const QList<Row>& rows);

private:
    QList<TaxOfficeLine> lines_;
    TUrzadSkarbowy* selected_ = nullptr;
};

// "Dodaj NIP...": ties a NIP the user types to the office in the exceptions file.
void AssignNipToOffice(TUrzadSkarbowy* office);
