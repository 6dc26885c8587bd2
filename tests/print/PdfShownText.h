#pragma once

// Reads back, with qpdf, every text a PDF page shows: its font, size, starting point and bytes, in
// the order of the page's content. This is exact where a viewer's text extraction joins
// neighbouring characters into words, so it is what checks single characters in digit boxes.

#include <filesystem>
#include <string>
#include <vector>

namespace qv::test {

struct ShownText {
    std::string Font; // base font name, "Courier"
    double Size = 0;
    double X = 0;     // start of the text, points from the left edge
    double Y = 0;     // its baseline, points from the top edge
    std::string Text; // the string's bytes (Windows-1252)
};

// The texts of every page, pages in order.
std::vector<std::vector<ShownText>> ReadShownText(const std::filesystem::path& pdf);

} // namespace qv::test
