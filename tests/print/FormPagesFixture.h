#pragma once

// What the tests of the form pages share: the values a page table gives, the box columns of the
// forms as the paper forms measure them, and a fixture that prints pages of a return on the
// template and reads back what each page shows.

#include "AtomicFile.h"
#include "FontMetrics.h"
#include "PdfReadBack.h"
#include "PdfShownText.h"
#include "PrintRun.h"
#include "TestSupport.h"
#include "ValueFormats.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace qv::test {

const std::string kCourier = "Courier";
const std::string kTimes = "Times-Roman";

inline StandardFontMetrics MetricsOf(const std::string& font) {
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
inline Expects Boxes(int row, const std::vector<int>& xs, std::string_view chars, const std::string& font,
                     double size) {
    if (xs.size() != chars.size())
        throw std::logic_error("box row: " + std::string(chars) + " does not fit its boxes");
    Expects out;
    for (size_t i = 0; i < xs.size(); ++i)
        if (chars[i] != ' ')
            out.push_back({std::string(1, chars[i]), double(xs[i]), row, font, size});
    return out;
}

inline void Append(Expects& to, const Expects& more) {
    to.insert(to.end(), more.begin(), more.end());
}

inline std::string Describe(const std::string& text, const std::string& font, double size, double x,
                            double y) {
    std::ostringstream s;
    s << "'" << text << "' " << font << " " << size << " at (" << x << ", " << y << ")";
    return s.str();
}

// Compares the texts stamped on a page with the expected ones, in any order; texts of spaces only
// show nothing and are left out.
inline void ExpectStamps(const std::vector<ShownText>& actual, const Expects& expected) {
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

inline bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

inline const std::vector<std::vector<ShownText>>& TemplateTexts() {
    static const std::vector<std::vector<ShownText>> texts = test::ReadShownText(QV_FORM_TEMPLATE);
    return texts;
}

// The box columns of Form 200 and of the minimum/maximum return, as the paper forms place them.
const std::vector<int> kForm200CapitalBoxes = {312, 330, 349, 365, 381, 397, 414,
                                               429, 447, 463, 478, 495, 511};
const std::vector<int> kForm200Line11Boxes = {312, 330, 349, 365, 381, 397, 414, 429, 447, 463};
const std::vector<int> kForm200Line4Boxes = {312, 330, 344, 360, 376, 392, 409, 424, 442, 458};
const std::vector<int> kForm200TaxBoxes = {447, 463, 478, 495, 511, 527, 543};
const std::vector<int> kForm200FeeBoxes = {447, 463, 478, 495, 511};
const std::vector<int> kForm200Line9Boxes = {495, 511, 527, 543};
const std::vector<int> kMinMaxWholeDollarBoxes = {460, 475, 491, 507, 522};
const std::vector<int> kMinMaxAmountBoxes = {460, 475, 491, 507, 522, 541, 555};
// Lines drawn as "00000.00": every character but the point.
inline std::string NoPoint(std::string_view s) {
    return std::string(s.substr(0, 5)) + std::string(s.substr(6));
}

inline Money Amount(const char* text) {
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

} // namespace qv::test
