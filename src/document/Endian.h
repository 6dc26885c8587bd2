#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace qv {

// Little-endian loads and stores: every number in the return file is little-endian.

inline uint64_t LoadLE64(const uint8_t* p) {
    uint64_t v = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&v, p, 8);
    } else {
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | p[i];
    }
    return v;
}

inline void StoreLE64(uint8_t* p, uint64_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &v, 8);
    } else {
        for (int i = 0; i < 8; ++i, v >>= 8)
            p[i] = static_cast<uint8_t>(v);
    }
}

inline uint32_t LoadLE32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void StoreLE32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i, v >>= 8)
        p[i] = static_cast<uint8_t>(v);
}

inline uint16_t LoadLE16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline void StoreLE16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

} // namespace qv
