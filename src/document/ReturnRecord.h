#pragma once

#include "DateValue.h"
#include "Endian.h"
#include "Money.h"
#include "RecordFields.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// The fixed 4,248-byte record of one return, held as the exact image the return file stores.
// Every field is read and written through the field table (RecordFields.def); all numbers are
// little-endian in the image whatever the machine.
class ReturnRecord {
public:
    static constexpr size_t kSize = 4248;

    std::array<uint8_t, kSize> Bytes{};

    // Typed access by field handle: Get(fld::F200Line12), Set(fld::CorpName, "Acme").
    std::string Get(TextField f) const { return GetText(f.Def()); }
    void Set(TextField f, std::string_view text) { SetText(f.Def(), text); }

    // A yes/no flag counts as set only when it holds exactly "Y".
    bool IsYes(YesNoField f) const {
        const uint8_t* p = &Bytes[f.Def().Offset];
        return p[0] == 1 && p[1] == 'Y';
    }
    std::string Get(YesNoField f) const { return GetText(f.Def()); }
    void Set(YesNoField f, bool yes) { SetText(f.Def(), yes ? "Y" : "N"); }

    uint8_t Get(BooleanField f) const { return Bytes[f.Def().Offset]; }
    void Set(BooleanField f, bool value) { Bytes[f.Def().Offset] = value ? 1 : 0; }

    Money Get(MoneyField f) const { return GetMoney(f.Def()); }
    void Set(MoneyField f, Money value) { SetMoney(f.Def(), value); }

    double Get(DoubleField f) const { return GetDouble(f.Def()); }
    void Set(DoubleField f, double value) { SetDouble(f.Def(), value); }

    DateValue Get(DateField f) const { return GetDouble(f.Def()); }
    void Set(DateField f, DateValue value) { SetDouble(f.Def(), value); }

    int32_t Get(Int32Field f) const { return GetInt32(f.Def()); }
    void Set(Int32Field f, int32_t value) { SetInt32(f.Def(), value); }

    // Access through a field definition, for code that walks the field table (JSON, converters,
    // the window binding). Text access applies to Text and YesNo fields.
    std::string GetText(const FieldDef& def) const;
    void SetText(const FieldDef& def, std::string_view text);
    Money GetMoney(const FieldDef& def) const {
        return Money::FromUnits(static_cast<int64_t>(LoadLE64(&Bytes[def.Offset])));
    }
    void SetMoney(const FieldDef& def, Money value) {
        StoreLE64(&Bytes[def.Offset], static_cast<uint64_t>(value.Units()));
    }
    double GetDouble(const FieldDef& def) const {
        return std::bit_cast<double>(LoadLE64(&Bytes[def.Offset]));
    }
    void SetDouble(const FieldDef& def, double value) {
        StoreLE64(&Bytes[def.Offset], std::bit_cast<uint64_t>(value));
    }
    int32_t GetInt32(const FieldDef& def) const { return static_cast<int32_t>(LoadLE32(&Bytes[def.Offset])); }
    void SetInt32(const FieldDef& def, int32_t value) {
        StoreLE32(&Bytes[def.Offset], static_cast<uint32_t>(value));
    }

    friend bool operator==(const ReturnRecord&, const ReturnRecord&) = default;
};

} // namespace qv
