#include "ComputeReturn.h"
#include "FieldText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

using namespace qv;
using namespace qv::test;

namespace {

struct Value {
    const char* field;
    const char* text;
};

struct Case {
    const char* name;
    std::vector<Value> inputs;
    std::vector<Value> expected;
};

void Apply(ReturnRecord& r, const std::vector<Value>& values) {
    for (const Value& v : values)
        SetField(r, v.field, v.text);
}

void ExpectLines(const ReturnRecord& r, const Case& c) {
    for (const Value& e : c.expected)
        EXPECT_EQ(FieldText(r, e.field), ExpectedText(e.field, e.text)) << c.name << ": " << e.field;
}

void RunCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        ReturnFixture f;
        Apply(f.Rec(), c.inputs);
        ComputeReturn(*f.doc);
        ExpectLines(f.Rec(), c);
    }
}

// Stale values in every line the computation derives, so that a line it forgets shows.
const std::vector<Value> kStaleLines = {
    {"F200Line4", "7"},  {"F200Line5", "7"}, {"F200Line6", "7"},  {"F200Line7", "7"},
    {"F200Line8", "7"},  {"F200Line9", "7"}, {"F200Line10", "7"}, {"F200Line11", "7"},
    {"F200Line14", "7"}, {"MMLine3", "7"},   {"Bs21", "7"},       {"Bs28a", "7"},
};

std::vector<Value> With(std::vector<Value> a, const std::vector<Value>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void AppendDebtRow(ScheduleTable& t, const char* dueWithin3Yrs) {
    t.Append();
    t.SetText("Name", "Lender");
    if (dueWithin3Yrs != nullptr)
        t.SetText("DueWI3Yrs", dueWithin3Yrs);
    t.Post();
}

} // namespace

TEST(ComputeReturn, BalanceSheetTotals) {
    // Powers of two show which lines each total takes and with which sign.
    RunCases({{"every balance-sheet line",
               {{"Bs1a", "1"},
                {"Bs2a", "2"},
                {"Bs3a", "4"},
                {"Bs4a", "8"},
                {"Bs5a", "16"},
                {"Bs7a", "32"},
                {"Bs8a", "64"},
                {"Bs9aa", "128"},
                {"Bs9ba", "256"},
                {"Bs10aa", "512"},
                {"Bs10ba", "1024"},
                {"Bs11aa", "2048"},
                {"Bs11ba", "4096"},
                {"Bs12a", "8192"},
                {"Bs13aa", "16384"},
                {"Bs13ba", "32768"},
                {"Bs14a", "65536"},
                {"Bs16aa", "131072"},
                {"Bs16ba", "262144"},
                {"Bs16ca", "524288"},
                {"Bs17a", "1048576"},
                {"Bs1b", "0.01"},
                {"Bs2b", "0.02"},
                {"Bs3b", "0.04"},
                {"Bs4b", "0.08"},
                {"Bs5b", "0.16"},
                {"Bs7b", "0.32"},
                {"Bs8b", "0.64"},
                {"Bs9ab", "1.28"},
                {"Bs9bb", "2.56"},
                {"Bs10ab", "5.12"},
                {"Bs10bb", "10.24"},
                {"Bs11ab", "20.48"},
                {"Bs11bb", "40.96"},
                {"Bs12b", "81.92"},
                {"Bs13ab", "163.84"},
                {"Bs13bb", "327.68"},
                {"Bs14b", "655.36"},
                {"Bs16ab", "1310.72"},
                {"Bs16bb", "2621.44"},
                {"Bs16cb", "5242.88"},
                {"Bs17b", "10485.76"},
                {"Bs19", "1"},
                {"Bs20", "2"},
                {"Bs22", "2048"},
                {"Bs24a", "4096"},
                {"Bs24b", "8192"},
                {"Bs24c", "16384"},
                {"Bs25", "32768"},
                {"Bs26", "65536"},
                {"Bs27", "131072"},
                {"Bs29", "262144"},
                {"Bs30", "524288"},
                {"Bs31", "1048576"},
                {"SchedDDebt1DueWithin3Yrs", "4"},
                {"SchedDDebt2DueWithin3Yrs", "8"},
                {"SchedDDebt3DueWithin3Yrs", "16"},
                {"SchedDDebt4DueWithin3Yrs", "32"},
                {"SchedDDebt5DueWithin3Yrs", "64"},
                {"SchedDDebt6DueWithin3Yrs", "128"},
                {"SchedDDebt7DueWithin3Yrs", "256"},
                {"SchedDDebt8DueWithin3Yrs", "512"},
                {"SchedDDebt9DueWithin3Yrs", "1024"},
                {"SchedBIssuedPrefShares", "10"},
                {"SchedBIssuedPrefPar", "1"},
                {"SchedBIssuedCommonShares", "1000"},
                {"SchedBIssuedCommonPar", "0.5"}},
               {{"Bs6a", "31"},
                {"Bs15a", "54783"},
                {"Bs18a", "2020863"},
                {"Bs6b", "0.31"},
                {"Bs15b", "547.83"},
                {"Bs18b", "20208.63"},
                {"Bs21", "2044"},
                {"Bs23", "4095"},
                {"Bs28a", "10"},
                {"Bs28b", "500"},
                {"Bs32", "2097661"},
                {"F200Line1", "548"},
                {"F200Line2", "54783"},
                {"F200Line3", "4095"},
                {"F200Line9", "100"},
                {"F200Line11", "1000"},
                {"F200Line12", "10"}}}});
}

TEST(ComputeReturn, Form200LinesOnBothPathsAndOptions) {
    const std::vector<Value> apportioned = {{"Bs1a", "2000000"},
                                            {"Bs1b", "500000"},
                                            {"Bs19", "400000"},
                                            {"Bs33", "3000000"},
                                            {"Bs34", "1000000"}};
    RunCases({
        {"all assets in Oklahoma",
         With({{"Bs1a", "1234567.89"}, {"Bs1b", "1234567.89"}, {"Bs19", "234567.50"}}, kStaleLines),
         {{"F200Line1", "1234568"},
          {"F200Line2", "0"},
          {"F200Line3", "234568"},
          {"F200Line4", "1000000"},
          {"F200Line12", "1250"},
          {"F200Line5", "0"},
          {"F200Line6", "0"},
          {"F200Line7", "0"},
          {"F200Line8", "0"},
          {"F200Line9", "0"},
          {"F200Line10", "0"},
          {"F200Line11", "0"},
          {"F200Line18", "1250"}}},
        {"capital one dollar above a multiple of $1,000",
         {{"Bs1a", "1000001"}, {"Bs1b", "1000001"}},
         {{"F200Line4", "1001000"}, {"F200Line12", "1251.25"}}},
        {"no assets at all take the same path",
         With({{"DueDate", "2010-04-15"}}, kStaleLines),
         {{"F200Line2", "0"}, {"F200Line4", "0"}, {"F200Line9", "0"}, {"F200Line12", "0"}}},
        {"negative capital rounds up toward zero",
         {{"Bs1a", "-1500"}, {"Bs1b", "-1500"}, {"DueDate", "2008-01-01"}},
         {{"F200Line1", "-1500"}, {"F200Line4", "-1000"}, {"F200Line12", "0"}}},
        {"halves of a dollar round away from zero",
         {{"Bs1a", "-2.50"}, {"Bs1b", "2.50"}, {"Bs19", "0.49"}},
         {{"F200Line1", "3"}, {"F200Line2", "-3"}, {"F200Line3", "0"}}},
        {"different cents that round alike still apportion",
         {{"Bs1a", "100.40"}, {"Bs1b", "100.10"}, {"DueDate", "2010-04-15"}},
         {{"F200Line1", "100"}, {"F200Line2", "100"}, {"F200Line9", "10000"}, {"F200Line11", "1000"}}},
        {"apportionment, option 1",
         With(apportioned, {{"F200Option1", "Y"}}),
         {{"F200Line4", "0"},
          {"F200Line5", "1000000"},
          {"F200Line6", "1500000"},
          {"F200Line7", "3000000"},
          {"F200Line8", "5000000"},
          {"F200Line9", "3000"},
          {"F200Line10", "1600000"},
          {"F200Line11", "480000"},
          {"F200Line12", "600"}}},
        {"apportionment, option 2",
         With(apportioned, {{"F200Option1", "N"}, {"F200Option2", "Y"}}),
         {{"F200Line9", "2500"}, {"F200Line11", "400000"}, {"F200Line12", "500"}}},
        {"only an exact Y chooses option 1",
         With(apportioned, {{"F200Option1", "y"}, {"F200Option2", "N"}}),
         {{"F200Line9", "2500"}}},
        {"an empty option 1 flag gives option 2, a third",
         {{"Bs1a", "3"}, {"Bs1b", "1"}, {"F200Option1", ""}},
         {{"F200Line9", "3333"}, {"F200Line10", "3"}, {"F200Line11", "1000"}}},
        {"two thirds round up",
         {{"Bs1a", "3"}, {"Bs1b", "2"}, {"F200Option1", "N"}},
         {{"F200Line9", "6667"}}},
        {"a half of a ten-thousandth rounds away from zero",
         {{"Bs1a", "100000"}, {"Bs1b", "12345"}, {"F200Option1", "N"}},
         {{"F200Line9", "1235"}, {"F200Line11", "13000"}}},
        {"a negative fraction rounds away from zero, line 11 up toward zero",
         {{"Bs1a", "100000"}, {"Bs1b", "-12345"}, {"F200Option1", "N"}, {"DueDate", "2008-01-01"}},
         {{"F200Line9", "-1235"}, {"F200Line10", "100000"}, {"F200Line11", "-12000"}, {"F200Line12", "0"}}},
    });
}

TEST(ComputeReturn, MinimumExemptionAndMaximumByDueDate) {
    // The capital employed gives the tax before the rules: $1.25 per $1,000.
    struct DueCase {
        const char* due;
        const char* capital;
        const char* tax;
    };
    const DueCase cases[] = {
        {"2006-06-30", "4000", "10"},
        {"2006-06-30", "8000", "10"},
        {"", "4000", "10"},
        {"2006-06-30", "-5000", "10"},
        {"2006-07-01", "8000", "0"},
        {"2006-07-01", "9000", "11.25"},
        {"2007-12-31", "7000", "0"},
        {"2008-01-01", "200000", "0"},
        {"2008-01-01", "201000", "251.25"},
        {"2006-06-30", "20000000", "20000"},
        {"2007-01-01", "20000000", "20000"},
        {"2010-04-15", "20000000", "20000"},
        {"2010-04-15", "16000000", "20000"},
        {"2010-04-15", "16001000", "20000"},
        {"2010-04-15", "15999000", "19998.75"},
    };
    std::vector<Case> table;
    for (const DueCase& d : cases)
        table.push_back({d.due,
                         {{"DueDate", d.due}, {"Bs1a", d.capital}, {"Bs1b", d.capital}},
                         {{"F200Line12", d.tax}, {"F200Line18", d.tax}}});
    RunCases(table);
}

TEST(ComputeReturn, InterestAndTotalsDue) {
    const std::vector<Value> fees = {{"F200Line13", "15"},  {"F200Line15", "2"}, {"F200Line16", "3"},
                                     {"F200Line17", "100"}, {"MMLine2", "5"},    {"MMLine4", "0.25"},
                                     {"MMLine5", "1"},      {"MMLine6", "20"}};
    RunCases({
        {"three months on a tax of 600",
         With({{"InterestMonths", "3"}, {"Bs1a", "480000"}, {"Bs1b", "480000"}, {"MMLine1", "20000"}}, fees),
         {{"F200Line12", "600"},
          {"F200Line14", "22.50"},
          {"F200Line18", "542.50"},
          {"MMLine3", "750"},
          {"MMLine7", "20736.25"}}},
        {"a half cent of interest rounds up, Min/Max keeps four places",
         {{"InterestMonths", "1"}, {"MMLine1", "10"}},
         {{"F200Line12", "10"}, {"F200Line14", "0.13"}, {"MMLine3", "0.1250"}, {"MMLine7", "10.125"}}},
        {"a Min/Max remainder below 1/10,000 goes up",
         {{"InterestMonths", "1"}, {"MMLine1", "0.0001"}},
         {{"MMLine3", "0.0001"}}},
        {"a negative Min/Max remainder goes up toward zero",
         {{"InterestMonths", "1"}, {"MMLine1", "-0.0001"}},
         {{"MMLine3", "0"}}},
        {"interest follows the capped tax",
         {{"InterestMonths", "100"}, {"Bs1a", "30000000"}, {"Bs1b", "30000000"}},
         {{"F200Line12", "20000"}, {"F200Line14", "25000"}}},
        {"no months",
         With({{"InterestMonths", "0"}, {"MMLine1", "20000"}}, kStaleLines),
         {{"F200Line14", "0"}, {"MMLine3", "0"}, {"MMLine7", "20000"}}},
        {"months before the due date",
         With({{"InterestMonths", "-2"}, {"MMLine1", "20000"}}, kStaleLines),
         {{"F200Line14", "0"}, {"MMLine3", "0"}}},
    });
}

TEST(ComputeReturn, ScheduleBBookValues) {
    // The share count enters as the decimal the user typed, not as its binary approximation.
    struct BookCase {
        const char* shares;
        const char* par;
        const char* book;
    };
    const BookCase cases[] = {
        {"1000.5", "0.015", "15.01"},
        {"0.3", "0.05", "0.02"},
        {"0.1", "0.05", "0.01"},
        {"-0.3", "0.05", "-0.02"},
        {"0.3", "-0.05", "-0.02"},
        {"1e-30", "1000", "0"},
        {"1.5e15", "0.5", "750000000000000"},
        {"123456789.123", "0.0001", "12345.68"},
        {"0", "99", "0"},
    };
    std::vector<Case> table;
    for (const BookCase& b : cases)
        table.push_back({b.shares,
                         {{"SchedBAuthCommonShares", b.shares}, {"SchedBAuthCommonPar", b.par}},
                         {{"SchedBAuthCommonBook", b.book}}});
    // Each row has its own fields; the issued rows feed balance-sheet lines 28a and 28b.
    table.push_back({"four rows",
                     {{"SchedBAuthCommonShares", "1"},
                      {"SchedBAuthCommonPar", "1"},
                      {"SchedBAuthPrefShares", "2"},
                      {"SchedBAuthPrefPar", "1"},
                      {"SchedBIssuedCommonShares", "4"},
                      {"SchedBIssuedCommonPar", "1"},
                      {"SchedBIssuedPrefShares", "8"},
                      {"SchedBIssuedPrefPar", "1"}},
                     {{"SchedBAuthCommonBook", "1"},
                      {"SchedBAuthPrefBook", "2"},
                      {"SchedBIssuedCommonBook", "4"},
                      {"SchedBIssuedPrefBook", "8"},
                      {"Bs28a", "8"},
                      {"Bs28b", "4"},
                      {"Bs32", "12"}}});
    RunCases(table);
}

TEST(ComputeReturn, Line21TakesPageRowsAndEveryTableRow) {
    struct DebtCase {
        const char* name;
        std::vector<const char*> rows; // DueWI3Yrs of each table row; nullptr leaves it empty
        const char* bs21;
    };
    const DebtCase cases[] = {
        {"empty table", {}, "1000.50"},
        {"rows with an empty amount and a negative one", {"250.25", nullptr, "-0.75", "10000"}, "11250"},
    };
    for (const DebtCase& c : cases) {
        ReturnFixture f;
        SetField(f.Rec(), "SchedDDebt1DueWithin3Yrs", "1000");
        SetField(f.Rec(), "SchedDDebt9DueWithin3Yrs", "0.50");
        ScheduleTable& t = f.dm.tblCurrDebt;
        for (const char* row : c.rows)
            AppendDebtRow(t, row);
        int notified = 0;
        t.AddListener([&] { ++notified; });
        ComputeReturn(*f.doc);
        EXPECT_EQ(FieldText(f.Rec(), "Bs21"), ExpectedText("Bs21", c.bs21)) << c.name;
        EXPECT_EQ(FieldText(f.Rec(), "Bs23"), ExpectedText("Bs23", c.bs21)) << c.name;
        // The walk ends past the last row, with display updates on again and announced once.
        EXPECT_TRUE(t.Eof()) << c.name;
        EXPECT_FALSE(t.ControlsDisabled()) << c.name;
        EXPECT_EQ(notified, 1) << c.name;
    }
}

TEST(ComputeReturn, Line21FromATableWithTextAmounts) {
    // A file may define the column with another type; its values are then read as amounts.
    ReturnFixture f;
    ScheduleTable& t = f.dm.tblCurrDebt;
    t.SetColumns({{"Name", ColumnType::String, 30, "", ""}, {"DueWI3Yrs", ColumnType::String, 20, "", ""}});
    for (const char* v : {"12.5", "", "0.25"})
        AppendDebtRow(t, v);
    ComputeReturn(*f.doc);
    EXPECT_EQ(FieldText(f.Rec(), "Bs21"), "12.75");
    EXPECT_TRUE(t.Eof());

    // A text that is no amount stops the computation; line 21 keeps what was summed so far.
    AppendDebtRow(t, "abc");
    AppendDebtRow(t, "100");
    SetField(f.Rec(), "Bs23", "7");
    try {
        ComputeReturn(*f.doc);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    EXPECT_EQ(FieldText(f.Rec(), "Bs21"), "12.75");
    EXPECT_EQ(FieldText(f.Rec(), "Bs23"), "7");
    EXPECT_FALSE(t.ControlsDisabled());
}

TEST(ComputeReturn, MissingDueColumnStopsWithUpdatesResumed) {
    ReturnFixture f;
    ScheduleTable& t = f.dm.tblCurrDebt;
    t.SetColumns({{"Name", ColumnType::String, 30, "", ""}});
    SetField(f.Rec(), "SchedDDebt2DueWithin3Yrs", "40");
    SetField(f.Rec(), "Bs1a", "5");
    SetField(f.Rec(), "Bs23", "7");
    SetField(f.Rec(), "SchedBAuthCommonBook", "7");

    // Without rows the column is never read.
    ComputeReturn(*f.doc);
    EXPECT_EQ(FieldText(f.Rec(), "Bs21"), "40");

    SetField(f.Rec(), "Bs23", "7");
    SetField(f.Rec(), "SchedBAuthCommonBook", "7");
    SetField(f.Rec(), "Bs1a", "6");
    t.Append();
    t.SetText("Name", "x");
    t.Post();
    try {
        ComputeReturn(*f.doc);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Field 'DueWI3Yrs' not found");
    }
    EXPECT_FALSE(t.ControlsDisabled());
    // Lines before the failing step are new, lines after it as they were.
    EXPECT_EQ(FieldText(f.Rec(), "Bs6a"), "6");
    EXPECT_EQ(FieldText(f.Rec(), "Bs21"), "40");
    EXPECT_EQ(FieldText(f.Rec(), "SchedBAuthCommonBook"), "7");
    EXPECT_EQ(FieldText(f.Rec(), "Bs23"), "7");
}

TEST(ComputeReturn, Option1WithLine8ZeroStopsAtLine9) {
    const std::vector<Value> inputs = With({{"Bs1a", "1000"},
                                            {"Bs1b", "500"},
                                            {"Bs33", "-1000"},
                                            {"InterestMonths", "2"},
                                            {"MMLine1", "10"},
                                            {"F200Line12", "7"},
                                            {"F200Line18", "7"},
                                            {"MMLine7", "7"}},
                                           kStaleLines);
    ReturnFixture f;
    Apply(f.Rec(), inputs);
    try {
        ComputeReturn(*f.doc);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "Line 8, the total value of assets and business done, is zero, so the Oklahoma "
                     "percentage (line 9) cannot be computed under Option 1.");
    }
    ExpectLines(f.Rec(), {"computed up to line 8",
                          {},
                          {{"F200Line1", "500"},
                           {"F200Line2", "1000"},
                           {"F200Line4", "0"},
                           {"F200Line5", "0"},
                           {"F200Line6", "500"},
                           {"F200Line7", "-1000"},
                           {"F200Line8", "0"},
                           {"F200Line9", "7"},
                           {"F200Line10", "7"},
                           {"F200Line11", "7"},
                           {"F200Line12", "7"},
                           {"F200Line14", "7"},
                           {"F200Line18", "7"},
                           {"MMLine3", "7"},
                           {"MMLine7", "7"}}});

    // Option 2 divides by line 2, which is not zero.
    ReturnFixture g;
    Apply(g.Rec(), With(inputs, {{"F200Option1", "N"}}));
    ComputeReturn(*g.doc);
    EXPECT_EQ(FieldText(g.Rec(), "F200Line9"), "5000");
}

TEST(ComputeReturn, ExactBeyondSixtyFourBitsAndOutOfRangeIsAnError) {
    const std::string max = Money::FromUnits(std::numeric_limits<int64_t>::max()).ToString(4);
    const std::string min = Money::FromUnits(std::numeric_limits<int64_t>::min()).ToString(4);
    {
        // The partial sums leave 64 bits; the exact result does not.
        ReturnFixture f;
        Apply(f.Rec(),
              {{"Bs1a", max.c_str()}, {"Bs2a", max.c_str()}, {"Bs3a", min.c_str()}, {"Bs4a", min.c_str()}});
        ComputeReturn(*f.doc);
        EXPECT_EQ(FieldText(f.Rec(), "Bs6a"), "-0.0002");
    }
    struct OverflowCase {
        std::vector<Value> inputs;
        const char* message;
    };
    const OverflowCase cases[] = {
        {{{"Bs1a", max.c_str()}, {"Bs2a", "0.0001"}},
         "Balance sheet line 6, column A: the computed amount is out of range."},
        {{{"Bs19", max.c_str()}, {"SchedDDebt1DueWithin3Yrs", "1"}},
         "Balance sheet line 23: the computed amount is out of range."},
        {{{"SchedBIssuedCommonShares", "1e20"}, {"SchedBIssuedCommonPar", "0.0001"}},
         "The book value of the issued common stock (Schedule B): the computed amount is out of range."},
        {{{"SchedBAuthPrefShares", "nan"}, {"SchedBAuthPrefPar", "1"}},
         "The number of shares of the authorized first preferred stock (Schedule B) is not a number."},
        {{{"Bs1a", "922337203685001"}, {"Bs1b", "922337203685001"}},
         "Form 200 line 4: the computed amount is out of range."},
        {{{"MMLine1", max.c_str()}, {"InterestMonths", "1"}},
         "Min/Max line 7: the computed amount is out of range."},
    };
    for (const OverflowCase& c : cases) {
        ReturnFixture f;
        Apply(f.Rec(), c.inputs);
        try {
            ComputeReturn(*f.doc);
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ComputeReturn, ChangesOnlyDerivedFieldsAndIsIdempotent) {
    const std::vector<std::string_view> derived = {"Bs6a",
                                                   "Bs6b",
                                                   "Bs15a",
                                                   "Bs15b",
                                                   "Bs18a",
                                                   "Bs18b",
                                                   "Bs23",
                                                   "Bs32",
                                                   "Bs21",
                                                   "Bs28a",
                                                   "Bs28b",
                                                   "SchedBAuthCommonBook",
                                                   "SchedBAuthPrefBook",
                                                   "SchedBIssuedCommonBook",
                                                   "SchedBIssuedPrefBook",
                                                   "F200Line1",
                                                   "F200Line2",
                                                   "F200Line3",
                                                   "F200Line4",
                                                   "F200Line5",
                                                   "F200Line6",
                                                   "F200Line7",
                                                   "F200Line8",
                                                   "F200Line9",
                                                   "F200Line10",
                                                   "F200Line11",
                                                   "F200Line12",
                                                   "F200Line14",
                                                   "F200Line18",
                                                   "MMLine3",
                                                   "MMLine7"};
    ReturnFixture f;
    // Every amount, share count and date of the record filled with mixed-sign values.
    uint64_t seed = 12345;
    auto next = [&] {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int64_t>(seed >> 33) - (int64_t(1) << 30);
    };
    for (const FieldDef& def : kRecordFields) {
        if (def.Kind == FieldKind::Money)
            f.Rec().SetMoney(def, Money::FromUnits(next() * 997));
        else if (def.Kind == FieldKind::Double)
            f.Rec().SetDouble(def, static_cast<double>(next()) / 1000.0);
    }
    f.Rec().Set(fld::DueDate, EncodeDate(2010, 4, 15));
    f.Rec().Set(fld::InterestMonths, 4);
    f.Rec().Set(fld::F200Option1, false);
    for (const char* v : {"1234.5678", "-99.99"})
        AppendDebtRow(f.dm.tblCurrDebt, v);

    const ReturnRecord before = f.Rec();
    ComputeReturn(*f.doc);
    const ReturnRecord once = f.Rec();
    for (const FieldDef& def : kRecordFields) {
        bool isDerived = std::find(derived.begin(), derived.end(), def.Name) != derived.end();
        if (isDerived)
            continue;
        for (size_t i = def.Offset; i < def.Offset + def.Size; ++i)
            ASSERT_EQ(before.Bytes[i], once.Bytes[i]) << def.Name << " changed";
    }
    EXPECT_NE(FieldText(before, "F200Line12"), FieldText(once, "F200Line12"));
    ComputeReturn(*f.doc);
    EXPECT_TRUE(f.Rec() == once);
}
