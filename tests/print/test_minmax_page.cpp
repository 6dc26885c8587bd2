// The minimum/maximum return and its back page.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

TEST_F(FormPagesTest, MinMaxStampsEveryValueAndTheBackPageWithAChange) {
    SetIdentification();
    r.Set(fld::MMForeignCorp, true);
    r.Set(fld::MMAddressChange, true);
    r.Set(fld::MMEstimatedReturn, false);
    r.Set(fld::MMLine1, Amount("20000"));
    r.Set(fld::MMLine2, Amount("100"));
    r.Set(fld::MMLine3, Amount("0.125")); // half a cent goes to the even neighbour
    r.Set(fld::MMLine4, Amount("2000"));
    r.Set(fld::MMLine5, Amount("0"));
    r.Set(fld::MMLine6, Amount("-10"));
    r.Set(fld::MMLine7, Amount("99999.99"));

    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampMinMax(); }), {8, 9});
    ASSERT_EQ(stamps.size(), 2u);
    Expects e = {
        {"73-1234567", 60, 574, kTimes, 14},
        {"01/2009 to 12/2009", 180, 574, kTimes, 14},
        {"7/1/2010", 328, 574, kTimes, 14},
        {"Red Earth Pipe & Supply, Inc.", 60, 682, kTimes, 10},
        {"1200 N. Harvey Ave.", 60, 705, kTimes, 10},
        {"Oklahoma City, OK 73103", 60, 729, kTimes, 10},
        {"X", 209, 604, kCourier, 26}, // D
        {"X", 242, 604, kCourier, 26}, // E
    };
    Append(e, Boxes(602, {327, 344, 360, 375, 392, 409, 424, 442, 458}, "731234567", kCourier, 18));
    Append(e, Boxes(626, kMinMaxWholeDollarBoxes, "20000", kCourier, 18));
    Append(e, Boxes(649, kMinMaxWholeDollarBoxes, "  100", kCourier, 18));
    Append(e, Boxes(672, kMinMaxAmountBoxes, NoPoint("    0.12"), kCourier, 18));
    Append(e, Boxes(695, kMinMaxAmountBoxes, NoPoint(" 2000.00"), kCourier, 18));
    Append(e, Boxes(719, kMinMaxWholeDollarBoxes, "    0", kCourier, 18));
    Append(e, Boxes(743, kMinMaxAmountBoxes, NoPoint("-0010.00"), kCourier, 18));
    Append(e, Boxes(768, kMinMaxAmountBoxes, NoPoint("99999.99"), kCourier, 18));
    ExpectPage(stamps, 1, e);
    ExpectPage(stamps, 2,
               {
                   {"Red Earth Pipe & Supply, Inc.", 95, 588, kTimes, 12},
                   {"1200 N. Harvey Ave.", 95, 612, kTimes, 12},
                   {"Oklahoma City, OK 73103", 95, 636, kTimes, 12},
               });
}

TEST_F(FormPagesTest, MinMaxWithoutAChangeIsOnePage) {
    SetIdentification();
    r.Set(fld::MMForeignCorp, false);
    r.Set(fld::MMEstimatedReturn, true);
    r.Set(fld::FEIN, "  -       "); // untouched: nothing at A, blanks in the G boxes
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampMinMax(); }), {8});
    ASSERT_EQ(stamps.size(), 1u);
    Expects e = {
        {"01/2009 to 12/2009", 180, 574, kTimes, 14},           {"7/1/2010", 328, 574, kTimes, 14},
        {"Red Earth Pipe & Supply, Inc.", 60, 682, kTimes, 10}, {"1200 N. Harvey Ave.", 60, 705, kTimes, 10},
        {"Oklahoma City, OK 73103", 60, 729, kTimes, 10},       {"X", 275, 604, kCourier, 26}, // F
    };
    for (int row : {626, 649, 719})
        Append(e, Boxes(row, kMinMaxWholeDollarBoxes, "    0", kCourier, 18));
    for (int row : {672, 695, 743, 768})
        Append(e, Boxes(row, kMinMaxAmountBoxes, NoPoint("    0.00"), kCourier, 18));
    ExpectPage(stamps, 1, e);
}

} // namespace
} // namespace qv
