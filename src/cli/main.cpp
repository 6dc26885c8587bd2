#include "Commands.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef SIGXFSZ
    // A file-size limit makes a write fail with "File too large", which the save reports and
    // cleans up after, instead of killing the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    int status = qv::cli::Run(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
