#pragma once
#include "trips/TDelegacja.h"

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Trips for the tests: a settled trip with every kind of field filled, and small variations.
std::unique_ptr<TDelegacja> SampleTrip();
TDane SampleEmployer();
TDane SampleEmployee();

// Day-count values of dates and moments.
double Day(int year, int month, int day);
double Moment(int year, int month, int day, int hour, int minute);
inline Money Zl(qint64 zloty, qint64 grosze = 0) { return Money::FromGrosze(zloty * 100 + grosze); }

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Tests that use the program's trip base: each starts with an empty base file in the test's data
// folder and ends with every base closed and no current trip.
class TripBaseTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
