#include "F200FMonths.h"

namespace qv {

namespace {

std::optional<size_t> PositionOf(std::string_view month) {
    for (size_t i = 0; i < kF200FMonths.size(); ++i)
        if (kF200FMonths[i] == month)
            return i;
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> F200FEndMonthFor(std::string_view beginMonth) {
    std::optional<size_t> i = PositionOf(beginMonth);
    if (!i)
        return std::nullopt;
    return kF200FMonths[(*i + kF200FMonths.size() - 1) % kF200FMonths.size()];
}

std::optional<std::string_view> F200FBeginMonthFor(std::string_view endMonth) {
    std::optional<size_t> i = PositionOf(endMonth);
    if (!i)
        return std::nullopt;
    return kF200FMonths[(*i + 1) % kF200FMonths.size()];
}

} // namespace qv
