#include "trips/TripSettlement.h"

#include <cmath>

SettlementResult RecalculateSettlement(const SettlementEntries& e)
{
    SettlementResult r;
    r.razem = e.przejazdy + e.diety + e.noclegi + e.dojazdyRyczalt + e.noclegiRyczalt + e.inneWydatki;
    if (e.zaliczkaUdzielona > r.razem)
        r.doZwrotu = e.zaliczkaUdzielona - r.razem;
    else
        r.doWyplaty = r.razem - e.zaliczkaUdzielona;
    return r;
}

int TripDayCount(double terminOd, double terminDo)
{
    return int(std::trunc(terminDo) - std::trunc(terminOd)) + 1;
}

Money TravelAndLocalTotal(Money dojazdyRyczalt, Money koszt1, Money koszt2, Money koszt3)
{
    return dojazdyRyczalt + koszt1 + koszt2 + koszt3;
}

Money LodgingFigure(Money noclegi, Money noclegiRyczalt) { return noclegi + noclegiRyczalt; }

Money TravelFigure(Money przejazdy, Money dojazdyRyczalt) { return przejazdy + dojazdyRyczalt; }
