#include "RegionalSettings.h"

#include <cctype>

namespace qv {

namespace {

std::string Padded(int value, int width) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width)
        digits.insert(digits.begin(), '0');
    return digits;
}

size_t RunLength(std::string_view pattern, size_t i) {
    char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
    size_t n = 0;
    while (i + n < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[i + n])) == c)
        ++n;
    return n;
}

} // namespace

std::string FormatDate(DateValue date, std::string_view pattern, const RegionalSettings& regional) {
    const CivilDate d = DecodeDate(date);
    std::string out;
    size_t i = 0;
    while (i < pattern.size()) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(pattern[i])));
        if (c == '"' || c == '\'') {
            size_t close = pattern.find(pattern[i], i + 1);
            size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end == pattern.size() ? end : end + 1;
            continue;
        }
        if (c == '/') {
            out += regional.DateSeparator;
            ++i;
            continue;
        }
        if (c == 'd' || c == 'm' || c == 'y') {
            size_t n = RunLength(pattern, i);
            if (c == 'd')
                out += Padded(d.Day, n >= 2 ? 2 : 1);
            else if (c == 'm')
                out += Padded(d.Month, n >= 2 ? 2 : 1);
            else if (n <= 2)
                out += Padded(d.Year % 100, 2);
            else
                out += Padded(d.Year, 4);
            i += n;
            continue;
        }
        out += pattern[i++];
    }
    return out;
}

} // namespace qv
