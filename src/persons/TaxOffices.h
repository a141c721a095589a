#pragma once
#include "persons/TDane.h"

#include <QList>
#include <QString>

class TUrzadSkarbowy;

// The office a NIP belongs to: tied to it in the exceptions file, else the first whose NIP prefix
// it starts with. None for a NIP of two digits or fewer.
TUrzadSkarbowy* FindTaxOfficeByNip(const QString& text);
// "BŁĘDNY NIP", the office's name and city, or empty when no office is found.
QString TaxOfficeOfNip(const QString& text);

// The check of a NIP field: the text beside it and whether the field is to be painted yellow.
struct NipFieldCheck {
    QString text;
    bool invalid = false;
};
NipFieldCheck CheckNipField(const QString& text);

QString TaxOfficeDescription(const TUrzadSkarbowy& office);

struct TaxOfficeLine {
    QString text;
    TUrzadSkarbowy* office = nullptr;
};
// One line per office in base order: name and city (short), else the description.
void FillTaxOfficeList(QList<TaxOfficeLine>& lines, bool shortForm);

// The office's account for a kind of tax ("222-1" CIT, "222-2" VAT, "222-3" PIT, …).
QString OfficeAccount(const TUrzadSkarbowy& office, const QString& suffix);
// The office as a payee.
TDane OfficeAsPerson(const TUrzadSkarbowy& office);
