#include "Endian.h"
#include "Error.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace qv;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const fs::path& p, const std::vector<uint8_t>& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class ReturnFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("qv-return-file-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string PathOf(const std::string& name) const { return (dir / name).string(); }

    // A saved new return, as bytes.
    std::vector<uint8_t> NewReturnBytes() {
        qv::test::TestEnv env;
        Franchise doc(2010, env.services);
        doc.SaveToFile(PathOf("new.fti"));
        return ReadAll(PathOf("new.fti"));
    }

    // The message of a failed load of the given bytes into a new return.
    std::string LoadError(const std::vector<uint8_t>& bytes) {
        WriteAll(PathOf("case.fti"), bytes);
        qv::test::TestEnv env;
        Franchise doc(2010, env.services);
        try {
            doc.LoadFromFile(PathOf("case.fti"));
        } catch (const Error& e) {
            return e.what();
        }
        return "(loaded)";
    }

    size_t FilesInDir() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
};

} // namespace

TEST_F(ReturnFileTest, NewReturnIs5304BytesAndReloadsByteForByte) {
    std::vector<uint8_t> bytes = NewReturnBytes();
    ASSERT_EQ(bytes.size(), 5304u);
    EXPECT_EQ(bytes[0], 11);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 12), "ostrel BLRX");
    EXPECT_EQ(LoadLE32(&bytes[12]), 7u);
    EXPECT_EQ(LoadLE32(&bytes[44]), 4248u);
    EXPECT_EQ(bytes[48 + 1], '1'); // TaxYear "10" at record offset 0
    EXPECT_EQ(std::string(bytes.begin() + 4296, bytes.begin() + 4300), "TPF0");

    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    doc.LoadFromFile(PathOf("new.fti"));
    EXPECT_EQ(doc.ReturnFileName, PathOf("new.fti"));
    doc.SaveToFile(PathOf("again.fti"));
    EXPECT_EQ(ReadAll(PathOf("again.fti")), bytes);
    EXPECT_EQ(doc.ReturnFileName, PathOf("again.fti"));
}

TEST_F(ReturnFileTest, RecordTablesAndForeignHeaderBytesSurviveLoadAndSave) {
    std::vector<uint8_t> bytes;
    {
        qv::test::TestEnv env;
        Franchise doc(2010, env.services);
        doc.Record.Set(fld::CorpName, "Acme Widgets, Inc.");
        doc.Record.Set(fld::CarriedText2, "carried over");
        doc.Record.Bytes[fld::Reserved1722.Def().Offset + 3] = 0x5A; // a reserved byte
        doc.Record.Set(fld::Bs1a, Money::FromDollars(-12));
        doc.FileHeader.Bytes[16] = 5; // another publisher address
        std::memcpy(&doc.FileHeader.Bytes[17], "x.org", 5);
        doc.FileHeader.Bytes[40] = 0xEE; // a reserved header byte
        env.dm.tblCurrDebt.Append();
        env.dm.tblCurrDebt.SetText("Name", "Bank");
        env.dm.tblCurrDebt.SetText("DueWI3Yrs", "10.5");
        env.dm.tblCurrDebt.Post();
        env.dm.tblOthInvest.Append();
        env.dm.tblOthInvest.SetText("Description", "Bonds");
        env.dm.tblOthInvest.Post();
        doc.SaveToFile(PathOf("a.fti"));
        bytes = ReadAll(PathOf("a.fti"));
    }
    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    doc.LoadFromFile(PathOf("a.fti"));
    EXPECT_EQ(doc.Record.Get(fld::CorpName), "Acme Widgets, Inc.");
    EXPECT_EQ(doc.Record.Get(fld::CarriedText2), "carried over");
    EXPECT_EQ(doc.FileHeader.PublisherAddress(), "x.org");
    EXPECT_EQ(env.dm.tblCurrDebt.AsMoney("DueWI3Yrs").Units(), 105000);
    EXPECT_EQ(env.dm.tblOthInvest.AsText("Description"), "Bonds");
    EXPECT_EQ(env.dm.tblAffiliates.RecordCount(), 0u);
    doc.SaveToFile(PathOf("b.fti"));
    EXPECT_EQ(ReadAll(PathOf("b.fti")), bytes);
}

TEST_F(ReturnFileTest, LoaderFailuresHaveTheirMessages) {
    const std::vector<uint8_t> good = NewReturnBytes();
    auto with = [&](size_t offset, std::initializer_list<uint8_t> patch) {
        std::vector<uint8_t> b = good;
        for (uint8_t v : patch)
            b.at(offset++) = v;
        return b;
    };
    auto length = [&](int32_t n) {
        std::vector<uint8_t> b = good;
        StoreLE32(&b[44], static_cast<uint32_t>(n));
        return b;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"empty file", {}, "Could not read file"},
        {"44 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 44), "Could not read file"},
        {"45 bytes", std::vector<uint8_t>(good.begin(), good.begin() + 45), "Stream read error"},
        {"signature case", with(1, {'O'}), "Could not read file - Unrecogonized File Type"},
        {"signature length byte", with(0, {10}), "Could not read file - Unrecogonized File Type"},
        {"version 6", with(12, {6}), "Could not read file - Unrecogonized File Type"},
        {"version 8", with(12, {8}), "Could not read file - Unrecogonized File Type"},
        {"record length = file size", length(5304), "Could not read file"},
        {"record length beyond the record", length(4249), "Could not read file"},
        {"negative record length", length(-1), "Could not read file"},
        {"record cut short", std::vector<uint8_t>(good.begin(), good.begin() + 4260), "Stream read error"},
        {"file shorter than its record", std::vector<uint8_t>(good.begin(), good.begin() + 1000),
         "Could not read file"},
        {"tables cut short", std::vector<uint8_t>(good.begin(), good.end() - 1), "Stream read error"},
        {"table signature", with(4296, {'X'}), "Invalid stream format"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadError(c.bytes), c.message) << c.what;
}

TEST_F(ReturnFileTest, ARejectedHeaderIsKeptAsRead) {
    std::vector<uint8_t> bytes = NewReturnBytes();
    bytes[12] = 6;
    WriteAll(PathOf("v6.fti"), bytes);
    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    EXPECT_THROW(doc.LoadFromFile(PathOf("v6.fti")), Error);
    EXPECT_EQ(doc.FileHeader.FormatVersion(), 6);
    EXPECT_EQ(doc.ReturnFileName, PathOf("v6.fti"));
    // Saving that document writes a header this program can read again.
    doc.SaveToFile(PathOf("saved.fti"));
    EXPECT_EQ(ReadAll(PathOf("saved.fti"))[12], 7);
}

TEST_F(ReturnFileTest, MissingFileBeepsAndSaysSoAndChangesNothing) {
    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    doc.Record.Set(fld::CorpName, "Still here");
    env.dm.tblAffiliates.Append();
    env.dm.tblAffiliates.Post();
    const std::string missing = PathOf("missing.fti");
    doc.LoadFromFile(missing);
    EXPECT_EQ(env.notices.Beeps, 1);
    ASSERT_EQ(env.notices.Errors.size(), 1u);
    EXPECT_EQ(env.notices.Errors[0], "The File " + missing + " does not exist!");
    EXPECT_EQ(doc.ReturnFileName, missing);
    EXPECT_EQ(doc.Record.Get(fld::CorpName), "Still here");
    EXPECT_EQ(env.dm.tblAffiliates.RecordCount(), 1u);
}

TEST_F(ReturnFileTest, ShortRecordLengthKeepsTheRestOfTheRecord) {
    std::vector<uint8_t> bytes = NewReturnBytes();
    // A record of 100 bytes followed directly by the table streams.
    std::vector<uint8_t> shortFile(bytes.begin(), bytes.begin() + 48 + 100);
    shortFile.insert(shortFile.end(), bytes.begin() + 4296, bytes.end());
    StoreLE32(&shortFile[44], 100);
    shortFile[48 + 14] = 3; // CorpName "Abc" lies within the first 100 bytes
    std::memcpy(&shortFile[48 + 15], "Abc", 3);
    WriteAll(PathOf("short.fti"), shortFile);
    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    doc.Record.Set(fld::Bs34, Money::FromDollars(7)); // beyond the bytes read
    doc.LoadFromFile(PathOf("short.fti"));
    EXPECT_EQ(doc.Record.Get(fld::CorpName), "Abc");
    EXPECT_EQ(doc.Record.Get(fld::Bs34), Money::FromDollars(7));
    EXPECT_EQ(doc.Record.Get(fld::F200FBeginMonth), "January");
}

TEST_F(ReturnFileTest, BlankTaxYearBecomes10) {
    std::vector<uint8_t> bytes = NewReturnBytes();
    struct Case {
        std::vector<uint8_t> stored;
        const char* loaded;
    };
    const Case cases[] = {
        {{2, ' ', ' '}, "10"}, {{0, 0, 0}, "10"}, {{2, '\t', 0x01}, "10"}, {{2, '0', '9'}, "09"}};
    for (const Case& c : cases) {
        for (size_t i = 0; i < c.stored.size(); ++i)
            bytes.at(48 + i) = c.stored[i];
        WriteAll(PathOf("year.fti"), bytes);
        qv::test::TestEnv env;
        Franchise doc(2010, env.services);
        doc.LoadFromFile(PathOf("year.fti"));
        EXPECT_EQ(doc.Record.Get(fld::TaxYear), c.loaded);
    }
}

TEST_F(ReturnFileTest, AFailedSaveLeavesTheEarlierFileAndNoTemporaryFile) {
    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    doc.SaveToFile(PathOf("keep.fti"));
    const std::vector<uint8_t> before = ReadAll(PathOf("keep.fti"));

    // Enough rows to make the file far larger than the size the process may write.
    for (int i = 0; i < 2000; ++i) {
        env.dm.tblAffiliates.Append();
        env.dm.tblAffiliates.SetText("Name", "Affiliate with a long name " + std::to_string(i));
        env.dm.tblAffiliates.Post();
    }
    struct rlimit old {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 20000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        doc.SaveToFile(PathOf("keep.fti"));
    } catch (const Error& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(message, "Stream write error: \"" + PathOf("keep.fti") + "\": File too large");
    EXPECT_EQ(ReadAll(PathOf("keep.fti")), before);
    EXPECT_EQ(FilesInDir(), 1u) << "the temporary file is gone";

    // A folder that does not exist.
    const std::string nowhere = PathOf("no/such/folder/x.fti");
    try {
        doc.SaveToFile(nowhere);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + nowhere + "\". No such file or directory");
    }
    EXPECT_EQ(doc.ReturnFileName, nowhere);
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(ReturnFileTest, SaveReplacesAnExistingFileAndKeepsItsPermissions) {
    qv::test::TestEnv env;
    Franchise doc(2010, env.services);
    WriteAll(PathOf("old.fti"), std::vector<uint8_t>(9000, 0xAB));
    fs::permissions(PathOf("old.fti"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    doc.SaveToFile(PathOf("old.fti"));
    EXPECT_EQ(ReadAll(PathOf("old.fti")).size(), 5304u);
    EXPECT_EQ(fs::status(PathOf("old.fti")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesInDir(), 1u);
}
