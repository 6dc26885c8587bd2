#include "AtomicFile.h"
#include "Commands.h"
#include "Error.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "PriorYearLayout.h"
#include "uFranchise.h"
#include "uFranchiseID.h"

namespace qv::cli {

// fti convert PRIOR OUT: converts a return file of the 2004 to 2009 editions into a current one
// and saves it as OUT. An existing file is never replaced, so neither PRIOR nor another return can
// be written over.
int CmdConvert(Context& ctx, const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a.empty() || a[0] == '-')
            throw UsageError(a.empty() ? "convert takes two files" : "unknown option '" + a + "'");
    if (args.size() != 2)
        throw UsageError("convert takes a prior-year file and an output file");
    const std::string& prior = args[0];
    const std::string& out = args[1];
    if (!FileExists(prior))
        throw Error(msg::FileDoesNotExist(prior));
    if (FileExists(out))
        throw Error(msg::FileAlreadyExists(out));
    if (!PriorEditionOfVersion(FranchiseID(ctx.notices).ReadVersion(prior)))
        throw Error("The File " + prior + " is not a return file of the 2004 to 2009 editions");

    auto doc = ctx.NewReturn();
    const ImportResult imported = ImportReturn(*doc, prior);
    ctx.CheckNoErrorShown();
    if (!imported.ConvertedFrom())
        throw Error("The File " + prior + " could not be converted");
    doc->SaveToFile(out, AtomicFileWriter::Mode::CreateNew);
    ctx.notices.Information(ConvertedMessage(imported.EditionYear));
    return 0;
}

} // namespace qv::cli
