#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// An amount of money: a signed count of 1/10,000 dollar, exactly as the return file stores it.
// Sums and differences are exact; one that leaves the 64-bit range raises an error instead of wrapping.
class Money {
public:
    static constexpr int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromUnits(int64_t units) { return Money(units); }
    static Money FromDollars(int64_t dollars);

    // An amount as a user types it: optional sign, digits, optional point and decimals.
    // Rounds to the nearest 1/10,000, halves to the even neighbour. Empty or malformed text, or an
    // amount beyond the range, gives nullopt.
    static std::optional<Money> Parse(std::string_view text);
    // The nearest unit to value x 10,000 computed exactly from the binary value, halves to even;
    // nullopt for NaN, infinities and values beyond the range.
    static std::optional<Money> FromDouble(double value);
    // The nearest unit to (+/-) significand x 2^exponent dollars, computed exactly, halves to even;
    // nullopt beyond the range. The common ground of the double and 80-bit conversions.
    static std::optional<Money> FromBinary(bool negative, uint64_t significand, int exponent);

    constexpr int64_t Units() const { return units_; }
    double ToDouble() const;
    // Plain decimal text with exactly `decimals` places (0..4), rounded halves to even: "-7.5000".
    std::string ToString(int decimals = 4) const;
    // Plain decimal text without trailing zeros: "1500", "1234.56", "-0.125".
    std::string ToShortString() const;

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

} // namespace qv
