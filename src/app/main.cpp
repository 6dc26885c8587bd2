// The program: the splash for at least three seconds while the main window is created behind it,
// then the window over one return, with the file named on the command line opened at the first
// showing.
//
// With QV_EXIT_WHEN_READY=1 in the environment the program quits as soon as the window is ready for
// input and writes to standard output how long that took from the start of main and, where the
// system tells, the peak memory so far; the start-up benchmark runs it that way. QV_SKIP_SPLASH=1
// starts without the splash and its fixed three seconds, so that the benchmark measures the
// program's own work.

#include "LocaleSettings.h"
#include "QtPrompts.h"
#include "SettingsStore.h"
#include "fSplash.h"
#include "frmMain.h"
#include "uDataMod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

// The peak resident memory of the process in kB, or -1 where the system does not say.
long PeakMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    // Answered before any window system is touched, so it works without a display too.
    if (argc > 1 && std::string_view(argv[1]) == "--version") {
        std::printf("quorvex %s\n", QV_FILE_VERSION);
        return 0;
    }
#ifdef SIGXFSZ
    // A file-size limit makes a write fail with "File too large", which the save reports and cleans
    // up after, instead of killing the program and the unsaved return with it.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);

    qv::Tdm dm;
    qv::SettingsStore settings;
    qv::ui::QtPrompts prompts;
    qv::Services services{dm, prompts, settings, qv::ui::RegionalSettingsFromLocale(QLocale::system())};
    std::unique_ptr<qv::ui::TfMain> window;
    const bool exitWhenReady = qEnvironmentVariableIntValue("QV_EXIT_WHEN_READY") == 1;

    // The window is made while the splash is up; its creation touches no schedule table.
    auto createWindow = [&] {
        window = std::make_unique<qv::ui::TfMain>(services, prompts);
        prompts.SetParent(window.get());
        window->PendingFileName = qv::app::PendingFileNameFrom(QApplication::arguments()).toStdString();
        if (exitWhenReady)
            QObject::connect(window.get(), &qv::ui::TfMain::readyForInput, &app, [&] {
                // Once the events of the first showing, its painting included, have been handled.
                QTimer::singleShot(0, &app, [&] {
                    std::printf("ready %.3f ms peak %ld kB\n",
                                static_cast<double>(clock.nsecsElapsed()) / 1e6, PeakMemoryKb());
                    std::fflush(stdout);
                    QApplication::exit(0);
                });
            });
    };
    if (qEnvironmentVariableIntValue("QV_SKIP_SPLASH") == 1) {
        const std::string_view title = qv::app::kApplicationTitle;
        QApplication::setApplicationDisplayName(QString::fromLatin1(title.data(), qsizetype(title.size())));
        createWindow();
    } else {
        qv::app::SystemSplashClock splashClock;
        qv::app::RunStartUp(splashClock, createWindow);
    }
    window->showMaximized();
    const int status = QApplication::exec();
    prompts.SetParent(nullptr);
    return status;
}
