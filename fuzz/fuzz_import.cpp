// Feeds arbitrary bytes through the import dispatch, as a user's file of any edition would arrive:
// the version check, the readers of the 2004-2009 editions with their conversion, and the
// current-format loader.
#include "Error.h"
#include "ImportReturn.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/qv-fuzz-import-" + std::to_string(::getpid()) + ".fti";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    try {
        qv::ImportReturn(doc, path);
    } catch (const qv::Error&) {
    }
    return 0;
}
