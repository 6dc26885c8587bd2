#include "DateValue.h"

#include <cmath>

namespace qv {

namespace {

// Days from 1970-01-01 to a civil date and back (H. Hinnant's algorithms).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

CivilDate CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// 1899-12-30 counted from 1970-01-01.
const int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);
const int64_t kFirstDay = DaysFromCivil(1, 1, 1) - kEpochOffset;
const int64_t kLastDay = DaysFromCivil(9999, 12, 31) - kEpochOffset;

} // namespace

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

DateValue EncodeDate(int year, int month, int day) {
    return static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                               kEpochOffset);
}

CivilDate DecodeDate(DateValue value) {
    double days = std::trunc(value);
    if (!(days >= static_cast<double>(kFirstDay)))
        days = static_cast<double>(kFirstDay);
    if (days > static_cast<double>(kLastDay))
        days = static_cast<double>(kLastDay);
    return CivilFromDays(static_cast<int64_t>(days) + kEpochOffset);
}

} // namespace qv
