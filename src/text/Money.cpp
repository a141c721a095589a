#include "text/Money.h"

#include <cmath>
#include <limits>

Money Money::FromDouble(double zlote)
{
    if (std::isnan(zlote))
        return {};
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    const double units = std::nearbyint(zlote * kUnitsPerZloty);
    constexpr double kLimit = 9223372036854775807.0;  // 2^63
    if (units >= kLimit)
        return Money(std::numeric_limits<qint64>::max());
    if (units < -kLimit)
        return Money(std::numeric_limits<qint64>::min());
    return Money(qint64(units));
}

qint64 RoundHalfUp(double x)
{
    if (std::isnan(x))
        return 0;
    const double below = std::floor(x);
    // x - floor(x) is exact, so the comparison with one half is too.
    double result = x - below >= 0.5 ? below + 1 : below;
    constexpr double kLimit = 9223372036854775807.0;
    if (result >= kLimit)
        return std::numeric_limits<qint64>::max();
    if (result < -kLimit)
        return std::numeric_limits<qint64>::min();
    return qint64(result);
}

Money RoundToGrosze(Money amount)
{
    const qint64 units = amount.Units();
    if (units > 999999 * Money::kUnitsPerZloty || !amount.HasFraction())
        return amount;
    // Whole grosze, halves upwards, in exact integer arithmetic: floor((units + 50) / 100).
    const qint64 shifted = units + Money::kUnitsPerGrosz / 2;
    qint64 grosze = shifted / Money::kUnitsPerGrosz;
    if (shifted % Money::kUnitsPerGrosz < 0)
        --grosze;
    return Money::FromGrosze(grosze);
}
