#pragma once

// uFranchise2006: Franchise2006, the reader of the return files of the 2006 edition.

#include "PriorYearReturn.h"

namespace qv {

// Reader of the return files of the 2006 edition (format version 3).
class Franchise2006 final : public PriorYearReturn {
public:
    static constexpr int32_t kVersion = 3;
    Franchise2006(int year, Services& services) : PriorYearReturn(kVersion, year, services) {}
};

} // namespace qv
