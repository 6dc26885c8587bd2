#include "AtomicFile.h"
#include "Commands.h"
#include "Error.h"
#include "ImportReturn.h"
#include "InputFile.h"
#include "PrintRuns.h"
#include "SettingsStore.h"
#include "uFranchise.h"

#include <filesystem>
#include <map>

#ifdef _WIN32
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace qv::cli {

namespace {

// The settings of the window's store, with the options given on the command line in front of them.
class OverriddenSettings : public Settings {
public:
    explicit OverriddenSettings(Settings& store) : store_(store) {}

    void Override(std::string_view name, bool value) {
        // Assigned as a string: GCC 12 misreads the assignment of a literal here as an overlapping
        // copy (its -Wrestrict false positive) once the function is inlined.
        overrides_.insert_or_assign(std::string(name), std::string(value ? "1" : "0"));
    }

    std::optional<std::string> ReadString(std::string_view name) const override {
        auto it = overrides_.find(std::string(name));
        if (it != overrides_.end())
            return it->second;
        return store_.ReadString(name);
    }
    void WriteString(std::string_view name, std::string_view value) override {
        store_.WriteString(name, value);
    }

private:
    Settings& store_;
    std::map<std::string, std::string> overrides_;
};

// The folder of the running program, where the form template is installed beside it.
std::filesystem::path ExecutableFolder() {
    std::error_code ec;
#ifdef _WIN32
    wchar_t buf[32768];
    DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    std::filesystem::path exe(std::wstring(buf, n));
#elif defined(__APPLE__)
    char buf[4096];
    uint32_t size = sizeof buf;
    std::filesystem::path exe = _NSGetExecutablePath(buf, &size) == 0 ? std::filesystem::path(buf) : "";
    exe = std::filesystem::weakly_canonical(exe, ec);
#else
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
    return exe.parent_path();
}

// The forms of --forms: "200", "bs", "bcd", "a", "mm", "200f", comma-separated.
FormSelection ParseForms(const std::string& list) {
    FormSelection forms;
    forms.Form200 = forms.BalanceSheet = forms.SchedBCD = forms.SchedA = forms.MinMax = forms.Form200F =
        false;
    size_t begin = 0;
    while (true) {
        size_t comma = list.find(',', begin);
        const std::string name =
            list.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin);
        if (name == "200")
            forms.Form200 = true;
        else if (name == "bs")
            forms.BalanceSheet = true;
        else if (name == "bcd")
            forms.SchedBCD = true;
        else if (name == "a")
            forms.SchedA = true;
        else if (name == "mm")
            forms.MinMax = true;
        else if (name == "200f")
            forms.Form200F = true;
        else
            throw UsageError("unknown form '" + name + "' in --forms (use 200, bs, bcd, a, mm, 200f)");
        if (comma == std::string::npos)
            return forms;
        begin = comma + 1;
    }
}

// Reads the return to print: a current file is loaded, a 2004-2009 file converted, and either is
// recomputed by the run, as Open and then Print do in the window.
void LoadReturn(Context& ctx, Franchise& doc, const std::string& file) {
    // Said once here; opening a missing file would say it twice, as the window's Open does.
    if (!FileExists(file))
        throw Error(msg::FileDoesNotExist(file));
    const ImportResult imported = ImportReturn(doc, file, {.RecomputeLoaded = false});
    ctx.CheckNoErrorShown();
    if (imported.ConvertedFrom())
        ctx.notices.Information(ConvertedMessage(imported.EditionYear));
}

} // namespace

// fti print FILE [-o OUT.pdf] [--forms LIST] [--whole-dollars|--cents] [--combined|--separate]
//           [--template PATH]
// Writes the PDF of the forms, by default next to the return as Print does. Options not given
// come from the settings store the window uses.
int CmdPrint(Context& ctx, const std::vector<std::string>& args) {
    std::string file;
    std::string out;
    std::string templatePath;
    std::string formList;
    bool formsGiven = false;
    int wholeDollars = -1; // -1 not given
    int combined = -1;
    auto value = [&](size_t& i, const std::string& option) -> std::string {
        if (i + 1 >= args.size() || args[i + 1].empty())
            throw UsageError(option + " takes a value");
        return args[++i];
    };
    auto setOnce = [](int& flag, int v, const char* pair) {
        if (flag != -1 && flag != v)
            throw UsageError(std::string("give only one of ") + pair);
        flag = v;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o") {
            if (!out.empty())
                throw UsageError("-o given twice");
            out = value(i, a);
        } else if (a == "--template") {
            if (!templatePath.empty())
                throw UsageError("--template given twice");
            templatePath = value(i, a);
        } else if (a == "--forms") {
            if (formsGiven)
                throw UsageError("--forms given twice");
            formList = value(i, a);
            formsGiven = true;
        } else if (a == "--whole-dollars" || a == "--cents") {
            setOnce(wholeDollars, a == "--whole-dollars" ? 1 : 0, "--whole-dollars and --cents");
        } else if (a == "--combined" || a == "--separate") {
            setOnce(combined, a == "--combined" ? 1 : 0, "--combined and --separate");
        } else if (!a.empty() && a[0] == '-') {
            throw UsageError("unknown option '" + a + "'");
        } else {
            if (!file.empty() || a.empty())
                throw UsageError("print takes one file");
            file = a;
        }
    }
    if (file.empty())
        throw UsageError("print takes one file");
    const FormSelection forms = formsGiven ? ParseForms(formList) : FormSelection{};

    SettingsStore store;
    OverriddenSettings settings(store);
    if (wholeDollars != -1)
        settings.Override("WholeDollars", wholeDollars == 1);
    if (combined != -1)
        settings.Override("CombineSchedules", combined == 1);
    Services services{ctx.dm, ctx.notices, settings, ctx.services.regional};

    Franchise doc(2010, services);
    doc.ProgramFolder = PathToUtf8(ExecutableFolder() / "");
    LoadReturn(ctx, doc, file);
    if (templatePath.empty())
        templatePath = TemplatePathIn(doc.ProgramFolder);
    // Next to the file named, also for a converted return, which has no file name of its own.
    if (out.empty())
        out = PdfPathOf(file);
    CheckPdfPath(file, out);
    PrintReturn(doc, forms, formsGiven ? PageOrder::PrintSelected : PageOrder::PrintAll, templatePath, out);
    ctx.CheckNoErrorShown();
    return 0;
}

} // namespace qv::cli
