// The schedule list and edit dialogs, driven through the keyboard and the mouse as a user would.

#include "GenrList.h"
#include "ScheduleDialogs.h"
#include "ScheduleTableModel.h"
#include "ScriptedPrompts.h"
#include "UiTestSupport.h"
#include "uDataMod.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace qv;
using namespace qv::ui;
using namespace qv::test;

namespace {

struct ListFixture {
    Tdm dm;
    ScriptedPrompts prompts;
    std::unique_ptr<TfrmGenrList> list;

    explicit ListFixture(ScheduleList which) {
        list = CreateScheduleList(which, dm, prompts, RegionalSettings::UnitedStates(), nullptr);
    }
    QTableView* Grid() const { return Child<QTableView>(list.get(), "grdDB"); }
    void Show() {
        list->show();
        Activate(list.get());
        Grid()->setFocus();
    }
    void Key(Qt::Key key) { QTest::keyClick(Grid(), key); }
};

ScheduleTable& TableOf(Tdm& dm, ScheduleList which) {
    switch (which) {
    case ScheduleList::Subsidiaries:
        return dm.tblSubsidiaries;
    case ScheduleList::Affiliates:
        return dm.tblAffiliates;
    case ScheduleList::CurrDebt:
        return dm.tblCurrDebt;
    case ScheduleList::OthCurrAssets:
        return dm.tblOthCurrAssets;
    case ScheduleList::OthCurrInvest:
        return dm.tblOthInvest;
    }
    return dm.tblCurrDebt;
}

void AddRow(ScheduleTable& t, std::initializer_list<std::pair<const char*, const char*>> values) {
    t.Append();
    for (const auto& [column, text] : values)
        t.SetText(column, text);
    t.Post();
}

void Type(QWidget* dialog, const char* field, const QString& keys) {
    QLineEdit* edit = Child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

void Click(QWidget* dialog, const char* button) {
    QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
}

// ---- Captions, sizes, columns and fields ----

struct ShapeCase {
    const char* name;
    friend void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }
    ScheduleList list;
    const char* listCaption;
    QSize listSize;
    std::vector<QString> titles;
    std::vector<int> widths; // 0: not fixed
    const char* editCaption;
    QSize editSize;
    std::vector<QString> fields; // in tab order
};

class DialogShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(DialogShape, CaptionsSizesColumnsAndFields) {
    const ShapeCase& c = GetParam();
    ListFixture f(c.list);
    f.Show();
    EXPECT_EQ(f.list->windowTitle(), c.listCaption);
    EXPECT_EQ(f.list->size(), c.listSize);
    QTableView* grid = f.Grid();
    ASSERT_EQ(grid->model()->columnCount(), static_cast<int>(c.titles.size()));
    for (int i = 0; i < static_cast<int>(c.titles.size()); ++i) {
        EXPECT_EQ(grid->model()->headerData(i, Qt::Horizontal).toString(), c.titles[size_t(i)]);
        if (c.widths[size_t(i)] > 0) {
            EXPECT_EQ(grid->columnWidth(i), c.widths[size_t(i)]) << c.titles[size_t(i)].toStdString();
        }
    }
    EXPECT_FALSE(grid->verticalHeader()->isVisible());
    EXPECT_EQ(Child<QPushButton>(f.list.get(), "btnClose")->text(), "Close");
    EXPECT_EQ(Child<QPushButton>(f.list.get(), "btnAdd")->text(), "Add");
    EXPECT_EQ(Child<QPushButton>(f.list.get(), "btnEdit")->text(), "Edit");
    EXPECT_EQ(Child<QPushButton>(f.list.get(), "btnDrop")->text(), "Delete");
    QStringList menu;
    for (QAction* a : Child<QMenu>(f.list.get(), "pmuGrid")->actions())
        menu << a->text();
    EXPECT_EQ(menu, QStringList({"Add", "Edit", "Delete"}));

    std::vector<QString> order;
    QString caption;
    QSize size;
    OnNextModal([&](QWidget* edit) {
        caption = edit->windowTitle();
        size = edit->size();
        // Tab from the first field, which has the focus, through every field.
        for (size_t i = 0; i < c.fields.size(); ++i) {
            order.push_back(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        Click(edit, "btnCancel");
    });
    f.Key(Qt::Key_Insert);
    EXPECT_EQ(caption, c.editCaption);
    EXPECT_EQ(size, c.editSize);
    EXPECT_EQ(order, c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DialogShape,
    ::testing::Values(ShapeCase{"Subsidiaries",
                                ScheduleList::Subsidiaries,
                                "Subsidiaries",
                                {558, 314},
                                {"Name", "FEIN", "PctOwned", "Investment"},
                                {0, 0, 0, 0},
                                "Subsidiaries",
                                {463, 140},
                                {"eName", "eFEIN", "ePctOwned", "eInvestment"}},
                      ShapeCase{"Affiliates",
                                ScheduleList::Affiliates,
                                "Affiliates",
                                {558, 314},
                                {"Name", "FEIN", "HowRelated"},
                                {0, 0, 0},
                                "Affiliates",
                                {463, 140},
                                {"eName", "eFEIN", "eHowRelated"}},
                      ShapeCase{"CurrentDebt",
                                ScheduleList::CurrDebt,
                                "Shedule D: Current Debt List",
                                {750, 314},
                                {"Name", "Issue Date", "Maturity Date", "Original Amount", "Due w/i 3 yrs"},
                                {0, 100, 84, 97, 102},
                                "Shedule D: Current Debt",
                                {525, 187},
                                {"eName", "dtOrigDate", "dtMatDate", "eOriginalAmt", "eDue"}},
                      ShapeCase{"OtherCurrentAssets",
                                ScheduleList::OthCurrAssets,
                                "Other Current Assets",
                                {558, 314},
                                {"Description", "Total Everywhere", "Total Oklahoma"},
                                {0, 0, 0},
                                "Other Current Assets",
                                {499, 140},
                                {"eDesc", "eTtlEverywhere", "eTtlOkla"}},
                      ShapeCase{"OtherInvestments",
                                ScheduleList::OthCurrInvest,
                                "Other Current Investments",
                                {558, 314},
                                {"Description", "Total Everywhere", "Total Oklahoma"},
                                {0, 0, 0},
                                "Other Current Investments",
                                {499, 140},
                                {"eDesc", "eTtlEverywhere", "eTtlOkla"}}),
    ParamName<ShapeCase>);

// ---- Add: what is typed is stored on OK ----

struct AddCase {
    const char* name;
    friend void PrintTo(const AddCase& c, std::ostream* os) { *os << c.name; }
    ScheduleList list;
    std::vector<std::pair<const char*, QString>> typed;      // field, keys
    std::vector<std::pair<const char*, std::string>> stored; // column, AsText
    QString firstRowShown;                                   // grid text of the last column
};

class AddEntry : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddEntry, InsertTypeAndOkStoresTheRow) {
    const AddCase& c = GetParam();
    ListFixture f(c.list);
    f.Show();
    EXPECT_FALSE(Child<QPushButton>(f.list.get(), "btnEdit")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(f.list.get(), "btnDrop")->isEnabled());
    OnNextModal([&](QWidget* edit) {
        for (const auto& [field, keys] : c.typed)
            Type(edit, field, keys);
        Click(edit, "btnOK");
    });
    f.Key(Qt::Key_Insert);
    ScheduleTable& t = TableOf(f.dm, c.list);
    ASSERT_EQ(t.RecordCount(), 1u);
    EXPECT_EQ(t.GetState(), ScheduleTable::State::Browse);
    EXPECT_EQ(t.RowStatus(), 0);
    for (const auto& [column, text] : c.stored)
        EXPECT_EQ(t.AsText(column), text) << column;
    QAbstractItemModel* m = f.Grid()->model();
    EXPECT_EQ(m->rowCount(), 1);
    EXPECT_EQ(m->index(0, m->columnCount() - 1).data().toString(), c.firstRowShown);
    EXPECT_TRUE(Child<QPushButton>(f.list.get(), "btnEdit")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(f.list.get(), "btnDrop")->isEnabled());
    EXPECT_TRUE(f.prompts.Log.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lists, AddEntry,
    ::testing::Values(
        AddCase{
            "Subsidiary",
            ScheduleList::Subsidiaries,
            {{"eName", "Acme Sub"}, {"eFEIN", "731234567"}, {"ePctOwned", "51.5"}, {"eInvestment", "1500"}},
            {{"Name", "Acme Sub"}, {"FEIN", "73-1234567"}, {"PctOwned", "51.5"}, {"Investment", "1500"}},
            "$1,500.00"},
        AddCase{"AffiliateWithPartFein",
                ScheduleList::Affiliates,
                {{"eName", "Acme Aff"}, {"eFEIN", "7312"}, {"eHowRelated", "Common owner"}},
                {{"Name", "Acme Aff"}, {"FEIN", "73-12     "}, {"HowRelated", "Common owner"}},
                "Common owner"},
        AddCase{"CurrentDebt",
                ScheduleList::CurrDebt,
                {{"eName", "First Bank"},
                 {"dtOrigDate", "01/15/2009"},
                 {"dtMatDate", "01/15/2012"},
                 {"eOriginalAmt", "25000.50"},
                 {"eDue", "-10000"}},
                {{"Name", "First Bank"},
                 {"IssueDate", "01/15/2009"},
                 {"MaturityDate", "01/15/2012"},
                 {"OriginalAmount", "25000.5"},
                 {"DueWI3Yrs", "-10000"}},
                "($10,000.00)"},
        AddCase{"OtherCurrentAsset",
                ScheduleList::OthCurrAssets,
                {{"eDesc", "Prepaid"}, {"eTtlEverywhere", "100.10"}, {"eTtlOkla", "50.05"}},
                {{"Description", "Prepaid"}, {"TotalEverywhere", "100.1"}, {"TotalOklahoma", "50.05"}},
                "$50.05"},
        AddCase{"OtherInvestmentTextCutToSize",
                ScheduleList::OthCurrInvest,
                {{"eDesc", "Bonds of the State of Oklahoma 2009"}, {"eTtlEverywhere", "200"}},
                {{"Description", "Bonds of the State of Oklahoma"},
                 {"TotalEverywhere", "200"},
                 {"TotalOklahoma", ""}},
                ""}),
    ParamName<AddCase>);

// ---- The closing rule ----

TEST(EditDialog, AddThenOkWithoutATypedCharacterAddsNoRow) {
    ListFixture f(ScheduleList::OthCurrAssets);
    f.Show();
    OnNextModal([](QWidget* edit) { Click(edit, "btnOK"); });
    f.Key(Qt::Key_Insert);
    EXPECT_EQ(f.dm.tblOthCurrAssets.RecordCount(), 0u);
    EXPECT_EQ(f.dm.tblOthCurrAssets.GetState(), ScheduleTable::State::Browse);
    EXPECT_FALSE(Child<QPushButton>(f.list.get(), "btnEdit")->isEnabled());
}

TEST(EditDialog, EditThenOkWithoutAChangeStoresNothing) {
    ListFixture f(ScheduleList::OthCurrAssets);
    AddRow(f.dm.tblOthCurrAssets, {{"Description", "Prepaid"}, {"TotalEverywhere", "1.2345"}});
    f.Show();
    QString shown;
    OnNextModal([&](QWidget* edit) {
        shown = Child<QLineEdit>(edit, "eTtlEverywhere")->text();
        Click(edit, "btnOK");
    });
    f.Key(Qt::Key_Return);
    EXPECT_EQ(shown, "1.23");
    // Not stored again: the status stays "appended" and the four decimals stay.
    EXPECT_EQ(f.dm.tblOthCurrAssets.RowStatus(), 0);
    EXPECT_EQ(f.dm.tblOthCurrAssets.AsText("TotalEverywhere"), "1.2345");
}

struct CancelCase {
    const char* name;
    friend void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.name; }
    std::function<void(QWidget*)> close;
};

class CancelAfterEditing : public ::testing::TestWithParam<CancelCase> {};

TEST_P(CancelAfterEditing, KeepsTheOldValues) {
    ListFixture f(ScheduleList::OthCurrAssets);
    AddRow(f.dm.tblOthCurrAssets, {{"Description", "Prepaid"}, {"TotalEverywhere", "1500"}});
    f.Show();
    bool stillOpenAfterEscape = false;
    OnNextModal([&](QWidget* edit) {
        Type(edit, "eDesc", "Changed");
        Type(edit, "eTtlEverywhere", "99");
        QTest::keyClick(Child<QLineEdit>(edit, "eTtlEverywhere"), Qt::Key_Escape);
        QTest::keyClick(Child<QLineEdit>(edit, "eTtlEverywhere"), Qt::Key_Return);
        stillOpenAfterEscape = edit->isVisible();
        GetParam().close(edit);
    });
    f.Key(Qt::Key_Return);
    EXPECT_TRUE(stillOpenAfterEscape) << "Escape and Enter do not close an edit dialog";
    ScheduleTable& t = f.dm.tblOthCurrAssets;
    EXPECT_EQ(t.GetState(), ScheduleTable::State::Browse);
    EXPECT_EQ(t.AsText("Description"), "Prepaid");
    EXPECT_EQ(t.AsText("TotalEverywhere"), "1500");
    EXPECT_EQ(t.RowStatus(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelAfterEditing,
                         ::testing::Values(CancelCase{"CancelButton",
                                                      [](QWidget* e) { Click(e, "btnCancel"); }},
                                           CancelCase{"CloseBox", [](QWidget* e) { e->close(); }}),
                         ParamName<CancelCase>);

TEST(EditDialog, ChangingOnlyTheIssueDateStoresIt) {
    ListFixture f(ScheduleList::CurrDebt);
    AddRow(f.dm.tblCurrDebt, {{"Name", "First Bank"},
                              {"IssueDate", "01/15/2009"},
                              {"MaturityDate", "01/15/2012"},
                              {"OriginalAmount", "25000"},
                              {"DueWI3Yrs", "1000"}});
    f.Show();
    OnNextModal([](QWidget* edit) {
        Type(edit, "dtOrigDate", "02/01/2009");
        Click(edit, "btnOK");
    });
    f.Key(Qt::Key_Return);
    ScheduleTable& t = f.dm.tblCurrDebt;
    EXPECT_EQ(t.AsText("IssueDate"), "02/01/2009");
    EXPECT_EQ(t.AsText("MaturityDate"), "01/15/2012");
    EXPECT_EQ(t.AsText("OriginalAmount"), "25000");
    EXPECT_EQ(t.RowStatus(), 1);
}

TEST(EditDialog, ARefusedAmountShowsTheTableMessageAndKeepsTheFocus) {
    ListFixture f(ScheduleList::Subsidiaries);
    f.Show();
    bool focusKept = false, openAfterOk = false;
    OnNextModal([&](QWidget* edit) {
        Type(edit, "eName", "Acme");
        Type(edit, "eInvestment", "12x");
        QLineEdit* amount = Child<QLineEdit>(edit, "eInvestment");
        QTest::keyClick(amount, Qt::Key_Backtab);
        focusKept = QApplication::focusWidget() == amount;
        Click(edit, "btnOK");
        openAfterOk = edit->isVisible();
        Type(edit, "eInvestment", "12");
        Click(edit, "btnOK");
    });
    f.Key(Qt::Key_Insert);
    EXPECT_TRUE(focusKept);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(f.prompts.Shown("error"),
              (std::vector<std::string>{"'12x' is not a valid floating point value",
                                        "'12x' is not a valid floating point value"}));
    ASSERT_EQ(f.dm.tblSubsidiaries.RecordCount(), 1u);
    EXPECT_EQ(f.dm.tblSubsidiaries.AsText("Investment"), "12");
}

TEST(EditDialog, CancelWithARefusedAmountClosesWithoutAMessage) {
    ListFixture f(ScheduleList::Subsidiaries);
    f.Show();
    OnNextModal([&](QWidget* edit) {
        Type(edit, "ePctOwned", "half");
        Click(edit, "btnCancel");
    });
    f.Key(Qt::Key_Insert);
    EXPECT_TRUE(f.prompts.Log.empty());
    EXPECT_EQ(f.dm.tblSubsidiaries.RecordCount(), 0u);
}

// ---- Keys, mouse and delete in the list ----

TEST(ListDialog, EnterDeleteAndDoubleClickDoNothingOnAnEmptyList) {
    ListFixture f(ScheduleList::Affiliates);
    f.Show();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Delete}) {
        NoModalExpected watch;
        f.Key(key);
        QApplication::processEvents();
        EXPECT_FALSE(watch.Opened);
    }
    NoModalExpected watch;
    QTest::mouseDClick(f.Grid()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QApplication::processEvents();
    EXPECT_FALSE(watch.Opened);
    EXPECT_TRUE(f.prompts.Log.empty());
    EXPECT_TRUE(f.list->isVisible());
}

struct DeleteCase {
    const char* name;
    friend void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }
    Notices::Answer answer;
    std::vector<std::string> remaining;
};

class DeleteInList : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteInList, AsksFirstAndYesRemovesTheSelectedRow) {
    ListFixture f(ScheduleList::Affiliates);
    for (const char* name : {"A", "B", "C"})
        AddRow(f.dm.tblAffiliates, {{"Name", name}});
    f.Show();
    QTest::keyClick(f.Grid(), Qt::Key_Home, Qt::ControlModifier);
    f.Key(Qt::Key_Down);
    f.prompts.Answers.push_back(GetParam().answer);
    f.Key(Qt::Key_Delete);
    EXPECT_EQ(f.prompts.Shown("question"),
              std::vector<std::string>{"Are you sure you want to delete the current record?"});
    std::vector<std::string> names;
    for (size_t r = 0; r < f.dm.tblAffiliates.RecordCount(); ++r)
        names.emplace_back(f.dm.tblAffiliates.TextAt(r, 0));
    EXPECT_EQ(names, GetParam().remaining);
    EXPECT_EQ(f.Grid()->model()->rowCount(), static_cast<int>(names.size()));
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteInList,
                         ::testing::Values(DeleteCase{"Yes", Notices::Answer::Yes, {"A", "C"}},
                                           DeleteCase{"No", Notices::Answer::No, {"A", "B", "C"}}),
                         ParamName<DeleteCase>);

TEST(ListDialog, DeletingTheLastRowDisablesEditAndDelete) {
    ListFixture f(ScheduleList::Affiliates);
    AddRow(f.dm.tblAffiliates, {{"Name", "A"}});
    f.Show();
    f.prompts.Answers.push_back(Notices::Answer::Yes);
    QTest::mouseClick(Child<QPushButton>(f.list.get(), "btnDrop"), Qt::LeftButton);
    EXPECT_TRUE(f.dm.tblAffiliates.IsEmpty());
    EXPECT_FALSE(Child<QPushButton>(f.list.get(), "btnEdit")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(f.list.get(), "btnDrop")->isEnabled());
    EXPECT_TRUE(Child<QPushButton>(f.list.get(), "btnDrop")->isVisible());
}

TEST(ListDialog, DoubleClickEditsTheRowClicked) {
    ListFixture f(ScheduleList::Affiliates);
    for (const char* name : {"A", "B"})
        AddRow(f.dm.tblAffiliates, {{"Name", name}});
    f.Show();
    QString shown;
    OnNextModal([&](QWidget* edit) {
        shown = Child<QLineEdit>(edit, "eName")->text();
        Click(edit, "btnCancel");
    });
    const QRect row0 = f.Grid()->visualRect(f.Grid()->model()->index(0, 0));
    QTest::mouseClick(f.Grid()->viewport(), Qt::LeftButton, {}, row0.center());
    QTest::mouseDClick(f.Grid()->viewport(), Qt::LeftButton, {}, row0.center());
    EXPECT_EQ(shown, "A");
}

TEST(ListDialog, EscapeAndCloseCloseTheList) {
    for (bool escape : {true, false}) {
        ListFixture f(ScheduleList::OthCurrInvest);
        f.Show();
        if (escape)
            f.Key(Qt::Key_Escape);
        else
            QTest::mouseClick(Child<QPushButton>(f.list.get(), "btnClose"), Qt::LeftButton);
        EXPECT_FALSE(f.list->isVisible()) << (escape ? "Escape" : "Close");
        EXPECT_EQ(f.list->result(), QDialog::Rejected);
    }
}

TEST(ListDialog, TheButtonsAreNoTabStops) {
    ListFixture f(ScheduleList::OthCurrInvest);
    for (const char* b : {"btnClose", "btnAdd", "btnEdit", "btnDrop"})
        EXPECT_EQ(Child<QPushButton>(f.list.get(), b)->focusPolicy(), Qt::NoFocus) << b;
}

// ---- The grid's model ----

TEST(ScheduleTableModel, ShowsValuesInTheirFormats) {
    Tdm dm;
    AddRow(dm.tblSubsidiaries,
           {{"Name", "Caf\xE9"}, {"FEIN", "73-1234567"}, {"PctOwned", "51.25"}, {"Investment", "-1234.5"}});
    AddRow(dm.tblSubsidiaries, {{"Name", "Empty"}});
    ScheduleTableModel m(dm.tblSubsidiaries, {{"Name"}, {"FEIN"}, {"PctOwned"}, {"Investment"}},
                         RegionalSettings::UnitedStates());
    struct Case {
        int row, column;
        QString shown;
    };
    for (const Case& c : {Case{0, 0, QString::fromUtf8("Café")}, Case{0, 1, "73-1234567"},
                          Case{0, 2, "51.2500"}, Case{0, 3, "($1,234.50)"}, Case{1, 2, ""}, Case{1, 3, ""}})
        EXPECT_EQ(m.index(c.row, c.column).data().toString(), c.shown) << c.row << "," << c.column;
    EXPECT_TRUE(m.index(0, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_TRUE(m.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft);

    // Columns rebuilt by a load have no display format: the percentage shows unformatted.
    ScheduleTable loaded("tblSubsidiaries", {{"PctOwned", ColumnType::Float, 0, "", ""}});
    AddRow(loaded, {{"PctOwned", "51.25"}});
    ScheduleTableModel plain(loaded, {{"PctOwned"}}, RegionalSettings::UnitedStates());
    EXPECT_EQ(plain.index(0, 0).data().toString(), "51.25");
}

TEST(ScheduleTableModel, FollowsTheTable) {
    Tdm dm;
    ScheduleTableModel m(dm.tblOthInvest, {{"Description"}}, RegionalSettings::UnitedStates());
    EXPECT_EQ(m.rowCount(), 0);
    AddRow(dm.tblOthInvest, {{"Description", "Bonds"}});
    EXPECT_EQ(m.rowCount(), 1);
    dm.tblOthInvest.Edit();
    dm.tblOthInvest.SetText("Description", "Notes");
    dm.tblOthInvest.Post();
    EXPECT_EQ(m.index(0, 0).data().toString(), "Notes");
    dm.tblOthInvest.Empty();
    EXPECT_EQ(m.rowCount(), 0);
}

} // namespace
