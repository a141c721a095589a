#pragma once
#include <QChar>
#include <QString>
#include <array>
#include <utility>

class tZunStream;
class tZunItem;

// The person data record: names, addresses, bank account, tax and identity numbers and contacts of
// a person or firm. Records that name a person (trips, journal entries) keep a copy of it.
struct TDane {
    qint32 Reserved = 0;  // carried in memory only

    QString id;            // short name, at most 32 characters
    QString Nazwa;         // name on transfers and invoices
    QString ImieNazwisko;  // first name and surname; on trip documents the signature
    QString Firma;
    QString Adres;
    QString Kod;
    QString Miasto;
    QString AdresWysylki;  // correspondence address, filled only when it differs
    QString KodWysylki;
    QString MiastoWysylki;
    QString Bank;
    QString Konto;
    QString NIP;
    QString Regon;
    QString PEsel;
    QString Paszport;
    QString samochod;      // vehicle registration number
    QString Dowod;         // identity card number
    QString dowodWystawca;
    QString dowodDataW;
    QString email;
    QString www;
    QString telefon;
    QString faks;
    QString komorka;

    using Member = QString TDane::*;
    // The 25 texts with their export titles, in the order of the export.
    static const std::array<std::pair<const char*, Member>, 25>& Fields();

    // The person-data encoding: 18 string fields, pairs of equal values written once.
    void Store(tZunStream& stream) const;
    // Reads the encoding and applies the rules for old data ("Nazwa", "id", the name fields).
    void Load(tZunStream& stream);

    // The 25 texts in export order, each followed by the separator.
    QString ExportString(QChar separator) const;
    static QString ExportTitleString(QChar separator);

    bool operator==(const TDane& other) const;
    // Every text equal without regard to letter case.
    bool SameAs(const TDane& other) const;
    void Clear() { *this = TDane(); }
};

// The person data record of a person item, and back.
TDane DaneOf(const tZunItem& item);
void SetDane(tZunItem& item, const TDane& dane);

// The rules for old data applied when a record is read.
void NormalizePersonData(TDane& dane);
