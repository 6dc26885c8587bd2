#include "Error.h"
#include "PrintFixture.h"
#include "PrintRuns.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

class PrintRuns : public PrintFixture {
protected:
    PrintRuns() {
        Doc->ReturnFileName = (Folder / "acme.fti").string();
        Doc->ProgramFolder = Folder.Path().string() + "/";
    }

    // One row in every schedule table, so that every continuation printer adds its page.
    void FillEveryTable() {
        AddSubsidiary(Dm.tblSubsidiaries, "SUB", "73-1111111", 50, "100");
        AddAffiliate(Dm.tblAffiliates, "AFF", "73-2222222", "SISTER");
        AddDebt(Dm.tblCurrDebt, "BANK", "01/01/2009", "01/01/2011", "500", "500");
        AddOtherAsset(Dm.tblOthCurrAssets, "PREPAID", "10", "5");
        AddOtherAsset(Dm.tblOthInvest, "BONDS", "20", "10");
    }

    // What each page of the written PDF is: "T<n>" for template page n, or the schedule it holds.
    std::vector<std::string> PageKinds() {
        PdfText text = ReadPdfText(Folder / "acme.pdf");
        std::vector<std::string> kinds;
        for (int p = 1; p <= text.Pages; ++p) {
            const std::string t = text.PageText(p);
            std::string kind = "?";
            const size_t label = t.find("Template page ");
            if (label != std::string::npos)
                kind = "T" + t.substr(label + 14, t.find(' ', label + 14) - label - 14);
            else if (t.find("Subsidiaries Continued") != std::string::npos)
                kind = "Subsidiaries";
            else if (t.find("Affiliates Continued") != std::string::npos)
                kind = "Affiliates";
            else if (t.find("Current Debt Continued") != std::string::npos)
                kind = "CurrentDebt";
            else if (t.find("OKLAHOMA FRANCHISE TAX RETURN") != std::string::npos)
                kind = "Combined";
            else if (t.find("Other Current Assets Schedule") != std::string::npos)
                kind = "OtherCurrentAssets";
            else if (t.find("Other Investments Schedule") != std::string::npos)
                kind = "OtherInvestments";
            kinds.push_back(kind);
        }
        return kinds;
    }

    using Kinds = std::vector<std::string>;
};

} // namespace

TEST_F(PrintRuns, PrintAllInItsOrderWithEveryContinuation) {
    FillEveryTable();
    PrintAll(*Doc);
    EXPECT_EQ(PageKinds(), (Kinds{"T1", "T8", "T2", "T3", "Subsidiaries", "Affiliates", "CurrentDebt", "T4",
                                  "Combined", "T7"}));
    EXPECT_TRUE(Notes.Errors.empty());
    auto info = ReadPdfInfo(Folder / "acme.pdf");
    EXPECT_EQ(info["Title"], "Okla Annual Franchise Tax Return");
    EXPECT_EQ(info["Author"], "Ostrel Software");
    EXPECT_EQ(info["Creator"], "Ostrel Software (www.ostrel.com)");
}

TEST_F(PrintRuns, PrintSelectedWithEveryFormGivesTheSamePagesInItsOwnOrder) {
    FillEveryTable();
    Doc->Record.Set(fld::MMAddressChange, true);
    PrintSelected(*Doc, true, true, true, true, true, true);
    EXPECT_EQ(PageKinds(), (Kinds{"T1", "T4", "Combined", "T3", "Subsidiaries", "Affiliates", "CurrentDebt",
                                  "T2", "T8", "T9", "T7"}));
}

TEST_F(PrintRuns, PrintSelectedPrintsOnlyTheChosenForms) {
    FillEveryTable();
    struct Case {
        bool balanceSheet, schedBCD, form200F, minMax, schedA, form200;
        Kinds pages;
    };
    const Case cases[] = {
        {true, false, false, false, false, false, {"T4", "Combined"}},
        {false, true, false, false, false, false, {"T3", "Subsidiaries", "Affiliates", "CurrentDebt"}},
        {false, false, true, false, false, false, {"T7"}},
        {false, false, false, true, false, false, {"T8"}},
        {false, false, false, false, true, false, {"T2"}},
        {false, false, false, false, false, true, {"T1"}},
        {false, false, true, true, false, true, {"T1", "T8", "T7"}},
    };
    for (const Case& c : cases) {
        PrintSelected(*Doc, c.balanceSheet, c.schedBCD, c.form200F, c.minMax, c.schedA, c.form200);
        EXPECT_EQ(PageKinds(), c.pages);
    }
}

TEST_F(PrintRuns, TheBalanceSheetSchedulesFollowTheCombineSetting) {
    FillEveryTable();
    Store.WriteBool("CombineSchedules", false);
    PrintSelected(*Doc, true, false, false, false, false, false);
    EXPECT_EQ(PageKinds(), (Kinds{"T4", "OtherCurrentAssets", "OtherInvestments"}));
    Store.WriteString("CombineSchedules", "yes"); // not a number: the default, combined
    PrintSelected(*Doc, true, false, false, false, false, false);
    EXPECT_EQ(PageKinds(), (Kinds{"T4", "Combined"}));
}

TEST_F(PrintRuns, WithEmptyTablesNoContinuationPages) {
    PrintAll(*Doc);
    EXPECT_EQ(PageKinds(), (Kinds{"T1", "T8", "T2", "T3", "T4", "T7"}));
}

TEST_F(PrintRuns, TheRunRecomputesAndReadsTheWholeDollarSetting) {
    Doc->Record.Set(fld::F200Line1, Money::FromDollars(999)); // stale: nothing on the balance sheet
    Store.WriteBool("WholeDollars", true);
    PrintSelected(*Doc, false, false, false, false, false, true);
    EXPECT_EQ(Doc->Record.Get(fld::F200Line1), Money());
    EXPECT_TRUE(Doc->WholeDollars);
    Store.WriteString("WholeDollars", "7");
    Doc->WholeDollars = false;
    PrintAll(*Doc);
    EXPECT_TRUE(Doc->WholeDollars);
    Store.WriteString("WholeDollars", "0");
    PrintAll(*Doc);
    EXPECT_FALSE(Doc->WholeDollars);
}

TEST_F(PrintRuns, TheWrittenFileReplacesAnEarlierOne) {
    std::ofstream(Folder / "acme.pdf") << "an earlier print";
    PrintAll(*Doc);
    EXPECT_EQ(ReadPdfInfo(Folder / "acme.pdf")["Pages"], "6");
    Doc->ReturnFileName = (Folder / "acme").string(); // no extension: ".pdf" is appended
    std::filesystem::remove(Folder / "acme.pdf");
    PrintSelected(*Doc, false, false, false, false, false, true);
    EXPECT_EQ(ReadPdfInfo(Folder / "acme.pdf")["Pages"], "1");
}

// The window opens the PDF only when the run says it was written.
TEST_F(PrintRuns, TheRunsSayWhetherThePdfWasWritten) {
    EXPECT_TRUE(PrintAll(*Doc));
    EXPECT_TRUE(PrintSelected(*Doc, false, false, false, false, false, true));
    EXPECT_TRUE(Notes.Errors.empty());
    // A folder where the PDF would go: nothing can be written there.
    std::filesystem::remove(Folder / "acme.pdf");
    std::filesystem::create_directory(Folder / "acme.pdf");
    EXPECT_FALSE(PrintAll(*Doc));
    EXPECT_FALSE(PrintSelected(*Doc, true, true, true, true, true, true));
    EXPECT_EQ(Notes.Errors, std::vector<std::string>(2, std::string(msg::CouldNotCreatePdf)));
}

TEST_F(PrintRuns, AReturnNeverSavedIsNotPrintedIntoTheCurrentFolder) {
    Doc->ReturnFileName.clear();
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(Folder.Path());
    try {
        PrintAll(*Doc);
        ADD_FAILURE() << "printed without a file name";
    } catch (const Error& e) {
        EXPECT_STREQ(
            e.what(),
            "Please save the return before printing it: the PDF is written next to the return file.");
    }
    EXPECT_THROW(PrintSelected(*Doc, true, true, true, true, true, true), Error);
    std::filesystem::current_path(cwd);
    EXPECT_FALSE(std::filesystem::exists(Folder / ".pdf"));
    EXPECT_TRUE(Notes.Errors.empty());
}

TEST_F(PrintRuns, AReturnNamedLikeItsPdfIsNotOverwritten) {
    const auto returnFile = Folder / "acme.pdf";
    std::ofstream(returnFile) << "the return";
    Doc->ReturnFileName = returnFile.string();
    try {
        PrintAll(*Doc);
        ADD_FAILURE() << "printed over the return";
    } catch (const Error& e) {
        EXPECT_EQ(e.what(), "The PDF cannot be written over the return file " + returnFile.string() + ".");
    }
    std::ifstream in(returnFile);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the return");
}

TEST_F(PrintRuns, AMissingTemplateShowsCouldntCopyPageForEveryPageAndStillWrites) {
    Doc->ProgramFolder = (Folder / "elsewhere").string() + "/";
    PrintSelected(*Doc, false, false, true, false, true, true);
    EXPECT_EQ(Notes.Errors, (std::vector<std::string>(3, "Couldn't copy page")));
    EXPECT_EQ(ReadPdfInfo(Folder / "acme.pdf")["Pages"], "3");
}

TEST_F(PrintRuns, AnOutputThatCannotBeWrittenKeepsTheEarlierFileAndSaysSo) {
    std::filesystem::create_directory(Folder / "acme.pdf"); // as a viewer holding the file would
    PrintAll(*Doc);
    ASSERT_EQ(Notes.Errors.size(), 1u);
    EXPECT_EQ(Notes.Errors[0], "Could not create Adobe PDF File.  Please make sure you close \r\n"
                               "the previous file in Adobe Reader before trying to print again.");
    EXPECT_TRUE(std::filesystem::is_directory(Folder / "acme.pdf"));
}
