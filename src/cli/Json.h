#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv::cli {

// A parsed JSON document (RFC 8259). Numbers keep their text as written, so that an amount is read
// exactly in decimal and never passes through a binary double.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind Type = Kind::Null;
    bool Bool = false;
    std::string Text; // a String's UTF-8 text, or a Number's literal
    std::vector<JsonValue> Items;
    std::vector<std::pair<std::string, JsonValue>> Members; // in the order written

    // The destructor is defined below the class: a vector of pairs holding a JsonValue needs the
    // class complete where its destructor is made, which clang does at once under C++20.
    JsonValue() = default;
    JsonValue(const JsonValue&) = default;
    JsonValue(JsonValue&&) = default;
    JsonValue& operator=(const JsonValue&) = default;
    JsonValue& operator=(JsonValue&&) = default;
    ~JsonValue();

    bool IsNull() const { return Type == Kind::Null; }
    // The member of that name, or nullptr.
    const JsonValue* Find(std::string_view name) const;
};

inline JsonValue::~JsonValue() = default;

// The JSON value in `text`. A syntax error, invalid UTF-8, a duplicate member name or nesting
// deeper than 64 levels is an error "<source>: line L, column C: <what>".
JsonValue ParseJson(std::string_view text, std::string_view source);

// The kind as a user would say it ("a string", "a number", ...).
std::string_view KindName(JsonValue::Kind kind);

} // namespace qv::cli
