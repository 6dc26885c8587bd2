#include "Commands.h"
#include "uFranchise.h"

namespace qv::cli {

// fti compute FILE [-o OUT]: recomputes the return and saves it to FILE, or to OUT. A computation
// that fails saves nothing, so the file on disk keeps its last consistent state.
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
    auto doc = ctx.NewReturn();
    doc->LoadFromFile(file);
    ctx.CheckNoErrorShown();
    doc->ComputeReturn();
    doc->SaveToFile(outGiven ? out : file);
    return 0;
}

} // namespace qv::cli
