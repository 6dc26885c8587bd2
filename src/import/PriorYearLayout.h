#pragma once

#include "RecordFields.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace qv {

// Where the return records of the 2004 to 2009 editions (format versions 1 to 6) keep the fields
// that the current record still has. A prior record holds the carried fields in blocks; inside a
// block every field has the type and width of the current field of the same name and lies the
// block's shift before the current field's offset. The one exception is Schedule D in the 2004 and
// 2005 editions, whose rows are packed differently and hold their dates as DateValues.

// A block of carried fields: a run of the current field table, first and last field included.
// Reserved gaps inside a block are not carried.
struct CarriedBlock {
    FieldId First;
    FieldId Last;
};

inline constexpr CarriedBlock kCarriedBlocks[] = {
    {FieldId::FEIN, FieldId::F200FDate},
    {FieldId::IncOklahoma, FieldId::EstimatedReturn},
    {FieldId::F200Option1, FieldId::F200Option2},
    {FieldId::CarriedText1, FieldId::CarriedText3},
    {FieldId::SchedBBizStructure, FieldId::SchedBParentFEIN},
    {FieldId::SchedBPctParentOwned, FieldId::SchedDDebt1Lender},
    {FieldId::SchedDDebt1IssueDate, FieldId::SchedDDebt9DueWithin3Yrs},
    {FieldId::MMForeignCorp, FieldId::MMEstimatedReturn},
};
inline constexpr size_t kCarriedBlockCount = std::size(kCarriedBlocks);

// The shift of a block that the packed Schedule D layout places instead.
inline constexpr int16_t kPackedScheduleD = -1;

struct PriorEdition {
    int32_t Version;
    int32_t Year;
    // Bytes of the record the edition writes, and of the reader's record buffer.
    int32_t RecordLength;
    // Per block of kCarriedBlocks: current offset minus prior offset, or kPackedScheduleD.
    std::array<int16_t, kCarriedBlockCount> Shift;
    // The 2005 edition kept its current debts with date-typed dates; converting one of its returns
    // replaces the current-debt table by the rows of tblCurrDebt2005.
    bool CopiesCurrDebt2005;
};

// clang-format off
// Shifts in the order of kCarriedBlocks: identification to Form 200-F, items D to G, the line 9
// options, the carried texts, Schedule B to the parent's FEIN, the rest of Schedule B to the first
// lender, the rest of Schedule D, the minimum/maximum flags.
inline constexpr PriorEdition kPriorEditions[] = {
    {1, 2004, 4048, {0, 15, 16, 24, 46, 48, kPackedScheduleD, 192}, false},
    {2, 2005, 4056, {0, 15, 16, 24, 46, 48, kPackedScheduleD, 192}, true},
    {3, 2006, 4200, {0, 15, 16, 24, 46, 48,               48,  48}, false},
    {4, 2007, 4216, {0,  0,  0,  8, 30, 32,               32,  32}, false},
    {5, 2008, 4240, {0,  0,  0,  8,  8,  8,                8,   8}, false},
    {6, 2009, 4248, {0,  0,  0,  0,  0,  0,                0,   0}, false},
};
// clang-format on

// The nine Schedule D rows of the 2004 and 2005 editions: the lender text, then (after a gap) the
// issue date and maturity date as DateValues and the two amounts, 8 bytes apart.
struct PackedDebtLayout {
    uint16_t Row1Lender;
    uint16_t Row1IssueDate;
    uint16_t Row2Lender; // rows 2 to 9 follow at RowStride
    uint16_t RowStride;
    uint16_t IssueDateAfterLender; // rows 2 to 9
    uint16_t ValueWidth;           // each of the four values after the lender
};
inline constexpr PackedDebtLayout kPackedDebt{2868, 2904, 2936, 64, 32, 8};

// The edition of a format version 1..6, or nullptr.
const PriorEdition* PriorEditionOfVersion(int32_t version);

// How a carried field gets from the prior record into the current one.
enum class CarryRule : uint8_t {
    Text,       // ShortText, cut to the current capacity
    Bits,       // Money, doubles, dates, Int32 and one-byte flags, byte for byte
    DateAsText, // a DateValue in the prior record, short-date text in the current one
};

struct CarriedField {
    FieldId Current;
    uint16_t PriorOffset;
    uint16_t PriorSize;
    CarryRule Rule;
};

// Every carried field of an edition with its place in the prior record, in current record order.
std::vector<CarriedField> CarriedFields(const PriorEdition& edition);

} // namespace qv
