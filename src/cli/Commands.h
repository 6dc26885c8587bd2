#pragma once

#include "CliNotices.h"
#include "Services.h"
#include "uDataMod.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qv {
class Franchise;
}

namespace qv::cli {

// A command line that does not fit the usage: exit status 2 with the usage text.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& what) : std::runtime_error(what) {}
};

// Everything one run of the tool shares: the data module, the notices, the settings and the
// regional settings, and the output streams.
class Context {
public:
    Context(std::ostream& out, std::ostream& err);

    std::ostream& out;
    std::ostream& err;
    Tdm dm;
    CliNotices notices;
    std::unique_ptr<Settings> settings;
    Services services;

    // A new 2010 return.
    std::unique_ptr<Franchise> NewReturn();
    // Fails (exit 1) when a message box reported an error, such as a missing file.
    void CheckNoErrorShown() const;
};

// The regional settings of the environment's locale; the C and POSIX locales, and any locale the
// system does not have, mean United States conventions.
RegionalSettings RegionalFromEnvironment();

// Runs the tool on its arguments (without the program name) and gives the exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The files that put figures into a return: a CHANGES.json and CSV files of table rows.
struct ChangeFiles {
    std::string Json;                                     // empty: none
    std::vector<std::pair<std::string, std::string>> Csv; // table name, CSV file
    bool ReplaceRows = false;
};
// Reads --table NAME=FILE.csv and --replace-rows at args[i] (advancing i past a value); false
// when args[i] is neither.
bool ParseChangeOption(const std::vector<std::string>& args, size_t& i, ChangeFiles& files);
// Applies the files to the return and recomputes it; a value that does not fit is an error.
void ApplyChangeFiles(Franchise& doc, const ChangeFiles& files);

// Reads "-o OUT" at args[i] (advancing i past OUT); false when args[i] is not -o. A second -o or
// one without a file is a usage error.
bool ParseOutOption(const std::vector<std::string>& args, size_t& i, std::optional<std::string>& out);

// A return that a command recomputes and saves again, read as Open reads it: a 2004-2009 file is
// converted first. A missing file is an error; so is a converted return without an output file
// of its own (`out` absent, or the very file read under any name), since a prior-year file is
// never written over.
struct ReturnToSave {
    std::unique_ptr<Franchise> Doc;
    std::optional<int> ConvertedFrom;
};
ReturnToSave OpenReturnToSave(Context& ctx, const std::string& file, const std::optional<std::string>& out);

// The commands, one per file.
int CmdNew(Context& ctx, const std::vector<std::string>& args);
int CmdShow(Context& ctx, const std::vector<std::string>& args);
int CmdCompute(Context& ctx, const std::vector<std::string>& args);
int CmdConvert(Context& ctx, const std::vector<std::string>& args);
int CmdPrint(Context& ctx, const std::vector<std::string>& args);
int CmdApply(Context& ctx, const std::vector<std::string>& args);
int CmdCheck(Context& ctx, const std::vector<std::string>& args);

} // namespace qv::cli
