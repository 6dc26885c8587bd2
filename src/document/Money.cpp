#include "Money.h"

#include "Error.h"
#include "Int128.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace qv {

namespace {

constexpr int64_t kPow10[] = {1, 10, 100, 1000, 10000};

// Rounds the non-negative q + rem/div to an integer, halves to even.
u128 RoundHalfEven(u128 q, u128 rem, u128 div) {
    u128 twice = rem * 2;
    if (twice > div || (twice == div && (q & 1) != 0))
        ++q;
    return q;
}

std::optional<Money> FromMagnitude(bool negative, u128 magnitude) {
    // -2^63 is representable, +2^63 is not.
    const u128 limit = negative ? u128(1) << 63 : (u128(1) << 63) - 1;
    if (magnitude > limit)
        return std::nullopt;
    if (negative)
        return Money::FromUnits(static_cast<int64_t>(-static_cast<int64_t>(magnitude - 1) - 1));
    return Money::FromUnits(static_cast<int64_t>(magnitude));
}

std::string DigitsWithPoint(u128 magnitude, int decimals) {
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (decimals > 0) {
        while (digits.size() <= static_cast<size_t>(decimals))
            digits.insert(digits.begin(), '0');
        digits.insert(digits.end() - decimals, '.');
    }
    return digits;
}

u128 Magnitude(int64_t v) {
    return v < 0 ? u128(-(v + 1)) + 1 : u128(v);
}

} // namespace

Money Money::FromDollars(int64_t dollars) {
    int64_t units = 0;
    if (!MulChecked(dollars, kScale, units))
        throw Error("Amount out of range");
    return Money(units);
}

std::optional<Money> Money::Parse(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    u128 whole = 0;
    size_t i = 0;
    bool anyDigit = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        whole = whole * 10 + static_cast<unsigned>(text[i] - '0');
        anyDigit = true;
        if (whole > (u128(1) << 64))
            return std::nullopt;
    }
    u128 fraction = 0; // the first four decimals
    int fractionDigits = 0;
    int roundDigit = 0;         // the fifth decimal
    bool beyondNonZero = false; // any non-zero decimal after the fifth
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            int d = text[i] - '0';
            anyDigit = true;
            if (fractionDigits < 4)
                fraction = fraction * 10 + static_cast<unsigned>(d);
            else if (fractionDigits == 4)
                roundDigit = d;
            else if (d != 0)
                beyondNonZero = true;
            ++fractionDigits;
        }
    }
    if (!anyDigit || i != text.size())
        return std::nullopt;
    for (int k = fractionDigits; k < 4; ++k)
        fraction *= 10;
    u128 units = whole * kScale + fraction;
    if (roundDigit > 5 || (roundDigit == 5 && (beyondNonZero || (units & 1) != 0)))
        ++units;
    return FromMagnitude(negative, units);
}

std::optional<Money> Money::FromBinary(bool negative, uint64_t significand, int exponent) {
    // value x 10,000 = significand x 10,000 x 2^exponent; the product needs at most 78 bits.
    u128 product = u128(significand) * kScale;
    if (product == 0)
        return Money();
    if (exponent >= 0) {
        if (exponent > 63 || (product >> (127 - exponent)) != 0)
            return std::nullopt;
        return FromMagnitude(negative, product << exponent);
    }
    int shift = -exponent;
    if (shift >= 100)
        return Money();
    u128 q = product >> shift;
    u128 rem = product & ((u128(1) << shift) - 1);
    return FromMagnitude(negative, RoundHalfEven(q, rem, u128(1) << shift));
}

std::optional<Money> Money::FromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    uint64_t bits = std::bit_cast<uint64_t>(value);
    bool negative = (bits >> 63) != 0;
    int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
    if (biased == 0)
        return FromBinary(negative, fraction, -1074);
    return FromBinary(negative, fraction | (uint64_t(1) << 52), biased - 1075);
}

double Money::ToDouble() const {
    // One correctly rounded division; exact in its inputs up to 2^53 units (about $900 billion).
    return static_cast<double>(units_) / static_cast<double>(kScale);
}

std::string Money::ToString(int decimals) const {
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    u128 magnitude = Magnitude(units_);
    const int64_t div = kPow10[4 - decimals];
    u128 rounded = RoundHalfEven(magnitude / div, magnitude % div, div);
    std::string text = DigitsWithPoint(rounded, decimals);
    if (units_ < 0 && rounded != 0)
        text.insert(text.begin(), '-');
    return text;
}

std::string Money::ToShortString() const {
    std::string text = ToString(4);
    size_t point = text.find('.');
    size_t end = text.size();
    while (end > point + 1 && text[end - 1] == '0')
        --end;
    if (end == point + 1)
        end = point;
    text.resize(end);
    return text;
}

Money Money::operator+(Money other) const {
    int64_t r = 0;
    if (!AddChecked(units_, other.units_, r))
        throw Error("Amount out of range");
    return Money(r);
}

Money Money::operator-(Money other) const {
    int64_t r = 0;
    if (!SubChecked(units_, other.units_, r))
        throw Error("Amount out of range");
    return Money(r);
}

Money Money::operator-() const {
    return Money() - *this;
}

} // namespace qv
