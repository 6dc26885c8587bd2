// Diagnostics of a return: each small return below has exactly one fault, made in the test on top
// of the bundled example (which has none), and must raise exactly its code.

#include "ComputeReturn.h"
#include "Diagnostics.h"
#include "Error.h"
#include "ExampleReturn.h"
#include "ImportReturn.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

using qv::Finding;
using qv::Money;
namespace fld = qv::fld;

Money M(const char* text) {
    return *Money::Parse(text);
}

std::vector<Finding> DiagnoseComputed(qv::Franchise& doc) {
    std::string error;
    try {
        ComputeReturn(doc);
    } catch (const qv::Error& e) {
        error = e.what();
    }
    return qv::Diagnose(doc, error);
}

std::vector<std::string> Codes(const std::vector<Finding>& findings) {
    std::vector<std::string> codes;
    for (const Finding& f : findings)
        codes.emplace_back(f.Code);
    return codes;
}

struct FaultCase {
    const char* name;
    std::function<void(qv::Franchise&)> fault;
    const char* code;
    Finding::Severity level;
    const char* message; // the whole message, or empty to check the code alone
};

class OneFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(OneFault, RaisesExactlyItsCode) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::FillExampleReturn(doc);
    GetParam().fault(doc);
    const std::vector<Finding> findings = DiagnoseComputed(doc);
    ASSERT_EQ(Codes(findings), std::vector<std::string>{GetParam().code});
    EXPECT_EQ(findings[0].Level, GetParam().level);
    if (*GetParam().message != '\0') {
        EXPECT_EQ(findings[0].Message, GetParam().message);
    }
}

using S = Finding::Severity;

INSTANTIATE_TEST_SUITE_P(
    Returns, OneFault,
    ::testing::Values(
        FaultCase{"UnbalancedBalanceSheet",
                  [](qv::Franchise& d) { d.Record.Set(fld::Bs19, d.Record.Get(fld::Bs19) + M("1000")); },
                  "balance", S::Error,
                  "Balance sheet: total assets (line 18, column A) 3,550,855.42 differ from total "
                  "liabilities and capital (line 32) 3,551,855.42"},
        FaultCase{"OklahomaCashAboveTotal",
                  [](qv::Franchise& d) { d.Record.Set(fld::Bs1b, d.Record.Get(fld::Bs1a) + M("0.01")); },
                  "oklahoma-over-total", S::Warning, ""},
        FaultCase{"AttachedScheduleNotTotalled",
                  [](qv::Franchise& d) {
                      auto& table = d.dm().tblOthInvest;
                      table.Append();
                      table.SetText("Description", "Bonds");
                      table.SetMoney("TotalEverywhere", M("100.10"));
                      table.SetMoney("TotalOklahoma", M("50.05"));
                      table.Post();
                  },
                  "attached-totals", S::Error, ""},
        FaultCase{"FeinIncomplete", [](qv::Franchise& d) { d.Record.Set(fld::FEIN, "73-12     "); }, "fein",
                  S::Error, "Form 200: the FEIN (item A) \"73-12     \" is not complete (nine digits)"},
        FaultCase{"FeinBlankMask", [](qv::Franchise& d) { d.Record.Set(fld::FEIN, "  -       "); }, "fein",
                  S::Error, "Form 200: the FEIN (item A) is blank"},
        FaultCase{"ParentNamedWithoutFein",
                  [](qv::Franchise& d) { d.Record.Set(fld::SchedBParentName, "Holding Co."); }, "fein",
                  S::Error, "Schedule B: the parent company's FEI number is blank"},
        FaultCase{"SubsidiaryRowWithoutFein",
                  [](qv::Franchise& d) {
                      auto& table = d.dm().tblSubsidiaries;
                      table.Append();
                      table.SetText("Name", "Sooner Sub");
                      table.Post();
                  },
                  "fein", S::Error, ""},
        FaultCase{"AffiliatePageRowFeinIncomplete",
                  [](qv::Franchise& d) { d.Record.Set(fld::SchedCAff1FEIN, "73-111    "); }, "fein", S::Error,
                  ""},
        FaultCase{"NoDueDate", [](qv::Franchise& d) { d.Record.Set(fld::DueDate, 0.0); }, "due-date",
                  S::Error, ""},
        FaultCase{"NoBalanceSheetDate", [](qv::Franchise& d) { d.Record.Set(fld::BalanceSheetDate, 0.0); },
                  "balance-sheet-date", S::Error, ""},
        FaultCase{
            "PeriodOfThirteenMonths",
            [](qv::Franchise& d) { d.Record.Set(fld::ReportPeriod, "01/2009 to 01/2010"); }, "period",
            S::Warning,
            "Form 200: the reporting period (item B) \"01/2009 to 01/2010\" spans 13 months, not twelve"},
        FaultCase{"PeriodNotOfTheForm",
                  [](qv::Franchise& d) { d.Record.Set(fld::ReportPeriod, "/2009 to /2010"); }, "period",
                  S::Warning,
                  "Form 200: the reporting period (item B) \"/2009 to /2010\" is not of the form \"MM/YYYY "
                  "to MM/YYYY\""},
        FaultCase{"NoPresident", [](qv::Franchise& d) { d.Record.Set(fld::SchedAPresName, ""); }, "officers",
                  S::Error, "Schedule A: no president is named"},
        FaultCase{"OfficerSsnIncomplete",
                  [](qv::Franchise& d) { d.Record.Set(fld::SchedAVPSSN, "447-98-11  "); }, "officers",
                  S::Error,
                  "Schedule A: the SSN of the Vice President (Daniel R. Whitcomb) is \"447-98-11  \" and not "
                  "complete"},
        FaultCase{"OptionOneWithLineEightZero",
                  [](qv::Franchise& d) {
                      // Gross business done that cancels the net assets: line 8 = line 2 + line 7 = 0.
                      d.Record.Set(fld::Bs33, -M("3515855"));
                  },
                  "option-line-8", S::Error, ""},
        FaultCase{"SubsidiaryPercentAbove100",
                  [](qv::Franchise& d) { d.Record.Set(fld::SchedCSub1PctOwned, 120.0); }, "percent", S::Error,
                  "Schedule C: the percentage owned of subsidiary 1, 120.0000 is outside 0 to 100"},
        FaultCase{"ListPercentBelowZero",
                  [](qv::Franchise& d) {
                      auto& table = d.dm().tblSubsidiaries;
                      table.First();
                      table.Edit();
                      table.SetFloat("PctOwned", -5.0);
                      table.Post();
                  },
                  "percent", S::Error, ""},
        FaultCase{"PenaltyNotTenPercent", [](qv::Franchise& d) { d.Record.Set(fld::F200Line15, M("200")); },
                  "penalty-stale", S::Warning,
                  "Form 200 line 15: the penalty 200.00 is not 10 % of the tax on line 12 (2,595.00, so "
                  "259.50); it follows line 12 with the next recalculation"},
        FaultCase{"AmountOutOfRange",
                  [](qv::Franchise& d) { d.Record.Set(fld::Bs1a, Money::FromUnits(INT64_MAX)); },
                  "computation", S::Error, ""}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Diagnostics, TheExampleReturnRaisesNothing) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::FillExampleReturn(doc);
    EXPECT_EQ(Codes(DiagnoseComputed(doc)), std::vector<std::string>{});
}

// The earlier editions carry no balance sheet and no reporting period, so a converted return asks
// for exactly those; nothing that was converted is at fault.
TEST(Diagnostics, AConvertedReturnAsksOnlyForWhatTheEarlierEditionDidNotCarry) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    const auto file = std::filesystem::path(QV_SOURCE_DIR) / "examples" / "sample-2005.fti";
    qv::ImportReturn(doc, file.string());
    EXPECT_EQ(Codes(qv::Diagnose(doc)),
              (std::vector<std::string>{"balance-sheet-date", "period", "balance"}));
}

TEST(Diagnostics, FindingsNameTheFieldsAndRowsTheyConcern) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::FillExampleReturn(doc);
    auto& t = doc.dm().tblAffiliates;
    t.Append();
    t.SetText("Name", "Panhandle Gas");
    t.SetText("FEIN", "73-55     ");
    t.Post();
    doc.Record.Set(fld::Bs19, doc.Record.Get(fld::Bs19) + M("1"));
    const std::vector<Finding> findings = DiagnoseComputed(doc);
    ASSERT_EQ(Codes(findings), (std::vector<std::string>{"fein", "balance"}));
    EXPECT_TRUE(findings[0].Fields.empty());
    ASSERT_EQ(findings[0].Rows.size(), 1u);
    EXPECT_EQ(findings[0].Rows[0], (Finding::Row{"tblAffiliates", t.RecordCount() - 1, "FEIN"}));
    EXPECT_EQ(findings[0].Message, "Schedule C: the FEIN of affiliate \"Panhandle Gas\" (row " +
                                       std::to_string(t.RecordCount()) +
                                       " of the \"Add More\" list) is \"73-55     \" and not complete");
    EXPECT_EQ(findings[1].Fields, (std::vector<qv::FieldId>{qv::FieldId::Bs18a, qv::FieldId::Bs32}));
}

TEST(Diagnostics, ABlankReturnListsWhatIsMissing) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    const std::vector<Finding> findings = DiagnoseComputed(doc);
    EXPECT_EQ(Codes(findings),
              (std::vector<std::string>{"fein", "due-date", "balance-sheet-date", "period", "officers"}));
    EXPECT_TRUE(qv::HasErrors(findings));
}

} // namespace
