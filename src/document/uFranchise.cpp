// uFranchise: Franchise, the return document, and ReturnFileHeader, the header of its file.

#include "uFranchise.h"

#include "AtomicFile.h"
#include "ByteStream.h"
#include "Endian.h"
#include "Error.h"
#include "InputFile.h"
#include "ShortText.h"
#include "uDataMod.h"

#include <cstring>

namespace qv {

namespace {

constexpr size_t kVersionOffset = 12;
constexpr size_t kPublisherOffset = 16;
constexpr size_t kPublisherCapacity = 21;

// Delphi-style Trim: blanks and control characters off both ends.
std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ')
        s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

bool ReturnFileHeader::HasSignature() const {
    return Bytes[0] == kSignature.size() && std::memcmp(&Bytes[1], kSignature.data(), kSignature.size()) == 0;
}

int32_t ReturnFileHeader::FormatVersion() const {
    return static_cast<int32_t>(LoadLE32(&Bytes[kVersionOffset]));
}

std::string ReturnFileHeader::PublisherAddress() const {
    return ReadShortText(&Bytes[kPublisherOffset], kPublisherCapacity);
}

void ReturnFileHeader::Reset() {
    WriteShortText(&Bytes[0], kSignature.size(), kSignature);
    StoreLE32(&Bytes[kVersionOffset], static_cast<uint32_t>(kCurrentVersion));
    WriteShortText(&Bytes[kPublisherOffset], kPublisherCapacity, kPublisherAddress);
}

Franchise::Franchise(int year, Services& services) : services_(services) {
    ReturnRecord& r = Record;
    r.Set(fld::F200FBeginMonth, "January");
    r.Set(fld::F200FEndMonth, "December");
    r.Set(fld::SchedBFiscalYear, year);
    std::string yearText = std::to_string(year);
    r.Set(fld::TaxYear, yearText.size() >= 4 ? yearText.substr(2, 2) : std::string());
    r.Set(fld::IncOklahoma, true);
    r.Set(fld::IncOther, false);
    r.Set(fld::F200Option1, true);
    r.Set(fld::F200Option2, false);
    r.Set(fld::EstimatedReturn, false);
    r.Set(fld::AddressChange, false);
    r.Set(fld::F200FElect, true);
    r.Set(fld::InterestMonths, 0);
    r.Set(fld::MMLine1, Money());
    WholeDollars = false;
    ReturnFileName.clear();
    ResetHeader();
}

ReturnFileHeader ReadReturnFileHeader(ByteReader& in) {
    if (in.Size() <= ReturnFileHeader::kSize)
        throw Error(std::string(msg::CouldNotReadFile));
    ReturnFileHeader header;
    in.Read(header.Bytes.data(), header.Bytes.size());
    return header;
}

size_t ReadRecordLength(ByteReader& in, size_t capacity) {
    uint8_t bytes[4];
    in.Read(bytes, sizeof bytes);
    const int64_t length = static_cast<int32_t>(LoadLE32(bytes));
    if (length >= static_cast<int64_t>(in.Size()) || length < 0 || static_cast<uint64_t>(length) > capacity)
        throw Error(std::string(msg::CouldNotReadFile));
    return static_cast<size_t>(length);
}

void Franchise::SaveToFile(const std::string& path, AtomicFileWriter::Mode mode) {
    ReturnFileName = path;
    AtomicFileWriter file(path, mode);
    // Only a header this program can read back is written.
    if (FileHeader.FormatVersion() != ReturnFileHeader::kCurrentVersion || !FileHeader.HasSignature())
        ResetHeader();
    ByteWriter out(file.File(), file.Target());
    out.Write(FileHeader.Bytes.data(), FileHeader.Bytes.size());
    uint8_t length[4];
    StoreLE32(length, static_cast<uint32_t>(ReturnRecord::kSize));
    out.Write(length, 4);
    out.Write(Record.Bytes.data(), Record.Bytes.size());
    for (ScheduleTable* table : dm().FileTables())
        Tdm::SaveTableStream(*table, out);
    out.Flush();
    file.Commit();
}

void Franchise::LoadFromFile(const std::string& path) {
    ReturnFileName = path;
    std::optional<InputFile> input = OpenInputFileOrReport(path, Env().notices);
    if (!input)
        return;
    ByteReader in(input->File.get(), input->Size);
    LoadAfterHeader(ReadReturnFileHeader(in), in);
}

void Franchise::LoadAfterHeader(const ReturnFileHeader& header, ByteReader& in) {
    // The header is kept also when it is refused.
    FileHeader = header;
    if (!FileHeader.HasSignature() || FileHeader.FormatVersion() != ReturnFileHeader::kCurrentVersion)
        throw Error(std::string(msg::UnrecognizedFileType));
    in.Read(Record.Bytes.data(), ReadRecordLength(in, ReturnRecord::kSize));
    for (ScheduleTable* table : dm().FileTables())
        Tdm::LoadTableStream(*table, in);
    if (Trimmed(Record.Get(fld::TaxYear)).empty())
        Record.Set(fld::TaxYear, "10");
}

} // namespace qv
