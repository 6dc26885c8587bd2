// Save and load of a return whose five schedule tables hold 100,000 rows each, beside a plain write
// and read of the same number of bytes, and the peak memory of the load.
#include "BenchSupport.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRowsPerTable = 100000;
constexpr int kTables = 5;

fs::path Folder() {
    static fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("qv-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// The big return, written once.
const std::string& BigReturn() {
    static std::string path = [] {
        qv::test::TestEnv env;
        qv::bench::FillScheduleTables(env.dm, kRowsPerTable);
        qv::Franchise doc(2010, env.services);
        std::string p = (Folder() / "big.fti").string();
        doc.SaveToFile(p);
        return p;
    }();
    return path;
}

void SetRates(benchmark::State& state, uint64_t bytes) {
    state.counters["rows/s"] =
        benchmark::Counter(double(kRowsPerTable) * kTables, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB/s"] =
        benchmark::Counter(double(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["file_MB"] = double(bytes) / 1e6;
}

void BM_SaveReturn(benchmark::State& state) {
    qv::test::TestEnv env;
    qv::bench::FillScheduleTables(env.dm, kRowsPerTable);
    qv::Franchise doc(2010, env.services);
    const std::string path = (Folder() / "save.fti").string();
    for (auto _ : state)
        doc.SaveToFile(path);
    SetRates(state, fs::file_size(path));
}

void BM_LoadReturn(benchmark::State& state) {
    const std::string& path = BigReturn();
    qv::test::TestEnv env;
    for (auto _ : state) {
        qv::Franchise doc(2010, env.services);
        doc.LoadFromFile(path);
        benchmark::DoNotOptimize(env.dm.tblCurrDebt.RecordCount());
    }
    SetRates(state, fs::file_size(path));
}

// The same number of bytes written plainly, with the same flush to disk and rename the save does.
void BM_PlainWrite(benchmark::State& state) {
    const uint64_t size = fs::file_size(BigReturn());
    std::vector<char> bytes(size, 'x');
    const fs::path tmp = Folder() / "plain.tmp";
    const fs::path target = Folder() / "plain.bin";
    for (auto _ : state) {
        std::FILE* f = std::fopen(tmp.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fflush(f);
        ::fsync(fileno(f));
        std::fclose(f);
        fs::rename(tmp, target);
    }
    SetRates(state, size);
}

void BM_PlainRead(benchmark::State& state) {
    const std::string& path = BigReturn();
    const uint64_t size = fs::file_size(path);
    std::vector<char> bytes(size);
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        size_t got = std::fread(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        benchmark::DoNotOptimize(got);
    }
    SetRates(state, size);
}

long StatusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(std::string(key).size()));
    return -1;
}

// Peak memory of one load above what the process held before it (Linux: the high-water mark is
// reset through /proc/self/clear_refs).
void BM_LoadPeakMemory(benchmark::State& state) {
    const std::string& path = BigReturn();
    double peakMb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKb("VmRSS:");
        state.ResumeTiming();
        {
            qv::test::TestEnv env;
            qv::Franchise doc(2010, env.services);
            doc.LoadFromFile(path);
            state.PauseTiming();
            peakMb = double(StatusKb("VmHWM:") - before) / 1024.0;
            state.ResumeTiming();
        }
    }
    state.counters["peak_MB"] = peakMb;
    state.counters["file_MB"] = double(fs::file_size(path)) / 1e6;
    state.counters["limit_MB"] = 3.0 * double(fs::file_size(path)) / 1e6 + 20.0;
}

} // namespace

BENCHMARK(BM_SaveReturn)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadReturn)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(Folder(), ec);
    return 0;
}
