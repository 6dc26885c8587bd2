// The schedule pages the program makes itself: the list rows beyond the rows of the Schedules B-C-D
// page, and the two "attach schedule" lines of the balance sheet, each table on plain pages with a
// heading, one line per row and, for the lists with amounts, a rule and a total line.

#include "PrintRun.h"
#include "ScheduleTable.h"
#include "ValueFormats.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <functional>
#include <vector>

namespace qv {

namespace {

using enum Align;

// ---- The layout of the schedule pages (points from the top-left corner) ----

constexpr int kHeadingX = 306;   // headings are centred on the page
constexpr int kTitleY = 40;      // title of a separate schedule page
constexpr int kTitleSize = 18;   // Helvetica-Bold
constexpr int kCaptionSize = 14; // column titles and the name block, Helvetica-Bold
constexpr int kRowSize = 8;      // rows, rules and totals, Courier
constexpr int kRowStep = 12;
constexpr int kLowestLineEnd = 720; // a line at y needs y + 12 not beyond this
constexpr int kSeparateFirstRow = 101;
constexpr int kCombinedFirstRow = 214;
constexpr int kCombinedTitleY = 159; // the schedule title below the name block
// A second schedule on a combined page: its title 34 below the first one's total line, its first row
// 79 below it, and it moves to a page of its own unless the title block and one row fit.
constexpr int kSecondTitleGap = 34;
constexpr int kSecondFirstRowGap = 79;
constexpr int kSecondScheduleRoom = 63;

constexpr std::string_view kTotalLabel = "        Total ........ ";

struct Caption {
    std::string_view Text;
    int X;
    int Y; // on a separate page: absolute; in a combined title block: below the title
    Align Alignment;
};

enum class Kind { Text, Amount, Percent };

struct Column {
    std::string_view Field; // column of the schedule table
    int X;
    Align Alignment;
    Kind Type;
};

struct RuleText {
    std::string_view Text;
    int X;
    Align Alignment;
};

struct ListLayout {
    std::string_view Title;
    std::vector<Caption> Captions;
    std::vector<Column> Columns;
    // The rule under the rows; a list without one has no total line either. The total line shows the
    // label where the rule begins and the sum of every amount column at that column's place.
    std::vector<RuleText> Rule;
};

constexpr std::string_view kNameRule = "------------------------------";
constexpr std::string_view kShortRule = "---------------";
constexpr std::string_view kLongRule = "--------------------";

const ListLayout kSubsidiaries{
    "Schedule C: Subsidiaries Continued",
    {{"Percentage", 410, 70, Centre},
     {" Financial", 540, 70, Right},
     {"Name", 72, 85, Left},
     {"FEIN", 320, 85, Centre},
     {"Owned", 410, 85, Centre},
     {"Investment", 540, 85, Right}},
    {{"Name", 72, Left, Kind::Text},
     {"FEIN", 290, Left, Kind::Text},
     {"PctOwned", 440, Right, Kind::Percent},
     {"Investment", 540, Right, Kind::Amount}},
    {{kNameRule, 72, Left}, {kShortRule, 540, Right}},
};

const ListLayout kAffiliates{
    "Schedule C: Affiliates Continued",
    {{"Name", 72, 85, Left}, {"How Related", 340, 85, Left}, {"FEIN", 295, 85, Centre}},
    {{"Name", 72, Left, Kind::Text}, {"FEIN", 265, Left, Kind::Text}, {"HowRelated", 340, Left, Kind::Text}},
    {},
};

const ListLayout kCurrentDebt{
    "Schedule D: Current Debt Continued",
    {{"Name", 72, 85, Left},
     {"Issue", 261, 70, Centre},
     {"Maturity", 326, 70, Centre},
     {"Original", 416, 70, Centre},
     {"Due within", 506, 70, Centre},
     {"Date", 261, 85, Centre},
     {"Date", 326, 85, Centre},
     {"Amount", 416, 85, Centre},
     {"3 Years", 506, 85, Centre}},
    {{"Name", 72, Left, Kind::Text},
     {"IssueDate", 235, Left, Kind::Text},
     {"MaturityDate", 300, Left, Kind::Text},
     {"OriginalAmount", 442, Right, Kind::Amount},
     {"DueWI3Yrs", 537, Right, Kind::Amount}},
    {{kNameRule, 72, Left}, {kShortRule, 442, Right}, {kShortRule, 537, Right}},
};

// The two balance-sheet schedules share their columns; on a separate page the column titles sit at
// 70 and 85, in a combined title block 17 and 29 below the title.
const std::vector<Caption> kBalanceSheetCaptions{
    {"Total", 345, 70, Centre},      {"Total", 500, 70, Centre},       {"Description", 72, 85, Left},
    {"Everywhere", 345, 85, Centre}, {"In Oklahoma", 500, 85, Centre},
};
const std::vector<Caption> kCombinedCaptions{
    {"Total", 345, 17, Centre},      {"Total", 500, 17, Centre},       {"Description", 72, 29, Left},
    {"Everywhere", 345, 29, Centre}, {"In Oklahoma", 500, 29, Centre},
};
const std::vector<Column> kBalanceSheetColumns{
    {"Description", 72, Left, Kind::Text},
    {"TotalEverywhere", 384, Right, Kind::Amount},
    {"TotalOklahoma", 540, Right, Kind::Amount},
};
const std::vector<RuleText> kBalanceSheetRule{
    {kNameRule, 72, Left}, {kLongRule, 384, Right}, {kLongRule, 540, Right}};

const ListLayout kOtherCurrentAssets{"Other Current Assets Schedule", kBalanceSheetCaptions,
                                     kBalanceSheetColumns, kBalanceSheetRule};
const ListLayout kOtherInvestments{"Other Investments Schedule", kBalanceSheetCaptions, kBalanceSheetColumns,
                                   kBalanceSheetRule};

// The name block at the top of a combined page, Helvetica-Bold 14 centred on the page.
constexpr int kNameBlockY[] = {40, 57, 74, 91, 108, 125};
constexpr std::string_view kFeinLabel = "FEIN: ";
constexpr std::string_view kReturnTitle = "OKLAHOMA FRANCHISE TAX RETURN";
constexpr std::string_view kPeriodLabel = "REPORTING PERIOD:  ";

// ---- Printing ----

class SchedulePrinter {
public:
    explicit SchedulePrinter(PrintRun& run) : run_(run), pdf_(run.Pdf) {}

    // A blank page after the last one, in the size of the page just printed.
    void StartPage() {
        pdf_.SelectDocument(run_.OutputDocument);
        pdf_.NewPage();
        pdf_.SetTextColor(0, 0, 0);
    }

    void StartSeparatePage(const ListLayout& layout) {
        StartPage();
        Heading(layout.Title, kTitleY, layout.Captions, 0);
        RowFont();
    }

    void StartCombinedPage(const ListLayout& layout) {
        StartPage();
        const ReturnRecord& r = run_.Doc.Record;
        const std::string lines[] = {
            r.Get(fld::CorpName),      r.Get(fld::Address),
            r.Get(fld::CityStateZip),  std::string(kFeinLabel) + r.Get(fld::FEIN),
            std::string(kReturnTitle), std::string(kPeriodLabel) + r.Get(fld::ReportPeriod),
        };
        CaptionFont(Centre);
        for (size_t i = 0; i < std::size(lines); ++i)
            run_.StampText(kHeadingX, kNameBlockY[i], lines[i]);
        TitleBlock(layout, kCombinedTitleY);
    }

    // The schedule's title with its column titles below it at t, then the row font.
    void TitleBlock(const ListLayout& layout, int t) {
        Heading(layout.Title, t, kCombinedCaptions, t);
        RowFont();
    }

    // The common list loop. The page for the first row has been started and y is where that row
    // goes; every further page is begun by startPage, with its first row at firstRowY. Gives the y
    // of the total line, or for a list without total the y after its last row.
    int Rows(const ListLayout& layout, const ScheduleTable& table, const std::function<void()>& startPage,
             int firstRowY, int y) {
        std::vector<int> columns;
        for (const Column& c : layout.Columns)
            columns.push_back(table.ColumnIndex(c.Field));
        std::vector<Money> sums(layout.Columns.size());
        for (size_t row = 0; row < table.RecordCount(); ++row) {
            if (y + kRowStep > kLowestLineEnd) {
                startPage();
                y = firstRowY;
            }
            for (size_t i = 0; i < layout.Columns.size(); ++i) {
                const Column& c = layout.Columns[i];
                const auto col = static_cast<size_t>(columns[i]);
                pdf_.SetTextAlign(c.Alignment);
                switch (c.Type) {
                case Kind::Text:
                    run_.StampText(c.X, y,
                                   table.NullAt(row, col) ? std::string_view() : table.TextAt(row, col));
                    break;
                case Kind::Amount: {
                    Money amount = table.NullAt(row, col) ? Money() : table.MoneyAt(row, col);
                    run_.StampAmount(c.X, y, amount);
                    sums[i] += amount;
                    break;
                }
                case Kind::Percent: {
                    double pct = table.NullAt(row, col) ? 0.0 : table.FloatAt(row, col);
                    run_.StampText(c.X, y, FormatFixed(pct, 8, 4) + "%");
                    break;
                }
                }
            }
            y += kRowStep;
        }
        if (layout.Rule.empty())
            return y;
        if (y + 2 * kRowStep > kLowestLineEnd) {
            startPage();
            y = firstRowY;
        }
        for (const RuleText& rule : layout.Rule) {
            pdf_.SetTextAlign(rule.Alignment);
            run_.StampText(rule.X, y, rule.Text);
        }
        const int total = y + kRowStep;
        pdf_.SetTextAlign(Left);
        run_.StampText(layout.Rule.front().X, total, kTotalLabel);
        for (size_t i = 0; i < layout.Columns.size(); ++i) {
            const Column& c = layout.Columns[i];
            if (c.Type != Kind::Amount)
                continue;
            pdf_.SetTextAlign(c.Alignment);
            run_.StampAmount(c.X, total, sums[i]);
        }
        return total;
    }

    // A list on separate pages of its own.
    void SeparateList(const ListLayout& layout, const ScheduleTable& table) {
        if (table.IsEmpty())
            return;
        auto start = [&] { StartSeparatePage(layout); };
        start();
        Rows(layout, table, start, kSeparateFirstRow, kSeparateFirstRow);
    }

private:
    void Heading(std::string_view title, int titleY, const std::vector<Caption>& captions, int captionBase) {
        pdf_.SelectFont(run_.HelveticaBoldFont);
        pdf_.SetTextSize(kTitleSize);
        pdf_.SetTextAlign(Centre);
        run_.StampText(kHeadingX, titleY, title);
        pdf_.SetTextSize(kCaptionSize);
        for (const Caption& c : captions) {
            pdf_.SetTextAlign(c.Alignment);
            run_.StampText(c.X, captionBase + c.Y, c.Text);
        }
    }

    void CaptionFont(Align alignment) {
        pdf_.SelectFont(run_.HelveticaBoldFont);
        pdf_.SetTextSize(kCaptionSize);
        pdf_.SetTextAlign(alignment);
    }

    void RowFont() {
        pdf_.SelectFont(run_.CourierFont);
        pdf_.SetTextSize(kRowSize);
        pdf_.SetTextAlign(Left);
    }

    PrintRun& run_;
    PdfWriter& pdf_;
};

} // namespace

void PrintRun::PrintSubsidiariesContinued() {
    SchedulePrinter(*this).SeparateList(kSubsidiaries, Doc.dm().tblSubsidiaries);
}

void PrintRun::PrintAffiliatesContinued() {
    SchedulePrinter(*this).SeparateList(kAffiliates, Doc.dm().tblAffiliates);
}

void PrintRun::PrintCurrentDebtContinued() {
    SchedulePrinter(*this).SeparateList(kCurrentDebt, Doc.dm().tblCurrDebt);
}

void PrintRun::PrintOtherCurrentAssetsSchedule() {
    SchedulePrinter(*this).SeparateList(kOtherCurrentAssets, Doc.dm().tblOthCurrAssets);
}

void PrintRun::PrintOtherInvestmentsSchedule() {
    SchedulePrinter(*this).SeparateList(kOtherInvestments, Doc.dm().tblOthInvest);
}

void PrintRun::PrintCombinedBalanceSheetSchedules() {
    SchedulePrinter p(*this);
    const ScheduleTable& assets = Doc.dm().tblOthCurrAssets;
    const ScheduleTable& investments = Doc.dm().tblOthInvest;
    int y = 0;
    bool assetsPrinted = false;
    if (!assets.IsEmpty()) {
        auto start = [&] { p.StartCombinedPage(kOtherCurrentAssets); };
        start();
        y = p.Rows(kOtherCurrentAssets, assets, start, kCombinedFirstRow, kCombinedFirstRow);
        assetsPrinted = true;
    }
    if (investments.IsEmpty())
        return;
    auto start = [&] { p.StartCombinedPage(kOtherInvestments); };
    if (!assetsPrinted || y + kSecondScheduleRoom > kLowestLineEnd) {
        start();
        y = kCombinedFirstRow;
    } else {
        p.TitleBlock(kOtherInvestments, y + kSecondTitleGap);
        y += kSecondFirstRowGap;
    }
    p.Rows(kOtherInvestments, investments, start, kCombinedFirstRow, y);
}

} // namespace qv
