#pragma once
#include <QString>
#include <QStringList>

// NIPs tied to a particular tax office, whatever office their prefix points to: the section
// "Wyjątki" of the tax-number exceptions file, one key per NIP (its digits), the value the office's
// name + "|" + its city.
inline constexpr const char* kExceptionsSection = "Wyjątki";

struct TaxNumberException {
    QString name;
    QString city;
};

// The office a NIP is tied to; both texts empty when it is not listed.
TaxNumberException ReadTaxNumberException(const QString& nipDigits);
bool WriteTaxNumberException(const QString& nip, const QString& name, const QString& city);
// The lines of the exceptions file; false when it cannot be read.
bool ReadTaxNumberExceptionLines(QStringList& lines);
