// Schedules B, C and D: the general information, the stock table and every row of the lists.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

TEST_F(FormPagesTest, SchedulesBCDStampEveryRow) {
    SetIdentification();
    r.Set(fld::SchedBBizStructure, "LLC, formed 03/02/1998, Oklahoma County");
    r.Set(fld::SchedBRegisteredAgent, "CT Corporation System, Oklahoma City");
    r.Set(fld::SchedBParentName, "Hollis Holdings, Inc.");
    r.Set(fld::SchedBParentFEIN, "73-5550001");
    r.Set(fld::SchedBPctParentOwned, 55.5);
    r.Set(fld::SchedBBizNature, "Wholesale pipe and valves");
    r.Set(fld::SchedBFiscalYear, 2009);
    r.Set(fld::SchedBAuthCommonShares, 100000.0);
    r.Set(fld::SchedBAuthCommonPar, Amount("1"));
    r.Set(fld::SchedBAuthCommonBook, Amount("100000"));
    r.Set(fld::SchedBAuthPrefShares, 10000.5);
    r.Set(fld::SchedBAuthPrefPar, Amount("100"));
    r.Set(fld::SchedBIssuedCommonShares, 40000.0);
    r.Set(fld::SchedBIssuedCommonPar, Amount("-1"));
    r.Set(fld::SchedBIssuedCommonBook, Amount("1234567.5"));
    r.Set(fld::SchedCSub1Name, "Red Earth Logistics LLC");
    r.Set(fld::SchedCSub1FEIN, "73-7654321");
    r.Set(fld::SchedCSub1PctOwned, 100.0);
    r.Set(fld::SchedCSub1Investment, 250000.0);
    r.Set(fld::SchedCSub2Name, "Cimarron Valve");
    r.Set(fld::SchedCSub2Investment, 1234.56789); // a plain double, taken to four decimals
    r.Set(fld::SchedCSub5Name, "Fifth Sub");
    r.Set(fld::SchedCAff1Name, "Hollis Family Holdings LP");
    r.Set(fld::SchedCAff1FEIN, "73-1112223");
    r.Set(fld::SchedCAff1HowRelated, "Common ownership");
    r.Set(fld::SchedCAff4Name, "Fourth Affiliate");
    r.Set(fld::SchedDDebt1Lender, "First Oklahoma Bank");
    r.Set(fld::SchedDDebt1IssueDate, "03/15/2008");
    r.Set(fld::SchedDDebt1MaturityDate, "March 2011");
    r.Set(fld::SchedDDebt1OrigAmount, Amount("300000"));
    r.Set(fld::SchedDDebt1DueWithin3Yrs, Amount("180000"));
    r.Set(fld::SchedDDebt9Lender, "Ninth lender");
    r.Set(fld::SchedDDebt9DueWithin3Yrs, Amount("-5"));

    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampScheduleBCD(); }), {3});
    ASSERT_EQ(stamps.size(), 1u);
    Expects e = {
        {"LLC, formed 03/02/1998, Oklahoma County", 40, 190, kTimes, 12},
        {"CT Corporation System, Oklahoma City", 40, 220, kTimes, 12},
        {"Hollis Holdings, Inc.", 280, 234, kTimes, 12},
        {"73-5550001", 490, 234, kTimes, 12},
        {"Wholesale pipe and valves", 230, 263, kTimes, 12},
        {"2009", 350, 320, kTimes, 12},
        {"55.5000", 420, 249, kTimes, 12, true},
        {"100000.0000", 170, 292, kTimes, 12, true},
        {"10000.5000", 170, 307, kTimes, 12, true},
        {"40000.0000", 170, 334, kTimes, 12, true},
        {"  0.0000", 170, 348, kTimes, 12, true},
        {"$1.00", 460, 292, kTimes, 12, true},
        {"$100.00", 460, 307, kTimes, 12, true},
        {"($1.00)", 460, 334, kTimes, 12, true},
        {"$0.00", 460, 348, kTimes, 12, true},
        {"$100,000.00", 570, 292, kTimes, 12, true},
        {"$0.00", 570, 307, kTimes, 12, true},
        {"$1,234,567.50", 570, 334, kTimes, 12, true},
        {"$0.00", 570, 348, kTimes, 12, true},
        // Subsidiaries: the percentage prints in every row, the investment only when not zero.
        {"Red Earth Logistics LLC", 35, 446, kTimes, 12},
        {"73-7654321", 200, 446, kTimes, 12},
        {"100.0000", 380, 446, kTimes, 12, true},
        {"  250,000.00", 560, 446, kTimes, 12, true},
        {"Cimarron Valve", 35, 458, kTimes, 12},
        {"  0.0000", 380, 458, kTimes, 12, true},
        {"    1,234.57", 560, 458, kTimes, 12, true},
        {"  0.0000", 380, 470, kTimes, 12, true},
        {"  0.0000", 380, 482, kTimes, 12, true},
        {"Fifth Sub", 35, 495, kTimes, 12},
        {"  0.0000", 380, 495, kTimes, 12, true},
        // Affiliates.
        {"Hollis Family Holdings LP", 35, 542, kTimes, 12},
        {"73-1112223", 200, 542, kTimes, 12},
        {"Common ownership", 314, 542, kTimes, 12},
        {"Fourth Affiliate", 35, 579, kTimes, 12},
        // Current debt.
        {"First Oklahoma Bank", 35, 662, kTimes, 12},
        {"03/15/2008", 170, 662, kTimes, 12},
        {"March 2011", 280, 662, kTimes, 12},
        {"  300,000.00", 450, 662, kTimes, 12, true},
        {"  180,000.00", 560, 662, kTimes, 12, true},
        {"Ninth lender", 35, 758, kTimes, 12},
        {"       -5.00", 560, 758, kTimes, 12, true},
    };
    Append(e, Boxes(54, {73, 87, 103, 117, 133, 147, 163, 177, 192}, "731234567", kCourier, 24));
    ExpectPage(stamps, 1, e);
}

} // namespace
} // namespace qv
