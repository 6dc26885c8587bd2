#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The reporting period dialog without its widgets: the items of its four lists, what each choice
// does to the other side, the OK check and the text it writes ("07/2009 to 06/2010"). The dialog
// shows the positions this model holds and passes every choice to it.
class ReportingPeriod {
public:
    // The items of the month lists.
    static constexpr std::array<std::string_view, 12> kMonths = {"01", "02", "03", "04", "05", "06",
                                                                 "07", "08", "09", "10", "11", "12"};
    // The items of the year lists, newest first. 2010 is the program's edition year, not the clock's.
    static constexpr std::array<std::string_view, 10> kYears = {"2010", "2009", "2008", "2007", "2006",
                                                                "2005", "2004", "2003", "2002", "2001"};
    // A month list with nothing selected.
    static constexpr int kNoMonth = -1;
    static constexpr std::string_view kBeginYearAfterEndYear =
        "Beginning Year cannot be larger than Ending year!";

    // Beginning year 2009, ending year 2010, no months selected.
    ReportingPeriod() = default;

    // Starts from the control's text: when it is not blank, its first two characters are read as the
    // beginning month and the beginning rule runs; the years of the text are not read back. A number
    // outside 1..12 selects no month. Characters that are not a whole number are an error
    // ("'x/' is not a valid integer value") and change nothing.
    void Prefill(std::string_view text);

    // A choice in one of the lists, by position in kMonths or kYears. A choice on the beginning side
    // runs the beginning rule, one on the ending side the ending rule.
    void ChooseBeginMonth(int month);
    void ChooseBeginYear(int year);
    void ChooseEndMonth(int month);
    void ChooseEndYear(int year);

    // The positions the lists show; a month is kNoMonth when none is selected.
    int BeginMonth() const { return beginMonth_; }
    int BeginYear() const { return beginYear_; }
    int EndMonth() const { return endMonth_; }
    int EndYear() const { return endYear_; }

    // The OK button: nullopt when the dialog may close as accepted, otherwise the error message to show,
    // after which it closes as cancelled. Equal years are accepted.
    std::optional<std::string_view> CheckOk() const;
    // The text an accepted dialog writes into its control: beginning month "/" year " to " ending
    // month "/" year. A month not chosen leaves its part empty ("/2009 to /2010").
    std::string Text() const;

private:
    // Beginning month "01": the period is the calendar year. Otherwise it ends with the month before
    // the beginning month, a year later unless the beginning year is the newest in the list.
    void ApplyBeginningRule();
    // The period begins with the month after the ending month: in the same year when that is "01",
    // otherwise a year earlier (the ending year itself when that is the oldest in the list).
    void ApplyEndingRule();
    std::string_view MonthText(int month) const;

    int beginMonth_ = kNoMonth;
    int beginYear_ = 1; // "2009"
    int endMonth_ = kNoMonth;
    int endYear_ = 0; // "2010"
};

} // namespace qv
