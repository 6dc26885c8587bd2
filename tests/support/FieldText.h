#pragma once

// Record fields as the tests write and compare them: by name, from and to text.

#include "Error.h"
#include "TestSupport.h"
#include "uFranchise.h"

#include <charconv>
#include <stdexcept>
#include <string>
#include <vector>

namespace qv::test {

// "YYYY-MM-DD" as a DateValue; an empty text is no date (0).
inline DateValue DateOf(std::string_view text) {
    if (text.empty())
        return 0;
    int y = 0, m = 0, d = 0;
    std::from_chars(text.data(), text.data() + 4, y);
    std::from_chars(text.data() + 5, text.data() + 7, m);
    std::from_chars(text.data() + 8, text.data() + 10, d);
    return EncodeDate(y, m, d);
}

inline Money MoneyOf(std::string_view text) {
    std::optional<Money> m = Money::Parse(text);
    if (!m)
        throw std::invalid_argument("bad amount in test: " + std::string(text));
    return *m;
}

inline const FieldDef& FieldNamed(std::string_view name) {
    const FieldDef* def = FindRecordField(name);
    if (def == nullptr)
        throw std::invalid_argument("no field " + std::string(name));
    return *def;
}

// Sets a field from text the way a test writes it: amounts as decimals, dates as YYYY-MM-DD, doubles
// and whole numbers as numbers, texts and flags as they are.
inline void SetField(ReturnRecord& r, std::string_view name, std::string_view text) {
    const FieldDef& def = FieldNamed(name);
    switch (def.Kind) {
    case FieldKind::Money:
        r.SetMoney(def, MoneyOf(text));
        break;
    case FieldKind::Date:
        r.SetDouble(def, DateOf(text));
        break;
    case FieldKind::Double:
        r.SetDouble(def, std::stod(std::string(text)));
        break;
    case FieldKind::Int32:
        r.SetInt32(def, std::stoi(std::string(text)));
        break;
    case FieldKind::Text:
    case FieldKind::YesNo:
        r.SetText(def, text);
        break;
    default:
        throw std::invalid_argument("cannot set " + std::string(name));
    }
}

// A field as text for comparison: amounts without trailing zeros ("1234.5"), doubles in their
// shortest form ("3333"), whole numbers in decimal.
inline std::string FieldText(const ReturnRecord& r, std::string_view name) {
    const FieldDef& def = FieldNamed(name);
    switch (def.Kind) {
    case FieldKind::Money:
        return r.GetMoney(def).ToShortString();
    case FieldKind::Date:
    case FieldKind::Double: {
        char buf[64];
        auto res = std::to_chars(buf, buf + sizeof buf, r.GetDouble(def));
        return std::string(buf, res.ptr);
    }
    case FieldKind::Int32:
        return std::to_string(r.GetInt32(def));
    default:
        return r.GetText(def);
    }
}

// The same normalisation for an expected value written in a test.
inline std::string ExpectedText(std::string_view name, std::string_view text) {
    const FieldDef& def = FieldNamed(name);
    if (def.Kind == FieldKind::Money)
        return MoneyOf(text).ToShortString();
    return std::string(text);
}

} // namespace qv::test
