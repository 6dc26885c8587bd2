#include "LayoutBuilders.h"

namespace qv::form {

namespace {

// Box columns, x of the boxes from the left: lines 1 to 11, line 4, lines 12 to 18, line 9.
constexpr int16_t kCapitalBoxes[] = {312, 330, 349, 365, 381, 397, 414, 429, 447, 463, 478, 495, 511};
constexpr int16_t kLine4Boxes[] = {312, 330, 344, 360, 376, 392, 409, 424, 442, 458};
constexpr int16_t kTaxBoxes[] = {447, 463, 478, 495, 511, 527, 543};
constexpr int16_t kLine9Boxes[] = {495, 511, 527, 543};
// The employer identification number boxes; the form prints the hyphen between them.
constexpr int16_t kFeinForm200[] = {349, 365, 381, 397, 413, 431, 447, 464, 480};
// Item I, the tax year after the printed "20", and item J, the balance sheet date.
constexpr int16_t kTaxYear[] = {523, 539};
constexpr int16_t kBalanceSheetDate[] = {456, 472, 490, 506, 522, 538};

// What the forms print on the box rows themselves. A separator's X only has to lie between the
// two boxes it separates; it is drawn centred in the gap.
constexpr Preprint kFeinHyphenForm200[] = {{372, "-"}};
constexpr Preprint kDateGroups[] = {{481, ""}, {514, ""}};
// Lines 1 to 11: whole dollars, the cents printed.
constexpr Preprint kCents00[] = {{520, "."}, {527, "0", true}, {543, "0", true}};
// Line 4: ten boxes, the form printing the thousands "000" and the cents.
constexpr Preprint kLine4Thousands[] = {{474, "0", true}, {490, "0", true}, {506, "0", true},
                                        {520, "."},       {527, "0", true}, {543, "0", true}};
// Line 11: the first ten boxes of the row, the rest printed.
constexpr Preprint kLine11Thousands[] = {{478, "0", true}, {495, "0", true}, {511, "0", true},
                                         {520, "."},       {527, "0", true}, {543, "0", true}};
// Line 9 is a fraction: the point comes first.
constexpr Preprint kLine9Point[] = {{480, "."}};
// Lines 12 to 18: dollars and cents.
constexpr Preprint kPoint[] = {{520, "."}};

} // namespace

const std::span<const int16_t> Form200CapitalBoxes = kCapitalBoxes;
const std::span<const int16_t> Form200Line11Boxes = std::span<const int16_t>(kCapitalBoxes).first(10);
const std::span<const int16_t> Form200Line4Boxes = kLine4Boxes;
const std::span<const int16_t> Form200TaxBoxes = kTaxBoxes;
const std::span<const int16_t> Form200FeeBoxes = std::span<const int16_t>(kTaxBoxes).first(5);
const std::span<const int16_t> Form200Line9Boxes = kLine9Boxes;

namespace build {

// Form 200, the annual franchise tax return (template page 1).

PageLayout Form200Layout() {
    PageLayout p;
    p.Page = page::Form200;
    p.Name = "Form 200";
    auto& s = p.Stamps;

    // The head: items I and H in boxes, A to C as texts, the corporation's name block.
    Add(s, Face::Courier, 16, Align::Left,
        {BoxRow("I. tax year", Value::Chars, FieldId::TaxYear, 125, {}, Prep::None, First(kPos1to13, 2),
                kTaxYear),
         BoxRow("H. taxpayer FEIN", Value::Chars, FieldId::FEIN, 125, {}, Prep::None, kPosFein, kFeinForm200,
                kFeinHyphenForm200)});
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt("A. taxpayer FEIN", FieldId::FEIN, 66, 85, Cell(36, 148, "A.  Taxpayer FEIN")),
         TextAt("B. reporting period", FieldId::ReportPeriod, 154, 85,
                Cell(148, 292, "B.  Reporting period")),
         TextAt("C. due date", FieldId::DueDate, 298, 85, Cell(292, 396, "C.  Due date"), Value::ShortDate),
         TextAt("name", FieldId::CorpName, 80, 180, Line(78, 436, "Name of corporation")),
         TextAt("address", FieldId::Address, 80, 204, Line(78, 436, "Mailing address")),
         TextAt("city, state, ZIP", FieldId::CityStateZip, 80, 228,
                Line(78, 436, "City, state and ZIP code")),
         IfYes(TextAt("K. changed name", FieldId::CorpName, 80, 662, Line(78, 314, "Name of corporation")),
               FieldId::AddressChange),
         IfYes(TextAt("K. changed address", FieldId::Address, 80, 688, Line(78, 314, "Mailing address")),
               FieldId::AddressChange),
         IfYes(TextAt("K. changed city, state, ZIP", FieldId::CityStateZip, 80, 712,
                      Line(78, 314, "City, state and ZIP code")),
               FieldId::AddressChange)});

    // Lines 1 to 8 in whole dollars; the form prints the cents.
    auto line = [](std::string_view number, std::string_view text, std::string_view note) {
        return LineCaption{38, 304, number, text, note};
    };
    const auto w13 = "0000000000000";
    Add(s, Face::Courier, 16, Align::Left,
        {BoxRow("J. balance sheet date", Value::MMDDYY, FieldId::BalanceSheetDate, 244, {}, Prep::None,
                First(kPos1to13, 6), kBalanceSheetDate, kDateGroups),
         BoxRow("line 1", Value::Pattern, FieldId::F200Line1, 293, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00, line("1", "Total Net Assets in Oklahoma", "Balance Sheet, line 15, column B")),
         BoxRow("line 2", Value::Pattern, FieldId::F200Line2, 315, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00,
                line("2", "Total Net Assets",
                     "Balance Sheet, line 15, column A; leave blank when all assets are in Oklahoma")),
         BoxRow("line 3", Value::Pattern, FieldId::F200Line3, 339, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00, line("3", "Total Current Liabilities", "Balance Sheet, line 23")),
         BoxRow(
             "line 4", Value::Pattern, FieldId::F200Line4, 362, w13, Prep::Whole, First(kPos1to13, 10),
             kLine4Boxes, kLine4Thousands,
             line("4", "Capital Employed in Oklahoma",
                  "line 1 less line 3, rounded up to the next $1,000; when line 2 is blank go to line 12")),
         BoxRow("line 5", Value::Pattern, FieldId::F200Line5, 385, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00, line("5", "Total Gross Business Done in Oklahoma", "Balance Sheet, line 34")),
         BoxRow("line 6", Value::Pattern, FieldId::F200Line6, 409, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00,
                line("6", "Total Value of Assets and Business Done in Oklahoma", "line 1 plus line 5")),
         BoxRow("line 7", Value::Pattern, FieldId::F200Line7, 433, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00, line("7", "Total Gross Business Done", "Balance Sheet, line 33")),
         BoxRow("line 8", Value::Pattern, FieldId::F200Line8, 457, w13, Prep::Whole, kPos1to13, kCapitalBoxes,
                kCents00, line("8", "Total Value of Assets and Business Done", "line 2 plus line 7"))});

    // The check marks of the head and of line 9.
    Add(s, Face::Courier, 16, Align::Left,
        {MarkAt("line 9 Option 1", 162, 489, When::Yes, FieldId::F200Option1),
         MarkAt("line 9 Option 2", 205, 489, When::NotYes, FieldId::F200Option1),
         MarkAt("D. incorporated in Oklahoma", 215, 125, When::Yes, FieldId::IncOklahoma),
         MarkAt("E. incorporated elsewhere", 249, 125, When::NotYes, FieldId::IncOklahoma),
         MarkAt("F. change", 281, 125, When::Yes, FieldId::AddressChange),
         MarkAt("G. estimated return", 316, 125, When::Yes, FieldId::EstimatedReturn)});

    // Line 9, the apportionment lines and the tax.
    auto due = [](std::string_view number, std::string_view text, std::string_view note) {
        return LineCaption{322, 441, number, text, note};
    };
    Add(s, Face::Courier, 16, Align::Left,
        {BoxRow("line 9", Value::PatternOfDouble, FieldId::F200Line9, 482, "0000", Prep::None,
                First(kPos1to13, 4), kLine9Boxes, kLine9Point,
                LineCaption{38, 136, "9", "Percentage of Oklahoma Assets", {}}),
         BoxRow("line 10", Value::Pattern, FieldId::F200Line10, 507, w13, Prep::Whole, kPos1to13,
                kCapitalBoxes, kCents00,
                line("10", "Value of Capital Subject to Apportionment", "line 2 less line 3")),
         BoxRow("line 11", Value::Pattern, FieldId::F200Line11, 529, w13, Prep::Whole, First(kPos1to13, 10),
                First(kCapitalBoxes, 10), kLine11Thousands,
                line("11", "Capital Apportioned to Oklahoma",
                     "line 9 times line 10, rounded up to the next $1,000")),
         BoxRow("line 12", Value::PatternTimes100, FieldId::F200Line12, 630, "0000000", Prep::Whole,
                First(kPos1to13, 7), kTaxBoxes, kPoint, due("12", "Tax", "line 4 or line 11 times .00125")),
         BoxRow("line 13", Value::PatternTimes100, FieldId::F200Line13, 652, "0000000", Prep::Cents,
                First(kPos1to13, 5), First(kTaxBoxes, 5), kCents00,
                due("13", "Registered Agents Fee", "$100.00")),
         BoxRow("line 14", Value::PatternTimes100, FieldId::F200Line14, 677, "0000000", Prep::Cents,
                First(kPos1to13, 7), kTaxBoxes, kPoint, due("14", "Interest", "1.25% of line 12 per month")),
         BoxRow("line 15", Value::Pattern, FieldId::F200Line15, 701, "00000.00", Prep::Cents,
                kPosDollarsCents, kTaxBoxes, kPoint, due("15", "Penalty", "10% of line 12")),
         BoxRow("line 16", Value::Pattern, FieldId::F200Line16, 723, "00000.00", Prep::Cents,
                First(kPos1to13, 5), First(kTaxBoxes, 5), kCents00, due("16", "Reinstatement Fee", "$15.00")),
         BoxRow("line 17", Value::Pattern, FieldId::F200Line17, 746, "00000.00", Prep::Cents,
                kPosDollarsCents, kTaxBoxes, kPoint, due("17", "Previous Estimated Payment", {})),
         BoxRow("line 18", Value::Pattern, FieldId::F200Line18, 772, "00000.00", Prep::Cents,
                kPosDollarsCents, kTaxBoxes, kPoint, due("18", "Total Due", "lines 12 to 16 less line 17"))});
    return p;
}

} // namespace build

} // namespace qv::form
