#include "DecimalNumber.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>

namespace qv::ui {

namespace {

bool AllDigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void StripLeadingZeros(std::string& digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
}

void StripTrailingZeros(std::string& digits) {
    size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
}

// Adds one to a string of decimal digits; "" counts as 0.
void Increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

DecimalNumber DecimalNumber::FromMoney(Money amount) {
    return *FromPlain(amount.ToString(4));
}

DecimalNumber DecimalNumber::FromDouble(double value) {
    if (!std::isfinite(value))
        return {};
    // The shortest decimal that reads back as the same double: what was typed or computed as 2.675
    // is 2.675, not the binary neighbour 2.67499999..., as it is when shown anywhere else.
    char buffer[512];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc())
        return {};
    return *FromPlain(std::string_view(buffer, static_cast<size_t>(end - buffer)));
}

DecimalNumber DecimalNumber::FromInt(long long value) {
    return *FromPlain(std::to_string(value));
}

std::optional<DecimalNumber> DecimalNumber::FromPlain(std::string_view text) {
    DecimalNumber n;
    if (!text.empty() && text.front() == '-') {
        n.Negative = true;
        text.remove_prefix(1);
    }
    size_t point = text.find('.');
    std::string_view whole = text.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && fraction.empty()) || !AllDigits(whole) || !AllDigits(fraction))
        return std::nullopt;
    n.Whole = whole;
    n.Fraction = fraction;
    StripLeadingZeros(n.Whole);
    StripTrailingZeros(n.Fraction);
    if (n.IsZero())
        n.Negative = false;
    return n;
}

bool DecimalNumber::IsZero() const {
    auto zero = [](const std::string& s) { return s.find_first_not_of('0') == std::string::npos; };
    return zero(Whole) && zero(Fraction);
}

DecimalNumber DecimalNumber::RoundedHalfAwayFromZero(int decimals) const {
    return Rounded(decimals, false);
}

DecimalNumber DecimalNumber::RoundedHalfEven(int decimals) const {
    return Rounded(decimals, true);
}

DecimalNumber DecimalNumber::Rounded(int decimals, bool halfEven) const {
    const size_t places = static_cast<size_t>(std::max(decimals, 0));
    if (Fraction.size() <= places)
        return *this;
    std::string digits = Whole + Fraction.substr(0, places);
    const char next = Fraction[places];
    const bool restNonZero = Fraction.find_first_not_of('0', places + 1) != std::string::npos;
    const bool lastOdd = !digits.empty() && (digits.back() - '0') % 2 == 1;
    const bool up = halfEven ? next > '5' || (next == '5' && (restNonZero || lastOdd)) : next >= '5';
    if (up)
        Increment(digits);
    while (digits.size() < places)
        digits.insert(digits.begin(), '0');
    DecimalNumber r;
    r.Negative = Negative;
    r.Whole = digits.substr(0, digits.size() - places);
    r.Fraction = digits.substr(digits.size() - places);
    StripLeadingZeros(r.Whole);
    StripTrailingZeros(r.Fraction);
    if (r.IsZero())
        r.Negative = false;
    return r;
}

std::string DecimalNumber::ToPlain() const {
    std::string s = Negative ? "-" : "";
    s += Whole.empty() ? "0" : Whole;
    if (!Fraction.empty())
        s += "." + Fraction;
    return s;
}

Money DecimalNumber::ToMoney() const {
    if (auto m = Money::Parse(ToPlain()))
        return *m;
    return Money::FromUnits(Negative ? std::numeric_limits<int64_t>::min()
                                     : std::numeric_limits<int64_t>::max());
}

double DecimalNumber::ToDouble() const {
    const std::string plain = ToPlain();
    double value = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

int DecimalNumber::ToInt() const {
    const DecimalNumber r = RoundedHalfAwayFromZero(0);
    if (r.Whole.size() > 10)
        return r.Negative ? INT_MIN : INT_MAX;
    const long long v = r.Whole.empty() ? 0 : std::stoll(r.Whole);
    const long long s = r.Negative ? -v : v;
    return static_cast<int>(std::clamp<long long>(s, INT_MIN, INT_MAX));
}

} // namespace qv::ui
