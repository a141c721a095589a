#pragma once
#include "persons/TDane.h"

#include <QString>

class tZunItem;

// How a person is shown in lists and printed on documents. Every text is mark-up; what the user
// typed is put in escaped, so "<" and "&" in a name print as themselves. ShortName is the one plain
// text.

QString ShortName(const TDane& d);
bool IsEmptyPerson(const TDane& d);
bool HasOtherCorrespondenceAddress(const TDane& d);

QString AddressLine(const TDane& d);
QString AddressBlock(const TDane& d);          // envelopes and address pages
QString PartyDescription(const TDane& d);      // trip documents and windows
QString OneLineText(const TDane& d);
QString ContactsText(const TDane& d);
QString ListDescription(const TDane& d);       // person lists and search results
QString ListDescription(const tZunItem& item);
// The party block of printed documents (transfers, cash slips, invoices).
QString PersonBlock(const TDane& d, bool invoiceFonts, bool showCorrespondence, bool showDelivery);

inline constexpr int kListNameLength = 64;
