#pragma once

// The bare page assembly through the qpdf library, the baseline of the print benchmarks. Kept in a
// file of its own because files that include qpdf are compiled as C++17 (see the root CMakeLists).

#include <initializer_list>
#include <string>

namespace qv::bench {

// Writes a PDF of the given 1-based pages of the source PDF, in that order.
void CopyPagesWithQpdf(const std::string& source, std::initializer_list<int> pages, const std::string& out);

} // namespace qv::bench
