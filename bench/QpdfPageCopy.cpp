#include "QpdfPageCopy.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <vector>

namespace qv::bench {

void CopyPagesWithQpdf(const std::string& source, std::initializer_list<int> pages, const std::string& out) {
    QPDF from;
    from.processFile(source.c_str());
    QPDF dest;
    dest.emptyPDF();
    const std::vector<QPDFObjectHandle> all = from.getAllPages();
    for (int p : pages)
        dest.addPage(all.at(static_cast<size_t>(p - 1)), false);
    QPDFWriter writer(dest, out.c_str());
    writer.write();
}

} // namespace qv::bench
