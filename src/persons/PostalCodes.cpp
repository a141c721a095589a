#include "persons/PostalCodes.h"

#include "persons/ReferenceBases.h"
#include "persons/TMiasto.h"
#include "platform/Cp1250.h"
#include "storage/ZunList.h"

QString CityOfPostalCode(const QString& code)
{
    tZunList* cities = CitiesBase();
    if (code.size() != 6 || !HasBaseFile(cities))
        return {};
    QString result;
    bool matched = false;
    for (int i = 0; i < cities->Count(); ++i) {
        const auto* city = cities->GetAs<TMiasto>(i);
        if (!city || city->Kod != code)
            continue;
        if (!matched) {
            result = city->Miasto;
            matched = true;
        } else if (!city->Miasto.contains(result, Qt::CaseInsensitive)
                   && !result.contains(city->Miasto, Qt::CaseInsensitive)) {
            result += ", " + city->Miasto;
        }
    }
    if (matched)
        return result;
    // Codes compare as the program stores them: byte by byte.
    for (int i = cities->Count() - 1; i >= 0; --i) {
        const auto* city = cities->GetAs<TMiasto>(i);
        if (city && ToCp1250(city->Kod) <= ToCp1250(code))
            return city->Miasto;
    }
    return {};
}
