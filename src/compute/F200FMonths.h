#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace qv {

// The months of Form 200-F's beginning and ending lists, in list order; the record stores the name.
inline constexpr std::array<std::string_view, 12> kF200FMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// The two months always span twelve months: a beginning month chosen sets the ending month to the
// month before it ("January" gives "December"), an ending month chosen sets the beginning month to the
// month after it ("December" gives "January"). nullopt for a text that is not one of the months.
std::optional<std::string_view> F200FEndMonthFor(std::string_view beginMonth);
std::optional<std::string_view> F200FBeginMonthFor(std::string_view endMonth);

} // namespace qv
