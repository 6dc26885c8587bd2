#include "LayoutBuilders.h"

namespace qv::form {

namespace {

// The employer identification number boxes; the form prints the hyphen between them.
constexpr int16_t kFeinScheduleBCD[] = {73, 87, 103, 117, 133, 147, 163, 177, 192};
constexpr Preprint kFeinHyphenScheduleBCD[] = {{95, "-"}};

} // namespace

namespace build {

// Schedules B, C and D (template page 3).

PageLayout ScheduleBCDLayout() {
    PageLayout p;
    p.Page = page::ScheduleBCD;
    p.Name = "Schedules B, C and D";
    auto& s = p.Stamps;
    Add(s, Face::Courier, 24, Align::Left,
        {BoxRow("FEIN", Value::Chars, FieldId::FEIN, 54, {}, Prep::None, kPosFein, kFeinScheduleBCD,
                kFeinHyphenScheduleBCD)});
    Add(s, Face::TimesRoman, 12, Align::Left,
        {TextAt(
             "business structure, formation date and county", FieldId::SchedBBizStructure, 40, 190,
             Line(38, 576,
                  "1.  If not a corporation: the type of business structure, the date of formation and the "
                  "county")),
         TextAt("Oklahoma registered agent", FieldId::SchedBRegisteredAgent, 40, 220,
                Line(38, 576, "2.  Name and address of the Oklahoma registered agent")),
         TextAt("parent company name", FieldId::SchedBParentName, 280, 234,
                LineBefore(278, 456, "3.  Name of the parent company")),
         TextAt("parent company FEIN", FieldId::SchedBParentFEIN, 490, 234, LineBefore(488, 576, "FEIN")),
         TextAt("nature of business", FieldId::SchedBBizNature, 230, 263,
                LineBefore(228, 576, "5.  Nature of business")),
         TextAt("fiscal year of the stock figures", FieldId::SchedBFiscalYear, 350, 320,
                LineBefore(348, 394, "Issued and outstanding at the end of the fiscal year"),
                Value::WholeNumber)});

    // The capital stock table: the number of shares, the class printed beside it, par and book value.
    struct StockRow {
        std::string_view Class;
        int Y;
        FieldId Shares, Par, Book;
        std::string_view ItemShares, ItemPar, ItemBook;
    };
    static constexpr StockRow kStock[] = {
        {"Authorized: common", 292, FieldId::SchedBAuthCommonShares, FieldId::SchedBAuthCommonPar,
         FieldId::SchedBAuthCommonBook, "authorized common: shares", "authorized common: par value",
         "authorized common: book value"},
        {"Authorized: first preferred", 307, FieldId::SchedBAuthPrefShares, FieldId::SchedBAuthPrefPar,
         FieldId::SchedBAuthPrefBook, "authorized first preferred: shares",
         "authorized first preferred: par value", "authorized first preferred: book value"},
        {"Issued and outstanding: common", 334, FieldId::SchedBIssuedCommonShares,
         FieldId::SchedBIssuedCommonPar, FieldId::SchedBIssuedCommonBook, "issued common: shares",
         "issued common: par value", "issued common: book value"},
        {"Issued and outstanding: first preferred", 348, FieldId::SchedBIssuedPrefShares,
         FieldId::SchedBIssuedPrefPar, FieldId::SchedBIssuedPrefBook, "issued first preferred: shares",
         "issued first preferred: par value", "issued first preferred: book value"},
    };
    Add(s, Face::TimesRoman, 12, Align::Right,
        {TextAt("percent owned by parent", FieldId::SchedBPctParentOwned, 420, 249,
                LineBefore(356, 424, "4.  Percentage of the outstanding stock owned by the parent company"),
                Value::Fixed3)});
    for (const StockRow& r : kStock) {
        Add(s, Face::TimesRoman, 12, Align::Right,
            {Captioned(TextAt(r.ItemShares, r.Shares, 170, r.Y, Line(38, 176), Value::Fixed8),
                       LineCaption{182, 394, {}, r.Class, {}}),
             TextAt(r.ItemPar, r.Par, 460, r.Y, Line(396, 466), Value::Currency),
             TextAt(r.ItemBook, r.Book, 570, r.Y, Line(466, 576), Value::Currency)});
    }

    // Schedule C, subsidiaries and affiliates; Schedule D, current debt.
    static constexpr int kSubRows[] = {446, 458, 470, 482, 495};
    static constexpr FieldId kSubName[] = {FieldId::SchedCSub1Name, FieldId::SchedCSub2Name,
                                           FieldId::SchedCSub3Name, FieldId::SchedCSub4Name,
                                           FieldId::SchedCSub5Name};
    static constexpr FieldId kSubFein[] = {FieldId::SchedCSub1FEIN, FieldId::SchedCSub2FEIN,
                                           FieldId::SchedCSub3FEIN, FieldId::SchedCSub4FEIN,
                                           FieldId::SchedCSub5FEIN};
    static constexpr FieldId kSubPct[] = {FieldId::SchedCSub1PctOwned, FieldId::SchedCSub2PctOwned,
                                          FieldId::SchedCSub3PctOwned, FieldId::SchedCSub4PctOwned,
                                          FieldId::SchedCSub5PctOwned};
    static constexpr FieldId kSubInvest[] = {FieldId::SchedCSub1Investment, FieldId::SchedCSub2Investment,
                                             FieldId::SchedCSub3Investment, FieldId::SchedCSub4Investment,
                                             FieldId::SchedCSub5Investment};
    for (size_t i = 0; i < std::size(kSubRows); ++i) {
        const int y = kSubRows[i];
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt("subsidiary name", kSubName[i], 35, y, Line(33, 196)),
             TextAt("subsidiary FEIN", kSubFein[i], 200, y, Line(196, 290))});
        Add(s, Face::TimesRoman, 12, Align::Right,
            {TextAt("subsidiary percentage owned", kSubPct[i], 380, y, Line(290, 386), Value::Fixed8),
             TextAt("subsidiary financial investment", kSubInvest[i], 560, y, Line(386, 576),
                    Value::DoubleAmount)});
    }
    static constexpr int kAffRows[] = {542, 554, 566, 579};
    static constexpr FieldId kAffName[] = {FieldId::SchedCAff1Name, FieldId::SchedCAff2Name,
                                           FieldId::SchedCAff3Name, FieldId::SchedCAff4Name};
    static constexpr FieldId kAffFein[] = {FieldId::SchedCAff1FEIN, FieldId::SchedCAff2FEIN,
                                           FieldId::SchedCAff3FEIN, FieldId::SchedCAff4FEIN};
    static constexpr FieldId kAffHow[] = {FieldId::SchedCAff1HowRelated, FieldId::SchedCAff2HowRelated,
                                          FieldId::SchedCAff3HowRelated, FieldId::SchedCAff4HowRelated};
    for (size_t i = 0; i < std::size(kAffRows); ++i) {
        const int y = kAffRows[i];
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt("affiliate name", kAffName[i], 35, y, Line(33, 196)),
             TextAt("affiliate FEIN", kAffFein[i], 200, y, Line(196, 310)),
             TextAt("affiliate how related", kAffHow[i], 314, y, Line(310, 576))});
    }
    static constexpr int kDebtRows[] = {662, 674, 686, 698, 710, 722, 734, 746, 758};
    static constexpr FieldId kDebtLender[] = {
        FieldId::SchedDDebt1Lender, FieldId::SchedDDebt2Lender, FieldId::SchedDDebt3Lender,
        FieldId::SchedDDebt4Lender, FieldId::SchedDDebt5Lender, FieldId::SchedDDebt6Lender,
        FieldId::SchedDDebt7Lender, FieldId::SchedDDebt8Lender, FieldId::SchedDDebt9Lender};
    static constexpr FieldId kDebtIssue[] = {
        FieldId::SchedDDebt1IssueDate, FieldId::SchedDDebt2IssueDate, FieldId::SchedDDebt3IssueDate,
        FieldId::SchedDDebt4IssueDate, FieldId::SchedDDebt5IssueDate, FieldId::SchedDDebt6IssueDate,
        FieldId::SchedDDebt7IssueDate, FieldId::SchedDDebt8IssueDate, FieldId::SchedDDebt9IssueDate};
    static constexpr FieldId kDebtMaturity[] = {
        FieldId::SchedDDebt1MaturityDate, FieldId::SchedDDebt2MaturityDate, FieldId::SchedDDebt3MaturityDate,
        FieldId::SchedDDebt4MaturityDate, FieldId::SchedDDebt5MaturityDate, FieldId::SchedDDebt6MaturityDate,
        FieldId::SchedDDebt7MaturityDate, FieldId::SchedDDebt8MaturityDate, FieldId::SchedDDebt9MaturityDate};
    static constexpr FieldId kDebtOrig[] = {
        FieldId::SchedDDebt1OrigAmount, FieldId::SchedDDebt2OrigAmount, FieldId::SchedDDebt3OrigAmount,
        FieldId::SchedDDebt4OrigAmount, FieldId::SchedDDebt5OrigAmount, FieldId::SchedDDebt6OrigAmount,
        FieldId::SchedDDebt7OrigAmount, FieldId::SchedDDebt8OrigAmount, FieldId::SchedDDebt9OrigAmount};
    static constexpr FieldId kDebtDue[] = {
        FieldId::SchedDDebt1DueWithin3Yrs, FieldId::SchedDDebt2DueWithin3Yrs,
        FieldId::SchedDDebt3DueWithin3Yrs, FieldId::SchedDDebt4DueWithin3Yrs,
        FieldId::SchedDDebt5DueWithin3Yrs, FieldId::SchedDDebt6DueWithin3Yrs,
        FieldId::SchedDDebt7DueWithin3Yrs, FieldId::SchedDDebt8DueWithin3Yrs,
        FieldId::SchedDDebt9DueWithin3Yrs};
    for (size_t i = 0; i < std::size(kDebtRows); ++i) {
        const int y = kDebtRows[i];
        Add(s, Face::TimesRoman, 12, Align::Left,
            {TextAt("debt lender", kDebtLender[i], 35, y, Line(33, 166)),
             TextAt("debt date of issuance", kDebtIssue[i], 170, y, Line(166, 276)),
             TextAt("debt maturity date", kDebtMaturity[i], 280, y, Line(276, 378))});
        Add(s, Face::TimesRoman, 12, Align::Right,
            {TextAt("debt amount of the instrument", kDebtOrig[i], 450, y, Line(378, 456), Value::Amount),
             TextAt("debt payable within three years", kDebtDue[i], 560, y, Line(456, 576), Value::Amount)});
    }
    return p;
}

} // namespace build

} // namespace qv::form
