#include "ImportReturn.h"

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
    bool loading = false;
    try {
        const int32_t version = FranchiseID(doc.Env().notices).ReadVersion(path);
        if (const PriorEdition* edition = PriorEditionOfVersion(version)) {
            if (!ConvertPriorReturn(doc, version, path)) {
                // The file went away after its header was read; nothing was converted.
                makeBlank();
                return {ImportOutcome::Missing, 0};
            }
            doc.ComputeReturn();
            return {ImportOutcome::Converted, edition->Year};
        }
        const bool missing = version == -1 && !FileExists(path);
        loading = true;
        doc.LoadFromFile(path);
        if (missing)
            return {ImportOutcome::Missing, 0};
        if (options.RecomputeLoaded)
            doc.ComputeReturn();
        return {ImportOutcome::Loaded, 2010};
    } catch (...) {
        makeBlank();
        if (loading)
            doc.dm().EmptyAll();
        throw;
    }
}

} // namespace qv
