#include "Commands.h"

#include "Error.h"
#include "uFranchise.h"

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <langinfo.h>
#include <locale.h>

namespace qv::cli {

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  fti new OUT [--from CHANGES.json] [--table NAME=FILE.csv ...]\n"
    "                                    write a new 2010 return, filled from the changes\n"
    "  fti show FILE [--compute]         print the return as JSON\n"
    "  fti compute FILE [-o OUT]         recompute and save (to FILE, or to OUT)\n"
    "  fti convert PRIOR OUT             convert a 2004-2009 return into a current one and save it\n"
    "  fti print FILE [-o OUT.pdf] [--forms LIST] [--whole-dollars|--cents] [--combined|--separate]\n"
    "            [--template PATH]\n"
    "  fti apply RETURN CHANGES.json [-o OUT] [--table NAME=FILE.csv ...] [--replace-rows]\n"
    "                                    put figures into a return, recompute and save it\n"
    "  fti check FILE [--json]           list what may be wrong with the return; exit 1 on an error\n";

// The program's file version, the same for fti and the window (set by the build).
constexpr const char* kVersion = QV_FILE_VERSION;

struct Command {
    const char* name;
    int (*run)(Context&, const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"new", CmdNew},     {"show", CmdShow},   {"compute", CmdCompute}, {"convert", CmdConvert},
    {"print", CmdPrint}, {"apply", CmdApply}, {"check", CmdCheck},
};

// The name of the locale the environment asks for, as setlocale resolves LC_ALL, LC_x and LANG.
std::string LocaleName(const char* category) {
    for (const char* var : {"LC_ALL", category, "LANG"}) {
        const char* v = std::getenv(var);
        if (v != nullptr && *v != '\0')
            return v;
    }
    return "C";
}

// A strftime date format such as "%d.%m.%Y" as a short date pattern ("dd/mm/yyyy" with the
// separator '.'); false when it has other parts.
bool PatternFromStrftime(std::string_view fmt, RegionalSettings& r) {
    std::string pattern;
    char separator = 0;
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] == '%' && i + 1 < fmt.size()) {
            char c = fmt[++i];
            if (c == 'd' || c == 'e')
                pattern += "dd";
            else if (c == 'm')
                pattern += "mm";
            else if (c == 'Y')
                pattern += "yyyy";
            else if (c == 'y')
                pattern += "yy";
            else
                return false;
        } else {
            if (separator == 0)
                separator = fmt[i];
            else if (separator != fmt[i])
                return false;
            pattern += '/';
        }
    }
    if (separator == 0)
        return false;
    r.ShortDateFormat = pattern;
    r.DateSeparator = separator;
    return true;
}

} // namespace

RegionalSettings RegionalFromEnvironment() {
    RegionalSettings r = RegionalSettings::UnitedStates();
#ifndef _WIN32
    auto isUs = [](const std::string& name) {
        return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0 || name.rfind("en_US", 0) == 0;
    };
    std::string timeName = LocaleName("LC_TIME");
    if (!isUs(timeName)) {
        if (locale_t loc = newlocale(LC_TIME_MASK, timeName.c_str(), static_cast<locale_t>(0))) {
            PatternFromStrftime(nl_langinfo_l(D_FMT, loc), r);
            freelocale(loc);
        }
    }
    std::string numericName = LocaleName("LC_NUMERIC");
    if (!isUs(numericName)) {
        if (locale_t loc = newlocale(LC_NUMERIC_MASK, numericName.c_str(), static_cast<locale_t>(0))) {
            const char* dec = nl_langinfo_l(RADIXCHAR, loc);
            const char* sep = nl_langinfo_l(THOUSEP, loc);
            if (dec != nullptr && dec[0] != '\0' && dec[1] == '\0')
                r.DecimalSeparator = dec[0];
            if (sep != nullptr && sep[0] != '\0' && sep[1] == '\0')
                r.ThousandSeparator = sep[0];
            freelocale(loc);
        }
    }
#endif
    return r;
}

Context::Context(std::ostream& o, std::ostream& e)
    : out(o), err(e), notices(e),
      settings(std::make_unique<MemorySettings>()), services{dm, notices, *settings,
                                                             RegionalFromEnvironment()} {}

std::unique_ptr<Franchise> Context::NewReturn() {
    return std::make_unique<Franchise>(2010, services);
}

void Context::CheckNoErrorShown() const {
    if (notices.ErrorShown())
        throw Error(notices.LastError());
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Context ctx(out, err);
    try {
        if (args.empty())
            throw UsageError("no command given");
        if (args[0] == "--help" || args[0] == "-h") {
            out << "fti: Oklahoma franchise tax returns on the command line (Quorvex " << kVersion << ")\n"
                << kUsage;
            return 0;
        }
        if (args[0] == "--version") {
            out << "fti " << kVersion << '\n';
            return 0;
        }
        for (const Command& c : kCommands) {
            if (args[0] == c.name)
                return c.run(ctx, std::vector<std::string>(args.begin() + 1, args.end()));
        }
        throw UsageError("unknown command '" + args[0] + "'");
    } catch (const UsageError& e) {
        err << "fti: " << e.what() << '\n' << kUsage;
        return 2;
    } catch (const std::exception& e) {
        out.flush();
        // A message a notice already printed is not repeated.
        if (!(ctx.notices.ErrorShown() && ctx.notices.LastError() == e.what()))
            err << Printable(e.what()) << '\n';
        return 1;
    }
}

} // namespace qv::cli
