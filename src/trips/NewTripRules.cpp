#include "trips/NewTripRules.h"

void NewTripValues::SetTerminOd(double day)
{
    terminOd = day;
    SetTerminDo(day);
}

void NewTripValues::SetTerminDo(double day)
{
    terminDo = day;
    dataWyplatyZaliczki = dataWystawienia;
    terminRozliczenia = day + kDaysToSettle;
}

void NewTripValues::SetZaliczkaWnioskowana(Money amount)
{
    zaliczkaWnioskowana = amount;
    zaliczkaUdzielona = amount;
}

NewTripValues NewTripValues::Opened(int today)
{
    NewTripValues v;
    v.SetDataWystawienia(today);
    v.SetTerminOd(today + 1);
    v.SetTerminDo(today + 2);
    return v;
}
