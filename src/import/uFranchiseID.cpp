// uFranchiseID: FranchiseID, which reads the format version of a return file.

#include "uFranchiseID.h"

#include "ByteStream.h"
#include "Error.h"
#include "InputFile.h"

namespace qv {

int32_t FranchiseID::ReadVersion(const std::string& fileName) {
    int32_t version = -1;
    std::optional<InputFile> in = OpenInputFile(fileName);
    if (!in) {
        notices_.Beep();
        notices_.Error(msg::FileDoesNotExist(fileName));
        return version;
    }
    // A header alone, without even the record length after it, is no return file.
    if (in->Size <= ReturnFileHeader::kSize)
        throw Error(std::string(msg::CouldNotReadFile));
    ByteReader reader(in->File.get(), in->Size);
    reader.Read(Buffer.Bytes.data(), Buffer.Bytes.size());
    in->File.reset();
    if (Buffer.HasSignature())
        version = Buffer.FormatVersion();
    return version;
}

} // namespace qv
