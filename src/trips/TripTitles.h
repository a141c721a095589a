#pragma once
#include <QString>

class TDelegacja;

// The texts by which a trip is named in lists, questions, documents and payments. TripTitle and
// TripTitleFor are mark-up: the typed texts in them are escaped.

// "Delegacja nr <Numer> z dn. <issue date as d-mm-yyyy, or "-">"
QString TripTitle(const TDelegacja& trip);
// TripTitle followed by " dla " and the employee's name.
QString TripTitleFor(const TDelegacja& trip);
// TripTitle as plain text for the title of a payment.
QString PaymentTitle(const TDelegacja& trip);
// TripTitleFor as the user typed its parts (for plain-text output).
QString PlainTripTitleFor(const TDelegacja& trip);
