// Print of the example return, and of a return with 10,000 rows in each of the five schedule
// tables, beside the bare page assembly of the same template by the qpdf tool
// (qpdf --empty --pages base.ftb 1,8,2,3,4,7 -- out.pdf) and by the qpdf library in this process.
#include "BenchSupport.h"
#include "ExampleReturn.h"
#include "PrintRuns.h"
#include "QpdfPageCopy.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int kRowsPerTable = 10000;

// The template and the output folder of the benchmarks: base.ftb next to this program.
fs::path ProgramFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

fs::path OutputFolder() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("qv_bench_print_" + std::to_string(::getpid()));
        fs::create_directories(d);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(fs::temp_directory_path() / ("qv_bench_print_" + std::to_string(::getpid())), ec);
        });
        return d;
    }();
    return dir;
}

struct Env {
    qv::test::TestEnv base;
    std::unique_ptr<qv::Franchise> doc = std::make_unique<qv::Franchise>(2010, base.services);

    explicit Env(const char* name) {
        qv::FillExampleReturn(*doc);
        doc->ReturnFileName = (OutputFolder() / name).string();
        doc->ProgramFolder = ProgramFolder().string() + "/";
    }
};

void CheckWritten(benchmark::State& state, const Env& env, const char* name) {
    if (!env.base.notices.Errors.empty() || !fs::exists(OutputFolder() / name))
        state.SkipWithError("the print run reported a failure");
}

void BM_PrintAllExample(benchmark::State& state) {
    Env env("example.fti");
    for (auto _ : state)
        PrintAll(*env.doc);
    CheckWritten(state, env, "example.pdf");
    state.counters["bytes"] = static_cast<double>(fs::file_size(OutputFolder() / "example.pdf"));
}
BENCHMARK(BM_PrintAllExample)->Unit(benchmark::kMillisecond);

void BM_PrintAll10000RowsPerTable(benchmark::State& state) {
    Env env("large.fti");
    qv::bench::FillScheduleTables(env.base.dm, kRowsPerTable);
    for (auto _ : state)
        PrintAll(*env.doc);
    CheckWritten(state, env, "large.pdf");
    state.counters["bytes"] = static_cast<double>(fs::file_size(OutputFolder() / "large.pdf"));
}
BENCHMARK(BM_PrintAll10000RowsPerTable)->Unit(benchmark::kMillisecond);

// The qpdf command itself, started as the issue names it.
void BM_QpdfToolPageAssembly(benchmark::State& state) {
    const std::string tmpl = (ProgramFolder() / "base.ftb").string();
    const std::string out = (OutputFolder() / "qpdf-tool.pdf").string();
    std::string args[] = {"qpdf", "--empty", "--pages", tmpl, "1,8,2,3,4,7", "--", out};
    char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(),
                    args[4].data(), args[5].data(), args[6].data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawnp(&pid, "qpdf", nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("qpdf is not installed");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("qpdf failed");
            return;
        }
    }
}
BENCHMARK(BM_QpdfToolPageAssembly)->Unit(benchmark::kMillisecond);

// The same assembly through the qpdf library, without starting a process.
void BM_QpdfLibraryPageAssembly(benchmark::State& state) {
    const std::string tmpl = (ProgramFolder() / "base.ftb").string();
    const std::string out = (OutputFolder() / "qpdf-library.pdf").string();
    for (auto _ : state)
        qv::bench::CopyPagesWithQpdf(tmpl, {1, 8, 2, 3, 4, 7}, out);
}
BENCHMARK(BM_QpdfLibraryPageAssembly)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
