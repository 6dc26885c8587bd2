#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace qv::cli {

// Reads the records of a CSV text (RFC 4180): fields separated by commas, records by CRLF or LF,
// a field in double quotes may hold commas, line breaks and doubled quotes. A UTF-8 byte-order
// mark at the start is skipped. The fields of a record stay valid until the next call.
class CsvReader {
public:
    CsvReader(std::string_view text, std::string source);

    // The next record's fields; false at the end of the text. A blank line at the very end is no
    // record. A stray quote inside an unquoted field, text after a closing quote or a quote left
    // open is an error "<source> line N: ...".
    bool Next(std::vector<std::string_view>& fields);
    // The line the last record began on (1-based).
    size_t Line() const { return recordLine_; }
    const std::string& Source() const { return source_; }

private:
    [[noreturn]] void Fail(std::string_view what) const;

    std::string_view text_;
    std::string source_;
    size_t pos_ = 0;
    size_t line_ = 1;
    size_t recordLine_ = 0;
    // Unquoted copies of the quoted fields of the current record (a deque: growing it moves no
    // text that a field already points into).
    std::deque<std::string> unquoted_;
};

} // namespace qv::cli
