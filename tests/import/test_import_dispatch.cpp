#include "ByteStream.h"
#include "ComputeReturn.h"
#include "Error.h"
#include "ImportReturn.h"
#include "PriorFileBuilder.h"
#include "PriorYearConversion.h"
#include "TestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <span>

using namespace qv;
using namespace qv::test;

namespace {

void AddRow(ScheduleTable& t, const char* text) {
    t.Append();
    t.SetText(0, text);
    t.Post();
}

// A current-format return with balance-sheet amounts that the computation totals, saved without
// being computed.
std::string WriteCurrentReturn(const TempFolder& dir, const std::string& name, bool withTables = false) {
    TestEnv env;
    Franchise doc(2010, env.services);
    doc.Record.Set(fld::CorpName, "Current Co");
    doc.Record.Set(fld::Bs1a, Money::FromDollars(2000000));
    doc.Record.Set(fld::Bs1b, Money::FromDollars(500000));
    doc.Record.Set(fld::Bs33, Money::FromDollars(3000000));
    doc.Record.Set(fld::Bs34, Money::FromDollars(1000000));
    if (withTables) {
        AddRow(env.dm.tblAffiliates, "Affiliate One");
        AddRow(env.dm.tblCurrDebt, "Lender One");
    }
    const std::string path = dir.File(name);
    doc.SaveToFile(path);
    return path;
}

class Import : public ::testing::Test {
protected:
    TestEnv env;
    TempFolder dir;
    Franchise doc{2010, env.services};
    const Franchise blank{2010, env.services};
};

} // namespace

TEST_F(Import, CurrentFileIsLoadedUnderItsNameAndRecomputed) {
    const std::string path = WriteCurrentReturn(dir, "current.fti");
    const ImportResult r = ImportReturn(doc, path);
    EXPECT_EQ(r.Outcome, ImportOutcome::Loaded);
    EXPECT_EQ(r.ConvertedFrom(), std::nullopt);
    EXPECT_EQ(doc.ReturnFileName, path);

    TestEnv other;
    Franchise asRead(2010, other.services);
    asRead.LoadFromFile(path);
    EXPECT_NE(doc.Record, asRead.Record) << "not recomputed";
    ComputeReturn(asRead);
    EXPECT_EQ(doc.Record, asRead.Record);
}

TEST_F(Import, CurrentFileCanBeTakenAsRead) {
    const std::string path = WriteCurrentReturn(dir, "current.fti");
    ImportReturn(doc, path, {.RecomputeLoaded = false});
    TestEnv other;
    Franchise asRead(2010, other.services);
    asRead.LoadFromFile(path);
    EXPECT_EQ(doc.Record, asRead.Record);
}

class ImportPrior : public ::testing::TestWithParam<int> {};

TEST_P(ImportPrior, PriorFileIsConvertedRecomputedAndUntitled) {
    const int version = GetParam();
    TempFolder dir;
    const std::string path =
        dir.Write("prior.fti",
                  PriorFileBuilder(version).Text("CorpName", "Prior Co").Text("FEIN", "73-0000001").Bytes());
    TestEnv env;
    Franchise doc(2010, env.services);
    const ImportResult r = ImportReturn(doc, path);
    EXPECT_EQ(r.Outcome, ImportOutcome::Converted);
    EXPECT_EQ(r.ConvertedFrom(), 2003 + version);
    EXPECT_TRUE(doc.ReturnFileName.empty());
    EXPECT_EQ(doc.FileHeader.FormatVersion(), 7);
    EXPECT_EQ(doc.Record.Get(fld::TaxYear), "10");

    TestEnv other;
    Franchise expected(2010, other.services);
    ConvertPriorReturn(expected, version, path);
    ComputeReturn(expected);
    EXPECT_EQ(doc.Record, expected.Record);
    EXPECT_EQ(doc.Record.Get(fld::CorpName), "Prior Co");
    EXPECT_EQ(env.notices.Beeps, 0);
    EXPECT_TRUE(env.notices.Errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Editions, ImportPrior, ::testing::Range(1, 7),
                         [](const auto& p) { return std::to_string(2003 + p.param); });

TEST(ImportMessage, NamesTheEditionYear) {
    EXPECT_EQ(ConvertedMessage(2006),
              "Version 2006 Data has been converted, however, additional schedules could not be converted.");
    EXPECT_EQ(ConvertedMessage(2004),
              "Version 2004 Data has been converted, however, additional schedules could not be converted.");
}

TEST_F(Import, MissingFileIsReportedTwiceAndLeavesABlankReturnUnderThatName) {
    const std::string path = dir.File("gone.fti");
    const ImportResult r = ImportReturn(doc, path);
    EXPECT_EQ(r.Outcome, ImportOutcome::Missing);
    const std::string text = "The File " + path + " does not exist!";
    EXPECT_EQ(env.notices.Beeps, 2);
    EXPECT_EQ(env.notices.Errors, (std::vector<std::string>{text, text}));
    EXPECT_EQ(doc.Record, blank.Record);
    EXPECT_EQ(doc.ReturnFileName, path);
}

// Every file that cannot be read ends with its message and leaves a blank return without a name,
// so a later save can never write over the file that failed.
TEST_F(Import, MalformedFileEndsWithItsMessageAndABlankUntitledReturn) {
    struct Case {
        const char* what;
        std::function<std::string()> write;
        std::string_view message;
        bool tablesEmptied;
    };
    auto withHeader = [&](const char* name, int32_t version) {
        return dir.Write(name, PriorFileBuilder(3).FormatVersion(version).Bytes());
    };
    const Case cases[] = {
        {"44 bytes", [&] { return dir.Write("short.fti", PriorFileBuilder(3).Bytes().substr(0, 44)); },
         msg::CouldNotReadFile, false},
        {"no signature", [&] { return dir.Write("junk.fti", std::string(100, 'j')); },
         msg::UnrecognizedFileType, true},
        {"version 0", [&] { return withHeader("v0.fti", 0); }, msg::UnrecognizedFileType, true},
        {"version 8", [&] { return withHeader("v8.fti", 8); }, msg::UnrecognizedFileType, true},
        {"current file with the record length of its size",
         [&] {
             std::string bytes = ReadAll(WriteCurrentReturn(dir, "c.fti"));
             const uint32_t size = static_cast<uint32_t>(bytes.size());
             for (int i = 0; i < 4; ++i)
                 bytes[44 + i] = static_cast<char>(size >> (8 * i));
             return dir.Write("len.fti", bytes);
         },
         msg::CouldNotReadFile, true},
        {"current file cut in its last table",
         [&] {
             const std::string bytes = ReadAll(WriteCurrentReturn(dir, "t.fti", true));
             return dir.Write("cut.fti", bytes.substr(0, bytes.size() - 20));
         },
         msg::StreamReadError, true},
        {"prior file with a record length beyond its edition",
         [&] {
             return dir.Write(
                 "prior.fti",
                 PriorFileBuilder(3).DeclaredLength(4201).Trailing(std::string(10, 'x')).Bytes());
         },
         msg::CouldNotReadFile, false},
        {"prior file cut in its record",
         [&] {
             return dir.Write("priorcut.fti",
                              PriorFileBuilder(5).DeclaredLength(2990).Bytes().substr(0, 3000));
         },
         msg::StreamReadError, false},
    };
    for (const Case& c : cases) {
        TestEnv local;
        Franchise target(2010, local.services);
        AddRow(local.dm.tblOthInvest, "before the import");
        const std::string path = c.write();
        try {
            ImportReturn(target, path);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(std::string_view(e.what()), c.message) << c.what;
        }
        EXPECT_TRUE(target.ReturnFileName.empty()) << c.what;
        EXPECT_EQ(target.Record, blank.Record) << c.what;
        EXPECT_EQ(target.FileHeader, blank.FileHeader) << c.what;
        for (ScheduleTable* t : local.dm.FileTables()) {
            const bool expectEmpty = c.tablesEmptied || t != &local.dm.tblOthInvest;
            EXPECT_EQ(t->IsEmpty(), expectEmpty) << c.what << " " << t->Name();
        }
    }
}

// A share count whose shortest decimal form is written without an exponent and with trailing
// zeros (19 digits) once overflowed the computation's significand.
TEST(ImportCompute, ConvertedShareCountWithTrailingZerosIsComputedExactly) {
    TempFolder dir;
    TestEnv env;
    Franchise doc(2010, env.services);
    const std::string path =
        dir.Write("shares.fti", PriorFileBuilder(6)
                                    .Double("SchedBAuthCommonShares", 1234567890123400000.0)
                                    .Money("SchedBAuthCommonPar", 1)
                                    .Bytes());
    ImportReturn(doc, path);
    // 1,234,567,890,123,400,000 shares at $0.0001 each.
    EXPECT_EQ(doc.Record.Get(fld::SchedBAuthCommonBook).Units(), 1234567890123400000);
}

TEST_F(Import, AComputationErrorAfterAFullReadKeepsTheReturnAsRead) {
    // Apportionment under Option 1 with line 8 zero: line 7 is the negative of line 2.
    std::string path;
    {
        TestEnv other;
        Franchise saved(2010, other.services);
        saved.Record.Set(fld::CorpName, "Zero Line Eight Co");
        saved.Record.Set(fld::Bs1a, Money::FromDollars(1000));
        saved.Record.Set(fld::Bs1b, Money::FromDollars(400));
        saved.Record.Set(fld::Bs33, Money::FromDollars(-1000));
        AddRow(other.dm.tblAffiliates, "Kept");
        path = dir.File("line8.fti");
        saved.SaveToFile(path);
    }
    try {
        ImportReturn(doc, path);
        FAIL() << "the computation should have stopped";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Line 8"), std::string::npos) << e.what();
    }
    EXPECT_EQ(doc.Record.Get(fld::CorpName), "Zero Line Eight Co");
    EXPECT_EQ(doc.ReturnFileName, path);
    EXPECT_EQ(env.dm.tblAffiliates.RecordCount(), 1u);
}

// The import reads its file once, from the start; the same bytes in memory give the same return,
// the same outcome and the same messages, for every edition and for what is refused.
TEST(ImportFromBytes, GivesWhatTheFileGives) {
    TempFolder dir;
    struct Case {
        std::string name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"current", ReadAll(WriteCurrentReturn(dir, "current.fti", true))},
        {"header only", std::string(44, 'x')},
        {"foreign", std::string(200, 'x')},
    };
    for (int version = 1; version <= 6; ++version)
        cases.push_back({"edition " + std::to_string(2003 + version),
                         PriorFileBuilder(version).Text("CorpName", "Prior Co").Bytes()});
    for (const Case& c : cases) {
        TestEnv fromFile;
        Franchise a(2010, fromFile.services);
        const std::string path = dir.Write("case.fti", c.bytes);
        std::string fileError;
        std::optional<ImportResult> fileResult;
        try {
            fileResult = ImportReturn(a, path);
        } catch (const Error& e) {
            fileError = e.what();
        }

        TestEnv fromMemory;
        Franchise b(2010, fromMemory.services);
        ByteReader in(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size()));
        std::string memoryError;
        std::optional<ImportResult> memoryResult;
        try {
            memoryResult = ImportReturn(b, in, path);
        } catch (const Error& e) {
            memoryError = e.what();
        }

        EXPECT_EQ(memoryError, fileError) << c.name;
        ASSERT_EQ(memoryResult.has_value(), fileResult.has_value()) << c.name;
        if (fileResult) {
            EXPECT_EQ(memoryResult->Outcome, fileResult->Outcome) << c.name;
            EXPECT_EQ(memoryResult->EditionYear, fileResult->EditionYear) << c.name;
        }
        EXPECT_TRUE(b.Record.Bytes == a.Record.Bytes) << c.name;
        EXPECT_EQ(b.ReturnFileName, a.ReturnFileName) << c.name;
        EXPECT_EQ(fromMemory.dm.tblAffiliates.RecordCount(), fromFile.dm.tblAffiliates.RecordCount())
            << c.name;
        EXPECT_EQ(fromMemory.notices.Errors, fromFile.notices.Errors) << c.name;
    }
}
