#include "DateValue.h"
#include "PriorFileBuilder.h"

namespace qv::test {

namespace {

// One small return as each earlier edition would have stored it: a corporation with its officers,
// Schedule B, a subsidiary, an affiliate and one current debt.
std::string Example(int version) {
    const int year = 2003 + version;
    PriorFileBuilder b(version);
    b.Text("FEIN", "73-1234567")
        .Text("CorpName", "Red Earth Supply Co.")
        .Text("Address", "410 W Main St")
        .Text("CityStateZip", "Norman, OK 73069")
        .Double("DueDate", EncodeDate(year, 7, 1))
        .Double("SchedADate", EncodeDate(year, 1, 1))
        .Text("SchedAPresName", "Ada Whitfield")
        .Text("SchedAPresSSN", "440-12-3456")
        .Text("SchedAPresAddress", "12 Elm Ct, Norman, OK 73069")
        .Text("SchedAPresPhone", "(405) 555-0142")
        .Text("SchedATreasName", "Cyrus Pell")
        .Text("SchedATreasSSN", "441-77-0123")
        .Text("SchedATreasPhone", "(405) 555-0177")
        .Byte("F200FElect", 0)
        .Text("F200FBeginMonth", "July")
        .Text("F200FEndMonth", "June")
        .Text("F200FNameTitle", "Ada Whitfield, President")
        .Text("IncOklahoma", "Y")
        .Text("IncOther", "N")
        .Text("AddressChange", "N")
        .Text("EstimatedReturn", "N")
        .Text("F200Option1", "Y")
        .Text("F200Option2", "N")
        .Text("SchedBRegisteredAgent", "Ada Whitfield, 410 W Main St, Norman, OK 73069")
        .Text("SchedBBizNature", "Wholesale building supplies")
        .Double("SchedBAuthCommonShares", 100000.0)
        .Money("SchedBAuthCommonPar", 10000)
        .Money("SchedBAuthCommonBook", 1000000000)
        .Int32("SchedBFiscalYear", year - 1)
        .Double("SchedBIssuedCommonShares", 25000.0)
        .Money("SchedBIssuedCommonPar", 10000)
        .Money("SchedBIssuedCommonBook", 250000000)
        .Text("SchedCSub1Name", "Red Earth Freight LLC")
        .Text("SchedCSub1FEIN", "73-7654321")
        .Double("SchedCSub1PctOwned", 100.0)
        .Double("SchedCSub1Investment", 50000.0)
        .Text("SchedCAff1Name", "Prairie Lumber Inc.")
        .Text("SchedCAff1FEIN", "73-5550001")
        .Text("SchedCAff1HowRelated", "Common ownership")
        .Text("SchedDDebt1Lender", "First Prairie Bank")
        .Money("SchedDDebt1OrigAmount", 1200000000)
        .Money("SchedDDebt1DueWithin3Yrs", 400000000);
    if (b.PlaceOf("SchedDDebt1IssueDate")->DateValue) {
        b.Double("SchedDDebt1IssueDate", EncodeDate(year - 2, 3, 1));
        b.Double("SchedDDebt1MaturityDate", EncodeDate(year + 1, 2, 28));
    } else {
        b.Text("SchedDDebt1IssueDate", "3/1/" + std::to_string(year - 2));
        b.Text("SchedDDebt1MaturityDate", "2/28/" + std::to_string(year + 1));
    }
    return b.Bytes();
}

} // namespace

std::vector<ExampleFile> PriorYearExamples() {
    std::vector<ExampleFile> files;
    for (int version = 1; version <= 6; ++version)
        files.push_back({"sample-" + std::to_string(2003 + version) + ".fti", Example(version)});
    return files;
}

} // namespace qv::test
