// The Diagnostics panel of the main window, offscreen: findings appear and go as the user types,
// a double click takes the user to the field, the View menu and the panel's close button, the count
// in the status bar and the note after a print.

#include "WindowFixture.h"

#include "DiagnosticsPanel.h"
#include "ExampleReturn.h"
#include "uDataMod.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>

namespace qv::test {
namespace {

using Answer = Notices::Answer;

class DiagnosticsTest : public WindowTest {
protected:
    ui::DiagnosticsPanel* Panel() { return w->Diagnostics(); }
    QTreeWidget* List() { return Panel()->list(); }

    // The codes listed, in order.
    std::vector<std::string> Codes() {
        std::vector<std::string> codes;
        for (const Finding& f : Panel()->findings())
            codes.emplace_back(f.Code);
        return codes;
    }
    QTreeWidgetItem* Row(const char* code) {
        for (int i = 0; i < List()->topLevelItemCount(); ++i)
            if (List()->topLevelItem(i)->text(2) == code)
                return List()->topLevelItem(i);
        ADD_FAILURE() << "no finding " << code;
        return nullptr;
    }
    void DoubleClick(QTreeWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        const QRect rect = List()->visualItemRect(item);
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }
    std::string Count() { return C<QLabel>("lblDiagnostics")->text().toStdString(); }
    bool PanelShown() { return Panel()->isVisible(); }

    // The example return with one fault, saved in the test's folder and opened in the window.
    void OpenExampleWith(const std::function<void(Franchise&)>& fault) {
        Franchise doc(2010, files.services);
        FillExampleReturn(doc);
        fault(doc);
        doc.SaveToFile(PathOf("fault.fti"));
        OpenFile(PathOf("fault.fti"));
    }
};

TEST_F(DiagnosticsTest, TypingAFigureThatUnbalancesTheBalanceSheetListsItAndMendingItClearsIt) {
    Show(ExamplePath("acme.fti"));
    // The example has nothing to list: the panel stays out of the way.
    EXPECT_TRUE(Codes().empty());
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Count(), "No errors or warnings");

    const std::string cash = Text("eBs1a");
    Type("eBs1a", "99999999");
    Key(Qt::Key_Tab); // the next field is entered: the cycle runs
    ASSERT_EQ(Codes(), std::vector<std::string>{"balance"});
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(Count(), "1 error");
    const QTreeWidgetItem* row = Row("balance");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->text(0), "Error");
    EXPECT_FALSE(row->icon(0).isNull());
    EXPECT_TRUE(row->text(1).startsWith("Balance sheet: total assets (line 18, column A) "));
    EXPECT_TRUE(row->text(1).contains(" differ from total liabilities and capital (line 32) "));

    Type("eBs1a", QString::fromStdString(cash));
    Key(Qt::Key_Tab);
    EXPECT_TRUE(Codes().empty());
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Count(), "No errors or warnings");
}

TEST_F(DiagnosticsTest, ThePanelAppearingKeepsTheFieldBeingTypedInInView) {
    Show(ExamplePath("acme.fti"));
    w->resize(1000, 600);
    QApplication::processEvents();
    // Line 31 is near the foot of the balance sheet. A click into line 33 below it, scrolled to the
    // bottom of the view, finds the sheet no longer balancing: the panel comes up under the page.
    ASSERT_FALSE(PanelShown());
    Type("eBs31", "99999999");
    ClickInto("eBs33");
    ASSERT_EQ(Focused(), "eBs33");
    QApplication::processEvents();
    ASSERT_TRUE(PanelShown());
    auto* scroll = w->Page(ui::PageTab::BalSheet);
    QWidget* field = QApplication::focusWidget();
    ASSERT_NE(field, nullptr);
    const QRect inViewport(field->mapTo(scroll->viewport(), QPoint(0, 0)), field->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(inViewport))
        << Focused() << " is under the panel: " << inViewport.y() << " of " << scroll->viewport()->height();
}

struct JumpCase {
    const char* name;
    std::function<void(Franchise&)> fault;
    const char* code;
    ui::PageTab tab;
    const char* focus; // the control that takes the focus
};

class Jump : public DiagnosticsTest, public ::testing::WithParamInterface<JumpCase> {};

TEST_P(Jump, DoubleClickShowsTheTabAndFocusesTheFieldWithoutACycle) {
    const JumpCase& c = GetParam();
    Show();
    OpenExampleWith(c.fault);
    ASSERT_NE(std::find(Codes().begin(), Codes().end(), c.code), Codes().end()) << c.code;
    const bool modified = w->Modified;
    DoubleClick(Row(c.code));
    EXPECT_EQ(w->ActiveTab(), c.tab);
    EXPECT_EQ(Focused(), c.focus);
    EXPECT_TRUE(C(c.focus)->isVisible());
    // Going to a field is not entering it: nothing was read from the controls.
    EXPECT_EQ(w->Modified, modified);
}

INSTANTIATE_TEST_SUITE_P(
    Findings, Jump,
    ::testing::Values(
        JumpCase{"BlankFeinGoesToTheBalanceSheetsFein", [](Franchise& d) { d.Record.Set(fld::FEIN, ""); },
                 "fein", ui::PageTab::BalSheet, "eBsEIN"},
        JumpCase{"MissingDueDateGoesToForm200ItemC", [](Franchise& d) { d.Record.Set(fld::DueDate, 0.0); },
                 "due-date", ui::PageTab::F200, "e200DueDate"},
        JumpCase{"NoPresidentGoesToScheduleA", [](Franchise& d) { d.Record.Set(fld::SchedAPresName, ""); },
                 "officers", ui::PageTab::SchedA, "aNamePres"},
        JumpCase{"PercentGoesToTheSubsidiarysPercentage",
                 [](Franchise& d) {
                     d.Record.Set(fld::SchedCSub1Name, "Sooner Sub");
                     d.Record.Set(fld::SchedCSub1FEIN, "73-1234567");
                     d.Record.Set(fld::SchedCSub1PctOwned, 140.0);
                 },
                 "percent", ui::PageTab::SchedBCD, "eCSubPctOwn1"},
        // Line 18 is computed and takes no focus: the entry above it, one of those it adds up, does.
        JumpCase{"BalanceGoesToTheEntryAboveTheComputedTotal",
                 [](Franchise& d) { d.Record.Set(fld::Bs1a, d.Record.Get(fld::Bs1a) + Money::FromDollars(1)); },
                 "balance", ui::PageTab::BalSheet, "eBs17b"},
        // A row of the "Add More" list: the link that opens the list.
        JumpCase{"ARowsFeinGoesToTheLinkOfItsList",
                 [](Franchise& d) {
                     ScheduleTable& rows = d.dm().tblSubsidiaries;
                     rows.Append();
                     rows.SetText("Name", "Panhandle Gas");
                     rows.SetText("FEIN", "73-55     ");
                     rows.Post();
                 },
                 "fein", ui::PageTab::SchedBCD, "urlSubsidiaries"}),
    [](const ::testing::TestParamInfo<JumpCase>& p) { return std::string(p.param.name); });

TEST_F(DiagnosticsTest, AFindingOfTheComputationIsListedWithItsFixWrappedAndTheErrorStillShows) {
    Show(ExamplePath("acme.fti"));
    // Option 1 with line 8 at zero (gross business done that cancels the net assets): the computation
    // stops, and the panel says what to do instead.
    Type("eBs33", "-3515855");
    Key(Qt::Key_Tab);
    const auto codes = Codes();
    EXPECT_NE(std::find(codes.begin(), codes.end(), "option-line-8"), codes.end());
    EXPECT_EQ(std::find(codes.begin(), codes.end(), "computation"), codes.end());
    EXPECT_FALSE(prompts.Shown("error").empty());

    // Its message is long; in a narrow window it wraps within its column, and the row grows to hold it.
    w->resize(700, 800);
    QApplication::processEvents();
    QTreeWidgetItem* row = Row("option-line-8");
    ASSERT_NE(row, nullptr);
    const int lines = QFontMetrics(List()->font()).horizontalAdvance(row->text(1)) / List()->columnWidth(1) + 1;
    ASSERT_GE(lines, 2);
    EXPECT_GE(List()->visualItemRect(row).height(), lines * QFontMetrics(List()->font()).height());
}

TEST_F(DiagnosticsTest, F8GoesThroughTheFindingsInTurn) {
    Show();
    OpenExampleWith([](Franchise& d) {
        d.Record.Set(fld::FEIN, "");
        d.Record.Set(fld::SchedAPresName, "");
    });
    ASSERT_EQ(Codes(), (std::vector<std::string>{"fein", "officers"}));
    Action("ViewNextFinding")->trigger();
    EXPECT_EQ(Focused(), "eBsEIN");
    Key(Qt::Key_F8);
    EXPECT_EQ(Focused(), "aNamePres");
    // Round to the first again; the FEIN is on every page, and the page shown has it.
    Key(Qt::Key_F8);
    EXPECT_EQ(w->ActiveTab(), ui::PageTab::SchedA);
    EXPECT_EQ(Focused(), "aEIN");
}

TEST_F(DiagnosticsTest, TheViewMenuAndTheCloseButtonHideThePanelAndTheChoiceIsKept) {
    Show();
    OpenExampleWith([](Franchise& d) { d.Record.Set(fld::FEIN, ""); });
    QAction* toggle = Action("ViewDiagnostics");
    ASSERT_TRUE(toggle->isChecked());
    EXPECT_TRUE(PanelShown());

    toggle->trigger();
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(settings.ReadString("ShowDiagnostics"), "0");
    // Hidden by the user, it stays hidden through the cycles; the status bar still counts.
    Type("e200Name", "Acme Two");
    Key(Qt::Key_Tab);
    EXPECT_FALSE(PanelShown());
    EXPECT_EQ(Count(), "1 error");

    toggle->trigger();
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(settings.ReadString("ShowDiagnostics"), "1");

    // The panel's own close button is the menu item turned off.
    Panel()->close();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ(settings.ReadString("ShowDiagnostics"), "0");

    // The next window starts as the user left it.
    Action("FileNew1")->trigger();
    w.reset();
    Show();
    EXPECT_FALSE(Action("ViewDiagnostics")->isChecked());
    Action("FileNew1")->trigger();
    EXPECT_FALSE(Codes().empty());
    EXPECT_FALSE(PanelShown());
}

TEST_F(DiagnosticsTest, TurnedOnWithNothingToListThePanelSaysSo) {
    Show(ExamplePath("acme.fti"));
    Action("ViewDiagnostics")->trigger(); // off
    Action("ViewDiagnostics")->trigger(); // on
    EXPECT_TRUE(PanelShown());
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    EXPECT_EQ(List()->topLevelItem(0)->text(1), "No errors or warnings");
    // A placeholder goes nowhere.
    DoubleClick(List()->topLevelItem(0));
    EXPECT_EQ(w->ActiveTab(), ui::PageTab::BalSheet);
    // The next refresh with nothing to list puts it away again.
    Type("e200Name", "Acme Two");
    Key(Qt::Key_Tab);
    EXPECT_FALSE(PanelShown());
}

TEST_F(DiagnosticsTest, ANewReturnListsWhatABlankReturnLacks) {
    Show(ExamplePath("acme.fti"));
    Action("FileNew1")->trigger();
    EXPECT_EQ(Codes(), (std::vector<std::string>{"fein", "due-date", "balance-sheet-date", "period", "officers"}));
    EXPECT_EQ(Count(), "4 errors, 1 warning");
    EXPECT_TRUE(PanelShown());
}

TEST_F(DiagnosticsTest, PrintingAReturnWithErrorsGoesOnAndTheStatusBarSaysSo) {
    Show();
    OpenExampleWith([](Franchise& d) { d.Record.Set(fld::DueDate, 0.0); });
    Action("FilePrint1")->trigger();
    EXPECT_EQ(prompts.Shown("url"), std::vector<std::string>{PathOf("fault.pdf")});
    EXPECT_EQ(w->statusBar()->currentMessage().toStdString(), "The printed return has 1 error; see Diagnostics");

    // Mended and printed again: the note goes.
    OpenFile(ExamplePath("acme.fti"));
    prompts.SaveFiles.push_back(PathOf("acme.fti"));
    Action("FileSaveAs1")->trigger();
    Action("FilePrint1")->trigger();
    EXPECT_EQ(prompts.Shown("url").size(), 2u);
    EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty());
}

} // namespace
} // namespace qv::test
