#pragma once

// uFranchise2008: Franchise2008, the reader of the return files of the 2008 edition.

#include "PriorYearReturn.h"

namespace qv {

// Reader of the return files of the 2008 edition (format version 5).
class Franchise2008 final : public PriorYearReturn {
public:
    static constexpr int32_t kVersion = 5;
    Franchise2008(int year, Services& services) : PriorYearReturn(kVersion, year, services) {}
};

} // namespace qv
