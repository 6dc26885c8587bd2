#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qv {

enum class FieldKind : uint8_t {
    Text,     // ShortText[size - 1]
    YesNo,    // ShortText[1] holding "Y" or "N"
    Boolean,  // one byte, 0 or 1
    Money,    // Int64, amount x 10,000
    Double,   // IEEE double
    Date,     // DateValue
    Int32,    // signed 32-bit
    Reserved, // bytes no operation reads or writes
};

enum class FieldId : uint16_t {
#define QV_FIELD(name, offset, size, kind) name,
#include "RecordFields.def"
#undef QV_FIELD
    Count
};

struct FieldDef {
    std::string_view Name;
    uint16_t Offset;
    uint16_t Size;
    FieldKind Kind;
    // Characters a Text or YesNo field holds at most.
    constexpr size_t Capacity() const { return Size - 1u; }
};

inline constexpr FieldDef kRecordFields[] = {
#define QV_FIELD(name, offset, size, kind) {#name, offset, size, FieldKind::kind},
#include "RecordFields.def"
#undef QV_FIELD
};

inline constexpr size_t kRecordFieldCount = static_cast<size_t>(FieldId::Count);
static_assert(std::size(kRecordFields) == kRecordFieldCount);

constexpr const FieldDef& DefOf(FieldId id) {
    return kRecordFields[static_cast<size_t>(id)];
}

// The definition of a field by its exact name, or nullptr.
const FieldDef* FindRecordField(std::string_view name);

// A typed handle on one field: the kind is part of the type, so reading an amount from a text field
// does not compile.
template <FieldKind K>
struct Field {
    FieldId Id;
    constexpr const FieldDef& Def() const { return DefOf(Id); }
};

using TextField = Field<FieldKind::Text>;
using YesNoField = Field<FieldKind::YesNo>;
using BooleanField = Field<FieldKind::Boolean>;
using MoneyField = Field<FieldKind::Money>;
using DoubleField = Field<FieldKind::Double>;
using DateField = Field<FieldKind::Date>;
using Int32Field = Field<FieldKind::Int32>;

// One handle per field, named as the field: fld::F200Line12, fld::CorpName, ...
namespace fld {
#define QV_FIELD(name, offset, size, kind) inline constexpr Field<FieldKind::kind> name{FieldId::name};
#include "RecordFields.def"
#undef QV_FIELD
} // namespace fld

} // namespace qv
