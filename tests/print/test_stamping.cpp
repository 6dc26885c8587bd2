#include "DateValue.h"
#include "PrintFixture.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

class Stamping : public PrintFixture {
protected:
    // A run with one template page (page 2) to stamp on in Courier 10, aligned as asked.
    void StartOnPage(Align align = Align::Left) {
        StartRun();
        Run->CopyTemplatePage(2);
        Pdf.SelectFont(Run->CourierFont);
        Pdf.SetTextSize(10);
        Pdf.SetTextAlign(align);
        Pdf.SetTextColor(0, 0, 0);
    }

    // The words stamped on the one output page, without the template's label at the top.
    std::vector<Word> Stamps(const PdfText& text) {
        std::vector<Word> out;
        for (const Word& w : text.OnPage(1))
            if (w.YMin > 40)
                out.push_back(w);
        return out;
    }
};

} // namespace

TEST_F(Stamping, TextSitsThreePointsAboveItsLineAndEmptyMasksDrawNothing) {
    StartOnPage();
    struct Case {
        const char* text;
        bool drawn;
    };
    const Case cases[] = {
        {"", false},
        {"  -       ", false},     // employer identification number, untouched
        {"(   )    -    ", false}, // phone
        {"   -  -    ", false},    // social security number
        {"73-       ", true},      // partly typed
        {"  -      X", true},
        {"(405)    -    ", true},
        {"ACME", true},
    };
    int y = 100;
    for (const Case& c : cases) {
        Run->StampText(100, y, c.text);
        y += 40;
    }
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 1);
    EXPECT_EQ(text.PageText(1), "Template page 2 73- - X (405) - ACME");
    auto acme = text.Find(1, "ACME");
    ASSERT_EQ(acme.size(), 1u);
    EXPECT_NEAR(acme[0].XMin, 100, 0.01);
    EXPECT_NEAR(Baseline(acme[0], kCourierDescent, 10), 100 + 40 * 7 - 3, 0.01);
    auto partial = text.Find(1, "73-");
    ASSERT_EQ(partial.size(), 1u);
    EXPECT_NEAR(Baseline(partial[0], kCourierDescent, 10), 100 + 40 * 4 - 3, 0.01);
}

TEST_F(Stamping, CharactersGoOnePerBox) {
    StartOnPage();
    const std::string fein = "73-1234567";
    // Character 3, the hyphen, is left out, as the identification-number boxes do.
    const int positions[] = {1, 2, 4, 5, 6, 7, 8, 9, 10};
    int x = 100;
    for (int p : positions) {
        Run->StampChar(x, 300, fein, p);
        x += 30;
    }
    Run->StampChar(100, 400, fein, 11); // beyond the end
    Run->StampChar(100, 400, fein, 0);
    Run->StampChar(100, 400, "", 1);
    Run->StampChar(130, 400, " 5", 1); // a space shows nothing
    PdfText text = FinishRun();
    std::vector<Word> stamps = Stamps(text);
    ASSERT_EQ(stamps.size(), 9u);
    const char expected[] = "731234567";
    for (size_t i = 0; i < stamps.size(); ++i) {
        EXPECT_EQ(stamps[i].Text, std::string(1, expected[i]));
        EXPECT_NEAR(stamps[i].XMin, 100 + 30 * static_cast<double>(i), 0.01);
        EXPECT_NEAR(Baseline(stamps[i], kCourierDescent, 10), 297, 0.01);
    }
}

TEST_F(Stamping, DatesWithTheUsersSeparatorAndNoDateForZero) {
    Env.regional.DateSeparator = '.';
    StartOnPage();
    Run->StampDate(100, 100, EncodeDate(2010, 6, 30));
    Run->StampDate(100, 200, 0);
    Run->StampDate(100, 300, EncodeDate(2011, 1, 5) + 0.75); // the time of day does not show
    PdfText text = FinishRun();
    EXPECT_EQ(text.PageText(1), "Template page 2 06.30.2010 01.05.2011");
}

TEST_F(Stamping, AmountsByTheWholeDollarFlagRightAligned) {
    struct Case {
        const char* amount;
        bool wholeDollars;
        bool dollarSign;
        const char* shown; // the words read back
    };
    const Case cases[] = {
        {"1234567.50", true, false, "1,234,568"},
        {"1234567.50", false, false, "1,234,567.50"},
        {"2.50", true, false, "2"},
        {"3.50", true, false, "4"},
        {"-1234.5", true, false, "-1,234"},
        {"0.004", false, false, "0.00"},
        {"0", false, false, ""},
        {"0", true, true, ""},
        {"1234567.50", true, true, "$ 1,234,568"},
        {"12.345", false, true, "$ 12.34"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        Doc->WholeDollars = c.wholeDollars;
        StartOnPage(Align::Right);
        const Money amount = *Money::Parse(c.amount);
        if (c.dollarSign)
            Run->StampDollarAmount(500, 300, amount);
        else
            Run->StampAmount(500, 300, amount);
        PdfText text = FinishRun();
        std::vector<Word> stamps = Stamps(text);
        std::string shown;
        for (const Word& w : stamps)
            shown += (shown.empty() ? "" : " ") + w.Text;
        EXPECT_EQ(shown, c.shown);
        if (stamps.empty())
            continue;
        EXPECT_NEAR(stamps.back().XMax, 500, 0.01);
        if (c.dollarSign) {
            // "$" then the number padded to twelve characters: the sign sits 12 Courier widths
            // before the end.
            EXPECT_NEAR(stamps.front().XMin, 500 - 13 * 6.0, 0.01);
        }
    }
}

TEST_F(Stamping, CopyTemplatePageAppendsAndSelectsThePage) {
    StartRun();
    for (int page : {8, 1, 8}) {
        Run->CopyTemplatePage(page);
        Pdf.SelectFont(Run->TimesRomanFont);
        Pdf.SetTextSize(12);
        Run->StampText(300, 500, "on " + std::to_string(page));
    }
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 3);
    EXPECT_EQ(text.PageText(1), "Template page 8 on 8");
    EXPECT_EQ(text.PageText(2), "Template page 1 on 1");
    EXPECT_EQ(text.PageText(3), "Template page 8 on 8");
    EXPECT_TRUE(Notes.Errors.empty());
}

TEST_F(Stamping, APageThatCannotBeCopiedIsReportedAndTheRunGoesOn) {
    StartRun();
    Run->CopyTemplatePage(12); // the template has nine
    Pdf.SelectFont(Run->CourierFont);
    Run->StampText(100, 100, "lost page");
    Run->CopyTemplatePage(3);
    Run->StampText(100, 100, "kept");
    PdfText text = FinishRun();
    ASSERT_EQ(Notes.Errors.size(), 1u);
    EXPECT_EQ(Notes.Errors[0], "Couldn't copy page");
    // The stamps of the missing page go on a blank page in its place; the next form follows it.
    ASSERT_EQ(text.Pages, 2);
    EXPECT_EQ(text.PageText(1), "lost page");
    EXPECT_EQ(text.PageText(2), "Template page 3 kept");
}

TEST_F(Stamping, AMissingTemplateFailsEveryCopyButTheFileIsWritten) {
    TemplatePath = Folder / "no-template.ftb";
    StartRun();
    EXPECT_EQ(Run->TemplateDocument, 0);
    Run->CopyTemplatePage(1);
    Run->CopyTemplatePage(2);
    PdfText text = FinishRun();
    EXPECT_EQ(Notes.Errors, (std::vector<std::string>{"Couldn't copy page", "Couldn't copy page"}));
    EXPECT_EQ(text.Pages, 2);
}

TEST_F(Stamping, SetUpAndFinishMakeTheDocumentOfTheRun) {
    StartRun();
    EXPECT_NE(Run->TemplateDocument, 0);
    EXPECT_NE(Run->OutputDocument, 0);
    EXPECT_NE(Run->OutputDocument, Run->TemplateDocument);
    // Helvetica-Bold, Courier and Times-Roman, each its own font.
    EXPECT_NE(Run->HelveticaBoldFont, Run->CourierFont);
    EXPECT_NE(Run->CourierFont, Run->TimesRomanFont);
    Run->CopyTemplatePage(4);
    FinishRun();
    auto info = ReadPdfInfo(PdfPath);
    EXPECT_EQ(info["Pages"], "1"); // the blank page the document began with is gone
    EXPECT_EQ(info["Title"], "Okla Annual Franchise Tax Return");
    EXPECT_EQ(info["Author"], "Ostrel Software");
    EXPECT_EQ(info["Creator"], "Ostrel Software (www.ostrel.com)");
    EXPECT_EQ(ReadPdfText(PdfPath).PageText(1), "Template page 4");
}

TEST_F(Stamping, AnOutputThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(Folder / "out.pdf"); // in the way of the file
    StartRun();
    Run->CopyTemplatePage(1);
    EXPECT_FALSE(Run->Finish(PdfPath.string()));
    ASSERT_EQ(Notes.Errors.size(), 1u);
    EXPECT_EQ(Notes.Errors[0], "Could not create Adobe PDF File.  Please make sure you close \r\n"
                               "the previous file in Adobe Reader before trying to print again.");
}

TEST(PdfPath, ExtensionReplacedOrAdded) {
    EXPECT_EQ(PdfPathOf("/returns/acme.fti"), "/returns/acme.pdf");
    EXPECT_EQ(PdfPathOf("/returns/acme"), "/returns/acme.pdf");
    EXPECT_EQ(PdfPathOf("/returns/acme.2010.fti"), "/returns/acme.2010.pdf");
    EXPECT_EQ(PdfPathOf("/re.turns/acme"), "/re.turns/acme.pdf");
    EXPECT_EQ(PdfPathOf("acme.FTI"), "acme.pdf");
}
