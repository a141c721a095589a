#include "trips/TripSettling.h"

#include "platform/Clock.h"
#include "platform/Messages.h"
#include "trips/TDelegacja.h"
#include "trips/TripTitles.h"

bool MarkTripSettled(TDelegacja& trip)
{
    if (trip.Rozliczona())
        RaiseUserError("Delegacja jest oznaczona jako rozliczona!");
    if (!Warn("Czy rozliczyć delegację?\r\n" + TripTitle(trip)))
        return false;
    trip.SetRozliczona(true);
    trip.SetDataRozliczenia(TodayNumber());
    return true;
}
