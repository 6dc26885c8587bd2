// Form 200: every value in its boxes or on its line, the marks and block K, line 9.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

TEST_F(FormPagesTest, Form200StampsEveryValueAtItsPlace) {
    SetIdentification();
    r.Set(fld::IncOklahoma, true);
    r.Set(fld::IncOther, false);
    r.Set(fld::AddressChange, true);
    r.Set(fld::EstimatedReturn, false);
    r.Set(fld::BalanceSheetDate, EncodeDate(2009, 12, 31));
    r.Set(fld::F200Line1, Amount("12345678901234")); // 14 digits: the first 13 show
    r.Set(fld::F200Line2, Amount("4123456"));
    r.Set(fld::F200Line3, Amount("-12345"));
    r.Set(fld::F200Line4, Amount("1235000"));
    r.Set(fld::F200Line5, Amount("0"));
    r.Set(fld::F200Line6, Amount("999"));
    r.Set(fld::F200Line7, Amount("-1234567890123")); // negative in every digit
    r.Set(fld::F200Line8, Amount("5000000000"));
    r.Set(fld::F200Line9, 5.0);
    r.Set(fld::F200Line10, Amount("1"));
    r.Set(fld::F200Line11, Amount("0"));
    r.Set(fld::F200Line12, Amount("0.05"));
    r.Set(fld::F200Line13, Amount("100"));
    r.Set(fld::F200Line14, Amount("0.05"));
    r.Set(fld::F200Line15, Amount("12.30"));
    r.Set(fld::F200Line16, Amount("0"));
    r.Set(fld::F200Line17, Amount("-7.50"));
    r.Set(fld::F200Line18, Amount("3608.13"));

    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampForm200(); }), {1});
    ASSERT_EQ(stamps.size(), 1u);
    Expects e = {
        {"73-1234567", 66, 85, kTimes, 12},
        {"01/2009 to 12/2009", 154, 85, kTimes, 12},
        {"7/1/2010", 298, 85, kTimes, 12},
        {"Red Earth Pipe & Supply, Inc.", 80, 180, kTimes, 12},
        {"1200 N. Harvey Ave.", 80, 204, kTimes, 12},
        {"Oklahoma City, OK 73103", 80, 228, kTimes, 12},
        {"Red Earth Pipe & Supply, Inc.", 80, 662, kTimes, 12},
        {"1200 N. Harvey Ave.", 80, 688, kTimes, 12},
        {"Oklahoma City, OK 73103", 80, 712, kTimes, 12},
        {"X", 215, 125, kCourier, 16}, // D
        {"X", 281, 125, kCourier, 16}, // F
        {"X", 162, 489, kCourier, 16}, // Option 1
    };
    Append(e, Boxes(125, {523, 539}, "10", kCourier, 16));
    Append(e, Boxes(125, {349, 365, 381, 397, 413, 431, 447, 464, 480}, "731234567", kCourier, 16));
    Append(e, Boxes(244, {456, 472, 490, 506, 522, 538}, "123109", kCourier, 16));
    Append(e, Boxes(293, kForm200CapitalBoxes, "1234567890123", kCourier, 16));
    Append(e, Boxes(315, kForm200CapitalBoxes, "      4123456", kCourier, 16));
    Append(e, Boxes(339, kForm200CapitalBoxes, "-000000012345", kCourier, 16));
    Append(e, Boxes(362, kForm200Line4Boxes, "      1235", kCourier, 16));
    Append(e, Boxes(385, kForm200CapitalBoxes, "            0", kCourier, 16));
    Append(e, Boxes(409, kForm200CapitalBoxes, "          999", kCourier, 16));
    Append(e, Boxes(433, kForm200CapitalBoxes, "ERR # 2 LOW  ", kCourier, 16));
    Append(e, Boxes(457, kForm200CapitalBoxes, "   5000000000", kCourier, 16));
    Append(e, Boxes(482, kForm200Line9Boxes, "0005", kCourier, 16));
    Append(e, Boxes(507, kForm200CapitalBoxes, "            1", kCourier, 16));
    Append(e, Boxes(529, kForm200Line11Boxes, "          ", kCourier, 16));
    Append(e, Boxes(630, kForm200TaxBoxes, "      5", kCourier, 16));
    Append(e, Boxes(652, kForm200FeeBoxes, "  100", kCourier, 16));
    Append(e, Boxes(677, kForm200TaxBoxes, "    005", kCourier, 16));
    Append(e, Boxes(701, kForm200TaxBoxes, NoPoint("   12.30"), kCourier, 16));
    Append(e, Boxes(723, kForm200FeeBoxes, "    0", kCourier, 16));
    Append(e, Boxes(746, kForm200TaxBoxes, NoPoint("-0007.50"), kCourier, 16));
    Append(e, Boxes(772, kForm200TaxBoxes, NoPoint(" 3608.13"), kCourier, 16));
    ExpectPage(stamps, 1, e);
}

struct MarkCase {
    const char* IncOklahoma;
    const char* Option1;
    const char* AddressChange;
    const char* EstimatedReturn;
    std::vector<int> HeadMarks; // x of the marks in the row of items D to G
    int OptionMark;             // x of the line 9 mark
    bool BlockK;
};

class Form200MarksTest : public FormPagesTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(Form200MarksTest, MarksAndBlockKFollowTheFlags) {
    const MarkCase& c = GetParam();
    SetIdentification();
    r.SetText(DefOf(FieldId::IncOklahoma), c.IncOklahoma);
    r.SetText(DefOf(FieldId::F200Option1), c.Option1);
    r.SetText(DefOf(FieldId::AddressChange), c.AddressChange);
    r.SetText(DefOf(FieldId::EstimatedReturn), c.EstimatedReturn);
    // The flags that the page does not consult say the opposite.
    r.Set(fld::IncOther, true);
    r.Set(fld::F200Option2, true);

    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampForm200(); }), {1});
    ASSERT_EQ(stamps.size(), 1u);
    std::vector<int> head;
    std::vector<int> option;
    int blockK = 0;
    for (const ShownText& t : stamps[0]) {
        if (t.Text == "X" && t.Y == 122)
            head.push_back(int(t.X));
        else if (t.Text == "X" && t.Y == 486)
            option.push_back(int(t.X));
        else if (t.Y == 659 || t.Y == 685 || t.Y == 709)
            ++blockK;
    }
    std::sort(head.begin(), head.end());
    EXPECT_EQ(head, c.HeadMarks);
    EXPECT_EQ(option, std::vector<int>{c.OptionMark});
    EXPECT_EQ(blockK, c.BlockK ? 3 : 0);
}

INSTANTIATE_TEST_SUITE_P(Flags, Form200MarksTest,
                         ::testing::Values(
                             // D for Oklahoma, Option 1, neither F nor G, no block K.
                             MarkCase{"Y", "Y", "N", "N", {215}, 162, false},
                             // E for another state, F and G, Option 2, block K repeats name and address.
                             MarkCase{"N", "N", "Y", "Y", {249, 281, 316}, 205, true},
                             // Only exactly "Y" counts: empty and lower-case flags are not set.
                             MarkCase{"", "", "y", "N", {249}, 205, false},
                             MarkCase{"y", "y", "Y", "", {249, 281}, 205, true}));

// Line 9 is a fraction after the point the form prints: four digits, leading zeros kept, and a
// stored value of 10000 or more cut to its first four.
TEST_F(FormPagesTest, Line9ShowsFourDigitsAfterThePrintedPoint) {
    const std::pair<double, const char*> cases[] = {
        {1234.0, "1234"}, {5.0, "0005"}, {0.0, "0000"}, {10000.0, "1000"}, {12345.0, "1234"}};
    for (const auto& [stored, boxes] : cases) {
        r.Set(fld::F200Line9, stored);
        const auto stamps = Stamps(Print([](PrintRun& run) { run.StampForm200(); }), {1});
        ASSERT_EQ(stamps.size(), 1u);
        std::vector<ShownText> line9;
        for (const ShownText& t : stamps[0])
            if (t.Y == 479)
                line9.push_back(t);
        Expects e;
        Append(e, Boxes(482, kForm200Line9Boxes, boxes, kCourier, 16));
        SCOPED_TRACE(stored);
        ExpectStamps(line9, e);
    }
}

} // namespace
} // namespace qv
