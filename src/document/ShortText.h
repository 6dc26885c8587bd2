#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// A ShortText[N] occupies N + 1 bytes: the length L, then L single-byte characters. Bytes after the
// text carry no meaning: a reader never looks at them and a writer leaves them as they were.

inline std::string ReadShortText(const uint8_t* p, size_t capacity) {
    size_t length = std::min<size_t>(p[0], capacity);
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

// Stores a text, cut to the capacity; the bytes after it keep what they held.
inline void WriteShortText(uint8_t* p, size_t capacity, std::string_view text) {
    size_t length = std::min(text.size(), capacity);
    p[0] = static_cast<uint8_t>(length);
    std::copy_n(reinterpret_cast<const uint8_t*>(text.data()), length, p + 1);
}

} // namespace qv
