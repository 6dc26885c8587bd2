#pragma once

// uFranchise2005: Franchise2005, the reader of the return files of the 2005 edition.

#include "PriorYearReturn.h"

namespace qv {

// Reader of the return files of the 2005 edition (format version 2).
class Franchise2005 final : public PriorYearReturn {
public:
    static constexpr int32_t kVersion = 2;
    Franchise2005(int year, Services& services) : PriorYearReturn(kVersion, year, services) {}
};

} // namespace qv
