#include "ControlPlacement.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace qv::forms {
namespace {

using form::Rect;
using form::Stamp;

// The points a stamp draws at: a text's point on its baseline, the start of each box of a box row,
// the corner a mark's letter is drawn from.
std::vector<std::pair<double, double>> DrawnPoints(const Stamp& s) {
    std::vector<std::pair<double, double>> points;
    if (form::IsBoxRow(s.Kind)) {
        for (const int16_t x : s.Xs)
            points.emplace_back(x, form::Baseline(s.Y));
    } else {
        points.emplace_back(s.X, form::Baseline(s.Y));
    }
    return points;
}

const Stamp& FirstStamp(int page, FieldId field) {
    for (const Stamp& s : form::Layout(page).Stamps) {
        const FieldId stamped = s.Kind == form::Value::Mark ? s.ConditionField : s.Field;
        if (stamped == field)
            return s;
    }
    throw std::logic_error("field not on page");
}

struct PlacementCase {
    std::string Name;
    int Page;
    FieldId Field;
};
void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.Name;
}

class FieldRectTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(FieldRectTest, LiesOnThePageAndEnclosesWhatIsStamped) {
    const PlacementCase& c = GetParam();
    const std::optional<Rect> r = FieldRect(c.Page, c.Field);
    ASSERT_TRUE(r.has_value());
    EXPECT_GE(r->Left, 0);
    EXPECT_GE(r->Top, 0);
    EXPECT_LE(r->Right, form::kPageWidth);
    EXPECT_LE(r->Bottom, form::kPageHeight);
    // Tall and wide enough for an edit control.
    EXPECT_GE(r->Bottom - r->Top, 8);
    EXPECT_GE(r->Right - r->Left, 8);
    for (auto [x, y] : DrawnPoints(FirstStamp(c.Page, c.Field))) {
        EXPECT_GE(x, r->Left) << x;
        EXPECT_LE(x, r->Right) << x;
        EXPECT_GE(y, r->Top) << y;
        EXPECT_LE(y, r->Bottom) << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldRectTest,
    ::testing::Values(
        PlacementCase{"BalanceSheetLine1ColumnA", form::page::BalanceSheet, FieldId::Bs1a},
        PlacementCase{"BalanceSheetDate", form::page::BalanceSheet, FieldId::BalanceSheetDate},
        PlacementCase{"Form200Line12", form::page::Form200, FieldId::F200Line12},
        PlacementCase{"Form200Name", form::page::Form200, FieldId::CorpName},
        PlacementCase{"Form200TaxYearBoxes", form::page::Form200, FieldId::TaxYear},
        PlacementCase{"ScheduleAPresidentName", form::page::ScheduleA, FieldId::SchedAPresName},
        PlacementCase{"ScheduleBParentShare", form::page::ScheduleBCD, FieldId::SchedBPctParentOwned},
        PlacementCase{"ScheduleDDebt9Lender", form::page::ScheduleBCD, FieldId::SchedDDebt9Lender},
        PlacementCase{"Form200FElectionMark", form::page::Form200F, FieldId::F200FElect},
        PlacementCase{"MinMaxLine7", form::page::MinMax, FieldId::MMLine7},
        PlacementCase{"MinMaxForeignCorporationMark", form::page::MinMax, FieldId::MMForeignCorp},
        PlacementCase{"MinMaxBackCorrectedName", form::page::MinMaxBack, FieldId::CorpName}),
    [](const ::testing::TestParamInfo<PlacementCase>& param) { return param.param.Name; });

TEST(FieldRect, BoxRowCoversTheTypedBoxesButNotThePrintedOnes) {
    // Line 4 of Form 200 has ten boxes to type in; the thousands "000" and the cents are printed.
    const Stamp& line4 = FirstStamp(form::page::Form200, FieldId::F200Line4);
    const form::BoxRowGeometry geo = form::BoxCells(line4);
    const Rect r = *FieldRect(form::page::Form200, FieldId::F200Line4);
    EXPECT_EQ(r.Left, geo.Cells.front().Left);
    EXPECT_EQ(r.Right, geo.Cells[line4.Positions.size() - 1].Right);
    EXPECT_LT(r.Right, geo.Cells.back().Left);
}

TEST(FieldRect, FirstStampOfAFieldStampedTwice) {
    // The employer identification number is stamped as a text (item A) and in boxes (item G).
    const Rect r = *FieldRect(form::page::MinMax, FieldId::FEIN);
    EXPECT_EQ(r, StampRect(FirstStamp(form::page::MinMax, FieldId::FEIN)));
    EXPECT_EQ(FirstStamp(form::page::MinMax, FieldId::FEIN).Kind, form::Value::Text);
}

TEST(FieldRect, LineTextStaysBelowTheCaptionAboveTheLine) {
    const Stamp& name = FirstStamp(form::page::MinMax, FieldId::CorpName);
    ASSERT_FALSE(name.Box.Caption.empty());
    const Rect r = *FieldRect(form::page::MinMax, FieldId::CorpName);
    const double captionBaseline = form::Baseline(name.Y) - form::InkHeight(name.Font) * name.Size - 2.5;
    EXPECT_GT(r.Top, captionBaseline);
    EXPECT_EQ(r.Bottom, name.Y);
    EXPECT_EQ(r.Left, name.Box.Left);
    EXPECT_EQ(r.Right, name.Box.Right);
}

TEST(FieldRect, NoneWhereThePageDoesNotStampTheField) {
    EXPECT_FALSE(FieldRect(form::page::BalanceSheet, FieldId::F200Line12).has_value());
    EXPECT_FALSE(FieldRect(form::page::Unused5, FieldId::FEIN).has_value());
    EXPECT_FALSE(FieldRect(0, FieldId::FEIN).has_value());
    EXPECT_FALSE(FieldRect(form::page::Count + 1, FieldId::FEIN).has_value());
}

TEST(FieldRect, EveryStampOfEveryPageHasARoomOnThePage) {
    for (int page = 1; page <= form::page::Count; ++page) {
        for (const Stamp& s : form::Layout(page).Stamps) {
            const Rect r = StampRect(s);
            EXPECT_GE(r.Left, 0) << s.Item;
            EXPECT_GE(r.Top, 0) << s.Item;
            EXPECT_LE(r.Right, form::kPageWidth) << s.Item;
            EXPECT_LE(r.Bottom, form::kPageHeight) << s.Item;
            EXPECT_LT(r.Left, r.Right) << s.Item;
            EXPECT_LT(r.Top, r.Bottom) << s.Item;
        }
    }
}

} // namespace
} // namespace qv::forms
