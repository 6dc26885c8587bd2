#include "F200FMonths.h"
#include "FieldText.h"
#include "InterestMonths.h"
#include "ReportingPeriod.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace qv;
using qv::test::DateOf;

TEST(MonthsBetween, WholeMonthsByWhichThePostmarkFollowsTheDueDate) {
    struct Case {
        const char* due;
        const char* postmark;
        int32_t months;
    };
    const Case cases[] = {
        {"2009-04-15", "2009-04-30", 0},   {"2009-04-15", "2009-05-14", 0},  {"2009-04-15", "2009-05-15", 1},
        {"2009-04-15", "2009-07-31", 3},   {"2009-04-15", "2010-04-15", 12}, {"2009-04-15", "2009-03-20", 0},
        {"2009-04-15", "2009-03-10", -1},  {"2009-04-15", "2009-01-15", -3}, {"2009-01-31", "2009-02-28", 0},
        {"2009-01-31", "2009-03-01", 1},   {"2009-12-31", "2010-01-31", 1},  {"2008-02-29", "2009-02-28", 11},
        {"2009-04-15", "2008-04-16", -11}, {"", "2009-04-15", 1311},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MonthsBetween(DateOf(c.postmark), DateOf(c.due)), c.months) << c.due << " " << c.postmark;
    // The time of day does not count.
    EXPECT_EQ(MonthsBetween(DateOf("2009-05-15") + 0.25, DateOf("2009-04-15") + 0.75), 1);
    EXPECT_EQ(MonthsBetween(DateOf("2009-05-14") + 0.99, DateOf("2009-04-15")), 0);
}

TEST(MonthsBetween, InterestDialogRange) {
    const std::pair<int64_t, int32_t> cases[] = {{-13, -12}, {-12, -12}, {0, 0},
                                                 {100, 100}, {101, 100}, {1311, 100}};
    for (auto [in, out] : cases)
        EXPECT_EQ(ClampInterestMonths(in), out) << in;
}

namespace {

// A step of the dialog: "bm:07" chooses beginning month 07, "by:2009" beginning year 2009, "em" and
// "ey" the ending ones.
void Choose(ReportingPeriod& p, std::string_view step) {
    std::string_view what = step.substr(0, 2);
    std::string_view item = step.substr(3);
    auto position = [](const auto& items, std::string_view text) {
        return static_cast<int>(std::find(items.begin(), items.end(), text) - items.begin());
    };
    if (what == "bm")
        p.ChooseBeginMonth(position(ReportingPeriod::kMonths, item));
    else if (what == "by")
        p.ChooseBeginYear(position(ReportingPeriod::kYears, item));
    else if (what == "em")
        p.ChooseEndMonth(position(ReportingPeriod::kMonths, item));
    else
        p.ChooseEndYear(position(ReportingPeriod::kYears, item));
}

} // namespace

TEST(ReportingPeriod, RulesOkCheckAndText) {
    struct Case {
        const char* prefill;
        std::vector<const char*> steps;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"", {"bm:07", "by:2009"}, "07/2009 to 06/2010", true},
        {"", {"bm:01", "by:2009"}, "01/2009 to 12/2009", true},
        {"", {"bm:01", "by:2010"}, "01/2010 to 12/2010", true},
        {"", {"bm:03", "by:2010"}, "03/2010 to 02/2010", true},
        {"", {"em:06", "ey:2001"}, "07/2001 to 06/2001", true},
        {"", {"em:12", "ey:2008"}, "01/2008 to 12/2008", true},
        {"", {"em:06", "ey:2005"}, "07/2004 to 06/2005", true},
        {"", {"bm:12", "by:2004"}, "12/2004 to 11/2005", true},
        {"", {}, "/2009 to /2010", true},
        {"", {"ey:2006"}, "/2005 to /2006", true},
        // The newest beginning year leaves the ending year where it was.
        {"", {"em:06", "ey:2008", "by:2010"}, "07/2010 to 06/2008", false},
        {"07/2005 to 06/2006", {}, "07/2009 to 06/2010", true},
        {"01/2003 to 12/2003", {}, "01/2009 to 12/2009", true},
        {" 7/2009 to 06/2010", {}, "07/2009 to 06/2010", true},
        {"13/2009 to 12/2010", {}, "/2009 to /2010", true},
        {"00", {}, "/2009 to /2010", true},
        {"   ", {}, "/2009 to /2010", true},
        {"11", {"by:2010"}, "11/2010 to 10/2010", true},
    };
    for (const Case& c : cases) {
        ReportingPeriod p;
        p.Prefill(c.prefill);
        for (const char* step : c.steps)
            Choose(p, step);
        EXPECT_EQ(p.Text(), c.text) << c.prefill << " " << c.steps.size();
        if (c.accepted)
            EXPECT_FALSE(p.CheckOk().has_value()) << c.text;
        else
            EXPECT_EQ(p.CheckOk().value_or(""), "Beginning Year cannot be larger than Ending year!")
                << c.text;
    }
}

TEST(ReportingPeriod, PrefillThatIsNoNumberIsAnErrorAndChangesNothing) {
    for (const char* text : {"ab/2009 to 06/2010", "7/2009", "  /2009"}) {
        ReportingPeriod p;
        p.ChooseBeginMonth(4);
        try {
            p.Prefill(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text).substr(0, 2) + "' is not a valid integer value");
        }
        EXPECT_EQ(p.Text(), "05/2009 to 04/2010") << text;
    }
    ReportingPeriod p;
    EXPECT_THROW(p.ChooseEndYear(10), Error);
    EXPECT_THROW(p.ChooseBeginMonth(-1), Error);
}

TEST(F200FMonths, TheTwoMonthsSpanTwelveMonths) {
    struct Case {
        const char* chosen;
        const char* endForBegin;
        const char* beginForEnd;
    };
    const Case cases[] = {
        {"January", "December", "February"},
        {"December", "November", "January"},
        {"July", "June", "August"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(F200FEndMonthFor(c.chosen).value_or(""), c.endForBegin);
        EXPECT_EQ(F200FBeginMonthFor(c.chosen).value_or(""), c.beginForEnd);
    }
    EXPECT_FALSE(F200FEndMonthFor("january").has_value());
    EXPECT_FALSE(F200FBeginMonthFor("").has_value());
}
