// uFranchiseID: FranchiseID, which reads the format version of a return file.

#include "uFranchiseID.h"

#include "ByteStream.h"
#include "InputFile.h"

namespace qv {

int32_t FranchiseID::ReadVersion(const std::string& fileName) {
    std::optional<InputFile> in = OpenInputFileOrReport(fileName, notices_);
    if (!in)
        return -1;
    ByteReader reader(in->File.get(), in->Size);
    return ReadVersion(reader);
}

int32_t FranchiseID::ReadVersion(ByteReader& in) {
    Buffer = ReadReturnFileHeader(in);
    return Buffer.HasSignature() ? Buffer.FormatVersion() : -1;
}

} // namespace qv
