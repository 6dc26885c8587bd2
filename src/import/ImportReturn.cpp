#include "ImportReturn.h"

#include "ByteStream.h"
#include "ComputeReturn.h"
#include "InputFile.h"
#include "PriorYearConversion.h"
#include "PriorYearLayout.h"
#include "uDataMod.h"
#include "uFranchiseID.h"

namespace qv {

std::string ConvertedMessage(int editionYear) {
    std::string text(kConvertedMessage);
    const size_t at = text.find("%d");
    text.replace(at, 2, std::to_string(editionYear));
    return text;
}

ImportResult ImportReturn(Franchise& doc, const std::string& path, ImportOptions options) {
    std::optional<InputFile> file;
    try {
        file = OpenInputFile(path);
    } catch (...) {
        // A folder or a file that cannot be opened: never a later save's target.
        doc.ReturnFileName.clear();
        throw;
    }
    if (!file) {
        // Said by the version check and once more by the loader, as Open always has; the blank
        // return carries the missing name, under which a save creates the file.
        ReportMissingFile(doc.Env().notices, path);
        ReportMissingFile(doc.Env().notices, path);
        doc.ReturnFileName = path;
        return {ImportOutcome::Missing, 0};
    }
    // The file is opened once; every reader after the version check goes on from the header.
    ByteReader in(file->File.get(), file->Size);
    return ImportReturn(doc, in, path, options);
}

ImportResult ImportReturn(Franchise& doc, ByteReader& in, const std::string& name, ImportOptions options) {
    const ReturnRecord blankRecord = doc.Record;
    const ReturnFileHeader blankHeader = doc.FileHeader;
    auto makeBlank = [&] {
        doc.Record = blankRecord;
        doc.FileHeader = blankHeader;
        doc.ReturnFileName.clear();
    };
    ImportResult result{ImportOutcome::Loaded, 2010};
    bool loading = false;
    try {
        FranchiseID id(doc.Env().notices);
        const int32_t version = id.ReadVersion(in);
        if (const PriorEdition* edition = PriorEditionOfVersion(version)) {
            ConvertPriorReturn(doc, id.Buffer, in);
            result = {ImportOutcome::Converted, edition->Year};
        } else {
            loading = true;
            doc.ReturnFileName = name;
            doc.LoadAfterHeader(id.Buffer, in);
        }
    } catch (...) {
        makeBlank();
        if (loading)
            doc.dm().EmptyAll();
        throw;
    }
    // The file has been read in full. A computation that stops (line 8 zero under Option 1, an
    // amount out of range) is reported to the caller, but the return the user opened stays: its
    // figures are what the user must see to mend it.
    if (result.Outcome == ImportOutcome::Converted ? options.RecomputeConverted : options.RecomputeLoaded)
        ComputeReturn(doc);
    return result;
}

} // namespace qv
