// fti apply and fti new --from: figures put into a return from JSON and CSV, all or nothing.

#include "CliRun.h"
#include "Json.h"
#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using qv::test::FtiResult;
using qv::test::ReadAll;
using qv::test::RunFti;

const fs::path kExamples = fs::path(QV_SOURCE_DIR) / "examples";

// The record and the tables of a `fti show`, which must survive a round trip exactly.
std::string RecordAndTables(const std::string& shown) {
    const size_t at = shown.find("\"record\": ");
    return at == std::string::npos ? std::string() : shown.substr(at);
}

class Apply : public ::testing::Test {
protected:
    qv::test::TempFolder dir;

    std::string Copy(const std::string& example) {
        const std::string to = dir.File(example);
        fs::copy_file(kExamples / example, to);
        return to;
    }
    std::string Show(const std::string& file) {
        FtiResult r = RunFti({"show", file});
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }
};

struct RoundTripCase {
    const char* name;
    const char* example;
};

class RoundTrip : public Apply, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, ShowIntoNewFromGivesTheSameRecordAndRows) {
    const std::string shown = Show((kExamples / GetParam().example).string());
    const std::string json = dir.Write("shown.json", shown);
    FtiResult r = RunFti({"new", dir.File("copy.fti"), "--from", json});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(RecordAndTables(Show(dir.File("copy.fti"))), RecordAndTables(shown));
}

INSTANTIATE_TEST_SUITE_P(Returns, RoundTrip,
                         ::testing::Values(RoundTripCase{"Example", "acme.fti"},
                                           RoundTripCase{"Converted2005", "sample-2005.fti"}),
                         [](const auto& p) { return std::string(p.param.name); });

struct BadCase {
    const char* name;
    const char* json;
    const char* message; // the end of the last line of standard error
};

class BadInput : public Apply, public ::testing::WithParamInterface<BadCase> {};

TEST_P(BadInput, EndsWithTheMessageAndLeavesTheReturnAsItWas) {
    const std::string file = Copy("acme.fti");
    const std::string before = ReadAll(file);
    const std::string changes = dir.Write("changes.json", GetParam().json);
    FtiResult r = RunFti({"apply", file, changes});
    EXPECT_EQ(r.status, 1);
    const std::string last = r.LastErrorLine();
    const std::string expected = GetParam().message;
    ASSERT_GE(last.size(), expected.size()) << last;
    EXPECT_EQ(last.substr(last.size() - expected.size()), expected) << last;
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_EQ(fs::directory_iterator(dir.Path()) == fs::directory_iterator(), false);
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 2u) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BadInput,
    ::testing::Values(
        BadCase{"UnknownField", R"({"record": {"Bs99": "1"}})", "record: unknown field \"Bs99\""},
        BadCase{"UnknownPart", R"({"recrod": {}})", "unknown part \"recrod\" (record, tables)"},
        BadCase{"UnknownTable", R"({"tables": {"tblDebts": {"rows": []}}})",
                "unknown table \"tblDebts\" (tblAffiliates, tblSubsidiaries, tblOthCurrAssets, tblOthInvest, "
                "tblCurrDebt)"},
        BadCase{"UnknownColumn", R"({"tables": {"tblCurrDebt": {"rows": [{"values": {"Lender": "x"}}]}}})",
                "tables.tblCurrDebt row 1: unknown column \"Lender\""},
        BadCase{"AmountNotANumber", R"({"record": {"Bs1a": "12,50"}})",
                "record.Bs1a: \"12,50\" is not an amount (a number, or a decimal text such as \"1234.50\")"},
        BadCase{"AmountWithFiveDecimals", R"({"record": {"Bs1a": "1.23456"}})",
                "record.Bs1a: \"1.23456\" has more than four decimals"},
        BadCase{"AmountBeyondRange", R"({"record": {"Bs1a": 1e30}})",
                "record.Bs1a: 1e30 is not an amount (a number, or a decimal text such as \"1234.50\")"},
        BadCase{"TextGivenANumber", R"({"record": {"CorpName": 12}})", "record.CorpName: 12 is not a text"},
        BadCase{"YesNoNotYOrN", R"({"record": {"AddressChange": "yes"}})",
                "record.AddressChange: \"yes\" is not \"Y\" or \"N\""},
        BadCase{"BooleanOutOfRange", R"({"record": {"F200FElect": 2000}})",
                "record.F200FElect: 2000 is not 0 or 1"},
        BadCase{"WholeNumberWithFraction", R"({"record": {"SchedBFiscalYear": 2010.5}})",
                "record.SchedBFiscalYear: 2010.5 is not a whole number"},
        BadCase{"DateNotADate", R"({"record": {"DueDate": "2010-02-30"}})",
                "record.DueDate: \"2010-02-30\" is not a date (YYYY-MM-DD)"},
        BadCase{"ReservedField", R"({"record": {"Reserved1427": 0}})",
                "record.Reserved1427 is reserved and cannot be set"},
        BadCase{"ComputedLine", R"({"record": {"Bs6a": "5.0000"}})",
                "record.Bs6a: \"5.0000\" cannot be set: the line is computed, and the computation gives "
                "\"1824245.4200\""},
        BadCase{"NotWindows1252", R"({"record": {"CorpName": "\u03a9 Holdings"}})",
                "record.CorpName: \"\xCE\xA9 Holdings\" cannot be written in Windows-1252"},
        BadCase{"MaskMisfit", R"({"record": {"FEIN": "73-12345678"}})",
                "record.FEIN: \"73-12345678\" does not fit the entry 99-9999999 (give the digits alone or "
                "the whole entry)"},
        BadCase{"NullForAnAmount", R"({"record": {"Bs1a": null}})",
                "record.Bs1a: null is not allowed here: give a value"},
        BadCase{"RowStatus", R"({"tables": {"tblCurrDebt": {"rows": [{"status": 9, "values": {}}]}}})",
                "tables.tblCurrDebt row 1, status: 9 is not a row status 0 to 3"},
        BadCase{"SyntaxError", "{\"record\": {\n  \"Bs1a\": 1,,\n}}",
                "changes.json: line 2, column 13: expected a member name"},
        BadCase{"NotAnObject", "[1, 2]", "changes.json must be an object, not an array"},
        BadCase{"DuplicateMember", R"({"record": {"Bs1a": 1, "Bs1a": 2}})", "member \"Bs1a\" given twice"},
        BadCase{"InvalidUtf8", "{\"record\": {\"CorpName\": \"\xC3\x28\"}}", "invalid UTF-8"},
        // A good value before the bad one must not reach the file either.
        BadCase{"GoodThenBad", R"({"record": {"Bs1a": 5, "Bs2a": "x"}})",
                "record.Bs2a: \"x\" is not an amount (a number, or a decimal text such as \"1234.50\")"}),
    [](const auto& p) { return std::string(p.param.name); });

struct ValueCase {
    const char* name;
    const char* json;  // the changes
    const char* field; // a line of `fti show` that must follow
    const char* expected;
};

class Values : public Apply, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(Values, AreStoredAsTheWindowStoresThem) {
    const std::string file = dir.File("new.fti");
    FtiResult r = RunFti({"new", file, "--from", dir.Write("c.json", GetParam().json)});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string shown = Show(file);
    const std::string line = std::string("\"") + GetParam().field + "\": " + GetParam().expected;
    EXPECT_NE(shown.find(line), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Values,
    ::testing::Values(
        ValueCase{"MoneyFromNumber", R"({"record": {"Bs1a": 1234.5}})", "Bs1a", R"("1234.5000")"},
        ValueCase{"MoneyHalfToEvenDown", R"({"record": {"Bs1a": 0.00005}})", "Bs1a", R"("0.0000")"},
        ValueCase{"MoneyHalfToEvenUp", R"({"record": {"Bs1a": 0.00015}})", "Bs1a", R"("0.0002")"},
        ValueCase{"MoneyWithExponent", R"({"record": {"Bs1a": 1.5e3}})", "Bs1a", R"("1500.0000")"},
        ValueCase{"MoneyNegativeText", R"({"record": {"Bs1a": "-7.5"}})", "Bs1a", R"("-7.5000")"},
        ValueCase{"DateFromIsoText", R"({"record": {"DueDate": "2010-04-15"}})", "DueDate", "40283"},
        ValueCase{"DateFromDayNumber", R"({"record": {"DueDate": 40283}})", "DueDate", "40283"},
        ValueCase{"TextCutToCapacity", R"({"record": {"TaxYear": "2010"}})", "TaxYear", R"("20")"},
        ValueCase{"TextToWindows1252", R"({"record": {"CorpName": "Caf\u00e9 \u20ac"}})", "CorpName",
                  "\"Caf\xC3\xA9 \xE2\x82\xAC\""},
        ValueCase{"FeinDigitsGetTheHyphen", R"({"record": {"FEIN": "731234567"}})", "FEIN",
                  R"("73-1234567")"},
        ValueCase{"SsnPartlyGiven", R"({"record": {"SchedAPresSSN": "12345"}})", "SchedAPresSSN",
                  R"("123-45-    ")"},
        ValueCase{"PhoneAsTheMaskShowsIt", R"({"record": {"SchedAPresPhone": "(405) 555-0100"}})",
                  "SchedAPresPhone", R"("(405) 555-0100")"},
        ValueCase{"BlankMaskKept", R"({"record": {"FEIN": "  -       "}})", "FEIN", R"("  -       ")"},
        ValueCase{"DoubleNaNAsShowWritesIt", R"({"record": {"SchedBPctParentOwned": "NaN"}})",
                  "SchedBPctParentOwned", R"("NaN")"},
        ValueCase{"BooleanFromTrue", R"({"record": {"MMForeignCorp": true}})", "MMForeignCorp", "1"},
        ValueCase{
            "TableFeinMasked",
            R"({"tables": {"tblAffiliates": {"rows": [{"values": {"Name": "A", "FEIN": "731234567"}}]}}})",
            "FEIN", R"("73-1234567")"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Apply, CsvRowsAreAppendedWithQuotingAByteOrderMarkAndMissingColumns) {
    const std::string file = Copy("acme.fti");
    const std::string before = Show(file);
    // Quoted comma, doubled quote, a line break inside quotes, CRLF line ends, a blank last line;
    // the file has no MaturityDate column, which stays empty.
    const std::string csv = dir.Write("debts.csv", "\xEF\xBB\xBF"
                                                   "Name,IssueDate,OriginalAmount,DueWI3Yrs\r\n"
                                                   "\"First, \"\"Main\"\" Bank\",01/15/2009,1000.50,250\r\n"
                                                   "\"Two\nLines\",,2e3,\r\n"
                                                   "\r\n");
    FtiResult r = RunFti({"apply", file, dir.Write("none.json", "{}"), "--table", "tblCurrDebt=" + csv});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string after = Show(file);
    EXPECT_NE(
        after.find(
            R"({"Name": "First, \"Main\" Bank", "IssueDate": "01/15/2009", "MaturityDate": null, "OriginalAmount": "1000.5000", "DueWI3Yrs": "250.0000"})"),
        std::string::npos);
    EXPECT_NE(
        after.find(
            R"({"Name": "Two\nLines", "IssueDate": null, "MaturityDate": null, "OriginalAmount": "2000.0000", "DueWI3Yrs": null})"),
        std::string::npos);
    // Appended: the rows the example had are still there.
    qv::cli::JsonValue b = qv::cli::ParseJson(before, "before"), a = qv::cli::ParseJson(after, "after");
    const auto rows = [](const qv::cli::JsonValue& v) {
        return v.Find("tables")->Find("tblCurrDebt")->Find("rows")->Items.size();
    };
    EXPECT_EQ(rows(a), rows(b) + 2);
}

struct CsvBadCase {
    const char* name;
    const char* csv;
    const char* message;
};

class CsvBad : public Apply, public ::testing::WithParamInterface<CsvBadCase> {};

TEST_P(CsvBad, NamesTheLineAndColumnAndLeavesTheReturnAsItWas) {
    const std::string file = Copy("acme.fti");
    const std::string before = ReadAll(file);
    const std::string csv = dir.Write("rows.csv", GetParam().csv);
    FtiResult r = RunFti({"apply", file, dir.Write("none.json", "{}"), "--table", "tblCurrDebt=" + csv});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(), csv + GetParam().message);
    EXPECT_EQ(ReadAll(file), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvBad,
    ::testing::Values(CsvBadCase{"ExtraColumn", "Name,Rate\nBank,5\n",
                                 " line 1: unknown column \"Rate\" of tblCurrDebt"},
                      CsvBadCase{"BadAmount", "Name,OriginalAmount\nBank,100\nBank 2,ten\n",
                                 " line 3, column \"OriginalAmount\": \"ten\" is not an amount (a number, or "
                                 "a decimal text such as \"1234.50\")"},
                      CsvBadCase{"TooManyFields", "Name,OriginalAmount\nBank,100,7\n",
                                 " line 2: 3 fields where the header names 2"},
                      CsvBadCase{"OpenQuote", "Name\n\"Bank\n", " line 2: a quoted field is not closed"},
                      CsvBadCase{"StrayQuote", "Name\nBa\"nk\n", " line 2: a quote inside an unquoted field"},
                      CsvBadCase{"Empty", "", ": no header line naming the columns"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(Apply, ReplaceRowsReplacesOnlyTheTablesGiven) {
    const std::string file = Copy("acme.fti");
    const std::string changes =
        dir.Write("c.json", R"({"tables": {"tblCurrDebt": {"rows": [{"values": {"Name": "Only"}}]}}})");
    FtiResult r = RunFti({"apply", file, changes, "--replace-rows"});
    ASSERT_EQ(r.status, 0) << r.err;
    const qv::cli::JsonValue shown = qv::cli::ParseJson(Show(file), "shown");
    const auto& tables = *shown.Find("tables");
    ASSERT_EQ(tables.Find("tblCurrDebt")->Find("rows")->Items.size(), 1u);
    EXPECT_FALSE(tables.Find("tblSubsidiaries")->Find("rows")->Items.empty());
}

TEST_F(Apply, APriorYearReturnIsConvertedAndSavedOnlyToAFileOfItsOwn) {
    const std::string prior = Copy("sample-2009.fti");
    const std::string before = ReadAll(prior);
    const std::string changes = dir.Write("c.json", R"({"record": {"Bs1a": 10}})");
    FtiResult r = RunFti({"apply", prior, changes});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.LastErrorLine(),
              "The File " + prior +
                  " is a return of the 2009 edition; give the current return its own file with -o OUT (or fti convert)");
    EXPECT_EQ(ReadAll(prior), before);

    r = RunFti({"apply", prior, changes, "-o", dir.File("current.fti")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadAll(prior), before);
    EXPECT_NE(Show(dir.File("current.fti")).find("\"Bs1a\": \"10.0000\""), std::string::npos);
}

TEST_F(Apply, UsageErrorsExitWith2) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"apply"},
                                               {"apply", "a.fti"},
                                               {"apply", "a.fti", "c.json", "extra"},
                                               {"apply", "a.fti", "c.json", "--table"},
                                               {"apply", "a.fti", "c.json", "--table", "noequals"},
                                               {"apply", "a.fti", "c.json", "--bogus"},
                                               {"new", "x.fti", "--from"}}) {
        FtiResult r = RunFti(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
}

struct JsonCase {
    const char* name;
    const char* text;
    const char* message; // empty: parses
};

class JsonParse : public ::testing::TestWithParam<JsonCase> {};

TEST_P(JsonParse, AcceptsJsonAndRefusesTheRest) {
    const std::string text = GetParam().text;
    if (*GetParam().message == '\0') {
        EXPECT_NO_THROW(qv::cli::ParseJson(text, "t"));
        return;
    }
    try {
        qv::cli::ParseJson(text, "t");
        ADD_FAILURE() << "parsed";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonParse,
    ::testing::Values(
        JsonCase{"SurrogatePair", R"({"a": "\ud83d\ude00"})", ""},
        JsonCase{"LoneSurrogate", R"(["\ud83d"])", "t: line 1, column 9: unpaired surrogate in a \\u escape"},
        JsonCase{"OverlongUtf8", "[\"\xC0\xAF\"]", "t: line 1, column 3: invalid UTF-8"},
        JsonCase{"ControlInString", "[\"a\tb\"]", "t: line 1, column 4: control character in a string"},
        JsonCase{"LeadingZero", "[01]", "t: line 1, column 3: expected ']'"},
        JsonCase{"TrailingText", "{} x", "t: line 1, column 4: unexpected text after the JSON value"},
        JsonCase{"TooDeep",
                 "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]"
                 "]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]",
                 "t: line 1, column 66: nesting too deep"},
        JsonCase{"Unterminated", R"({"a": "b)", "t: line 1, column 9: unterminated string"}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
