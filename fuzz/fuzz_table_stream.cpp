// Feeds arbitrary bytes to the table-stream reader. Whatever loads must save and load again to the
// same table, and nothing may read out of bounds or allocate what the input merely announces.
#include "ByteStream.h"
#include "Error.h"
#include "TableStreamFormat.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qv::ScheduleTable table("fuzz");
    try {
        qv::ByteReader in(std::span<const uint8_t>(data, size));
        qv::TableStreamFormat::Load(table, in);
    } catch (const qv::Error&) {
        return 0;
    }
    std::string saved;
    qv::ByteWriter out(saved);
    qv::TableStreamFormat::Save(table, out);
    out.Flush();
    qv::ScheduleTable again("again");
    qv::ByteReader in(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(saved.data()), saved.size()));
    qv::TableStreamFormat::Load(again, in);
    std::string resaved;
    qv::ByteWriter out2(resaved);
    qv::TableStreamFormat::Save(again, out2);
    out2.Flush();
    if (resaved != saved)
        std::abort();
    return 0;
}
