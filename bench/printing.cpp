// Print engine throughput: table documents and mark-up texts rendered to PDF files.
#include "platform/RootFolder.h"
#include "printing/MarkupPrinter.h"
#include "printing/PrintJob.h"
#include "printing/PrintSettings.h"
#include "printing/TableDocument.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

TableDocument TripTable(int rows)
{
    TableDocument doc;
    doc.TitleBlock = "<titlefont>Zestawienie delegacji";
    doc.UpperLeft = "Firma: <b>Przykładowa sp. z o.o.</b>";
    doc.UpperRight = "<right>Łódź, 15 marca 2024";
    doc.HeaderRowInCaptionFont = true;
    doc.StretchColumn = 2;
    doc.Rows << "Lp.|Numer|Osoba|Cel podróży|Od|Do|Środek|Kwota";
    for (int i = 1; i <= rows; ++i)
        doc.Rows << QString("%1|D/%1/2024|Jan Żółkiewski|Szkolenie w Gdańsku|2024-03-0%2|2024-03-1%2|pociąg|"
                            "<right>%3,50 zł")
                        .arg(i)
                        .arg(i % 9 + 1)
                        .arg(i * 7);
    doc.ClosingNote = "Wydruk kontrolny";
    return doc;
}

void BM_TableToPdf(benchmark::State& state)
{
    const TableDocument doc = TripTable(int(state.range(0)));
    const QString path = Folder().filePath("tabela.pdf");
    qint64 pages = 0;
    for (auto _ : state) {
        PdfOutputScope pdf(path);
        PrintTableDocument(doc, "Zestawienie");
        pages += LastJobPageCount();
    }
    state.counters["pages"] = double(LastJobPageCount());
    state.counters["pages_per_s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TableToPdf)->Arg(500)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_MarkupToPdf(benchmark::State& state)
{
    QString text = "<titlefont><center>Rozliczenie kosztów podróży służbowej\r\n<left><textfont>";
    for (int i = 1; i <= state.range(0); ++i)
        text += QString("<b>%1.</b> Przejazd pociągiem z Łodzi do Gdańska, bilet nr %1, kwota <i>%2,00 zł</i>"
                        "<ind x=\"75%\">zapłacono\r\n")
                    .arg(i)
                    .arg(i * 3);
    const QString path = Folder().filePath("tekst.pdf");
    qint64 pages = 0;
    for (auto _ : state) {
        PdfOutputScope pdf(path);
        PrintMarkupText("Rozliczenie", text, nullptr, true);
        pages += LastJobPageCount();
    }
    state.counters["pages"] = double(LastJobPageCount());
    state.counters["pages_per_s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MarkupToPdf)->Arg(500)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetRootFolder(Folder().filePath("root"));
    CreateRoleFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
