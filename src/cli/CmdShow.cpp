#include "Commands.h"
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
    auto doc = ctx.NewReturn();
    doc->LoadFromFile(file);
    ctx.CheckNoErrorShown();
    if (compute)
        doc->ComputeReturn();
    ctx.out << ReturnToJson(*doc, std::nullopt);
    return 0;
}

} // namespace qv::cli
