#include "PriorYearReturn.h"

#include "ByteStream.h"
#include "Error.h"
#include "InputFile.h"
#include "uFranchise2004.h"
#include "uFranchise2005.h"
#include "uFranchise2006.h"
#include "uFranchise2007.h"
#include "uFranchise2008.h"
#include "uFranchise2009.h"

#include <algorithm>

namespace qv {

namespace {

const PriorEdition& EditionOf(int32_t version) {
    const PriorEdition* edition = PriorEditionOfVersion(version);
    if (edition == nullptr)
        throw Error("No reader for format version " + std::to_string(version));
    return *edition;
}

template <class Reader>
std::unique_ptr<PriorYearReturn> MakeReader(Services& services) {
    return std::make_unique<Reader>(EditionOf(Reader::kVersion).Year, services);
}

} // namespace

PriorYearReturn::PriorYearReturn(int32_t version, int year, Services& services)
    : edition_(EditionOf(version)), year_(year), services_(services), fields_(CarriedFields(edition_)) {
    Record.assign(static_cast<size_t>(edition_.RecordLength), 0);
    // The carried fields start as in a new return of the reader's year. Dates held as numbers
    // here and as text in the current record start as 0, "no date", like the empty text.
    const Franchise blank(year_, services_);
    for (const CarriedField& f : fields_) {
        if (f.Rule == CarryRule::DateAsText)
            continue;
        const uint8_t* from = &blank.Record.Bytes[DefOf(f.Current).Offset];
        std::copy_n(from, f.PriorSize, Record.begin() + f.PriorOffset);
    }
}

void PriorYearReturn::LoadFromFile(const std::string& fileName) {
    std::optional<InputFile> in = OpenInputFileOrReport(fileName, services_.notices);
    if (!in)
        return;
    fileFound_ = true;
    ByteReader reader(in->File.get(), in->Size);
    LoadAfterHeader(ReadReturnFileHeader(reader), reader);
}

void PriorYearReturn::LoadAfterHeader(const ReturnFileHeader& header, ByteReader& in) {
    fileFound_ = true;
    Header = header;
    if (!Header.HasSignature() || Header.FormatVersion() != edition_.Version)
        throw Error(std::string(msg::UnrecognizedFileType));
    // The buffer holds exactly this edition's record; a length it cannot hold is refused like one
    // the file cannot hold.
    in.Read(Record.data(), ReadRecordLength(in, Record.size()));
}

std::unique_ptr<PriorYearReturn> MakePriorYearReturn(int32_t version, Services& services) {
    switch (version) {
    case Franchise2004::kVersion:
        return MakeReader<Franchise2004>(services);
    case Franchise2005::kVersion:
        return MakeReader<Franchise2005>(services);
    case Franchise2006::kVersion:
        return MakeReader<Franchise2006>(services);
    case Franchise2007::kVersion:
        return MakeReader<Franchise2007>(services);
    case Franchise2008::kVersion:
        return MakeReader<Franchise2008>(services);
    case Franchise2009::kVersion:
        return MakeReader<Franchise2009>(services);
    default:
        return nullptr;
    }
}

} // namespace qv
