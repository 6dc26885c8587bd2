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
bool ParseOutOption(const std::vector<std::string>& args, size_t& i, std::optional<std::string>& out) {
    if (args[i] != "-o")
        return false;
    if (out || i + 1 >= args.size() || args[i + 1].empty())
        throw UsageError("-o takes one output file");
    out = args[++i];
    return true;
}

ReturnToSave OpenReturnToSave(Context& ctx, const std::string& file, const std::optional<std::string>& out) {
    // Said once here; opening a missing file would say it twice, as the window's Open does.
    if (!FileExists(file))
        throw Error(msg::FileDoesNotExist(file));
    ReturnToSave r{ctx.NewReturn(), std::nullopt};
    r.ConvertedFrom = ImportReturn(*r.Doc, file).ConvertedFrom();
    ctx.CheckNoErrorShown();
    if (r.ConvertedFrom && (!out || SameFile(*out, file)))
        throw Error("The File " + file + " is a return of the " + std::to_string(*r.ConvertedFrom) +
                    " edition; give the current return its own file with -o OUT (or fti convert)");
    return r;
}

int CmdCompute(Context& ctx, const std::vector<std::string>& args) {
    std::string file;
    std::optional<std::string> out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (ParseOutOption(args, i, out))
            continue;
        if (!a.empty() && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
        if (!file.empty() || a.empty())
            throw UsageError("compute takes one file");
        file = a;
    }
    if (file.empty())
        throw UsageError("compute takes one file");
    ReturnToSave r = OpenReturnToSave(ctx, file, out);
    r.Doc->SaveToFile(out.value_or(file));
    if (r.ConvertedFrom)
        ctx.notices.Information(ConvertedMessage(*r.ConvertedFrom));
    return 0;
}

} // namespace qv::cli
