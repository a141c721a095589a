#pragma once
#include "printing/TableDocument.h"

class TDelegacja;

// The two documents of a trip, composed as table documents: the trip order ("Polecenie wyjazdu
// służbowego") and the settlement ("Rozliczenie wyjazdu służbowego"). Every text the user typed goes
// into the mark-up escaped, so it prints exactly as typed.

TableDocument TripOrderDocument(const TDelegacja& trip);
TableDocument TripSettlementDocument(const TDelegacja& trip);

// The heading block shared by both documents: the employee, destination, dates, purpose, transport
// and the signature of the person who delegates.
QString DelegowanyBlock(const TDelegacja& trip);

// Prints copies of a document: IleKopii copies (a value below 1 is first set to 1 in the trip), each
// a job of its own titled jobTitle; then the cursor goes back to normal.
// True when the last copy really reached the printer. A cancelled printer choice raises the print
// engine's abort error and stops the remaining copies.
bool PrintTripDocument(TDelegacja& trip, const TableDocument& document, const QString& jobTitle);
