#include "CliRun.h"
#include "Commands.h"
#include "ExampleReturn.h"
#include "PdfReadBack.h"
#include "PrintFixture.h"
#include "PriorFileBuilder.h"
#include "ScheduleTable.h"
#include "SettingsStore.h"
#include "uFranchise.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace qv;
using namespace qv::test;

namespace {

// The settings store of this test program lives in a folder of its own, never in the user's: the
// store's per-user file is found through XDG_CONFIG_HOME, which is set before anything reads it.
const std::filesystem::path kConfigHome = [] {
    auto dir = std::filesystem::temp_directory_path() / ("qv_print_cli_config_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::temp_directory_path() /
                                        ("qv_print_cli_config_" + std::to_string(::getpid())),
                                    ec);
    });
    return dir;
}();

using qv::test::FtiResult;

class CmdPrint : public ::testing::Test {
protected:
    CmdPrint() {
        for (const char* name : {"WholeDollars", "CombineSchedules"})
            Store.WriteString(name, "");
        WriteTestTemplate(Folder / "test.ftb");
        // The example corporation with one other current asset of 2.50 and one investment.
        std::ostringstream sink;
        cli::Context ctx(sink, sink);
        auto doc = ctx.NewReturn();
        FillExampleReturn(*doc);
        ctx.dm.tblOthCurrAssets.Empty();
        ctx.dm.tblOthInvest.Empty();
        AddOtherAsset(ctx.dm.tblOthCurrAssets, "PREPAID", "2.50", "0");
        AddOtherAsset(ctx.dm.tblOthInvest, "BONDS", "7", "0");
        doc->SaveToFile(ReturnPath());
    }

    std::string ReturnPath() const { return (Folder / "acme.fti").string(); }
    std::string TestTemplate() const { return (Folder / "test.ftb").string(); }

    // The template page each page came from, or the first words of a page the program made.
    std::vector<std::string> Pages(const std::filesystem::path& pdf) {
        PdfText text = ReadPdfText(pdf);
        std::vector<std::string> pages;
        for (int p = 1; p <= text.Pages; ++p) {
            std::string t = text.PageText(p);
            size_t label = t.find("Template page ");
            pages.push_back(label != std::string::npos ? "T" + t.substr(label + 14, 1) : t.substr(0, 20));
        }
        return pages;
    }

    TempFolder Folder;
    SettingsStore Store;
};

} // namespace

TEST_F(CmdPrint, PrintsEveryFormNextToTheReturnFromTheTemplateBesideTheProgram) {
    FtiResult r = qv::test::RunFti({"print", ReturnPath()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty());
    PdfText text = ReadPdfText(Folder / "acme.pdf");
    // Form 200, minimum/maximum, Schedule A, Schedules B-C-D with the subsidiaries and current debt
    // continued, the balance sheet and its combined schedules page, Form 200-F.
    ASSERT_EQ(text.Pages, 9);
    EXPECT_NE(text.PageText(1).find("FORM 200"), std::string::npos);
    EXPECT_NE(text.PageText(1).find("Red Earth Pipe"), std::string::npos);
    EXPECT_NE(text.PageText(4).find("SCHEDULES B, C AND D"), std::string::npos);
    EXPECT_EQ(text.PageText(5).rfind("Schedule C: Subsidiaries Continued", 0), 0u);
    EXPECT_EQ(text.PageText(6).rfind("Schedule D: Current Debt Continued", 0), 0u);
    EXPECT_NE(text.PageText(7).find("BALANCE SHEET"), std::string::npos);
    EXPECT_NE(text.PageText(8).find("OKLAHOMA FRANCHISE TAX RETURN"), std::string::npos);
    EXPECT_NE(text.PageText(9).find("REQUEST TO CHANGE"), std::string::npos);
    EXPECT_EQ(ReadPdfInfo(Folder / "acme.pdf")["Title"], "Okla Annual Franchise Tax Return");
}

TEST_F(CmdPrint, FormsListPrintsInThePrintSelectedOrder) {
    FtiResult r =
        qv::test::RunFti({"print", ReturnPath(), "--template", TestTemplate(), "--forms", "200f,mm,bs,200"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> pages = Pages(Folder / "acme.pdf");
    ASSERT_EQ(pages.size(), 5u);
    EXPECT_EQ(pages[0], "T1");
    EXPECT_EQ(pages[1], "T4");
    EXPECT_EQ(pages[2].rfind("Red Earth", 0), 0u); // the combined schedules below the name block
    EXPECT_EQ(pages[3], "T8");
    EXPECT_EQ(pages[4], "T7");

    r = qv::test::RunFti({"print", ReturnPath(), "--template", TestTemplate()});
    ASSERT_EQ(r.status, 0) << r.err;
    pages = Pages(Folder / "acme.pdf");
    EXPECT_EQ(pages, (std::vector<std::string>{"T1", "T8", "T2", "T3", "Schedule C: Subsidia",
                                               "Schedule D: Current ", "T4", "Red Earth Pipe & Sup", "T7"}));
}

TEST_F(CmdPrint, OutputPathOption) {
    const auto out = Folder / "elsewhere.pdf";
    FtiResult r = qv::test::RunFti(
        {"print", ReturnPath(), "-o", out.string(), "--template", TestTemplate(), "--forms", "a"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Pages(out), (std::vector<std::string>{"T2"}));
    EXPECT_FALSE(std::filesystem::exists(Folder / "acme.pdf"));
}

TEST_F(CmdPrint, OptionsNotGivenComeFromTheWindowsSettingsStore) {
    auto printBalanceSheet = [&](std::vector<std::string> extra) {
        std::vector<std::string> args{"print", ReturnPath(), "--template", TestTemplate(), "--forms", "bs"};
        args.insert(args.end(), extra.begin(), extra.end());
        FtiResult r = qv::test::RunFti(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return ReadPdfText(Folder / "acme.pdf");
    };
    // Defaults: cents, combined.
    PdfText text = printBalanceSheet({});
    EXPECT_EQ(text.Pages, 2);
    EXPECT_EQ(text.Find(2, "2.50").size(), 2u); // on its row and as the total

    Store.WriteBool("WholeDollars", true);
    Store.WriteBool("CombineSchedules", false);
    text = printBalanceSheet({});
    ASSERT_EQ(text.Pages, 3); // the two schedules on pages of their own
    EXPECT_EQ(text.Find(2, "2.50").size(), 0u);
    EXPECT_EQ(text.Find(2, "2").size(), 2u); // 2.50 rounds to the even 2, on its row and as total

    text = printBalanceSheet({"--cents", "--combined"});
    EXPECT_EQ(text.Pages, 2);
    EXPECT_EQ(text.Find(2, "2.50").size(), 2u);

    Store.WriteBool("WholeDollars", false);
    text = printBalanceSheet({"--whole-dollars"});
    EXPECT_EQ(text.Pages, 3);
    EXPECT_EQ(text.Find(2, "2.50").size(), 0u);
    // The command line changes nothing in the store.
    EXPECT_EQ(Store.ReadString("WholeDollars"), "0");
    EXPECT_EQ(Store.ReadString("CombineSchedules"), "0");
}

TEST_F(CmdPrint, FailuresShownAsMessagesEndWithStatusOne) {
    FtiResult r = qv::test::RunFti(
        {"print", ReturnPath(), "--template", (Folder / "none.ftb").string(), "--forms", "200"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "Couldn't copy page");

    std::filesystem::create_directory(Folder / "busy.pdf");
    r = qv::test::RunFti(
        {"print", ReturnPath(), "-o", (Folder / "busy.pdf").string(), "--template", TestTemplate()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Could not create Adobe PDF File.  Please make sure you close \r\n"
                     "the previous file in Adobe Reader before trying to print again.\n");

    r = qv::test::RunFti({"print", (Folder / "missing.fti").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The File " + (Folder / "missing.fti").string() + " does not exist!");
    EXPECT_FALSE(std::filesystem::exists(Folder / "missing.pdf"));
}

TEST_F(CmdPrint, APriorYearReturnIsConvertedFirstAndPrintedNextToIt) {
    const auto prior = Folder / "old2008.fti";
    PriorFileBuilder(5).Text("CorpName", "Prairie Holdings").Text("FEIN", "73-7654321").Write(prior.string());
    FtiResult r = qv::test::RunFti({"print", prior.string(), "--template", TestTemplate(), "--forms", "a"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(
        r.err,
        "Version 2008 Data has been converted, however, additional schedules could not be converted.\n");
    PdfText text = ReadPdfText(Folder / "old2008.pdf");
    ASSERT_EQ(text.Pages, 1);
    EXPECT_NE(text.PageText(1).find("Prairie Holdings"), std::string::npos);
}

TEST_F(CmdPrint, TheOutputNeverReplacesTheReturn) {
    const auto before = std::filesystem::file_size(ReturnPath());
    FtiResult r = qv::test::RunFti({"print", ReturnPath(), "-o", (Folder / "." / "acme.fti").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The PDF cannot be written over the return file " + ReturnPath() + ".");
    EXPECT_EQ(std::filesystem::file_size(ReturnPath()), before);
}

TEST_F(CmdPrint, UsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"print"},
        {"print", "a.fti", "b.fti"},
        {"print", "a.fti", "--forms"},
        {"print", "a.fti", "--forms", ""},
        {"print", "a.fti", "--forms", "200,xyz"},
        {"print", "a.fti", "--forms", "200,"},
        {"print", "a.fti", "--whole-dollars", "--cents"},
        {"print", "a.fti", "--combined", "--separate"},
        {"print", "a.fti", "-o"},
        {"print", "a.fti", "--template"},
        {"print", "a.fti", "--landscape"},
    };
    for (const auto& args : bad) {
        FtiResult r = qv::test::RunFti(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    // Giving the same choice twice is no conflict.
    FtiResult r = qv::test::RunFti(
        {"print", ReturnPath(), "--cents", "--cents", "--template", TestTemplate(), "--forms", "a"});
    EXPECT_EQ(r.status, 0) << r.err;
}
