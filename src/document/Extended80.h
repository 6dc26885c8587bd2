#pragma once

#include "Money.h"

#include <array>
#include <cstdint>

namespace qv {

// The 80-bit extended-precision number of the table streams: a 64-bit significand with an explicit
// leading bit, then 15 bits of exponent biased by 16383 and the sign in the top bit. Converted by
// hand, bit by bit, so the results do not depend on the compiler's long double (64 bits on MSVC).
struct Extended80 {
    uint64_t Significand = 0;
    uint16_t SignExponent = 0;

    std::array<uint8_t, 10> ToBytes() const;
    static Extended80 FromBytes(const uint8_t* bytes);
    friend bool operator==(const Extended80&, const Extended80&) = default;
};

// Exact: every double is an extended number.
Extended80 ExtendedFromDouble(double value);
// Rounded to the nearest double, halves to even; overflow gives an infinity, NaN stays NaN.
double ExtendedToDouble(Extended80 value);
// The amount in dollars (units / 10,000) rounded to the 64-bit significand, halves to even.
Extended80 ExtendedFromMoney(Money amount);
// The number x 10,000 rounded to the nearest unit, halves to even; nullopt for NaN, infinities and
// numbers beyond the range of Money.
std::optional<Money> MoneyFromExtended(Extended80 value);

} // namespace qv
