#pragma once
#include <QChar>
#include <QString>
#include <array>
#include <utility>

class tZunStream;
class tZunItem;

// The tax data record of a person: names and address for tax forms, the tax office with its
// accounts, the position at work and twenty free texts.
struct TSkarboweDane {
    static constexpr int kFreeTexts = 20;
    static constexpr int kReservedBytes = 201;

    bool OsobaFizyczna = false;  // in memory only
    double DataUrodzenia = 0;    // the 8-byte value of the encoding

    QString Nazwisko;
    QString Imie;
    QString Nazwapelna;  // in memory and in the export only
    QString Kraj;
    QString Wojewodztwo;
    QString Powiat;
    QString Gmina;
    QString Ulica;
    QString NrDomu;
    QString NrLokalu;
    QString Miejscowosc;
    QString KodPocztowy;
    QString Poczta;
    QString NIP;
    QString REGON;
    QString UrzadSkarbowy;
    QString AdresUrzedu;
    QString KodUrzedu;
    QString MiescowoscUrzedu;
    QString KontoUrzeduVAT;
    QString KontoUrzeduCIT;
    QString Nienazwany;  // neither stored nor exported
    QString Stanowisko;  // position; the default position of an employee on a new trip
    std::array<QString, kFreeTexts> resString{};

    using Member = QString TSkarboweDane::*;
    // The 22 exported texts with their titles, in export order ("Nazwapelna" first).
    static const std::array<std::pair<const char*, Member>, 22>& ExportedFields();
    // The 21 stored texts in stored order.
    static const std::array<Member, 21>& StoredFields();

    // The tax-data encoding: 21 texts, 20 free texts, the birth date, 201 reserved zero bytes.
    void Store(tZunStream& stream) const;
    void Load(tZunStream& stream);

    QString ExportString(QChar separator) const;
    static QString ExportTitleString(QChar separator);

    bool operator==(const TSkarboweDane& other) const;
    void Clear() { *this = TSkarboweDane(); }
};

// The tax data a person item carries in memory (read only from files of older versions), and back.
TSkarboweDane SkarboweOf(const tZunItem& item);
void SetSkarbowe(tZunItem& item, const TSkarboweDane& dane);
