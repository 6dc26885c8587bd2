#include "fSplash.h"

#include <QApplication>
#include <QEventLoop>
#include <QFont>
#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

namespace qv::app {

TfrmSplash::TfrmSplash(const VersionInfo& version, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), version_(version) {
    setObjectName("frmSplash");
    setWindowTitle("Splash");
    imgSplash =
        new QLabel(QString::fromLatin1(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())), this);
    imgSplash->setObjectName("imgSplash");
    QFont title = imgSplash->font();
    title.setPointSize(28);
    title.setBold(true);
    imgSplash->setFont(title);
    imgSplash->setAlignment(Qt::AlignCenter);
    imgSplash->setMinimumSize(360, 160);
    lblVer = new QLabel(this);
    lblVer->setObjectName("lblVer");
    lblVer->setAlignment(Qt::AlignRight);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(imgSplash, 1);
    layout->addWidget(lblVer);
    setAutoFillBackground(true);
}

void TfrmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    lblVer->setText(QString::fromStdString(VersionCaption(version_)));
}

QDateTime SystemSplashClock::Now() {
    return QDateTime::currentDateTime();
}

void SystemSplashClock::ProcessMessages(int ms) {
    // Waits for window messages instead of spinning, and wakes at the latest after ms.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

qint64 WholeSecondsBetween(const QDateTime& a, const QDateTime& b) {
    const qint64 ms = a.msecsTo(b);
    return (ms < 0 ? -ms : ms) / 1000;
}

void RunStartUp(SplashClock& clock, const std::function<void()>& createWindow) {
    auto splash = std::make_unique<TfrmSplash>(ProgramVersion());
    splash->show();
    const QDateTime start = clock.Now();
    // Painted now, before the slow work below has a chance to hold it up.
    splash->repaint();
    QApplication::setApplicationDisplayName(
        QString::fromLatin1(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())));
    createWindow();
    for (;;) {
        if (WholeSecondsBetween(start, clock.Now()) >= kSplashSeconds)
            break;
        // A pass is short, so the splash leaves within a twentieth of a second of its time.
        clock.ProcessMessages(50);
    }
    splash->hide();
    splash.reset();
}

QString PendingFileNameFrom(const QStringList& arguments) {
    return arguments.size() > 1 ? arguments.at(1) : QString();
}

} // namespace qv::app
