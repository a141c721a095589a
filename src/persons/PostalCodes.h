#pragma once
#include <QString>

// The city of a postal code ("00-950") from the cities base: every city with that code, else the
// city of the nearest lower code; empty without the base or for a code not of six characters.
QString CityOfPostalCode(const QString& code);
