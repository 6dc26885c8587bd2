#pragma once

#include "DateValue.h"
#include "Money.h"
#include "RegionalSettings.h"

#include <string>
#include <string_view>

namespace qv {

// The texts values are printed as. Every format that shows fewer decimals than an amount carries
// rounds its magnitude to the decimals shown with exact halves going to the even neighbour
// (2.5 gives 2, 3.5 gives 4, 0.125 gives 0.12), and a result of zero carries no minus sign.

// Zero patterns for rows of digit boxes: pattern is a run of "0"s, optionally with a point and more
// "0"s ("0000000000000", "00000.00", "00000"). The amount is rounded to the pattern's decimals and
// its whole part left-padded with zeros to the pattern's whole digits; a negative amount gets a
// leading "-", a wider one keeps all its digits.
std::string ZeroPattern(Money amount, std::string_view pattern);
// The amount times 100, that is dollars and cents without a point ("0000000": 12.30 gives
// "0001230").
std::string ZeroPatternTimes100(Money amount, std::string_view pattern);
// A stored double taken to four decimals first (as an amount would be) and then to the pattern.
std::string ZeroPatternOfDouble(double value, std::string_view pattern);

// Prepares a zero-pattern text for its boxes. A negative text moves its minus sign into the box of
// the first digit ("-0001" becomes "-0010": every digit keeps its box, the added "0" lies beyond
// the row) or, when the number fills every digit, becomes "ERR # 2 LOW    ". Leading zeros then
// become spaces, up to the first other character; the last character always stays.
std::string PrepareBoxDigits(std::string_view text);
// As PrepareBoxDigits, but the units digit and the cents stay: the last 4 characters of a text with
// a point ("0.00"), the last 3 of one without (dollars and cents run together).
std::string PrepareBoxDigitsCents(std::string_view text);

// The message a negative number that fills every box shows, one character per box.
inline constexpr std::string_view kBoxesTooLow = "ERR # 2 LOW    ";

// Dates. "mmddyy", six digits for six boxes; a date of 0 (no date) gives an empty text.
std::string FormatMMDDYY(DateValue date);
// "mm/dd/yyyy" with the user's date separator.
std::string FormatDateMMDDYYYY(DateValue date, const RegionalSettings& regional);

// "%<width>.<decimals>f": fixed point, right-justified with spaces to at least width characters.
std::string FormatFixed(double value, int width, int decimals);
// "%m": the user's currency format (symbol, its placement, grouping, decimals, negative form).
std::string FormatCurrency(Money amount, const RegionalSettings& regional);
// "%12.0n" (whole dollars) or "%12.2n": grouped by threes, the user's separators, a leading "-"
// when negative, right-justified with spaces to at least 12 characters.
std::string FormatAmount(Money amount, bool wholeDollars, const RegionalSettings& regional);

} // namespace qv
