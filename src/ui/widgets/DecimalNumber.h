#pragma once

#include "Money.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv::ui {

// An exact decimal number as the amount edits hold it between their text and the record: the sign,
// the whole digits and the fraction digits, so that rounding to what a field shows is exact decimal
// arithmetic whatever the source (Money, a stored double, an int).
struct DecimalNumber {
    bool Negative = false;
    std::string Whole;    // digits without leading zeros; empty for a whole part of 0
    std::string Fraction; // digits after the point

    static DecimalNumber FromMoney(Money amount);
    // The shortest decimal that reads back as the double; NaN and the infinities give 0.
    static DecimalNumber FromDouble(double value);
    static DecimalNumber FromInt(long long value);
    // Plain text: optional "-", digits, optional "." and digits ("-1234.5", ".5"). Anything else
    // gives nullopt.
    static std::optional<DecimalNumber> FromPlain(std::string_view text);

    bool IsZero() const;
    // To `decimals` places: halves away from zero (what a field shows), or halves to the even
    // neighbour (switching whole-dollar entry on). A result of zero carries no sign.
    DecimalNumber RoundedHalfAwayFromZero(int decimals) const;
    DecimalNumber RoundedHalfEven(int decimals) const;

    std::string ToPlain() const;
    // x 10,000 rounded halves to even; beyond the range of Money the nearest end of it.
    Money ToMoney() const;
    double ToDouble() const;
    // Rounded to a whole number halves away from zero, limited to the range of int.
    int ToInt() const;

private:
    DecimalNumber Rounded(int decimals, bool halfEven) const;
};

} // namespace qv::ui
