#include "Extended80.h"

#include "Endian.h"
#include "Int128.h"

#include <bit>

namespace qv {

namespace {

constexpr int kBias = 16383;
constexpr uint16_t kMaxExponent = 0x7FFF;
constexpr uint64_t kTopBit = uint64_t(1) << 63;

int CountLeadingZeros(uint64_t v) {
    return std::countl_zero(v);
}

} // namespace

std::array<uint8_t, 10> Extended80::ToBytes() const {
    std::array<uint8_t, 10> b{};
    StoreLE64(b.data(), Significand);
    StoreLE16(b.data() + 8, SignExponent);
    return b;
}

Extended80 Extended80::FromBytes(const uint8_t* bytes) {
    return Extended80{LoadLE64(bytes), LoadLE16(bytes + 8)};
}

Extended80 ExtendedFromDouble(double value) {
    uint64_t bits = std::bit_cast<uint64_t>(value);
    uint16_t sign = (bits >> 63) != 0 ? 0x8000 : 0;
    int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
    if (biased == 0x7FF) {
        // Infinity keeps only the leading bit; a NaN keeps its payload and stays quiet.
        uint64_t significand = kTopBit | (fraction << 11);
        if (fraction != 0)
            significand |= uint64_t(1) << 62;
        return Extended80{significand, static_cast<uint16_t>(sign | kMaxExponent)};
    }
    if (biased == 0) {
        if (fraction == 0)
            return Extended80{0, sign};
        // Subnormal double: normalise into the explicit-leading-bit form.
        int shift = CountLeadingZeros(fraction);
        int exponent = -1074 + 63 - shift; // value = fraction x 2^-1074
        return Extended80{fraction << shift, static_cast<uint16_t>(sign | (exponent + kBias))};
    }
    uint64_t significand = kTopBit | (fraction << 11);
    return Extended80{significand, static_cast<uint16_t>(sign | (biased - 1023 + kBias))};
}

double ExtendedToDouble(Extended80 value) {
    const bool negative = (value.SignExponent & 0x8000) != 0;
    const uint64_t sign = negative ? kTopBit : 0;
    const int biased = value.SignExponent & kMaxExponent;
    uint64_t m = value.Significand;
    if (biased == kMaxExponent) {
        if ((m & ~kTopBit) == 0)
            return std::bit_cast<double>(sign | 0x7FF0000000000000ull);
        return std::bit_cast<double>(sign | 0x7FF8000000000000ull | ((m & ~kTopBit) >> 11));
    }
    if (m == 0)
        return std::bit_cast<double>(sign);
    // value = m x 2^(e - 63), with e the unbiased exponent of a normalised significand. A zero
    // exponent field (denormal) counts as 1 - bias.
    int e = (biased == 0 ? 1 : biased) - kBias;
    int lz = CountLeadingZeros(m);
    m <<= lz;
    e -= lz;
    if (e > 1023)
        return std::bit_cast<double>(sign | 0x7FF0000000000000ull);
    int shift = 11; // bits of m below the 53-bit double significand
    if (e < -1022)
        shift += -1022 - e; // subnormal result: fewer significant bits
    if (shift > 64)
        return std::bit_cast<double>(sign);
    u128 wide = m;
    u128 q = wide >> shift;
    u128 rem = wide & ((u128(1) << shift) - 1);
    u128 half = u128(1) << (shift - 1);
    if (rem > half || (rem == half && (q & 1) != 0))
        ++q;
    uint64_t mantissa = static_cast<uint64_t>(q);
    if (e < -1022) {
        // Subnormal (or rounded up into the smallest normal: bit 52 then lands in the exponent).
        return std::bit_cast<double>(sign | mantissa);
    }
    if (mantissa == (uint64_t(1) << 53)) {
        mantissa >>= 1;
        ++e;
        if (e > 1023)
            return std::bit_cast<double>(sign | 0x7FF0000000000000ull);
    }
    uint64_t bits = sign | (static_cast<uint64_t>(e + 1023) << 52) | (mantissa & ((uint64_t(1) << 52) - 1));
    return std::bit_cast<double>(bits);
}

Extended80 ExtendedFromMoney(Money amount) {
    int64_t units = amount.Units();
    if (units == 0)
        return Extended80{};
    const bool negative = units < 0;
    const u128 magnitude = negative ? u128(-(units + 1)) + 1 : u128(units);
    // Find s with 2^63 <= magnitude x 2^s / 10,000 < 2^64; the shifted value stays below 2^79.
    const int bitLength = 64 - std::countl_zero(static_cast<uint64_t>(magnitude));
    int s = 64 + 14 - bitLength;
    const u128 scale = Money::kScale;
    u128 q = (magnitude << s) / scale;
    while (q >= (u128(1) << 64)) {
        --s;
        q = (magnitude << s) / scale;
    }
    while (q < (u128(1) << 63)) {
        ++s;
        q = (magnitude << s) / scale;
    }
    u128 rem = (magnitude << s) % scale;
    if (rem * 2 > scale || (rem * 2 == scale && (q & 1) != 0))
        ++q;
    if (q == (u128(1) << 64)) {
        q >>= 1;
        --s;
    }
    // value = q x 2^-s = significand x 2^(E - bias - 63)
    int biased = kBias + 63 - s;
    return Extended80{static_cast<uint64_t>(q), static_cast<uint16_t>((negative ? 0x8000 : 0) | biased)};
}

std::optional<Money> MoneyFromExtended(Extended80 value) {
    const bool negative = (value.SignExponent & 0x8000) != 0;
    const int biased = value.SignExponent & kMaxExponent;
    if (biased == kMaxExponent)
        return std::nullopt;
    int e = (biased == 0 ? 1 : biased) - kBias - 63;
    return Money::FromBinary(negative, value.Significand, e);
}

} // namespace qv
