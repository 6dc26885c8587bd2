#include "AtomicFile.h"
#include "Commands.h"
#include "Error.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "uFranchise.h"

namespace qv::cli {

// fti compute FILE [-o OUT]: recomputes the return and saves it to FILE, or to OUT. A computation
// that fails saves nothing, so the file on disk keeps its last consistent state. A 2004-2009 file is
// converted first, as Open does, and saved only to an OUT of its own: a prior-year file is never
// written over.
int CmdCompute(Context& ctx, const std::vector<std::string>& args) {
    std::string file;
    std::string out;
    bool outGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (outGiven || i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError("-o takes one output file");
            out = args[++i];
            outGiven = true;
            continue;
        }
        if (!a.empty() && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
        if (!file.empty() || a.empty())
            throw UsageError("compute takes one file");
        file = a;
    }
    if (file.empty())
        throw UsageError("compute takes one file");
    // Said once here; opening a missing file would say it twice, as the window's Open does.
    if (!FileExists(file))
        throw Error(msg::FileDoesNotExist(file));
    auto doc = ctx.NewReturn();
    const ImportResult imported = ImportReturn(*doc, file);
    ctx.CheckNoErrorShown();
    if (imported.ConvertedFrom() && (!outGiven || SameFile(out, file)))
        throw Error("The File " + file + " is a return of the " + std::to_string(imported.EditionYear) +
                    " edition; give the current return its own file with -o OUT (or fti convert)");
    doc->SaveToFile(outGiven ? out : file);
    if (imported.ConvertedFrom())
        ctx.notices.Information(ConvertedMessage(imported.EditionYear));
    return 0;
}

} // namespace qv::cli
