// The program: the main window over one return, with the file named on the command line opened at
// the first showing.
//
// With QV_EXIT_WHEN_READY=1 in the environment the program quits as soon as the window is ready for
// input and writes to standard output how long that took from the start of main and, where the
// system tells, the peak memory so far; the start-up benchmark runs it that way.

#include "LocaleSettings.h"
#include "QtPrompts.h"
#include "SettingsStore.h"
#include "frmMain.h"
#include "uDataMod.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

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
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("2010 Quorvex");

    qv::Tdm dm;
    qv::SettingsStore settings;
    qv::ui::QtPrompts prompts;
    qv::Services services{dm, prompts, settings, qv::ui::RegionalSettingsFromLocale(QLocale::system())};
    qv::ui::TfMain window(services, prompts);
    prompts.SetParent(&window);

    const QStringList args = QApplication::arguments();
    if (args.size() > 1)
        window.PendingFileName = args.at(1).toStdString();

    const bool exitWhenReady = qEnvironmentVariableIntValue("QV_EXIT_WHEN_READY") == 1;
    if (exitWhenReady)
        QObject::connect(&window, &qv::ui::TfMain::readyForInput, &app, [&] {
            // Once the events of the first showing, its painting included, have been handled.
            QTimer::singleShot(0, &app, [&] {
                std::printf("ready %.3f ms peak %ld kB\n", static_cast<double>(clock.nsecsElapsed()) / 1e6,
                            PeakMemoryKb());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        });
    window.showMaximized();
    return QApplication::exec();
}
