// Feeds arbitrary bytes to the return-file loader through a file, as a user's file would arrive.
#include "Error.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/qv-fuzz-return-" + std::to_string(::getpid()) + ".fti";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    try {
        doc.LoadFromFile(path);
    } catch (const qv::Error&) {
    }
    return 0;
}
