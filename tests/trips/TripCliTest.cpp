#include "RunCli.h"
#include "TestRoot.h"
#include "TripFixtures.h"

#include "storage/ZunList.h"
#include "trips/TripBase.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
// A trip base file: the sample trip, an empty place, and an unsettled trip without a number.
QString WriteBase()
{
    RegisterTripsModule();
    tZunList list;
    list.Add(SampleTrip());
    list.Add(nullptr);
    auto second = SampleTrip();
    second->SetNumer("");
    second->SetRozliczona(false);
    second->SetRazem({});
    second->SetDoWyplaty({});
    second->SetDoZwrotu(Zl(1234, 5));
    second->Pracownik.ImieNazwisko = "Ewa <Nowak> & syn";
    list.Add(std::move(second));
    const QString path = CurrentTestRoot().File("Rivazedur.dat");
    EXPECT_TRUE(list.SaveToFile(path, false));
    return path;
}
}  // namespace

TEST(TripCli, TripsListsOneTabSeparatedLinePerTrip)
{
    const QString base = WriteBase();
    QString out, err;
    ASSERT_EQ(RunCli({"trips", base}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, "1\tDelegacja nr DEL/7/2002 z dn. 3-10-2002 dla Jan Kowalski\trozl.\t285,50 zł\t35,50 zł\t0,00 zł\n"
                   "3\tDelegacja nr  z dn. 3-10-2002 dla Ewa <Nowak> & syn\t\t0,00 zł\t0,00 zł\t1 234,05 zł\n");
}

TEST(TripCli, TripPdfPrintsTheChosenDocument)
{
    const QString base = WriteBase();
    const QString pdf = CurrentTestRoot().File("rozliczenie.pdf");
    QString out, err;
    ASSERT_EQ(RunCli({"trip-pdf", base, "1", "settlement", pdf}, &out, &err), 0) << err.toStdString();
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    text.waitForFinished(30000);
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(content.contains("Rozliczenie wyjazdu służbowego nr DEL/7/2002"));
    EXPECT_TRUE(content.contains("Rachunek kosztów podróży"));

    const QString order = CurrentTestRoot().File("polecenie.pdf");
    ASSERT_EQ(RunCli({"trip-pdf", base, "3", "order", order}, &out, &err), 0) << err.toStdString();
    text.start("pdftotext", {order, "-"});
    text.waitForFinished(30000);
    const QString orderText = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(orderText.contains("Polecenie wyjazdu służbowego\n"));
    EXPECT_TRUE(orderText.contains("Ewa <Nowak> & syn"));
}

TEST(TripCli, WrongPositionsAndFilesFail)
{
    const QString base = WriteBase();
    QString out, err;
    EXPECT_EQ(RunCli({"trip-pdf", base, "2", "order", CurrentTestRoot().File("x.pdf")}, &out, &err), 1);
    EXPECT_TRUE(err.contains("W bazie nie ma delegacji numer 2."));
    EXPECT_EQ(RunCli({"trip-pdf", base, "9", "order", CurrentTestRoot().File("x.pdf")}, &out, &err), 1);
    EXPECT_EQ(RunCli({"trip-pdf", base, "1", "invoice", CurrentTestRoot().File("x.pdf")}, &out, &err), 2);
    EXPECT_EQ(RunCli({"trips", CurrentTestRoot().File("brak.dat")}, &out, &err), 1);
    EXPECT_TRUE(err.contains("brak.dat"));
    EXPECT_EQ(RunCli({"trips"}, &out, &err), 2);
}
