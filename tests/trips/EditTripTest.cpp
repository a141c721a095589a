#include "TestRoot.h"
#include "TripFixtures.h"

#include "platform/Clock.h"
#include "platform/Errors.h"
#include "storage/ZunList.h"
#include "trips/HourField.h"
#include "trips/TripBase.h"
#include "trips/ui/TeEdycjaDelegacji.h"
#include "trips/ui/TripActions.h"
#include "trips/ui/TripFields.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
template <typename T>
T* Field(QWidget& dialog, const char* name)
{
    T* field = dialog.findChild<T*>(name);
    EXPECT_NE(field, nullptr) << name;
    return field;
}

void Type(QAbstractSpinBox* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

QString Shown(QWidget& dialog, const char* name) { return Field<TripAmountField>(dialog, name)->text(); }

void ClickOk(QWidget& dialog) { QTest::mouseClick(Field<QPushButton>(dialog, "bOK"), Qt::LeftButton); }

// Runs action on the edit dialog as soon as it is shown modally; the action must close it.
void WhenEditDialogOpens(std::function<void(QDialog&)> action)
{
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Edycja delegacji");
        action(*dialog);
    });
}

void Cancel(QDialog& dialog) { QTest::mouseClick(Field<QPushButton>(dialog, "bAnuluj"), Qt::LeftButton); }
}  // namespace

TEST(EditTrip, UnsettledTripShowsOnlyTheBasicPageAndStoresOnlyItsFields)
{
    auto trip = SampleTrip();
    trip->SetRozliczona(false);
    TeEdycjaDelegacji dialog(*trip);
    auto* pages = Field<QTabWidget>(dialog, "nbStrony");
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_TRUE(pages->tabBar()->isHidden());
    EXPECT_EQ(Field<QLineEdit>(dialog, "eNumer")->text(), "DEL/7/2002");
    EXPECT_EQ(Shown(dialog, "eZaliczkaUdzielona"), "250,00 zł");
    EXPECT_EQ(Field<TripDateField>(dialog, "eTerminOd")->Value(), Day(2002, 10, 7));

    Field<QLineEdit>(dialog, "eNumer")->setText("DEL/8/2002");
    Field<QLineEdit>(dialog, "eUwagi")->setText("nowe uwagi");
    Type(Field<TripAmountField>(dialog, "eZaliczkaWnioskowana"), "300,5");
    Field<TripDateField>(dialog, "eTerminRozliczenia")->SetValue(0);
    // Values on the hidden pages are not stored for an unsettled trip.
    Field<QLineEdit>(dialog, "eWyjazd1")->setText("Zakopane");
    Field<QCheckBox>(dialog, "cbOdcinek2")->setChecked(true);
    Field<TripAmountField>(dialog, "eKoszt1")->SetAmount(Zl(999));
    Field<TripAmountField>(dialog, "eDiety")->SetAmount(Zl(999));
    ClickOk(dialog);

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(trip->Numer(), "DEL/8/2002");
    EXPECT_EQ(trip->Uwagi(), "nowe uwagi");
    EXPECT_EQ(trip->ZaliczkaWnioskowana(), Zl(300, 50));
    EXPECT_EQ(trip->TerminRozliczenia(), 0);
    EXPECT_EQ(trip->Wyjazd(1), "Kraków");
    EXPECT_FALSE(trip->Odcinek(2));
    EXPECT_EQ(trip->Koszt(1), Zl(42, 10));
    EXPECT_EQ(trip->Diety(), Zl(69));
}

TEST(EditTrip, CancelStoresNothing)
{
    auto trip = SampleTrip();
    TeEdycjaDelegacji dialog(*trip);
    Field<QLineEdit>(dialog, "eNumer")->setText("zmieniony");
    Field<TripAmountField>(dialog, "eDiety")->SetAmount(Zl(1));
    QTest::mouseClick(Field<QPushButton>(dialog, "bAnuluj"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(trip->SameAs(SampleTrip().get()));
}

TEST(EditTrip, SettledTripRecalculatesAsTheAmountsAreTyped)
{
    TDelegacja trip;
    trip.SetRozliczona(true);
    trip.SetZaliczkaUdzielona(Zl(400));
    trip.SetIleKopii(2);
    TeEdycjaDelegacji dialog(trip);
    auto* pages = Field<QTabWidget>(dialog, "nbStrony");
    EXPECT_FALSE(pages->tabBar()->isHidden());
    EXPECT_EQ(pages->count(), 3);
    EXPECT_EQ(pages->tabText(1), "Dojazdy, pobyt");
    EXPECT_EQ(Field<QLabel>(dialog, "lbIleKopii")->text(), "2 egz.");

    Type(Field<TripAmountField>(dialog, "eDiety"), "250");
    EXPECT_EQ(Shown(dialog, "eRazem"), "250,00 zł");
    EXPECT_EQ(Shown(dialog, "eDoZwrotu"), "150,00 zł");
    EXPECT_EQ(Shown(dialog, "eDoWyplaty"), "0,00 zł");
    Type(Field<TripAmountField>(dialog, "eNoclegi"), "300");
    EXPECT_EQ(Shown(dialog, "eRazem"), "550,00 zł");
    EXPECT_EQ(Shown(dialog, "eDoZwrotu"), "0,00 zł");
    EXPECT_EQ(Shown(dialog, "eDoWyplaty"), "150,00 zł");
    // A change of the granted advance counts as well.
    Type(Field<TripAmountField>(dialog, "eZaliczkaUdzielona"), "600");
    EXPECT_EQ(Shown(dialog, "eDoZwrotu"), "50,00 zł");
    EXPECT_TRUE(Field<TripAmountField>(dialog, "eRazem")->isReadOnly());

    ClickOk(dialog);
    EXPECT_EQ(trip.Razem(), Zl(550));
    EXPECT_EQ(trip.DoZwrotu(), Zl(50));
    EXPECT_EQ(trip.DoWyplaty(), Zl(0));
    EXPECT_EQ(trip.Diety(), Zl(250));
    EXPECT_EQ(trip.IleKopii(), 2);
}

TEST(EditTrip, TenGroszeEntriesBalanceExactly)
{
    TDelegacja trip;
    trip.SetRozliczona(true);
    trip.SetZaliczkaUdzielona(Zl(0, 60));
    TeEdycjaDelegacji dialog(trip);
    for (const char* name : {"ePrzejazdy", "eDiety", "eNoclegi", "eDojazdyRyczalt", "eNoclegiRyczalt", "eInneWydatki"})
        Type(Field<TripAmountField>(dialog, name), "0,10");
    ClickOk(dialog);
    EXPECT_EQ(trip.Razem(), Zl(0, 60));
    EXPECT_EQ(trip.Razem().Units(), 6000);
    EXPECT_TRUE(trip.DoWyplaty().IsZero());
    EXPECT_TRUE(trip.DoZwrotu().IsZero());
}

TEST(EditTrip, LegsAreStoredWithTimesFromTheHourFields)
{
    auto trip = SampleTrip();
    TeEdycjaDelegacji dialog(*trip);
    EXPECT_EQ(Field<TripHourField>(dialog, "eWyjazd1Godzina")->text(), "07:05");
    EXPECT_EQ(Field<TripHourField>(dialog, "ePrzyjazd3Godzina")->text(), "23:59");
    EXPECT_TRUE(Field<QCheckBox>(dialog, "cbOdcinek1")->isChecked());
    EXPECT_FALSE(Field<QCheckBox>(dialog, "cbOdcinek2")->isChecked());

    Field<TripHourField>(dialog, "eWyjazd1Godzina")->setValue(2575);
    Type(Field<TripHourField>(dialog, "ePrzyjazd1Godzina"), "930");
    Field<TripHourField>(dialog, "eWyjazd3Godzina")->setValue(-815);
    Field<QCheckBox>(dialog, "cbOdcinek2")->setChecked(true);
    Field<QLineEdit>(dialog, "eWyjazd2")->setText("Sopot");
    Field<TripDateField>(dialog, "eWyjazd2Dzien")->SetValue(Day(2002, 10, 8));
    Field<TripHourField>(dialog, "eWyjazd2Godzina")->setValue(1200);
    Field<TripAmountField>(dialog, "eKoszt2")->SetAmount(Zl(7, 80));
    QTest::keyClick(Field<TripDateField>(dialog, "ePrzyjazd3Dzien"), Qt::Key_Delete);
    ClickOk(dialog);

    EXPECT_EQ(trip->WyjazdCzas(1), Day(2002, 10, 7) + TimeFractionOfHourField(2359));
    EXPECT_EQ(HourFieldOfDateTime(trip->WyjazdCzas(1)), 2359);
    EXPECT_EQ(HourFieldOfDateTime(trip->PrzyjazdCzas(1)), 930);
    EXPECT_EQ(HourFieldOfDateTime(trip->WyjazdCzas(3)), 815);
    EXPECT_TRUE(trip->Odcinek(2));
    EXPECT_EQ(trip->Wyjazd(2), "Sopot");
    EXPECT_EQ(trip->WyjazdCzas(2), Moment(2002, 10, 8, 12, 0));
    EXPECT_EQ(trip->PrzyjazdCzas(2), 0);  // an empty date field stores no date
    EXPECT_EQ(trip->PrzyjazdCzas(3), 0);  // emptied with the Delete key
    EXPECT_EQ(trip->Koszt(2), Zl(7, 80));
}

TEST(EditTrip, TypedAmountsAreKeptToTenThousandthsWithTiesToEven)
{
    TDelegacja trip;
    trip.SetRozliczona(true);
    TeEdycjaDelegacji dialog(trip);
    Type(Field<TripAmountField>(dialog, "eDiety"), "0,00015");
    Type(Field<TripAmountField>(dialog, "eNoclegi"), "0,00025");
    Type(Field<TripAmountField>(dialog, "eInneWydatki"), "1 234,5678");
    ClickOk(dialog);
    EXPECT_EQ(trip.Diety().Units(), 2);
    EXPECT_EQ(trip.Noclegi().Units(), 2);
    EXPECT_EQ(trip.InneWydatki().Units(), 12345678);
    EXPECT_EQ(trip.Razem().Units(), 12345682);
}

TEST(EditTrip, AmountsBeyondTheGroszSurviveAnUntouchedDialog)
{
    auto trip = SampleTrip();
    trip->SetDiety(Money::FromUnits(690049));
    TeEdycjaDelegacji dialog(*trip);
    EXPECT_EQ(Shown(dialog, "eDiety"), "69,00 zł");
    Field<TripAmountField>(dialog, "eDiety")->setFocus();
    Field<QLineEdit>(dialog, "eNumer")->setFocus();
    ClickOk(dialog);
    EXPECT_EQ(trip->Diety().Units(), 690049);
}

TEST_F(TripBaseTest, SettleTripRefusesASettledTrip)
{
    auto trip = SampleTrip();
    try {
        SettleTrip(*trip);
        FAIL() << "a settled trip must be refused";
    } catch (const ZunError& e) {
        EXPECT_EQ(e.Text(), "%Delegacja jest oznaczona jako rozliczona!");
    }
    EXPECT_TRUE(Script().History().isEmpty());
}

TEST_F(TripBaseTest, SettleTripAsksAndMarksTheTripEvenWhenTheDialogIsCancelled)
{
    TripBase().Add(std::make_unique<TDelegacja>());
    TDelegacja& trip = *TripsOf(TripBase())[0];
    trip.SetNumer("DEL/1/2024");
    trip.SetDataWystawienia(Day(2024, 3, 1));
    Script().No();
    EXPECT_FALSE(SettleTrip(trip));
    EXPECT_FALSE(trip.Rozliczona());
    const auto& question = Script().History().last();
    EXPECT_TRUE(question.layout.heading.contains("Czy rozliczyć delegację?"));
    EXPECT_TRUE(question.layout.body.contains("Delegacja nr DEL/1/2024 z dn. 1-03-2024"));
    EXPECT_TRUE(question.layout.cancelVisible);

    Script().Yes();
    bool sawAllPages = false;
    WhenEditDialogOpens([&](QDialog& dialog) {
        sawAllPages = !Field<QTabWidget>(dialog, "nbStrony")->tabBar()->isHidden();
        EXPECT_EQ(Field<TripDateField>(dialog, "eDataRozliczenia")->Value(), Day(2024, 3, 15));
        Cancel(dialog);
    });
    EXPECT_TRUE(SettleTrip(trip));
    EXPECT_TRUE(sawAllPages);
    EXPECT_TRUE(trip.Rozliczona());
    EXPECT_EQ(trip.DataRozliczenia(), Day(2024, 3, 15));  // today, no time of day
    EXPECT_TRUE(trip.Razem().IsZero());
    // The mark is in the file at once.
    tZunList file;
    ASSERT_TRUE(file.LoadFromFile(TripBase().FileName, false));
    ASSERT_EQ(file.Count(), 1);
    EXPECT_TRUE(file.GetAs<TDelegacja>(0)->Rozliczona());
}

TEST_F(TripBaseTest, CloneTripAddsACopyOnlyWhenConfirmed)
{
    TripBase().Add(SampleTrip());
    Script().Answer(0);
    WhenEditDialogOpens([](QDialog& dialog) {
        // A clone of a settled trip is settled, with the copied settlement on its pages.
        EXPECT_FALSE(Field<QTabWidget>(dialog, "nbStrony")->tabBar()->isHidden());
        EXPECT_EQ(Shown(dialog, "eRazem"), "285,50 zł");
        EXPECT_EQ(Field<QLineEdit>(dialog, "eNumer")->text(), "DEL/7/2002");
        Field<QLineEdit>(dialog, "eNumer")->setText("DEL/9/2002");
        ClickOk(dialog);
    });
    TDelegacja* clone = CloneTrip();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(Script().History().first().pick.title, "Wybierz delegację, którą chcesz skopiować...");
    ASSERT_EQ(TripsOf(TripBase()).size(), 2);
    EXPECT_EQ(TripsOf(TripBase())[1], clone);
    EXPECT_EQ(clone->Numer(), "DEL/9/2002");
    EXPECT_TRUE(clone->Rozliczona());
    EXPECT_EQ(clone->Pracownik, SampleEmployee());

    // Saved at once: the file holds both trips.
    tZunList file;
    ASSERT_TRUE(file.LoadFromFile(TripBase().FileName, false));
    EXPECT_EQ(file.Count(), 2);

    Script().Answer(0);
    WhenEditDialogOpens(Cancel);
    EXPECT_EQ(CloneTrip(), nullptr);
    EXPECT_EQ(TripsOf(TripBase()).size(), 2);
}
