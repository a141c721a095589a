#include "TripFixtures.h"
#include "TestRoot.h"

#include "platform/Errors.h"
#include "platform/Progress.h"
#include "storage/BaseKinds.h"
#include "storage/RecordClasses.h"
#include "storage/StartupBases.h"
#include "storage/ZunList.h"
#include "trips/MarkupToPlainText.h"
#include "trips/TripBase.h"
#include "trips/TripTitles.h"

#include <gtest/gtest.h>

TEST(TripTitles, NumberDateAndEmployee)
{
    auto trip = SampleTrip();
    EXPECT_EQ(TripTitle(*trip), "Delegacja nr DEL/7/2002 z dn. 3-10-2002");
    EXPECT_EQ(TripTitleFor(*trip), "Delegacja nr DEL/7/2002 z dn. 3-10-2002 dla Jan Kowalski");
    EXPECT_EQ(PaymentTitle(*trip), "Delegacja nr DEL/7/2002 z dn. 3-10-2002");

    trip->SetNumer("");
    EXPECT_EQ(TripTitle(*trip), "Delegacja nr  z dn. 3-10-2002");
    EXPECT_EQ(PaymentTitle(*trip), "Delegacja nr z dn. 3-10-2002");  // the double blank collapses
    trip->SetDataWystawienia(0);
    EXPECT_EQ(TripTitle(*trip), "Delegacja nr  z dn. -");
}

TEST(TripTitles, TypedMarkupCharactersAreEscapedAndComeBackInThePaymentTitle)
{
    auto trip = SampleTrip();
    trip->SetNumer("A<b>&1");
    trip->Pracownik.ImieNazwisko = "Jan <Kowalski>";
    EXPECT_EQ(TripTitle(*trip), "Delegacja nr A&lt;b&gt;&amp;1 z dn. 3-10-2002");
    EXPECT_EQ(TripTitleFor(*trip), "Delegacja nr A&lt;b&gt;&amp;1 z dn. 3-10-2002 dla Jan &lt;Kowalski&gt;");
    EXPECT_EQ(PaymentTitle(*trip), "Delegacja nr A<b>&1 z dn. 3-10-2002");
    EXPECT_EQ(PlainTripTitleFor(*trip), "Delegacja nr A<b>&1 z dn. 3-10-2002 dla Jan <Kowalski>");
    trip->SetNumer("&lt;&amp;&nbsp;");  // typed entities stay as typed
    EXPECT_EQ(PaymentTitle(*trip), "Delegacja nr &lt;&amp;&nbsp; z dn. 3-10-2002");
}

TEST(MarkupToPlainText, ConversionRules)
{
    struct Case {
        QString markup, plain;
    };
    const Case cases[] = {
        {"a<hr>b", "a\r\n-\r\nb"},
        {"a<BR>b", "a\r\nb"},
        {"a<br><br>b", "a\r\n   \r\nb"},  // the "." line becomes an indent
        {"<b>gruby</b> i <i>pochyły</i>", "gruby i pochyły"},
        {"x<ind x=\"20\">y", "x\ty"},
        {"<HEAD><title>t</title></HEAD>treść", "treść"},
        {"a<form action=x>pole</FORM>b", "ab"},
        {"a<SCRIPT>alert(1)</script>b", "ab"},
        {"1&nbsp;&lt;2&gt;&pound;&copy;&para;z", "1 <2>&(c)\r\nz"},
        {"a       b   c  d", "a b c d"},
        {"a<br>_b", "a\r\n   b"},
        {"a<br><br><br><br>b", "a\r\n   \r\n\r\n   \r\nb"},
        {"a\r\n\r\n\r\nb", "a\r\n\r\nb"},
        {"bez znaczników", "bez znaczników"},
        {"a < b", "a < b"},  // no closing ">": nothing to remove
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup.toStdString());
        EXPECT_EQ(MarkupToPlainText(c.markup), c.plain);
    }
}

namespace {
// A base of three trips: settled on 3 October 2002 at noon, unsettled on 4 October, settled on 5.
void FillBase(tZunList& base)
{
    for (int day = 3; day <= 5; ++day) {
        auto trip = SampleTrip();
        trip->SetNumer(QString("DEL/%1/2002").arg(day));
        trip->SetDataWystawienia(Moment(2002, 10, day, 12, 0));
        trip->SetRozliczona(day != 4);
        base.Add(std::move(trip));
    }
}

QStringList Numbers(const QList<TripLine>& lines)
{
    QStringList numbers;
    for (const TripLine& line : lines)
        numbers << line.trip->Numer();
    return numbers;
}
}  // namespace

TEST(ListTrips, FiltersByStateAndByWholeDayOfIssue)
{
    tZunList base;
    FillBase(base);
    base.Add(nullptr);  // an empty place is skipped
    QList<TripLine> lines{{"stale", nullptr}};
    EXPECT_EQ(ListTrips(&base, &lines, true, true, 0, 0), 3);
    EXPECT_EQ(lines[0].text, TripTitleFor(*lines[0].trip));
    EXPECT_EQ(ListTrips(&base, &lines, false, false, 0, 0), 3);
    EXPECT_EQ(ListTrips(&base, &lines, true, false, 0, 0), 2);
    EXPECT_EQ(Numbers(lines), QStringList({"DEL/3/2002", "DEL/5/2002"}));
    EXPECT_EQ(ListTrips(&base, &lines, false, true, 0, 0), 1);
    EXPECT_EQ(Numbers(lines), QStringList({"DEL/4/2002"}));
    // One day, whatever the time of day.
    EXPECT_EQ(ListTrips(&base, &lines, false, false, Moment(2002, 10, 4, 23, 0), Moment(2002, 10, 4, 1, 0)), 1);
    EXPECT_EQ(Numbers(lines), QStringList({"DEL/4/2002"}));
    EXPECT_EQ(ListTrips(&base, &lines, false, false, Day(2002, 10, 4), 0), 2);
    EXPECT_EQ(ListTrips(&base, nullptr, true, true, 0, 0), 0);
}

TEST_F(TripBaseTest, PickTripChoosesFromTheTripBaseAndSetsTheCurrentTrip)
{
    FillBase(TripBase());
    Script().Answer(1);
    TDelegacja* chosen = PickTrip("Którą delegację rozliczyć?");
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->Numer(), "DEL/4/2002");
    EXPECT_EQ(CurrentTrip(), chosen);
    const auto& pick = Script().History().last();
    EXPECT_EQ(pick.caption, "Wybierz Delegację");
    EXPECT_EQ(pick.pick.title, "Którą delegację rozliczyć?");
    EXPECT_EQ(pick.pick.preselect, -1);
    ASSERT_EQ(pick.lines.size(), 3);
    EXPECT_EQ(pick.lines[0], TripTitleFor(*TripsOf(TripBase())[0]) + "<hr>");

    Script().Answer(ScriptedDialogs::Cancel{});
    try {
        PickTrip("Wybierz delegację, którą chcesz skopiować...");
        FAIL() << "cancelling must fail";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Nie wybrałeś Delegacji!");
    }
    EXPECT_EQ(CurrentTrip(), nullptr);
}

TEST_F(TripBaseTest, PickTripOnAnEmptyBaseFailsWithTheEmptyListMessage)
{
    try {
        PickTrip("Którą delegację rozliczyć?");
        FAIL() << "an empty base must fail";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "Niestety, nie ma z czego wybierać. Lista jest pusta!\r\nWybierz Delegację");
    }
}

namespace {
class RecordingProgress : public ProgressSink {
public:
    QStringList texts;
    void ShowStatus(const QString& text) override { texts << text; }
    void ShowProgress(qint64, qint64) override {}
    void EndStatus() override {}
    void SetCursor(int) override {}
};
}  // namespace

TEST_F(TripBaseTest, StartUpOpensTheTripBaseOnceTheModuleIsRegistered)
{
    ClearRecordClasses();  // only the trip module takes part
    RegisterTripsModule();
    tZunList seed;
    seed.Add(SampleTrip());
    ASSERT_TRUE(seed.SaveToFile(DataFolder() + "Rivazedur.dat", false));
    auto progress = std::make_shared<RecordingProgress>();
    InstallProgress(progress);
    OpenStartupBases();
    InstallProgress(nullptr);
    EXPECT_EQ(progress->texts, QStringList({"Rejestruję bazy danych...", "Odczytuję Rivazedur..."}));
    ASSERT_NE(FindOpenBase(kTripBaseKind), nullptr);
    EXPECT_EQ(&TripBase(), FindOpenBase(kTripBaseKind));
    EXPECT_EQ(TripsOf(TripBase()).size(), 1);
    EXPECT_TRUE(TripBase().FileName.endsWith("/Rivazedur.dat"));
    EXPECT_EQ(CurrentTrip(), nullptr);
}
