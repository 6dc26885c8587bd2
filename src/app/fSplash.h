#pragma once

#include "ShellInfo.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;

namespace qv::app {

// The splash window shown while the program starts: a picture and the version.
class TfrmSplash : public QWidget {
public:
    explicit TfrmSplash(const VersionInfo& version, QWidget* parent = nullptr);

    QLabel* imgSplash;
    QLabel* lblVer;

protected:
    void showEvent(QShowEvent* event) override;

private:
    VersionInfo version_;
};

// The local date-time the splash is timed by, and the waiting for window messages between two
// readings of it. Tests put a clock of their own in its place.
class SplashClock {
public:
    virtual ~SplashClock() = default;
    virtual QDateTime Now() = 0;
    // Processes the pending window messages, waiting for them at most ms milliseconds.
    virtual void ProcessMessages(int ms) = 0;
};

// The computer's clock and the application's event loop.
class SystemSplashClock : public SplashClock {
public:
    QDateTime Now() override;
    void ProcessMessages(int ms) override;
};

// The whole seconds between two instants, whichever comes first, counted toward zero.
qint64 WholeSecondsBetween(const QDateTime& a, const QDateTime& b);

// The least time the splash stays up, in whole seconds.
inline constexpr qint64 kSplashSeconds = 3;

// The start-up around the main window: shows the splash and notes the time, sets the application
// title, runs createWindow (which makes the main window and then the data module) while the splash
// is up, processes window messages until at least 3 whole seconds have passed since the splash
// appeared, then hides and destroys the splash. The caller then runs the event loop.
void RunStartUp(SplashClock& clock, const std::function<void()>& createWindow);

// The return file to open at start-up: the first command-line argument after the program's own
// name, or empty when there is none. Further arguments are ignored.
QString PendingFileNameFrom(const QStringList& arguments);

} // namespace qv::app
