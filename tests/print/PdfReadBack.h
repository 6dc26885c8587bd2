#pragma once

// Reads our PDFs back the way a viewer sees them, through poppler's command-line tools, so that the
// tests check what lands on the page rather than what the writer meant to put there.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

struct Word {
    int Page = 0;                                  // 1-based
    double XMin = 0, YMin = 0, XMax = 0, YMax = 0; // points from the top-left corner
    std::string Text;                              // UTF-8
};

struct PdfText {
    std::vector<Word> Words;
    int Pages = 0;

    std::vector<Word> OnPage(int page) const;
    // The words of a page as one text, in reading order, separated by single spaces.
    std::string PageText(int page) const;
    // Every word of a page equal to text.
    std::vector<Word> Find(int page, std::string_view text) const;
};

// The words of every page with their boxes (pdftotext -bbox).
PdfText ReadPdfText(const std::filesystem::path& pdf);
// The document information and page count as pdfinfo reports them ("Title", "Author", "Pages", ...).
std::map<std::string, std::string> ReadPdfInfo(const std::filesystem::path& pdf);

// What a viewer places below and above the baseline of the standard fonts, per point of size.
inline constexpr double kCourierDescent = 0.157;
inline constexpr double kTimesDescent = 0.217;
inline constexpr double kHelveticaBoldDescent = 0.207;
// The baseline of a word drawn at the given size in a font with that descent.
inline double Baseline(const Word& w, double descent, double size) {
    return w.YMax - descent * size;
}

// Runs a shell command; gives its standard output, and its exit status through status.
std::string RunCommand(const std::string& command, int* status = nullptr);
std::string Quoted(const std::filesystem::path& p);

} // namespace qv::test
