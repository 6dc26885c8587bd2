// The six form pages and the template they are stamped on: every stamped value at its place, the
// conditions of the marks and blocks, and the boxes and lines of base.ftb that the values land in.

#include "AtomicFile.h"
#include "ExampleReturn.h"
#include "FontMetrics.h"
#include "FormDrawing.h"
#include "FormGeometry.h"
#include "PdfReadBack.h"
#include "PdfShownText.h"
#include "PrintRun.h"
#include "TestSupport.h"
#include "ValueFormats.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace qv {
namespace {

using test::ShownText;

const std::string kCourier = "Courier";
const std::string kTimes = "Times-Roman";

using test::RecordingNotices;

StandardFontMetrics MetricsOf(const std::string& font) {
    if (font == kCourier)
        return StandardFontMetrics::Courier;
    if (font == kTimes)
        return StandardFontMetrics::TimesRoman;
    if (font == "Helvetica-Bold")
        return StandardFontMetrics::HelveticaBold;
    return StandardFontMetrics::Helvetica;
}

// One value as the page tables give it: the text, the x it begins at (or ends at, when Right),
// the row y (the baseline lies 3 points above it), the font and the size.
struct Expect {
    std::string Text;
    double X;
    int Row;
    std::string Font;
    double Size;
    bool Right = false;
};

using Expects = std::vector<Expect>;

// A row of digit boxes: the character of each box at its x, spaces for boxes that show nothing.
Expects Boxes(int row, const std::vector<int>& xs, std::string_view chars, const std::string& font,
              double size) {
    if (xs.size() != chars.size())
        throw std::logic_error("box row: " + std::string(chars) + " does not fit its boxes");
    Expects out;
    for (size_t i = 0; i < xs.size(); ++i)
        if (chars[i] != ' ')
            out.push_back({std::string(1, chars[i]), double(xs[i]), row, font, size});
    return out;
}

void Append(Expects& to, const Expects& more) {
    to.insert(to.end(), more.begin(), more.end());
}

std::string Describe(const std::string& text, const std::string& font, double size, double x, double y) {
    std::ostringstream s;
    s << "'" << text << "' " << font << " " << size << " at (" << x << ", " << y << ")";
    return s.str();
}

// Compares the texts stamped on a page with the expected ones, in any order; texts of spaces only
// show nothing and are left out.
void ExpectStamps(const std::vector<ShownText>& actual, const Expects& expected) {
    std::vector<bool> used(actual.size(), false);
    std::vector<std::string> missing;
    for (const Expect& e : expected) {
        const double width = TextWidth(MetricsOf(e.Font), e.Text, e.Size);
        const double x = e.Right ? e.X - width : e.X;
        const double y = e.Row - 3;
        bool found = false;
        for (size_t i = 0; i < actual.size() && !found; ++i) {
            const ShownText& a = actual[i];
            if (!used[i] && a.Text == e.Text && a.Font == e.Font && std::abs(a.Size - e.Size) < 0.01 &&
                std::abs(a.X - x) < 0.01 && std::abs(a.Y - y) < 0.01) {
                used[i] = true;
                found = true;
            }
        }
        if (!found)
            missing.push_back(Describe(e.Text, e.Font, e.Size, x, y));
    }
    std::vector<std::string> unexpected;
    for (size_t i = 0; i < actual.size(); ++i)
        if (!used[i])
            unexpected.push_back(
                Describe(actual[i].Text, actual[i].Font, actual[i].Size, actual[i].X, actual[i].Y));
    auto list = [](const std::vector<std::string>& v) {
        std::string out;
        for (const std::string& s : v)
            out += "\n  " + s;
        return out;
    };
    EXPECT_TRUE(missing.empty() && unexpected.empty())
        << "missing:" << list(missing) << "\nunexpected:" << list(unexpected);
}

bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

const std::vector<std::vector<ShownText>>& TemplateTexts() {
    static const std::vector<std::vector<ShownText>> texts = test::ReadShownText(QV_FORM_TEMPLATE);
    return texts;
}

const std::vector<int> F13 = {312, 330, 349, 365, 381, 397, 414, 429, 447, 463, 478, 495, 511};
const std::vector<int> F10 = {312, 330, 349, 365, 381, 397, 414, 429, 447, 463};
const std::vector<int> F10b = {312, 330, 344, 360, 376, 392, 409, 424, 442, 458};
const std::vector<int> F7 = {447, 463, 478, 495, 511, 527, 543};
const std::vector<int> F5 = {447, 463, 478, 495, 511};
const std::vector<int> F4 = {495, 511, 527, 543};
const std::vector<int> M5 = {460, 475, 491, 507, 522};
const std::vector<int> M7 = {460, 475, 491, 507, 522, 541, 555};
// Lines drawn as "00000.00": every character but the point.
std::string NoPoint(std::string_view s) {
    return std::string(s.substr(0, 5)) + std::string(s.substr(6));
}

Money Amount(const char* text) {
    return *Money::Parse(text);
}

class FormPagesTest : public ::testing::Test {
protected:
    Tdm dm;
    RecordingNotices notices;
    MemorySettings settings;
    Services services{dm, notices, settings, RegionalSettings::UnitedStates()};
    Franchise doc{2010, services};
    test::TempFolder folder;
    ReturnRecord& r = doc.Record;
    std::filesystem::path printed_;

    // Runs page routines in a print run on the template and gives the PDF written.
    std::filesystem::path Print(const std::function<void(PrintRun&)>& pages,
                                const std::string& templatePath = QV_FORM_TEMPLATE) {
        PdfWriter pdf;
        PrintRun run(doc, pdf);
        run.SetUp(templatePath);
        pages(run);
        const std::filesystem::path path = folder / "forms.pdf";
        EXPECT_TRUE(run.Finish(PathToUtf8(path)));
        printed_ = path;
        EXPECT_TRUE(notices.Errors.empty()) << notices.Errors.front();
        return path;
    }

    // The texts stamped on each page of a PDF whose pages are copies of the given template pages,
    // in that order: everything a page shows after its template page's own texts.
    std::vector<std::vector<ShownText>> Stamps(const std::filesystem::path& pdf,
                                               const std::vector<int>& templatePages) {
        const std::vector<std::vector<ShownText>> pages = test::ReadShownText(pdf);
        EXPECT_EQ(pages.size(), templatePages.size());
        std::vector<std::vector<ShownText>> out;
        for (size_t k = 0; k < pages.size() && k < templatePages.size(); ++k) {
            const std::vector<ShownText>& form = TemplateTexts().at(size_t(templatePages[k] - 1));
            const std::vector<ShownText>& page = pages[k];
            EXPECT_GE(page.size(), form.size()) << "page " << k + 1;
            size_t same = 0;
            while (same < form.size() && same < page.size() && page[same].Text == form[same].Text &&
                   page[same].X == form[same].X && page[same].Y == form[same].Y)
                ++same;
            EXPECT_EQ(same, form.size()) << "page " << k + 1 << " is not template page " << templatePages[k];
            std::vector<ShownText> stamps;
            for (size_t i = same; i < page.size(); ++i)
                if (!Blank(page[i].Text))
                    stamps.push_back(page[i]);
            out.push_back(std::move(stamps));
        }
        return out;
    }

    // The stamps of one page as the page tables give them: exactly these texts at these points in
    // the PDF, and, as a viewer reads the page, every text beginning (or ending, when aligned
    // right) where the table says. Single box characters are left to the first check, since a
    // viewer joins neighbouring boxes into one word.
    void ExpectPage(const std::vector<std::vector<ShownText>>& stamps, int page, const Expects& expected) {
        ASSERT_LT(size_t(page - 1), stamps.size());
        ExpectStamps(stamps[size_t(page - 1)], expected);
        const std::vector<test::Word> words = test::ReadPdfText(printed_).OnPage(page);
        for (const Expect& e : expected) {
            if (e.Text.size() < 2)
                continue;
            std::istringstream split(e.Text);
            std::vector<std::string> parts;
            for (std::string part; split >> part;)
                parts.push_back(part);
            const std::string& word = e.Right ? parts.back() : parts.front();
            const double descent = e.Font == kCourier ? test::kCourierDescent : test::kTimesDescent;
            const bool found = std::any_of(words.begin(), words.end(), [&](const test::Word& w) {
                return w.Text == word && std::abs((e.Right ? w.XMax : w.XMin) - e.X) < 0.05 &&
                       std::abs(test::Baseline(w, descent, e.Size) - (e.Row - 3)) < 0.05;
            });
            EXPECT_TRUE(found) << "page " << page << ": \"" << word << "\" of \"" << e.Text << "\" not at "
                               << e.X << (e.Right ? " (end)" : "") << ", row " << e.Row;
        }
    }

    void SetIdentification() {
        r.Set(fld::FEIN, "73-1234567");
        r.Set(fld::CorpName, "Red Earth Pipe & Supply, Inc.");
        r.Set(fld::Address, "1200 N. Harvey Ave.");
        r.Set(fld::CityStateZip, "Oklahoma City, OK 73103");
        r.Set(fld::ReportPeriod, "01/2009 to 12/2009");
        r.Set(fld::DueDate, EncodeDate(2010, 7, 1));
    }
};

// ---------------------------------------------------------------------------------------------
// Form 200.

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
    Append(e, Boxes(293, F13, "1234567890123", kCourier, 16));
    Append(e, Boxes(315, F13, "      4123456", kCourier, 16));
    Append(e, Boxes(339, F13, "-000000012345", kCourier, 16));
    Append(e, Boxes(362, F10b, "      1235", kCourier, 16));
    Append(e, Boxes(385, F13, "            0", kCourier, 16));
    Append(e, Boxes(409, F13, "          999", kCourier, 16));
    Append(e, Boxes(433, F13, "ERR # 2 LOW  ", kCourier, 16));
    Append(e, Boxes(457, F13, "   5000000000", kCourier, 16));
    Append(e, Boxes(482, F4, "0005", kCourier, 16));
    Append(e, Boxes(507, F13, "            1", kCourier, 16));
    Append(e, Boxes(529, F10, "          ", kCourier, 16));
    Append(e, Boxes(630, F7, "      5", kCourier, 16));
    Append(e, Boxes(652, F5, "  100", kCourier, 16));
    Append(e, Boxes(677, F7, "    005", kCourier, 16));
    Append(e, Boxes(701, F7, NoPoint("   12.30"), kCourier, 16));
    Append(e, Boxes(723, F5, "    0", kCourier, 16));
    Append(e, Boxes(746, F7, NoPoint("-0007.50"), kCourier, 16));
    Append(e, Boxes(772, F7, NoPoint(" 3608.13"), kCourier, 16));
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
        Append(e, Boxes(482, F4, boxes, kCourier, 16));
        SCOPED_TRACE(stored);
        ExpectStamps(line9, e);
    }
}

// ---------------------------------------------------------------------------------------------
// The minimum/maximum return.

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
    Append(e, Boxes(626, M5, "20000", kCourier, 18));
    Append(e, Boxes(649, M5, "  100", kCourier, 18));
    Append(e, Boxes(672, M7, NoPoint("    0.12"), kCourier, 18));
    Append(e, Boxes(695, M7, NoPoint(" 2000.00"), kCourier, 18));
    Append(e, Boxes(719, M5, "    0", kCourier, 18));
    Append(e, Boxes(743, M7, NoPoint("-0010.00"), kCourier, 18));
    Append(e, Boxes(768, M7, NoPoint("99999.99"), kCourier, 18));
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
        Append(e, Boxes(row, M5, "    0", kCourier, 18));
    for (int row : {672, 695, 743, 768})
        Append(e, Boxes(row, M7, NoPoint("    0.00"), kCourier, 18));
    ExpectPage(stamps, 1, e);
}

// ---------------------------------------------------------------------------------------------
// Schedule A.

TEST_F(FormPagesTest, ScheduleAStampsTheCorporationAndItsOfficers) {
    SetIdentification();
    r.Set(fld::SchedADate, EncodeDate(2010, 6, 15));
    r.Set(fld::SchedAPresName, "Margaret A. Hollis");
    r.Set(fld::SchedAPresSSN, "440-12-3456");
    r.Set(fld::SchedAPresAddress, "2815 NW 63rd St, Oklahoma City, OK 73116");
    r.Set(fld::SchedAPresPhone, "(405) 555-0142");
    r.Set(fld::SchedAVPName, "Daniel R. Whitcomb");
    r.Set(fld::SchedAVPSSN, "   -  -    "); // blank masks print nothing
    r.Set(fld::SchedAVPAddress, "9304 S. Shartel Ave");
    r.Set(fld::SchedAVPPhone, "(   )    -    ");
    r.Set(fld::SchedASecName, "Lucinda M. Perez");
    r.Set(fld::SchedASecSSN, "445-31-7789");
    r.Set(fld::SchedASecAddress, "1717 E. 15th St, Edmond, OK 73013");
    r.Set(fld::SchedASecPhone, "(405) 555-0199");
    r.Set(fld::SchedATreasName, "Lucinda M. Perez");
    r.Set(fld::SchedATreasSSN, "445-31-    "); // partly typed: prints
    r.Set(fld::SchedATreasPhone, "(405)    -    ");
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampScheduleA(); }), {2});
    ASSERT_EQ(stamps.size(), 1u);
    Expects e = {
        {"Red Earth Pipe & Supply, Inc.", 82, 110, kTimes, 12},
        {"1200 N. Harvey Ave.", 82, 131, kTimes, 12},
        {"Oklahoma City, OK 73103", 82, 157, kTimes, 12},
        {"06/15/2010", 338, 292, kTimes, 12},
        {"Margaret A. Hollis", 74, 405, kTimes, 12},
        {"440-12-3456", 354, 405, kTimes, 12},
        {"2815 NW 63rd St, Oklahoma City, OK 73116", 74, 434, kTimes, 12},
        {"(405) 555-0142", 354, 434, kTimes, 12},
        {"Daniel R. Whitcomb", 74, 463, kTimes, 12},
        {"9304 S. Shartel Ave", 74, 494, kTimes, 12},
        {"Lucinda M. Perez", 74, 521, kTimes, 12},
        {"445-31-7789", 354, 521, kTimes, 12},
        {"1717 E. 15th St, Edmond, OK 73013", 74, 551, kTimes, 12},
        {"(405) 555-0199", 354, 551, kTimes, 12},
        {"Lucinda M. Perez", 74, 581, kTimes, 12},
        {"445-31-    ", 354, 581, kTimes, 12},
        {"(405)    -    ", 354, 610, kTimes, 12},
    };
    Append(e, Boxes(240, {170, 184, 200, 216, 231, 245, 257, 272, 288}, "731234567", kTimes, 16));
    ExpectPage(stamps, 1, e);
}

// ---------------------------------------------------------------------------------------------
// Schedules B, C and D.

TEST_F(FormPagesTest, SchedulesBCDStampEveryRow) {
    SetIdentification();
    r.Set(fld::SchedBBizStructure, "LLC, formed 03/02/1998, Oklahoma County");
    r.Set(fld::SchedBRegisteredAgent, "CT Corporation System, Oklahoma City");
    r.Set(fld::SchedBParentName, "Hollis Holdings, Inc.");
    r.Set(fld::SchedBParentFEIN, "73-5550001");
    r.Set(fld::SchedBPctParentOwned, 55.5);
    r.Set(fld::SchedBBizNature, "Wholesale pipe and valves");
    r.Set(fld::SchedBFiscalYear, 2009);
    r.Set(fld::SchedBAuthCommonShares, 100000.0);
    r.Set(fld::SchedBAuthCommonPar, Amount("1"));
    r.Set(fld::SchedBAuthCommonBook, Amount("100000"));
    r.Set(fld::SchedBAuthPrefShares, 10000.5);
    r.Set(fld::SchedBAuthPrefPar, Amount("100"));
    r.Set(fld::SchedBIssuedCommonShares, 40000.0);
    r.Set(fld::SchedBIssuedCommonPar, Amount("-1"));
    r.Set(fld::SchedBIssuedCommonBook, Amount("1234567.5"));
    r.Set(fld::SchedCSub1Name, "Red Earth Logistics LLC");
    r.Set(fld::SchedCSub1FEIN, "73-7654321");
    r.Set(fld::SchedCSub1PctOwned, 100.0);
    r.Set(fld::SchedCSub1Investment, 250000.0);
    r.Set(fld::SchedCSub2Name, "Cimarron Valve");
    r.Set(fld::SchedCSub2Investment, 1234.56789); // a plain double, taken to four decimals
    r.Set(fld::SchedCSub5Name, "Fifth Sub");
    r.Set(fld::SchedCAff1Name, "Hollis Family Holdings LP");
    r.Set(fld::SchedCAff1FEIN, "73-1112223");
    r.Set(fld::SchedCAff1HowRelated, "Common ownership");
    r.Set(fld::SchedCAff4Name, "Fourth Affiliate");
    r.Set(fld::SchedDDebt1Lender, "First Oklahoma Bank");
    r.Set(fld::SchedDDebt1IssueDate, "03/15/2008");
    r.Set(fld::SchedDDebt1MaturityDate, "March 2011");
    r.Set(fld::SchedDDebt1OrigAmount, Amount("300000"));
    r.Set(fld::SchedDDebt1DueWithin3Yrs, Amount("180000"));
    r.Set(fld::SchedDDebt9Lender, "Ninth lender");
    r.Set(fld::SchedDDebt9DueWithin3Yrs, Amount("-5"));

    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampScheduleBCD(); }), {3});
    ASSERT_EQ(stamps.size(), 1u);
    Expects e = {
        {"LLC, formed 03/02/1998, Oklahoma County", 40, 190, kTimes, 12},
        {"CT Corporation System, Oklahoma City", 40, 220, kTimes, 12},
        {"Hollis Holdings, Inc.", 280, 234, kTimes, 12},
        {"73-5550001", 490, 234, kTimes, 12},
        {"Wholesale pipe and valves", 230, 263, kTimes, 12},
        {"2009", 350, 320, kTimes, 12},
        {"55.5000", 420, 249, kTimes, 12, true},
        {"100000.0000", 170, 292, kTimes, 12, true},
        {"10000.5000", 170, 307, kTimes, 12, true},
        {"40000.0000", 170, 334, kTimes, 12, true},
        {"  0.0000", 170, 348, kTimes, 12, true},
        {"$1.00", 460, 292, kTimes, 12, true},
        {"$100.00", 460, 307, kTimes, 12, true},
        {"($1.00)", 460, 334, kTimes, 12, true},
        {"$0.00", 460, 348, kTimes, 12, true},
        {"$100,000.00", 570, 292, kTimes, 12, true},
        {"$0.00", 570, 307, kTimes, 12, true},
        {"$1,234,567.50", 570, 334, kTimes, 12, true},
        {"$0.00", 570, 348, kTimes, 12, true},
        // Subsidiaries: the percentage prints in every row, the investment only when not zero.
        {"Red Earth Logistics LLC", 35, 446, kTimes, 12},
        {"73-7654321", 200, 446, kTimes, 12},
        {"100.0000", 380, 446, kTimes, 12, true},
        {"  250,000.00", 560, 446, kTimes, 12, true},
        {"Cimarron Valve", 35, 458, kTimes, 12},
        {"  0.0000", 380, 458, kTimes, 12, true},
        {"    1,234.57", 560, 458, kTimes, 12, true},
        {"  0.0000", 380, 470, kTimes, 12, true},
        {"  0.0000", 380, 482, kTimes, 12, true},
        {"Fifth Sub", 35, 495, kTimes, 12},
        {"  0.0000", 380, 495, kTimes, 12, true},
        // Affiliates.
        {"Hollis Family Holdings LP", 35, 542, kTimes, 12},
        {"73-1112223", 200, 542, kTimes, 12},
        {"Common ownership", 314, 542, kTimes, 12},
        {"Fourth Affiliate", 35, 579, kTimes, 12},
        // Current debt.
        {"First Oklahoma Bank", 35, 662, kTimes, 12},
        {"03/15/2008", 170, 662, kTimes, 12},
        {"March 2011", 280, 662, kTimes, 12},
        {"  300,000.00", 450, 662, kTimes, 12, true},
        {"  180,000.00", 560, 662, kTimes, 12, true},
        {"Ninth lender", 35, 758, kTimes, 12},
        {"       -5.00", 560, 758, kTimes, 12, true},
    };
    Append(e, Boxes(54, {73, 87, 103, 117, 133, 147, 163, 177, 192}, "731234567", kCourier, 24));
    ExpectPage(stamps, 1, e);
}

// ---------------------------------------------------------------------------------------------
// The balance sheet.

struct BalanceRow {
    int Y;
    MoneyField A;
    std::optional<MoneyField> B;
    bool Dollar;
};

// Column A ends at 248, B at 348; the liabilities at 574.
const BalanceRow kBalanceRows[] = {
    {176, fld::Bs1a, fld::Bs1b, true},
    {196, fld::Bs2a, fld::Bs2b, false},
    {216, fld::Bs3a, fld::Bs3b, false},
    {249, fld::Bs4a, fld::Bs4b, false},
    {283, fld::Bs5a, fld::Bs5b, false},
    {317, fld::Bs6a, fld::Bs6b, true},
    {337, fld::Bs7a, fld::Bs7b, false},
    {370, fld::Bs8a, fld::Bs8b, false},
    {390, fld::Bs9aa, fld::Bs9ab, false},
    {419, fld::Bs9ba, fld::Bs9bb, false},
    {439, fld::Bs10aa, fld::Bs10ab, false},
    {468, fld::Bs10ba, fld::Bs10bb, false},
    {488, fld::Bs11aa, fld::Bs11ab, false},
    {517, fld::Bs11ba, fld::Bs11bb, false},
    {536, fld::Bs12a, fld::Bs12b, false},
    {557, fld::Bs13aa, fld::Bs13ab, false},
    {581, fld::Bs13ba, fld::Bs13bb, false},
    {603, fld::Bs14a, fld::Bs14b, false},
    {623, fld::Bs15a, fld::Bs15b, true},
    {664, fld::Bs16aa, fld::Bs16ab, false},
    {679, fld::Bs16ba, fld::Bs16bb, false},
    {693, fld::Bs16ca, fld::Bs16cb, false},
    {728, fld::Bs17a, fld::Bs17b, false},
    {744, fld::Bs18a, fld::Bs18b, true},
    {176, fld::Bs19, {}, true},
    {196, fld::Bs20, {}, false},
    {258, fld::Bs21, {}, false},
    {277, fld::Bs22, {}, false},
    {298, fld::Bs23, {}, true},
    {344, fld::Bs24a, {}, false},
    {358, fld::Bs24b, {}, false},
    {372, fld::Bs24c, {}, false},
    {420, fld::Bs25, {}, false},
    {453, fld::Bs26, {}, false},
    {475, fld::Bs27, {}, false},
    {508, fld::Bs28a, {}, false},
    {522, fld::Bs28b, {}, false},
    {557, fld::Bs29, {}, false},
    {577, fld::Bs30, {}, false},
    {597, fld::Bs31, {}, false},
    {631, fld::Bs32, {}, true},
    {685, fld::Bs33, {}, true},
    {740, fld::Bs34, {}, true},
};

TEST_F(FormPagesTest, BalanceSheetStampsEveryLineInItsColumn) {
    SetIdentification();
    r.Set(fld::BalanceSheetDate, EncodeDate(2009, 12, 31));
    Expects e = {{"12/31/2009", 310, 91, kTimes, 16}};
    Append(e, Boxes(55, {73, 88, 103, 118, 133, 148, 163, 177, 192}, "731234567", kCourier, 24));
    int k = 0;
    for (const BalanceRow& row : kBalanceRows) {
        ++k;
        // Every line a different amount; line 7 stays zero in both columns and prints nothing.
        const Money a = row.A.Id == FieldId::Bs7a ? Money() : Money::FromUnits(k * 11111111 + 5000);
        const Money b = row.A.Id == FieldId::Bs7a ? Money() : Money::FromUnits(-k * 2500000);
        r.Set(row.A, a);
        if (row.B)
            r.Set(*row.B, b);
        auto text = [&](Money m) {
            return (row.Dollar ? "$" : "") + FormatAmount(m, false, RegionalSettings::UnitedStates());
        };
        if (a != Money())
            e.push_back({text(a), row.B ? 248.0 : 574.0, row.Y, kTimes, 10, true});
        if (row.B && b != Money())
            e.push_back({text(b), 348, row.Y, kTimes, 10, true});
    }
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampBalanceSheet(); }), {4});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1, e);
}

TEST_F(FormPagesTest, BalanceSheetAmountsFollowTheWholeDollarFlag) {
    doc.WholeDollars = true;
    r.Set(fld::Bs1a, Amount("1234567.50"));
    r.Set(fld::Bs2b, Amount("2.50"));
    r.Set(fld::Bs20, Amount("-0.40")); // rounds to zero, still drawn: the amount is not zero
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampBalanceSheet(); }), {4});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1,
               {
                   {"$   1,234,568", 248, 176, kTimes, 10, true},
                   {"           2", 348, 196, kTimes, 10, true},
                   {"           0", 574, 196, kTimes, 10, true},
               });
}

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

// ---------------------------------------------------------------------------------------------
// Form 200-F.

TEST_F(FormPagesTest, Form200FStampsTheElectionAndItsTexts) {
    SetIdentification();
    r.Set(fld::F200FNameTitle, "Margaret A. Hollis, President");
    r.Set(fld::F200FDate, "06/15/2010");
    r.Set(fld::F200FPhone, "(405) 555-0100");
    const Expects texts = {
        {"Red Earth Pipe & Supply, Inc.", 180, 407, kCourier, 12},
        {"73-1234567", 180, 450, kCourier, 12},
        {"January", 180, 520, kCourier, 12},
        {"December", 430, 520, kCourier, 12},
        {"Margaret A. Hollis, President", 50, 586, kCourier, 12},
        {"(405) 555-0100", 170, 644, kCourier, 12},
        {"06/15/2010", 370, 644, kCourier, 12},
    };
    Expects marked = texts;
    marked.push_back({"X", 78, 362, kCourier, 24});
    auto stamps = Stamps(Print([](PrintRun& run) { run.StampForm200F(); }), {7});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1, marked);

    r.Set(fld::F200FElect, false);
    stamps = Stamps(Print([](PrintRun& run) { run.StampForm200F(); }), {7});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1, texts);
}

// ---------------------------------------------------------------------------------------------
// The template and its geometry.

// Records what the generator draws, with the place every text takes.
class RecordingCanvas : public forms::FormCanvas {
public:
    struct DrawnText {
        form::Rect Box;
        std::string Value;
    };
    struct DrawnLine {
        double X1, Y1, X2, Y2;
    };
    std::vector<form::Rect> Outlines;
    std::vector<DrawnLine> Lines;
    std::vector<DrawnText> Texts;

    void SetFont(form::Face face, double size) override {
        face_ = face;
        size_ = size;
    }
    double TextWidth(std::string_view text) const override { return qv::TextWidth(Metrics(), text, size_); }
    void Text(double x, double y, form::Align align, std::string_view text, double) override {
        const double w = TextWidth(text);
        const double left = align == form::Align::Left ? x : align == form::Align::Centre ? x - w / 2 : x - w;
        // Capitals and digits above the baseline; descenders only where the text has them.
        const bool descends = std::string_view(text).find_first_of("gjpqy(),;Q") != std::string_view::npos;
        const double ascent = face_ == form::Face::Courier      ? 0.62
                              : face_ == form::Face::TimesRoman ? 0.68
                                                                : 0.72;
        Texts.push_back(
            {{left, y - ascent * size_, left + w, y + (descends ? 0.21 : 0.0) * size_}, std::string(text)});
    }
    void Line(double x1, double y1, double x2, double y2, double, double) override {
        Lines.push_back({x1, y1, x2, y2});
    }
    void Box(const form::Rect& r, double lineWidth, double) override {
        if (lineWidth > 0)
            Outlines.push_back(r);
    }

private:
    StandardFontMetrics Metrics() const {
        switch (face_) {
        case form::Face::Courier:
            return StandardFontMetrics::Courier;
        case form::Face::HelveticaBold:
            return StandardFontMetrics::HelveticaBold;
        case form::Face::TimesRoman:
            return StandardFontMetrics::TimesRoman;
        default:
            return StandardFontMetrics::Helvetica;
        }
    }
    form::Face face_ = form::Face::Helvetica;
    double size_ = 12;
};

RecordingCanvas Drawing(int page) {
    RecordingCanvas canvas;
    forms::DrawTemplatePage(canvas, page);
    return canvas;
}

bool Inside(const form::Rect& inner, const form::Rect& outer, double tolerance = 0.01) {
    return inner.Left >= outer.Left - tolerance && inner.Right <= outer.Right + tolerance &&
           inner.Top >= outer.Top - tolerance && inner.Bottom <= outer.Bottom + tolerance;
}
bool Overlap(const form::Rect& a, const form::Rect& b, double tolerance) {
    return a.Left < b.Right - tolerance && b.Left < a.Right - tolerance && a.Top < b.Bottom - tolerance &&
           b.Top < a.Bottom - tolerance;
}
bool InsideAny(const form::Rect& inner, const std::vector<form::Rect>& outlines) {
    return std::any_of(outlines.begin(), outlines.end(),
                       [&](const form::Rect& o) { return Inside(inner, o); });
}
// A horizontal line at y under the whole of [left, right].
bool OnLine(double left, double right, double y, const std::vector<RecordingCanvas::DrawnLine>& lines) {
    return std::any_of(lines.begin(), lines.end(), [&](const RecordingCanvas::DrawnLine& l) {
        return l.Y1 == l.Y2 && std::abs(l.Y1 - y) < 0.01 && std::min(l.X1, l.X2) <= left + 0.01 &&
               std::max(l.X1, l.X2) >= right - 0.01;
    });
}

// A value of the usual width for a stamp: what the forms must have room for. Texts are names of
// two dozen characters; the longest texts a field holds run past their line, as on the paper
// forms (the lender of Schedule D has 131 points before the date of issuance).
std::string SampleValue(const form::Stamp& s) {
    switch (s.Kind) {
    case form::Value::Text: {
        const FieldDef& def = DefOf(s.Field);
        if (def.Capacity() == 10)
            return "00-0000000"; // identification numbers, months, dates as typed
        if (def.Capacity() == 14)
            return "(405) 555-0100";
        if (def.Capacity() == 11)
            return "000-00-0000";
        return std::string("Red Earth Pipe & Supply").substr(0, def.Capacity());
    }
    case form::Value::ShortDate:
    case form::Value::Date:
        return "12/31/2010";
    case form::Value::Amount:
    case form::Value::DoubleAmount:
        return "9,999,999.99";
    case form::Value::DollarAmount:
        return "$9,999,999.99";
    case form::Value::Currency:
        return "$999,999.99";
    case form::Value::Fixed8:
        return s.Size * 12 * 0.5 > 100 ? "100.0000" : "1000000.0000";
    case form::Value::Fixed3:
        return "100.0000";
    case form::Value::WholeNumber:
        return "2010";
    default:
        return "X";
    }
}

StandardFontMetrics MetricsOf(form::Face face) {
    return face == form::Face::Courier      ? StandardFontMetrics::Courier
           : face == form::Face::TimesRoman ? StandardFontMetrics::TimesRoman
                                            : StandardFontMetrics::HelveticaBold;
}

// Where a stamp's value lies: the ink of each box character, of the mark, or of a text: a value
// of the usual width (room false) or the whole room its line or cell gives it (room true).
std::vector<form::Rect> ValueAreas(const form::Stamp& s, bool room) {
    const double base = form::Baseline(s.Y);
    if (form::IsBoxRow(s.Kind)) {
        const form::GlyphBox g = form::DigitBox(s.Font);
        std::vector<form::Rect> out;
        for (int16_t x : s.Xs)
            out.push_back({x + g.InkLeft * s.Size, base - g.InkTop * s.Size, x + g.InkRight * s.Size, base});
        return out;
    }
    if (s.Kind == form::Value::Mark)
        return {{s.X + 0.092 * s.Size, base - 0.562 * s.Size, s.X + 0.508 * s.Size, base}};
    const double top = base - form::InkHeight(s.Font) * s.Size;
    const double bottom = base + 0.217 * s.Size;
    const double width = TextWidth(MetricsOf(s.Font), SampleValue(s), s.Size);
    if (s.Alignment == form::Align::Right)
        return {{room ? double(s.Box.Left) + 1 : s.X - width, top, double(s.X), bottom}};
    return {{double(s.X), top, room ? double(s.Box.Right) - 1 : s.X + width, bottom}};
}

TEST(FormGeometryTest, EveryStampReadsAFieldOfItsKind) {
    for (int page = 1; page <= form::page::Count; ++page) {
        for (const form::Stamp& s : form::Layout(page).Stamps) {
            SCOPED_TRACE(std::string(form::Layout(page).Name) + ": " + std::string(s.Item));
            if (s.Kind != form::Value::Mark) {
                ASSERT_NE(s.Field, FieldId::Count);
                const FieldKind kind = DefOf(s.Field).Kind;
                switch (s.Kind) {
                case form::Value::Text:
                case form::Value::Chars:
                    EXPECT_EQ(kind, FieldKind::Text);
                    break;
                case form::Value::ShortDate:
                case form::Value::Date:
                case form::Value::MMDDYY:
                    EXPECT_EQ(kind, FieldKind::Date);
                    break;
                case form::Value::Amount:
                case form::Value::DollarAmount:
                case form::Value::Currency:
                case form::Value::Pattern:
                case form::Value::PatternTimes100:
                    EXPECT_EQ(kind, FieldKind::Money);
                    break;
                case form::Value::DoubleAmount:
                case form::Value::Fixed8:
                case form::Value::Fixed3:
                case form::Value::PatternOfDouble:
                    EXPECT_EQ(kind, FieldKind::Double);
                    break;
                case form::Value::WholeNumber:
                    EXPECT_EQ(kind, FieldKind::Int32);
                    break;
                case form::Value::Mark:
                    break;
                }
            }
            if (s.Condition == form::When::Yes || s.Condition == form::When::NotYes) {
                EXPECT_EQ(DefOf(s.ConditionField).Kind, FieldKind::YesNo);
            }
            if (s.Condition == form::When::Set) {
                EXPECT_EQ(DefOf(s.ConditionField).Kind, FieldKind::Boolean);
            }
            if (form::IsBoxRow(s.Kind)) {
                EXPECT_EQ(s.Positions.size(), s.Xs.size());
            }
            // The print run adds only these three fonts.
            EXPECT_TRUE(s.Font == form::Face::Courier || s.Font == form::Face::TimesRoman ||
                        s.Font == form::Face::HelveticaBold);
        }
    }
}

TEST(FormGeometryTest, EveryValueLandsInADrawnBoxOrOnADrawnLine) {
    for (int page = 1; page <= form::page::Count; ++page) {
        const form::PageLayout& layout = form::Layout(page);
        const RecordingCanvas drawing = Drawing(page);
        for (const form::Stamp& s : layout.Stamps) {
            SCOPED_TRACE(std::string(layout.Name) + ": " + std::string(s.Item));
            for (const form::Rect& area : ValueAreas(s, false)) {
                if (form::IsBoxRow(s.Kind) || s.Kind == form::Value::Mark ||
                    s.Box.Style == form::FrameStyle::Cell) {
                    EXPECT_TRUE(InsideAny(area, drawing.Outlines))
                        << "(" << area.Left << ", " << area.Top << ")-(" << area.Right << ", " << area.Bottom
                        << ")";
                } else {
                    EXPECT_TRUE(OnLine(area.Left, area.Right, s.Y, drawing.Lines)) << "row " << s.Y;
                }
            }
        }
    }
}

TEST(FormGeometryTest, NoCaptionCoversAValueAndNoValuesOverlap) {
    for (int page = 1; page <= form::page::Count; ++page) {
        const form::PageLayout& layout = form::Layout(page);
        const RecordingCanvas drawing = Drawing(page);
        std::vector<std::pair<form::Rect, std::string_view>> areas;
        for (const form::Stamp& s : layout.Stamps)
            for (const form::Rect& area : ValueAreas(s, true))
                areas.emplace_back(area, s.Item);
        for (const RecordingCanvas::DrawnText& t : drawing.Texts) {
            if (Blank(t.Value))
                continue;
            for (const auto& [area, item] : areas)
                EXPECT_FALSE(Overlap(t.Box, area, 0.3))
                    << layout.Name << ": \"" << t.Value << "\" covers " << item;
            EXPECT_TRUE(Inside(t.Box, {18, 12, form::kPageWidth - 18, form::kPageHeight - 10}))
                << layout.Name << ": \"" << t.Value << "\" leaves the page";
        }
        for (size_t i = 0; i < areas.size(); ++i)
            for (size_t j = i + 1; j < areas.size(); ++j)
                EXPECT_FALSE(Overlap(areas[i].first, areas[j].first, 0.5))
                    << layout.Name << ": " << areas[i].second << " and " << areas[j].second;
    }
}

TEST(FormTemplateTest, HasNineLetterPagesWithTheirForms) {
    const auto info = test::ReadPdfInfo(QV_FORM_TEMPLATE);
    EXPECT_EQ(info.at("Pages"), "9");
    EXPECT_EQ(info.at("Page size"), "612 x 792 pts (letter)");
    const test::PdfText text = test::ReadPdfText(QV_FORM_TEMPLATE);
    const std::pair<int, const char*> titles[] = {
        {1, "OKLAHOMA ANNUAL FRANCHISE TAX RETURN"},
        {1, "FORM 200"},
        {2, "SCHEDULE A"},
        {2, "CORPORATE OFFICERS"},
        {3, "SCHEDULES B, C AND D"},
        {4, "BALANCE SHEET"},
        {5, "This page is intentionally left blank."},
        {6, "This page is intentionally left blank."},
        {7, "FORM 200-F"},
        {8, "MINIMUM/MAXIMUM FRANCHISE TAX RETURN"},
        {9, "CORRECTED NAME AND ADDRESS"},
    };
    for (const auto& [page, title] : titles)
        EXPECT_NE(text.PageText(page).find(title), std::string::npos) << "page " << page << ": " << title;
    for (int page : {1, 2, 3, 4, 7, 8, 9})
        EXPECT_NE(text.PageText(page).find("2010"), std::string::npos) << page;
}

// The text of one page in the order the page draws it, whitespace collapsed.
std::string RawPageText(const std::filesystem::path& pdf, int page) {
    const std::string raw =
        test::RunCommand("pdftotext -raw -f " + std::to_string(page) + " -l " + std::to_string(page) + " " +
                         test::Quoted(pdf) + " - 2>/dev/null");
    std::string out;
    for (char c : raw) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\f';
        if (space && (out.empty() || out.back() == ' '))
            continue;
        out += space ? ' ' : c;
    }
    return out;
}

TEST(FormTemplateTest, EveryLineShowsItsNumberAndCaption) {
    const std::pair<int, std::vector<const char*>> captions[] = {
        {1,
         {"1 Total Net Assets in Oklahoma",
          "2 Total Net Assets",
          "3 Total Current Liabilities",
          "4 Capital Employed in Oklahoma",
          "5 Total Gross Business Done in Oklahoma",
          "6 Total Value of Assets and Business Done in Oklahoma",
          "7 Total Gross Business Done",
          "8 Total Value of Assets and Business Done",
          "9 Percentage of Oklahoma Assets",
          "10 Value of Capital Subject to Apportionment",
          "11 Capital Apportioned to Oklahoma",
          "12 Tax",
          "13 Registered Agents Fee",
          "14 Interest",
          "15 Penalty",
          "16 Reinstatement Fee",
          "17 Previous Estimated Payment",
          "18 Total Due",
          "Option 1",
          "Option 2",
          "A. Taxpayer FEIN",
          "B. Reporting period",
          "C. Due date",
          "H. Federal Employer Identification Number",
          "I. Tax year",
          "J. Balance sheet date",
          "K. New name or mailing address"}},
        {4,
         {"1 Cash",
          "2 Notes and accounts receivable",
          "3 Inventories",
          "4 Government obligations and other bonds",
          "5 Other current assets",
          "6 Total current assets",
          "7 Mortgage and real estate loans",
          "8 Other investments",
          "9a Building",
          "b less accumulated depreciation",
          "10a Fixed depreciable assets",
          "11a Depletable assets",
          "b less accumulated depletion",
          "12 Land",
          "13a Intangible assets",
          "b less accumulated amortization",
          "14 Other assets",
          "15 Net assets",
          "16 Inter-company receivables",
          "16a from parent company",
          "b from subsidiary company",
          "c from affiliated company",
          "17 Bank holding company stock in subsidiary bank",
          "18 Total assets",
          "19 Accounts payable",
          "20 Accrued payables",
          "21 Indebtedness payable three years or less after issuance",
          "22 Other current liabilities",
          "23 Total current liabilities",
          "24 Inter-company payables",
          "24a to parent company",
          "b to subsidiary company",
          "c to affiliated company",
          "25 Indebtedness maturing and payable in more than three years from the date of issuance",
          "26 Loans from stockholders not payable within three years",
          "27 Other liabilities",
          "28a Capital stock: preferred stock",
          "b common stock",
          "29 Paid-in or capital surplus",
          "30 Retained earnings",
          "31 Other capital accounts",
          "32 Total liabilities and stockholders' equity",
          "33 Total gross business done everywhere (sales and service)",
          "34 Total gross business done in Oklahoma (sales and service)"}},
        {8,
         {"1 Tax", "2 Registered Agent Fee", "3 Interest", "4 Penalty", "5 Reinstatement Fee",
          "6 Previous Estimated Payment", "7 Total Due", "D. Foreign corporation",
          "E. Change of name or address", "F. Estimated return",
          "G. Federal Employer Identification Number"}},
    };
    for (const auto& [page, list] : captions) {
        const std::string text = RawPageText(QV_FORM_TEMPLATE, page);
        for (const char* caption : list)
            EXPECT_NE(text.find(caption), std::string::npos) << "page " << page << ": " << caption;
    }
}

// A template of nine blank letter pages: what a print shows on it is only what was stamped.
std::filesystem::path BlankTemplate(const test::TempFolder& folder) {
    PdfWriter pdf;
    pdf.NewDocument();
    for (int page = 2; page <= form::page::Count; ++page)
        pdf.NewPage();
    const std::filesystem::path path = folder / "blank.ftb";
    EXPECT_EQ(pdf.SaveToFile(PathToUtf8(path)), 1);
    return path;
}

TEST_F(FormPagesTest, TheExampleReturnPrintsEveryWordInsideItsBoxOrOnItsLine) {
    FillExampleReturn(doc);
    r.Set(fld::AddressChange, true);
    r.Set(fld::MMAddressChange, true);
    r.Set(fld::MMForeignCorp, true);
    for (auto [field, amount] : {std::pair{fld::F200Line1, "3276041"}, std::pair{fld::F200Line3, "517959"},
                                 std::pair{fld::F200Line4, "2759000"}, std::pair{fld::F200Line12, "3448.75"},
                                 std::pair{fld::F200Line13, "100"}, std::pair{fld::F200Line18, "3548.75"},
                                 std::pair{fld::MMLine1, "20000"}, std::pair{fld::MMLine7, "20000"},
                                 std::pair{fld::Bs6a, "1824245.42"}, std::pair{fld::Bs15a, "3509245.42"},
                                 std::pair{fld::Bs18a, "3544245.42"}, std::pair{fld::Bs32, "3544245.42"}})
        r.Set(field, Amount(amount));
    r.Set(fld::F200Line9, 10000.0);

    const std::vector<int> order = {1, 8, 9, 2, 3, 4, 7};
    const auto pdf = Print(
        [](PrintRun& run) {
            run.StampForm200();
            run.StampMinMax();
            run.StampScheduleA();
            run.StampScheduleBCD();
            run.StampBalanceSheet();
            run.StampForm200F();
        },
        PathToUtf8(BlankTemplate(folder)));
    const test::PdfText text = test::ReadPdfText(pdf);
    ASSERT_EQ(text.Pages, int(order.size()));
    for (size_t k = 0; k < order.size(); ++k) {
        const RecordingCanvas drawing = Drawing(order[k]);
        const std::vector<test::Word> words = text.OnPage(int(k + 1));
        EXPECT_FALSE(words.empty());
        for (const test::Word& w : words) {
            // A word of neighbouring digit boxes spans several boxes: its first and last
            // characters must each lie in one.
            const double mid = (w.YMin + w.YMax) / 2;
            const bool boxed = InsideAny({w.XMin + 1, mid, w.XMin + 1, mid}, drawing.Outlines) &&
                               InsideAny({w.XMax - 1, mid, w.XMax - 1, mid}, drawing.Outlines);
            const bool lined = std::any_of(
                drawing.Lines.begin(), drawing.Lines.end(), [&](const RecordingCanvas::DrawnLine& l) {
                    return l.Y1 == l.Y2 && l.Y1 >= w.YMax - 1 && l.Y1 <= w.YMax + 3.5 &&
                           std::min(l.X1, l.X2) <= w.XMin + 0.5 && std::max(l.X1, l.X2) >= w.XMax - 0.5;
                });
            EXPECT_TRUE(boxed || lined)
                << "page " << k + 1 << " (template page " << order[k] << "): \"" << w.Text << "\" at ("
                << w.XMin << ", " << w.YMin << ")-(" << w.XMax << ", " << w.YMax << ")";
        }
    }
}

} // namespace
} // namespace qv
