#include "ImportReturn.h"

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
        const int32_t version = FranchiseID(doc.Env().notices).ReadVersion(path);
        if (const PriorEdition* edition = PriorEditionOfVersion(version)) {
            if (!ConvertPriorReturn(doc, version, path)) {
                // The file went away after its header was read; nothing was converted.
                makeBlank();
                return {ImportOutcome::Missing, 0};
            }
            result = {ImportOutcome::Converted, edition->Year};
        } else {
            const bool missing = version == -1 && !FileExists(path);
            loading = true;
            doc.LoadFromFile(path);
            if (missing)
                return {ImportOutcome::Missing, 0};
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
    if (result.Outcome == ImportOutcome::Converted || options.RecomputeLoaded)
        ComputeReturn(doc);
    return result;
}

} // namespace qv
