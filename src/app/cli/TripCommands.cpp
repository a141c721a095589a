// vendrola-cli trips, trip-pdf: the trips of a trip base file, and their documents as PDF files.
#include "CliCommand.h"

#include "printing/PrintJob.h"
#include "storage/RecordClasses.h"
#include "storage/ZunList.h"
#include "text/MoneyText.h"
#include "trips/TDelegacja.h"
#include "trips/TripBase.h"
#include "trips/TripDocuments.h"
#include "trips/TripTitles.h"

#include <QFileInfo>

namespace {
int ListTripsOfFile(const QStringList& args);
int PrintTripPdf(const QStringList& args);

CliCommand tripsCommand{"trips", "trips BASEFILE",
                        "Wypisuje delegacje z bazy: numer pozycji, tytuł, \"rozl.\", razem, do wypłaty, do zwrotu "
                        "(rozdzielone tabulatorem)",
                        ListTripsOfFile};
CliCommand tripPdfCommand{"trip-pdf", "trip-pdf BASEFILE N (order|settlement) OUT.pdf",
                          "Drukuje do pliku PDF polecenie wyjazdu (order) lub rozliczenie (settlement) delegacji "
                          "numer N (od 1), jeden egzemplarz",
                          PrintTripPdf};

// The trip base file read without any question or side effect; null with a message when it cannot be.
std::unique_ptr<tZunList> ReadTripFile(const QString& path)
{
    RegisterStorageRecordClasses();
    RegisterTripsModule();
    if (!QFileInfo(path).isFile()) {
        ErrLine("Nie ma takiego pliku: " + path);
        return nullptr;
    }
    auto list = std::make_unique<tZunList>();
    QString error;
    if (!list->ParseFile(path, &error)) {
        ErrLine(error.isEmpty() ? "Nie mogę odczytać pliku: " + path : error);
        return nullptr;
    }
    return list;
}

int ListTripsOfFile(const QStringList& args)
{
    if (args.size() != 1)
        return UsageError(tripsCommand);
    const auto list = ReadTripFile(args[0]);
    if (!list)
        return 1;
    for (int i = 0; i < list->Count(); ++i) {
        const auto* trip = list->GetAs<TDelegacja>(i);
        if (!trip)
            continue;
        OutLine(QStringList({QString::number(i + 1), PlainTripTitleFor(*trip), trip->Rozliczona() ? "rozl." : "",
                             MoneyText(trip->Razem()), MoneyText(trip->DoWyplaty()), MoneyText(trip->DoZwrotu())})
                    .join('\t'));
    }
    return 0;
}

int PrintTripPdf(const QStringList& args)
{
    bool numberOk = false;
    const int position = args.size() == 4 ? args[1].toInt(&numberOk) : 0;
    if (!numberOk || (args.value(2) != "order" && args.value(2) != "settlement"))
        return UsageError(tripPdfCommand);
    const auto list = ReadTripFile(args[0]);
    if (!list)
        return 1;
    const auto* trip = position >= 1 && position <= list->Count() ? list->GetAs<TDelegacja>(position - 1) : nullptr;
    if (!trip) {
        ErrLine(QString("W bazie nie ma delegacji numer %1.").arg(args[1]));
        return 1;
    }
    const bool order = args[2] == "order";
    {
        PdfOutputScope pdf(args[3]);
        PrintTableDocument(order ? TripOrderDocument(*trip) : TripSettlementDocument(*trip),
                           (order ? "Delegacja " : "Rozliczenie ") + trip->Numer());
    }
    if (!JobPrinted() || !QFileInfo(args[3]).isFile()) {
        ErrLine("Nie udało się zapisać pliku: " + args[3]);
        return 1;
    }
    OutLine(args[3]);
    return 0;
}
}  // namespace
