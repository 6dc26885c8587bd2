// The current-debt list dialog on a return with 100,000 rows in tblCurrDebt: from the click to the
// dialog shown and painted, and scrolling its grid from the top to the bottom page by page, each
// page painted. Beside them, in the same run, the same dialog on an empty table.
#include "BenchSupport.h"
#include "ScriptedPrompts.h"
#include "fCurrDebtList.h"
#include "uDataMod.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int kRows = 100000;

qv::Tdm& Filled() {
    static qv::Tdm dm;
    static bool filled = false;
    if (!filled) {
        qv::bench::FillScheduleTables(dm, 1);
        dm.tblCurrDebt.Empty();
        for (int i = 0; i < kRows; ++i) {
            dm.tblCurrDebt.Append();
            dm.tblCurrDebt.SetText("Name", "Lender " + std::to_string(i));
            dm.tblCurrDebt.SetText("IssueDate", "01/15/2009");
            dm.tblCurrDebt.SetText("MaturityDate", "01/15/2012");
            dm.tblCurrDebt.SetMoney("OriginalAmount", qv::Money::FromUnits(1234500 + int64_t(i) * 100));
            dm.tblCurrDebt.SetMoney("DueWI3Yrs", qv::Money::FromUnits(234500));
            dm.tblCurrDebt.Post();
        }
        filled = true;
    }
    return dm;
}

// Creates the list, shows it and paints it, as the link's click would; then closes it.
void OpenList(benchmark::State& state, qv::ScheduleTable& table) {
    qv::test::ScriptedPrompts prompts;
    for (auto _ : state) {
        qv::ui::TfrmCurrDebtList list(table, prompts, qv::RegionalSettings::UnitedStates());
        list.show();
        list.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.isVisible());
        list.close();
    }
    state.counters["rows"] = double(table.RecordCount());
}

void BM_OpenCurrentDebtList_Empty(benchmark::State& state) {
    static qv::Tdm dm;
    OpenList(state, dm.tblCurrDebt);
}
BENCHMARK(BM_OpenCurrentDebtList_Empty)->Unit(benchmark::kMillisecond);

void BM_OpenCurrentDebtList_100000Rows(benchmark::State& state) {
    OpenList(state, Filled().tblCurrDebt);
}
BENCHMARK(BM_OpenCurrentDebtList_100000Rows)->Unit(benchmark::kMillisecond);

// Every page from the top to the bottom, each one painted; the slowest page is the stall a user
// would feel.
void BM_ScrollCurrentDebtListTopToBottom(benchmark::State& state) {
    qv::Tdm& dm = Filled();
    qv::test::ScriptedPrompts prompts;
    qv::ui::TfrmCurrDebtList list(dm.tblCurrDebt, prompts, qv::RegionalSettings::UnitedStates());
    list.show();
    QApplication::processEvents();
    auto* grid = list.findChild<QTableView*>("grdDB");
    QScrollBar* bar = grid->verticalScrollBar();
    double slowest = 0;
    int pages = 0;
    for (auto _ : state) {
        bar->setValue(0);
        pages = 0;
        for (int v = 0;; v += bar->pageStep()) {
            const auto t0 = std::chrono::steady_clock::now();
            bar->setValue(std::min(v, bar->maximum()));
            grid->viewport()->repaint();
            const auto t1 = std::chrono::steady_clock::now();
            slowest = std::max(slowest, std::chrono::duration<double, std::milli>(t1 - t0).count());
            ++pages;
            if (v >= bar->maximum())
                break;
        }
    }
    state.counters["pages"] = pages;
    state.counters["slowest_page_ms"] = slowest;
    state.counters["per_page_us"] =
        benchmark::Counter(double(pages) * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScrollCurrentDebtListTopToBottom)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
