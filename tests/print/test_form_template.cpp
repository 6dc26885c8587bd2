// The blank-form template and its geometry: every stamp reads a field of its kind and lands in a
// box or on a line that base.ftb draws, no caption covers a value, every form line shows its number
// and caption, and a printed example keeps every word inside its box.

#include "ExampleReturn.h"
#include "FormDrawing.h"
#include "FormGeometry.h"
#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

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
