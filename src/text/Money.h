#pragma once
#include <QtGlobal>
#include <compare>

// An amount of money: a signed 64-bit count of 1/10000 zł, as the records store it. Złote are the
// whole part, grosze the hundredths. Arithmetic is plain integer arithmetic on the units.
class Money {
public:
    static constexpr qint64 kUnitsPerZloty = 10000;
    static constexpr qint64 kUnitsPerGrosz = 100;

    constexpr Money() = default;
    static constexpr Money FromUnits(qint64 units) { return Money(units); }
    static constexpr Money FromZlote(qint64 zlote) { return Money(zlote * kUnitsPerZloty); }
    static constexpr Money FromGrosze(qint64 grosze) { return Money(grosze * kUnitsPerGrosz); }
    // A value typed or computed in floating point: the nearest 1/10000 zł, ties to even. Values
    // beyond the range saturate at the limits; NaN gives zero.
    static Money FromDouble(double zlote);

    constexpr qint64 Units() const { return units_; }
    double ToDouble() const { return double(units_) / kUnitsPerZloty; }
    constexpr qint64 WholeZlote() const { return units_ / kUnitsPerZloty; }  // towards zero
    constexpr bool IsZero() const { return units_ == 0; }
    constexpr bool IsNegative() const { return units_ < 0; }
    constexpr bool HasFraction() const { return units_ % kUnitsPerZloty != 0; }

    constexpr Money operator-() const { return Money(-units_); }
    constexpr Money operator+(Money other) const { return Money(units_ + other.units_); }
    constexpr Money operator-(Money other) const { return Money(units_ - other.units_); }
    constexpr Money operator*(qint64 factor) const { return Money(units_ * factor); }
    constexpr Money& operator+=(Money other) { units_ += other.units_; return *this; }
    constexpr Money& operator-=(Money other) { units_ -= other.units_; return *this; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 units) : units_(units) {}
    qint64 units_ = 0;
};

// The nearest integer, an exact half going upwards (2.5 -> 3, -2.5 -> -2).
qint64 RoundHalfUp(double x);

// The amount rounded to whole grosze, halves upwards. Amounts above 999 999 zł stay as they are.
Money RoundToGrosze(Money amount);
