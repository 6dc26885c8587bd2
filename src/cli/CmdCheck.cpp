#include "Commands.h"
#include "ComputeReturn.h"
#include "Diagnostics.h"
#include "Error.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "ReturnJson.h"
#include "uFranchise.h"

namespace qv::cli {

namespace {

std::string FindingsAsJson(const std::vector<Finding>& findings) {
    std::string out = "[";
    for (size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        out += i == 0 ? "\n  " : ",\n  ";
        out += "{\"code\": " + JsonString(f.Code) + ", \"severity\": " + JsonString(SeverityName(f.Level)) +
               ", \"fields\": [";
        for (size_t k = 0; k < f.Fields.size(); ++k)
            out += (k == 0 ? "" : ", ") + JsonString(DefOf(f.Fields[k]).Name);
        out += "]";
        if (!f.Rows.empty()) {
            out += ", \"rows\": [";
            for (size_t k = 0; k < f.Rows.size(); ++k)
                out += std::string(k == 0 ? "" : ", ") + "{\"table\": " + JsonString(f.Rows[k].Table) +
                       ", \"row\": " + std::to_string(f.Rows[k].Index + 1) +
                       ", \"column\": " + JsonString(f.Rows[k].Column) + "}";
            out += "]";
        }
        out += ", \"message\": " + JsonString(f.Message) + "}";
    }
    out += findings.empty() ? "]\n" : "\n]\n";
    return out;
}

} // namespace

// fti check FILE [--json]: what may be wrong with the return before it is filed, one finding a
// line ("error balance: ...") or as a JSON array. Exit 0 when there is no error (warnings alone
// pass), 1 when there is one, so a script can refuse to print a return that fails.
int CmdCheck(Context& ctx, const std::vector<std::string>& args) {
    std::string file;
    bool json = false;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
            continue;
        }
        if (!a.empty() && a[0] == '-')
            throw UsageError("unknown option '" + a + "'");
        if (!file.empty())
            throw UsageError("check takes one file");
        file = a;
    }
    if (file.empty())
        throw UsageError("check takes one file");
    if (!FileExists(file))
        throw Error(msg::FileDoesNotExist(file));
    auto doc = ctx.NewReturn();
    ImportReturn(*doc, file, {.RecomputeLoaded = false, .RecomputeConverted = false});
    ctx.CheckNoErrorShown();
    // The findings are of the return as computed; a computation that stops is a finding itself.
    std::string computationError;
    try {
        ComputeReturn(*doc);
    } catch (const Error& e) {
        computationError = e.what();
    }
    const std::vector<Finding> findings = Diagnose(*doc, computationError);
    if (json) {
        ctx.out << FindingsAsJson(findings);
    } else {
        for (const Finding& f : findings)
            ctx.out << SeverityName(f.Level) << ' ' << f.Code << ": " << f.Message << '\n';
    }
    return HasErrors(findings) ? 1 : 0;
}

} // namespace qv::cli
