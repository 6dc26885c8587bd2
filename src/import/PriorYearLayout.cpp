#include "PriorYearLayout.h"

namespace qv {

namespace {

// The five values of a Schedule D row, in field-table order.
enum DebtColumn { kLender, kIssueDate, kMaturityDate, kOrigAmount, kDueWithin3Yrs, kDebtColumns };

// The prior offset of one value of a packed Schedule D row (row 0 to 8).
uint16_t PackedDebtOffset(size_t row, size_t column) {
    const PackedDebtLayout& p = kPackedDebt;
    const size_t lender = row == 0 ? p.Row1Lender : p.Row2Lender + (row - 1) * p.RowStride;
    if (column == kLender)
        return static_cast<uint16_t>(lender);
    const size_t issue = row == 0 ? p.Row1IssueDate : lender + p.IssueDateAfterLender;
    return static_cast<uint16_t>(issue + (column - kIssueDate) * p.ValueWidth);
}

// The packed layout is matched to the current rows by position: each row's non-reserved fields must
// be lender, issue date, maturity date and the two amounts, in that order.
constexpr bool DebtRowsInFieldOrder() {
    size_t n = 0;
    for (size_t i = static_cast<size_t>(FieldId::SchedDDebt1Lender);
         i <= static_cast<size_t>(FieldId::SchedDDebt9DueWithin3Yrs); ++i) {
        const FieldDef& def = kRecordFields[i];
        if (def.Kind == FieldKind::Reserved)
            continue;
        const size_t column = n++ % kDebtColumns;
        const bool fits = column == kLender         ? def.Kind == FieldKind::Text && def.Size == 31
                          : column <= kMaturityDate ? def.Kind == FieldKind::Text && def.Size == 16
                                                    : def.Kind == FieldKind::Money;
        if (!fits)
            return false;
    }
    return n == 9 * kDebtColumns;
}
static_assert(DebtRowsInFieldOrder());

CarryRule RuleOf(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::YesNo ? CarryRule::Text : CarryRule::Bits;
}

} // namespace

const PriorEdition* PriorEditionOfVersion(int32_t version) {
    for (const PriorEdition& e : kPriorEditions)
        if (e.Version == version)
            return &e;
    return nullptr;
}

std::vector<CarriedField> CarriedFields(const PriorEdition& edition) {
    std::vector<CarriedField> fields;
    const size_t firstDebtField = static_cast<size_t>(FieldId::SchedDDebt1Lender);
    for (size_t b = 0; b < kCarriedBlockCount; ++b) {
        const CarriedBlock& block = kCarriedBlocks[b];
        const int16_t shift = edition.Shift[b];
        // Position among the non-reserved Schedule D fields, for the packed layout.
        size_t debtValue = 0;
        for (size_t i = firstDebtField; shift == kPackedScheduleD && i < static_cast<size_t>(block.First);
             ++i)
            if (kRecordFields[i].Kind != FieldKind::Reserved)
                ++debtValue;
        for (size_t i = static_cast<size_t>(block.First); i <= static_cast<size_t>(block.Last); ++i) {
            const FieldDef& def = kRecordFields[i];
            if (def.Kind == FieldKind::Reserved)
                continue;
            CarriedField f{static_cast<FieldId>(i), 0, def.Size, RuleOf(def.Kind)};
            if (shift == kPackedScheduleD) {
                const size_t row = debtValue / kDebtColumns;
                const size_t column = debtValue % kDebtColumns;
                ++debtValue;
                f.PriorOffset = PackedDebtOffset(row, column);
                if (column == kIssueDate || column == kMaturityDate) {
                    f.PriorSize = kPackedDebt.ValueWidth;
                    f.Rule = CarryRule::DateAsText;
                }
            } else {
                f.PriorOffset = static_cast<uint16_t>(def.Offset - shift);
            }
            fields.push_back(f);
        }
    }
    return fields;
}

} // namespace qv
