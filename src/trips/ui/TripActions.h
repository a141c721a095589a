#pragma once

class TDelegacja;

// The trip actions the launcher and the trip list start.

// Settles a trip: refuses a settled one, asks "Czy rozliczyć delegację?", marks it settled as of
// today and opens the edit dialog on it. True when the user agreed to settle, whatever the dialog's
// outcome (a cancelled dialog leaves the trip settled with the amounts it had, and saved so).
bool SettleTrip(TDelegacja& trip);
// Launcher "Rozlicz delegację": asks "Którą delegację rozliczyć?", then SettleTrip.
bool SettleTripFromLauncher();
// Launcher "Nowy klon delegacji...": a copy of a chosen trip (number, state and amounts included),
// completed in the edit dialog and appended to the trip base on OK; none when cancelled.
TDelegacja* CloneTrip();
