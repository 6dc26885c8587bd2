// The start-up shell: the splash and its minimum time on a clock the test moves, the about box, and
// the addresses of the maker's pages.

#include "ScriptedPrompts.h"
#include "UiTestSupport.h"
#include "fSplash.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace qv;
using namespace qv::app;
using namespace qv::test;

namespace {

// A clock that moves only when the start-up waits for window messages (or when the test moves it).
class TestClock : public SplashClock {
public:
    QDateTime Time = QDateTime(QDate(2010, 3, 1), QTime(9, 0, 0, 700));
    int Passes = 0;
    QDateTime Now() override { return Time; }
    void ProcessMessages(int ms) override {
        ++Passes;
        Time = Time.addMSecs(ms);
    }
};

TfrmSplash* ShownSplash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = dynamic_cast<TfrmSplash*>(w); s && s->isVisible())
            return s;
    return nullptr;
}

struct SplashCase {
    const char* name;
    int windowMs; // how long creating the window takes on the test clock
    friend void PrintTo(const SplashCase& c, std::ostream* os) { *os << c.name; }
};

class Splash : public ::testing::TestWithParam<SplashCase> {};

TEST_P(Splash, StaysAtLeastThreeWholeSecondsWhileTheWindowIsCreated) {
    TestClock clock;
    const QDateTime start = clock.Time;
    QPointer<TfrmSplash> splash;
    QString version, title;
    bool upDuringCreation = false;
    RunStartUp(clock, [&] {
        splash = ShownSplash();
        upDuringCreation = splash != nullptr;
        if (splash) {
            version = splash->lblVer->text();
            title = splash->windowTitle();
        }
        clock.Time = clock.Time.addMSecs(GetParam().windowMs);
    });
    EXPECT_TRUE(upDuringCreation);
    EXPECT_EQ(version, "Version : 2010.0.0.4");
    EXPECT_EQ(title, "Splash");
    EXPECT_TRUE(splash.isNull()) << "the splash is destroyed";
    const qint64 shownMs = start.msecsTo(clock.Time);
    EXPECT_GE(shownMs, 3000);
    // Gone within one pass of its time (or at once when the window took longer).
    EXPECT_LT(shownMs, std::max(3000 + 100, GetParam().windowMs + 1));
    EXPECT_EQ(QApplication::applicationDisplayName(), "2010 Quorvex");
}

INSTANTIATE_TEST_SUITE_P(Windows, Splash,
                         ::testing::Values(SplashCase{"FastWindow", 0}, SplashCase{"SlowWindow", 2500},
                                           SplashCase{"WindowSlowerThanTheSplash", 4200}),
                         ParamName<SplashCase>);

TEST(Splash, WholeSecondsCountTowardZeroEitherWay) {
    const QDateTime t(QDate(2010, 3, 1), QTime(9, 0, 0));
    EXPECT_EQ(WholeSecondsBetween(t, t.addMSecs(2999)), 2);
    EXPECT_EQ(WholeSecondsBetween(t, t.addMSecs(3000)), 3);
    EXPECT_EQ(WholeSecondsBetween(t, t.addMSecs(-3500)), 3);
}

TEST(Splash, ThePendingFileIsTheFirstArgument) {
    EXPECT_EQ(PendingFileNameFrom({"quorvex"}), "");
    EXPECT_EQ(PendingFileNameFrom({"quorvex", "/returns/acme.fti"}), "/returns/acme.fti");
    EXPECT_EQ(PendingFileNameFrom({"quorvex", "/returns/a.fti", "/returns/b.fti"}), "/returns/a.fti");
}

TEST(AboutBox, ShowsVersionAndCopyrightAndOpensTheMakersSite) {
    ScriptedPrompts prompts;
    bool closedByOk = false;
    OnNextModal([&](QWidget* about) {
        EXPECT_EQ(about->windowTitle(), "About");
        EXPECT_EQ(Child<QLabel>(about, "Version")->text(), "Version : 2010.0.0.4");
        EXPECT_EQ(Child<QLabel>(about, "Copyright")->text(), "Copyright (C) 2010 Ostrel Software");
        QPushButton* link = Child<QPushButton>(about, "urlWebSite");
        EXPECT_EQ(link->text().toStdString(), MakerHost());
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QTest::mouseClick(Child<QPushButton>(about, "OKButton"), Qt::LeftButton);
        closedByOk = !about->isVisible() && static_cast<QDialog*>(about)->result() == QDialog::Accepted;
    });
    ShowAbout(prompts, nullptr);
    EXPECT_TRUE(closedByOk);
    EXPECT_EQ(prompts.Log, std::vector<std::string>{"url: " + MakerSiteUrl()});
}

TEST(WebPages, SupportAndUpdateCheckOpenTheMakersPages) {
    ScriptedPrompts prompts;
    OpenSupportPage(prompts);
    CheckForUpdates(prompts);
    const std::string host = MakerHost();
    EXPECT_FALSE(host.empty());
    EXPECT_EQ(prompts.Shown("url"),
              (std::vector<std::string>{"https://" + host + "/support.php",
                                        "https://" + host + "/updatecheck.php?p=ZORVA&v=2010.0.0.4&r=Y"}));
}

} // namespace
