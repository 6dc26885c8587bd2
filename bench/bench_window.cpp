// The main window: one recalculation cycle over all its controls on the example return, offscreen;
// and the program started on the example until its window is ready for input, with its peak memory.

#include "ScriptedPrompts.h"
#include "Settings.h"
#include "frmMain.h"
#include "uDataMod.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

namespace {

const char* const kExample = QV_EXAMPLES_DIR "/acme.fti";

// FormToRecord, ComputeReturn and RecordToForm over every control of the six pages, as entering a
// field runs them. With nothing typed between two cycles, RecordToForm finds every control
// unchanged; the second case types into a field first, so one edit and the totals it moves are
// written again. The third types a cash figure that unbalances the balance sheet, a different one each
// time, so the Diagnostics panel lists a new finding after every cycle.
void WindowCycle(benchmark::State& state) {
    qv::Tdm dm;
    qv::test::ScriptedPrompts prompts;
    qv::MemorySettings settings;
    qv::Services services{dm, prompts, settings, qv::RegionalSettings::UnitedStates()};
    qv::ui::TfMain window(services, prompts);
    window.PendingFileName = kExample;
    window.show();
    auto* cash = window.findChild<QLineEdit*>("eBs1a");
    const int64_t mode = state.range(0);
    const int base = mode == 2 ? 99999998 : 1000;
    int n = 0;
    for (auto _ : state) {
        if (mode != 0) {
            state.PauseTiming();
            cash->setText(QString::number(base + (n++ % 2)));
            state.ResumeTiming();
        }
        window.eBsEINEnter();
    }
    state.SetLabel(mode == 0   ? "nothing changed"
                   : mode == 1 ? "one field changed"
                               : "one field changed, a new finding listed");
}
BENCHMARK(WindowCycle)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The program started on the example until its window takes input: process start, Qt, the window,
// the six page pictures, opening the file, the first painting. The program reports its peak memory
// at that moment.
void StartUntilReady(benchmark::State& state) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QV_EXIT_WHEN_READY", "1");
    // The splash's fixed three seconds are no work of the program's.
    env.insert("QV_SKIP_SPLASH", "1");
    if (!env.contains("QT_QPA_PLATFORM"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    long peakKb = 0;
    for (auto _ : state) {
        QProcess program;
        program.setProcessEnvironment(env);
        const auto start = std::chrono::steady_clock::now();
        program.start(QCoreApplication::applicationDirPath() + "/quorvex", QStringList{kExample});
        program.waitForReadyRead(30000);
        const auto ready = std::chrono::steady_clock::now();
        const QString line = QString::fromUtf8(program.readLine()).trimmed();
        program.waitForFinished(30000);
        if (!line.startsWith("ready")) {
            state.SkipWithError("the program did not report ready");
            break;
        }
        // "ready <ms> ms peak <kB> kB"
        peakKb = line.section(' ', 4, 4).toLong();
        state.SetIterationTime(std::chrono::duration<double>(ready - start).count());
    }
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(StartUntilReady)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
