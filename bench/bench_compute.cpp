// The return computation on every change of focus: a return without continuation rows, and one
// with a million current-debt rows. The cursor walk over the same rows is the baseline that the
// computation's own scan is measured against.
#include "ComputeReturn.h"
#include "TestSupport.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using namespace qv;

struct Return {
    test::TestEnv env;
    Tdm& dm = env.dm;
    Franchise doc{2010, env.services};

    explicit Return(size_t debtRows) {
        // An apportioned return with interest, so that every step of the computation runs.
        ReturnRecord& r = doc.Record;
        r.Set(fld::Bs1a, Money::FromDollars(2000000));
        r.Set(fld::Bs1b, Money::FromDollars(500000));
        r.Set(fld::Bs19, Money::FromDollars(400000));
        r.Set(fld::Bs33, Money::FromDollars(3000000));
        r.Set(fld::Bs34, Money::FromDollars(1000000));
        r.Set(fld::SchedBIssuedCommonShares, 1000.5);
        r.Set(fld::SchedBIssuedCommonPar, Money::FromUnits(150));
        r.Set(fld::InterestMonths, 3);
        r.Set(fld::DueDate, EncodeDate(2010, 4, 15));
        ScheduleTable& t = dm.tblCurrDebt;
        for (size_t i = 0; i < debtRows; ++i) {
            t.BeginRow(0);
            t.PutText("Lender");
            t.PutText("1/1/2009");
            t.PutText("1/1/2011");
            t.PutMoney(Money::FromDollars(1000));
            if (i % 10 == 9)
                t.PutNull();
            else
                t.PutMoney(Money::FromUnits(static_cast<int64_t>(i % 1000) * 10000 + 1234));
            t.EndRow();
        }
    }
};

constexpr size_t kRows = 1000000;

void BM_ComputeReturnNoRows(benchmark::State& state) {
    Return ret(0);
    for (auto _ : state) {
        ComputeReturn(ret.doc);
        benchmark::DoNotOptimize(ret.doc.Record.Bytes.data());
    }
}
BENCHMARK(BM_ComputeReturnNoRows);

void BM_ComputeReturnMillionDebtRows(benchmark::State& state) {
    auto ret = std::make_unique<Return>(kRows);
    for (auto _ : state) {
        ComputeReturn(ret->doc);
        benchmark::DoNotOptimize(ret->doc.Record.Bytes.data());
    }
    state.counters["per_row"] =
        benchmark::Counter(static_cast<double>(kRows),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ComputeReturnMillionDebtRows)->Unit(benchmark::kMillisecond);

// Baseline: the same sum through the cursor (First, Eof, AsMoney, Next).
void BM_CursorWalkMillionDebtRows(benchmark::State& state) {
    auto ret = std::make_unique<Return>(kRows);
    ScheduleTable& t = ret->dm.tblCurrDebt;
    for (auto _ : state) {
        ControlsSuspended suspended(t);
        Money sum;
        const int column = t.ColumnIndex("DueWI3Yrs");
        for (t.First(); !t.Eof(); t.Next())
            sum += t.AsMoney(column);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["per_row"] =
        benchmark::Counter(static_cast<double>(kRows),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CursorWalkMillionDebtRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
