// Feeds arbitrary bytes through the import dispatch, as a user's file of any edition would arrive:
// the version check, the readers of the 2004-2009 editions with their conversion, and the
// current-format loader. The bytes are read from memory, as from an open file.
#include "ByteStream.h"
#include "Error.h"
#include "ImportReturn.h"
#include "TestSupport.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::ByteReader in(std::span<const uint8_t>(data, size));
    try {
        qv::ImportReturn(doc, in, "fuzz.fti");
    } catch (const qv::Error&) {
    }
    return 0;
}
