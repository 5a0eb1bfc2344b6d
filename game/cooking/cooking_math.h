// The arithmetic of cooking and valuation: float working values, int32 running sums cut toward
// zero after every addition. Conversions saturate, so a huge or broken value cannot wrap a sum
// round to the other sign, and a division by nothing counts as nothing.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace cooking {

// Toward zero, held inside the int32 range; NaN is 0.
inline int TruncToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (value <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<int>(value);
}

// A running sum after one more term.
inline int AddTrunc(int sum, double term) { return TruncToInt(static_cast<double>(sum) + term); }

// numerator / divisor, or 0 when there is nothing to divide by.
inline double DivideOrZero(double numerator, double divisor) {
    return divisor == 0.0 ? 0.0 : numerator / divisor;
}

}  // namespace cooking
