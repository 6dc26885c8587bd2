#pragma once

// uFranchise2009: Franchise2009, the reader of the return files of the 2009 edition.

#include "PriorYearReturn.h"

namespace qv {

// Reader of the return files of the 2009 edition (format version 6).
class Franchise2009 final : public PriorYearReturn {
public:
    static constexpr int32_t kVersion = 6;
    Franchise2009(int year, Services& services) : PriorYearReturn(kVersion, year, services) {}
};

} // namespace qv
