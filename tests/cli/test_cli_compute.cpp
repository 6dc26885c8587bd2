#include "CliRun.h"
#include "Commands.h"
#include "FieldText.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

using qv::test::FtiResult;

std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class CliCompute : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qv_cli_compute_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // A return with the apportionment example and one continuation debt row, not yet computed.
    std::string WriteReturn(const char* name,
                            std::initializer_list<std::pair<const char*, const char*>> extra = {}) {
        ReturnFixture f;
        for (auto [field, text] : {std::pair<const char*, const char*>{"Bs1a", "2000000"},
                                   {"Bs1b", "500000"},
                                   {"Bs19", "400000"},
                                   {"Bs33", "3000000"},
                                   {"Bs34", "1000000"}})
            SetField(f.Rec(), field, text);
        for (auto [field, text] : extra)
            SetField(f.Rec(), field, text);
        ScheduleTable& t = f.dm.tblCurrDebt;
        t.Append();
        t.SetText("DueWI3Yrs", "0.4");
        t.Post();
        std::string path = (dir_ / name).string();
        f.doc->SaveToFile(path);
        return path;
    }

    static std::string Field(const std::string& path, const char* field) {
        ReturnFixture f;
        f.doc->LoadFromFile(path);
        return FieldText(f.Rec(), field);
    }

    fs::path dir_;
};

} // namespace

TEST_F(CliCompute, ComputeSavesToOutOrOverTheFile) {
    std::string in = WriteReturn("in.fti");
    std::string out = (dir_ / "out.fti").string();
    const std::string original = Bytes(in);

    FtiResult r = qv::test::RunFti({"compute", in, "-o", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Field(out, "F200Line12"), "600");
    EXPECT_EQ(Field(out, "Bs21"), "0.4");
    EXPECT_EQ(Bytes(in), original);

    r = qv::test::RunFti({"compute", in});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Bytes(in), Bytes(out));
}

TEST_F(CliCompute, AComputationErrorSavesNothing) {
    std::string in = WriteReturn("in.fti", {{"Bs33", "-2000000"}});
    std::string out = (dir_ / "out.fti").string();
    const std::string original = Bytes(in);
    const char* message = "Line 8, the total value of assets and business done, is zero, so the Oklahoma "
                          "percentage (line 9) cannot be computed under Option 1.";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"compute", in, "-o", out}, std::vector<std::string>{"compute", in},
          std::vector<std::string>{"show", in, "--compute"}}) {
        FtiResult r = qv::test::RunFti(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.LastErrorLine(), message);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(Bytes(in), original);
}

TEST_F(CliCompute, ShowComputesOnlyWhenAsked) {
    std::string in = WriteReturn("in.fti");
    FtiResult plain = qv::test::RunFti({"show", in});
    FtiResult computed = qv::test::RunFti({"show", "--compute", in});
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(computed.status, 0) << computed.err;
    EXPECT_NE(plain.out.find("\"F200Line12\": \"0.0000\""), std::string::npos);
    EXPECT_NE(computed.out.find("\"F200Line12\": \"600.0000\""), std::string::npos);
    EXPECT_NE(computed.out.find("\"F200Line9\": 3000,"), std::string::npos);
}

TEST_F(CliCompute, MissingFileAndUsage) {
    std::string missing = (dir_ / "none.fti").string();
    FtiResult r = qv::test::RunFti({"compute", missing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), "The File " + missing + " does not exist!");
    EXPECT_FALSE(fs::exists(missing));

    for (const std::vector<std::string>& args : {std::vector<std::string>{"compute"},
                                                 {"compute", "a.fti", "-o"},
                                                 {"compute", "a.fti", "b.fti"},
                                                 {"compute", "a.fti", "--fast"},
                                                 {"compute", "a.fti", "-o", "b.fti", "-o", "c.fti"}}) {
        EXPECT_EQ(qv::test::RunFti(args).status, 2) << args.size();
    }
}
