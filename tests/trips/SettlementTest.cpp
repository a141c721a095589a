#include "trips/NewTripRules.h"
#include "trips/TripSettlement.h"

#include <gtest/gtest.h>

namespace {
constexpr Money Zl(qint64 zloty, qint64 grosze = 0) { return Money::FromGrosze(zloty * 100 + grosze); }
constexpr Money kZero;
}

TEST(Settlement, TotalAndBalanceAgainstTheAdvance)
{
    struct Case {
        const char* what;
        SettlementEntries in;
        SettlementResult out;
    };
    const Case cases[] = {
        {"advance equals the total", {Zl(100), Zl(150), Zl(100), Zl(50), Zl(60), Zl(40), Zl(500)}, {Zl(500), kZero, kZero}},
        {"advance above the total", {kZero, Zl(120), Zl(80), kZero, kZero, kZero, Zl(300)}, {Zl(200), kZero, Zl(100)}},
        {"no advance", {Zl(42, 50), kZero, kZero, kZero, kZero, kZero, kZero}, {Zl(42, 50), Zl(42, 50), kZero}},
        {"advance below the total", {kZero, Zl(250), Zl(300), kZero, kZero, kZero, Zl(400)}, {Zl(550), Zl(150), kZero}},
        {"negative correction", {kZero, Zl(10), kZero, kZero, kZero, -Zl(30), kZero}, {-Zl(20), kZero, Zl(20)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RecalculateSettlement(c.in), c.out);
    }
}

TEST(Settlement, ManySmallEntriesAddUpExactly)
{
    // Six entries of 0,10 zł typed into the fields and an advance of 0,60 zł balance exactly; added
    // as binary fractions they give 0.6000000000000001.
    const Money dime = Money::FromDouble(0.1);
    SettlementEntries e{dime, dime, dime, dime, dime, dime, Money::FromDouble(0.6)};
    const SettlementResult r = RecalculateSettlement(e);
    EXPECT_EQ(r.razem, Zl(0, 60));
    EXPECT_EQ(r.doWyplaty, kZero);
    EXPECT_EQ(r.doZwrotu, kZero);
}

TEST(Settlement, DayCountIsInclusiveAndIgnoresTheTimeOfDay)
{
    const double march2 = 37317;  // 2 March 2002
    EXPECT_EQ(TripDayCount(march2, march2 + 2), 3);
    EXPECT_EQ(TripDayCount(march2 + 2, march2 + 2), 1);
    EXPECT_EQ(TripDayCount(march2 + 0.9, march2 + 2.1), 3);
    EXPECT_EQ(TripDayCount(march2 + 2, march2), -1);
}

TEST(Settlement, DerivedSums)
{
    EXPECT_EQ(TravelAndLocalTotal(Zl(10), Zl(1), Zl(2, 50), Zl(3)), Zl(16, 50));
    EXPECT_EQ(LodgingFigure(Zl(120), Zl(45, 5)), Zl(165, 5));
    EXPECT_EQ(TravelFigure(Zl(84, 20), Zl(12, 30)), Zl(96, 50));
}

TEST(NewTripRules, OpeningAndChangesFollowTheDateRules)
{
    const int today = 45366;  // 15 March 2024
    NewTripValues v = NewTripValues::Opened(today);
    EXPECT_EQ(v.dataWystawienia, today);
    EXPECT_EQ(v.terminOd, today + 1);
    EXPECT_EQ(v.terminDo, today + 2);
    EXPECT_EQ(v.dataWyplatyZaliczki, today);
    EXPECT_EQ(v.terminRozliczenia, today + 9);

    // Issued on 1 May, back on 10 May: settle by 17 May, advance paid on the issue day.
    const double may1 = 45413, may10 = 45422;
    v.SetDataWystawienia(may1);
    v.SetTerminDo(may10);
    EXPECT_EQ(v.terminRozliczenia, may10 + 7);
    EXPECT_EQ(v.dataWyplatyZaliczki, may1);

    // A new first day moves the last day, and through it the deadline.
    v.SetTerminOd(may10 + 5);
    EXPECT_EQ(v.terminDo, may10 + 5);
    EXPECT_EQ(v.terminRozliczenia, may10 + 12);

    v.SetZaliczkaWnioskowana(Zl(250));
    EXPECT_EQ(v.zaliczkaUdzielona, Zl(250));
}
