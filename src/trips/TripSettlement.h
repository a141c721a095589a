#pragma once
#include "text/Money.h"

// The arithmetic of a trip's settlement: the user enters every component as an amount; the program
// only adds them up and balances the total against the granted advance.

struct SettlementEntries {
    Money przejazdy;
    Money diety;
    Money noclegi;
    Money dojazdyRyczalt;
    Money noclegiRyczalt;
    Money inneWydatki;
    Money zaliczkaUdzielona;
};

struct SettlementResult {
    Money razem;
    Money doWyplaty;
    Money doZwrotu;
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
Money TravelAndLocalTotal(Money dojazdyRyczalt, Money koszt1, Money koszt2, Money koszt3);

// The figures of the trip list: lodging by bills with the lodging lump sum, and travel costs with the
// local-transport lump sum.
Money LodgingFigure(Money noclegi, Money noclegiRyczalt);
Money TravelFigure(Money przejazdy, Money dojazdyRyczalt);
