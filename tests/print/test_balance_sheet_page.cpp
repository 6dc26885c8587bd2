// The balance sheet: every line in its column, whole dollars or cents.

#include "FormPagesFixture.h"

namespace qv {
namespace {

using namespace test;

struct BalanceRow {
    int Y;
    MoneyField A;
    std::optional<MoneyField> B;
    bool Dollar;
};

// Column A ends at 248, B at 348; the liabilities at 574.
const BalanceRow kBalanceRows[] = {
    {176, fld::Bs1a, fld::Bs1b, true},
    {196, fld::Bs2a, fld::Bs2b, false},
    {216, fld::Bs3a, fld::Bs3b, false},
    {249, fld::Bs4a, fld::Bs4b, false},
    {283, fld::Bs5a, fld::Bs5b, false},
    {317, fld::Bs6a, fld::Bs6b, true},
    {337, fld::Bs7a, fld::Bs7b, false},
    {370, fld::Bs8a, fld::Bs8b, false},
    {390, fld::Bs9aa, fld::Bs9ab, false},
    {419, fld::Bs9ba, fld::Bs9bb, false},
    {439, fld::Bs10aa, fld::Bs10ab, false},
    {468, fld::Bs10ba, fld::Bs10bb, false},
    {488, fld::Bs11aa, fld::Bs11ab, false},
    {517, fld::Bs11ba, fld::Bs11bb, false},
    {536, fld::Bs12a, fld::Bs12b, false},
    {557, fld::Bs13aa, fld::Bs13ab, false},
    {581, fld::Bs13ba, fld::Bs13bb, false},
    {603, fld::Bs14a, fld::Bs14b, false},
    {623, fld::Bs15a, fld::Bs15b, true},
    {664, fld::Bs16aa, fld::Bs16ab, false},
    {679, fld::Bs16ba, fld::Bs16bb, false},
    {693, fld::Bs16ca, fld::Bs16cb, false},
    {728, fld::Bs17a, fld::Bs17b, false},
    {744, fld::Bs18a, fld::Bs18b, true},
    {176, fld::Bs19, {}, true},
    {196, fld::Bs20, {}, false},
    {258, fld::Bs21, {}, false},
    {277, fld::Bs22, {}, false},
    {298, fld::Bs23, {}, true},
    {344, fld::Bs24a, {}, false},
    {358, fld::Bs24b, {}, false},
    {372, fld::Bs24c, {}, false},
    {420, fld::Bs25, {}, false},
    {453, fld::Bs26, {}, false},
    {475, fld::Bs27, {}, false},
    {508, fld::Bs28a, {}, false},
    {522, fld::Bs28b, {}, false},
    {557, fld::Bs29, {}, false},
    {577, fld::Bs30, {}, false},
    {597, fld::Bs31, {}, false},
    {631, fld::Bs32, {}, true},
    {685, fld::Bs33, {}, true},
    {740, fld::Bs34, {}, true},
};

TEST_F(FormPagesTest, BalanceSheetStampsEveryLineInItsColumn) {
    SetIdentification();
    r.Set(fld::BalanceSheetDate, EncodeDate(2009, 12, 31));
    Expects e = {{"12/31/2009", 310, 91, kTimes, 16}};
    Append(e, Boxes(55, {73, 88, 103, 118, 133, 148, 163, 177, 192}, "731234567", kCourier, 24));
    int k = 0;
    for (const BalanceRow& row : kBalanceRows) {
        ++k;
        // Every line a different amount; line 7 stays zero in both columns and prints nothing.
        const Money a = row.A.Id == FieldId::Bs7a ? Money() : Money::FromUnits(k * 11111111 + 5000);
        const Money b = row.A.Id == FieldId::Bs7a ? Money() : Money::FromUnits(-k * 2500000);
        r.Set(row.A, a);
        if (row.B)
            r.Set(*row.B, b);
        auto text = [&](Money m) {
            return (row.Dollar ? "$" : "") + FormatAmount(m, false, RegionalSettings::UnitedStates());
        };
        if (a != Money())
            e.push_back({text(a), row.B ? 248.0 : 574.0, row.Y, kTimes, 10, true});
        if (row.B && b != Money())
            e.push_back({text(b), 348, row.Y, kTimes, 10, true});
    }
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampBalanceSheet(); }), {4});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1, e);
}

TEST_F(FormPagesTest, BalanceSheetAmountsFollowTheWholeDollarFlag) {
    doc.WholeDollars = true;
    r.Set(fld::Bs1a, Amount("1234567.50"));
    r.Set(fld::Bs2b, Amount("2.50"));
    r.Set(fld::Bs20, Amount("-0.40")); // rounds to zero, still drawn: the amount is not zero
    const auto stamps = Stamps(Print([](PrintRun& run) { run.StampBalanceSheet(); }), {4});
    ASSERT_EQ(stamps.size(), 1u);
    ExpectPage(stamps, 1,
               {
                   {"$   1,234,568", 248, 176, kTimes, 10, true},
                   {"           2", 348, 196, kTimes, 10, true},
                   {"           0", 574, 196, kTimes, 10, true},
               });
}

} // namespace
} // namespace qv
