#pragma once

#include <cstdint>

namespace qv {

// The standard Type 1 fonts the forms are drawn and printed in, by their standard font numbers.
enum class Face : uint8_t {
    Courier = 0,
    Helvetica = 4,
    HelveticaBold = 5,
    HelveticaOblique = 7,
    TimesRoman = 8,
};

// Where a text stands against its x: it begins there, is centred on it, or ends there.
enum class Align : uint8_t { Left, Centre, Right };

} // namespace qv
