// fti check: the findings of a return, as lines or JSON, and an exit status a script can test.

#include "CliRun.h"
#include "Json.h"
#include "TestSupport.h"
#include "uFranchise.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using qv::test::FtiResult;
using qv::test::RunFti;

const fs::path kExamples = fs::path(QV_SOURCE_DIR) / "examples";

class Check : public ::testing::Test {
protected:
    qv::test::TempFolder dir;

    // The example return with one change made through fti apply.
    std::string ExampleWith(const std::string& changes) {
        const std::string file = dir.File("r.fti");
        fs::copy_file(kExamples / "acme.fti", file);
        FtiResult r = RunFti({"apply", file, dir.Write("c.json", changes)});
        EXPECT_EQ(r.status, 0) << r.err;
        return file;
    }
};

TEST_F(Check, ACleanReturnPassesSilently) {
    FtiResult r = RunFti({"check", (kExamples / "acme.fti").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    r = RunFti({"check", "--json", (kExamples / "acme.fti").string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "[]\n");
}

TEST_F(Check, AnErrorFailsAndIsListedOneALine) {
    const std::string file = ExampleWith(R"({"record": {"Bs19": 1, "DueDate": 0}})");
    FtiResult r = RunFti({"check", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "error due-date: Form 200: no due date (item C); without one the return is computed with the "
              "$10 minimum "
              "of returns due before July 2006\n"
              "error balance: Balance sheet: total assets (line 18, column A) 3,550,855.42 differ from total "
              "liabilities and capital (line 32) 3,148,737.80\n");
}

TEST_F(Check, WarningsAlonePass) {
    const std::string file = ExampleWith(R"({"record": {"ReportPeriod": "01/2009 to 06/2010"}})");
    FtiResult r = RunFti({"check", file});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "warning period: Form 200: the reporting period (item B) \"01/2009 to 06/2010\" spans "
                     "18 months, not twelve\n");
}

TEST_F(Check, JsonListsCodeSeverityFieldsAndMessage) {
    const std::string file = ExampleWith(R"({"record": {"Bs19": 1, "SchedAPresName": ""}})");
    FtiResult r = RunFti({"check", "--json", file});
    EXPECT_EQ(r.status, 1);
    const qv::cli::JsonValue v = qv::cli::ParseJson(r.out, "out");
    ASSERT_EQ(v.Items.size(), 2u);
    const qv::cli::JsonValue& balance = v.Items[0];
    EXPECT_EQ(balance.Find("code")->Text, "balance");
    EXPECT_EQ(balance.Find("severity")->Text, "error");
    ASSERT_EQ(balance.Find("fields")->Items.size(), 2u);
    EXPECT_EQ(balance.Find("fields")->Items[0].Text, "Bs18a");
    EXPECT_EQ(balance.Find("fields")->Items[1].Text, "Bs32");
    EXPECT_NE(balance.Find("message")->Text.find("line 18"), std::string::npos);
    EXPECT_EQ(v.Items[1].Find("code")->Text, "officers");
    EXPECT_EQ(v.Items[1].Find("fields")->Items[0].Text, "SchedAPresName");
}

TEST_F(Check, AComputationThatStopsIsAFindingNotAFailure) {
    // Gross business done that cancels the net assets leaves line 8 at zero under Option 1: the
    // computation stops, and the check says why instead of failing.
    const std::string file = dir.File("line8.fti");
    {
        qv::test::TestEnv env;
        qv::Franchise doc(2010, env.services);
        doc.LoadFromFile((kExamples / "acme.fti").string());
        doc.Record.Set(qv::fld::Bs33, -*qv::Money::Parse("3515855"));
        doc.SaveToFile(file);
    }
    FtiResult r = RunFti({"check", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.substr(0, r.out.find(':')), "error option-line-8");
    EXPECT_EQ(r.err, "");
}

TEST_F(Check, AConvertedReturnIsCheckedAsOpenShowsIt) {
    FtiResult r = RunFti({"check", "--json", (kExamples / "sample-2005.fti").string()});
    EXPECT_EQ(r.status, 1) << "a converted return lacks this year's balance sheet";
    const qv::cli::JsonValue v = qv::cli::ParseJson(r.out, "out");
    std::vector<std::string> codes;
    for (const auto& f : v.Items)
        codes.push_back(f.Find("code")->Text);
    EXPECT_EQ(codes, (std::vector<std::string>{"balance-sheet-date", "period", "balance"}));
}

TEST_F(Check, UsageAndMissingFiles) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"check"}, {"check", "a.fti", "b.fti"}, {"check", "--bogus", "a.fti"}}) {
        FtiResult r = RunFti(args);
        EXPECT_EQ(r.status, 2) << args.back();
    }
    FtiResult r = RunFti({"check", dir.File("none.fti")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The File " + dir.File("none.fti") + " does not exist!");
}

} // namespace
