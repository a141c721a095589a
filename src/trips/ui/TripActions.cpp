#include "trips/ui/TripActions.h"

#include "storage/ZunList.h"
#include "trips/TDelegacja.h"
#include "trips/TripBase.h"
#include "trips/TripSettling.h"
#include "trips/ui/TeEdycjaDelegacji.h"

bool SettleTrip(TDelegacja& trip)
{
    if (!MarkTripSettled(trip))
        return false;
    // The settled mark is kept even when the settlement is not entered now, so it is saved at once
    // rather than with some later change (the program saves nothing when it closes).
    if (!EditTrip(trip))
        SaveAllBases();
    return true;
}

bool SettleTripFromLauncher() { return SettleTrip(*PickTrip("Którą delegację rozliczyć?")); }

TDelegacja* CloneTrip()
{
    const TDelegacja* original = PickTrip("Wybierz delegację, którą chcesz skopiować...");
    auto clone = std::make_unique<TDelegacja>();
    clone->AssignFrom(original);
    if (!EditTrip(*clone))
        return nullptr;
    TDelegacja* added = clone.get();
    TripBase().Add(std::move(clone));
    SaveAllBases();
    return added;
}
