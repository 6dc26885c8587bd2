// The print selection dialog: its boxes, buttons and order, what it remembers and what Print does.

#include "ScriptedPrompts.h"
#include "Settings.h"
#include "UiTestSupport.h"
#include "fPrintSelection.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

using namespace qv;
using namespace qv::ui;
using namespace qv::test;

namespace {

constexpr const char* kBoxes[] = {"cbForm200", "cbBS", "cbSchedBCD", "cbSchedA", "cbMinMax", "cbRTC"};
constexpr const char* kSettings[] = {"PrintForm200", "PrintBalanceSheet", "PrintSchedBCD",
                                     "PrintSchedA",  "PrintMinMax",       "PrintRTC"};

struct Fixture {
    MemorySettings settings;
    ScriptedPrompts prompts;
    std::vector<FormSelection> runs;
    std::optional<std::string> written = "/returns/acme.pdf";
    Qt::CursorShape cursorDuringRun = Qt::ArrowCursor;
    std::unique_ptr<TfrmPrintSelection> dialog;

    void Open() {
        dialog = std::make_unique<TfrmPrintSelection>(settings, prompts, [this](const FormSelection& s) {
            runs.push_back(s);
            if (const QCursor* c = QApplication::overrideCursor())
                cursorDuringRun = c->shape();
            return written;
        });
        dialog->show();
        Activate(dialog.get());
    }
    QCheckBox* Box(const char* name) const { return Child<QCheckBox>(dialog.get(), name); }
    // A click on the box itself (the check box widget may be wider than its box and caption).
    void ClickBox(const char* name) {
        QTest::mouseClick(Box(name), Qt::LeftButton, {}, QPoint(6, Box(name)->height() / 2));
    }
    void ClickButton(const char* name) {
        QTest::mouseClick(Child<QPushButton>(dialog.get(), name), Qt::LeftButton);
    }
    std::vector<std::string> Stored() const {
        std::vector<std::string> out;
        for (const char* s : kSettings)
            out.push_back(settings.ReadString(s).value_or("absent"));
        return out;
    }
    std::vector<bool> Shown() const {
        std::vector<bool> out;
        for (const char* b : kBoxes)
            out.push_back(Box(b)->isChecked());
        return out;
    }
};

TEST(PrintSelection, CaptionsLayoutAndTabOrder) {
    Fixture f;
    f.Open();
    EXPECT_EQ(f.dialog->windowTitle(), "Print Selection");
    EXPECT_EQ(f.dialog->size(), QSize(398, 188));
    EXPECT_EQ(Child<QGroupBox>(f.dialog.get(), "gbForms")->title(), "Select forms to print");
    const char* captions[] = {"Form 200",   "Balance Sheet", "Schedule BCD",
                              "Schedule A", "Min Max Form",  "Request to Change Period (200F)"};
    for (size_t i = 0; i < std::size(kBoxes); ++i)
        EXPECT_EQ(f.Box(kBoxes[i])->text(), captions[i]);
    // Left column from the top, then the right column.
    for (const char* below : {"cbBS", "cbSchedBCD", "cbSchedA"})
        EXPECT_EQ(f.Box(below)->x(), f.Box("cbForm200")->x()) << below;
    EXPECT_LT(f.Box("cbForm200")->y(), f.Box("cbBS")->y());
    EXPECT_LT(f.Box("cbBS")->y(), f.Box("cbSchedBCD")->y());
    EXPECT_LT(f.Box("cbSchedBCD")->y(), f.Box("cbSchedA")->y());
    EXPECT_GT(f.Box("cbMinMax")->x(), f.Box("cbForm200")->x());
    EXPECT_EQ(f.Box("cbMinMax")->y(), f.Box("cbForm200")->y());
    EXPECT_EQ(f.Box("cbRTC")->y(), f.Box("cbBS")->y());

    const std::pair<const char*, const char*> buttons[] = {{"btnCheckAll", "Check &All"},
                                                           {"btnUncheckAll", "&Uncheck All"},
                                                           {"btnPrint", "&Print"},
                                                           {"btnCancel", "&Cancel"}};
    int x = -1;
    for (const auto& [name, caption] : buttons) {
        QPushButton* b = Child<QPushButton>(f.dialog.get(), name);
        EXPECT_EQ(b->text(), caption);
        EXPECT_GT(b->x(), x) << name;
        x = b->x();
    }
    EXPECT_EQ(Child<QPushButton>(f.dialog.get(), "btnCheckAll")->toolTip(), "Select all forms to print");
    EXPECT_EQ(Child<QPushButton>(f.dialog.get(), "btnUncheckAll")->toolTip(), "Deselect all forms to print");

    std::vector<QString> order;
    for (int i = 0; i < 11; ++i) {
        order.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order,
              (std::vector<QString>{"cbForm200", "cbBS", "cbSchedBCD", "cbSchedA", "cbMinMax", "cbRTC",
                                    "btnPrint", "btnCancel", "btnCheckAll", "btnUncheckAll", "cbForm200"}));
}

TEST(PrintSelection, FirstUseChecksEveryForm) {
    Fixture f;
    f.Open();
    EXPECT_EQ(f.Shown(), std::vector<bool>(6, true));
}

struct CloseCase {
    const char* name;
    std::function<void(Fixture&)> close;
    friend void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }
};

class PrintSelectionClosed : public ::testing::TestWithParam<CloseCase> {};

TEST_P(PrintSelectionClosed, RemembersTheBoxesAsClosed) {
    Fixture f;
    f.Open();
    f.ClickBox("cbBS");
    f.Box("cbSchedA")->setFocus();
    QTest::keyClick(f.Box("cbSchedA"), Qt::Key_Space);
    GetParam().close(f);
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_TRUE(f.runs.empty());
    EXPECT_EQ(f.Stored(), (std::vector<std::string>{"1", "0", "1", "0", "1", "1"}));
    f.Open();
    EXPECT_EQ(f.Shown(), (std::vector<bool>{true, false, true, false, true, true}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PrintSelectionClosed,
    ::testing::Values(CloseCase{"CancelButton", [](Fixture& f) { f.ClickButton("btnCancel"); }},
                      CloseCase{"Escape",
                                [](Fixture& f) { QTest::keyClick(f.dialog.get(), Qt::Key_Escape); }},
                      CloseCase{"CloseBox", [](Fixture& f) { f.dialog->close(); }}),
    ParamName<CloseCase>);

TEST(PrintSelection, UncheckAllAndPrintSaysNothingToPrintAndRemembers) {
    Fixture f;
    f.Open();
    f.ClickButton("btnUncheckAll");
    EXPECT_EQ(f.Shown(), std::vector<bool>(6, false));
    f.ClickButton("btnPrint");
    EXPECT_EQ(f.prompts.Log, std::vector<std::string>{"error: Nothing to print!"});
    EXPECT_TRUE(f.runs.empty());
    EXPECT_FALSE(f.dialog->isVisible());
    EXPECT_EQ(f.Stored(), std::vector<std::string>(6, "0"));
    f.Open();
    f.ClickButton("btnCheckAll");
    EXPECT_EQ(f.Shown(), std::vector<bool>(6, true));
}

struct BoxCase {
    const char* name;
    size_t box; // index in kBoxes
    bool FormSelection::*form;
    friend void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }
};

class PrintSelectionBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(PrintSelectionBox, PrintRunsTheFormsCheckedAndOpensThePdf) {
    const BoxCase& c = GetParam();
    Fixture f;
    f.Open();
    f.ClickBox(kBoxes[c.box]);
    f.ClickButton("btnPrint");
    ASSERT_EQ(f.runs.size(), 1u);
    FormSelection expected;
    expected.*c.form = false;
    const FormSelection& run = f.runs[0];
    EXPECT_EQ(std::vector<bool>(
                  {run.Form200, run.BalanceSheet, run.SchedBCD, run.SchedA, run.MinMax, run.Form200F}),
              std::vector<bool>({expected.Form200, expected.BalanceSheet, expected.SchedBCD, expected.SchedA,
                                 expected.MinMax, expected.Form200F}));
    EXPECT_EQ(f.cursorDuringRun, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(f.prompts.Log, std::vector<std::string>{"url: /returns/acme.pdf"});
    EXPECT_EQ(f.dialog->result(), QDialog::Accepted);
    std::vector<std::string> stored(6, "1");
    stored[c.box] = "0";
    EXPECT_EQ(f.Stored(), stored);
    EXPECT_EQ(f.settings.ReadString(kSettings[c.box]), "0");
}

INSTANTIATE_TEST_SUITE_P(Boxes, PrintSelectionBox,
                         ::testing::Values(BoxCase{"Form200", 0, &FormSelection::Form200},
                                           BoxCase{"BalanceSheet", 1, &FormSelection::BalanceSheet},
                                           BoxCase{"ScheduleBCD", 2, &FormSelection::SchedBCD},
                                           BoxCase{"ScheduleA", 3, &FormSelection::SchedA},
                                           BoxCase{"MinMax", 4, &FormSelection::MinMax},
                                           BoxCase{"Form200F", 5, &FormSelection::Form200F}),
                         ParamName<BoxCase>);

TEST(PrintSelection, APdfNotWrittenIsNotOpened) {
    Fixture f;
    f.written = std::nullopt;
    f.Open();
    f.ClickButton("btnPrint");
    EXPECT_EQ(f.runs.size(), 1u);
    EXPECT_TRUE(f.prompts.Shown("url").empty());
    EXPECT_FALSE(f.dialog->isVisible());
}

TEST(PrintSelection, AStoredNoIsShownUnchecked) {
    Fixture f;
    f.settings.WriteString("PrintMinMax", "0");
    f.settings.WriteString("PrintRTC", "yes"); // not a number: the default
    f.Open();
    EXPECT_EQ(f.Shown(), (std::vector<bool>{true, true, true, true, false, true}));
}

} // namespace
