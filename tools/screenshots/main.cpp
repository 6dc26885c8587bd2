// Draws each tab of the main window, with a return open, into a PNG picture:
//   window_pictures RETURN.fti OUTDIR
// writes OUTDIR/window-balance-sheet.png ... OUTDIR/window-form-200f.png, and OUTDIR/window.png of the
// whole window on its first tab, with the Diagnostics panel when the return has findings. Runs offscreen.

#include "FormPageScroll.h"
#include "FormPageView.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "frmMain.h"
#include "uDataMod.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_pictures RETURN.fti OUTDIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qv::Tdm dm;
    qv::test::ScriptedPrompts prompts;
    qv::MemorySettings settings;
    qv::Services services{dm, prompts, settings, qv::RegionalSettings::UnitedStates()};
    qv::ui::TfMain window(services, prompts);
    window.PendingFileName = argv[1];
    window.resize(1000, 900);
    window.show();
    if (!prompts.Shown("error").empty()) {
        std::fprintf(stderr, "window_pictures: %s\n", prompts.Shown("error").front().c_str());
        return 1;
    }
    const char* names[] = {"balance-sheet", "schedule-bcd", "form-200", "schedule-a", "min-max", "form-200f"};
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int t = 0; t < 6; ++t) {
        window.Tabs()->setCurrentIndex(t);
        QApplication::processEvents();
        const QPixmap picture = window.Page(static_cast<qv::ui::PageTab>(t))->page()->grab();
        const QString file = out.filePath(QString("window-%1.png").arg(names[t]));
        if (!picture.save(file)) {
            std::fprintf(stderr, "window_pictures: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    window.Tabs()->setCurrentIndex(0);
    QApplication::processEvents();
    const QString file = out.filePath("window.png");
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "window_pictures: cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
