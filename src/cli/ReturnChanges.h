#pragma once

#include "Json.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv {
class Franchise;
class ScheduleTable;
} // namespace qv

namespace qv::cli {

// Puts figures into a return: record fields and schedule-table rows given in the shape `fti show`
// prints, and rows of CSV files. Every value is converted and checked on the way in; the first
// value that does not fit ends the whole operation with an error naming where it was given and
// what was given. The caller writes the return only after Finish, so a mistake never reaches a file.
class ReturnChanges {
public:
    // replaceRows: a table that receives rows loses the rows it had first.
    ReturnChanges(Franchise& doc, bool replaceRows);

    // {"record": {FIELD: VALUE}, "tables": {TABLE: {"rows": [{"values": {COLUMN: VALUE}}]}}};
    // "header", "convertedFrom", a table's "columns" and a row's "status" (as `fti show` prints
    // them) are accepted; "status" is kept, the others are read-only and ignored.
    void ApplyJson(const JsonValue& changes, std::string_view source);
    // Rows for one table from a CSV text whose first record names the columns.
    void ApplyCsv(std::string_view tableName, std::string_view text, const std::string& source);

    // Recomputes the return and checks that every computed line given holds what the computation
    // yields; one that does not is an error saying the line is computed.
    void Finish();

private:
    struct GivenField {
        size_t Field; // index into kRecordFields
        std::string Shown;
    };

    ScheduleTable& Table(std::string_view name, std::string_view where);

    Franchise& doc_;
    bool replaceRows_;
    std::vector<GivenField> given_;
    std::vector<const ScheduleTable*> replaced_;
};

} // namespace qv::cli
