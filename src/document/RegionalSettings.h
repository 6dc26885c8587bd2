#pragma once

#include "DateValue.h"

#include <string>
#include <string_view>

namespace qv {

// The user's regional settings that dates and amounts are written with. The window fills them from
// the system locale, the command line from the environment; the defaults are United States
// conventions, which the C and POSIX locales also mean.
struct RegionalSettings {
    // Short date pattern: d, dd, m, mm, yy, yyyy, "/" for the date separator, other characters as
    // they are ("M/d/yyyy" is read as "m/d/yyyy").
    std::string ShortDateFormat = "m/d/yyyy";
    char DateSeparator = '/';
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    std::string CurrencyString = "$";
    // Placement of the currency symbol for positive amounts: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int CurrencyFormat = 0;
    // Negative amounts: 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int NegativeCurrencyFormat = 0;
    int CurrencyDecimals = 2;

    static RegionalSettings UnitedStates() { return RegionalSettings(); }
};

// A date written with a pattern of the kind above; a DateValue of 0 gives an empty text only where
// the caller says so, not here.
std::string FormatDate(DateValue date, std::string_view pattern, const RegionalSettings& regional);
// The date in the user's short date format.
inline std::string FormatShortDate(DateValue date, const RegionalSettings& regional) {
    return FormatDate(date, regional.ShortDateFormat, regional);
}

} // namespace qv
