#include "trips/TripDocuments.h"

#include "persons/PersonTexts.h"
#include "platform/Messages.h"
#include "printing/PrintJob.h"
#include "text/DateText.h"
#include "text/MarkupEscape.h"
#include "text/MoneyText.h"
#include "text/NumberWords.h"
#include "text/TextUtils.h"
#include "trips/TDelegacja.h"
#include "trips/TripSettlement.h"

namespace {
const QString kDelegowanyFormat = QStringLiteral(
    "<opisfont>delegowany:<br><textfont><b>%s</b>  %s<br>do: <b>%s</b><br>na okres od: <b>%s</b><br>"
    "do: <b>%s</b> (%d dni łącznie)<br><opisfont>cel wyjazdu służbowego:<br><textfont><b>%s</b><br>"
    "środki lokomocji: %s<br><opisfont><right>Podpis delegującego:<br><textfont><i>%s</i><br><left><br>");
const QString kCostsHeading = QStringLiteral("<br><titlefont>Rachunek kosztów podróży<textfont>");

const QString kAdvanceFormat = QStringLiteral(
    "Proszę o wypłatę zaliczki w kwocie <b>%s</b><br><opisfont>słownie: %s<textfont><br><br><br>"
    "<right><i>%s</i><br><br><left>Zatwierdzono do wypłaty: <b>%s</b><br><opisfont>słownie: %s"
    "<textfont><br><br><br><right><i>%s</i><br><left>");

QString Fill(const QString& format, const std::vector<FormatArgument>& arguments)
{
    return FormatText(format, arguments).value_or(QString());
}

QString EmployeeName(const TDelegacja& trip) { return EscapeMarkup(trip.Pracownik.ImieNazwisko); }
QString DelegatingSignature(const TDelegacja& trip) { return EscapeMarkup(trip.Pracodawca.ImieNazwisko); }

QString EmployerBlock(const TDelegacja& trip) { return PartyDescription(trip.Pracodawca); }

QString LongDateOf(double date) { return date == 0 ? QStringLiteral("-") : LongDate(date).toLower(); }
QString LongDateWithWeekdayOf(double date)
{
    return date == 0 ? QStringLiteral("-") : LongDateWithWeekday(date).toLower();
}
QString DayAndTimeOf(double date) { return date == 0 ? QStringLiteral("-") : LongDateTime(date).toLower(); }

QString LegRow(const TDelegacja& trip, int leg)
{
    if (!trip.Odcinek(leg))
        return "|||";
    return Fill("%s<br>%s|%s<br>%s|%s|<right>%s",
                {EscapeMarkup(trip.Wyjazd(leg)), DayAndTimeOf(trip.WyjazdCzas(leg)), EscapeMarkup(trip.Przyjazd(leg)),
                 DayAndTimeOf(trip.PrzyjazdCzas(leg)), EscapeMarkup(trip.Srodek(leg)), MoneyText(trip.Koszt(leg))});
}

QString SummaryRow(const QString& label, const QString& amount)
{
    return "||<p align=\"alRight\">" + label + "|<right>" + amount;
}

void SetCommonLayout(TableDocument& doc)
{
    doc.HeaderRowInCaptionFont = true;
    doc.LastRowInCaptionFont = false;
    doc.LetterheadOnFirstPage = true;
    doc.RuleAfterTitle = true;
    doc.RuleBeforeNote = true;
    doc.StretchColumn = 2;
    doc.FixedColumns = {3};
    doc.CellPaddingX = 10;
    doc.CellPaddingY = 5;
}
}  // namespace

QString DelegowanyBlock(const TDelegacja& trip)
{
    return Fill(kDelegowanyFormat,
                {EmployeeName(trip), EscapeMarkup(trip.Stanowisko()), EscapeMarkup(trip.MiejsceDelegowania()),
                 LongDateWithWeekdayOf(trip.TerminOd()), LongDateWithWeekdayOf(trip.TerminDo()),
                 qint64(TripDayCount(trip.TerminOd(), trip.TerminDo())), EscapeMarkup(trip.CelDelegowania()),
                 EscapeMarkup(trip.SrodekTransportu()), DelegatingSignature(trip)});
}

TableDocument TripOrderDocument(const TDelegacja& trip)
{
    TableDocument doc;
    doc.TitleBlock = "<titlefont>Polecenie wyjazdu służbowego";
    if (!trip.Numer().isEmpty())
        doc.TitleBlock += " nr " + EscapeMarkup(trip.Numer());
    doc.TitleBlock += "<br><left>Delegujący:<textfont><br>" + EmployerBlock(trip) + "<br><br>";

    doc.UpperLeft = DelegowanyBlock(trip);
    doc.UpperLeftPercent = 60;
    doc.UpperRight = Fill("<right><opisfont>miejsce i data sporządzenia<br><textfont>%s, %s<Hr><br>",
                          {EscapeMarkup(trip.MiejsceWystawienia()), LongDateOf(trip.DataWystawienia())})
                     + "<left><titlefont>Potwierdzenie pobytu:<br>" + "<opisfont>(pieczęć, data i podpis)";

    const Money requested = trip.ZaliczkaWnioskowana(), granted = trip.ZaliczkaUdzielona();
    doc.LowerLeft = Fill(kAdvanceFormat, {MoneyText(requested), AmountInWords(requested), EmployeeName(trip),
                                          MoneyText(granted), AmountInWords(granted), DelegatingSignature(trip)})
                    + "<hr><br>Potwierdzam odbiór zaliczki w kwocie " + MoneyText(granted)
                    + ". Zobowiązuję się rozliczyć zaliczkę " + "w ciągu 7 dni od zakończenia podróży służbowej.<br><br>"
                    + "<br><right><i>" + EmployeeName(trip) + "</i><br><left><br>Sumę rozliczenia otrzymałem:<br>"
                    + "<br><right><opisfont>(podpis pracownika jeśli wypłata,<br>" + "podpis kasjera jeśli zwrot)<br>";
    doc.LowerLeftPercent = 60;
    SetCommonLayout(doc);
    return doc;
}

TableDocument TripSettlementDocument(const TDelegacja& trip)
{
    TableDocument doc;
    doc.PageHeader = "<titlefont>Rozliczenie wyjazdu służbowego nr " + EscapeMarkup(trip.Numer());
    doc.TitleBlock = "<left>Delegujący:<textfont><br>" + EmployerBlock(trip) + "<br><br>";
    doc.UpperLeft = DelegowanyBlock(trip) + kCostsHeading;
    doc.UpperLeftPercent = 60;
    doc.UpperRight = Fill("<right><opisfont>data rozliczenia<br><textfont>%s<Hr><br>", {LongDateOf(trip.DataRozliczenia())});

    QStringList rows;
    rows << "Wyjazd - miejscowość<br>dzień, godzina|Przyjazd - miejscowość<br>dzień, godzina|Środek lokomocji|"
            "<right>Koszt przejazdu<br>zł,gr";
    for (int leg = 1; leg <= TDelegacja::kLegCount; ++leg)
        rows << LegRow(trip, leg);
    rows << SummaryRow("Ryczałt za dojazdy:", MoneyTextOrEmpty(trip.DojazdyRyczalt()))
         << SummaryRow("Razem przejazdy, dojazdy:",
                       MoneyText(TravelAndLocalTotal(trip.DojazdyRyczalt(), trip.Koszt(1), trip.Koszt(2), trip.Koszt(3))))
         << SummaryRow("Diety:", MoneyTextOrEmpty(trip.Diety()))
         << SummaryRow("Noclegi wg rachunków:", MoneyTextOrEmpty(trip.Noclegi()))
         << SummaryRow("Noclegi - ryczałt:", MoneyTextOrEmpty(trip.NoclegiRyczalt()))
         << SummaryRow("Inne wydatki: ___ załączników na sumę:", MoneyTextOrEmpty(trip.InneWydatki()))
         << SummaryRow("<b>Ogółem:</b>", MoneyTextOrEmpty(trip.Razem()))
         << SummaryRow("Zatwierdzono na zł:", MoneyTextOrEmpty(Money::FromDouble(trip.ZatwierdzonoNaZl())))
         << SummaryRow("Pobrano zaliczkę:", "<p align=\"alRight\">" + MoneyText(trip.ZaliczkaUdzielona()))
         << SummaryRow("Do wypłaty:", MoneyText(trip.DoWyplaty()))
         << SummaryRow("Do zwrotu:", MoneyText(trip.DoZwrotu()));
    doc.Rows = rows;

    // The summary rows stand under the legs without the inner lines of the two first columns, and
    // the unused approval row without any.
    for (int row = 4; row <= 14; ++row) {
        doc.NoBorderCells.insert({0, row});
        doc.NoBorderCells.insert({1, row});
    }
    doc.NoBorderCells.insert({2, 11});
    doc.NoBorderCells.insert({3, 11});

    doc.LowerRight = "Sumę rozliczenia otrzymałem:<br><br><right><opisfont>(podpis pracownika jeśli wypłata,<br>"
                     "podpis kasjera jeśli zwrot)<br>";
    doc.LowerLeftPercent = 50;
    SetCommonLayout(doc);
    return doc;
}

bool PrintTripDocument(TDelegacja& trip, const TableDocument& document, const QString& jobTitle)
{
    if (trip.IleKopii() <= 0)
        trip.SetIleKopii(1);
    for (int copy = 0; copy < trip.IleKopii(); ++copy)
        PrintTableDocument(document, jobTitle);
    SetPrinterPortrait();
    RestoreDefaultCursor();
    return JobPrinted();
}

bool TDelegacja::PrintOrder() { return PrintTripDocument(*this, TripOrderDocument(*this), "Delegacja " + Numer()); }

bool TDelegacja::PrintSettlement()
{
    return PrintTripDocument(*this, TripSettlementDocument(*this), "Rozliczenie " + Numer());
}
