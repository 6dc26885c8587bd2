#include "CliRun.h"
#include "Commands.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "PriorFileBuilder.h"
#include "PriorYearConversion.h"
#include "TestSupport.h"
#include "uFranchiseID.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

using namespace qv;
using namespace qv::test;

namespace {

using qv::test::FtiResult;

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class CliImport : public ::testing::Test {
protected:
    // The command line takes its date format from the environment; the C locale means United
    // States conventions.
    void SetUp() override { setenv("LC_ALL", "C", 1); }

    std::string WritePrior(int version, const std::string& name) {
        PriorFileBuilder b(version);
        b.Text("CorpName", "Red Earth Supply Co.").Money("SchedDDebt1OrigAmount", 75000);
        if (b.PlaceOf("SchedDDebt1MaturityDate")->DateValue)
            b.Double("SchedDDebt1MaturityDate", 40178.0);
        else
            b.Text("SchedDDebt1MaturityDate", "12/31/2009");
        return dir.Write(name, b.Bytes());
    }

    TempFolder dir;
};

} // namespace

TEST_F(CliImport, ShowConvertsAPriorFileAndSaysFromWhichEdition) {
    for (int version = 1; version <= 6; ++version) {
        const FtiResult r = qv::test::RunFti({"show", WritePrior(version, "prior.fti")});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("\"convertedFrom\": " + std::to_string(2003 + version) + ","),
                  std::string::npos);
        EXPECT_NE(r.out.find("\"FormatVersion\": 7"), std::string::npos);
        EXPECT_NE(r.out.find("\"TaxYear\": \"10\""), std::string::npos);
        EXPECT_NE(r.out.find("\"CorpName\": \"Red Earth Supply Co.\""), std::string::npos);
        EXPECT_NE(r.out.find("\"SchedDDebt1MaturityDate\": \"12/31/2009\""), std::string::npos);
        EXPECT_NE(r.out.find("\"SchedDDebt1OrigAmount\": \"7.5000\""), std::string::npos);
    }
}

TEST_F(CliImport, ShowOfACurrentFileIsNotConverted) {
    TestEnv env;
    Franchise doc(2010, env.services);
    const std::string path = dir.File("current.fti");
    doc.SaveToFile(path);
    const FtiResult r = qv::test::RunFti({"show", path});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"convertedFrom\": null,"), std::string::npos);
}

TEST_F(CliImport, ShowOfAMissingFileSaysSoOnce) {
    const std::string path = dir.File("gone.fti");
    const FtiResult r = qv::test::RunFti({"show", path});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The File " + path + " does not exist!");
    EXPECT_EQ(Count(r.err, "does not exist!"), 1u);
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CliImport, ConvertWritesACurrentReturnAndTellsWhatWasConverted) {
    for (int version = 1; version <= 6; ++version) {
        const std::string prior = WritePrior(version, "prior" + std::to_string(version) + ".fti");
        const std::string priorBytes = ReadAll(prior);
        const std::string out = dir.File("converted" + std::to_string(version) + ".fti");
        const FtiResult r = qv::test::RunFti({"convert", prior, out});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.LastErrorLine(), ConvertedMessage(2003 + version));
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(ReadAll(prior), priorBytes);

        TestEnv env;
        EXPECT_EQ(FranchiseID(env.notices).ReadVersion(out), 7);
        Franchise saved(2010, env.services);
        saved.LoadFromFile(out);
        TestEnv other;
        Franchise expected(2010, other.services);
        ImportReturn(expected, prior);
        EXPECT_EQ(saved.Record, expected.Record);
        EXPECT_EQ(saved.Record.Get(fld::SchedDDebt1MaturityDate), "12/31/2009");
    }
}

TEST_F(CliImport, ConvertRefusesWhatItCannotOrMustNotDo) {
    const std::string prior = WritePrior(2, "prior.fti");
    const std::string priorBytes = ReadAll(prior);
    TestEnv env;
    const std::string current = dir.File("current.fti");
    Franchise(2010, env.services).SaveToFile(current);
    const std::string out = dir.File("out.fti");
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {"prior onto itself", {"convert", prior, prior}, "The File " + prior + " already exists!"},
        {"onto an existing return", {"convert", prior, current}, "The File " + current + " already exists!"},
        {"a current file",
         {"convert", current, out},
         "The File " + current + " is not a return file of the 2004 to 2009 editions"},
        {"no return file",
         {"convert", dir.Write("junk.fti", std::string(100, 'j')), out},
         "The File " + dir.File("junk.fti") + " is not a return file of the 2004 to 2009 editions"},
        {"a missing file",
         {"convert", dir.File("gone.fti"), out},
         "The File " + dir.File("gone.fti") + " does not exist!"},
        {"a short file",
         {"convert", dir.Write("short.fti", std::string(44, 'x')), out},
         "Could not read file"},
        {"a malformed prior file",
         {"convert", dir.Write("bad.fti", PriorFileBuilder(4).DeclaredLength(-8).Bytes()), out},
         "Could not read file"},
    };
    for (const Case& c : cases) {
        const std::string currentBytes = ReadAll(current);
        const FtiResult r = qv::test::RunFti(c.args);
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_EQ(r.LastErrorLine(), c.message) << c.what;
        EXPECT_FALSE(FileExists(out)) << c.what;
        EXPECT_EQ(ReadAll(prior), priorBytes) << c.what;
        EXPECT_EQ(ReadAll(current), currentBytes) << c.what;
    }
}

TEST_F(CliImport, ConvertUsageErrors) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"convert"},
                                                                  {"convert", "a"},
                                                                  {"convert", "a", "b", "c"},
                                                                  {"convert", "--x", "a", "b"},
                                                                  {"convert", "", "b"}}) {
        const FtiResult r = qv::test::RunFti(args);
        EXPECT_EQ(r.status, 2) << args.size();
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

TEST_F(CliImport, ComputeConvertsAPriorFileOnlyIntoAFileOfItsOwn) {
    const std::string prior = WritePrior(3, "prior.fti");
    const std::string before = ReadAll(prior);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"compute", prior},
                                                 std::vector<std::string>{"compute", prior, "-o", prior}}) {
        const FtiResult r = qv::test::RunFti(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.LastErrorLine(), "The File " + prior +
                                         " is a return of the 2006 edition; give the current return its own "
                                         "file with -o OUT (or fti convert)");
        EXPECT_EQ(ReadAll(prior), before);
    }
    const std::string out = dir.File("current.fti");
    const FtiResult r = qv::test::RunFti({"compute", prior, "-o", out});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.LastErrorLine(), ConvertedMessage(2006));
    const FtiResult shown = qv::test::RunFti({"show", out});
    EXPECT_NE(shown.out.find("\"convertedFrom\": null,"), std::string::npos);
    EXPECT_NE(shown.out.find("\"CorpName\": \"Red Earth Supply Co.\""), std::string::npos);
    EXPECT_NE(shown.out.find("\"F200Line12\": \"10.0000\""), std::string::npos) << "recomputed";
}
