#include "LayoutBuilders.h"

namespace qv::form {

namespace {

// The box columns of lines 1 to 7, x of the boxes from the left.
constexpr int16_t kAmountBoxes[] = {460, 475, 491, 507, 522, 541, 555};
// The employer identification number boxes; the form prints the hyphen between them.
constexpr int16_t kFeinMinMax[] = {327, 344, 360, 375, 392, 409, 424, 442, 458};
constexpr Preprint kFeinHyphenMinMax[] = {{352, "-"}};
// The minimum/maximum return's rows.
constexpr Preprint kMinMaxCents00[] = {{535, "."}, {541, "0", true}, {555, "0", true}};
constexpr Preprint kMinMaxPoint[] = {{535, "."}};

} // namespace

const std::span<const int16_t> MinMaxWholeDollarBoxes = std::span<const int16_t>(kAmountBoxes).first(5);
const std::span<const int16_t> MinMaxAmountBoxes = kAmountBoxes;

namespace build {

// The minimum/maximum franchise tax return (template page 8) and its back (page 9).

PageLayout MinMaxLayout() {
    PageLayout p;
    p.Page = page::MinMax;
    p.Name = "Minimum/maximum return";
    auto& s = p.Stamps;

    Add(s, Face::TimesRoman, 14, Align::Left,
        {TextAt("A. taxpayer FEIN", FieldId::FEIN, 60, 574, Cell(36, 174, "A.  Taxpayer FEIN")),
         TextAt("B. reporting period", FieldId::ReportPeriod, 180, 574,
                Cell(174, 322, "B.  Reporting period")),
         TextAt("C. due date", FieldId::DueDate, 328, 574, Cell(322, 420, "C.  Due date"),
                Value::ShortDate)});
    Add(s, Face::TimesRoman, 10, Align::Left,
        {TextAt("name", FieldId::CorpName, 60, 682, Line(58, 300, "Name of corporation")),
         TextAt("address", FieldId::Address, 60, 705, Line(58, 300, "Mailing address")),
         TextAt("city, state, ZIP", FieldId::CityStateZip, 60, 729,
                Line(58, 300, "City, state and ZIP code"))});
    Add(s, Face::Courier, 26, Align::Left,
        {MarkAt("D. foreign corporation", 209, 604, When::Set, FieldId::MMForeignCorp),
         MarkAt("E. change", 242, 604, When::Set, FieldId::MMAddressChange),
         MarkAt("F. estimated return", 275, 604, When::Set, FieldId::MMEstimatedReturn)});

    auto line = [](std::string_view number, std::string_view text, std::string_view note) {
        return LineCaption{310, 452, number, text, note};
    };
    const std::span<const int16_t> m5 = First(kAmountBoxes, 5);
    const std::span<const int16_t> p5 = First(kPos1to13, 5);
    Add(s, Face::Courier, 18, Align::Left,
        {BoxRow("G. taxpayer FEIN", Value::Chars, FieldId::FEIN, 602, {}, Prep::None, kPosFein, kFeinMinMax,
                kFeinHyphenMinMax),
         BoxRow("line 1", Value::Pattern, FieldId::MMLine1, 626, "00000", Prep::Whole, p5, m5, kMinMaxCents00,
                line("1", "Tax", "minimum or maximum")),
         BoxRow("line 2", Value::Pattern, FieldId::MMLine2, 649, "00000", Prep::Whole, p5, m5, kMinMaxCents00,
                line("2", "Registered Agent Fee", "$100.00")),
         BoxRow("line 3", Value::Pattern, FieldId::MMLine3, 672, "00000.00", Prep::Cents, kPosDollarsCents,
                kAmountBoxes, kMinMaxPoint, line("3", "Interest", "1.25% of line 1 per month")),
         BoxRow("line 4", Value::Pattern, FieldId::MMLine4, 695, "00000.00", Prep::Cents, kPosDollarsCents,
                kAmountBoxes, kMinMaxPoint, line("4", "Penalty", "10% of line 1")),
         BoxRow("line 5", Value::Pattern, FieldId::MMLine5, 719, "00000", Prep::Whole, p5, m5, kMinMaxCents00,
                line("5", "Reinstatement Fee", "$15.00")),
         BoxRow("line 6", Value::Pattern, FieldId::MMLine6, 743, "00000.00", Prep::Cents, kPosDollarsCents,
                kAmountBoxes, kMinMaxPoint, line("6", "Previous Estimated Payment", {})),
         BoxRow("line 7", Value::Pattern, FieldId::MMLine7, 768, "00000.00", Prep::Cents, kPosDollarsCents,
                kAmountBoxes, kMinMaxPoint, line("7", "Total Due", "lines 1 to 5 less line 6"))});
    return p;
}

PageLayout MinMaxBackLayout() {
    PageLayout p;
    p.Page = page::MinMaxBack;
    p.Name = "Minimum/maximum return, back";
    Add(p.Stamps, Face::TimesRoman, 12, Align::Left,
        {TextAt("corrected name", FieldId::CorpName, 95, 588, Line(93, 470, "Name of corporation")),
         TextAt("corrected address", FieldId::Address, 95, 612, Line(93, 470, "Mailing address")),
         TextAt("corrected city, state, ZIP", FieldId::CityStateZip, 95, 636,
                Line(93, 470, "City, state and ZIP code"))});
    return p;
}

} // namespace build

} // namespace qv::form
