#pragma once

class TDelegacja;

// Settling a trip, up to the point where the settlement is entered: a settled trip is refused with
// "Delegacja jest oznaczona jako rozliczona!", the user confirms "Czy rozliczyć delegację?" with the
// trip's title, and the trip becomes settled as of today. False when the user declined. A settled
// trip never becomes unsettled again.
bool MarkTripSettled(TDelegacja& trip);
