#pragma once

#include "RecordFields.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The geometry of the printed forms: which template page holds which form, every value stamped on
// those pages (field, position, font, format, condition) and the printed home of each value (its
// boxes, line or cell and the caption of its form line). The page routines stamp from these tables,
// the blank-form drawing draws the boxes and captions from them and the window lays its controls
// over them, so a box and the value printed into it can never drift apart. The rest of the blank
// pages (titles, rules, panels, instructions) is the drawing's own.
//
// Units are points (1/72 inch); positions are measured from the top-left corner of a letter-size
// portrait page, x growing to the right and y downward. A stamped value's y is its row: texts and
// box characters are drawn with their baseline 3 points above it.
namespace qv::form {

inline constexpr double kPageWidth = 612;
inline constexpr double kPageHeight = 792;
// Headings on the pages the program makes itself are centred here.
inline constexpr double kPageCentre = 306;

// The pages of base.ftb by number.
namespace page {
inline constexpr int Form200 = 1;
inline constexpr int ScheduleA = 2;
inline constexpr int ScheduleBCD = 3;
inline constexpr int BalanceSheet = 4;
inline constexpr int Unused5 = 5;
inline constexpr int Unused6 = 6;
inline constexpr int Form200F = 7;
inline constexpr int MinMax = 8;
inline constexpr int MinMaxBack = 9;
inline constexpr int Count = 9;
} // namespace page

// Fonts by their standard font number.
enum class Face : uint8_t {
    Courier = 0,
    Helvetica = 4,
    HelveticaBold = 5,
    HelveticaOblique = 7,
    TimesRoman = 8,
};

// 0 the text begins at x, 1 it is centred on x, 2 it ends at x.
enum class Align : uint8_t { Left = 0, Centre = 1, Right = 2 };

// How a stamp turns its field into what is drawn.
enum class Value : uint8_t {
    // Texts at one point.
    Text,         // a text field as stored; empty texts and blank masks draw nothing
    ShortDate,    // a date in the user's short date format; no date draws nothing
    Date,         // a date as mm/dd/yyyy with the user's date separator; no date draws nothing
    Amount,       // a Money field by the whole-dollar flag; zero draws nothing
    DollarAmount, // as Amount with a leading "$"
    DoubleAmount, // a double field taken as an amount (to four decimals), then as Amount
    Currency,     // a Money field in the user's currency format, drawn also when zero
    Fixed8,       // a double field as "%8.4f", drawn also when zero
    Fixed3,       // a double field as "%3.4f", drawn also when zero
    WholeNumber,  // an Int32 field in decimal, drawn also when zero
    Mark,         // the letter "X" when the condition holds
    // Rows of one-character boxes.
    Chars,           // a text field as stored
    MMDDYY,          // a date as six digits
    Pattern,         // a Money field through a zero pattern
    PatternTimes100, // a Money field times 100 through a zero pattern
    PatternOfDouble, // a double field rounded to a whole number through a zero pattern
};

// Whether a box row's value belongs to a row of boxes (StampChar per box) rather than to a point.
constexpr bool IsBoxRow(Value v) {
    return v >= Value::Chars;
}

// The preparation of a zero-pattern text for its boxes.
enum class Prep : uint8_t { None, Whole, Cents };

// When a stamp is drawn.
enum class When : uint8_t {
    Always,
    Yes,    // the yes/no flag ConditionField holds exactly "Y"
    NotYes, // it holds anything else
    Set,    // the Boolean ConditionField is set (nonzero)
};

// The form's printed home of a stamped text.
enum class FrameStyle : uint8_t {
    None, // the value sits in a table or block whose rules the page drawing supplies
    Line, // a rule at the row y from Left to Right; the text sits on it
    Cell, // a box from Left to Right, from Top above the row to Bottom below it
};

struct Frame {
    FrameStyle Style = FrameStyle::None;
    int16_t Left = 0;
    int16_t Right = 0;
    // Offsets from the row y of a Cell's edges (Top negative); 0 picks the default for the font.
    int8_t Top = 0;
    int8_t Bottom = 0;
    // A Cell's caption is printed in its top-left corner; a Line's above the line's left end, or
    // before the line (ending 3 points left of it) when CaptionBefore is set.
    std::string_view Caption;
    bool CaptionBefore = false;
};

// Something the form prints itself on a box row: a digit in a box of its own ("000" of a line
// rounded up to thousands, the cents "00"), or a separator between the boxes (the decimal point,
// the hyphen of an employer identification number) centred on X.
struct Preprint {
    int16_t X = 0;
    std::string_view Text;
    bool Boxed = false;
};

// The caption of a form line, drawn at the row: its number, its wording and a short note in
// smaller type under it; the wording wraps upward within X..Right so that its last line ends on
// the row, and dotted leaders run from its end to Right.
struct LineCaption {
    int16_t X = 0; // 0: no caption
    int16_t Right = 0;
    std::string_view Number;
    std::string_view Text;
    std::string_view Note;
};

// One stamped value.
struct Stamp {
    std::string_view Item; // what the value is, for reading the tables and the tests
    Value Kind = Value::Text;
    FieldId Field = FieldId::Count;
    // A text: the point passed to the stamp. A box row: Y is the row and X unused.
    int16_t X = 0;
    int16_t Y = 0;
    Face Font = Face::TimesRoman;
    double Size = 12;
    Align Alignment = Align::Left;
    When Condition = When::Always;
    FieldId ConditionField = FieldId::Count;
    // Box rows: the zero pattern, the preparation, and the 1-based character positions drawn with
    // the x of each box, in the same order.
    std::string_view Pattern;
    Prep Preparation = Prep::None;
    std::span<const int16_t> Positions;
    std::span<const int16_t> Xs;
    std::span<const Preprint> Preprinted;
    Frame Box;
    LineCaption Caption;
};

struct Rect {
    double Left, Top, Right, Bottom;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Everything about one page of the template.
struct PageLayout {
    int Page = 0;
    std::string_view Name;
    std::vector<Stamp> Stamps; // in the order the page routine stamps them
};

// The layout of a template page, 1 to page::Count.
const PageLayout& Layout(int templatePage);

// Box columns of Form 200 and of the minimum/maximum return, x of the boxes from the left.
// Form 200: lines 1 to 3, 5 to 8 and 10 (thirteen whole-dollar boxes, the cents printed), line 11
// (the first ten of them, the thousands printed), line 4 (ten boxes of its own), lines 12, 14, 15,
// 17 and 18 (dollars and cents), the fees of lines 13 and 16 (the first five of those) and line 9.
extern const std::span<const int16_t> Form200CapitalBoxes, Form200Line11Boxes, Form200Line4Boxes,
    Form200TaxBoxes, Form200FeeBoxes, Form200Line9Boxes;
// Minimum/maximum return: lines 1, 2 and 5 in whole dollars, lines 3, 4, 6 and 7 with cents.
extern const std::span<const int16_t> MinMaxWholeDollarBoxes, MinMaxAmountBoxes;

// A digit of a stamped font, in units of the text size, measured from the point the text begins
// at: its advance, the left and right ends of the widest digit's ink, and the digits' height.
struct GlyphBox {
    double Advance, InkLeft, InkRight, InkTop;
};
GlyphBox DigitBox(Face face);
// The height of digits and capitals above the baseline, in units of the text size.
double InkHeight(Face face);
// The baseline of a value stamped in row y.
constexpr double Baseline(int y) {
    return y - 3.0;
}

struct Separator {
    double X; // centre
    std::string_view Text;
};
struct BoxRowGeometry {
    // One cell per stamped position, in the order of Positions, then one per boxed preprint in
    // the order of Preprinted.
    std::vector<Rect> Cells;
    std::vector<Separator> Separators;
};
// The boxes of a box row: cells side by side that meet halfway between neighbouring characters
// and leave a gap where a separator is printed. A box's bottom edge is the row; its top lies
// 3 points above the digits.
BoxRowGeometry BoxCells(const Stamp& row);
// The box of a mark: a square around the letter X.
Rect MarkCell(const Stamp& mark);
// The cell of a stamp framed as a Cell.
Rect FrameCell(const Stamp& text);

} // namespace qv::form
