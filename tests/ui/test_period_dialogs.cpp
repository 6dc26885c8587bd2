// The reporting period dialog and the interest dialog, driven from the keyboard.

#include "DateEdit.h"
#include "ScriptedPrompts.h"
#include "UiTestSupport.h"
#include "fPostmark.h"
#include "fRptPeriod.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace qv;
using namespace qv::ui;
using namespace qv::test;

namespace {

// Opens a list, moves to an item and takes it with Enter.
void Choose(QComboBox* list, const char* item) {
    list->setFocus();
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(list->findText(item), 0));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_EQ(list->currentText(), item) << list->objectName().toStdString();
}

// Types a date into a date field, replacing what it shows.
void TypeDate(DateEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// ---- Reporting period ----

struct PeriodCase {
    const char* name;
    QString startText;
    std::vector<std::pair<const char*, const char*>> choices; // list, item
    // What the four lists show after the choices: begin month, begin year, end month, end year.
    std::array<QString, 4> shown;
    bool accepted;
    QString text; // the control's text afterwards
    friend void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.name; }
};

class ReportingPeriodDialog : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(ReportingPeriodDialog, ChoicesFollowTheRulesAndOkWritesTheText) {
    const PeriodCase& c = GetParam();
    ScriptedPrompts prompts;
    QString text = c.startText;
    std::array<QString, 4> shown;
    OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Reporting Period");
        for (const auto& [list, item] : c.choices)
            Choose(Child<QComboBox>(dialog, list), item);
        int i = 0;
        for (const char* list : {"rpBegin", "rpBeginYear", "rpEnd", "rpEndYear"})
            shown[size_t(i++)] = Child<QComboBox>(dialog, list)->currentText();
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    const bool accepted = EditReportingPeriod(text, prompts, nullptr);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(accepted, c.accepted);
    EXPECT_EQ(text, c.text);
    if (c.accepted) {
        EXPECT_TRUE(prompts.Log.empty());
    } else {
        EXPECT_EQ(prompts.Shown("error"),
                  std::vector<std::string>{"Beginning Year cannot be larger than Ending year!"});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportingPeriodDialog,
    ::testing::Values(PeriodCase{"July2009EndsJune2010",
                                 "",
                                 {{"rpBegin", "07"}, {"rpBeginYear", "2009"}},
                                 {"07", "2009", "06", "2010"},
                                 true,
                                 "07/2009 to 06/2010"},
                      PeriodCase{"JanuaryIsTheCalendarYear",
                                 "",
                                 {{"rpBegin", "01"}},
                                 {"01", "2009", "12", "2009"},
                                 true,
                                 "01/2009 to 12/2009"},
                      PeriodCase{"NewestBeginningYearKeepsTheEndingYear",
                                 "",
                                 {{"rpBegin", "03"}, {"rpBeginYear", "2010"}},
                                 {"03", "2010", "02", "2010"},
                                 true,
                                 "03/2010 to 02/2010"},
                      PeriodCase{"OldestEndingYearBeginsInItself",
                                 "",
                                 {{"rpEnd", "06"}, {"rpEndYear", "2001"}},
                                 {"07", "2001", "06", "2001"},
                                 true,
                                 "07/2001 to 06/2001"},
                      PeriodCase{"DecemberEndBeginsInJanuary",
                                 "",
                                 {{"rpEndYear", "2008"}, {"rpEnd", "12"}},
                                 {"01", "2008", "12", "2008"},
                                 true,
                                 "01/2008 to 12/2008"},
                      PeriodCase{"ReopenedTextKeepsOnlyItsMonth",
                                 "07/2005 to 06/2006",
                                 {},
                                 {"07", "2009", "06", "2010"},
                                 true,
                                 "07/2009 to 06/2010"},
                      PeriodCase{"NoMonthChosen", "", {}, {"", "2009", "", "2010"}, true, "/2009 to /2010"},
                      PeriodCase{"MonthOutsideTheYearSelectsNone",
                                 "13/2009",
                                 {},
                                 {"", "2009", "", "2010"},
                                 true,
                                 "/2009 to /2010"},
                      PeriodCase{"BeginningYearAfterEndingYearIsRefused",
                                 "03/2009 to 02/2010",
                                 {{"rpEnd", "02"}, {"rpEndYear", "2005"}, {"rpBeginYear", "2010"}},
                                 {"03", "2010", "02", "2005"},
                                 false,
                                 "03/2009 to 02/2010"}),
    ParamName<PeriodCase>);

TEST(ReportingPeriodDialog, TheYearListsAreFixedNewestFirst) {
    ScriptedPrompts prompts;
    TfrmRptPeriod dialog("", prompts);
    for (QComboBox* list : {dialog.rpBeginYear, dialog.rpEndYear}) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        EXPECT_EQ(items, QStringList({"2010", "2009", "2008", "2007", "2006", "2005", "2004", "2003", "2002",
                                      "2001"}));
    }
    EXPECT_EQ(dialog.rpBegin->count(), 12);
    EXPECT_EQ(dialog.rpBegin->currentIndex(), -1);
}

TEST(ReportingPeriodDialog, CancelLeavesTheText) {
    ScriptedPrompts prompts;
    QString text = "07/2009 to 06/2010";
    OnNextModal([](QWidget* dialog) {
        Choose(Child<QComboBox>(dialog, "rpBegin"), "03");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(EditReportingPeriod(text, prompts, nullptr));
    EXPECT_EQ(text, "07/2009 to 06/2010");
}

TEST(ReportingPeriodDialog, ATextNotStartingWithANumberIsReportedAndOpensNothing) {
    ScriptedPrompts prompts;
    QString text = "x/2009 to 06/2010";
    bool opened = false;
    QTimer::singleShot(0, qApp, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            opened = true;
            w->close();
        }
    });
    EXPECT_FALSE(EditReportingPeriod(text, prompts, nullptr));
    QApplication::processEvents();
    EXPECT_FALSE(opened);
    EXPECT_EQ(prompts.Shown("error"), std::vector<std::string>{"'x/' is not a valid integer value"});
    EXPECT_EQ(text, "x/2009 to 06/2010");
}

// ---- Interest ----

struct MonthsCase {
    const char* name;
    const char* due;
    const char* postmark;
    int months;
    friend void PrintTo(const MonthsCase& c, std::ostream* os) { *os << c.name; }
};

class InterestDialogMonths : public ::testing::TestWithParam<MonthsCase> {};

TEST_P(InterestDialogMonths, FollowTheTypedDatesAndOkTakesThem) {
    const MonthsCase& c = GetParam();
    InterestDates dates{EncodeDate(2000, 1, 1), EncodeDate(2000, 1, 1), 7};
    int shown = 0;
    OnNextModal([&](QWidget* dialog) {
        TypeDate(Child<DateEdit>(dialog, "eDueDate"), c.due);
        TypeDate(Child<DateEdit>(dialog, "ePostMark"), c.postmark);
        shown = Child<QSpinBox>(dialog, "eMonths")->value();
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    EXPECT_TRUE(EditInterest(dates, RegionalSettings::UnitedStates(), nullptr));
    EXPECT_EQ(shown, c.months);
    EXPECT_EQ(dates.Months, c.months);
    const QDate due = QDate::fromString(c.due, "M/d/yyyy");
    const QDate postmark = QDate::fromString(c.postmark, "M/d/yyyy");
    EXPECT_EQ(dates.DueDate, EncodeDate(due.year(), due.month(), due.day()));
    EXPECT_EQ(dates.Postmark, EncodeDate(postmark.year(), postmark.month(), postmark.day()));
}

INSTANTIATE_TEST_SUITE_P(Cases, InterestDialogMonths,
                         ::testing::Values(MonthsCase{"SameMonth", "4/15/2009", "4/30/2009", 0},
                                           MonthsCase{"DayBeforeTheMonthIsFull", "4/15/2009", "5/14/2009", 0},
                                           MonthsCase{"OneFullMonth", "4/15/2009", "5/15/2009", 1},
                                           MonthsCase{"ThreeMonths", "4/15/2009", "7/31/2009", 3},
                                           MonthsCase{"AYear", "4/15/2009", "4/15/2010", 12},
                                           MonthsCase{"EarlyInThePreviousMonth", "4/15/2009", "3/20/2009", 0},
                                           MonthsCase{"AMonthEarly", "4/15/2009", "3/10/2009", -1},
                                           MonthsCase{"ThreeMonthsEarly", "4/15/2009", "1/15/2009", -3},
                                           MonthsCase{"EndOfAShortMonth", "1/31/2009", "2/28/2009", 0},
                                           MonthsCase{"AfterTheShortMonth", "1/31/2009", "3/1/2009", 1},
                                           MonthsCase{"BeyondAHundredMonths", "4/15/2009", "4/15/2020", 100},
                                           MonthsCase{"BeyondAYearEarly", "4/15/2009", "1/15/2007", -12}),
                         ParamName<MonthsCase>);

TEST(InterestDialog, StartsFromTheReturnsDatesAndTheirMonths) {
    TfrmPostmark dialog(InterestDates{EncodeDate(2009, 4, 15), EncodeDate(2009, 7, 31), 0},
                        RegionalSettings::UnitedStates());
    EXPECT_EQ(dialog.windowTitle(), "Interest Calculation");
    EXPECT_EQ(dialog.eDueDate->text(), "4/15/2009");
    EXPECT_EQ(dialog.ePostMark->text(), "7/31/2009");
    EXPECT_EQ(dialog.eMonths->value(), 3);
    TfrmPostmark empty(InterestDates{}, RegionalSettings::UnitedStates());
    EXPECT_EQ(empty.eDueDate->text().trimmed(), "");
    EXPECT_EQ(empty.Dates().DueDate, 0);
}

TEST(InterestDialog, AHandSetMonthCountIsKept) {
    InterestDates dates{EncodeDate(2009, 4, 15), EncodeDate(2009, 7, 31), 0};
    OnNextModal([](QWidget* dialog) {
        QSpinBox* months = Child<QSpinBox>(dialog, "eMonths");
        months->setFocus();
        months->selectAll();
        QTest::keyClicks(months, "5");
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    EXPECT_TRUE(EditInterest(dates, RegionalSettings::UnitedStates(), nullptr));
    EXPECT_EQ(dates.Months, 5);
    EXPECT_EQ(dates.Postmark, EncodeDate(2009, 7, 31));
}

TEST(InterestDialog, CancelChangesNothing) {
    const InterestDates before{EncodeDate(2009, 4, 15), EncodeDate(2009, 4, 20), 0};
    InterestDates dates = before;
    OnNextModal([](QWidget* dialog) {
        TypeDate(Child<DateEdit>(dialog, "eDueDate"), "1/15/2009");
        TypeDate(Child<DateEdit>(dialog, "ePostMark"), "7/31/2009");
        QTest::mouseClick(Child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    EXPECT_FALSE(EditInterest(dates, RegionalSettings::UnitedStates(), nullptr));
    EXPECT_EQ(dates.DueDate, before.DueDate);
    EXPECT_EQ(dates.Postmark, before.Postmark);
    EXPECT_EQ(dates.Months, before.Months);
}

} // namespace
