// Feeds arbitrary bytes to the return-file loader from memory, as from an open file: the header,
// the record and the five table streams.
#include "ByteStream.h"
#include "Error.h"
#include "TestSupport.h"
#include "uFranchise.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::ByteReader in(std::span<const uint8_t>(data, size));
    try {
        doc.LoadAfterHeader(qv::ReadReturnFileHeader(in), in);
    } catch (const qv::Error&) {
    }
    return 0;
}
