#include "persons/PersonTexts.h"

#include "persons/PrintContext.h"
#include "persons/ShortenText.h"
#include "storage/ZunItem.h"
#include "text/MarkupEscape.h"

#include <QStringList>

namespace {
// User-typed text ready for mark-up.
QString E(const QString& text) { return EscapeMarkup(text); }

const QString kDash = QStringLiteral("  –  ");

QString EmailLink(const QString& email)
{
    return QString("email: <a href=\"mailto:%1\">%2</a>").arg(E(email), E(email));
}
}  // namespace

QString ShortName(const TDane& d)
{
    if (!d.id.isEmpty())
        return d.id;
    return d.Nazwa.isEmpty() ? d.ImieNazwisko : d.Nazwa;
}

bool IsEmptyPerson(const TDane& d)
{
    for (const auto& [title, member] : TDane::Fields())
        if (member != &TDane::samochod && !(d.*member).isEmpty())
            return false;
    return true;
}

bool HasOtherCorrespondenceAddress(const TDane& d)
{
    if (d.AdresWysylki.isEmpty() || d.KodWysylki.isEmpty() || d.MiastoWysylki.isEmpty())
        return false;
    return d.AdresWysylki != d.Adres || d.KodWysylki != d.Kod || d.MiastoWysylki != d.Miasto;
}

QString AddressLine(const TDane& d)
{
    if (d.Adres.isEmpty() && d.Kod.isEmpty() && d.Miasto.isEmpty())
        return {};
    return E(d.Adres) + ", " + E(d.Kod) + " " + E(d.Miasto);
}

QString AddressBlock(const TDane& d)
{
    QString text;
    if (!d.ImieNazwisko.isEmpty())
        text += E(d.ImieNazwisko) + "<br>";
    if (!d.Firma.isEmpty())
        text += E(d.Firma) + "<br>";
    return text + E(d.Adres) + "<br><b>" + E(d.Kod) + " " + E(d.Miasto) + "</b>";
}

QString PartyDescription(const TDane& d)
{
    const QString& name = !d.Nazwa.isEmpty() ? d.Nazwa : !d.Firma.isEmpty() ? d.Firma : d.ImieNazwisko;
    return E(name) + "<br>" + E(d.Adres) + ", <b>" + E(d.Kod) + " " + E(d.Miasto) + "</b><br>NIP: <b>"
           + E(d.NIP) + "</b>";
}

QString OneLineText(const TDane& d)
{
    return "(" + E(d.id) + ") " + E(d.Nazwa) + " • " + E(d.Adres) + ", " + E(d.Kod) + " " + E(d.Miasto)
           + " • " + E(d.NIP) + " " + E(d.Regon);
}

QString ContactsText(const TDane& d)
{
    QString text;
    if (!d.email.isEmpty())
        text += "<br>" + EmailLink(d.email);
    if (!d.Konto.isEmpty() || !d.Bank.isEmpty())
        text += "<br>konto: " + E(d.Konto) + " w " + E(d.Bank);
    if (!d.telefon.isEmpty() || !d.faks.isEmpty() || !d.komorka.isEmpty()) {
        text += "<br>";
        if (!d.telefon.isEmpty())
            text += "telefon: " + E(d.telefon) + ", ";
        if (!d.faks.isEmpty())
            text += "faks: " + E(d.faks) + ", ";
        if (!d.komorka.isEmpty())
            text += "komórka: " + E(d.komorka) + ", ";
    }
    return text;
}

QString ListDescription(const TDane& d)
{
    QString text;
    const bool firmNamed = !d.Firma.isEmpty() && d.Firma != d.Nazwa;
    const bool personNamed = d.Firma.isEmpty() && d.ImieNazwisko != d.Nazwa;
    if (firmNamed || personNamed) {
        text = "<b>" + E(d.id) + "</b>: " + E(d.ImieNazwisko) + ", <b>"
               + E(ShortenText(d.Nazwa, kListNameLength)) + "</b>";
        if (!d.Firma.isEmpty())
            text += " " + E(d.Firma);
    } else if (!d.Firma.isEmpty()) {
        text = E(d.id) + ": <b>" + E(ShortenText(d.Firma, kListNameLength)) + "</b>";
    } else {
        text = E(d.id) + ": <b>" + E(d.ImieNazwisko) + "</b>";
    }
    text += "<br>" + E(d.Adres) + ", " + E(d.Kod) + " <b>" + E(d.Miasto) + "</b>";
    if (HasOtherCorrespondenceAddress(d))
        text += "<br>adres do korespondencji: " + E(d.AdresWysylki) + " " + E(d.KodWysylki) + ", "
                + E(d.MiastoWysylki);
    if (!d.NIP.isEmpty())
        text += "<br><b>" + E(d.NIP) + "</b>";
    if (!d.email.isEmpty())
        text += "<br>" + EmailLink(d.email);
    return text;
}

QString ListDescription(const tZunItem& item) { return ListDescription(DaneOf(item)); }

QString PersonBlock(const TDane& d, bool invoiceFonts, bool showCorrespondence, bool showDelivery)
{
    if (IsEmptyPerson(d))
        return "-";
    const QString textFont = invoiceFonts ? "<fakturatextfont>" : "<textfont>";
    QString text = textFont + "</i><b>" + E(d.Nazwa) + "</b><br>" + E(d.Adres) + ", " + E(d.Kod) + " "
                   + E(d.Miasto) + "<br>";

    if (HasOtherCorrespondenceAddress(d)) {
        const QString address = E(d.AdresWysylki) + ", " + E(d.KodWysylki) + " " + E(d.MiastoWysylki);
        if (showCorrespondence)
            text += "adres do korespondencji: " + address + "<br>";
        if (showDelivery)
            text += "<b>adres dostawy: " + address + "</b><br>";
    }

    QStringList numbers;
    if (!d.NIP.isEmpty())
        numbers << "NIP: " + E(d.NIP);
    if (!d.Regon.isEmpty())
        numbers << "REGON: " + E(d.Regon);
    if (!d.PEsel.isEmpty() && d.Firma.isEmpty())
        numbers << "PESEL: " + E(d.PEsel);
    if (!numbers.isEmpty())
        text += numbers.join(kDash) + "<br>";

    if ((!invoiceFonts || AllDataOnInvoices()) && (!d.telefon.isEmpty() || !d.faks.isEmpty() || !d.email.isEmpty())) {
        QStringList contacts;
        if (!d.telefon.isEmpty())
            contacts << "telefon: " + E(d.telefon);
        if (!d.faks.isEmpty())
            contacts << "faks: " + E(d.faks);
        if (!d.email.isEmpty())
            contacts << "e-mail: " + E(d.email);
        text += (invoiceFonts ? "<fakturaopisfont>" : "<opisfont>") + contacts.join(kDash) + "<br>";
    }

    text += textFont;
    if (!d.Konto.isEmpty() || !d.Bank.isEmpty())
        text += "konto: " + E(d.Konto) + " (" + E(d.Bank) + ")";
    if (invoiceFonts && !d.samochod.isEmpty())
        text += "<fakturaopisfont>numer rejestracyjny pojazdu: <fakturatextfont>" + E(d.samochod);
    return text;
}
