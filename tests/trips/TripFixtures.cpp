#include "TripFixtures.h"

#include "platform/Clock.h"
#include "storage/BaseKinds.h"
#include "storage/StartupBases.h"
#include "trips/TripBase.h"

#include <QFile>

double Day(int year, int month, int day) { return DayNumber(QDate(year, month, day)); }

double Moment(int year, int month, int day, int hour, int minute)
{
    return DateTimeValue(QDateTime(QDate(year, month, day), QTime(hour, minute)));
}

TDane SampleEmployer()
{
    TDane d;
    d.id = "ZUNFIRMA";
    d.Nazwa = "Zakład Usług \"Niwa\" & Syn";
    d.Firma = d.Nazwa;
    d.ImieNazwisko = "Anna Nowak";
    d.Adres = d.AdresWysylki = "ul. Długa 1";
    d.Kod = d.KodWysylki = "31-147";
    d.Miasto = d.MiastoWysylki = "Kraków";
    d.NIP = "676-10-20-304";
    return d;
}

TDane SampleEmployee()
{
    TDane d;
    d.id = "KOWAL";
    d.Nazwa = d.ImieNazwisko = "Jan Kowalski";
    d.Adres = d.AdresWysylki = "Polna 7";
    d.Kod = d.KodWysylki = "80-001";
    d.Miasto = d.MiastoWysylki = "Gdańsk";
    d.Dowod = "ABC123456";
    d.email = "jan@example.pl";
    return d;
}

std::unique_ptr<TDelegacja> SampleTrip()
{
    auto t = std::make_unique<TDelegacja>();
    t->SetNumer("DEL/7/2002");
    t->SetMiejsceWystawienia("Kraków");
    t->SetMiejsceDelegowania("Gdańsk");
    t->SetCelDelegowania("Szkolenie BHP");
    t->SetSrodekTransportu("PKP");
    t->SetUwagi("bez uwag");
    t->SetStanowisko("kierowca");
    t->SetIleKopii(2);
    t->SetZaliczkaWnioskowana(Zl(250));
    t->SetZaliczkaUdzielona(Zl(250));
    t->SetDataWystawienia(Day(2002, 10, 3));
    t->SetTerminOd(Day(2002, 10, 7));
    t->SetTerminDo(Day(2002, 10, 9));
    t->SetDataWyplatyZaliczki(Day(2002, 10, 3));
    t->SetTerminRozliczenia(Day(2002, 10, 16));
    t->SetRozliczona(true);
    t->SetDataRozliczenia(Day(2002, 10, 10));
    t->SetDataWyplaty(Day(2002, 10, 11));
    t->SetPrzejazdy(Zl(84, 20));
    t->SetDiety(Zl(69));
    t->SetNoclegi(Zl(120));
    t->SetDojazdyRyczalt(Zl(12, 30));
    t->SetRazem(Zl(285, 50));
    t->SetDoWyplaty(Zl(35, 50));
    t->SetOdcinek(1, true);
    t->SetWyjazd(1, "Kraków");
    t->SetPrzyjazd(1, "Gdańsk");
    t->SetSrodek(1, "pociąg");
    t->SetWyjazdCzas(1, Moment(2002, 10, 7, 7, 5));
    t->SetPrzyjazdCzas(1, Moment(2002, 10, 7, 15, 40));
    t->SetKoszt(1, Zl(42, 10));
    t->SetOdcinek(3, true);
    t->SetWyjazd(3, "Gdańsk");
    t->SetPrzyjazd(3, "Kraków");
    t->SetSrodek(3, "pociąg");
    t->SetWyjazdCzas(3, Moment(2002, 10, 9, 16, 0));
    t->SetPrzyjazdCzas(3, Moment(2002, 10, 9, 23, 59));
    t->SetKoszt(3, Zl(42, 10));
    t->Pracodawca = SampleEmployer();
    t->Pracownik = SampleEmployee();
    t->DaneSkarbowe.Nazwisko = "Kowalski";
    t->DaneSkarbowe.Imie = "Jan";
    t->DaneSkarbowe.Stanowisko = "kierowca";
    t->DaneSkarbowe.resString[4] = "wolny tekst";
    return t;
}

void TripBaseTest::SetUp()
{
    CloseAllBases();
    CurrentTrip() = nullptr;
    QFile empty(DataFolder() + "Rivazedur.dat");
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write(QByteArray(6, '\0'));
}

void TripBaseTest::TearDown()
{
    CloseAllBases();
    CurrentTrip() = nullptr;
}
