#include "FileSizeLimit.h"
#include "FontMetrics.h"
#include "PdfReadBack.h"
#include "PdfWriter.h"
#include "PrintFixture.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

std::string FileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Files in a folder other than the ones named.
int StrayFiles(const std::filesystem::path& folder, std::initializer_list<std::string> known) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        bool isKnown = false;
        for (const std::string& k : known)
            isKnown = isKnown || e.path().filename() == k;
        n += isKnown ? 0 : 1;
    }
    return n;
}

} // namespace

TEST(FontMetrics, PublishedWidthsOfTheStandardFonts) {
    // Spot checks against the Adobe metrics of the four fonts.
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::Courier, 'W'), 600);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::Courier, 0xE9), 600);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::HelveticaBold, 'A'), 722);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::HelveticaBold, '1'), 556);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::HelveticaBold, '\''), 238);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::HelveticaBold, ' '), 278);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::TimesRoman, 'a'), 444);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::TimesRoman, 'M'), 889);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::TimesRoman, 0x97), 1000); // em dash
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::Helvetica, 'i'), 222);
    EXPECT_EQ(GlyphWidth(StandardFontMetrics::Helvetica, 0xFC), 556); // u dieresis
    EXPECT_DOUBLE_EQ(TextWidth(StandardFontMetrics::HelveticaBold, "Total", 14),
                     (611 + 611 + 333 + 556 + 278) * 0.014);
}

TEST(PdfWriter, TextLandsWhereAskedInEveryAlignmentAndOrigin) {
    TempFolder folder;
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.AddStandardFont(Face::Courier);
    pdf.SetTextSize(10);
    pdf.SetOrigin(Origin::TopLeft);
    ASSERT_TRUE(pdf.DrawText(100, 200, "LEFT"));
    pdf.SetTextAlign(Align::Centre);
    ASSERT_TRUE(pdf.DrawText(306, 300, "CENTRE"));
    pdf.SetTextAlign(Align::Right);
    ASSERT_TRUE(pdf.DrawText(500, 400, "RIGHT"));
    pdf.SetOrigin(Origin::BottomLeft);
    pdf.SetTextAlign(Align::Left);
    ASSERT_TRUE(pdf.DrawText(100, 92, "BOTTOM")); // 700 from the top
    ASSERT_TRUE(pdf.SaveToFile((folder / "t.pdf").string()));

    PdfText text = ReadPdfText(folder / "t.pdf");
    ASSERT_EQ(text.Pages, 1);
    struct Expect {
        const char* word;
        double x; // begin, centre or end by alignment
        int align;
        double baseline;
    };
    const Expect expects[] = {
        {"LEFT", 100, 0, 200}, {"CENTRE", 306, 1, 300}, {"RIGHT", 500, 2, 400}, {"BOTTOM", 100, 0, 700}};
    for (const Expect& e : expects) {
        auto words = text.Find(1, e.word);
        ASSERT_EQ(words.size(), 1u) << e.word;
        const Word& w = words[0];
        const double at = e.align == 0 ? w.XMin : e.align == 1 ? (w.XMin + w.XMax) / 2 : w.XMax;
        EXPECT_NEAR(at, e.x, 0.01) << e.word;
        EXPECT_NEAR(Baseline(w, kCourierDescent, 10), e.baseline, 0.01) << e.word;
    }
}

TEST(PdfWriter, CentredAndRightAlignedTextsUseTheFontWidths) {
    TempFolder folder;
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.SetOrigin(Origin::TopLeft);
    pdf.AddStandardFont(Face::HelveticaBold);
    pdf.SetTextSize(18);
    pdf.SetTextAlign(Align::Centre);
    ASSERT_TRUE(pdf.DrawText(306, 100, "Wide Title"));
    pdf.AddStandardFont(Face::TimesRoman);
    pdf.SetTextSize(12);
    pdf.SetTextAlign(Align::Right);
    ASSERT_TRUE(pdf.DrawText(570, 200, "$1,234.56"));
    const double width = pdf.GetTextWidth("$1,234.56");
    ASSERT_TRUE(pdf.SaveToFile((folder / "t.pdf").string()));

    PdfText text = ReadPdfText(folder / "t.pdf");
    auto wide = text.Find(1, "Wide");
    auto title = text.Find(1, "Title");
    ASSERT_EQ(wide.size(), 1u);
    ASSERT_EQ(title.size(), 1u);
    EXPECT_NEAR((wide[0].XMin + title[0].XMax) / 2, 306, 0.01);
    auto amount = text.Find(1, "$1,234.56");
    ASSERT_EQ(amount.size(), 1u);
    EXPECT_NEAR(amount[0].XMax, 570, 0.01);
    EXPECT_NEAR(amount[0].XMax - amount[0].XMin, width, 0.01);
    EXPECT_NEAR(Baseline(amount[0], kTimesDescent, 12), 200, 0.01);
}

TEST(PdfWriter, TextsAreWindows1252AndEscaped) {
    TempFolder folder;
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.SetOrigin(Origin::TopLeft);
    pdf.AddStandardFont(Face::TimesRoman);
    ASSERT_TRUE(pdf.DrawText(72, 100, "Caf\xE9 (M\xFCller) \\ 5\x80 \x93quoted\x94"));
    ASSERT_TRUE(pdf.SaveToFile((folder / "t.pdf").string()));
    EXPECT_EQ(ReadPdfText(folder / "t.pdf").PageText(1), "Café (Müller) \\ 5€ “quoted”");
}

TEST(PdfWriter, CopiedPagesKeepTheirContentAndStampsAreNotMirrored) {
    TempFolder folder;
    WriteTestTemplate(folder / "base.ftb", 4);
    PdfWriter pdf;
    const int tmpl = pdf.LoadFromFile((folder / "base.ftb").string());
    ASSERT_NE(tmpl, 0);
    EXPECT_EQ(pdf.PageCount(), 4);
    const int out = pdf.NewDocument();
    EXPECT_TRUE(pdf.CopyPageRanges(tmpl, "3"));
    EXPECT_TRUE(pdf.CopyPageRanges(tmpl, "3")); // the same page again is a page of its own
    EXPECT_TRUE(pdf.CopyPageRanges(tmpl, "4,1-2"));
    EXPECT_EQ(pdf.PageCount(), 6);
    pdf.AddStandardFont(Face::Courier);
    pdf.SetOrigin(Origin::TopLeft);
    pdf.SetTextSize(12);
    for (int p = 2; p <= 6; ++p) {
        ASSERT_TRUE(pdf.SelectPage(p));
        ASSERT_TRUE(pdf.DrawText(300, 500, "STAMP" + std::to_string(p)));
    }
    pdf.CombineLayers();
    pdf.SelectDocument(out);
    EXPECT_EQ(pdf.DeletePages(1, 1), 1);
    ASSERT_TRUE(pdf.SaveToFile((folder / "out.pdf").string()));

    PdfText text = ReadPdfText(folder / "out.pdf");
    ASSERT_EQ(text.Pages, 5);
    const int templatePages[] = {3, 3, 4, 1, 2};
    for (int p = 1; p <= 5; ++p) {
        SCOPED_TRACE(p);
        EXPECT_EQ(text.PageText(p), TemplateLabel(templatePages[p - 1]) + " STAMP" + std::to_string(p + 1));
        auto label = text.Find(p, "Template");
        ASSERT_EQ(label.size(), 1u);
        EXPECT_NEAR(label[0].XMin, 50, 0.01);
        auto stamp = text.Find(p, "STAMP" + std::to_string(p + 1));
        ASSERT_EQ(stamp.size(), 1u);
        EXPECT_NEAR(stamp[0].XMin, 300, 0.01);
        EXPECT_NEAR(Baseline(stamp[0], kCourierDescent, 12), 500, 0.01);
    }
}

TEST(PdfWriter, FailuresAreResults) {
    TempFolder folder;
    WriteTestTemplate(folder / "base.ftb", 2);
    std::ofstream(folder / "garbage.ftb") << "not a pdf";
    PdfWriter pdf;
    EXPECT_EQ(pdf.LoadFromFile((folder / "missing.ftb").string()), 0);
    EXPECT_EQ(pdf.LoadFromFile((folder / "garbage.ftb").string()), 0);
    EXPECT_EQ(pdf.SelectedDocument(), 0);
    EXPECT_EQ(pdf.NewPage(), 0);
    EXPECT_FALSE(pdf.DrawText(1, 1, "x"));
    const int tmpl = pdf.LoadFromFile((folder / "base.ftb").string());
    ASSERT_NE(tmpl, 0);
    pdf.NewDocument();
    for (const char* bad : {"0", "3", "1,3", "x", "", "1-", "2-5"})
        EXPECT_FALSE(pdf.CopyPageRanges(tmpl, bad)) << bad;
    EXPECT_FALSE(pdf.CopyPageRanges(tmpl + 100, "1"));
    EXPECT_EQ(pdf.PageCount(), 1);
    EXPECT_FALSE(pdf.SelectPage(0));
    EXPECT_FALSE(pdf.SelectPage(2));
    EXPECT_EQ(pdf.DeletePages(2, 1), 0);
    pdf.RemoveDocument(tmpl);
    EXPECT_FALSE(pdf.CopyPageRanges(tmpl, "1"));
}

TEST(PdfWriter, NewPagesTakeTheSizeOfTheSelectedPage) {
    TempFolder folder;
    PdfWriter pdf;
    pdf.NewDocument();
    EXPECT_EQ(pdf.NewPage(), 2);
    EXPECT_EQ(pdf.NewPage(), 3);
    EXPECT_EQ(pdf.SelectedPage(), 3);
    EXPECT_EQ(pdf.PageCount(), 3);
    ASSERT_TRUE(pdf.SaveToFile((folder / "t.pdf").string()));
    auto info = ReadPdfInfo(folder / "t.pdf");
    EXPECT_EQ(info["Pages"], "3");
    EXPECT_EQ(info["Page size"].substr(0, 13), "612 x 792 pts");
}

TEST(PdfWriter, DocumentInformation) {
    TempFolder folder;
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.SetInformation(InfoKey::Author, "Ostrel Software");
    pdf.SetInformation(InfoKey::Title, "Okla Annual Franchise Tax Return");
    pdf.SetInformation(InfoKey::Creator, "Ostrel Software (www.ostrel.com)");
    ASSERT_TRUE(pdf.SaveToFile((folder / "t.pdf").string()));
    auto info = ReadPdfInfo(folder / "t.pdf");
    EXPECT_EQ(info["Author"], "Ostrel Software");
    EXPECT_EQ(info["Title"], "Okla Annual Franchise Tax Return");
    EXPECT_EQ(info["Creator"], "Ostrel Software (www.ostrel.com)");
}

TEST(PdfWriter, DeletingThePageThatIsSelectedSelectsTheFirst) {
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.NewPage();
    pdf.NewPage();
    ASSERT_TRUE(pdf.SelectPage(2));
    EXPECT_EQ(pdf.DeletePages(2, 5), 2);
    EXPECT_EQ(pdf.PageCount(), 1);
    EXPECT_EQ(pdf.SelectedPage(), 1);
    pdf.NewPage();
    pdf.NewPage();
    EXPECT_EQ(pdf.DeletePages(1, 1), 1);
    EXPECT_EQ(pdf.SelectedPage(), 2); // the page that was third
}

TEST(PdfWriter, CopiedPagesDoNotDependOnTheTemplateFileAfterwards) {
    TempFolder folder;
    WriteTestTemplate(folder / "base.ftb", 2, 1 << 20);
    PdfWriter pdf;
    const int tmpl = pdf.LoadFromFile((folder / "base.ftb").string());
    pdf.NewDocument();
    ASSERT_TRUE(pdf.CopyPageRanges(tmpl, "1-2"));
    pdf.RemoveDocument(tmpl);
    std::ofstream(folder / "base.ftb", std::ios::binary | std::ios::trunc).close();
    ASSERT_TRUE(pdf.SaveToFile((folder / "out.pdf").string()));
    PdfText text = ReadPdfText(folder / "out.pdf");
    EXPECT_EQ(text.PageText(2), TemplateLabel(1));
    EXPECT_EQ(text.PageText(3), TemplateLabel(2));
}

TEST(PdfWriter, AFailedSaveLeavesTheEarlierFileAndNoTemporaryFile) {
    TempFolder folder;
    const auto target = folder / "out.pdf";
    std::ofstream(target, std::ios::binary) << "earlier PDF";
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.AddStandardFont(Face::Courier);
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(pdf.DrawText(
            10, i % 700, "a line of text that makes the file bigger than the limit " + std::to_string(i)));
    {
        // No file may grow beyond 4 KB while this save runs: the write fails half-way.
        FileSizeLimit limit(4096);
        EXPECT_FALSE(pdf.SaveToFile(target.string()));
    }
    EXPECT_TRUE(FileBytes(target) == "earlier PDF");
    EXPECT_EQ(StrayFiles(folder.Path(), {"out.pdf"}), 0);

    EXPECT_FALSE(pdf.SaveToFile((folder / "no such folder" / "x.pdf").string()));
    std::filesystem::create_directory(folder / "dir.pdf");
    EXPECT_FALSE(pdf.SaveToFile((folder / "dir.pdf").string()));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.pdf"));
    // A good save replaces the earlier file whole.
    ASSERT_TRUE(pdf.SaveToFile(target.string()));
    EXPECT_EQ(FileBytes(target).substr(0, 5), "%PDF-");
    EXPECT_EQ(StrayFiles(folder.Path(), {"out.pdf", "dir.pdf"}), 0);
}

TEST(PdfWriter, LinesAndBoxesForTheTemplate) {
    TempFolder folder;
    PdfWriter pdf;
    pdf.NewDocument();
    pdf.SetOrigin(Origin::TopLeft);
    pdf.SetLineWidth(0.5);
    pdf.SetLineColor(0, 0, 0);
    pdf.SetFillColor(0.8, 0.8, 0.8);
    pdf.DrawBox(100, 100, 200, 50, BoxMode::FillAndOutline);
    pdf.DrawLine(100, 300, 500, 300);
    pdf.AddStandardFont(Face::Helvetica);
    pdf.SetTextColor(0, 0, 0);
    ASSERT_TRUE(pdf.DrawText(110, 130, "inside"));
    ASSERT_TRUE(pdf.SaveToFile((folder / "t.pdf").string()));
    // Rendered at 72 dpi: the box is grey inside and the text is where it was put.
    int status = 0;
    RunCommand("pdftoppm -r 72 -gray -singlefile " + Quoted(folder / "t.pdf") + " " + Quoted(folder / "page"),
               &status);
    ASSERT_EQ(status, 0);
    const std::string pgm = FileBytes(folder / "page.pgm");
    // P5 header "P5\n612 792\n255\n"
    const size_t header = pgm.find("255\n") + 4;
    auto pixel = [&](int x, int y) {
        return static_cast<unsigned char>(pgm[header + static_cast<size_t>(y) * 612 + x]);
    };
    EXPECT_NEAR(pixel(250, 140), 204, 3); // box fill 0.8
    EXPECT_LT(pixel(100, 120), 100);      // box outline on its left edge
    EXPECT_LT(pixel(300, 300), 160);      // the line
    EXPECT_EQ(pixel(300, 320), 255);      // below the line, blank
    EXPECT_EQ(pixel(250, 200), 255);      // below the box, blank
}
