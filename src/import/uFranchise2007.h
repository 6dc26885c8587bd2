#pragma once

// uFranchise2007: Franchise2007, the reader of the return files of the 2007 edition.

#include "PriorYearReturn.h"

namespace qv {

// Reader of the return files of the 2007 edition (format version 4).
class Franchise2007 final : public PriorYearReturn {
public:
    static constexpr int32_t kVersion = 4;
    Franchise2007(int year, Services& services) : PriorYearReturn(kVersion, year, services) {}
};

} // namespace qv
