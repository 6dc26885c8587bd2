// fti apply with a CSV of 100,000 current-debt rows on the example return, beside fti show of the
// result in the same run: the CSV reading and appending alone, and the whole commands.

#include "CliRun.h"
#include "Commands.h"
#include "ReturnChanges.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 100000;
const fs::path kExample = fs::path(QV_SOURCE_DIR) / "examples" / "acme.fti";

std::string DebtCsv() {
    std::string csv = "Name,IssueDate,MaturityDate,OriginalAmount,DueWI3Yrs\n";
    for (int i = 0; i < kRows; ++i)
        csv += "\"Lender " + std::to_string(i) + ", N.A.\",01/15/2009,01/15/2012," +
               std::to_string(1000 + i) + ".25," + std::to_string(i % 500) + ".50\n";
    return csv;
}

// Reading the CSV text and appending its rows to the table, without files.
void BM_CsvRowsAppended(benchmark::State& state) {
    const std::string csv = DebtCsv();
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    for (auto _ : state) {
        env.dm.tblCurrDebt.Empty();
        qv::cli::ReturnChanges changes(doc, false);
        changes.ApplyCsv("tblCurrDebt", csv, "debts.csv");
        benchmark::DoNotOptimize(env.dm.tblCurrDebt.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(csv.size()));
}
BENCHMARK(BM_CsvRowsAppended)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole command: read the example, apply the CSV, recompute, save.
void BM_FtiApplyCsv(benchmark::State& state) {
    qv::test::TempFolder dir;
    const std::string csv = dir.Write("debts.csv", DebtCsv());
    const std::string none = dir.Write("none.json", "{}");
    const std::string target = dir.File("acme.fti");
    for (auto _ : state) {
        state.PauseTiming();
        fs::copy_file(kExample, target, fs::copy_options::overwrite_existing);
        state.ResumeTiming();
        qv::test::FtiResult r = qv::test::RunFti({"apply", target, none, "--table", "tblCurrDebt=" + csv});
        if (r.status != 0)
            state.SkipWithError(r.err.c_str());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FtiApplyCsv)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// fti show of the result, in the same run, as the baseline.
void BM_FtiShowOfTheResult(benchmark::State& state) {
    qv::test::TempFolder dir;
    const std::string target = dir.File("acme.fti");
    fs::copy_file(kExample, target);
    qv::test::RunFti({"apply", target, dir.Write("none.json", "{}"), "--table",
                      "tblCurrDebt=" + dir.Write("debts.csv", DebtCsv())});
    for (auto _ : state) {
        qv::test::FtiResult r = qv::test::RunFti({"show", target});
        benchmark::DoNotOptimize(r.out.size());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_FtiShowOfTheResult)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
