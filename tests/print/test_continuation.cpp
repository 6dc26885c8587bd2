#include "PrintFixture.h"
#include "ValueFormats.h"

#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

const std::string kNameRule(30, '-');
const std::string kShortRule(15, '-');
const std::string kLongRule(20, '-');

enum class At { Begin, Centre, End };

class Continuation : public PrintFixture {
protected:
    // The run as far as the form page the schedules follow (template page 3, output page 1).
    void StartAfterFormPage() {
        StartRun();
        Run->CopyTemplatePage(3);
    }

    // Rows "R1" .. "Rn" of one amount each in a balance-sheet schedule.
    static void FillBalanceSheetTable(ScheduleTable& table, int rows, const char* prefix = "R") {
        for (int i = 1; i <= rows; ++i)
            AddOtherAsset(table, prefix + std::to_string(i), "1", "2");
    }
};

// The one word on a page equal to text with its baseline 3 points above y, in the given font and
// size, and its stamp point at x.
void ExpectWord(const PdfText& text, int page, const std::string& word, double x, At at, int y,
                double descent = kCourierDescent, double size = 8) {
    SCOPED_TRACE("\"" + word + "\" on page " + std::to_string(page) + " at " + std::to_string(y));
    std::vector<Word> found;
    for (const Word& w : text.Find(page, word))
        if (std::abs(Baseline(w, descent, size) - (y - 3)) < 0.01)
            found.push_back(w);
    ASSERT_EQ(found.size(), 1u);
    const Word& w = found[0];
    const double where = at == At::Begin ? w.XMin : at == At::Centre ? (w.XMin + w.XMax) / 2 : w.XMax;
    EXPECT_NEAR(where, x, 0.01);
}

// The rule and total of a balance-sheet schedule with rule line y.
void ExpectBalanceSheetTotal(const PdfText& text, int page, int y, const std::string& everywhere,
                             const std::string& oklahoma) {
    ExpectWord(text, page, kNameRule, 72, At::Begin, y);
    std::vector<Word> rules = text.Find(page, kLongRule);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_NEAR(rules[0].XMax, 384, 0.01);
    EXPECT_NEAR(rules[1].XMax, 540, 0.01);
    // "        Total ........ ": the label begins at 72 with eight spaces.
    ExpectWord(text, page, "Total", 72 + 8 * 4.8, At::Begin, y + 12);
    ExpectWord(text, page, "........", 72 + 14 * 4.8, At::Begin, y + 12);
    ExpectWord(text, page, everywhere, 384, At::End, y + 12);
    ExpectWord(text, page, oklahoma, 540, At::End, y + 12);
}

} // namespace

TEST_F(Continuation, SeparatePagesHoldFiftyOneRowsAndKeepTheTotalWithItsRule) {
    struct Case {
        int rows;
        int pages; // continuation pages
        int lastRowPage;
        int lastRowY;
        int rulePage;
        int ruleY;
    };
    const Case cases[] = {
        {49, 1, 2, 677, 2, 689},
        {50, 2, 2, 689, 3, 101},
        {51, 2, 2, 701, 3, 101},
        {52, 2, 3, 101, 3, 113},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        Dm.tblOthCurrAssets.Empty();
        FillBalanceSheetTable(Dm.tblOthCurrAssets, c.rows);
        StartAfterFormPage();
        Run->PrintOtherCurrentAssetsSchedule();
        PdfText text = FinishRun();
        ASSERT_EQ(text.Pages, 1 + c.pages);
        ExpectWord(text, 2, "R1", 72, At::Begin, 101);
        ExpectWord(text, 2, "R2", 72, At::Begin, 113);
        ExpectWord(text, c.lastRowPage, "R" + std::to_string(c.rows), 72, At::Begin, c.lastRowY);
        const std::string everywhere = std::to_string(c.rows) + ".00";
        const std::string oklahoma = std::to_string(2 * c.rows) + ".00";
        ExpectBalanceSheetTotal(text, c.rulePage, c.ruleY, everywhere, oklahoma);
        // Every page of the schedule carries its heading.
        for (int p = 2; p <= text.Pages; ++p) {
            ExpectWord(
                text, p, "Other",
                306 - TextWidth(StandardFontMetrics::HelveticaBold, "Other Current Assets Schedule", 18) / 2,
                At::Begin, 40, kHelveticaBoldDescent, 18);
            ExpectWord(text, p, "Description", 72, At::Begin, 85, kHelveticaBoldDescent, 14);
            ExpectWord(text, p, "Everywhere", 345, At::Centre, 85, kHelveticaBoldDescent, 14);
            ExpectWord(text, p, "In",
                       500 - TextWidth(StandardFontMetrics::HelveticaBold, "In Oklahoma", 14) / 2, At::Begin,
                       85, kHelveticaBoldDescent, 14);
            EXPECT_EQ(text.Find(p, "Total").size(), p == c.rulePage ? 3u : 2u);
        }
    }
}

TEST_F(Continuation, RowsAreListedInTableOrderFromTheFirst) {
    FillBalanceSheetTable(Dm.tblOthInvest, 60, "Inv");
    Dm.tblOthInvest.MoveTo(30); // where a dialog left the cursor does not matter
    StartAfterFormPage();
    Run->PrintOtherInvestmentsSchedule();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 3);
    std::vector<std::string> names;
    for (const Word& w : text.Words)
        if (w.Text.rfind("Inv", 0) == 0 && w.Text != "Investments")
            names.push_back(w.Text);
    ASSERT_EQ(names.size(), 60u);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(names[static_cast<size_t>(i)], "Inv" + std::to_string(i + 1));
    ExpectWord(text, 3, "Inv52", 72, At::Begin, 101);
    EXPECT_EQ(text.Find(2, "Investments").size(), 1u);
}

TEST_F(Continuation, CombinedPagesHoldFortyTwoRowsBelowTheNameBlock) {
    Doc->Record.Set(fld::CorpName, "ACME WIDGETS");
    Doc->Record.Set(fld::Address, "1 MAIN");
    Doc->Record.Set(fld::CityStateZip, "TULSA OK");
    Doc->Record.Set(fld::FEIN, "73-1234567");
    Doc->Record.Set(fld::ReportPeriod, "FY2010");
    struct Case {
        int rows;
        int pages;
        int lastRowPage;
        int lastRowY;
        int rulePage;
        int ruleY;
    };
    const Case cases[] = {
        {40, 1, 2, 682, 2, 694},
        {41, 2, 2, 694, 3, 214},
        {42, 2, 2, 706, 3, 214},
        {43, 2, 3, 214, 3, 226},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        Dm.tblOthCurrAssets.Empty();
        FillBalanceSheetTable(Dm.tblOthCurrAssets, c.rows);
        StartAfterFormPage();
        Run->PrintCombinedBalanceSheetSchedules();
        PdfText text = FinishRun();
        ASSERT_EQ(text.Pages, 1 + c.pages);
        ExpectWord(text, 2, "R1", 72, At::Begin, 214);
        ExpectWord(text, c.lastRowPage, "R" + std::to_string(c.rows), 72, At::Begin, c.lastRowY);
        ExpectBalanceSheetTotal(text, c.rulePage, c.ruleY, std::to_string(c.rows) + ".00",
                                std::to_string(2 * c.rows) + ".00");
        for (int p = 2; p <= text.Pages; ++p) {
            ExpectWord(text, p, "ACME",
                       306 - TextWidth(StandardFontMetrics::HelveticaBold, "ACME WIDGETS", 14) / 2, At::Begin,
                       40, kHelveticaBoldDescent, 14);
            ExpectWord(text, p, "MAIN", 306 + TextWidth(StandardFontMetrics::HelveticaBold, "1 MAIN", 14) / 2,
                       At::End, 57, kHelveticaBoldDescent, 14);
            ExpectWord(text, p, "TULSA",
                       306 - TextWidth(StandardFontMetrics::HelveticaBold, "TULSA OK", 14) / 2, At::Begin, 74,
                       kHelveticaBoldDescent, 14);
            ExpectWord(text, p, "73-1234567",
                       306 + TextWidth(StandardFontMetrics::HelveticaBold, "FEIN: 73-1234567", 14) / 2,
                       At::End, 91, kHelveticaBoldDescent, 14);
            ExpectWord(
                text, p, "OKLAHOMA",
                306 - TextWidth(StandardFontMetrics::HelveticaBold, "OKLAHOMA FRANCHISE TAX RETURN", 14) / 2,
                At::Begin, 108, kHelveticaBoldDescent, 14);
            ExpectWord(text, p, "FY2010",
                       306 +
                           TextWidth(StandardFontMetrics::HelveticaBold, "REPORTING PERIOD:  FY2010", 14) / 2,
                       At::End, 125, kHelveticaBoldDescent, 14);
            ExpectWord(
                text, p, "Other",
                306 - TextWidth(StandardFontMetrics::HelveticaBold, "Other Current Assets Schedule", 18) / 2,
                At::Begin, 159, kHelveticaBoldDescent, 18);
            ExpectWord(text, p, "Description", 72, At::Begin, 159 + 29, kHelveticaBoldDescent, 14);
            EXPECT_EQ(text.Find(p, "Total").size(), p == c.rulePage ? 3u : 2u);
        }
    }
}

TEST_F(Continuation, CombinedInvestmentsFollowTheCurrentAssetsOnTheSamePage) {
    FillBalanceSheetTable(Dm.tblOthCurrAssets, 3, "A");
    FillBalanceSheetTable(Dm.tblOthInvest, 2, "I");
    StartAfterFormPage();
    Run->PrintCombinedBalanceSheetSchedules();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 2);
    ExpectWord(text, 2, "A1", 72, At::Begin, 214);
    ExpectWord(text, 2, "A2", 72, At::Begin, 226);
    ExpectWord(text, 2, "A3", 72, At::Begin, 238);
    std::vector<Word> nameRules = text.Find(2, kNameRule);
    ASSERT_EQ(nameRules.size(), 2u);
    EXPECT_NEAR(Baseline(nameRules[0], kCourierDescent, 8), 250 - 3, 0.01);
    std::vector<Word> totals = text.Find(2, "........");
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_NEAR(Baseline(totals[0], kCourierDescent, 8), 262 - 3, 0.01);
    // The investments' title block 34 below the total line, its first row 79 below it.
    ExpectWord(text, 2, "Investments",
               306 + TextWidth(StandardFontMetrics::HelveticaBold, "Other Investments Schedule", 18) / 2 -
                   TextWidth(StandardFontMetrics::HelveticaBold, " Schedule", 18),
               At::End, 296, kHelveticaBoldDescent, 18);
    std::vector<Word> descriptions = text.Find(2, "Description");
    ASSERT_EQ(descriptions.size(), 2u);
    EXPECT_NEAR(Baseline(descriptions[1], kHelveticaBoldDescent, 14), 325 - 3, 0.01);
    std::vector<Word> everywhere = text.Find(2, "Everywhere");
    ASSERT_EQ(everywhere.size(), 2u);
    EXPECT_NEAR(Baseline(everywhere[1], kHelveticaBoldDescent, 14), 325 - 3, 0.01);
    std::vector<Word> titles = text.Find(2, "Total");
    // Two column titles of each block and the two total labels.
    ASSERT_EQ(titles.size(), 6u);
    int at313 = 0;
    for (const Word& w : titles)
        at313 += std::abs(Baseline(w, kHelveticaBoldDescent, 14) - (313 - 3)) < 0.01 ? 1 : 0;
    EXPECT_EQ(at313, 2);
    ExpectWord(text, 2, "I1", 72, At::Begin, 341);
    ExpectWord(text, 2, "I2", 72, At::Begin, 353);
    EXPECT_NEAR(Baseline(nameRules[1], kCourierDescent, 8), 365 - 3, 0.01);
    EXPECT_NEAR(Baseline(totals[1], kCourierDescent, 8), 377 - 3, 0.01);
}

TEST_F(Continuation, CombinedInvestmentsMoveToANewPageWhenTheirTitleBlockDoesNotFit) {
    // 36 rows put the current-assets total line at 658: 658 + 63 passes 720.
    FillBalanceSheetTable(Dm.tblOthCurrAssets, 36, "A");
    FillBalanceSheetTable(Dm.tblOthInvest, 1, "I");
    StartAfterFormPage();
    Run->PrintCombinedBalanceSheetSchedules();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 3);
    EXPECT_EQ(text.Find(2, "Investments").size(), 0u);
    ExpectWord(text, 3, "Investments",
               306 + TextWidth(StandardFontMetrics::HelveticaBold, "Other Investments Schedule", 18) / 2 -
                   TextWidth(StandardFontMetrics::HelveticaBold, " Schedule", 18),
               At::End, 159, kHelveticaBoldDescent, 18);
    ExpectWord(text, 3, "I1", 72, At::Begin, 214);
    EXPECT_EQ(text.Find(3, "Assets").size(), 0u);
}

TEST_F(Continuation, CombinedInvestmentsAloneStartOnACombinedPageOfTheirOwn) {
    FillBalanceSheetTable(Dm.tblOthInvest, 1, "I");
    StartAfterFormPage();
    Run->PrintCombinedBalanceSheetSchedules();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 2);
    EXPECT_EQ(text.PageText(1), TemplateLabel(3)); // never on the form page
    ExpectWord(text, 2, "OKLAHOMA",
               306 - TextWidth(StandardFontMetrics::HelveticaBold, "OKLAHOMA FRANCHISE TAX RETURN", 14) / 2,
               At::Begin, 108, kHelveticaBoldDescent, 14);
    ExpectWord(text, 2, "I1", 72, At::Begin, 214);
    ExpectBalanceSheetTotal(text, 2, 226, "1.00", "2.00");
}

TEST_F(Continuation, EmptyTablesPrintNoPages) {
    StartAfterFormPage();
    Run->PrintSubsidiariesContinued();
    Run->PrintAffiliatesContinued();
    Run->PrintCurrentDebtContinued();
    Run->PrintCombinedBalanceSheetSchedules();
    Run->PrintOtherCurrentAssetsSchedule();
    Run->PrintOtherInvestmentsSchedule();
    PdfText text = FinishRun();
    EXPECT_EQ(text.Pages, 1);
}

TEST_F(Continuation, SubsidiariesWithPercentagesAndSummedInvestments) {
    AddSubsidiary(Dm.tblSubsidiaries, "SUB ONE", "73-1111111", 12.5, "1000.50");
    AddSubsidiary(Dm.tblSubsidiaries, "SUB TWO", "  -       ", 0, "0");
    AddSubsidiary(Dm.tblSubsidiaries, "", "73-3333333", 100, "-250");
    StartAfterFormPage();
    Run->PrintSubsidiariesContinued();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 2);
    const double hb = kHelveticaBoldDescent;
    ExpectWord(
        text, 2, "Subsidiaries",
        306 - TextWidth(StandardFontMetrics::HelveticaBold, "Schedule C: Subsidiaries Continued", 18) / 2 +
            TextWidth(StandardFontMetrics::HelveticaBold, "Schedule C: ", 18),
        At::Begin, 40, hb, 18);
    ExpectWord(text, 2, "Percentage", 410, At::Centre, 70, hb, 14);
    ExpectWord(text, 2, "Financial", 540, At::End, 70, hb, 14);
    ExpectWord(text, 2, "Name", 72, At::Begin, 85, hb, 14);
    ExpectWord(text, 2, "FEIN", 320, At::Centre, 85, hb, 14);
    ExpectWord(text, 2, "Owned", 410, At::Centre, 85, hb, 14);
    ExpectWord(text, 2, "Investment", 540, At::End, 85, hb, 14);

    ExpectWord(text, 2, "ONE", 72 + 4 * 4.8, At::Begin, 101);
    ExpectWord(text, 2, "73-1111111", 290, At::Begin, 101);
    ExpectWord(text, 2, "12.5000%", 440, At::End, 101);
    ExpectWord(text, 2, "1,000.50", 540, At::End, 101);
    // An empty mask prints nothing; a zero percentage still prints, a zero investment does not.
    ExpectWord(text, 2, "TWO", 72 + 4 * 4.8, At::Begin, 113);
    std::vector<Word> zero = text.Find(2, "0.0000%");
    ASSERT_EQ(zero.size(), 1u);
    EXPECT_NEAR(zero[0].XMax, 440, 0.01);
    EXPECT_EQ(FormatFixed(0, 8, 4) + "%", "  0.0000%");
    EXPECT_EQ(text.Find(2, "-").size(), 0u);
    ExpectWord(text, 2, "100.0000%", 440, At::End, 125);
    ExpectWord(text, 2, "-250.00", 540, At::End, 125);
    ExpectWord(text, 2, kNameRule, 72, At::Begin, 137);
    ExpectWord(text, 2, kShortRule, 540, At::End, 137);
    ExpectWord(text, 2, "Total", 72 + 8 * 4.8, At::Begin, 149);
    ExpectWord(text, 2, "750.50", 540, At::End, 149);
}

TEST_F(Continuation, AffiliatesHaveNoRuleOrTotal) {
    AddAffiliate(Dm.tblAffiliates, "AFF", "73-2222222", "COMMON OWNER");
    StartAfterFormPage();
    Run->PrintAffiliatesContinued();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 2);
    const double hb = kHelveticaBoldDescent;
    ExpectWord(text, 2, "Name", 72, At::Begin, 85, hb, 14);
    ExpectWord(text, 2, "How", 340, At::Begin, 85, hb, 14);
    ExpectWord(text, 2, "FEIN", 295, At::Centre, 85, hb, 14);
    ExpectWord(text, 2, "AFF", 72, At::Begin, 101);
    ExpectWord(text, 2, "73-2222222", 265, At::Begin, 101);
    ExpectWord(text, 2, "COMMON", 340, At::Begin, 101);
    EXPECT_EQ(text.Find(2, kNameRule).size(), 0u);
    EXPECT_EQ(text.Find(2, "Total").size(), 0u);
    ExpectWord(text, 2, "Affiliates",
               306 -
                   TextWidth(StandardFontMetrics::HelveticaBold, "Schedule C: Affiliates Continued", 18) / 2 +
                   TextWidth(StandardFontMetrics::HelveticaBold, "Schedule C: ", 18),
               At::Begin, 40, hb, 18);
    EXPECT_EQ(text.OnPage(2).size(), 12u); // four words each of title, column titles and row
}

TEST_F(Continuation, CurrentDebtSumsBothAmountsExactly) {
    // Each row rounds to 0.00 on its own; the sum of the exact amounts is 0.015, which shows 0.02.
    for (int i = 0; i < 3; ++i)
        AddDebt(Dm.tblCurrDebt, "BANK" + std::to_string(i), "01/02/2009", "12/31/2012", "0.005", "0");
    StartAfterFormPage();
    Run->PrintCurrentDebtContinued();
    PdfText text = FinishRun();
    ASSERT_EQ(text.Pages, 2);
    const double hb = kHelveticaBoldDescent;
    ExpectWord(text, 2, "Issue", 261, At::Centre, 70, hb, 14);
    ExpectWord(text, 2, "Maturity", 326, At::Centre, 70, hb, 14);
    ExpectWord(text, 2, "Original", 416, At::Centre, 70, hb, 14);
    ExpectWord(text, 2, "Amount", 416, At::Centre, 85, hb, 14);
    ExpectWord(text, 2, "Years", 506 + TextWidth(StandardFontMetrics::HelveticaBold, "3 Years", 14) / 2,
               At::End, 85, hb, 14);
    ExpectWord(text, 2, "BANK0", 72, At::Begin, 101);
    std::vector<Word> issue = text.Find(2, "01/02/2009");
    ASSERT_EQ(issue.size(), 3u);
    EXPECT_NEAR(issue[2].XMin, 235, 0.01);
    std::vector<Word> maturity = text.Find(2, "12/31/2012");
    ASSERT_EQ(maturity.size(), 3u);
    EXPECT_NEAR(maturity[0].XMin, 300, 0.01);
    std::vector<Word> amounts = text.Find(2, "0.00");
    ASSERT_EQ(amounts.size(), 3u);
    for (const Word& w : amounts)
        EXPECT_NEAR(w.XMax, 442, 0.01);
    std::vector<Word> rules = text.Find(2, kShortRule);
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_NEAR(rules[0].XMax, 442, 0.01);
    EXPECT_NEAR(rules[1].XMax, 537, 0.01);
    ExpectWord(text, 2, "0.02", 442, At::End, 149);
    // The second column is zero throughout: nothing in its rows, nothing after the label.
    for (const Word& w : text.OnPage(2))
        EXPECT_FALSE(w.XMax > 500 && w.YMin > 90 && w.Text != kShortRule) << w.Text;
}

TEST_F(Continuation, WholeDollarsApplyToRowsAndTotals) {
    Doc->WholeDollars = true;
    AddOtherAsset(Dm.tblOthCurrAssets, "HALF", "2.50", "3.50");
    AddOtherAsset(Dm.tblOthCurrAssets, "HALF", "2.50", "0");
    StartAfterFormPage();
    Run->PrintOtherCurrentAssetsSchedule();
    PdfText text = FinishRun();
    std::vector<Word> twos = text.Find(2, "2");
    ASSERT_EQ(twos.size(), 2u);                  // 2.50 rounds to the even 2 on both rows
    ExpectWord(text, 2, "5", 384, At::End, 137); // total 5.00
    std::vector<Word> fours = text.Find(2, "4"); // 3.50 on its row and as the total
    ASSERT_EQ(fours.size(), 2u);
    EXPECT_NEAR(Baseline(fours[0], kCourierDescent, 8), 101 - 3, 0.01);
    EXPECT_NEAR(Baseline(fours[1], kCourierDescent, 8), 137 - 3, 0.01);
    EXPECT_NEAR(fours[1].XMax, 540, 0.01);
}
