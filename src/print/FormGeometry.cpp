#include "FormGeometry.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace qv::form {

namespace {

// ---------------------------------------------------------------------------------------------
// Box columns and character positions.

constexpr int16_t kF13[] = {312, 330, 349, 365, 381, 397, 414, 429, 447, 463, 478, 495, 511};
constexpr int16_t kF10b[] = {312, 330, 344, 360, 376, 392, 409, 424, 442, 458};
constexpr int16_t kF7[] = {447, 463, 478, 495, 511, 527, 543};
constexpr int16_t kF4[] = {495, 511, 527, 543};
constexpr int16_t kM7[] = {460, 475, 491, 507, 522, 541, 555};

constexpr int16_t kPos1to13[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
// "00000.00": every character but the point.
constexpr int16_t kPosDollarsCents[] = {1, 2, 3, 4, 5, 7, 8};
// An employer identification number "12-3456789" without its hyphen.
constexpr int16_t kPosFein[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};

std::span<const int16_t> First(std::span<const int16_t> s, size_t n) {
    return s.first(n);
}

// Employer identification number boxes of the pages.
constexpr int16_t kFeinForm200[] = {349, 365, 381, 397, 413, 431, 447, 464, 480};
constexpr int16_t kFeinMinMax[] = {327, 344, 360, 375, 392, 409, 424, 442, 458};
constexpr int16_t kFeinScheduleA[] = {170, 184, 200, 216, 231, 245, 257, 272, 288};
constexpr int16_t kFeinScheduleBCD[] = {73, 87, 103, 117, 133, 147, 163, 177, 192};
constexpr int16_t kFeinBalanceSheet[] = {73, 88, 103, 118, 133, 148, 163, 177, 192};

constexpr int16_t kTaxYear[] = {523, 539};
constexpr int16_t kBalanceSheetDate[] = {456, 472, 490, 506, 522, 538};

// What the forms print on the box rows themselves. A separator's X only has to lie between the
// two boxes it separates; it is drawn centred in the gap.
constexpr Preprint kFeinHyphenForm200[] = {{372, "-"}};
constexpr Preprint kFeinHyphenMinMax[] = {{352, "-"}};
constexpr Preprint kFeinHyphenScheduleA[] = {{192, "-"}};
constexpr Preprint kFeinHyphenScheduleBCD[] = {{95, "-"}};
constexpr Preprint kFeinHyphenBalanceSheet[] = {{96, "-"}};
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
// The minimum/maximum return's rows.
constexpr Preprint kMinMaxCents00[] = {{535, "."}, {541, "0", true}, {555, "0", true}};
constexpr Preprint kMinMaxPoint[] = {{535, "."}};

// ---------------------------------------------------------------------------------------------
// Helpers that keep the tables below readable.

Frame Cell(int left, int right, std::string_view caption = {}, int top = 0, int bottom = 0) {
    return Frame{FrameStyle::Cell, int16_t(left), int16_t(right), int8_t(top), int8_t(bottom), caption};
}
Frame Line(int left, int right, std::string_view caption = {}, bool captionBefore = false) {
    Frame f{FrameStyle::Line, int16_t(left), int16_t(right), 0, 0, caption};
    f.CaptionBefore = captionBefore;
    return f;
}
Frame LineBefore(int left, int right, std::string_view caption) {
    return Line(left, right, caption, true);
}

Stamp TextAt(std::string_view item, FieldId field, int x, int y, Frame box, Value kind = Value::Text) {
    Stamp s;
    s.Item = item;
    s.Kind = kind;
    s.Field = field;
    s.X = int16_t(x);
    s.Y = int16_t(y);
    s.Box = box;
    return s;
}

Stamp IfYes(Stamp s, FieldId flag) {
    s.Condition = When::Yes;
    s.ConditionField = flag;
    return s;
}

Stamp MarkAt(std::string_view item, int x, int y, When when, FieldId flag) {
    Stamp s;
    s.Item = item;
    s.Kind = Value::Mark;
    s.X = int16_t(x);
    s.Y = int16_t(y);
    s.Condition = when;
    s.ConditionField = flag;
    return s;
}

Stamp BoxRow(std::string_view item, Value kind, FieldId field, int y, std::string_view pattern, Prep prep,
             std::span<const int16_t> positions, std::span<const int16_t> xs,
             std::span<const Preprint> preprinted = {}, LineCaption caption = {}) {
    if (positions.size() != xs.size())
        throw std::logic_error("box row with unequal positions and boxes");
    Stamp s;
    s.Item = item;
    s.Kind = kind;
    s.Field = field;
    s.Y = int16_t(y);
    s.Pattern = pattern;
    s.Preparation = prep;
    s.Positions = positions;
    s.Xs = xs;
    s.Preprinted = preprinted;
    s.Caption = caption;
    return s;
}

Stamp Captioned(Stamp s, LineCaption caption) {
    s.Caption = caption;
    return s;
}

// Appends stamps in one font, size and alignment.
void Add(std::vector<Stamp>& out, Face font, double size, Align align, std::initializer_list<Stamp> stamps) {
    for (Stamp s : stamps) {
        s.Font = font;
        s.Size = size;
        s.Alignment = align;
        out.push_back(s);
    }
}

// A title band across the top of a form page: the form's name on the left, its title in the
// middle, the year on the right.
void TitleBand(PageLayout& p, double left, std::string_view formName, std::string_view title,
               std::string_view subtitle) {
    const double right = 576;
    p.Rules.push_back({left, 18, right, 18, 2.5});
    p.Rules.push_back({left, 60, right, 60, 1});
    p.Labels.push_back({left, 36, Face::HelveticaBold, 8, Align::Left, "State of Oklahoma"});
    p.Labels.push_back({left, 52, Face::HelveticaBold, 16, Align::Left, formName});
    const double mid = (left + 80 + right - 60) / 2;
    p.Labels.push_back({mid, 37, Face::HelveticaBold, 12.5, Align::Centre, title});
    p.Labels.push_back({mid, 51, Face::Helvetica, 7.5, Align::Centre, subtitle});
    p.Panels.push_back({right - 56, 22, 56, 34, 0, 0});
    p.Labels.push_back({right - 28, 48, Face::HelveticaBold, 20, Align::Centre, "2010", 1});
}

// A shaded section heading across the page.
void SectionBar(PageLayout& p, double left, double right, double top, std::string_view text,
                std::string_view note = {}) {
    p.Panels.push_back({left, top, right - left, 13, 0.5, 0.85});
    p.Labels.push_back({left + 4, top + 9.5, Face::HelveticaBold, 8, Align::Left, text});
    if (!note.empty())
        p.Labels.push_back({right - 4, top + 9.5, Face::Helvetica, 6.5, Align::Right, note});
}

void Small(PageLayout& p, double x, double y, std::string_view text, Align align = Align::Left,
           double size = 6.5) {
    p.Labels.push_back({x, y, Face::Helvetica, size, align, text});
}
void Bold(PageLayout& p, double x, double y, std::string_view text, Align align = Align::Left,
          double size = 7) {
    p.Labels.push_back({x, y, Face::HelveticaBold, size, align, text});
}

// ---------------------------------------------------------------------------------------------
// Form 200, the annual franchise tax return (template page 1).

PageLayout Form200() {
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
         BoxRow("line 1", Value::Pattern, FieldId::F200Line1, 293, w13, Prep::Whole, kPos1to13, kF13,
                kCents00, line("1", "Total Net Assets in Oklahoma", "Balance Sheet, line 15, column B")),
         BoxRow("line 2", Value::Pattern, FieldId::F200Line2, 315, w13, Prep::Whole, kPos1to13, kF13,
                kCents00,
                line("2", "Total Net Assets",
                     "Balance Sheet, line 15, column A; leave blank when all assets are in Oklahoma")),
         BoxRow("line 3", Value::Pattern, FieldId::F200Line3, 339, w13, Prep::Whole, kPos1to13, kF13,
                kCents00, line("3", "Total Current Liabilities", "Balance Sheet, line 23")),
         BoxRow(
             "line 4", Value::Pattern, FieldId::F200Line4, 362, w13, Prep::Whole, First(kPos1to13, 10), kF10b,
             kLine4Thousands,
             line("4", "Capital Employed in Oklahoma",
                  "line 1 less line 3, rounded up to the next $1,000; when line 2 is blank go to line 12")),
         BoxRow("line 5", Value::Pattern, FieldId::F200Line5, 385, w13, Prep::Whole, kPos1to13, kF13,
                kCents00, line("5", "Total Gross Business Done in Oklahoma", "Balance Sheet, line 34")),
         BoxRow("line 6", Value::Pattern, FieldId::F200Line6, 409, w13, Prep::Whole, kPos1to13, kF13,
                kCents00,
                line("6", "Total Value of Assets and Business Done in Oklahoma", "line 1 plus line 5")),
         BoxRow("line 7", Value::Pattern, FieldId::F200Line7, 433, w13, Prep::Whole, kPos1to13, kF13,
                kCents00, line("7", "Total Gross Business Done", "Balance Sheet, line 33")),
         BoxRow("line 8", Value::Pattern, FieldId::F200Line8, 457, w13, Prep::Whole, kPos1to13, kF13,
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
                First(kPos1to13, 4), kF4, kLine9Point,
                LineCaption{38, 136, "9", "Percentage of Oklahoma Assets", {}}),
         BoxRow("line 10", Value::Pattern, FieldId::F200Line10, 507, w13, Prep::Whole, kPos1to13, kF13,
                kCents00, line("10", "Value of Capital Subject to Apportionment", "line 2 less line 3")),
         BoxRow("line 11", Value::Pattern, FieldId::F200Line11, 529, w13, Prep::Whole, First(kPos1to13, 10),
                First(kF13, 10), kLine11Thousands,
                line("11", "Capital Apportioned to Oklahoma",
                     "line 9 times line 10, rounded up to the next $1,000")),
         BoxRow("line 12", Value::PatternTimes100, FieldId::F200Line12, 630, "0000000", Prep::Whole,
                First(kPos1to13, 7), kF7, kPoint, due("12", "Tax", "line 4 or line 11 times .00125")),
         BoxRow("line 13", Value::PatternTimes100, FieldId::F200Line13, 652, "0000000", Prep::Cents,
                First(kPos1to13, 5), First(kF7, 5), kCents00, due("13", "Registered Agents Fee", "$100.00")),
         BoxRow("line 14", Value::PatternTimes100, FieldId::F200Line14, 677, "0000000", Prep::Cents,
                First(kPos1to13, 7), kF7, kPoint, due("14", "Interest", "1.25% of line 12 per month")),
         BoxRow("line 15", Value::Pattern, FieldId::F200Line15, 701, "00000.00", Prep::Cents,
                kPosDollarsCents, kF7, kPoint, due("15", "Penalty", "10% of line 12")),
         BoxRow("line 16", Value::Pattern, FieldId::F200Line16, 723, "00000.00", Prep::Cents,
                First(kPos1to13, 5), First(kF7, 5), kCents00, due("16", "Reinstatement Fee", "$15.00")),
         BoxRow("line 17", Value::Pattern, FieldId::F200Line17, 746, "00000.00", Prep::Cents,
                kPosDollarsCents, kF7, kPoint, due("17", "Previous Estimated Payment", {})),
         BoxRow("line 18", Value::Pattern, FieldId::F200Line18, 772, "00000.00", Prep::Cents,
                kPosDollarsCents, kF7, kPoint, due("18", "Total Due", "lines 12 to 16 less line 17"))});

    // The blank form around the values.
    TitleBand(p, 36, "FORM 200", "OKLAHOMA ANNUAL FRANCHISE TAX RETURN",
              "Oklahoma Tax Commission \x95 Franchise Tax");
    p.Panels.push_back({396, 63, 180, 26, 0.5, 0.92});
    Small(p, 486, 73, "FOR OFFICE USE ONLY", Align::Centre, 6);

    // Items D to I.
    p.Panels.push_back({36, 93, 540, 37, 0.5});
    Bold(p, 40, 104, "Mark the boxes that apply with an X");
    Small(p, 40, 113, "D and E: state of incorporation", Align::Left, 6);
    Small(p, 40, 121, "F: name or address changed (complete K)", Align::Left, 6);
    const double itemTop = 101;
    struct Item {
        double X;
        std::string_view Line1, Line2;
    };
    for (const Item& it : {Item{220, "D. Oklahoma", "corporation"}, Item{254, "E. Foreign", "corporation"},
                           Item{286, "F. Name or", "addr. change"}, Item{321, "G. Estimated", "return"}}) {
        Small(p, it.X, itemTop, it.Line1, Align::Centre, 5.5);
        Small(p, it.X, itemTop + 6, it.Line2, Align::Centre, 5.5);
    }
    Small(p, 416, itemTop + 3, "H. Federal Employer Identification Number", Align::Centre, 6);
    Small(p, 534, itemTop + 3, "I. Tax year", Align::Centre, 6);
    p.Labels.push_back({518, 121, Face::HelveticaBold, 11, Align::Right, "20"});

    // Name block and item J.
    p.Panels.push_back({36, 140, 404, 97, 0.5});
    Bold(p, 40, 150, "Name and mailing address of the corporation");
    p.Panels.push_back({440, 140, 136, 116, 0.5});
    p.Paragraphs.push_back({444, 150, 128, Face::Helvetica, 6, 7,
                            "Round every amount on lines 1 to 11 to whole dollars; the cents are printed. "
                            "Attach the balance sheet and Schedules A, B, C and D."});
    Small(p, 508, 214, "J. Balance sheet date", Align::Centre, 6.5);
    for (auto [x, t] : {std::pair{471.0, "MONTH"}, std::pair{504.0, "DAY"}, std::pair{538.0, "YEAR"}})
        Small(p, x, 252, t, Align::Centre, 5);

    // Capital employed and apportionment.
    SectionBar(p, 36, 576, 259, "COMPUTATION OF CAPITAL EMPLOYED", "Round to whole dollars");
    Small(p, 155, 486, "Option 1", Align::Right, 5.5);
    Small(p, 199, 486, "Option 2", Align::Right, 5.5);
    Small(p, 226, 479, "Option 1: line 6 \xF7 line 8 (assets and business done)", Align::Left, 5.5);
    Small(p, 226, 486, "Option 2: line 1 \xF7 line 2 (assets only)", Align::Left, 5.5);

    // The tax.
    SectionBar(p, 36, 576, 539, "COMPUTATION OF FRANCHISE TAX");
    p.Paragraphs.push_back(
        {40, 561, 532, Face::Helvetica, 6.5, 8,
         "The franchise tax is $1.25 for each $1,000.00 or fraction thereof of capital employed in or "
         "apportioned to Oklahoma (line 4 or line 11). No tax is due when the tax computed is $250.00 or "
         "less; the maximum tax is $20,000.00. Interest accrues at 1.25% per month from the due date until "
         "paid. A return filed after the due date owes a penalty of 10% of the tax."});
    Small(p, 479, 610, "Dollars", Align::Centre, 6);
    Small(p, 539, 610, "Cents", Align::Centre, 6);

    // Block K and the signature.
    p.Panels.push_back({36, 616, 282, 106, 0.5});
    Bold(p, 40, 626, "K.  New name or mailing address");
    Small(p, 40, 635, "Complete only when box F is marked.", Align::Left, 6);
    p.Paragraphs.push_back(
        {36, 736, 282, Face::Helvetica, 5.5, 6.5,
         "Under penalties of perjury, I declare that I have examined this return, including the "
         "accompanying schedules and statements, and to the best of my knowledge and belief it is true, "
         "correct and complete."});
    p.Rules.push_back({36, 770, 196, 770});
    p.Rules.push_back({204, 770, 252, 770});
    p.Rules.push_back({260, 770, 318, 770});
    Small(p, 36, 777, "Signature of officer", Align::Left, 5.5);
    Small(p, 204, 777, "Date", Align::Left, 5.5);
    Small(p, 260, 777, "Title", Align::Left, 5.5);
    return p;
}

// ---------------------------------------------------------------------------------------------
// The minimum/maximum franchise tax return (template page 8) and its back (page 9).

PageLayout MinMax() {
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
    const std::span<const int16_t> m5 = First(kM7, 5);
    const std::span<const int16_t> p5 = First(kPos1to13, 5);
    Add(s, Face::Courier, 18, Align::Left,
        {BoxRow("G. taxpayer FEIN", Value::Chars, FieldId::FEIN, 602, {}, Prep::None, kPosFein, kFeinMinMax,
                kFeinHyphenMinMax),
         BoxRow("line 1", Value::Pattern, FieldId::MMLine1, 626, "00000", Prep::Whole, p5, m5, kMinMaxCents00,
                line("1", "Tax", "minimum or maximum")),
         BoxRow("line 2", Value::Pattern, FieldId::MMLine2, 649, "00000", Prep::Whole, p5, m5, kMinMaxCents00,
                line("2", "Registered Agent Fee", "$100.00")),
         BoxRow("line 3", Value::Pattern, FieldId::MMLine3, 672, "00000.00", Prep::Cents, kPosDollarsCents,
                kM7, kMinMaxPoint, line("3", "Interest", "1.25% of line 1 per month")),
         BoxRow("line 4", Value::Pattern, FieldId::MMLine4, 695, "00000.00", Prep::Cents, kPosDollarsCents,
                kM7, kMinMaxPoint, line("4", "Penalty", "10% of line 1")),
         BoxRow("line 5", Value::Pattern, FieldId::MMLine5, 719, "00000", Prep::Whole, p5, m5, kMinMaxCents00,
                line("5", "Reinstatement Fee", "$15.00")),
         BoxRow("line 6", Value::Pattern, FieldId::MMLine6, 743, "00000.00", Prep::Cents, kPosDollarsCents,
                kM7, kMinMaxPoint, line("6", "Previous Estimated Payment", {})),
         BoxRow("line 7", Value::Pattern, FieldId::MMLine7, 768, "00000.00", Prep::Cents, kPosDollarsCents,
                kM7, kMinMaxPoint, line("7", "Total Due", "lines 1 to 5 less line 6"))});

    TitleBand(p, 36, "FORM 200", "MINIMUM/MAXIMUM FRANCHISE TAX RETURN",
              "Oklahoma Tax Commission \x95 Franchise Tax");

    // The instructions above the return.
    struct Section {
        std::string_view Title, Text;
    };
    const Section sections[] = {
        {"WHO MAY FILE THIS RETURN",
         "A corporation may file this short return instead of the full Form 200 when its franchise tax is "
         "the minimum or the maximum. A corporation whose capital employed in or apportioned to Oklahoma is "
         "$200,000 or less owes no franchise tax and enters 0.00 on line 1; a corporation whose return was "
         "due before July 1, 2006 enters the minimum tax of $10.00. A corporation whose tax computed at "
         "$1.25 for each $1,000 of capital is $20,000 or more enters the maximum tax of $20,000.00. Every "
         "other corporation files Form 200 with its balance sheet and schedules."},
        {"LINE INSTRUCTIONS",
         "Line 1: the tax, 0.00, 10.00 or 20,000.00 as described above.  Line 2: the registered agent fee "
         "of $100.00, if the corporation owes it.  Line 3: interest at 1.25% of line 1 for each month or "
         "part of a month the tax is paid after the due date.  Line 4: a penalty of 10% of line 1 when the "
         "return is filed late.  Line 5: the reinstatement fee of $15.00 for a corporation whose charter "
         "was suspended.  Line 6: any estimated payment made earlier for this period.  Line 7: lines 1 "
         "through 5 less line 6."},
        {"ITEMS A TO G",
         "Enter the corporation's Federal Employer Identification Number in item A and again in the boxes "
         "of item G, the reporting period in item B and the due date in item C. Mark box D for a "
         "corporation organized outside Oklahoma, box E when the corporation's name or mailing address has "
         "changed (and complete the corrected name and address on the back of this return), and box F when "
         "this is an estimated return."},
        {"WHEN AND HOW TO PAY",
         "The return and the total due on line 7 are due on the date shown in item C; interest and the "
         "penalty of lines 3 and 4 apply to a return filed or paid after that date. Make the remittance "
         "payable to the Oklahoma Tax Commission and write the corporation's FEIN on it. An officer of the "
         "corporation signs the return. Keep a copy of this return for your records."},
    };
    double top = 72;
    for (const Section& section : sections) {
        SectionBar(p, 36, 576, top, section.Title);
        p.Paragraphs.push_back({40, top + 24, 532, Face::TimesRoman, 10, 12.5, section.Text});
        top += 112;
    }
    p.Rules.push_back({36, 540, 576, 540, 0.75, 0, true});
    Small(p, 306, 536, "Detach here and return the lower part with your remittance", Align::Centre, 6);

    // The return proper.
    p.Panels.push_back({420, 550, 156, 28, 0.5, 0.92});
    Bold(p, 498, 561, "MINIMUM/MAXIMUM RETURN", Align::Centre, 7);
    Small(p, 498, 571, "Tax year 2010", Align::Centre, 6.5);
    Small(p, 36, 590, "D.  Foreign corporation", Align::Left, 6);
    Small(p, 36, 597, "E.  Change of name or address", Align::Left, 6);
    Small(p, 36, 604, "F.  Estimated return", Align::Left, 6);
    for (auto [x, t] : {std::pair{216.8, "D"}, std::pair{249.8, "E"}, std::pair{282.8, "F"}})
        Bold(p, x, 612, t, Align::Centre, 6);
    Small(p, 395, 611, "G.  Federal Employer Identification Number", Align::Centre, 5.5);
    p.Panels.push_back({36, 644, 266, 94, 0.5});
    Bold(p, 40, 654, "Name and mailing address of the corporation");
    Small(p, 489, 612 - 7, "Dollars", Align::Centre, 5.5);
    Small(p, 553, 612 - 7, "Cents", Align::Centre, 5.5);
    p.Rules.push_back({36, 770, 190, 770});
    p.Rules.push_back({198, 770, 300, 770});
    Small(p, 36, 777, "Signature of officer", Align::Left, 5.5);
    Small(p, 198, 777, "Date", Align::Left, 5.5);
    return p;
}

PageLayout MinMaxBack() {
    PageLayout p;
    p.Page = page::MinMaxBack;
    p.Name = "Minimum/maximum return, back";
    Add(p.Stamps, Face::TimesRoman, 12, Align::Left,
        {TextAt("corrected name", FieldId::CorpName, 95, 588, Line(93, 470, "Name of corporation")),
         TextAt("corrected address", FieldId::Address, 95, 612, Line(93, 470, "Mailing address")),
         TextAt("corrected city, state, ZIP", FieldId::CityStateZip, 95, 636,
                Line(93, 470, "City, state and ZIP code"))});

    p.Rules.push_back({36, 18, 576, 18, 2.5});
    Bold(p, 36, 36, "FORM 200 \x95 MINIMUM/MAXIMUM FRANCHISE TAX RETURN", Align::Left, 11);
    Small(p, 576, 36, "2010 \x95 Back of the return", Align::Right, 7);
    p.Rules.push_back({36, 44, 576, 44, 1});
    SectionBar(p, 36, 576, 60, "BEFORE YOU MAIL THIS RETURN");
    p.Paragraphs.push_back(
        {40, 86, 532, Face::TimesRoman, 10, 12.5,
         "Make sure that the Federal Employer Identification Number is entered in items A and G, that the "
         "reporting period and the due date are complete, and that an officer of the corporation has signed "
         "the return. Enclose the remittance for the total due on line 7; do not send cash. A return that "
         "shows no amount due must still be filed by the due date."});
    SectionBar(p, 36, 576, 170, "CHANGE OF NAME OR ADDRESS");
    p.Paragraphs.push_back(
        {40, 196, 532, Face::TimesRoman, 10, 12.5,
         "If the name or the mailing address of the corporation has changed, mark box E on the front of "
         "this return and enter the corrected name and address below exactly as they should appear on "
         "future correspondence. A change of the registered agent is not made with this return."});

    p.Panels.push_back({50, 530, 432, 124, 1});
    p.Panels.push_back({50, 530, 432, 16, 0, 0.85});
    Bold(p, 56, 541.5, "CORRECTED NAME AND ADDRESS", Align::Left, 8);
    Small(p, 476, 541.5, "Complete only when box E is marked", Align::Right, 6);
    return p;
}

// ---------------------------------------------------------------------------------------------
// Schedule A, the corporate officers (template page 2).

PageLayout ScheduleA() {
    PageLayout p;
    p.Page = page::ScheduleA;
    p.Name = "Schedule A";
    auto& s = p.Stamps;
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt("name", FieldId::CorpName, 82, 110, Line(80, 440, "Name of corporation")),
         TextAt("address", FieldId::Address, 82, 131, Line(80, 440, "Mailing address")),
         TextAt("city, state, ZIP", FieldId::CityStateZip, 82, 157,
                Line(80, 440, "City, state and ZIP code"))});
    Add(s, Face::TimesRoman, 16, Align::Left,
        {BoxRow("FEIN", Value::Chars, FieldId::FEIN, 240, {}, Prep::None, kPosFein, kFeinScheduleA,
                kFeinHyphenScheduleA)});
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt("officers effective as of", FieldId::SchedADate, 338, 292,
                LineBefore(336, 440, "The officers listed below held office on"), Value::Date)});

    struct Officer {
        std::string_view Title;
        std::string_view Name, Ssn, Address, Phone;
        FieldId NameF, SsnF, AddressF, PhoneF;
        int Row1, Row2;
        int Bottom1; // the first row's cell reaches down to the second row's cell
        int Bottom2;
    };
    static constexpr Officer kOfficers[] = {
        {"PRES.", "President: name", "President: SSN", "President: home address", "President: home phone",
         FieldId::SchedAPresName, FieldId::SchedAPresSSN, FieldId::SchedAPresAddress,
         FieldId::SchedAPresPhone, 405, 434, 8, 5},
        {"V. PRES.", "Vice President: name", "Vice President: SSN", "Vice President: home address",
         "Vice President: home phone", FieldId::SchedAVPName, FieldId::SchedAVPSSN, FieldId::SchedAVPAddress,
         FieldId::SchedAVPPhone, 463, 494, 10, 3},
        {"SEC.", "Secretary: name", "Secretary: SSN", "Secretary: home address", "Secretary: home phone",
         FieldId::SchedASecName, FieldId::SchedASecSSN, FieldId::SchedASecAddress, FieldId::SchedASecPhone,
         521, 551, 9, 6},
        {"TREAS.", "Treasurer: name", "Treasurer: SSN", "Treasurer: home address", "Treasurer: home phone",
         FieldId::SchedATreasName, FieldId::SchedATreasSSN, FieldId::SchedATreasAddress,
         FieldId::SchedATreasPhone, 581, 610, 8, 5},
    };
    for (const Officer& o : kOfficers) {
        const int top2 = o.Row1 + o.Bottom1 - o.Row2;
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt(o.Name, o.NameF, 74, o.Row1, Cell(70, 350, "Name", -21, o.Bottom1)),
             TextAt(o.Ssn, o.SsnF, 354, o.Row1, Cell(350, 576, "Social Security Number", -21, o.Bottom1)),
             TextAt(o.Address, o.AddressF, 74, o.Row2,
                    Cell(70, 350, "Home address (street, city, state and ZIP code)", top2, o.Bottom2)),
             TextAt(o.Phone, o.PhoneF, 354, o.Row2, Cell(350, 576, "Home phone number", top2, o.Bottom2))});
        const double top = o.Row1 - 21, bottom = o.Row2 + o.Bottom2;
        p.Panels.push_back({36, top, 34, bottom - top, 0.5, 0.85});
        Bold(p, 53, (top + bottom) / 2 + 2.5, o.Title, Align::Centre, 6.5);
    }

    TitleBand(p, 36, "SCHEDULE A", "CORPORATE OFFICERS",
              "Form 200 \x95 Oklahoma Annual Franchise Tax Return");
    p.Panels.push_back({36, 72, 408, 92, 0.5});
    Bold(p, 40, 82, "Corporation");
    p.Panels.push_back({450, 72, 126, 92, 0.5, 0.92});
    p.Paragraphs.push_back(
        {456, 84, 114, Face::Helvetica, 6.5, 8,
         "Schedule A is part of Form 200. Attach it to the return; a return without the list of officers is "
         "incomplete."});
    p.Panels.push_back({36, 214, 540, 36, 0.5});
    Bold(p, 40, 227, "Federal Employer");
    Bold(p, 40, 236, "Identification Number");
    p.Paragraphs.push_back(
        {320, 226, 250, Face::Helvetica, 6.5, 8, "Enter the same number as on Form 200, item H."});
    SectionBar(p, 36, 576, 330, "OFFICERS", "List the officer holding each office on the date above");
    p.Paragraphs.push_back(
        {40, 358, 532, Face::Helvetica, 6.5, 8,
         "Give each officer's full name, Social Security Number, home address and home phone number. An "
         "officer who holds more than one office is listed for each of them."});
    p.Paragraphs.push_back(
        {40, 640, 532, Face::Helvetica, 6.5, 8,
         "The officers are those of the corporation on the date stated above. If an office was vacant on "
         "that date, write \"vacant\" in the name. Attach a separate statement for any other officer or "
         "director the corporation wishes to report."});
    return p;
}

// ---------------------------------------------------------------------------------------------
// Schedules B, C and D (template page 3).

PageLayout ScheduleBCD() {
    PageLayout p;
    p.Page = page::ScheduleBCD;
    p.Name = "Schedules B, C and D";
    auto& s = p.Stamps;
    Add(s, Face::Courier, 24, Align::Left,
        {BoxRow("FEIN", Value::Chars, FieldId::FEIN, 54, {}, Prep::None, kPosFein, kFeinScheduleBCD,
                kFeinHyphenScheduleBCD)});
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt(
             "business structure, formation date and county", FieldId::SchedBBizStructure, 40, 190,
             Line(38, 576,
                  "1.  If not a corporation: the type of business structure, the date of formation and the "
                  "county")),
         TextAt("Oklahoma registered agent", FieldId::SchedBRegisteredAgent, 40, 220,
                Line(38, 576, "2.  Name and address of the Oklahoma registered agent")),
         TextAt("parent company name", FieldId::SchedBParentName, 280, 234,
                LineBefore(278, 456, "3.  Name of the parent company")),
         TextAt("parent company FEIN", FieldId::SchedBParentFEIN, 490, 234, LineBefore(488, 576, "FEIN")),
         TextAt("nature of business", FieldId::SchedBBizNature, 230, 263,
                LineBefore(228, 576, "5.  Nature of business")),
         TextAt("fiscal year of the stock figures", FieldId::SchedBFiscalYear, 350, 320,
                LineBefore(348, 394, "Issued and outstanding at the end of the fiscal year"),
                Value::WholeNumber)});

    // The capital stock table: the number of shares, the class printed beside it, par and book value.
    struct StockRow {
        std::string_view Class;
        int Y;
        FieldId Shares, Par, Book;
        std::string_view ItemShares, ItemPar, ItemBook;
    };
    static constexpr StockRow kStock[] = {
        {"Authorized: common", 292, FieldId::SchedBAuthCommonShares, FieldId::SchedBAuthCommonPar,
         FieldId::SchedBAuthCommonBook, "authorized common: shares", "authorized common: par value",
         "authorized common: book value"},
        {"Authorized: first preferred", 307, FieldId::SchedBAuthPrefShares, FieldId::SchedBAuthPrefPar,
         FieldId::SchedBAuthPrefBook, "authorized first preferred: shares",
         "authorized first preferred: par value", "authorized first preferred: book value"},
        {"Issued and outstanding: common", 334, FieldId::SchedBIssuedCommonShares,
         FieldId::SchedBIssuedCommonPar, FieldId::SchedBIssuedCommonBook, "issued common: shares",
         "issued common: par value", "issued common: book value"},
        {"Issued and outstanding: first preferred", 348, FieldId::SchedBIssuedPrefShares,
         FieldId::SchedBIssuedPrefPar, FieldId::SchedBIssuedPrefBook, "issued first preferred: shares",
         "issued first preferred: par value", "issued first preferred: book value"},
    };
    Add(s, Face::TimesRoman, 12, Align::Right,
        {TextAt("percent owned by parent", FieldId::SchedBPctParentOwned, 420, 249,
                LineBefore(356, 424, "4.  Percentage of the outstanding stock owned by the parent company"),
                Value::Fixed3)});
    for (const StockRow& r : kStock) {
        Add(s, Face::TimesRoman, 12, Align::Right,
            {Captioned(TextAt(r.ItemShares, r.Shares, 170, r.Y, Line(38, 176), Value::Fixed8),
                       LineCaption{182, 394, {}, r.Class, {}}),
             TextAt(r.ItemPar, r.Par, 460, r.Y, Line(396, 466), Value::Currency),
             TextAt(r.ItemBook, r.Book, 570, r.Y, Line(466, 576), Value::Currency)});
    }

    // Schedule C, subsidiaries and affiliates; Schedule D, current debt.
    static constexpr int kSubRows[] = {446, 458, 470, 482, 495};
    static constexpr FieldId kSubName[] = {FieldId::SchedCSub1Name, FieldId::SchedCSub2Name,
                                           FieldId::SchedCSub3Name, FieldId::SchedCSub4Name,
                                           FieldId::SchedCSub5Name};
    static constexpr FieldId kSubFein[] = {FieldId::SchedCSub1FEIN, FieldId::SchedCSub2FEIN,
                                           FieldId::SchedCSub3FEIN, FieldId::SchedCSub4FEIN,
                                           FieldId::SchedCSub5FEIN};
    static constexpr FieldId kSubPct[] = {FieldId::SchedCSub1PctOwned, FieldId::SchedCSub2PctOwned,
                                          FieldId::SchedCSub3PctOwned, FieldId::SchedCSub4PctOwned,
                                          FieldId::SchedCSub5PctOwned};
    static constexpr FieldId kSubInvest[] = {FieldId::SchedCSub1Investment, FieldId::SchedCSub2Investment,
                                             FieldId::SchedCSub3Investment, FieldId::SchedCSub4Investment,
                                             FieldId::SchedCSub5Investment};
    for (size_t i = 0; i < std::size(kSubRows); ++i) {
        const int y = kSubRows[i];
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt("subsidiary name", kSubName[i], 35, y, Line(33, 196)),
             TextAt("subsidiary FEIN", kSubFein[i], 200, y, Line(196, 290))});
        Add(s, Face::TimesRoman, 12, Align::Right,
            {TextAt("subsidiary percentage owned", kSubPct[i], 380, y, Line(290, 386), Value::Fixed8),
             TextAt("subsidiary financial investment", kSubInvest[i], 560, y, Line(386, 576),
                    Value::DoubleAmount)});
    }
    static constexpr int kAffRows[] = {542, 554, 566, 579};
    static constexpr FieldId kAffName[] = {FieldId::SchedCAff1Name, FieldId::SchedCAff2Name,
                                           FieldId::SchedCAff3Name, FieldId::SchedCAff4Name};
    static constexpr FieldId kAffFein[] = {FieldId::SchedCAff1FEIN, FieldId::SchedCAff2FEIN,
                                           FieldId::SchedCAff3FEIN, FieldId::SchedCAff4FEIN};
    static constexpr FieldId kAffHow[] = {FieldId::SchedCAff1HowRelated, FieldId::SchedCAff2HowRelated,
                                          FieldId::SchedCAff3HowRelated, FieldId::SchedCAff4HowRelated};
    for (size_t i = 0; i < std::size(kAffRows); ++i) {
        const int y = kAffRows[i];
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt("affiliate name", kAffName[i], 35, y, Line(33, 196)),
             TextAt("affiliate FEIN", kAffFein[i], 200, y, Line(196, 310)),
             TextAt("affiliate how related", kAffHow[i], 314, y, Line(310, 576))});
    }
    static constexpr int kDebtRows[] = {662, 674, 686, 698, 710, 722, 734, 746, 758};
    static constexpr FieldId kDebtLender[] = {
        FieldId::SchedDDebt1Lender, FieldId::SchedDDebt2Lender, FieldId::SchedDDebt3Lender,
        FieldId::SchedDDebt4Lender, FieldId::SchedDDebt5Lender, FieldId::SchedDDebt6Lender,
        FieldId::SchedDDebt7Lender, FieldId::SchedDDebt8Lender, FieldId::SchedDDebt9Lender};
    static constexpr FieldId kDebtIssue[] = {
        FieldId::SchedDDebt1IssueDate, FieldId::SchedDDebt2IssueDate, FieldId::SchedDDebt3IssueDate,
        FieldId::SchedDDebt4IssueDate, FieldId::SchedDDebt5IssueDate, FieldId::SchedDDebt6IssueDate,
        FieldId::SchedDDebt7IssueDate, FieldId::SchedDDebt8IssueDate, FieldId::SchedDDebt9IssueDate};
    static constexpr FieldId kDebtMaturity[] = {
        FieldId::SchedDDebt1MaturityDate, FieldId::SchedDDebt2MaturityDate, FieldId::SchedDDebt3MaturityDate,
        FieldId::SchedDDebt4MaturityDate, FieldId::SchedDDebt5MaturityDate, FieldId::SchedDDebt6MaturityDate,
        FieldId::SchedDDebt7MaturityDate, FieldId::SchedDDebt8MaturityDate, FieldId::SchedDDebt9MaturityDate};
    static constexpr FieldId kDebtOrig[] = {
        FieldId::SchedDDebt1OrigAmount, FieldId::SchedDDebt2OrigAmount, FieldId::SchedDDebt3OrigAmount,
        FieldId::SchedDDebt4OrigAmount, FieldId::SchedDDebt5OrigAmount, FieldId::SchedDDebt6OrigAmount,
        FieldId::SchedDDebt7OrigAmount, FieldId::SchedDDebt8OrigAmount, FieldId::SchedDDebt9OrigAmount};
    static constexpr FieldId kDebtDue[] = {
        FieldId::SchedDDebt1DueWithin3Yrs, FieldId::SchedDDebt2DueWithin3Yrs,
        FieldId::SchedDDebt3DueWithin3Yrs, FieldId::SchedDDebt4DueWithin3Yrs,
        FieldId::SchedDDebt5DueWithin3Yrs, FieldId::SchedDDebt6DueWithin3Yrs,
        FieldId::SchedDDebt7DueWithin3Yrs, FieldId::SchedDDebt8DueWithin3Yrs,
        FieldId::SchedDDebt9DueWithin3Yrs};
    for (size_t i = 0; i < std::size(kDebtRows); ++i) {
        const int y = kDebtRows[i];
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt("debt lender", kDebtLender[i], 35, y, Line(33, 166)),
             TextAt("debt date of issuance", kDebtIssue[i], 170, y, Line(166, 276)),
             TextAt("debt maturity date", kDebtMaturity[i], 280, y, Line(276, 378))});
        Add(s, Face::TimesRoman, 12, Align::Right,
            {TextAt("debt amount of the instrument", kDebtOrig[i], 450, y, Line(378, 456), Value::Amount),
             TextAt("debt payable within three years", kDebtDue[i], 560, y, Line(456, 576), Value::Amount)});
    }

    // The head.
    Small(p, 133, 64, "Federal Employer Identification Number", Align::Centre, 6);
    p.Rules.push_back({216, 18, 576, 18, 2.5});
    Bold(p, 222, 36, "SCHEDULES B, C AND D", Align::Left, 14);
    Small(p, 222, 50, "Form 200 \x95 Oklahoma Annual Franchise Tax Return", Align::Left, 7.5);
    p.Panels.push_back({520, 22, 56, 34, 0, 0});
    p.Labels.push_back({548, 48, Face::HelveticaBold, 20, Align::Centre, "2010", 1});
    p.Rules.push_back({216, 60, 576, 60, 1});

    // Schedule B.
    SectionBar(p, 33, 576, 74, "SCHEDULE B \x97 GENERAL INFORMATION");
    p.Paragraphs.push_back({38, 100, 534, Face::Helvetica, 7, 9,
                            "Schedules B, C and D are part of Form 200 and are filed with it. Answer every "
                            "question of Schedule B. A corporation that is a subsidiary of another "
                            "corporation names its parent in question 3 and the percentage of its stock the "
                            "parent owns in question 4. Book value is the number of shares times the par "
                            "value of each share. Schedule C lists the corporation's subsidiaries and "
                            "affiliates, Schedule D its debts payable within three years of their issuance; "
                            "list further rows on an attached schedule of the same columns."});
    Small(p, 38, 269, "6.  Capital stock", Align::Left, 6.5);
    for (auto [x, t] : {std::pair{107.0, "Number of shares"}, std::pair{286.0, "Class of stock"},
                        std::pair{431.0, "Par value of each share"}, std::pair{521.0, "Book value"}})
        Bold(p, x, 277, t, Align::Centre, 6);
    p.Rules.push_back({38, 279.5, 576, 279.5});
    // The fiscal year's row runs across the table.
    for (double x : {176.0, 396.0, 466.0}) {
        p.Rules.push_back({x, 272, x, 307});
        p.Rules.push_back({x, 321, x, 348});
    }

    // Schedule C.
    SectionBar(p, 33, 576, 372, "SCHEDULE C \x97 SUBSIDIARIES AND AFFILIATES");
    Bold(p, 35, 410, "Subsidiaries", Align::Left, 7);
    Small(p, 90, 410,
          "corporations of which the taxpayer owns 50% or more of the voting stock; attach a schedule for "
          "more than five",
          Align::Left, 6);
    for (auto [x, t] : {std::pair{114.0, "Name of subsidiary"}, std::pair{243.0, "FEIN"},
                        std::pair{338.0, "Percentage owned"}, std::pair{481.0, "Financial investment"}})
        Bold(p, x, 430, t, Align::Centre, 6.5);
    p.Rules.push_back({33, 433, 576, 433});
    for (double x : {196.0, 290.0, 386.0})
        p.Rules.push_back({x, 420, x, 495});
    Bold(p, 35, 510, "Affiliates", Align::Left, 7);
    Small(p, 80, 510,
          "corporations under common ownership or control with the taxpayer; attach a schedule for more "
          "than four",
          Align::Left, 6);
    for (auto [x, t] :
         {std::pair{114.0, "Name of affiliate"}, std::pair{253.0, "FEIN"}, std::pair{443.0, "How related"}})
        Bold(p, x, 527, t, Align::Centre, 6.5);
    p.Rules.push_back({33, 530, 576, 530});
    for (double x : {196.0, 310.0})
        p.Rules.push_back({x, 517, x, 579});

    // Schedule D.
    SectionBar(
        p, 33, 576, 592, "SCHEDULE D \x97 CURRENT DEBT",
        "Indebtedness payable within three years of its issuance; attach a schedule for more than nine");
    struct Head {
        double X;
        std::string_view L1, L2;
    };
    for (const Head& h : {Head{99.5, "Name of lender", {}}, Head{221, "Date of issuance", {}},
                          Head{327, "Maturity date", {}}, Head{417, "Amount of instrument", "at issuance"},
                          Head{516, "Balance payable within", "three years of issuance"}}) {
        Bold(p, h.X, h.L2.empty() ? 644 : 637, h.L1, Align::Centre, 6.5);
        if (!h.L2.empty())
            Bold(p, h.X, 644, h.L2, Align::Centre, 6.5);
    }
    p.Rules.push_back({33, 648, 576, 648});
    for (double x : {166.0, 276.0, 378.0, 456.0})
        p.Rules.push_back({x, 626, x, 758});
    Small(p, 576, 772, "The amounts payable within three years are carried to the balance sheet, line 21.",
          Align::Right, 6);
    return p;
}

// ---------------------------------------------------------------------------------------------
// The balance sheet (template page 4).

struct BalanceLine {
    std::string_view Number;
    std::string_view Caption;
    std::string_view Note;
    int Y;
    FieldId A, B; // B = Count on the liabilities side
    bool Dollar;
    std::string_view ItemA, ItemB;
};

constexpr BalanceLine kAssets[] = {
    {"1", "Cash", {}, 176, FieldId::Bs1a, FieldId::Bs1b, true, "1 cash, A", "1 cash, B"},
    {"2",
     "Notes and accounts receivable",
     {},
     196,
     FieldId::Bs2a,
     FieldId::Bs2b,
     false,
     "2 receivables, A",
     "2 receivables, B"},
    {"3",
     "Inventories",
     {},
     216,
     FieldId::Bs3a,
     FieldId::Bs3b,
     false,
     "3 inventories, A",
     "3 inventories, B"},
    {"4",
     "Government obligations and other bonds",
     {},
     249,
     FieldId::Bs4a,
     FieldId::Bs4b,
     false,
     "4 government obligations, A",
     "4 government obligations, B"},
    {"5", "Other current assets", "attach schedule", 283, FieldId::Bs5a, FieldId::Bs5b, false,
     "5 other current assets, A", "5 other current assets, B"},
    {"6", "Total current assets", "add lines 1 to 5", 317, FieldId::Bs6a, FieldId::Bs6b, true,
     "6 total current assets, A", "6 total current assets, B"},
    {"7",
     "Mortgage and real estate loans",
     {},
     337,
     FieldId::Bs7a,
     FieldId::Bs7b,
     false,
     "7 mortgage loans, A",
     "7 mortgage loans, B"},
    {"8", "Other investments", "attach schedule", 370, FieldId::Bs8a, FieldId::Bs8b, false,
     "8 other investments, A", "8 other investments, B"},
    {"9a", "Building", {}, 390, FieldId::Bs9aa, FieldId::Bs9ab, false, "9a buildings, A", "9a buildings, B"},
    {"b",
     "less accumulated depreciation",
     {},
     419,
     FieldId::Bs9ba,
     FieldId::Bs9bb,
     false,
     "9b depreciation, A",
     "9b depreciation, B"},
    {"10a",
     "Fixed depreciable assets",
     {},
     439,
     FieldId::Bs10aa,
     FieldId::Bs10ab,
     false,
     "10a fixed depreciable assets, A",
     "10a fixed depreciable assets, B"},
    {"b",
     "less accumulated depreciation",
     {},
     468,
     FieldId::Bs10ba,
     FieldId::Bs10bb,
     false,
     "10b depreciation, A",
     "10b depreciation, B"},
    {"11a",
     "Depletable assets",
     {},
     488,
     FieldId::Bs11aa,
     FieldId::Bs11ab,
     false,
     "11a depletable assets, A",
     "11a depletable assets, B"},
    {"b",
     "less accumulated depletion",
     {},
     517,
     FieldId::Bs11ba,
     FieldId::Bs11bb,
     false,
     "11b depletion, A",
     "11b depletion, B"},
    {"12", "Land", {}, 536, FieldId::Bs12a, FieldId::Bs12b, false, "12 land, A", "12 land, B"},
    {"13a",
     "Intangible assets",
     {},
     557,
     FieldId::Bs13aa,
     FieldId::Bs13ab,
     false,
     "13a intangible assets, A",
     "13a intangible assets, B"},
    {"b",
     "less accumulated amortization",
     {},
     581,
     FieldId::Bs13ba,
     FieldId::Bs13bb,
     false,
     "13b amortization, A",
     "13b amortization, B"},
    {"14",
     "Other assets",
     {},
     603,
     FieldId::Bs14a,
     FieldId::Bs14b,
     false,
     "14 other assets, A",
     "14 other assets, B"},
    {"15", "Net assets", "lines 6 to 14, less lines 9b, 10b, 11b and 13b", 623, FieldId::Bs15a,
     FieldId::Bs15b, true, "15 net assets, A", "15 net assets, B"},
    {"16a",
     "from parent company",
     {},
     664,
     FieldId::Bs16aa,
     FieldId::Bs16ab,
     false,
     "16a from parent, A",
     "16a from parent, B"},
    {"b",
     "from subsidiary company",
     {},
     679,
     FieldId::Bs16ba,
     FieldId::Bs16bb,
     false,
     "16b from subsidiary, A",
     "16b from subsidiary, B"},
    {"c",
     "from affiliated company",
     {},
     693,
     FieldId::Bs16ca,
     FieldId::Bs16cb,
     false,
     "16c from affiliate, A",
     "16c from affiliate, B"},
    {"17",
     "Bank holding company stock in subsidiary bank",
     {},
     728,
     FieldId::Bs17a,
     FieldId::Bs17b,
     false,
     "17 bank holding company stock, A",
     "17 bank holding company stock, B"},
    {"18",
     "Total assets",
     {},
     744,
     FieldId::Bs18a,
     FieldId::Bs18b,
     true,
     "18 total assets, A",
     "18 total assets, B"},
};

constexpr BalanceLine kLiabilities[] = {
    {"19", "Accounts payable", {}, 176, FieldId::Bs19, FieldId::Count, true, "19 accounts payable", {}},
    {"20", "Accrued payables", {}, 196, FieldId::Bs20, FieldId::Count, false, "20 accrued payables", {}},
    {"21",
     "Indebtedness payable three years or less after issuance",
     "Schedule D",
     258,
     FieldId::Bs21,
     FieldId::Count,
     false,
     "21 indebtedness within three years",
     {}},
    {"22",
     "Other current liabilities",
     {},
     277,
     FieldId::Bs22,
     FieldId::Count,
     false,
     "22 other current liabilities",
     {}},
    {"23",
     "Total current liabilities",
     "add lines 19 to 22",
     298,
     FieldId::Bs23,
     FieldId::Count,
     true,
     "23 total current liabilities",
     {}},
    {"24a", "to parent company", {}, 344, FieldId::Bs24a, FieldId::Count, false, "24a to parent", {}},
    {"b", "to subsidiary company", {}, 358, FieldId::Bs24b, FieldId::Count, false, "24b to subsidiary", {}},
    {"c", "to affiliated company", {}, 372, FieldId::Bs24c, FieldId::Count, false, "24c to affiliate", {}},
    {"25",
     "Indebtedness maturing and payable in more than three years from the date of issuance",
     {},
     420,
     FieldId::Bs25,
     FieldId::Count,
     false,
     "25 indebtedness after three years",
     {}},
    {"26",
     "Loans from stockholders not payable within three years",
     {},
     453,
     FieldId::Bs26,
     FieldId::Count,
     false,
     "26 loans from stockholders",
     {}},
    {"27", "Other liabilities", {}, 475, FieldId::Bs27, FieldId::Count, false, "27 other liabilities", {}},
    {"28a",
     "Capital stock: preferred stock",
     {},
     508,
     FieldId::Bs28a,
     FieldId::Count,
     false,
     "28a preferred stock",
     {}},
    {"b", "common stock", {}, 522, FieldId::Bs28b, FieldId::Count, false, "28b common stock", {}},
    {"29",
     "Paid-in or capital surplus",
     {},
     557,
     FieldId::Bs29,
     FieldId::Count,
     false,
     "29 paid-in surplus",
     {}},
    {"30", "Retained earnings", {}, 577, FieldId::Bs30, FieldId::Count, false, "30 retained earnings", {}},
    {"31",
     "Other capital accounts",
     {},
     597,
     FieldId::Bs31,
     FieldId::Count,
     false,
     "31 other capital accounts",
     {}},
    {"32",
     "Total liabilities and stockholders' equity",
     "add lines 23 to 31",
     631,
     FieldId::Bs32,
     FieldId::Count,
     true,
     "32 total liabilities and equity",
     {}},
    {"33",
     "Total gross business done everywhere (sales and service)",
     "Form 200, line 7",
     685,
     FieldId::Bs33,
     FieldId::Count,
     true,
     "33 gross business everywhere",
     {}},
    {"34",
     "Total gross business done in Oklahoma (sales and service)",
     "Form 200, line 5",
     740,
     FieldId::Bs34,
     FieldId::Count,
     true,
     "34 gross business in Oklahoma",
     {}},
};

PageLayout BalanceSheet() {
    PageLayout p;
    p.Page = page::BalanceSheet;
    p.Name = "Balance sheet";
    auto& s = p.Stamps;
    Add(s, Face::Courier, 24, Align::Left,
        {BoxRow("FEIN", Value::Chars, FieldId::FEIN, 55, {}, Prep::None, kPosFein, kFeinBalanceSheet,
                kFeinHyphenBalanceSheet)});
    Add(s, Face::TimesRoman, 16, Align::Left,
        {TextAt("balance sheet date", FieldId::BalanceSheetDate, 310, 91,
                LineBefore(308, 432, "Balance sheet as of the end of the last income tax year"),
                Value::Date)});
    // Column A ends at 248, column B at 348, the liabilities' column at 574.
    for (const BalanceLine& l : kAssets) {
        const Value kind = l.Dollar ? Value::DollarAmount : Value::Amount;
        Add(s, Face::TimesRoman, 10, Align::Right,
            {Captioned(TextAt(l.ItemA, l.A, 248, l.Y, Line(180, 252), kind),
                       LineCaption{38, 178, l.Number, l.Caption, l.Note}),
             TextAt(l.ItemB, l.B, 348, l.Y, Line(256, 352), kind)});
    }
    for (const BalanceLine& l : kLiabilities) {
        const Value kind = l.Dollar ? Value::DollarAmount : Value::Amount;
        Add(s, Face::TimesRoman, 10, Align::Right,
            {Captioned(TextAt(l.ItemA, l.A, 574, l.Y, Line(508, 576), kind),
                       LineCaption{360, 506, l.Number, l.Caption, l.Note})});
    }

    Small(p, 133, 65, "Federal Employer Identification Number", Align::Centre, 6);
    p.Rules.push_back({216, 18, 576, 18, 2.5});
    Bold(p, 222, 36, "BALANCE SHEET", Align::Left, 14);
    Small(p, 222, 50, "Form 200 \x95 Oklahoma Annual Franchise Tax Return", Align::Left, 7.5);
    p.Panels.push_back({520, 22, 56, 34, 0, 0});
    p.Labels.push_back({548, 48, Face::HelveticaBold, 20, Align::Centre, "2010", 1});
    p.Rules.push_back({216, 60, 576, 60, 1});

    // Column heads.
    p.Panels.push_back({36, 112, 540, 42, 0.5, 0.9});
    Bold(p, 107, 137, "ASSETS", Align::Centre, 9);
    Bold(p, 216, 128, "A", Align::Centre, 8);
    Small(p, 216, 138, "Total", Align::Centre, 6.5);
    Small(p, 216, 146, "everywhere", Align::Centre, 6.5);
    Bold(p, 304, 128, "B", Align::Centre, 8);
    Small(p, 304, 138, "Total", Align::Centre, 6.5);
    Small(p, 304, 146, "in Oklahoma", Align::Centre, 6.5);
    Bold(p, 431, 131, "LIABILITIES AND", Align::Centre, 8);
    Bold(p, 431, 141, "STOCKHOLDERS' EQUITY", Align::Centre, 8);
    Bold(p, 542, 128, "C", Align::Centre, 8);
    Small(p, 542, 138, "Total", Align::Centre, 6.5);
    Small(p, 542, 146, "everywhere", Align::Centre, 6.5);
    for (double x : {178.0, 254.0, 354.0, 506.0})
        p.Rules.push_back({x, 112, x, 750});
    p.Panels.push_back({36, 112, 540, 638, 0.75});
    Bold(p, 38, 650, "16", Align::Left, 7);
    Small(p, 53, 650, "Inter-company receivables:", Align::Left, 7);
    Bold(p, 360, 330, "24", Align::Left, 7);
    Small(p, 375, 330, "Inter-company payables:", Align::Left, 7);
    p.Panels.push_back({354, 645, 222, 13, 0.5, 0.85});
    Bold(p, 358, 654.5, "GROSS BUSINESS DONE", Align::Left, 7.5);
    Small(p, 36, 764,
          "Column A is the total everywhere, column B the total in Oklahoma. Line 15 carries to Form 200, "
          "lines 1 and 2, and line 23 to Form 200, line 3.",
          Align::Left, 6);
    return p;
}

// ---------------------------------------------------------------------------------------------
// Form 200-F, the request to change the reporting period (template page 7).

PageLayout Form200F() {
    PageLayout p;
    p.Page = page::Form200F;
    p.Name = "Form 200-F";
    auto& s = p.Stamps;
    Add(s, Face::Courier, 24, Align::Left,
        {MarkAt("election mark", 78, 362, When::Set, FieldId::F200FElect)});
    Add(s, Face::Courier, 12, Align::Left,
        {TextAt("name of corporation", FieldId::CorpName, 180, 407,
                LineBefore(178, 560, "Name of corporation")),
         TextAt("FEIN", FieldId::FEIN, 180, 450,
                LineBefore(178, 330, "Federal Employer Identification Number")),
         TextAt("beginning month", FieldId::F200FBeginMonth, 180, 520,
                Line(178, 330, "Month in which the income tax year begins")),
         TextAt("ending month", FieldId::F200FEndMonth, 430, 520,
                Line(428, 560, "Month in which the income tax year ends")),
         TextAt("name and title", FieldId::F200FNameTitle, 50, 586,
                Line(48, 300, "Name and title of the officer (please print)")),
         TextAt("phone", FieldId::F200FPhone, 170, 644, LineBefore(168, 330, "Phone number")),
         TextAt("date", FieldId::F200FDate, 370, 644, LineBefore(368, 470, "Date"))});

    TitleBand(p, 36, "FORM 200-F", "REQUEST TO CHANGE FRANCHISE TAX FILING PERIOD",
              "Oklahoma Tax Commission \x95 Franchise Tax");
    SectionBar(p, 36, 576, 76, "PURPOSE OF THIS FORM");
    p.Paragraphs.push_back(
        {40, 102, 532, Face::TimesRoman, 10.5, 13,
         "A corporation may elect to file its annual franchise tax return for the same period as its "
         "Oklahoma corporate income tax return instead of the regular franchise tax reporting period. Once "
         "made, the election remains in effect for every later year until the corporation asks in writing "
         "to return to the regular period."});
    SectionBar(p, 36, 576, 176, "HOW TO MAKE THE ELECTION");
    p.Paragraphs.push_back(
        {40, 202, 532, Face::TimesRoman, 10.5, 13,
         "Mark the box below, enter the corporation's name and Federal Employer Identification Number and "
         "the months in which its income tax year begins and ends, and have an officer sign and date the "
         "form. File it with the franchise tax return for the current period. The first return under the "
         "new period is due with the corporation's income tax return for the tax year that begins after the "
         "election."});
    SectionBar(p, 36, 576, 300, "ELECTION");
    p.Paragraphs.push_back(
        {102, 352, 470, Face::TimesRoman, 10.5, 13,
         "The corporation named below elects to change its franchise tax filing period so that it coincides "
         "with the filing period of its corporate income tax return."});
    p.Panels.push_back({36, 322, 540, 350, 0.75});
    p.Rules.push_back({320, 586, 560, 586});
    Small(p, 320, 572, "Signature of officer", Align::Left, 6.5);
    Small(p, 306, 700,
          "Mail this form with the franchise tax return to the Oklahoma Tax Commission, Franchise Tax, "
          "Oklahoma City, Oklahoma.",
          Align::Centre, 7);
    return p;
}

// ---------------------------------------------------------------------------------------------
// Pages 5 and 6 hold no form.

PageLayout Unused(int number) {
    PageLayout p;
    p.Page = number;
    p.Name = "not used";
    p.Labels.push_back(
        {kPageCentre, 396, Face::Helvetica, 9, Align::Centre, "This page is intentionally left blank.", 0.4});
    return p;
}

} // namespace

const std::span<const int16_t> F13 = kF13;
const std::span<const int16_t> F10 = std::span<const int16_t>(kF13).first(10);
const std::span<const int16_t> F10b = kF10b;
const std::span<const int16_t> F7 = kF7;
const std::span<const int16_t> F5 = std::span<const int16_t>(kF7).first(5);
const std::span<const int16_t> F4 = kF4;
const std::span<const int16_t> M5 = std::span<const int16_t>(kM7).first(5);
const std::span<const int16_t> M7 = kM7;

const PageLayout& Layout(int templatePage) {
    static const std::array<PageLayout, page::Count> pages = {
        Form200(),  ScheduleA(), ScheduleBCD(), BalanceSheet(), Unused(page::Unused5), Unused(page::Unused6),
        Form200F(), MinMax(),    MinMaxBack()};
    if (templatePage < 1 || templatePage > page::Count)
        throw std::out_of_range("no such template page");
    return pages[static_cast<size_t>(templatePage - 1)];
}

GlyphBox DigitBox(Face face) {
    // From the fonts' published metrics: the widest digit's ink and the digits' height.
    switch (face) {
    case Face::Courier:
        return {0.600, 0.070, 0.505, 0.622};
    case Face::TimesRoman:
        return {0.500, 0.024, 0.476, 0.676};
    case Face::Helvetica:
    case Face::HelveticaOblique:
    case Face::HelveticaBold:
        return {0.556, 0.030, 0.524, 0.710};
    }
    return {0.6, 0, 0.6, 0.7};
}

double InkHeight(Face face) {
    return DigitBox(face).InkTop;
}

BoxRowGeometry BoxCells(const Stamp& row) {
    const GlyphBox g = DigitBox(row.Font);
    const double size = row.Size;
    struct Slot {
        double X;
        size_t Index; // into the result's cells
    };
    std::vector<Slot> slots;
    for (size_t i = 0; i < row.Xs.size(); ++i)
        slots.push_back({double(row.Xs[i]), i});
    size_t next = row.Xs.size();
    for (const Preprint& pre : row.Preprinted)
        if (pre.Boxed)
            slots.push_back({double(pre.X), next++});
    std::stable_sort(slots.begin(), slots.end(), [](const Slot& a, const Slot& b) { return a.X < b.X; });

    BoxRowGeometry out;
    out.Cells.resize(next);
    if (slots.empty())
        return out;
    const double top = Baseline(row.Y) - g.InkTop * size - 3;
    const double bottom = row.Y;
    auto inkLeft = [&](const Slot& s) { return s.X + g.InkLeft * size; };
    auto inkRight = [&](const Slot& s) { return s.X + g.InkRight * size; };
    auto centre = [&](const Slot& s) { return s.X + (g.InkLeft + g.InkRight) / 2 * size; };
    auto separatorBetween = [&](double a, double b) {
        for (const Preprint& pre : row.Preprinted)
            if (!pre.Boxed && pre.X > a && pre.X < b)
                return &pre;
        return static_cast<const Preprint*>(nullptr);
    };

    // Half a box: half the usual pitch of the row.
    std::vector<double> pitches;
    for (size_t k = 0; k + 1 < slots.size(); ++k)
        if (!separatorBetween(slots[k].X, slots[k + 1].X))
            pitches.push_back(centre(slots[k + 1]) - centre(slots[k]));
    double half = (g.InkRight - g.InkLeft) / 2 * size + 3;
    if (!pitches.empty()) {
        std::sort(pitches.begin(), pitches.end());
        half = pitches[pitches.size() / 2] / 2;
    }

    std::vector<double> left(slots.size()), right(slots.size());
    left.front() = centre(slots.front()) - half;
    right.back() = centre(slots.back()) + half;
    for (size_t k = 0; k + 1 < slots.size(); ++k) {
        if (const Preprint* sep = separatorBetween(slots[k].X, slots[k + 1].X)) {
            const double free = inkLeft(slots[k + 1]) - inkRight(slots[k]);
            const double margin = std::min(2.0, free / 4);
            right[k] = inkRight(slots[k]) + margin;
            left[k + 1] = inkLeft(slots[k + 1]) - margin;
            out.Separators.push_back({(right[k] + left[k + 1]) / 2, sep->Text});
        } else {
            const double mid = (centre(slots[k]) + centre(slots[k + 1])) / 2;
            right[k] = mid;
            left[k + 1] = mid;
        }
    }
    for (size_t k = 0; k < slots.size(); ++k)
        out.Cells[slots[k].Index] = {left[k], top, right[k], bottom};
    // Separators before the first box or after the last one.
    for (const Preprint& pre : row.Preprinted) {
        if (pre.Boxed)
            continue;
        if (pre.X < slots.front().X)
            out.Separators.push_back({left.front() - 3, pre.Text});
        else if (pre.X > slots.back().X)
            out.Separators.push_back({right.back() + 3, pre.Text});
    }
    return out;
}

Rect MarkCell(const Stamp& mark) {
    // The letter X of Courier: ink from 0.092 to 0.508 of the size, 0.562 high.
    const double size = mark.Size;
    const double side = 0.562 * size + 7;
    const double cx = mark.X + 0.3 * size;
    const double cy = Baseline(mark.Y) - 0.562 * size / 2;
    return {cx - side / 2, cy - side / 2, cx + side / 2, cy + side / 2};
}

Rect FrameCell(const Stamp& text) {
    const Frame& f = text.Box;
    const double top =
        f.Top != 0 ? text.Y + f.Top
                   : Baseline(text.Y) - InkHeight(text.Font) * text.Size - 3 - (f.Caption.empty() ? 0 : 8);
    const double bottom = f.Bottom != 0 ? text.Y + f.Bottom : text.Y + 4;
    return {double(f.Left), top, double(f.Right), bottom};
}

} // namespace qv::form
