// The main window driven as a user drives it: keys and clicks on the real controls, offscreen, with
// every message and file dialog answered by the scripted prompts.

#include "WindowFixture.h"
#include "ComputeReturn.h"
#include "ControlPlacement.h"
#include "FormPageView.h"
#include "fOptions.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace qv::test {
namespace {

using Answer = Notices::Answer;

// ---------------------------------------------------------------------------------------------
// Composition

TEST_F(WindowTest, TabsInTheirOrderWithTheirCaptions) {
    Show();
    const char* names[] = {"tsBalSheet", "tsSchedBCD", "ts200", "tsSchedA", "tsMinMax", "ts200F"};
    const char* captions[] = {"Bal Sheet", "Schedule BCD", "200", "Schedule A", "Min Max", "200F"};
    ASSERT_EQ(w->Tabs()->count(), 6);
    EXPECT_EQ(w->Tabs()->objectName(), "pcTax");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(w->Tabs()->widget(i)->objectName(), names[i]);
        EXPECT_EQ(w->Tabs()->tabText(i), captions[i]);
    }
    EXPECT_EQ(w->Tabs()->currentIndex(), 0);
    EXPECT_EQ(w->windowTitle(), "Ostrel Software :: Quorvex 2010");
}

struct ActionCase {
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    const char* ShortHint;
    const char* LongHint;
};

TEST_F(WindowTest, ActionsCarryTheirCaptionsShortcutsAndHints) {
    Show();
    const ActionCase cases[] = {
        {"FileNew1", "&New", "Ctrl+N", "New", "Create a new file"},
        {"FileOpen1", "&Open", "Ctrl+O", "Open", "Open a file"},
        {"FileSave1", "&Save", "Ctrl+S", "Save", "Save current file"},
        {"FileSaveAs1", "Save &As...", "", "Save As", "Save current file with different name"},
        {"FileImport1", "&Import", "", nullptr, nullptr},
        {"FilePrint1", "&Print", "", "Print", "Print Franchise Tax Forms"},
        {"FilePrintSelected", "P&rint Selected", "", nullptr, nullptr},
        {"FileExit1", "E&xit", "", "Exit", "Exit application"},
        {"EditCut1", "Cu&t", "Ctrl+X", "Cut", "Cuts the selection and puts it on the Clipboard"},
        {"EditCopy1", "&Copy", "Ctrl+C", "Copy", "Copies the selection and puts it on the Clipboard"},
        {"EditPaste1", "&Paste", "Ctrl+V", "Paste", "Inserts Clipboard contents"},
        {"EditOptions", "Options", "", nullptr, nullptr},
        {"actSupport", "&Support", "", nullptr, nullptr},
        {"actCheckForUpdates", "&Check for Updates", "", nullptr, nullptr},
        {"HelpAbout1", "&About...", "", "About", nullptr},
    };
    for (const ActionCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QAction* a = Action(c.Name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), c.Caption);
        EXPECT_EQ(a->shortcut().toString(), c.Shortcut);
        if (c.ShortHint != nullptr) {
            EXPECT_EQ(a->toolTip(), c.ShortHint);
        }
        if (c.LongHint != nullptr) {
            EXPECT_EQ(a->statusTip(), c.LongHint);
        }
    }
}

TEST_F(WindowTest, ThePrintButtonRunsPrintSelectedAndDropsDownPrintAll) {
    Show();
    auto* print = w->findChild<QToolButton*>("btnPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->defaultAction(), Action("FilePrintSelected"));
    EXPECT_EQ(print->popupMode(), QToolButton::MenuButtonPopup);
    ASSERT_EQ(print->menu()->actions().size(), 1);
    EXPECT_EQ(print->menu()->actions().front()->text(), "&Print All                  ");
}

TEST_F(WindowTest, ListsStartAsTheDesignHasThem) {
    Show();
    for (const char* name : {"e200TaxYear", "eMMTaxYear"}) {
        auto* list = C<QComboBox>(name);
        ASSERT_EQ(list->count(), 10) << name;
        EXPECT_EQ(list->itemText(0), "10");
        EXPECT_EQ(list->itemText(9), "01");
        EXPECT_EQ(list->currentText(), "09") << name;
    }
    EXPECT_EQ(Text("eMMLine1"), "0.00");
    EXPECT_EQ(C<QComboBox>("eMMLine1")->count(), 3);
    EXPECT_EQ(C<QComboBox>("RTCBegin")->currentIndex(), -1);
    EXPECT_EQ(C<QComboBox>("RTCEnd")->itemText(11), "December");
    EXPECT_TRUE(Checked("b200IncOkla"));
    EXPECT_FALSE(Checked("b200IncOther"));
    EXPECT_TRUE(Checked("rtcElect"));
    EXPECT_TRUE(Checked("btnOption1"));
    EXPECT_EQ(Text("btne200Line15"), "Calculate");
    EXPECT_EQ(Text("btne200Line13"), "Add");
    EXPECT_EQ(Text("bMMLine3"), "Calculate");
    EXPECT_FALSE(C("e200PostMark")->isVisibleTo(w.get()));
    EXPECT_FALSE(C("e200Line12")->isEnabled());
    EXPECT_TRUE(C("e200Line17")->isEnabled());
}

// ---------------------------------------------------------------------------------------------
// Moving through the fields

std::vector<std::string> Rows(const std::vector<std::string>& cells, int rows) {
    std::vector<std::string> out;
    for (int r = 1; r <= rows; ++r)
        for (const std::string& c : cells)
            out.push_back(c + std::to_string(r));
    return out;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

struct TabOrderCase {
    const char* Name;
    std::vector<std::string> Order; // the controls that take the focus, in tab order
};

class TabOrder : public WindowTest, public ::testing::WithParamInterface<TabOrderCase> {};

TEST_P(TabOrder, TabVisitsTheEnabledControlsInOrderAndWraps) {
    Show();
    const std::vector<std::string>& order = GetParam().Order;
    Enter(order.front().c_str());
    std::vector<std::string> visited{Focused()};
    for (size_t i = 0; i < order.size(); ++i) {
        Key(Qt::Key_Tab);
        visited.push_back(Focused());
    }
    std::vector<std::string> expected = order;
    expected.push_back(order.front());
    EXPECT_EQ(visited, expected);
    // Backtab goes the other way round.
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), order.back());
}

// Enter moves like Tab and also wraps after the last control.
TEST_P(TabOrder, EnterMovesToTheNextControl) {
    Show();
    const std::vector<std::string>& order = GetParam().Order;
    Enter(order.back().c_str());
    Key(Qt::Key_Return);
    EXPECT_EQ(Focused(), order.front());
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Focused(), order[1]);
}

const std::vector<std::string> kBalanceSheetOrder =
    Join({{"eBsEIN", "eBsYearEnd"},
          {"eBs1a",   "eBs1b",   "eBs2a",
           "eBs2b",   "eBs3a",   "eBs3b",
           "eBs4a",   "eBs4b",   "urlAttachOthCurrAssets",
           "eBs7a",   "eBs7b",   "urlAttachOthCurrInvest",
           "eBs9aa",  "eBs9ab",  "eBs9ba",
           "eBs9bb",  "eBs10aa", "eBs10ab",
           "eBs10ba", "eBs10bb", "eBs11aa",
           "eBs11ab", "eBs11ba", "eBs11bb",
           "eBs12a",  "eBs12b",  "eBs13aa",
           "eBs13ab", "eBs13ba", "eBs13bb",
           "eBs14a",  "eBs14b",  "eBs16aA",
           "eBs16aB", "eBs16ba", "eBs16bb",
           "eBs16ca", "eBs16cb", "eBs17a",
           "eBs17b"},
          {"eBs19", "eBs20", "eBs22", "eBs24a", "eBs24b", "eBs24c", "eBs25", "eBs26", "eBs27", "eBs29",
           "eBs30", "eBs31", "eBs33", "eBs34"}});
const std::vector<std::string> kScheduleBcdOrder = Join(
    {{"eBCD_EIN", "eBBizStructure", "eBOKRegisteredAgent", "eBParentCoName", "eBParentCoFEI",
      "eBPctParentOwned", "eBBizNature", "eBACSaShares", "eBACSaParValue", "eBACSbShares", "eBACSbParValue",
      "ebFY", "eBTCSaShares", "eBTCSaParValue", "eBTCSbShares", "eBTCSbParValue", "urlSubsidiaries"},
     Rows({"eCSubName", "eCSubFEIN", "eCSubPctOwn", "eCSubFinInvest"}, 5),
     {"urlAffiliates"},
     Rows({"ecAffName", "ecAffFEIN", "eDAffHow"}, 4),
     {"urlCurrDebt"},
     Rows({"eDName", "eDOrigIssDate", "eDMatDate", "eDOrigAmt", "eDAmtPay3Yr"}, 9)});

INSTANTIATE_TEST_SUITE_P(
    Pages, TabOrder,
    ::testing::Values(
        TabOrderCase{"BalSheet", kBalanceSheetOrder}, TabOrderCase{"SchedBCD", kScheduleBcdOrder},
        TabOrderCase{"Form200",
                     {"e200FEIN", "e200ReportPeriod", "e200DueDate", "b200IncOkla", "b200IncOther",
                      "b200Change", "b200EstReturn", "e200Name", "e200Address", "e200CSZ", "e200BSDate",
                      "btne200Line13", "btne200Line14", "btne200Line15", "btne200Line16", "e200Line17",
                      "btnOption1", "btnOption2", "e200TaxYear"}},
        TabOrderCase{"SchedA", Join({{"aBizName", "aBizAddress", "aBizCSZ", "aEIN", "aDate"},
                                     {"aNamePres", "aSSNPres", "aAddPres", "aPhonePres", "aNameVP", "aSSNVP",
                                      "aAddVP", "aPhoneVP", "aNameSec", "aSSNSec", "aAddSec", "aPhoneSec",
                                      "aNameTreas", "aSSNTreas", "aAddTreas", "aPhoneTreas"}})},
        TabOrderCase{"MinMax",
                     {"eMMFEIN", "eMMReportPeriod", "eMMDueDate", "bMMForeignCorporation", "bMMChange",
                      "bMMEstimatedRtn", "bMMLine5", "eMMLine6", "bMMLine2", "bMMLine3", "bMMLine4",
                      "eMMName", "eMMAddress", "eMMCSZ", "eMMLine1"}},
        TabOrderCase{
            "Form200F",
            {"rtcElect", "rtcName", "rtcFEIN", "RTCBegin", "RTCEnd", "RTCTitle", "RTCPhone", "RTCDate"}}),
    [](const ::testing::TestParamInfo<TabOrderCase>& p) { return std::string(p.param.Name); });

// ---------------------------------------------------------------------------------------------
// The cycle

TEST_F(WindowTest, TypedAmountsReachTheRecordTheTotalsAndTheOtherTabsWhenTheNextFieldIsEntered) {
    Show();
    Type("eBs1a", "1234.5");
    EXPECT_EQ(Field("Bs1a"), "0") << "nothing moves before the next field is entered";
    Key(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "eBs1b");
    EXPECT_EQ(Field("Bs1a"), "1234.5");
    EXPECT_EQ(Text("eBs1a"), "1,234.50");
    EXPECT_EQ(Text("eBs6a"), "1,234.50");
    EXPECT_EQ(Text("eBs15a"), "1,234.50");
    QTest::keyClicks(C("eBs1b"), "1000");
    Key(Qt::Key_Return);
    EXPECT_EQ(Field("Bs1b"), "1000");
    EXPECT_EQ(Text("e200Line1"), "1,000");
    EXPECT_EQ(Text("e200Line2"), "1,235") << "to whole dollars, halves away from zero";
    EXPECT_TRUE(w->Modified);
}

TEST_F(WindowTest, NegativeAmountsShowInParentheses) {
    Show();
    Type("eBs19", "-75");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Field("Bs19"), "-75");
    EXPECT_EQ(Text("eBs19"), "(75.00)");
    EXPECT_EQ(Text("eBs23"), "(75.00)");
}

TEST_F(WindowTest, AHeaderFieldIsTakenFromTheActiveTabOnly) {
    Show();
    Type("e200FEIN", "731234567");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Field("FEIN"), "73-1234567");
    for (const char* shown : {"eBsEIN", "eBCD_EIN", "e200FEIN2", "aEIN", "eMMFEIN", "eMMFEIN2", "rtcFEIN"})
        EXPECT_EQ(Text(shown), "73-1234567") << shown;

    // Typed on one tab, then a field entered on another: the other tab's value wins.
    Type("e200FEIN", "111111111");
    ClickInto("aNamePres");
    EXPECT_EQ(Field("FEIN"), "73-1234567");
    EXPECT_EQ(Text("e200FEIN"), "73-1234567");
}

TEST_F(WindowTest, TheTaxYearReachesTheRecordFromTheFormTabs) {
    Show();
    ClickInto("eBs1a");
    EXPECT_EQ(Field("TaxYear"), "10") << "the balance sheet does not show the tax year";
    EXPECT_EQ(Text("e200TaxYear"), "10") << "and the cycle shows the record's";

    // A first cycle on the 200 tab takes the list's design value.
    Show();
    ClickInto("e200Name");
    EXPECT_EQ(Field("TaxYear"), "09");
    EXPECT_EQ(Text("eMMTaxYear"), "09");
}

TEST_F(WindowTest, ADueDateTypedOnForm200ShowsOnMinMaxAndNoDueDateShowsEmpty) {
    Show();
    EXPECT_EQ(Text("e200DueDate"), "");
    Type("e200DueDate", "4/15/2010");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Field("DueDate"), std::to_string(static_cast<int>(EncodeDate(2010, 4, 15))));
    EXPECT_EQ(Text("eMMDueDate"), "4/15/2010");
    EXPECT_EQ(Text("eBsYearEnd"), "");
}

TEST_F(WindowTest, ANameTooLongIsCutEverywhereAfterTheNextCycle) {
    Show();
    const QString fifty(50, 'N');
    Type("aBizName", fifty);
    Key(Qt::Key_Tab);
    const std::string cut(45, 'N');
    EXPECT_EQ(Field("CorpName"), cut);
    for (const char* shown : {"aBizName", "e200Name", "eMMName", "rtcName"})
        EXPECT_EQ(Text(shown), cut) << shown;
}

TEST_F(WindowTest, TextsPassInTheRecordsCodePage) {
    Show();
    ClickInto("e200Name");
    // Characters beyond ASCII arrive as key events carrying their text.
    for (QChar ch : QString::fromUtf8("Caf\xc3\xa9 \xe2\x82\xac Ltd"))
        QTest::sendKeyEvent(QTest::Click, C("e200Name"), Qt::Key_unknown, QString(ch), Qt::NoModifier);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Rec().Get(fld::CorpName), "Caf\xe9 \x80 Ltd");
    EXPECT_EQ(Text("aBizName"), "Caf\xc3\xa9 \xe2\x82\xac Ltd");
}

struct FocusCase {
    const char* Name;
    Qt::FocusReason Reason;
    bool RunsCycle;
};

class FocusReasons : public WindowTest, public ::testing::WithParamInterface<FocusCase> {};

// Focus that comes back when a dialog or pop-up closes, or that the program moves on a tab switch, is
// not the user entering a field.
TEST_P(FocusReasons, OnlyTheUsersFocusChangesRunTheCycle) {
    Show();
    QWidget* field = C("eBs2a");
    QFocusEvent in(QEvent::FocusIn, GetParam().Reason);
    QApplication::sendEvent(field, &in);
    EXPECT_EQ(w->Modified, GetParam().RunsCycle);
}

INSTANTIATE_TEST_SUITE_P(Reasons, FocusReasons,
                         ::testing::Values(FocusCase{"Tab", Qt::TabFocusReason, true},
                                           FocusCase{"Backtab", Qt::BacktabFocusReason, true},
                                           FocusCase{"Mouse", Qt::MouseFocusReason, true},
                                           FocusCase{"WindowActivated", Qt::ActiveWindowFocusReason, false},
                                           FocusCase{"PopupClosed", Qt::PopupFocusReason, false},
                                           FocusCase{"TabSwitch", Qt::OtherFocusReason, false}),
                         [](const ::testing::TestParamInfo<FocusCase>& p) {
                             return std::string(p.param.Name);
                         });

TEST_F(WindowTest, SwitchingTabsRunsNoCycle) {
    Show();
    for (int i = 0; i < 6; ++i)
        w->Tabs()->setCurrentIndex(i);
    EXPECT_FALSE(w->Modified);
}

TEST_F(WindowTest, ControlsThatRunNoCycleOnEntryLeaveTheRecordAlone) {
    Show();
    for (const char* name : {"eBCD_EIN", "eMMName", "btne200Line13", "bMMForeignCorporation", "btnOption2"}) {
        Enter(name);
        EXPECT_FALSE(w->Modified) << name;
    }
}

TEST_F(WindowTest, LeavingLine17RunsTheCycleEvenTowardsAButtonThatRunsNone) {
    Show();
    Type("e200Line17", "50");
    Enter("btne200Line13");
    EXPECT_EQ(Field("F200Line17"), "50");
    EXPECT_EQ(Text("e200Line18"), "(40 .0  0)") << "the minimum tax of 10.00 less 50.00";
}

TEST_F(WindowTest, LeavingMinMaxLine6RunsTheCycle) {
    Show();
    Type("eMMLine6", "25");
    ClickInto("eMMName");
    EXPECT_EQ(Field("MMLine6"), "25");
    EXPECT_EQ(Text("eMMLine7"), "(25 .0  0)");
    EXPECT_EQ(Field("MMLine7"), "-25");
}

TEST_F(WindowTest, BlockKFollowsTheChangeBoxAtOnce) {
    Show();
    Type("e200Name", "Acme Tools");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Text("e200Name2"), "");
    Click("b200Change");
    EXPECT_EQ(Field("AddressChange"), "Y");
    EXPECT_EQ(Text("e200Name2"), "Acme Tools");
    Click("b200Change");
    EXPECT_EQ(Field("AddressChange"), "N");
    EXPECT_EQ(Text("e200Name2"), "");
}

TEST_F(WindowTest, TheIncorporationPairKeepsOneDown) {
    Show();
    Click("b200IncOther");
    EXPECT_FALSE(Checked("b200IncOkla"));
    EXPECT_EQ(Field("IncOklahoma"), "N");
    EXPECT_EQ(Field("IncOther"), "Y");
    Click("b200IncOther");
    EXPECT_TRUE(Checked("b200IncOther")) << "a pressed box of the pair stays pressed";
    Click("b200IncOkla");
    EXPECT_EQ(Field("IncOklahoma"), "Y");
    EXPECT_EQ(Field("IncOther"), "N");
}

TEST_F(WindowTest, AMinMaxToggleReachesTheRecordWithTheNextCycle) {
    Show();
    Click("bMMForeignCorporation");
    EXPECT_EQ(Rec().Get(fld::MMForeignCorp), 0);
    ClickInto("eMMLine6");
    EXPECT_EQ(Rec().Get(fld::MMForeignCorp), 1);
}

TEST_F(WindowTest, OptionTwoIsShownUnlessOptionOneIsSet) {
    const std::string path = WriteReturn("options.fti", [](ReturnRecord& r) {
        r.Set(fld::F200Option1, false);
        r.Set(fld::F200Option2, false);
        r.Set(fld::MMForeignCorp, true);
        r.Set(fld::MMLine6, Money::FromDollars(7));
    });
    Show();
    OpenFile(path);
    EXPECT_TRUE(Checked("btnOption2"));
    EXPECT_FALSE(Checked("btnOption1"));
    EXPECT_TRUE(Checked("bMMForeignCorporation"));
    EXPECT_EQ(Text("eMMLine6"), "7.00");
    Click("btnOption1");
    EXPECT_EQ(Field("F200Option1"), "Y");
    EXPECT_EQ(Field("F200Option2"), "N");
}

// ---------------------------------------------------------------------------------------------
// Entry rules

TEST_F(WindowTest, ThePenaltyIsATenthOfLine12ToCentsAndTogglesOff) {
    Show();
    Rec().Set(fld::F200Line12, Money::Parse("571.25").value());
    w->RecordToForm();
    Click("btne200Line15");
    EXPECT_EQ(Field("F200Line15"), "57.13");
    EXPECT_EQ(Text("btne200Line15"), "Remove");
    Click("btne200Line15");
    EXPECT_EQ(Field("F200Line15"), "0");
    EXPECT_EQ(Text("btne200Line15"), "Calculate");
}

// The penalty is worked from the line 12 shown, which is that of the previous computation.
TEST_F(WindowTest, ThePenaltyFollowsLine12OneCycleLate) {
    Show();
    // Capital of $480,000 in Oklahoma gives a tax of $600.00.
    Type("eBs1b", "480000");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Text("e200Line12"), "600 .0  0");
    Click("btne200Line15");
    ASSERT_EQ(Field("F200Line15"), "60");
    // $1,000,000 gives $1,250.00.
    Type("eBs1b", "1000000");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Text("e200Line12"), "1,250 .0  0");
    EXPECT_EQ(Field("F200Line15"), "60");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Field("F200Line15"), "125");
    EXPECT_EQ(Text("e200Line15"), "125 .0  0");
}

TEST_F(WindowTest, TheMinMaxPenaltyFollowsLine1AtOnce) {
    Show();
    Enter("eMMLine1");
    C<QComboBox>("eMMLine1")->setCurrentIndex(2);
    Click("bMMLine4");
    EXPECT_EQ(Field("MMLine4"), "2000");
    EXPECT_EQ(Field("MMLine1"), "20000");
    C<QComboBox>("eMMLine1")->setCurrentIndex(1);
    ClickInto("eMMLine6");
    EXPECT_EQ(Field("MMLine4"), "1");
    EXPECT_EQ(Text("eMMLine4"), "1 .0  0");
}

struct FeeCase {
    const char* Button;
    const char* Line;
    const char* Field;
    const char* Fee;
};

class FeeButtons : public WindowTest, public ::testing::WithParamInterface<FeeCase> {};

TEST_P(FeeButtons, AlternateBetweenZeroAndTheFee) {
    const FeeCase& c = GetParam();
    Show();
    Click(c.Button);
    EXPECT_EQ(Field(c.Field), c.Fee);
    EXPECT_EQ(Text(c.Button), "Remove");
    Click(c.Button);
    EXPECT_EQ(Field(c.Field), "0");
    EXPECT_EQ(Text(c.Button), "Add");
    // Any other amount, as an imported return may carry, is taken off by one click.
    SetField(Rec(), c.Field, "42");
    w->RecordToForm();
    EXPECT_EQ(Text(c.Button), "Remove");
    Click(c.Button);
    EXPECT_EQ(Field(c.Field), "0");
}

INSTANTIATE_TEST_SUITE_P(Fees, FeeButtons,
                         ::testing::Values(FeeCase{"btne200Line13", "e200Line13", "F200Line13", "100"},
                                           FeeCase{"btne200Line16", "e200Line16", "F200Line16", "15"},
                                           FeeCase{"bMMLine2", "eMMLine2", "MMLine2", "100"},
                                           FeeCase{"bMMLine5", "eMMLine5", "MMLine5", "15"}),
                         [](const ::testing::TestParamInfo<FeeCase>& p) {
                             return std::string(p.param.Button);
                         });

TEST_F(WindowTest, AMinMaxTaxOtherThanTheThreeItemsShowsZeroAndIsStoredAsZero) {
    const std::string path =
        WriteReturn("mm.fti", [](ReturnRecord& r) { r.Set(fld::MMLine1, Money::FromDollars(500)); });
    Show();
    OpenFile(path);
    EXPECT_EQ(Text("eMMLine1"), "0.00");
    ClickInto("eMMLine6");
    EXPECT_EQ(Field("MMLine1"), "0");
}

// ---------------------------------------------------------------------------------------------
// File commands

TEST_F(WindowTest, ClosingRightAfterStartOrOpenAsksNothingButMovingIntoAFieldDoes) {
    const std::string path = ExamplePath("acme.fti");
    Show(path);
    EXPECT_EQ(w->CurrentFileName, path);
    EXPECT_FALSE(w->Modified);
    EXPECT_TRUE(prompts.Shown("open").empty()) << "the command-line file opens without the dialog";
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(prompts.Shown("warning").empty());

    Show();
    ClickInto("eBs3a");
    prompts.Answers.push_back(Answer::No);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(prompts.Shown("warning"), std::vector<std::string>{"Do you want to save your data? "});
}

TEST_F(WindowTest, ExitAsksAndClosesAndImportOpensLikeOpen) {
    Show();
    prompts.OpenFiles.push_back(ExamplePath("sample-2008.fti"));
    Action("FileImport1")->trigger();
    EXPECT_EQ(prompts.Shown("information"), std::vector<std::string>{ConvertedMessage(2008)});
    ClickInto("eBs1a");
    prompts.Answers.push_back(Answer::No);
    Action("FileExit1")->trigger();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(prompts.Shown("warning"), std::vector<std::string>{"Do you want to save your data? "});
    EXPECT_EQ(settings.ReadString("LastDir"), std::string(QV_EXAMPLES_DIR) + "/");
}

TEST_F(WindowTest, ClosingAlwaysWritesLastDir) {
    settings.WriteString("LastDir", "/somewhere/");
    Show();
    EXPECT_EQ(w->LastDir, "/somewhere/");
    EXPECT_TRUE(w->close());
    EXPECT_EQ(settings.ReadString("LastDir"), "/somewhere/");
}

TEST_F(WindowTest, LastDirDefaultsToTheProgramFolder) {
    MemorySettings empty;
    Services bare{dm, prompts, empty, RegionalSettings::UnitedStates()};
    ui::TfMain window(bare, prompts);
    window.show();
    EXPECT_EQ(window.LastDir, window.ProgramFolder());
    EXPECT_EQ(window.LastDir.back(), '/');
}

TEST_F(WindowTest, SaveOfAnUntitledReturnAsksForANameAndCancellingKeepsTheWork) {
    Show();
    Type("eBs1a", "10");
    Action("FileSave1")->trigger();
    ASSERT_TRUE(prompts.LastSave);
    EXPECT_EQ(prompts.LastSave->FileName, "Untitled");
    EXPECT_EQ(prompts.LastSave->Folder, Folder());
    EXPECT_EQ(prompts.LastSave->DefaultSuffix, "fti");
    EXPECT_EQ(prompts.LastSave->Filter, "Franchise Files (*.fti)|*.fti|All Files (*.*)|*.*");
    EXPECT_TRUE(w->Modified);
    EXPECT_EQ(w->CurrentFileName, "Untitled");
    // Closing asks; Yes and a cancelled Save As again: the window stays open with the work.
    prompts.Answers.push_back(Answer::Yes);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->Modified);
    EXPECT_EQ(Field("Bs1a"), "10");
}

TEST_F(WindowTest, SaveAsWritesTheReturnAndSaveWritesItAgain) {
    Show();
    Type("eBs1a", "1234.56");
    // Still in the field when Save As runs: the value is saved all the same.
    Type("e200Name", "Acme Tools");
    const std::string path = PathOf("sub/acme.fti");
    std::filesystem::create_directories(dir.Path() / "sub");
    prompts.SaveFiles.push_back(path);
    Action("FileSaveAs1")->trigger();
    EXPECT_EQ(w->CurrentFileName, path);
    EXPECT_FALSE(w->Modified);
    EXPECT_EQ(w->LastDir, Folder() + "sub/");
    {
        auto saved = Load(path);
        EXPECT_EQ(saved->Record.Get(fld::Bs1a), Money::Parse("1234.56").value());
        EXPECT_EQ(saved->Record.Get(fld::CorpName), "Acme Tools");
    }
    // The value typed last reaches the file through Save's own copy of the fields.
    Type("eBs2a", "5");
    prompts.Log.clear();
    Action("FileSave1")->trigger();
    EXPECT_TRUE(prompts.Shown("save").empty());
    EXPECT_FALSE(w->Modified);
    EXPECT_EQ(w->LastDir, Folder() + "sub/");
    EXPECT_EQ(Load(path)->Record.Get(fld::Bs2a), Money::FromDollars(5));
    EXPECT_EQ(Load(path)->Record.Get(fld::Bs6a), Money::Parse("1239.56").value());
}

// A computation that stops (line 8 zero under Option 1) is reported, and the figures are still saved.
TEST_F(WindowTest, AReturnWhoseComputationStopsIsSavedAndTheMessageShown) {
    Show();
    Type("eBs1a", "100");
    Type("eBs33", "-100");
    Key(Qt::Key_Tab);
    ASSERT_EQ(prompts.Shown("error").size(), 1u);
    EXPECT_EQ(prompts.Shown("error").front().rfind("Line 8", 0), 0u);
    EXPECT_EQ(Text("eBs15a"), "100.00") << "the totals reached are shown";
    prompts.SaveFiles.push_back(PathOf("stops.fti"));
    Action("FileSaveAs1")->trigger();
    EXPECT_EQ(prompts.Shown("error").size(), 2u);
    EXPECT_FALSE(w->Modified);
    EXPECT_EQ(Load(PathOf("stops.fti"))->Record.Get(fld::Bs33), Money::FromDollars(-100));
}

struct OverwriteCase {
    const char* Name;
    Answer Reply;
    bool Writes;
};

class Overwrite : public WindowTest, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(Overwrite, SaveAsOntoAnExistingFileAsksFirst) {
    const std::string old = WriteReturn("old.fti", [](ReturnRecord& r) { r.Set(fld::CorpName, "Old"); });
    Show();
    Type("e200Name", "New");
    Key(Qt::Key_Tab);
    prompts.SaveFiles.push_back(old);
    prompts.Answers.push_back(GetParam().Reply);
    Action("FileSaveAs1")->trigger();
    EXPECT_EQ(prompts.Shown("question"), std::vector<std::string>{"OK to overwrite " + old});
    EXPECT_EQ(Load(old)->Record.Get(fld::CorpName), GetParam().Writes ? "New" : "Old");
    EXPECT_EQ(w->CurrentFileName, GetParam().Writes ? old : "Untitled");
    EXPECT_EQ(w->Modified, !GetParam().Writes);
}

INSTANTIATE_TEST_SUITE_P(Answers, Overwrite,
                         ::testing::Values(OverwriteCase{"Yes", Answer::Yes, true},
                                           OverwriteCase{"No", Answer::No, false},
                                           OverwriteCase{"Cancel", Answer::Cancel, false}),
                         [](const ::testing::TestParamInfo<OverwriteCase>& p) {
                             return std::string(p.param.Name);
                         });

TEST_F(WindowTest, AFailedSaveShowsTheErrorKeepsTheMarkAndTheWindowOpen) {
    Show();
    Type("eBs1a", "10");
    prompts.SaveFiles.push_back(PathOf("missing-folder/x.fti"));
    prompts.Answers.push_back(Answer::Yes);
    EXPECT_FALSE(w->close());
    EXPECT_EQ(prompts.Shown("error").size(), 1u);
    EXPECT_TRUE(w->Modified);
    EXPECT_EQ(w->CurrentFileName, PathOf("missing-folder/x.fti"));
}

TEST_F(WindowTest, ClosingWithYesSavesAndCloses) {
    const std::string path = WriteReturn("r.fti", [](ReturnRecord&) {});
    Show(path);
    Type("eBs1a", "3");
    prompts.Answers.push_back(Answer::Yes);
    EXPECT_TRUE(w->close());
    EXPECT_EQ(Load(path)->Record.Get(fld::Bs1a), Money::FromDollars(3));
}

TEST_F(WindowTest, NewEmptiesTheTablesAndStartsABlankReturn) {
    const std::string path = ExamplePath("acme.fti");
    Show(path);
    ASSERT_FALSE(dm.tblCurrDebt.IsEmpty() && dm.tblOthCurrAssets.IsEmpty());
    Action("FileNew1")->trigger();
    EXPECT_TRUE(prompts.Shown("warning").empty()) << "nothing was changed";
    for (ScheduleTable* t : dm.FileTables())
        EXPECT_TRUE(t->IsEmpty()) << t->Name();
    EXPECT_EQ(w->CurrentFileName, "Untitled");
    EXPECT_FALSE(w->Modified);
    EXPECT_EQ(Text("e200Name"), "");
    EXPECT_EQ(Text("e200TaxYear"), "10");
    EXPECT_EQ(Text("RTCBegin"), "January");
}

struct DiscardCase {
    const char* Name;
    Answer Reply;
    std::optional<std::string> SaveAs; // the Save As dialog's answer when Yes saves an untitled return
    bool Proceeds;
    bool Saved;
};

class DiscardPrompt : public WindowTest, public ::testing::WithParamInterface<DiscardCase> {};

// New, Open and Import ask before unsaved work is replaced.
TEST_P(DiscardPrompt, NewAsksBeforeReplacingUnsavedWork) {
    const DiscardCase& c = GetParam();
    Show();
    Type("eBs1a", "77");
    Key(Qt::Key_Tab);
    prompts.Answers.push_back(c.Reply);
    if (c.SaveAs)
        prompts.SaveFiles.push_back(PathOf(*c.SaveAs));
    Action("FileNew1")->trigger();
    EXPECT_EQ(prompts.Shown("warning"), std::vector<std::string>{"Do you want to save your data? "});
    EXPECT_EQ(Field("Bs1a"), c.Proceeds ? "0" : "77");
    EXPECT_EQ(std::filesystem::exists(PathOf("kept.fti")), c.Saved);
    if (c.Saved) {
        EXPECT_EQ(Load(PathOf("kept.fti"))->Record.Get(fld::Bs1a), Money::FromDollars(77));
    }
}

TEST_P(DiscardPrompt, OpenAsksBeforeReplacingUnsavedWork) {
    const DiscardCase& c = GetParam();
    Show();
    Type("eBs1a", "77");
    Key(Qt::Key_Tab);
    prompts.Answers.push_back(c.Reply);
    if (c.SaveAs)
        prompts.SaveFiles.push_back(PathOf(*c.SaveAs));
    OpenFile(ExamplePath("acme.fti"));
    EXPECT_EQ(prompts.Shown("warning"), std::vector<std::string>{"Do you want to save your data? "});
    EXPECT_EQ(w->CurrentFileName,
              c.Proceeds ? ExamplePath("acme.fti") : (c.Saved ? PathOf("kept.fti") : "Untitled"));
    EXPECT_EQ(prompts.Shown("open").size(), c.Proceeds ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DiscardPrompt,
    ::testing::Values(DiscardCase{"YesSaves", Answer::Yes, "kept.fti", true, true},
                      DiscardCase{"YesButSaveAsCancelled", Answer::Yes, std::nullopt, false, false},
                      DiscardCase{"No", Answer::No, std::nullopt, true, false},
                      DiscardCase{"Cancel", Answer::Cancel, std::nullopt, false, false}),
    [](const ::testing::TestParamInfo<DiscardCase>& p) { return std::string(p.param.Name); });

TEST_F(WindowTest, OpenLoadsACurrentFileUnderItsName) {
    Show();
    OpenFile(ExamplePath("acme.fti"));
    ASSERT_TRUE(prompts.LastOpen);
    EXPECT_EQ(prompts.LastOpen->Folder, Folder());
    EXPECT_EQ(prompts.LastOpen->DefaultSuffix, "fti");
    EXPECT_EQ(w->CurrentFileName, ExamplePath("acme.fti"));
    EXPECT_EQ(w->LastDir, std::string(QV_EXAMPLES_DIR) + "/");
    EXPECT_FALSE(w->Modified);
    auto expected = Load(ExamplePath("acme.fti"));
    qv::ComputeReturn(*expected);
    EXPECT_EQ(Rec(), expected->Record);
    EXPECT_EQ(Text("e200Name"), FromCp(expected->Record.Get(fld::CorpName)));
    // The next Open shows the dialog again.
    prompts.Log.clear();
    OpenFile(ExamplePath("acme.fti"));
    EXPECT_EQ(prompts.Shown("open").size(), 1u);
}

TEST_F(WindowTest, ACancelledOpenLeavesTheReturnAsItWas) {
    Show(ExamplePath("acme.fti"));
    Type("eBs1a", "5");
    Key(Qt::Key_Tab);
    const ReturnRecord before = Rec();
    const size_t debts = dm.tblCurrDebt.RecordCount();
    prompts.Answers.push_back(Answer::No);
    prompts.OpenFiles.push_back(std::nullopt);
    Action("FileOpen1")->trigger();
    EXPECT_EQ(Rec(), before);
    EXPECT_EQ(w->CurrentFileName, ExamplePath("acme.fti"));
    EXPECT_TRUE(w->Modified);
    EXPECT_EQ(dm.tblCurrDebt.RecordCount(), debts);
    EXPECT_EQ(Text("eBs1a"), "5.00");
}

struct BadFileCase {
    const char* Name;
    std::string Bytes;
    const char* Message;
};

class FailedOpen : public WindowTest, public ::testing::WithParamInterface<BadFileCase> {};

// A file that cannot be read keeps the return that was open, its name, its mark and its tables, so a
// later Save cannot write a blank return over the earlier file.
TEST_P(FailedOpen, KeepsTheOpenReturn) {
    Show(ExamplePath("acme.fti"));
    const ReturnRecord before = Rec();
    const size_t debts = dm.tblCurrDebt.RecordCount();
    const std::string bad = PathOf("bad.fti");
    std::ofstream(bad, std::ios::binary) << GetParam().Bytes;
    OpenFile(bad);
    EXPECT_EQ(prompts.Shown("error"), std::vector<std::string>{GetParam().Message});
    EXPECT_EQ(Rec(), before);
    EXPECT_EQ(w->CurrentFileName, ExamplePath("acme.fti"));
    EXPECT_FALSE(w->Modified);
    EXPECT_EQ(dm.tblCurrDebt.RecordCount(), debts);
}

// A file of `total` bytes with the signature, a format version and a stated record length.
std::string Header(int version, size_t total, int recordLength = 4248) {
    std::string bytes(total, '\0');
    bytes[0] = 11;
    std::string("ostrel BLRX").copy(bytes.data() + 1, 11);
    bytes[12] = static_cast<char>(version);
    bytes[44] = static_cast<char>(recordLength & 0xff);
    bytes[45] = static_cast<char>((recordLength >> 8) & 0xff);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, FailedOpen,
    ::testing::Values(
        BadFileCase{"TooShort", std::string(44, 'x'), "Could not read file"},
        BadFileCase{"NotAReturn", std::string(200, 'x'), "Could not read file - Unrecogonized File Type"},
        BadFileCase{"Version8", Header(8, 200), "Could not read file - Unrecogonized File Type"},
        BadFileCase{"RecordLongerThanTheFile", Header(7, 60), "Could not read file"},
        BadFileCase{"PriorYearRecordLongerThanTheFile", Header(6, 60), "Could not read file"}),
    [](const ::testing::TestParamInfo<BadFileCase>& p) { return std::string(p.param.Name); });

TEST_F(WindowTest, AMissingFileOpensABlankReturnUnderItsName) {
    Show();
    const std::string path = PathOf("new.fti");
    OpenFile(path);
    EXPECT_EQ(prompts.Shown("error"), std::vector<std::string>(2, "The File " + path + " does not exist!"));
    EXPECT_EQ(std::count(prompts.Log.begin(), prompts.Log.end(), "beep"), 2);
    EXPECT_EQ(w->CurrentFileName, path);
    // Save creates it.
    Type("eBs1a", "1");
    Action("FileSave1")->trigger();
    EXPECT_EQ(Load(path)->Record.Get(fld::Bs1a), Money::FromDollars(1));
}

class PriorEditions : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(PriorEditions, OpenConvertsAndLeavesTheReturnUntitled) {
    const int year = GetParam();
    const std::string path = ExamplePath("sample-" + std::to_string(year) + ".fti");
    Show();
    OpenFile(path);
    EXPECT_EQ(prompts.Shown("information"), std::vector<std::string>{ConvertedMessage(year)});
    EXPECT_EQ(w->CurrentFileName, "Untitled");
    EXPECT_FALSE(w->Modified);
    Franchise expected(2010, files.services);
    ImportReturn(expected, path);
    EXPECT_EQ(Rec(), expected.Record);
    EXPECT_EQ(Text("e200FEIN"), FromCp(expected.Record.Get(fld::FEIN)));
    EXPECT_EQ(Text("aBizName"), FromCp(expected.Record.Get(fld::CorpName)));
    // The first Save asks for a name, so the prior-year file is never written over.
    prompts.SaveFiles.push_back(PathOf("converted.fti"));
    Action("FileSave1")->trigger();
    EXPECT_EQ(prompts.LastSave->FileName, "Untitled");
    EXPECT_EQ(Load(PathOf("converted.fti"))->Record.Get(fld::CorpName), expected.Record.Get(fld::CorpName));
}

INSTANTIATE_TEST_SUITE_P(Editions, PriorEditions, ::testing::Range(2004, 2010),
                         [](const ::testing::TestParamInfo<int>& p) { return std::to_string(p.param); });

TEST_F(WindowTest, AConvertedReturnStartsWithNoneOfTheRowsOfTheReturnOpenBefore) {
    Show(ExamplePath("acme.fti"));
    ASSERT_FALSE(dm.tblOthCurrAssets.IsEmpty());
    OpenFile(ExamplePath("sample-2009.fti"));
    EXPECT_TRUE(dm.tblOthCurrAssets.IsEmpty());
    EXPECT_TRUE(dm.tblSubsidiaries.IsEmpty());
}

// ---------------------------------------------------------------------------------------------
// Options

// Runs the Options dialog and, once it is up, sets its whole-dollar box and presses OK or Cancel.
void RunOptions(ui::TfMain& window, bool wholeDollars, bool ok) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<ui::TfrmOptions*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Options");
        if (dialog->cbWholeDollars()->isChecked() != wholeDollars)
            QTest::mouseClick(dialog->cbWholeDollars(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        QTest::mouseClick(dialog->findChild<QPushButton*>(ok ? "Button1" : "Button2"), Qt::LeftButton);
    });
    window.findChild<QAction*>("EditOptions")->trigger();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
}

TEST_F(WindowTest, WholeDollarsRoundHalvesToEvenWhenSwitchedOn) {
    Show();
    Type("eBs1a", "1234.50");
    Type("eBs2a", "1235.50");
    Type("eBs3a", "2.5");
    Key(Qt::Key_Tab);
    Rec().Set(fld::F200Line12, Money::Parse("571.25").value());
    w->RecordToForm();
    RunOptions(*w, true, true);
    EXPECT_EQ(settings.ReadString("WholeDollars"), "1");
    EXPECT_TRUE(w->WholeDollarEntry);
    EXPECT_EQ(Text("eBs1a"), "1,234");
    EXPECT_EQ(Text("eBs2a"), "1,236");
    EXPECT_EQ(Text("eBs3a"), "2");
    EXPECT_EQ(Text("e200Line12"), "571 .2  5") << "computed lines keep their cents";
    ClickInto("eBs4a");
    EXPECT_EQ(Field("Bs1a"), "1234");
    EXPECT_EQ(Field("Bs2a"), "1236");
    // Switched off again, the fields take cents.
    RunOptions(*w, false, true);
    Type("eBs4a", "0.25");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Field("Bs4a"), "0.25");
    EXPECT_EQ(Text("eBs1a"), "1,234.00");
}

TEST_F(WindowTest, CancellingOptionsWritesNothingAndChangesNoField) {
    Show();
    Type("eBs1a", "1234.50");
    Key(Qt::Key_Tab);
    RunOptions(*w, true, false);
    EXPECT_FALSE(settings.ReadString("WholeDollars"));
    EXPECT_FALSE(settings.ReadString("CombineSchedules"));
    EXPECT_EQ(Text("eBs1a"), "1,234.50");
}

TEST_F(WindowTest, WithWholeDollarsAnOpenedReturnShowsRoundedHalvesAwayAndSavesThem) {
    settings.WriteString("WholeDollars", "1");
    const std::string path =
        WriteReturn("cents.fti", [](ReturnRecord& r) { r.Set(fld::Bs1a, Money::Parse("1234.50").value()); });
    Show(path);
    EXPECT_EQ(Text("eBs1a"), "1,235");
    ClickInto("eBs2a");
    Action("FileSave1")->trigger();
    EXPECT_EQ(Load(path)->Record.Get(fld::Bs1a), Money::FromDollars(1235));
}

TEST(OptionsDialog, ShowsTheDefaultsWithoutSettingsAndWritesOnlyAfterOk) {
    MemorySettings settings;
    ui::TfrmOptions dialog(settings);
    dialog.show();
    EXPECT_TRUE(dialog.cbCombineBSSchedules()->isChecked());
    EXPECT_FALSE(dialog.cbWholeDollars()->isChecked());
    EXPECT_EQ(dialog.cbCombineBSSchedules()->text(), "Combine Balance Sheet Schedules");
    EXPECT_EQ(dialog.cbWholeDollars()->text(), "Enter whole dollars only in currency fields");
    dialog.cbCombineBSSchedules()->setChecked(false);
    dialog.close();
    EXPECT_FALSE(settings.ReadString("CombineSchedules")) << "the close box is Cancel";

    settings.WriteString("WholeDollars", "7");
    dialog.show();
    EXPECT_TRUE(dialog.cbWholeDollars()->isChecked());
    EXPECT_FALSE(dialog.Accepted);
    dialog.cbCombineBSSchedules()->setChecked(false);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    EXPECT_TRUE(dialog.Accepted);
    EXPECT_EQ(settings.ReadString("CombineSchedules"), "0");
    EXPECT_EQ(settings.ReadString("WholeDollars"), "1");
}

// ---------------------------------------------------------------------------------------------
// Edit actions, zoom, printing

TEST_F(WindowTest, EditActionsFollowTheSelectionAndTheClipboard) {
    Show();
    QApplication::clipboard()->clear();
    Type("e200Name", "Acme");
    EXPECT_FALSE(Action("EditCut1")->isEnabled());
    EXPECT_FALSE(Action("EditCopy1")->isEnabled());
    EXPECT_FALSE(Action("EditPaste1")->isEnabled());
    QTest::keyClick(C("e200Name"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(Action("EditCut1")->isEnabled());
    EXPECT_TRUE(Action("EditCopy1")->isEnabled());
    Action("EditCopy1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Acme");
    EXPECT_TRUE(Action("EditPaste1")->isEnabled());
    ClickInto("e200Address");
    Action("EditPaste1")->trigger();
    EXPECT_EQ(Text("e200Address"), "Acme");
}

TEST_F(WindowTest, ZoomScalesEveryPageAndItsControlsTogether) {
    Show();
    Enter("eBs1a");
    const int width = C("eBs1a")->width();
    Key(Qt::Key_Plus, Qt::ControlModifier);
    ASSERT_GT(w->Zoom(), 1.0);
    for (int t = 0; t < 6; ++t)
        EXPECT_EQ(w->Page(static_cast<ui::PageTab>(t))->zoom(), w->Zoom());
    EXPECT_NEAR(C("eBs1a")->width(), width * w->Zoom(), 2);
    Key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(w->Zoom(), 1.0);
    EXPECT_EQ(C("eBs1a")->width(), width);
    Key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(w->Zoom(), 1.0);
}

// Line 9's percentage prints one digit to a box; on screen each digit is in the middle of its box too,
// at every zoom. The digits are found in a picture of the row: the columns holding the fields' blue
// ink (the box rules are grey or black).
TEST_F(WindowTest, LineNinesDigitsSitInTheirBoxesAtEveryZoom) {
    Show(ExamplePath("acme.fti"));
    auto* ratio = C<QLineEdit>("e200Line9");
    ShowTabOf(ratio);
    ASSERT_EQ(ratio->text(), "7  5  9  5");
    const std::optional<form::Rect> boxes = forms::FieldRect(form::page::Form200, FieldId::F200Line9);
    ASSERT_TRUE(boxes.has_value());
    // Actual size, three steps larger, two steps smaller.
    for (const int steps : {0, 3, -2}) {
        w->ResetZoom();
        for (int i = 0; i < steps; ++i)
            w->ZoomIn();
        for (int i = 0; i > steps; --i)
            w->ZoomOut();
        ui::FormPageView* page = w->Page(ui::PageTab::F200)->page();
        const QRect row = page->pixelRect(*boxes);
        const QImage picture = page->grab(row).toImage();
        const double pitch = row.width() / 4.0;
        // Runs of columns with ink, as the centres of the digits.
        std::vector<double> centres;
        int runStart = -1;
        for (int x = 0; x <= picture.width(); ++x) {
            bool ink = false;
            for (int y = 0; x < picture.width() && y < picture.height() && !ink; ++y) {
                const QColor c = picture.pixelColor(x, y);
                ink = c.blue() - c.red() > 40 && c.red() < 140;
            }
            if (ink && runStart < 0)
                runStart = x;
            if (!ink && runStart >= 0) {
                centres.push_back((runStart + x - 1) / 2.0);
                runStart = -1;
            }
        }
        ASSERT_EQ(centres.size(), 4u) << "at zoom " << w->Zoom();
        for (size_t i = 0; i < 4; ++i)
            // In the middle half of its box.
            EXPECT_NEAR(centres[i], (static_cast<double>(i) + 0.5) * pitch, pitch / 4)
                << "digit " << i << " at zoom " << w->Zoom();
    }
}

TEST_F(WindowTest, PrintAllSavesFirstAndHandsThePdfToTheViewer) {
    Show(ExamplePath("acme.fti"));
    // An untitled return whose Save As is cancelled prints nothing.
    Action("FileNew1")->trigger();
    Action("FilePrint1")->trigger();
    EXPECT_EQ(prompts.Shown("save").size(), 1u);
    EXPECT_TRUE(prompts.Shown("url").empty());

    prompts.Answers.push_back(Answer::No);
    OpenFile(ExamplePath("acme.fti"));
    prompts.SaveFiles.push_back(PathOf("acme.fti"));
    Action("FileSaveAs1")->trigger();
    Type("eBs1a", "9");
    Action("FilePrint1")->trigger();
    EXPECT_EQ(prompts.Shown("url"), std::vector<std::string>{PathOf("acme.pdf")});
    EXPECT_TRUE(std::filesystem::exists(PathOf("acme.pdf")));
    EXPECT_EQ(Load(PathOf("acme.fti"))->Record.Get(fld::Bs1a), Money::FromDollars(9));
}

} // namespace
} // namespace qv::test
