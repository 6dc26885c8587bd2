#include "CliRun.h"
#include "Commands.h"
#include "ComputeReturn.h"
#include "ExampleReturn.h"
#include "MiniJson.h"
#include "uFranchise.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using qv::test::FtiResult;

std::vector<char> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("qv-cli-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    fs::path dir;
};

} // namespace

TEST_F(CliTest, NewWritesAFreshReturnAndNeverOverwrites) {
    FtiResult r = qv::test::RunFti({"new", PathOf("x.fti")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(PathOf("x.fti")), 5304u);

    std::ofstream(PathOf("keep.fti")) << "precious";
    r = qv::test::RunFti({"new", PathOf("keep.fti")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The File " + PathOf("keep.fti") + " already exists!");
    EXPECT_EQ(fs::file_size(PathOf("keep.fti")), 8u);
}

TEST_F(CliTest, UsageErrorsExitWith2) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"new"},
                                                                  {"new", "a", "b"},
                                                                  {"show"},
                                                                  {"show", "a", "b"},
                                                                  {"show", "--bogus", "a"}}) {
        FtiResult r = qv::test::RunFti(args);
        EXPECT_EQ(r.status, 2) << (args.empty() ? "(none)" : args[0]);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

TEST_F(CliTest, ShowPrintsEveryNamedFieldAndTheTablesAsJson) {
    // A return with one value of every kind.
    {
        std::ostringstream sink;
        qv::cli::Context ctx(sink, sink);
        auto doc = ctx.NewReturn();
        doc->Record.Set(qv::fld::CorpName, "Caf\xE9 \"Quote\" Co\\");
        doc->Record.Set(qv::fld::F200Line15, *qv::Money::Parse("-7.5"));
        doc->Record.Set(qv::fld::F200Line9, 1234.0);
        doc->Record.Set(qv::fld::SchedBAuthCommonShares, 0.1);
        doc->Record.Set(qv::fld::DueDate, qv::EncodeDate(2010, 7, 1));
        doc->Record.Set(qv::fld::InterestMonths, -3);
        doc->Record.Bytes[qv::fld::MMForeignCorp.Def().Offset] = 7;
        ctx.dm.tblOthCurrAssets.Append();
        ctx.dm.tblOthCurrAssets.SetText("Description", "Tab\there");
        ctx.dm.tblOthCurrAssets.SetText("TotalEverywhere", "1500");
        ctx.dm.tblOthCurrAssets.Post();
        doc->SaveToFile(PathOf("kinds.fti"));
    }
    FtiResult r = qv::test::RunFti({"show", PathOf("kinds.fti")});
    ASSERT_EQ(r.status, 0) << r.err;
    Json j = Json::Parse(r.out);
    EXPECT_EQ(j["header"]["Signature"].text, "ostrel BLRX");
    EXPECT_EQ(j["header"]["FormatVersion"].text, "7");
    EXPECT_EQ(j["header"]["PublisherAddress"].text, "www.ostrel.com");
    EXPECT_EQ(j["convertedFrom"].kind, Json::Kind::Null);
    const Json& rec = j["record"];
    size_t named = 0;
    for (const qv::FieldDef& def : qv::kRecordFields) {
        if (def.Kind == qv::FieldKind::Reserved) {
            EXPECT_FALSE(rec.Has(std::string(def.Name))) << def.Name;
        } else {
            EXPECT_TRUE(rec.Has(std::string(def.Name))) << def.Name;
            ++named;
        }
    }
    EXPECT_EQ(rec.members.size(), named);
    EXPECT_EQ(rec["CorpName"].text, "Caf\xC3\xA9 \"Quote\" Co\\");
    EXPECT_EQ(rec["TaxYear"].text, "10");
    EXPECT_EQ(rec["IncOklahoma"].text, "Y");
    EXPECT_EQ(rec["F200Line15"].text, "-7.5000");
    EXPECT_EQ(rec["F200Line1"].text, "0.0000");
    EXPECT_EQ(rec["F200Line9"].kind, Json::Kind::Number);
    EXPECT_EQ(rec["F200Line9"].text, "1234");
    EXPECT_EQ(std::stod(rec["SchedBAuthCommonShares"].text), 0.1);
    EXPECT_EQ(rec["DueDate"].text, "40360");
    EXPECT_EQ(rec["InterestMonths"].text, "-3");
    EXPECT_EQ(rec["SchedBFiscalYear"].text, "2010");
    EXPECT_EQ(rec["MMForeignCorp"].text, "7");
    EXPECT_EQ(rec["F200FElect"].text, "1");

    const Json& tables = j["tables"];
    ASSERT_EQ(tables.members.size(), 5u);
    EXPECT_EQ(tables.members[0].first, "tblAffiliates");
    EXPECT_EQ(tables.members[4].first, "tblCurrDebt");
    const Json& assets = tables["tblOthCurrAssets"];
    EXPECT_EQ(assets["columns"].items[0]["name"].text, "Description");
    EXPECT_EQ(assets["columns"].items[0]["type"].text, "String");
    EXPECT_EQ(assets["columns"].items[0]["size"].text, "30");
    EXPECT_EQ(assets["columns"].items[1]["type"].text, "Currency");
    ASSERT_EQ(assets["rows"].items.size(), 1u);
    const Json& row = assets["rows"].items[0];
    EXPECT_EQ(row["status"].text, "0");
    EXPECT_EQ(row["values"]["Description"].text, "Tab\there");
    EXPECT_EQ(row["values"]["TotalEverywhere"].text, "1500.0000");
    EXPECT_EQ(row["values"]["TotalOklahoma"].kind, Json::Kind::Null);
}

TEST_F(CliTest, ShowFailuresEndWithTheMessage) {
    FtiResult r = qv::test::RunFti({"show", PathOf("missing.fti")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The File " + PathOf("missing.fti") + " does not exist!");
    EXPECT_TRUE(r.out.empty());

    std::ofstream(PathOf("junk.fti")) << std::string(100, 'j');
    r = qv::test::RunFti({"show", PathOf("junk.fti")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "Could not read file - Unrecogonized File Type");
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CliTest, TheBundledExampleIsWhatTheExampleCodeMakes) {
    std::ostringstream sink;
    qv::cli::Context ctx(sink, sink);
    auto doc = ctx.NewReturn();
    qv::FillExampleReturn(*doc);
    ComputeReturn(*doc);
    doc->SaveToFile(PathOf("acme.fti"));
    EXPECT_EQ(ReadAll(PathOf("acme.fti")), ReadAll(fs::path(QV_SOURCE_DIR) / "examples" / "acme.fti"))
        << "examples/acme.fti is out of date: rebuild and run build/bin/make_examples examples/acme.fti";
    FtiResult r = qv::test::RunFti({"show", (fs::path(QV_SOURCE_DIR) / "examples" / "acme.fti").string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_NO_THROW(Json::Parse(r.out));
}
