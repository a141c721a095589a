#pragma once
#include "text/Money.h"

// The dates and the advance of a trip being made, with the rules that tie them together. Each
// setter applies its field's rule, and a rule that changes another field runs that field's rule in
// turn, exactly as the new trip dialog reacts to every change.
struct NewTripValues {
    double dataWystawienia = 0;
    double terminOd = 0;
    double terminDo = 0;
    double dataWyplatyZaliczki = 0;
    double terminRozliczenia = 0;
    Money zaliczkaWnioskowana;
    Money zaliczkaUdzielona;

    void SetDataWystawienia(double day) { dataWystawienia = day; }
    void SetTerminOd(double day);   // also moves TerminDo
    void SetTerminDo(double day);   // also sets the advance payout date and the settling deadline
    void SetZaliczkaWnioskowana(Money amount);  // the granted advance follows the requested one

    // The values of a dialog opened on the given day: issued today, from tomorrow to the day after,
    // the advance paid today and the trip settled within 7 days of its end.
    static NewTripValues Opened(int today);
};

// Days after the end of a trip within which it is to be settled (the pledge on the trip order).
inline constexpr int kDaysToSettle = 7;
