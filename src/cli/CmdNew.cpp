#include "AtomicFile.h"
#include "Commands.h"
#include "Error.h"
#include "uFranchise.h"

#include <filesystem>

namespace qv::cli {

// fti new OUT: writes a new 2010 return. An existing file is never replaced by a blank return.
int CmdNew(Context& ctx, const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        throw UsageError("new takes one output file");
    const std::string& out = args[0];
    std::error_code ec;
    if (std::filesystem::exists(PathFromUtf8(out), ec))
        throw Error("The File " + out + " already exists!");
    ctx.NewReturn()->SaveToFile(out);
    return 0;
}

} // namespace qv::cli
