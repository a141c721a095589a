#include "trips/TripBase.h"

#include "platform/Messages.h"
#include "storage/BaseKinds.h"
#include "storage/RecordClasses.h"
#include "storage/StartupBases.h"
#include "storage/ZunList.h"
#include "trips/TDelegacja.h"
#include "trips/TripTitles.h"

#include <cmath>

void RegisterTripsModule()
{
    if (!IsRecordClassRegistered(TDelegacja::kTypeNumber))
        RegisterRecordClass(TDelegacja::kTypeNumber, "TDelegacja", [] { return std::make_unique<TDelegacja>(); });
}

tZunList& TripBase()
{
    if (tZunList* opened = FindOpenBase(kTripBaseKind))
        return *opened;
    RegisterTripsModule();
    std::unique_ptr<tZunList> base = MakeBaseList(kTripBaseKind);
    base->OpenBase(kTripBaseKind);
    return *KeepBase(std::move(base));
}

TDelegacja*& CurrentTrip()
{
    static TDelegacja* current = nullptr;
    return current;
}

QList<TDelegacja*> TripsOf(tZunList& base)
{
    QList<TDelegacja*> trips;
    for (int i = 0; i < base.Count(); ++i)
        if (auto* trip = base.GetAs<TDelegacja>(i))
            trips.append(trip);
    return trips;
}

TDelegacja* PickTrip(const QString& prompt)
{
    CurrentTrip() = nullptr;
    const QList<TDelegacja*> trips = TripsOf(TripBase());
    QStringList lines;
    for (const TDelegacja* trip : trips)
        lines.append(TripTitleFor(*trip) + "<hr>");
    const int chosen = PickFromList(lines, "Wybierz Delegację", prompt, -1);
    if (chosen < 0 || chosen >= trips.size())
        RaiseUserError("Nie wybrałeś Delegacji!");
    CurrentTrip() = trips[chosen];
    return trips[chosen];
}

int ListTrips(tZunList* base, QList<TripLine>* target, bool includeSettled, bool includeUnsettled,
              double fromDate, double toDate)
{
    if (!target)
        return 0;
    target->clear();
    const bool byState = includeSettled || includeUnsettled;
    const double fromDay = std::trunc(fromDate), toDay = std::trunc(toDate);
    for (TDelegacja* trip : TripsOf(base ? *base : TripBase())) {
        if (byState && (trip->Rozliczona() ? !includeSettled : !includeUnsettled))
            continue;
        const double issued = std::trunc(trip->DataWystawienia());
        if ((fromDate != 0 && issued < fromDay) || (toDate != 0 && issued > toDay))
            continue;
        target->append({TripTitleFor(*trip), trip});
    }
    return int(target->size());
}
