#pragma once

// Runs the fti tool in the test process and keeps what it said.

#include "Commands.h"

#include <sstream>
#include <string>
#include <vector>

namespace qv::test {

struct FtiResult {
    int status;
    std::string out;
    std::string err;

    // The last line of standard error: where a failing command leaves its message.
    std::string LastErrorLine() const {
        std::string e = err;
        while (!e.empty() && e.back() == '\n')
            e.pop_back();
        const size_t nl = e.rfind('\n');
        return nl == std::string::npos ? e : e.substr(nl + 1);
    }
};

inline FtiResult RunFti(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace qv::test
