#include "ValueFormats.h"

#include "Int128.h"

#include <algorithm>
#include <cstdio>

namespace qv {

namespace {

// A value rounded to a number of decimals: its magnitude in units of 10^-decimals and its sign.
struct Rounded {
    bool Negative = false;
    u128 Magnitude = 0;
    int Decimals = 0;
};

u128 Pow10(int n) {
    u128 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// Rounds value x 10^-scale to the given decimals (at most scale), halves to even.
Rounded RoundScaled(i128 value, int scale, int decimals) {
    Rounded r;
    r.Decimals = decimals;
    u128 magnitude = value < 0 ? u128(-(value + 1)) + 1 : u128(value);
    const u128 div = Pow10(scale - decimals);
    u128 q = magnitude / div;
    const u128 rest = magnitude % div;
    if (rest * 2 > div || (rest * 2 == div && (q & 1) != 0))
        ++q;
    r.Magnitude = q;
    r.Negative = value < 0 && q != 0;
    return r;
}

Rounded RoundMoney(Money amount, int decimals) {
    return RoundScaled(amount.Units(), 4, std::clamp(decimals, 0, 4));
}

std::string Digits(u128 v) {
    if (v == 0)
        return "0";
    std::string s;
    while (v != 0) {
        s += static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    }
    std::reverse(s.begin(), s.end());
    return s;
}

// The whole part of a rounded value and its decimals as digit texts.
std::string WholeDigits(const Rounded& r) {
    return Digits(r.Magnitude / Pow10(r.Decimals));
}

std::string DecimalDigits(const Rounded& r) {
    std::string d = Digits(r.Magnitude % Pow10(r.Decimals));
    return std::string(static_cast<size_t>(r.Decimals) - d.size(), '0') + d;
}

std::string Grouped(const std::string& digits, char separator) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i != 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

std::string PadLeft(std::string text, size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

// The "0" digit places before and after the point of a zero pattern.
void PatternPlaces(std::string_view pattern, int& whole, int& decimals) {
    size_t point = pattern.find('.');
    whole = static_cast<int>(
        std::count(pattern.begin(),
                   pattern.begin() + static_cast<std::ptrdiff_t>(std::min(point, pattern.size())), '0'));
    decimals = point == std::string_view::npos
                   ? 0
                   : static_cast<int>(std::count(pattern.begin() + static_cast<std::ptrdiff_t>(point),
                                                 pattern.end(), '0'));
}

std::string ApplyPattern(i128 value, int scale, std::string_view pattern) {
    int whole = 0;
    int decimals = 0;
    PatternPlaces(pattern, whole, decimals);
    Rounded r = RoundScaled(value, scale, std::min(decimals, scale));
    std::string digits = WholeDigits(r);
    if (digits == "0" && whole == 0)
        digits.clear();
    if (static_cast<int>(digits.size()) < whole)
        digits.insert(0, static_cast<size_t>(whole) - digits.size(), '0');
    std::string text = r.Negative ? "-" + digits : digits;
    if (decimals > 0) {
        std::string frac = DecimalDigits(r);
        frac.append(static_cast<size_t>(decimals - r.Decimals), '0');
        // The point of a box row is a fixed place of the form, whatever the user's separator.
        text += '.';
        text += frac;
    }
    return text;
}

std::string Prepare(std::string_view text, bool keepCents) {
    std::string s(text);
    if (!s.empty() && s[0] == '-') {
        if (s.size() >= 2 && s[1] == '0')
            s = "-" + s.substr(2) + "0";
        else
            s = std::string(kBoxesTooLow);
    }
    size_t keep = 1;
    if (keepCents)
        keep = s.find('.') != std::string::npos ? 4 : 3;
    const size_t changeable = s.size() > keep ? s.size() - keep : 0;
    for (size_t i = 0; i < changeable && s[i] == '0'; ++i)
        s[i] = ' ';
    return s;
}

} // namespace

std::string ZeroPattern(Money amount, std::string_view pattern) {
    return ApplyPattern(amount.Units(), 4, pattern);
}

std::string ZeroPatternTimes100(Money amount, std::string_view pattern) {
    // Units are 1/10,000 dollar, so the amount times 100 is the units in hundredths.
    return ApplyPattern(amount.Units(), 2, pattern);
}

std::string ZeroPatternOfDouble(double value, std::string_view pattern) {
    std::optional<Money> m = Money::FromDouble(value);
    return ZeroPattern(m.value_or(Money()), pattern);
}

std::string PrepareBoxDigits(std::string_view text) {
    return Prepare(text, false);
}
std::string PrepareBoxDigitsCents(std::string_view text) {
    return Prepare(text, true);
}

std::string FormatMMDDYY(DateValue date) {
    if (date == 0)
        return {};
    return FormatDate(date, "mmddyy", RegionalSettings::UnitedStates());
}

std::string FormatDateMMDDYYYY(DateValue date, const RegionalSettings& regional) {
    return FormatDate(date, "mm/dd/yyyy", regional);
}

std::string FormatFixed(double value, int width, int decimals) {
    std::optional<Money> m = decimals >= 0 && decimals <= 4 ? Money::FromDouble(value) : std::nullopt;
    std::string text;
    if (m) {
        text = m->ToString(decimals);
    } else {
        // Beyond the range of four-decimal amounts: the C library's own rounding.
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.*f", std::clamp(decimals, 0, 20), value);
        text = buf;
    }
    return PadLeft(std::move(text), static_cast<size_t>(std::max(width, 0)));
}

std::string FormatCurrency(Money amount, const RegionalSettings& regional) {
    Rounded r = RoundMoney(amount, regional.CurrencyDecimals);
    std::string number = Grouped(WholeDigits(r), regional.ThousandSeparator);
    if (r.Decimals > 0) {
        number += regional.DecimalSeparator;
        number += DecimalDigits(r);
    }
    const std::string& c = regional.CurrencyString;
    if (!r.Negative) {
        switch (regional.CurrencyFormat) {
        case 1:
            return number + c;
        case 2:
            return c + " " + number;
        case 3:
            return number + " " + c;
        default:
            return c + number;
        }
    }
    switch (regional.NegativeCurrencyFormat) {
    case 1:
        return "-" + c + number;
    case 2:
        return c + "-" + number;
    case 3:
        return c + number + "-";
    case 4:
        return "(" + number + c + ")";
    case 5:
        return "-" + number + c;
    case 6:
        return number + "-" + c;
    case 7:
        return number + c + "-";
    case 8:
        return "-" + number + " " + c;
    case 9:
        return "-" + c + " " + number;
    case 10:
        return number + " " + c + "-";
    case 11:
        return c + " " + number + "-";
    case 12:
        return c + " -" + number;
    case 13:
        return number + "- " + c;
    case 14:
        return "(" + c + " " + number + ")";
    case 15:
        return "(" + number + " " + c + ")";
    default:
        return "(" + c + number + ")";
    }
}

std::string FormatAmount(Money amount, bool wholeDollars, const RegionalSettings& regional) {
    Rounded r = RoundMoney(amount, wholeDollars ? 0 : 2);
    std::string text = Grouped(WholeDigits(r), regional.ThousandSeparator);
    if (r.Decimals > 0) {
        text += regional.DecimalSeparator;
        text += DecimalDigits(r);
    }
    if (r.Negative)
        text.insert(0, 1, '-');
    return PadLeft(std::move(text), 12);
}

} // namespace qv
