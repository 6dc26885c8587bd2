#pragma once

// uFranchiseID: FranchiseID, which reads the format version of a return file.

#include "Notices.h"
#include "uFranchise.h"

#include <cstdint>
#include <string>

namespace qv {

class ByteReader;

// Reads the format version from the header of a return file, current or prior-year. Made for one
// detection and dropped after it.
class FranchiseID {
public:
    explicit FranchiseID(Notices& notices) : notices_(notices) {}

    // The header image of the file last read.
    ReturnFileHeader Buffer;

    // The FormatVersion of the file when its signature is "ostrel BLRX" with length byte 11,
    // whatever value it holds; otherwise -1. A missing file is reported to the user (beep and
    // "The File <name> does not exist!") and gives -1; a file of 44 bytes or fewer is the error
    // "Could not read file".
    int32_t ReadVersion(const std::string& fileName);
    // The same from the start of an open file, which then stands right after the header.
    int32_t ReadVersion(ByteReader& in);

private:
    Notices& notices_;
};

} // namespace qv
