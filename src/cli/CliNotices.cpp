#include "CliNotices.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#define QV_ISATTY _isatty
#define QV_FILENO _fileno
#else
#include <unistd.h>
#define QV_ISATTY isatty
#define QV_FILENO fileno
#endif

namespace qv::cli {

void CliNotices::Beep() {
    if (QV_ISATTY(QV_FILENO(stderr)))
        err_ << '\a' << std::flush;
}

void CliNotices::Error(std::string_view text) {
    err_ << text << '\n';
    lastError_ = std::string(text);
    errorShown_ = true;
}

void CliNotices::Information(std::string_view text) {
    err_ << text << '\n';
}

Notices::Answer CliNotices::Question(std::string_view text, Buttons buttons) {
    err_ << text << '\n';
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

} // namespace qv::cli
