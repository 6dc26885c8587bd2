#include "AtomicFile.h"
#include "Commands.h"
#include "Error.h"
#include "uFranchise.h"

#include <filesystem>

namespace qv::cli {

// fti new OUT [--from CHANGES.json] [--table NAME=FILE.csv ...]: writes a new 2010 return, filled
// and recomputed from the changes when some are given. An existing file is never replaced.
int CmdNew(Context& ctx, const std::vector<std::string>& args) {
    std::string out;
    ChangeFiles files;
    bool changes = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--from") {
            if (!files.Json.empty() || i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError("--from takes one CHANGES.json file");
            files.Json = args[++i];
            changes = true;
        } else if (ParseChangeOption(args, i, files)) {
            changes = true;
        } else if (a.empty() || a[0] == '-' || !out.empty()) {
            throw UsageError("new takes one output file");
        } else {
            out = a;
        }
    }
    if (out.empty())
        throw UsageError("new takes one output file");
    std::error_code ec;
    if (std::filesystem::exists(PathFromUtf8(out), ec))
        throw Error(msg::FileAlreadyExists(out));
    auto doc = ctx.NewReturn();
    if (changes)
        ApplyChangeFiles(*doc, files);
    // Created only where nothing is, also when another program makes the same name meanwhile.
    doc->SaveToFile(out, AtomicFileWriter::Mode::CreateNew);
    return 0;
}

} // namespace qv::cli
