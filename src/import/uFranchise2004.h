#pragma once

// uFranchise2004: Franchise2004, the reader of the return files of the 2004 edition.

#include "PriorYearReturn.h"

namespace qv {

// Reader of the return files of the 2004 edition (format version 1).
class Franchise2004 final : public PriorYearReturn {
public:
    static constexpr int32_t kVersion = 1;
    Franchise2004(int year, Services& services) : PriorYearReturn(kVersion, year, services) {}
};

} // namespace qv
