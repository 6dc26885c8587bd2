// The form pages printed together: each form stamps on its own page.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

TEST_F(FormPagesTest, EveryFormStampsOnItsOwnPageWhateverComesBefore) {
    r.Set(fld::MMAddressChange, true);
    r.Set(fld::Bs1a, Amount("100"));
    r.Set(fld::SchedAPresName, "Margaret A. Hollis");
    const auto stamps = Stamps(Print([](PrintRun& run) {
                                   run.StampForm200();
                                   run.StampMinMax();
                                   run.StampBalanceSheet();
                                   run.StampScheduleA();
                               }),
                               {1, 8, 9, 4, 2});
    ASSERT_EQ(stamps.size(), 5u);
    auto count = [&](size_t page, const std::string& text) {
        return std::count_if(stamps[page].begin(), stamps[page].end(),
                             [&](const ShownText& t) { return t.Text == text; });
    };
    for (size_t page = 0; page < stamps.size(); ++page) {
        EXPECT_EQ(count(page, "$      100.00"), page == 3 ? 1 : 0) << page + 1;
        EXPECT_EQ(count(page, "Margaret A. Hollis"), page == 4 ? 1 : 0) << page + 1;
    }
}

} // namespace
} // namespace qv
