#include "InterestMonths.h"

#include <algorithm>

namespace qv {

int32_t MonthsBetween(DateValue postmark, DateValue due) {
    const CivilDate p = DecodeDate(postmark);
    const CivilDate d = DecodeDate(due);
    if (p.Year == d.Year && p.Month == d.Month)
        return 0;
    const bool late = p.Year != d.Year ? p.Year > d.Year : p.Month > d.Month;
    if (late) {
        int32_t k = (p.Year - d.Year) * 12 + (p.Month - d.Month);
        if (p.Day < d.Day)
            --k;
        return k;
    }
    int32_t k = (d.Year - p.Year) * 12 + (d.Month - p.Month);
    if (d.Day < p.Day)
        --k;
    return -k;
}

int32_t ClampInterestMonths(int64_t months) {
    return static_cast<int32_t>(std::clamp<int64_t>(months, kInterestMonthsMin, kInterestMonthsMax));
}

} // namespace qv
