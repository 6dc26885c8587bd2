#pragma once

#include "ByteStream.h"
#include "ScheduleTable.h"

namespace qv {

// The binary table-stream format the return file carries after the record, one stream per table:
// "TPF0", the format version 251, the column definitions, the (empty) index list, the data-type
// header and the rows, every item a one-byte tag followed by its data. Return files are the
// contract, so the bytes written are exact and every older variant a reader may meet is accepted.
class TableStreamFormat {
public:
    static constexpr int kVersion = 251;

    // Appends the table's stream at the writer's position.
    static void Save(const ScheduleTable& table, ByteWriter& out);
    // Reads one stream from the reader's position; afterwards the table holds exactly the stream's
    // columns and rows, and the reader stands on the first byte after the stream.
    static void Load(ScheduleTable& table, ByteReader& in);
};

} // namespace qv
