#include "ComputeReturn.h"

#include "Error.h"
#include "ExactMoney.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <string>
#include <string_view>

// The return computation: every derived line of the balance sheet, Schedule B, Form 200 and the
// minimum/maximum return, in one pass over the record and the current-debt rows.
//
// All amounts are worked in 128-bit counts of 1/10,000 dollar, so each line is the exact decimal
// result rounded only where the forms say so. A line whose exact value does not fit in Money stops the
// computation with an error naming the line; nothing is ever wrapped or clipped. A stop leaves the
// lines computed before it with their new values and every later line as it was.

namespace qv {

namespace {

using exact::DivCeil;
using exact::DivRoundHalfAway;
using exact::kUnitsPerCent;
using exact::kUnitsPerDollar;
using exact::kUnitsPerThousandDollars;

constexpr std::string_view kDueWithinThreeYearsColumn = "DueWI3Yrs";

// Tax: $1.25 for each $1,000, that is 125 / 100,000 of the capital.
constexpr int64_t kTaxRateNumerator = 125;
constexpr int64_t kTaxRateDenominator = 100000;
// Interest: 1.25 % per month, 125 ten-thousandths.
constexpr int64_t kTenThousandths = 10000;
constexpr int64_t kInterestPerMonthTenThousandths = 125;
// Line 9 holds the Oklahoma fraction in ten-thousandths.
constexpr int64_t kLine9Scale = 10000;

constexpr int64_t kMinimumTax = 10 * kUnitsPerDollar;      // before July 2006
constexpr int64_t kExemptionTo2007 = 10 * kUnitsPerDollar; // July 2006 to December 2007
constexpr int64_t kExemptionFrom2008 = 250 * kUnitsPerDollar;
constexpr int64_t kMaximumTax = 20000 * kUnitsPerDollar;

// How the user knows the lines the computation writes, for the message when one is out of range.
struct LineCaption {
    FieldId Id;
    std::string_view Caption;
};

constexpr LineCaption kLineCaptions[] = {
    {FieldId::Bs6a, "Balance sheet line 6, column A"},
    {FieldId::Bs6b, "Balance sheet line 6, column B"},
    {FieldId::Bs15a, "Balance sheet line 15, column A"},
    {FieldId::Bs15b, "Balance sheet line 15, column B"},
    {FieldId::Bs18a, "Balance sheet line 18, column A"},
    {FieldId::Bs18b, "Balance sheet line 18, column B"},
    {FieldId::Bs21, "Balance sheet line 21"},
    {FieldId::SchedBAuthCommonBook, "The book value of the authorized common stock (Schedule B)"},
    {FieldId::SchedBAuthPrefBook, "The book value of the authorized first preferred stock (Schedule B)"},
    {FieldId::SchedBIssuedCommonBook, "The book value of the issued common stock (Schedule B)"},
    {FieldId::SchedBIssuedPrefBook, "The book value of the issued first preferred stock (Schedule B)"},
    {FieldId::Bs28a, "Balance sheet line 28a"},
    {FieldId::Bs28b, "Balance sheet line 28b"},
    {FieldId::Bs23, "Balance sheet line 23"},
    {FieldId::Bs32, "Balance sheet line 32"},
    {FieldId::F200Line1, "Form 200 line 1"},
    {FieldId::F200Line2, "Form 200 line 2"},
    {FieldId::F200Line3, "Form 200 line 3"},
    {FieldId::F200Line4, "Form 200 line 4"},
    {FieldId::F200Line5, "Form 200 line 5"},
    {FieldId::F200Line6, "Form 200 line 6"},
    {FieldId::F200Line7, "Form 200 line 7"},
    {FieldId::F200Line8, "Form 200 line 8"},
    {FieldId::F200Line10, "Form 200 line 10"},
    {FieldId::F200Line11, "Form 200 line 11"},
    {FieldId::F200Line12, "Form 200 line 12"},
    {FieldId::F200Line14, "Form 200 line 14"},
    {FieldId::F200Line18, "Form 200 line 18"},
    {FieldId::MMLine3, "Min/Max line 3"},
    {FieldId::MMLine7, "Min/Max line 7"},
};

// The caption of a derived line, or its field name.
std::string CaptionOf(FieldId id) {
    for (const LineCaption& c : kLineCaptions)
        if (c.Id == id)
            return std::string(c.Caption);
    return std::string(DefOf(id).Name);
}

[[noreturn]] void OutOfRange(FieldId id) {
    throw Error(CaptionOf(id) + ": the computed amount is out of range.");
}

// The Schedule D rows on the page; further rows are in tblCurrDebt.
constexpr MoneyField kPageDebtRows[] = {
    fld::SchedDDebt1DueWithin3Yrs, fld::SchedDDebt2DueWithin3Yrs, fld::SchedDDebt3DueWithin3Yrs,
    fld::SchedDDebt4DueWithin3Yrs, fld::SchedDDebt5DueWithin3Yrs, fld::SchedDDebt6DueWithin3Yrs,
    fld::SchedDDebt7DueWithin3Yrs, fld::SchedDDebt8DueWithin3Yrs, fld::SchedDDebt9DueWithin3Yrs,
};

// The four stock rows of Schedule B, in the order they are valued.
struct StockRow {
    DoubleField Shares;
    MoneyField Par;
    MoneyField Book;
    std::string_view Name;
};

constexpr StockRow kStockRows[] = {
    {fld::SchedBAuthCommonShares, fld::SchedBAuthCommonPar, fld::SchedBAuthCommonBook,
     "authorized common stock"},
    {fld::SchedBAuthPrefShares, fld::SchedBAuthPrefPar, fld::SchedBAuthPrefBook,
     "authorized first preferred stock"},
    {fld::SchedBIssuedCommonShares, fld::SchedBIssuedCommonPar, fld::SchedBIssuedCommonBook,
     "issued common stock"},
    {fld::SchedBIssuedPrefShares, fld::SchedBIssuedPrefPar, fld::SchedBIssuedPrefBook,
     "issued first preferred stock"},
};

class Computation {
public:
    explicit Computation(ReturnRecord& record) : r_(record) {}

    i128 Get(MoneyField f) const { return r_.Get(f).Units(); }

    // Stores an exact result; one that does not fit in Money stops the computation.
    void Put(MoneyField f, i128 units) {
        if (!exact::FitsMoney(units))
            OutOfRange(f.Id);
        r_.Set(f, Money::FromUnits(static_cast<int64_t>(units)));
    }

    template <class... Fields>
    i128 Sum(Fields... fields) const {
        return (i128(0) + ... + Get(fields));
    }

    ReturnRecord& Record() { return r_; }

private:
    ReturnRecord& r_;
};

// The tax on a capital: $1.25 per $1,000, to cents.
i128 TaxOn(i128 capital) {
    return DivRoundHalfAway(capital * kTaxRateNumerator, kTaxRateDenominator * kUnitsPerCent) * kUnitsPerCent;
}

// Adds DueWI3Yrs of every row of the current-debt table to sum, walking the table from its first
// row to its end with display updates suspended; they resume on every exit. On an error, sum holds
// the rows added so far. The column is looked up only when there is a row to read, as the cursor
// reads it row by row.
void AddCurrentDebtRows(ScheduleTable& table, i128& sum) {
    ControlsSuspended suspended(table);
    table.First();
    if (table.Eof())
        return;
    const int column = table.ColumnIndex(kDueWithinThreeYearsColumn);
    if (table.Columns()[static_cast<size_t>(column)].Type == ColumnType::Currency) {
        // A Currency cell is read as the cursor would read it (a null cell is 0), but straight from
        // the rows: a return may carry a million of them and this runs on every change of focus.
        const size_t rows = table.RecordCount();
        const size_t col = static_cast<size_t>(column);
        for (size_t row = table.RecNo(); row < rows; ++row) {
            if (!table.NullAt(row, col))
                sum += table.MoneyAt(row, col).Units();
        }
        // Leave the cursor where the walk leaves it: past the last row.
        table.MoveTo(rows - 1);
        table.Next();
        return;
    }
    // Another column type (from a file that defines the table differently) is converted per row.
    for (; !table.Eof(); table.Next())
        sum += table.AsMoney(column).Units();
}

} // namespace

void ComputeReturn(Franchise& doc) {
    Computation c(doc.Record);
    ReturnRecord& r = c.Record();

    // Current assets, net assets (less depreciation, depletion and amortization) and total assets.
    c.Put(fld::Bs6a, c.Sum(fld::Bs1a, fld::Bs2a, fld::Bs3a, fld::Bs4a, fld::Bs5a));
    c.Put(fld::Bs6b, c.Sum(fld::Bs1b, fld::Bs2b, fld::Bs3b, fld::Bs4b, fld::Bs5b));
    c.Put(fld::Bs15a, c.Sum(fld::Bs6a, fld::Bs7a, fld::Bs8a, fld::Bs9aa, fld::Bs10aa, fld::Bs11aa, fld::Bs12a,
                            fld::Bs13aa, fld::Bs14a) -
                          c.Sum(fld::Bs9ba, fld::Bs10ba, fld::Bs11ba, fld::Bs13ba));
    c.Put(fld::Bs15b, c.Sum(fld::Bs6b, fld::Bs7b, fld::Bs8b, fld::Bs9ab, fld::Bs10ab, fld::Bs11ab, fld::Bs12b,
                            fld::Bs13ab, fld::Bs14b) -
                          c.Sum(fld::Bs9bb, fld::Bs10bb, fld::Bs11bb, fld::Bs13bb));
    c.Put(fld::Bs18a, c.Sum(fld::Bs15a, fld::Bs16aa, fld::Bs16ba, fld::Bs16ca, fld::Bs17a));
    c.Put(fld::Bs18b, c.Sum(fld::Bs15b, fld::Bs16ab, fld::Bs16bb, fld::Bs16cb, fld::Bs17b));

    // Line 21: the Schedule D rows of the page and the continuation rows of the table.
    i128 debt = 0;
    for (MoneyField row : kPageDebtRows)
        debt += c.Get(row);
    try {
        AddCurrentDebtRows(doc.dm().tblCurrDebt, debt);
    } catch (...) {
        if (exact::FitsMoney(debt))
            c.Put(fld::Bs21, debt);
        throw;
    }
    c.Put(fld::Bs21, debt);

    // Schedule B book values: par x shares, to cents. The share count is a double; it enters as the
    // decimal number the user typed, which is the shortest decimal that reads back to the same double.
    // Its exact binary value would be wrong: 0.3 shares are stored as 0.29999999999999998890, and at a
    // par of 0.05 the book value must be 0.015, that is 0.02, not 0.01.
    for (const StockRow& row : kStockRows) {
        std::optional<exact::Decimal> shares = exact::ShortestDecimal(r.Get(row.Shares));
        if (!shares)
            throw Error("The number of shares of the " + std::string(row.Name) +
                        " (Schedule B) is not a number.");
        std::optional<i128> book = exact::TimesDecimalToCents(c.Get(row.Par), *shares);
        if (!book)
            OutOfRange(row.Book.Id);
        c.Put(row.Book, *book);
    }
    // The preferred row feeds line 28a, the common row line 28b.
    c.Put(fld::Bs28a, c.Get(fld::SchedBIssuedPrefBook));
    c.Put(fld::Bs28b, c.Get(fld::SchedBIssuedCommonBook));

    c.Put(fld::Bs23, c.Sum(fld::Bs19, fld::Bs20, fld::Bs21, fld::Bs22));
    c.Put(fld::Bs32, c.Sum(fld::Bs23, fld::Bs24a, fld::Bs24b, fld::Bs24c, fld::Bs25, fld::Bs26, fld::Bs27,
                           fld::Bs28a, fld::Bs28b, fld::Bs29, fld::Bs30, fld::Bs31));

    // Form 200 lines 1 to 3. Line 2 is zero when every asset is in Oklahoma.
    c.Put(fld::F200Line1, exact::ToWholeDollars(c.Get(fld::Bs15b)));
    c.Put(fld::F200Line2,
          c.Get(fld::Bs15a) == c.Get(fld::Bs15b) ? i128(0) : exact::ToWholeDollars(c.Get(fld::Bs15a)));
    c.Put(fld::F200Line3, exact::ToWholeDollars(c.Get(fld::Bs23)));

    if (c.Get(fld::F200Line2) == 0) {
        // No apportionment: the tax is on the capital employed in Oklahoma.
        c.Put(fld::F200Line4, exact::UpToThousand(c.Get(fld::F200Line1) - c.Get(fld::F200Line3)));
        c.Put(fld::F200Line12, TaxOn(c.Get(fld::F200Line4)));
        for (MoneyField f : {fld::F200Line5, fld::F200Line6, fld::F200Line7, fld::F200Line8})
            c.Put(f, 0);
        r.Set(fld::F200Line9, 0.0);
        c.Put(fld::F200Line10, 0);
        c.Put(fld::F200Line11, 0);
    } else {
        // Apportionment: the tax is on the Oklahoma share of the capital.
        c.Put(fld::F200Line4, 0);
        c.Put(fld::F200Line5, exact::ToWholeDollars(c.Get(fld::Bs34)));
        c.Put(fld::F200Line6, c.Sum(fld::F200Line1, fld::F200Line5));
        c.Put(fld::F200Line7, exact::ToWholeDollars(c.Get(fld::Bs33)));
        c.Put(fld::F200Line8, c.Sum(fld::F200Line2, fld::F200Line7));
        // Option 1 weighs assets and business done, Option 2 assets only (whose divisor, line 2, is
        // not zero here).
        i128 numerator = c.Get(fld::F200Line1);
        i128 denominator = c.Get(fld::F200Line2);
        if (r.IsYes(fld::F200Option1)) {
            numerator = c.Get(fld::F200Line6);
            denominator = c.Get(fld::F200Line8);
            if (denominator == 0)
                throw Error("Line 8, the total value of assets and business done, is zero, so the Oklahoma "
                            "percentage (line 9) cannot be computed under Option 1.");
        }
        // Lines 1, 2, 5 and 7 are whole dollars, so the quotient in ten-thousandths is no larger in
        // magnitude than the numerator and fits in 64 bits.
        const i128 ratio = DivRoundHalfAway(numerator * kLine9Scale, denominator);
        r.Set(fld::F200Line9, static_cast<double>(static_cast<int64_t>(ratio)));
        c.Put(fld::F200Line10, c.Get(fld::F200Line2) - c.Get(fld::F200Line3));
        // Line 11 is worked from line 9 as stored, the fraction to four places.
        const i128 line9 = exact::WholeNumberOfDouble(r.Get(fld::F200Line9)).value_or(0);
        c.Put(fld::F200Line11,
              DivCeil(line9 * c.Get(fld::F200Line10), kLine9Scale * kUnitsPerThousandDollars) *
                  kUnitsPerThousandDollars);
        c.Put(fld::F200Line12, TaxOn(c.Get(fld::F200Line11)));
    }

    // Minimum, exemption and maximum, by the due date (no due date counts as the earliest).
    static const DateValue kJuly2006 = EncodeDate(2006, 7, 1);
    static const DateValue kEndOf2007 = EncodeDate(2007, 12, 31);
    const DateValue due = r.Get(fld::DueDate);
    i128 tax = c.Get(fld::F200Line12);
    if (due < kJuly2006) {
        if (tax < kMinimumTax)
            tax = kMinimumTax;
    } else if (due <= kEndOf2007) {
        if (tax <= kExemptionTo2007)
            tax = 0;
    } else if (tax <= kExemptionFrom2008) {
        tax = 0;
    }
    if (tax > kMaximumTax)
        tax = kMaximumTax;
    c.Put(fld::F200Line12, tax);

    // Interest at 1.25 % per month. Min/Max line 3 keeps 1/10,000 dollar, a remainder going up;
    // Form 200 line 14 is to cents.
    const int32_t months = r.Get(fld::InterestMonths);
    if (months >= 1) {
        const i128 rate = i128(months) * kInterestPerMonthTenThousandths;
        c.Put(fld::MMLine3, DivCeil(rate * c.Get(fld::MMLine1), kTenThousandths));
        c.Put(fld::F200Line14, DivRoundHalfAway(rate * tax, kTenThousandths * kUnitsPerCent) * kUnitsPerCent);
    } else {
        c.Put(fld::MMLine3, 0);
        c.Put(fld::F200Line14, 0);
    }

    c.Put(fld::F200Line18,
          c.Sum(fld::F200Line12, fld::F200Line13, fld::F200Line14, fld::F200Line15, fld::F200Line16) -
              c.Get(fld::F200Line17));
    c.Put(fld::MMLine7,
          c.Sum(fld::MMLine1, fld::MMLine2, fld::MMLine3, fld::MMLine4, fld::MMLine5) - c.Get(fld::MMLine6));
}

} // namespace qv
