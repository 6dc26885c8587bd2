#include "Commands.h"
#include "ReturnJson.h"
#include "uFranchise.h"

namespace qv::cli {

// fti show FILE: the return as it was read, as JSON on standard output.
int CmdShow(Context& ctx, const std::vector<std::string>& args) {
    std::string file;
    for (const std::string& a : args) {
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
    ctx.out << ReturnToJson(*doc, std::nullopt);
    return 0;
}

} // namespace qv::cli
