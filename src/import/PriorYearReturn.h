#pragma once

#include "PriorYearLayout.h"
#include "Services.h"
#include "uFranchise.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qv {

class ByteReader;

// A return file of one of the 2004 to 2009 editions, read into a record buffer of that edition's
// layout. The editions differ only in the data of kPriorEditions; Franchise2004 ... Franchise2009
// name them. Only the header and the record are read: the schedule tables of a prior file are not.
class PriorYearReturn {
public:
    virtual ~PriorYearReturn() = default;
    PriorYearReturn(const PriorYearReturn&) = delete;
    PriorYearReturn& operator=(const PriorYearReturn&) = delete;

    const PriorEdition& Edition() const { return edition_; }
    // The edition year the reader was made with; it stands in SchedBFiscalYear until a file is read.
    int Year() const { return year_; }
    // The carried fields of this edition and where they lie in Record.
    const std::vector<CarriedField>& Fields() const { return fields_; }

    ReturnFileHeader Header;
    // The prior record, Edition().RecordLength bytes. Before a file is read it holds, at the places
    // of the carried fields, the values of a new return for Year().
    std::vector<uint8_t> Record;

    // Reads header and record. A missing file is reported to the user (beep and "The File <name>
    // does not exist!") and leaves the buffer as it was. A file of 44 bytes or fewer, and a record
    // length that is negative, larger than this edition's record or not smaller than the file, are
    // "Could not read file"; a foreign signature or another format version is "Could not read file
    // - Unrecogonized File Type".
    void LoadFromFile(const std::string& fileName);
    // The same reading from the header on: `header` was read from the start of `in`, which stands
    // right after it.
    void LoadAfterHeader(const ReturnFileHeader& header, ByteReader& in);
    // True once LoadFromFile has found the file or LoadAfterHeader has been given one (whether or not reading
    // it then succeeded).
    bool FileFound() const { return fileFound_; }

protected:
    PriorYearReturn(int32_t version, int year, Services& services);

private:
    const PriorEdition& edition_;
    int year_;
    Services& services_;
    std::vector<CarriedField> fields_;
    bool fileFound_ = false;
};

// The reader for a format version 1..6, made with that version's edition year; nullptr for any
// other version.
std::unique_ptr<PriorYearReturn> MakePriorYearReturn(int32_t version, Services& services);

} // namespace qv
