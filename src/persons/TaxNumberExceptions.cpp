#include "persons/TaxNumberExceptions.h"

#include "persons/NumberChecks.h"
#include "platform/Cp1250.h"
#include "platform/Settings.h"
#include "platform/IniNamedFiles.h"

#include <QFile>
#include <QRegularExpression>

TaxNumberException ReadTaxNumberException(const QString& nipDigits)
{
    const QString value = ReadIni(TaxNumberExceptionsFile(), kExceptionsSection, nipDigits, QString());
    const int bar = value.indexOf('|');
    if (bar < 0)
        return {value, value};
    return {value.left(bar), value.mid(bar + 1)};
}

bool WriteTaxNumberException(const QString& nip, const QString& name, const QString& city)
{
    const QString digits = DigitsOf(nip);
    if (digits.isEmpty())
        return false;
    return WriteIni(TaxNumberExceptionsFile(), kExceptionsSection, digits, name + "|" + city);
}

bool ReadTaxNumberExceptionLines(QStringList& lines)
{
    QFile file(TaxNumberExceptionsFile());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    lines = FromCp1250(file.readAll()).split(QRegularExpression("\r\n|\n"));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return true;
}
