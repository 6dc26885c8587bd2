#include "ExampleReturn.h"

#include "uDataMod.h"
#include "uFranchise.h"

#include <stdexcept>

namespace qv {

namespace {

Money Amount(const char* text) {
    std::optional<Money> m = Money::Parse(text);
    if (!m)
        throw std::logic_error(std::string("bad example amount ") + text);
    return *m;
}

void AddRow(ScheduleTable& t, std::initializer_list<std::pair<const char*, const char*>> values) {
    t.Append();
    for (const auto& [column, text] : values)
        t.SetText(column, text);
    t.Post();
}

} // namespace

void FillExampleReturn(Franchise& doc) {
    ReturnRecord& r = doc.Record;
    r.Set(fld::FEIN, "73-1234567");
    r.Set(fld::CorpName, "Red Earth Pipe & Supply, Inc.");
    r.Set(fld::Address, "1200 N. Harvey Ave.");
    r.Set(fld::CityStateZip, "Oklahoma City, OK 73103");
    r.Set(fld::ReportPeriod, "01/2009 to 12/2009");
    r.Set(fld::DueDate, EncodeDate(2010, 7, 1));
    r.Set(fld::BalanceSheetDate, EncodeDate(2009, 12, 31));
    r.Set(fld::SchedADate, EncodeDate(2010, 6, 15));

    r.Set(fld::SchedAPresName, "Margaret A. Hollis");
    r.Set(fld::SchedAPresSSN, "440-12-3456");
    r.Set(fld::SchedAPresAddress, "2815 NW 63rd St, Oklahoma City, OK 73116");
    r.Set(fld::SchedAPresPhone, "(405) 555-0142");
    r.Set(fld::SchedAVPName, "Daniel R. Whitcomb");
    r.Set(fld::SchedAVPSSN, "447-98-1120");
    r.Set(fld::SchedAVPAddress, "9304 S. Shartel Ave, Oklahoma City, OK 73139");
    r.Set(fld::SchedAVPPhone, "(405) 555-0178");
    r.Set(fld::SchedASecName, "Lucinda M. Perez");
    r.Set(fld::SchedASecSSN, "445-31-7789");
    r.Set(fld::SchedASecAddress, "1717 E. 15th St, Edmond, OK 73013");
    r.Set(fld::SchedASecPhone, "(405) 555-0199");
    r.Set(fld::SchedATreasName, "Lucinda M. Perez");
    r.Set(fld::SchedATreasSSN, "445-31-7789");
    r.Set(fld::SchedATreasAddress, "1717 E. 15th St, Edmond, OK 73013");
    r.Set(fld::SchedATreasPhone, "(405) 555-0199");

    r.Set(fld::F200FNameTitle, "Margaret A. Hollis, President");
    r.Set(fld::F200FDate, "06/15/2010");
    r.Set(fld::F200FPhone, "(405) 555-0100");

    r.Set(fld::SchedBRegisteredAgent, "CT Corporation System, 1833 S. Morgan Rd, Oklahoma City, OK 73128");
    r.Set(fld::SchedBParentFEIN, "  -       ");
    r.Set(fld::SchedBBizNature, "Wholesale distribution of pipe, valves and fittings");
    r.Set(fld::SchedBFiscalYear, 2009);
    r.Set(fld::SchedBAuthCommonShares, 100000.0);
    r.Set(fld::SchedBAuthCommonPar, Amount("1.00"));
    r.Set(fld::SchedBAuthPrefShares, 10000.0);
    r.Set(fld::SchedBAuthPrefPar, Amount("100.00"));
    r.Set(fld::SchedBIssuedCommonShares, 40000.0);
    r.Set(fld::SchedBIssuedCommonPar, Amount("1.00"));
    r.Set(fld::SchedBIssuedPrefShares, 1500.0);
    r.Set(fld::SchedBIssuedPrefPar, Amount("100.00"));

    r.Set(fld::SchedCSub1Name, "Red Earth Logistics LLC");
    r.Set(fld::SchedCSub1FEIN, "73-7654321");
    r.Set(fld::SchedCSub1PctOwned, 100.0);
    r.Set(fld::SchedCSub1Investment, 250000.0);
    r.Set(fld::SchedCAff1Name, "Hollis Family Holdings LP");
    r.Set(fld::SchedCAff1FEIN, "73-1112223");
    r.Set(fld::SchedCAff1HowRelated, "Common ownership");

    r.Set(fld::SchedDDebt1Lender, "First Oklahoma Bank");
    r.Set(fld::SchedDDebt1IssueDate, "03/15/2008");
    r.Set(fld::SchedDDebt1MaturityDate, "03/15/2011");
    r.Set(fld::SchedDDebt1OrigAmount, Amount("300000"));
    r.Set(fld::SchedDDebt1DueWithin3Yrs, Amount("180000"));
    r.Set(fld::SchedDDebt2Lender, "Plains Equipment Finance");
    r.Set(fld::SchedDDebt2IssueDate, "06/01/2009");
    r.Set(fld::SchedDDebt2MaturityDate, "06/01/2012");
    r.Set(fld::SchedDDebt2OrigAmount, Amount("85000"));
    r.Set(fld::SchedDDebt2DueWithin3Yrs, Amount("62400"));

    // The balance sheet: column A everywhere, column B in Oklahoma. Lines 5 and 8 are the totals
    // of the schedule tables below.
    const std::pair<MoneyField, const char*> balanceSheet[] = {
        {fld::Bs1a, "185420.17"}, {fld::Bs1b, "142310.55"}, {fld::Bs2a, "612300.00"},
        {fld::Bs2b, "455120.40"}, {fld::Bs3a, "948775.25"}, {fld::Bs3b, "701220.00"},
        {fld::Bs4a, "50000"},     {fld::Bs4b, "50000"},     {fld::Bs5a, "27750"},
        {fld::Bs5b, "21600"},     {fld::Bs8a, "135500"},    {fld::Bs8b, "135500"},
        {fld::Bs9aa, "1250000"},  {fld::Bs9ab, "980000"},   {fld::Bs9ba, "412500"},
        {fld::Bs9bb, "318400"},   {fld::Bs10aa, "865430"},  {fld::Bs10ab, "702110"},
        {fld::Bs10ba, "398220"},  {fld::Bs10bb, "321760"},  {fld::Bs12a, "210000"},
        {fld::Bs12b, "175000"},   {fld::Bs13aa, "45000"},   {fld::Bs13ba, "12000"},
        {fld::Bs14a, "8400"},     {fld::Bs14b, "8400"},     {fld::Bs16ba, "35000"},
        {fld::Bs16bb, "35000"},   {fld::Bs19, "402118.62"}, {fld::Bs20, "96540.00"},
        {fld::Bs22, "18300"},     {fld::Bs24b, "12500"},    {fld::Bs25, "640000"},
        {fld::Bs26, "150000"},    {fld::Bs29, "250000"},    {fld::Bs30, "1524996.80"},
        {fld::Bs33, "6420000"},   {fld::Bs34, "4815500"},
    };
    for (const auto& [field, text] : balanceSheet)
        r.Set(field, Amount(text));

    Tdm& dm = doc.dm();
    AddRow(dm.tblOthCurrAssets,
           {{"Description", "Prepaid insurance"}, {"TotalEverywhere", "24600"}, {"TotalOklahoma", "18450"}});
    AddRow(dm.tblOthCurrAssets,
           {{"Description", "Employee advances"}, {"TotalEverywhere", "3150"}, {"TotalOklahoma", "3150"}});
    AddRow(dm.tblOthInvest,
           {{"Description", "Municipal bonds"}, {"TotalEverywhere", "120000"}, {"TotalOklahoma", "120000"}});
    AddRow(dm.tblOthInvest, {{"Description", "Prairie Supply Co-op stock"},
                             {"TotalEverywhere", "15500"},
                             {"TotalOklahoma", "15500"}});
    AddRow(dm.tblCurrDebt, {{"Name", "Forklift lease, Sooner Leasing"},
                            {"IssueDate", "01/10/2010"},
                            {"MaturityDate", "01/10/2013"},
                            {"OriginalAmount", "24000"},
                            {"DueWI3Yrs", "24000"}});
    AddRow(dm.tblSubsidiaries, {{"Name", "Red Earth Pipe of Texas, Inc."},
                                {"FEIN", "75-2468135"},
                                {"PctOwned", "80"},
                                {"Investment", "60000"}});
    AddRow(dm.tblSubsidiaries, {{"Name", "Cimarron Valve Repair LLC"},
                                {"FEIN", "73-9753124"},
                                {"PctOwned", "51"},
                                {"Investment", "25500"}});
}

} // namespace qv
