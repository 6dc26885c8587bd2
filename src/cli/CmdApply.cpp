#include "AtomicFile.h"
#include "Commands.h"
#include "Error.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "ReturnChanges.h"
#include "uFranchise.h"

namespace qv::cli {

namespace {

// The whole of a file the user names as input (UTF-8 path).
std::string ReadInput(const std::string& path) {
    std::optional<InputFile> in = OpenInputFile(path);
    if (!in)
        throw Error(msg::FileDoesNotExist(path));
    std::string bytes(static_cast<size_t>(in->Size), '\0');
    const size_t got = std::fread(bytes.data(), 1, bytes.size(), in->File.get());
    if (got != bytes.size() || std::ferror(in->File.get()))
        throw Error(msg::Format(msg::CannotOpenFile, {path, "the file could not be read whole"}));
    return bytes;
}

} // namespace

void ApplyChangeFiles(Franchise& doc, const ChangeFiles& files) {
    ReturnChanges changes(doc, files.ReplaceRows);
    if (!files.Json.empty()) {
        const std::string text = ReadInput(files.Json);
        changes.ApplyJson(ParseJson(text, files.Json), files.Json);
    }
    for (const auto& [table, csv] : files.Csv)
        changes.ApplyCsv(table, ReadInput(csv), csv);
    changes.Finish();
}

bool ParseChangeOption(const std::vector<std::string>& args, size_t& i, ChangeFiles& files) {
    const std::string& a = args[i];
    if (a == "--replace-rows") {
        files.ReplaceRows = true;
        return true;
    }
    if (a == "--table") {
        if (i + 1 >= args.size())
            throw UsageError("--table takes NAME=FILE.csv");
        const std::string& tableFile = args[++i];
        const size_t eq = tableFile.find('=');
        if (eq == std::string::npos || eq == 0 || eq + 1 == tableFile.size())
            throw UsageError("--table takes NAME=FILE.csv");
        files.Csv.emplace_back(tableFile.substr(0, eq), tableFile.substr(eq + 1));
        return true;
    }
    return false;
}

// fti apply RETURN CHANGES.json [-o OUT] [--table NAME=FILE.csv ...] [--replace-rows]: puts the
// figures of CHANGES.json and of the CSV files into the return, recomputes it and saves it to
// RETURN, or to OUT. Every value is checked before anything is written: one that does not fit ends
// the command and leaves every file as it was. A 2004-2009 return is converted first and saved only
// to an OUT of its own, as fti compute does.
int CmdApply(Context& ctx, const std::vector<std::string>& args) {
    std::vector<std::string> positional;
    ChangeFiles files;
    std::optional<std::string> out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (ParseOutOption(args, i, out) || ParseChangeOption(args, i, files))
            continue;
        if (!a.empty() && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
        positional.push_back(a);
    }
    if (positional.size() != 2 || positional[0].empty() || positional[1].empty())
        throw UsageError("apply takes a return and a CHANGES.json file");
    const std::string& file = positional[0];
    files.Json = positional[1];
    ReturnToSave r = OpenReturnToSave(ctx, file, out);
    ApplyChangeFiles(*r.Doc, files);
    r.Doc->SaveToFile(out.value_or(file));
    return 0;
}

} // namespace qv::cli
