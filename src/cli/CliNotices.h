#pragma once

#include "Notices.h"

#include <ostream>
#include <string>
#include <string_view>

namespace qv::cli {

// A message as the terminal may safely show it: valid UTF-8 stays as it is, any other byte is read
// as Windows-1252 (the code page of the files the text may come from), and control characters other
// than line ends and tabs (escape sequences that would retitle or recolour the terminal, among them)
// are written as \xHH.
std::string Printable(std::string_view text);

// Notices of the command line: messages go to standard error, one per line; the beep only when
// standard error is a terminal. There is nobody to answer a question, so every question is
// answered "Cancel" (or "No" where there is no Cancel), which never discards anything.
class CliNotices : public Notices {
public:
    explicit CliNotices(std::ostream& err) : err_(err) {}

    void Beep() override;
    void Error(std::string_view text) override;
    void Information(std::string_view text) override;
    Answer Question(std::string_view text, Buttons buttons) override;

    // The last error message shown, if any: a command that showed one has failed.
    const std::string& LastError() const { return lastError_; }
    bool ErrorShown() const { return errorShown_; }

private:
    std::ostream& err_;
    std::string lastError_;
    bool errorShown_ = false;
};

} // namespace qv::cli
