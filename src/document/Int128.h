#pragma once

// 128-bit integers for exact money arithmetic. GCC and Clang have them built in; MSVC's standard
// library ships equivalent class types.
#if defined(_MSC_VER) && !defined(__clang__)
#include <__msvc_int128.hpp>
namespace qv {
using u128 = std::_Unsigned128;
using i128 = std::_Signed128;
} // namespace qv
#else
namespace qv {
__extension__ typedef unsigned __int128 u128;
__extension__ typedef __int128 i128;
} // namespace qv
#endif

#include <cstdint>
#include <limits>

namespace qv {

// Checked 64-bit arithmetic: false when the exact result does not fit.
inline bool AddChecked(int64_t a, int64_t b, int64_t& out) {
    i128 r = i128(a) + i128(b);
    if (r > i128(std::numeric_limits<int64_t>::max()) || r < i128(std::numeric_limits<int64_t>::min()))
        return false;
    out = static_cast<int64_t>(r);
    return true;
}

inline bool SubChecked(int64_t a, int64_t b, int64_t& out) {
    i128 r = i128(a) - i128(b);
    if (r > i128(std::numeric_limits<int64_t>::max()) || r < i128(std::numeric_limits<int64_t>::min()))
        return false;
    out = static_cast<int64_t>(r);
    return true;
}

inline bool MulChecked(int64_t a, int64_t b, int64_t& out) {
    i128 r = i128(a) * i128(b);
    if (r > i128(std::numeric_limits<int64_t>::max()) || r < i128(std::numeric_limits<int64_t>::min()))
        return false;
    out = static_cast<int64_t>(r);
    return true;
}

} // namespace qv
