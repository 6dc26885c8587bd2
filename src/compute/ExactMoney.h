#pragma once

#include "Int128.h"
#include "Money.h"

#include <cstdint>
#include <optional>

namespace qv {

// Exact arithmetic on amounts held as 128-bit counts of 1/10,000 dollar (the unit of Money), so that
// no intermediate of the return computation can overflow or lose a digit. Every rounding below is
// integer division with an explicit direction; no floating-point rounding mode is involved.
namespace exact {

inline constexpr int64_t kUnitsPerCent = 100;
inline constexpr int64_t kUnitsPerDollar = Money::kScale;
inline constexpr int64_t kUnitsPerThousandDollars = 1000 * Money::kScale;

// num / den rounded to the nearest integer, halves away from zero. den must not be zero.
i128 DivRoundHalfAway(i128 num, i128 den);
// num / den rounded toward +infinity. den must be positive.
i128 DivCeil(i128 num, i128 den);

// Nearest whole dollar, halves away from zero: 2.50 gives 3, -2.50 gives -3.
inline i128 ToWholeDollars(i128 units) {
    return DivRoundHalfAway(units, kUnitsPerDollar) * kUnitsPerDollar;
}
// Nearest cent, halves away from zero.
inline i128 ToCents(i128 units) {
    return DivRoundHalfAway(units, kUnitsPerCent) * kUnitsPerCent;
}
// The smallest multiple of $1,000 that is not below the amount: -1,500 gives -1,000.
inline i128 UpToThousand(i128 units) {
    return DivCeil(units, kUnitsPerThousandDollars) * kUnitsPerThousandDollars;
}

// True when the amount fits in Money.
bool FitsMoney(i128 units);

// A finite decimal number: Significand x 10^Exponent.
struct Decimal {
    int64_t Significand = 0;
    int Exponent = 0;
};

// The shortest decimal that reads back to the same double, as std::to_chars writes it (0.3 for the
// double nearest 0.3, not 0.299999999999999988898); nullopt for NaN and the infinities.
std::optional<Decimal> ShortestDecimal(double value);

// units x value, rounded to cents halves away from zero, exactly; nullopt when the result could not
// fit in Money.
std::optional<i128> TimesDecimalToCents(i128 units, Decimal value);

// The exact value of a double that holds a whole number of magnitude below 2^126 (nullopt for
// anything else).
std::optional<i128> WholeNumberOfDouble(double value);

} // namespace exact

} // namespace qv
