#include "ExactMoney.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace qv::exact {

namespace {

i128 Abs(i128 v) {
    return v < 0 ? -v : v;
}

// 10^n for 0 <= n <= 38, the powers of ten an i128 holds.
i128 PowerOfTen(int n) {
    i128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

} // namespace

i128 DivRoundHalfAway(i128 num, i128 den) {
    i128 q = num / den;
    i128 r = num % den;
    if (Abs(r) * 2 >= Abs(den))
        q += (num < 0) == (den < 0) ? 1 : -1;
    return q;
}

i128 DivCeil(i128 num, i128 den) {
    i128 q = num / den;
    if (num % den > 0)
        ++q;
    return q;
}

bool FitsMoney(i128 units) {
    return units >= i128(std::numeric_limits<int64_t>::min()) &&
           units <= i128(std::numeric_limits<int64_t>::max());
}

std::optional<Decimal> ShortestDecimal(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    // Shortest round-trip digits in scientific form, for example "3e-01", "1.0005e+03" or "1.5e-07".
    // The plain form may write a large whole number with all its exact digits instead
    // ("1234567890123399936" rather than "1.2345678901234e+18"), which neither is the shortest
    // decimal nor fits the significand.
    char buf[64];
    auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
    const char* p = buf;
    const char* end = written.ptr;
    bool negative = false;
    if (p < end && *p == '-') {
        negative = true;
        ++p;
    }
    Decimal d;
    bool afterPoint = false;
    for (; p < end && *p != 'e'; ++p) {
        if (*p == '.') {
            afterPoint = true;
            continue;
        }
        // At most 17 significant digits: the significand stays below 10^17.
        d.Significand = d.Significand * 10 + (*p - '0');
        if (afterPoint)
            --d.Exponent;
    }
    if (p < end && *p == 'e') {
        int e = 0;
        const char* q = p + 1;
        if (q < end && *q == '+')
            ++q;
        std::from_chars(q, end, e);
        d.Exponent += e;
    }
    if (negative)
        d.Significand = -d.Significand;
    return d;
}

std::optional<i128> TimesDecimalToCents(i128 units, Decimal value) {
    // units x S x 10^E dollars/10,000 is (units x S) x 10^(E - 2) cents.
    i128 product = units * value.Significand; // below 2^63 x 10^17 < 2^120
    if (product == 0)
        return i128(0);
    int shift = value.Exponent - 2;
    // Beyond this many cents no amount fits in Money; checking against it keeps the i128 from overflowing.
    const i128 limit = i128(std::numeric_limits<int64_t>::max()) / kUnitsPerCent + 1;
    i128 cents = 0;
    if (shift >= 0) {
        cents = product;
        for (int i = 0; i < shift; ++i) {
            if (Abs(cents) > limit)
                return std::nullopt;
            cents *= 10;
        }
    } else if (-shift <= 37) {
        cents = DivRoundHalfAway(product, PowerOfTen(-shift));
    } else {
        // |product| < 2^120 < 10^38 / 2: less than half a cent.
        return i128(0);
    }
    if (Abs(cents) > limit)
        return std::nullopt;
    i128 result = cents * kUnitsPerCent;
    if (!FitsMoney(result))
        return std::nullopt;
    return result;
}

std::optional<i128> WholeNumberOfDouble(double value) {
    if (!std::isfinite(value) || value != std::trunc(value) || std::fabs(value) >= 0x1p126)
        return std::nullopt;
    uint64_t bits = std::bit_cast<uint64_t>(value);
    int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0)
        return i128(0); // zero (a whole subnormal does not exist)
    u128 magnitude = u128((bits & ((uint64_t(1) << 52) - 1)) | (uint64_t(1) << 52));
    int exponent = biased - 1075;
    magnitude = exponent >= 0 ? magnitude << exponent : magnitude >> -exponent;
    i128 v = static_cast<i128>(magnitude);
    return (bits >> 63) != 0 ? -v : v;
}

} // namespace qv::exact
