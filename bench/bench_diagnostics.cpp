// Diagnostics of the example return (it runs after every recalculation cycle of the window), and of
// returns with many rows in each table, to show that it grows linearly with the rows.

#include "BenchSupport.h"
#include "ComputeReturn.h"
#include "Diagnostics.h"
#include "ExampleReturn.h"
#include "TestSupport.h"
#include "uFranchise.h"

#include <benchmark/benchmark.h>

namespace {

void BM_DiagnoseExample(benchmark::State& state) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::FillExampleReturn(doc);
    ComputeReturn(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::Diagnose(doc));
}
BENCHMARK(BM_DiagnoseExample)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Rows in each of the five tables; every row is well formed, so the time is the scan itself.
void BM_DiagnoseRows(benchmark::State& state) {
    qv::test::TestEnv env;
    qv::Franchise doc(2010, env.services);
    qv::FillExampleReturn(doc);
    qv::bench::FillScheduleTables(env.dm, static_cast<int>(state.range(0)));
    ComputeReturn(doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(qv::Diagnose(doc));
    state.SetItemsProcessed(state.iterations() * state.range(0) * 5);
}
BENCHMARK(BM_DiagnoseRows)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
