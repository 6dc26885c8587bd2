#include "Commands.h"
#include "ComputeReturn.h"
#include "Error.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "ReturnJson.h"
#include "uFranchise.h"

namespace qv::cli {

// fti show FILE [--compute]: the return as it was read (or recomputed), as JSON on standard output.
int CmdShow(Context& ctx, const std::vector<std::string>& args) {
    std::string file;
    bool compute = false;
    for (const std::string& a : args) {
        if (a == "--compute") {
            compute = true;
            continue;
        }
        if (!a.empty() && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
        if (!file.empty())
            throw UsageError("show takes one file");
        file = a;
    }
    if (file.empty())
        throw UsageError("show takes one file");
    // Said once here; opening a missing file would say it twice, as the window's Open does.
    if (!FileExists(file))
        throw Error(msg::FileDoesNotExist(file));
    auto doc = ctx.NewReturn();
    // A 2004-2009 file is converted and recomputed, as Open does; a current one is shown as read.
    const ImportResult imported = ImportReturn(*doc, file, {.RecomputeLoaded = false});
    ctx.CheckNoErrorShown();
    if (compute)
        ComputeReturn(*doc);
    ctx.out << ReturnToJson(*doc, imported.ConvertedFrom());
    return 0;
}

} // namespace qv::cli
