#include "PdfReadBack.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace qv::test {

std::string Quoted(const std::filesystem::path& p) {
    std::string out = "'";
    for (char c : p.string()) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

std::string RunCommand(const std::string& command, int* status) {
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        throw std::runtime_error("cannot run " + command);
    std::string out;
    std::array<char, 65536> buf{};
    size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        out.append(buf.data(), n);
    int rc = pclose(pipe);
    if (status != nullptr)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

namespace {

double Attribute(const std::string& line, const char* name) {
    std::string key = std::string(name) + "=\"";
    size_t at = line.find(key);
    if (at == std::string::npos)
        throw std::runtime_error("no " + key + " in " + line);
    return std::stod(line.substr(at + key.size()));
}

std::string Unescaped(std::string s) {
    const std::pair<const char*, const char*> entities[] = {{"&lt;", "<"},   {"&gt;", ">"},  {"&quot;", "\""},
                                                            {"&apos;", "'"}, {"&#39;", "'"}, {"&amp;", "&"}};
    for (auto [from, to] : entities) {
        size_t at = 0;
        while ((at = s.find(from, at)) != std::string::npos) {
            s.replace(at, std::strlen(from), to);
            at += std::strlen(to);
        }
    }
    return s;
}

} // namespace

PdfText ReadPdfText(const std::filesystem::path& pdf) {
    int status = 0;
    std::string html = RunCommand("pdftotext -bbox " + Quoted(pdf) + " - 2>/dev/null", &status);
    if (status != 0)
        throw std::runtime_error("pdftotext could not read " + pdf.string());
    PdfText text;
    std::istringstream lines(html);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.find("<page ") != std::string::npos) {
            ++text.Pages;
        } else if (line.find("<word ") != std::string::npos) {
            Word w;
            w.Page = text.Pages;
            w.XMin = Attribute(line, "xMin");
            w.YMin = Attribute(line, "yMin");
            w.XMax = Attribute(line, "xMax");
            w.YMax = Attribute(line, "yMax");
            size_t open = line.find('>');
            size_t close = line.rfind("</word>");
            w.Text = Unescaped(line.substr(open + 1, close - open - 1));
            text.Words.push_back(std::move(w));
        }
    }
    return text;
}

std::vector<Word> PdfText::OnPage(int page) const {
    std::vector<Word> out;
    for (const Word& w : Words)
        if (w.Page == page)
            out.push_back(w);
    return out;
}

std::string PdfText::PageText(int page) const {
    std::string out;
    for (const Word& w : Words) {
        if (w.Page != page)
            continue;
        if (!out.empty())
            out += ' ';
        out += w.Text;
    }
    return out;
}

std::vector<Word> PdfText::Find(int page, std::string_view t) const {
    std::vector<Word> out;
    for (const Word& w : Words)
        if (w.Page == page && w.Text == t)
            out.push_back(w);
    return out;
}

std::map<std::string, std::string> ReadPdfInfo(const std::filesystem::path& pdf) {
    int status = 0;
    std::string out = RunCommand("pdfinfo " + Quoted(pdf) + " 2>/dev/null", &status);
    if (status != 0)
        throw std::runtime_error("pdfinfo could not read " + pdf.string());
    std::map<std::string, std::string> info;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        size_t value = line.find_first_not_of(' ', colon + 1);
        info[line.substr(0, colon)] = value == std::string::npos ? "" : line.substr(value);
    }
    return info;
}

} // namespace qv::test
