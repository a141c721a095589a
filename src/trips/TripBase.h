#pragma once
#include <QList>
#include <QString>

class TDelegacja;
class tZunList;

// The trip base and the program-wide choice of a trip.

inline constexpr int kTripBaseKind = 33;  // "Rivazedur.dat"

// Registers the trip record class (10250). The program calls it at start-up, before the bases are
// opened; calling it again does nothing.
void RegisterTripsModule();

// The trip base opened at start-up; opened here on first use when the start-up did not.
tZunList& TripBase();

// The trip chosen last by PickTrip or made by the new trip dialog; none at start. Whoever removes a
// trip from the base clears it when it points there.
TDelegacja*& CurrentTrip();

// The trips of a base in order, empty places skipped.
QList<TDelegacja*> TripsOf(tZunList& base);

// Lets the user choose a trip of the trip base (caption "Wybierz Delegację", prompt as its title)
// and makes it CurrentTrip. Raises "Nie wybrałeś Delegacji!" when nothing is chosen and the pick
// list's own error when the base is empty.
TDelegacja* PickTrip(const QString& prompt);

// Titles of the trips of base (none: the trip base) that pass the filters, with their trips:
// includeSettled / includeUnsettled choose by state (neither set: no filter), fromDate and toDate
// (0: open) bound the whole day of issue. Returns the number of lines; nothing without a target.
struct TripLine {
    QString text;
    TDelegacja* trip = nullptr;
};
int ListTrips(tZunList* base, QList<TripLine>* target, bool includeSettled, bool includeUnsettled,
              double fromDate, double toDate);
