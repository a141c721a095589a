#include "trips/TripTitles.h"

#include "text/DateText.h"
#include "text/MarkupEscape.h"
#include "text/TextUtils.h"
#include "trips/MarkupToPlainText.h"
#include "trips/TDelegacja.h"

namespace {
QString IssueDateText(const TDelegacja& trip)
{
    return trip.DataWystawienia() == 0 ? QStringLiteral("-") : ShortDate(trip.DataWystawienia());
}

QString PlainTripTitle(const TDelegacja& trip)
{
    return QString("Delegacja nr %1 z dn. %2").arg(trip.Numer(), IssueDateText(trip));
}
}  // namespace

QString TripTitle(const TDelegacja& trip)
{
    return QString("Delegacja nr %1 z dn. %2").arg(EscapeMarkup(trip.Numer()), IssueDateText(trip));
}

QString TripTitleFor(const TDelegacja& trip)
{
    return TripTitle(trip) + " dla " + EscapeMarkup(trip.Pracownik.ImieNazwisko);
}

QString PlainTripTitleFor(const TDelegacja& trip)
{
    return PlainTripTitle(trip) + " dla " + trip.Pracownik.ImieNazwisko;
}

QString PaymentTitle(const TDelegacja& trip)
{
    QString title = TripTitle(trip);
    ReplaceAllText("\r\n", ", ", title);
    return MarkupToPlainText(title);
}
