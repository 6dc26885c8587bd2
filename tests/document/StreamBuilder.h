#pragma once

#include "Extended80.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes table-stream items by hand, so the tests can make every variant a reader may meet:
// other integer and text tags, older versions with their missing items, and broken streams.
class StreamBuilder {
public:
    std::vector<uint8_t> bytes;

    StreamBuilder& Raw(std::initializer_list<int> b) {
        for (int v : b)
            bytes.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    StreamBuilder& Signature() { return Chars("TPF0"); }
    StreamBuilder& Chars(std::string_view s) {
        bytes.insert(bytes.end(), s.begin(), s.end());
        return *this;
    }
    StreamBuilder& List() { return Raw({1}); }
    StreamBuilder& End() { return Raw({0}); }
    StreamBuilder& Bool(bool v) { return Raw({v ? 9 : 8}); }
    StreamBuilder& Int8(int v) { return Raw({2, v & 0xFF}); }
    StreamBuilder& Int16(int v) { return Raw({3, v & 0xFF, (v >> 8) & 0xFF}); }
    StreamBuilder& Int32(int64_t v) {
        return Raw({4, static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                    static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 24) & 0xFF)});
    }
    StreamBuilder& Str(std::string_view s) {
        Raw({6, static_cast<int>(s.size())});
        return Chars(s);
    }
    StreamBuilder& LongStr(std::string_view s) {
        Raw({12});
        Len(s.size());
        return Chars(s);
    }
    StreamBuilder& Utf8Str(std::string_view utf8) {
        Raw({20});
        Len(utf8.size());
        return Chars(utf8);
    }
    StreamBuilder& WideStr(std::u16string_view s) {
        Raw({18});
        Len(s.size());
        for (char16_t c : s)
            Raw({c & 0xFF, c >> 8});
        return *this;
    }
    StreamBuilder& Len(uint64_t n) {
        return Raw({static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF),
                    static_cast<int>((n >> 16) & 0xFF), static_cast<int>((n >> 24) & 0xFF)});
    }
    StreamBuilder& Number(double v) {
        Raw({5});
        auto b = qv::ExtendedFromDouble(v).ToBytes();
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    // One column definition as a stream of the given version carries it.
    StreamBuilder& Column(int version, std::string_view name, std::string_view type, int size) {
        Str(name).Str(type).Int8(size).Str(name).Str("").Int8(size == 0 ? 10 : size).Bool(false).Bool(false);
        if (version >= 250)
            Str("Data");
        if (version > 250)
            Str("");
        return *this;
    }
};
