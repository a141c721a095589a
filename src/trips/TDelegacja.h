#pragma once
#include "persons/TDane.h"
#include "persons/TSkarboweDane.h"
#include "storage/GenericItem.h"
#include "text/Money.h"

#include <QByteArray>
#include <QString>

// One domestic business trip: who sends whom, where, when and why, the advance, up to three legs of
// travel and the settlement. Kept in the slots of the big block of a tZunBigItem, followed by copies
// of the employer's and the employee's data as they were when the trip was made.
class TDelegacja : public tZunBigItem {
public:
    static constexpr quint16 kTypeNumber = 10250;
    static constexpr int kReserveSize = 201;

    TDelegacja() : Rezerwa(kReserveSize, '\0') {}
    QString ClassName() const override { return "TDelegacja"; }

// Named fields of the big block: Name() reads a slot, SetName() writes it.
#define VENDROLA_TRIP_TEXT(Name, slot) \
    const QString& Name() const { return B.s[slot]; } \
    void Set##Name(const QString& v) { B.s[slot] = v; }
#define VENDROLA_TRIP_MONEY(Name, slot) \
    Money Name() const { return Money::FromUnits(B.c[slot]); } \
    void Set##Name(Money v) { B.c[slot] = v.Units(); }
#define VENDROLA_TRIP_FLAG(Name, slot) \
    bool Name() const { return B.b[slot]; } \
    void Set##Name(bool v) { B.b[slot] = v; }
#define VENDROLA_TRIP_DATE(Name, slot) \
    double Name() const { return B.d[slot]; } \
    void Set##Name(double v) { B.d[slot] = v; }

    VENDROLA_TRIP_TEXT(Numer, 1)
    VENDROLA_TRIP_TEXT(MiejsceWystawienia, 2)
    VENDROLA_TRIP_TEXT(MiejsceDelegowania, 3)
    VENDROLA_TRIP_TEXT(CelDelegowania, 4)
    VENDROLA_TRIP_TEXT(SrodekTransportu, 5)
    VENDROLA_TRIP_TEXT(Uwagi, 6)
    VENDROLA_TRIP_TEXT(Stanowisko, 7)

    VENDROLA_TRIP_MONEY(ZaliczkaWnioskowana, 1)
    VENDROLA_TRIP_MONEY(ZaliczkaUdzielona, 2)
    VENDROLA_TRIP_MONEY(Przejazdy, 3)
    VENDROLA_TRIP_MONEY(Diety, 4)
    VENDROLA_TRIP_MONEY(Noclegi, 5)
    VENDROLA_TRIP_MONEY(DojazdyRyczalt, 6)
    VENDROLA_TRIP_MONEY(NoclegiRyczalt, 7)
    VENDROLA_TRIP_MONEY(InneWydatki, 8)
    VENDROLA_TRIP_MONEY(Razem, 9)
    VENDROLA_TRIP_MONEY(DoWyplaty, 10)
    VENDROLA_TRIP_MONEY(DoZwrotu, 11)

    VENDROLA_TRIP_FLAG(Rozliczona, 1)

    VENDROLA_TRIP_DATE(DataWystawienia, 1)
    VENDROLA_TRIP_DATE(TerminOd, 2)
    VENDROLA_TRIP_DATE(TerminDo, 3)
    VENDROLA_TRIP_DATE(DataWyplatyZaliczki, 4)
    VENDROLA_TRIP_DATE(TerminRozliczenia, 5)
    VENDROLA_TRIP_DATE(DataRozliczenia, 6)
    VENDROLA_TRIP_DATE(DataWyplaty, 7)
    // The approved amount in złoty, kept as a plain number in a date slot; nothing sets it.
    VENDROLA_TRIP_DATE(ZatwierdzonoNaZl, 18)

#undef VENDROLA_TRIP_TEXT
#undef VENDROLA_TRIP_MONEY
#undef VENDROLA_TRIP_FLAG
#undef VENDROLA_TRIP_DATE

    qint32 IleKopii() const { return B.i[1]; }
    void SetIleKopii(qint32 v) { B.i[1] = v; }

    // The legs of travel, numbered 1 to 3.
    static constexpr int kLegCount = 3;
    bool Odcinek(int leg) const { return B.b[10 + leg]; }
    void SetOdcinek(int leg, bool v) { B.b[10 + leg] = v; }
    const QString& Wyjazd(int leg) const { return B.s[8 + 3 * leg]; }
    void SetWyjazd(int leg, const QString& v) { B.s[8 + 3 * leg] = v; }
    const QString& Przyjazd(int leg) const { return B.s[9 + 3 * leg]; }
    void SetPrzyjazd(int leg, const QString& v) { B.s[9 + 3 * leg] = v; }
    const QString& Srodek(int leg) const { return B.s[10 + 3 * leg]; }
    void SetSrodek(int leg, const QString& v) { B.s[10 + 3 * leg] = v; }
    double WyjazdCzas(int leg) const { return B.d[9 + 2 * leg]; }
    void SetWyjazdCzas(int leg, double v) { B.d[9 + 2 * leg] = v; }
    double PrzyjazdCzas(int leg) const { return B.d[10 + 2 * leg]; }
    void SetPrzyjazdCzas(int leg, double v) { B.d[10 + 2 * leg] = v; }
    Money Koszt(int leg) const { return Money::FromUnits(B.c[14 + leg]); }
    void SetKoszt(int leg, Money v) { B.c[14 + leg] = v.Units(); }

    TDane Pracodawca;
    TDane Pracownik;
    TSkarboweDane DaneSkarbowe;
    QByteArray Rezerwa;  // always kReserveSize bytes, carried unchanged

    void Load(tZunStream& stream) override;
    void Store(tZunStream& stream) const override;
    QString ExportString(QChar separator) const override;
    QString ExportTitleString(QChar separator) const override;
    void AssignFrom(const TzunGenericItem* other) override;
    bool SameAs(const TzunGenericItem* other) const override;

    // The trip documents; true when the last copy really reached the printer.
    bool PrintOrder();
    bool PrintSettlement();
};
