#pragma once
#include <QtGlobal>

// The arithmetic of a trip's settlement: the user enters every component as an amount; the program
// only adds them up and balances the total against the granted advance. Amounts are raw money
// values in ten-thousandths of a złoty.

struct SettlementEntries {
    qint64 przejazdy = 0;
    qint64 diety = 0;
    qint64 noclegi = 0;
    qint64 dojazdyRyczalt = 0;
    qint64 noclegiRyczalt = 0;
    qint64 inneWydatki = 0;
    qint64 zaliczkaUdzielona = 0;
};

struct SettlementResult {
    qint64 razem = 0;
    qint64 doWyplaty = 0;
    qint64 doZwrotu = 0;
    bool operator==(const SettlementResult&) const = default;
};

// Total of the entered expenses (the fares of the legs are not part of it) and the balance against
// the advance: exactly one of DoWyplaty and DoZwrotu is non-zero, or both are zero when the advance
// equals the total. Computed in whole ten-thousandths, so no amount drifts.
SettlementResult RecalculateSettlement(const SettlementEntries& entries);

// Days of a trip counted inclusively from the whole days of its first and last date; a last day
// before the first gives 0 or less.
int TripDayCount(double terminOd, double terminDo);

// "Razem przejazdy, dojazdy:" of the settlement document: the local-transport lump sum and all three
// fares, whether the legs are marked as used or not.
qint64 TravelAndLocalTotal(qint64 dojazdyRyczalt, qint64 koszt1, qint64 koszt2, qint64 koszt3);
