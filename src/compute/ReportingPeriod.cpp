#include "ReportingPeriod.h"

#include "Error.h"

namespace qv {

namespace {

constexpr int kMonthCount = static_cast<int>(ReportingPeriod::kMonths.size());
constexpr int kYearCount = static_cast<int>(ReportingPeriod::kYears.size());

void CheckPosition(int position, int count, bool noneAllowed) {
    if (position < (noneAllowed ? -1 : 0) || position >= count)
        throw Error("List index out of bounds (" + std::to_string(position) + ")");
}

// A whole number as the user's text gives it: leading blanks, an optional sign, then digits only.
std::optional<int> WholeNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

bool IsBlank(std::string_view text) {
    for (char ch : text)
        if (static_cast<unsigned char>(ch) > ' ')
            return false;
    return true;
}

} // namespace

void ReportingPeriod::Prefill(std::string_view text) {
    if (IsBlank(text))
        return;
    const std::string_view start = text.substr(0, 2);
    std::optional<int> month = WholeNumber(start);
    if (!month)
        throw Error("'" + std::string(start) + "' is not a valid integer value");
    beginMonth_ = *month >= 1 && *month <= kMonthCount ? *month - 1 : kNoMonth;
    ApplyBeginningRule();
}

void ReportingPeriod::ChooseBeginMonth(int month) {
    CheckPosition(month, kMonthCount, false);
    beginMonth_ = month;
    ApplyBeginningRule();
}

void ReportingPeriod::ChooseBeginYear(int year) {
    CheckPosition(year, kYearCount, false);
    beginYear_ = year;
    ApplyBeginningRule();
}

void ReportingPeriod::ChooseEndMonth(int month) {
    CheckPosition(month, kMonthCount, false);
    endMonth_ = month;
    ApplyEndingRule();
}

void ReportingPeriod::ChooseEndYear(int year) {
    CheckPosition(year, kYearCount, false);
    endYear_ = year;
    ApplyEndingRule();
}

// The years run newest first, so the year after a list position is the position before it.
void ReportingPeriod::ApplyBeginningRule() {
    if (beginMonth_ == 0) {
        endMonth_ = kMonthCount - 1;
        endYear_ = beginYear_;
        return;
    }
    // Without a beginning month there is no month before it; only the year follows.
    endMonth_ = beginMonth_ == kNoMonth ? kNoMonth : beginMonth_ - 1;
    if (beginYear_ > 0)
        endYear_ = beginYear_ - 1;
}

void ReportingPeriod::ApplyEndingRule() {
    // Without an ending month there is no month after it; the period is taken as a year-long one.
    beginMonth_ = endMonth_ == kNoMonth ? kNoMonth : (endMonth_ + 1) % kMonthCount;
    if (beginMonth_ == 0)
        beginYear_ = endYear_;
    else
        beginYear_ = endYear_ + 1 < kYearCount ? endYear_ + 1 : endYear_;
}

std::optional<std::string_view> ReportingPeriod::CheckOk() const {
    // Four-digit years: the texts compare in numeric order.
    if (kYears[static_cast<size_t>(beginYear_)] > kYears[static_cast<size_t>(endYear_)])
        return kBeginYearAfterEndYear;
    return std::nullopt;
}

std::string_view ReportingPeriod::MonthText(int month) const {
    return month == kNoMonth ? std::string_view() : kMonths[static_cast<size_t>(month)];
}

std::string ReportingPeriod::Text() const {
    std::string text;
    text += MonthText(beginMonth_);
    text += '/';
    text += kYears[static_cast<size_t>(beginYear_)];
    text += " to ";
    text += MonthText(endMonth_);
    text += '/';
    text += kYears[static_cast<size_t>(endYear_)];
    return text;
}

} // namespace qv
