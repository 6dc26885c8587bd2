#pragma once

#include "DateValue.h"

#include <cstdint>

namespace qv {

// The whole months by which a postmark follows the due date; a month counts only once its day of
// the month is reached (due 15 April: a postmark of 14 May gives 0, of 15 May gives 1). An early
// postmark gives zero or a negative count. The time of day of both dates is ignored.
int32_t MonthsBetween(DateValue postmark, DateValue due);

// The range of the interest dialog's month count; a value outside is brought to the nearer end.
inline constexpr int32_t kInterestMonthsMin = -12;
inline constexpr int32_t kInterestMonthsMax = 100;
int32_t ClampInterestMonths(int64_t months);

} // namespace qv
