#include "TripFixtures.h"
#include "TestRoot.h"

#include "platform/Errors.h"
#include "printing/PrintJob.h"
#include "trips/TripDocuments.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
const QString kOrderDelegowany =
    "<opisfont>delegowany:<br><textfont><b>Jan Kowalski</b>  kierowca<br>do: <b>Gdańsk</b><br>"
    "na okres od: <b>poniedziałek, 7 października 2002</b><br>do: <b>środa, 9 października 2002</b> "
    "(3 dni łącznie)<br><opisfont>cel wyjazdu służbowego:<br><textfont><b>Szkolenie BHP</b><br>"
    "środki lokomocji: PKP<br><opisfont><right>Podpis delegującego:<br><textfont><i>Anna Nowak</i><br>"
    "<left><br>";
const QString kEmployerBlock =
    "Zakład Usług \"Niwa\" &amp; Syn<br>ul. Długa 1, <b>31-147 Kraków</b><br>NIP: <b>676-10-20-304</b>";

QString Summary(const QString& label, const QString& amount)
{
    return "||<p align=\"alRight\">" + label + "|<right>" + amount;
}

PrinterChoice SaveAs(const QString& path)
{
    PrinterChoice c;
    c.action = PrinterChoice::Action::SavePdf;
    c.pdfPath = path;
    return c;
}

QString PdfText(const QString& path)
{
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList PrinterTitles()
{
    QStringList titles;
    for (const auto& shown : Script().History())
        if (shown.kind == "printer")
            titles << shown.printer.documentTitle;
    return titles;
}
}  // namespace

TEST(TripDocuments, OrderComposition)
{
    const auto trip = SampleTrip();
    const TableDocument doc = TripOrderDocument(*trip);
    EXPECT_EQ(doc.TitleBlock, "<titlefont>Polecenie wyjazdu służbowego nr DEL/7/2002<br><left>Delegujący:<textfont><br>"
                                  + kEmployerBlock + "<br><br>");
    EXPECT_EQ(doc.UpperLeft, kOrderDelegowany);
    EXPECT_EQ(doc.UpperLeftPercent, 60);
    EXPECT_EQ(doc.UpperRight, "<right><opisfont>miejsce i data sporządzenia<br><textfont>Kraków, 3 października 2002"
                              "<Hr><br><left><titlefont>Potwierdzenie pobytu:<br><opisfont>(pieczęć, data i podpis)");
    EXPECT_EQ(doc.LowerLeft,
              "Proszę o wypłatę zaliczki w kwocie <b>250,00 zł</b><br><opisfont>słownie: dwieście pięćdziesiąt 00/100"
              "<textfont><br><br><br><right><i>Jan Kowalski</i><br><br><left>Zatwierdzono do wypłaty: <b>250,00 zł</b>"
              "<br><opisfont>słownie: dwieście pięćdziesiąt 00/100<textfont><br><br><br><right><i>Anna Nowak</i><br>"
              "<left><hr><br>Potwierdzam odbiór zaliczki w kwocie 250,00 zł. Zobowiązuję się rozliczyć zaliczkę w "
              "ciągu 7 dni od zakończenia podróży służbowej.<br><br><br><right><i>Jan Kowalski</i><br><left><br>"
              "Sumę rozliczenia otrzymałem:<br><br><right><opisfont>(podpis pracownika jeśli wypłata,<br>podpis "
              "kasjera jeśli zwrot)<br>");
    EXPECT_EQ(doc.LowerLeftPercent, 60);
    EXPECT_TRUE(doc.Rows.isEmpty());
    EXPECT_TRUE(doc.PageHeader.isEmpty() && doc.PageFooter.isEmpty() && doc.LowerRight.isEmpty()
                && doc.ClosingNote.isEmpty());
    EXPECT_TRUE(doc.HeaderRowInCaptionFont && doc.LetterheadOnFirstPage && doc.RuleAfterTitle && doc.RuleBeforeNote);
    EXPECT_FALSE(doc.LastRowInCaptionFont);
    EXPECT_TRUE(doc.ColumnPercents.isEmpty() && doc.NoBorderCells.isEmpty());
    EXPECT_EQ(doc.StretchColumn, 2);
    EXPECT_EQ(doc.FixedColumns, QSet<int>({3}));
    EXPECT_EQ(doc.CellPaddingX, 10);
    EXPECT_EQ(doc.CellPaddingY, 5);
}

TEST(TripDocuments, OrderWithoutNumberOrDates)
{
    auto trip = SampleTrip();
    trip->SetNumer("");
    trip->SetTerminOd(0);
    trip->SetDataWystawienia(0);
    const TableDocument doc = TripOrderDocument(*trip);
    EXPECT_TRUE(doc.TitleBlock.startsWith("<titlefont>Polecenie wyjazdu służbowego<br><left>"));
    EXPECT_TRUE(doc.UpperLeft.contains("na okres od: <b>-</b>"));
    EXPECT_TRUE(doc.UpperLeft.contains("(37539 dni łącznie)"));  // printed as counted, however odd
    EXPECT_TRUE(doc.UpperRight.contains("<textfont>Kraków, -<Hr>"));
}

TEST(TripDocuments, TypedTextsAreEscapedInEveryBlock)
{
    auto trip = SampleTrip();
    trip->SetNumer("7<b>");
    trip->SetMiejsceDelegowania("Gdańsk & Sopot");
    trip->SetCelDelegowania("a<br>b");
    trip->SetMiejsceWystawienia("<Kraków>");
    trip->SetSrodek(1, "bus & pociąg");
    trip->Pracownik.ImieNazwisko = "Jan <i>Kowalski";
    const TableDocument order = TripOrderDocument(*trip);
    EXPECT_TRUE(order.TitleBlock.contains(" nr 7&lt;b&gt;<br>"));
    EXPECT_TRUE(order.UpperLeft.contains("do: <b>Gdańsk &amp; Sopot</b>"));
    EXPECT_TRUE(order.UpperLeft.contains("<b>a&lt;br&gt;b</b>"));
    EXPECT_TRUE(order.UpperLeft.contains("<b>Jan &lt;i&gt;Kowalski</b>"));
    EXPECT_TRUE(order.UpperRight.contains("&lt;Kraków&gt;, "));
    EXPECT_TRUE(order.LowerLeft.contains("<i>Jan &lt;i&gt;Kowalski</i>"));
    const TableDocument settlement = TripSettlementDocument(*trip);
    EXPECT_TRUE(settlement.PageHeader.endsWith(" nr 7&lt;b&gt;"));
    EXPECT_TRUE(settlement.Rows[1].contains("|bus &amp; pociąg|"));
}

TEST(TripDocuments, SettlementComposition)
{
    const auto trip = SampleTrip();
    const TableDocument doc = TripSettlementDocument(*trip);
    EXPECT_EQ(doc.PageHeader, "<titlefont>Rozliczenie wyjazdu służbowego nr DEL/7/2002");
    EXPECT_EQ(doc.TitleBlock, "<left>Delegujący:<textfont><br>" + kEmployerBlock + "<br><br>");
    EXPECT_EQ(doc.UpperLeft, kOrderDelegowany + "<br><titlefont>Rachunek kosztów podróży<textfont>");
    EXPECT_EQ(doc.UpperRight, "<right><opisfont>data rozliczenia<br><textfont>10 października 2002<Hr><br>");
    const QStringList expected = {
        "Wyjazd - miejscowość<br>dzień, godzina|Przyjazd - miejscowość<br>dzień, godzina|Środek lokomocji|"
        "<right>Koszt przejazdu<br>zł,gr",
        "Kraków<br>poniedziałek, 7 października 2002, 7:05|Gdańsk<br>poniedziałek, 7 października 2002, 15:40|"
        "pociąg|<right>42,10 zł",
        "|||",
        "Gdańsk<br>środa, 9 października 2002, 16:00|Kraków<br>środa, 9 października 2002, 23:59|pociąg|<right>42,10 zł",
        Summary("Ryczałt za dojazdy:", "12,30 zł"),
        Summary("Razem przejazdy, dojazdy:", "96,50 zł"),
        Summary("Diety:", "69,00 zł"),
        Summary("Noclegi wg rachunków:", "120,00 zł"),
        Summary("Noclegi - ryczałt:", ""),
        Summary("Inne wydatki: ___ załączników na sumę:", ""),
        Summary("<b>Ogółem:</b>", "285,50 zł"),
        Summary("Zatwierdzono na zł:", ""),
        Summary("Pobrano zaliczkę:", "<p align=\"alRight\">250,00 zł"),
        Summary("Do wypłaty:", "35,50 zł"),
        Summary("Do zwrotu:", "0,00 zł"),
    };
    EXPECT_EQ(doc.Rows, expected);
    QSet<QPair<int, int>> noBorder = {{2, 11}, {3, 11}};
    for (int row = 4; row <= 14; ++row)
        noBorder << QPair<int, int>(0, row) << QPair<int, int>(1, row);
    EXPECT_EQ(doc.NoBorderCells, noBorder);
    EXPECT_TRUE(doc.LowerLeft.isEmpty());
    EXPECT_EQ(doc.LowerRight, "Sumę rozliczenia otrzymałem:<br><br><right><opisfont>(podpis pracownika jeśli wypłata,"
                              "<br>podpis kasjera jeśli zwrot)<br>");
    EXPECT_EQ(doc.LowerLeftPercent, 50);
    EXPECT_TRUE(doc.LetterheadOnFirstPage && doc.HeaderRowInCaptionFont && doc.RuleAfterTitle);
    EXPECT_EQ(doc.StretchColumn, 2);
    EXPECT_EQ(doc.FixedColumns, QSet<int>({3}));
}

TEST(TripDocuments, SettlementOfAnEmptyTripAndASingleMiddleLeg)
{
    TDelegacja trip;
    trip.SetOdcinek(2, true);
    trip.SetWyjazd(2, "Kraków");
    trip.SetWyjazdCzas(2, Moment(2002, 3, 2, 7, 5));
    trip.SetKoszt(1, Zl(5));  // a fare of an unused leg still counts in the travel sum
    const TableDocument doc = TripSettlementDocument(trip);
    EXPECT_EQ(doc.PageHeader, "<titlefont>Rozliczenie wyjazdu służbowego nr ");
    ASSERT_EQ(doc.Rows.size(), 15);
    EXPECT_EQ(doc.Rows[1], "|||");
    EXPECT_TRUE(doc.Rows[2].startsWith("Kraków<br>sobota, 2 marca 2002, 7:05|<br>-||<right>0,00 zł"));
    EXPECT_EQ(doc.Rows[3], "|||");
    EXPECT_EQ(doc.Rows[4], Summary("Ryczałt za dojazdy:", ""));
    EXPECT_EQ(doc.Rows[5], Summary("Razem przejazdy, dojazdy:", "5,00 zł"));
    EXPECT_EQ(doc.Rows[10], Summary("<b>Ogółem:</b>", ""));
    EXPECT_EQ(doc.Rows[12], Summary("Pobrano zaliczkę:", "<p align=\"alRight\">0,00 zł"));
    EXPECT_EQ(doc.Rows[13], Summary("Do wypłaty:", "0,00 zł"));
    EXPECT_EQ(doc.Rows[14], Summary("Do zwrotu:", "0,00 zł"));
}

TEST(TripDocuments, EachCopyIsAJobOfItsOwnAndZeroCopiesBecomeOne)
{
    auto trip = SampleTrip();
    trip->SetNumer("");
    trip->SetIleKopii(0);
    Script().Answer(SaveAs(CurrentTestRoot().File("order.pdf")));
    EXPECT_TRUE(trip->PrintOrder());
    EXPECT_EQ(trip->IleKopii(), 1);
    EXPECT_EQ(PrinterTitles(), QStringList({"Delegacja "}));

    Script().Clear();
    trip->SetIleKopii(2);
    Script().Answer(SaveAs(CurrentTestRoot().File("s1.pdf"))).Answer(SaveAs(CurrentTestRoot().File("s2.pdf")));
    EXPECT_TRUE(trip->PrintSettlement());
    EXPECT_EQ(PrinterTitles(), QStringList({"Rozliczenie ", "Rozliczenie "}));
    EXPECT_TRUE(QFile::exists(CurrentTestRoot().File("s2.pdf")));
}

TEST(TripDocuments, PrinterIsBackInPortraitAfterwards)
{
    auto trip = SampleTrip();
    trip->SetIleKopii(1);
    PrinterChoice landscape = SaveAs(CurrentTestRoot().File("wide.pdf"));
    landscape.landscape = true;
    Script().Answer(landscape);
    EXPECT_TRUE(trip->PrintSettlement());
    EXPECT_FALSE(LastPrinterChoice().landscape);
}

TEST(TripDocuments, CancelledChoiceAbortsTheRemainingCopies)
{
    auto trip = SampleTrip();
    trip->SetIleKopii(3);
    Script().Answer(SaveAs(CurrentTestRoot().File("c1.pdf"))).Answer(ScriptedDialogs::Cancel{});
    try {
        trip->PrintOrder();
        FAIL() << "a cancelled printer choice must abort";
    } catch (const ZunError& e) {
        EXPECT_TRUE(e.Text().contains("Przerwano drukowanie."));
    }
    EXPECT_EQ(PrinterTitles().size(), 2);
}

TEST(TripDocuments, PreviewOnlyIsNotPrinted)
{
    auto trip = SampleTrip();
    trip->SetIleKopii(1);
    PrinterChoice preview;
    preview.action = PrinterChoice::Action::Preview;
    Script().Answer(preview);
    EXPECT_FALSE(trip->PrintOrder());
}

TEST(TripDocuments, PdfPagesReadAsTheDocuments)
{
    auto trip = SampleTrip();
    trip->SetIleKopii(1);
    const QString order = CurrentTestRoot().File("order.pdf"), settlement = CurrentTestRoot().File("settlement.pdf");
    Script().Answer(SaveAs(order)).Answer(SaveAs(settlement));
    ASSERT_TRUE(trip->PrintOrder());
    ASSERT_TRUE(trip->PrintSettlement());

    const QString orderText = PdfText(order);
    for (const char* expected : {"Polecenie wyjazdu służbowego nr DEL/7/2002", "Zakład Usług \"Niwa\" & Syn",
                                 "słownie: dwieście pięćdziesiąt 00/100", "miejsce i data sporządzenia",
                                 "Potwierdzenie pobytu:", "(3 dni łącznie)", "Sumę rozliczenia otrzymałem:"})
        EXPECT_TRUE(orderText.contains(QString::fromUtf8(expected))) << expected << "\n" << orderText.toStdString();

    const QString settlementText = PdfText(settlement);
    for (const char* expected : {"Rozliczenie wyjazdu służbowego nr DEL/7/2002", "Rachunek kosztów podróży",
                                 "2002, 7:05", "23:59", "Razem przejazdy, dojazdy:", "96,50 zł",
                                 "Ogółem:", "285,50 zł", "Do wypłaty:", "35,50 zł"})
        EXPECT_TRUE(settlementText.contains(QString::fromUtf8(expected)))
            << expected << "\n" << settlementText.toStdString();
}
