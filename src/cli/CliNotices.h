#pragma once

#include "Notices.h"

#include <ostream>
#include <string>

namespace qv::cli {

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
