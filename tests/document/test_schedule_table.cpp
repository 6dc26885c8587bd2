#include "Error.h"
#include "uDataMod.h"

#include <gtest/gtest.h>

using namespace qv;

namespace {

void AddDebt(ScheduleTable& t, const char* name, const char* due) {
    t.Append();
    t.SetText("Name", name);
    t.SetText("DueWI3Yrs", due);
    t.Post();
}

std::vector<std::string> Names(ScheduleTable& t) {
    std::vector<std::string> names;
    for (t.First(); !t.Eof(); t.Next())
        names.push_back(t.AsText("Name"));
    return names;
}

} // namespace

TEST(ScheduleTable, WalkReadsRowsInTheOrderAppended) {
    Tdm dm;
    ScheduleTable& t = dm.tblCurrDebt;
    EXPECT_TRUE(t.Eof());
    t.First();
    EXPECT_TRUE(t.Eof()) << "an empty table is at its end at once";
    AddDebt(t, "A", "100");
    AddDebt(t, "B", "");
    AddDebt(t, "C", "0.5");
    EXPECT_EQ(Names(t), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecNo(), 2u) << "past the end the cursor stays on the last row";

    Money sum;
    for (t.First(); !t.Eof(); t.Next())
        sum += t.AsMoney("DueWI3Yrs");
    EXPECT_EQ(sum.Units(), 1005000);
    t.MoveTo(1);
    EXPECT_TRUE(t.IsNull("DueWI3Yrs")) << "empty text stores null";
    EXPECT_EQ(t.AsMoney("DueWI3Yrs"), Money());
    EXPECT_EQ(t.AsText("DueWI3Yrs"), "");
}

TEST(ScheduleTable, ValuesByColumnNameAsTextMoneyOrFloat) {
    Tdm dm;
    ScheduleTable& t = dm.tblSubsidiaries;
    t.Append();
    t.SetText("name", "Case does not matter");
    t.SetText("PctOwned", "12.5");
    t.SetFloat("Investment", 1234.56);
    t.SetText("FEIN", "12-3456789xyz");
    t.Post();
    EXPECT_EQ(t.AsText("Name"), "Case does not matter");
    EXPECT_EQ(t.AsFloat("PctOwned"), 12.5);
    EXPECT_EQ(t.AsText("PctOwned"), "12.5");
    EXPECT_EQ(t.AsMoney("Investment").Units(), 12345600);
    EXPECT_EQ(t.AsText("Investment"), "1234.56");
    EXPECT_EQ(t.AsText("FEIN"), "12-3456789") << "cut to the column's 10 characters";
    EXPECT_EQ(t.RowStatus(), 0);

    t.Edit();
    EXPECT_THROW(t.SetText("Investment", "12,5x"), Error);
    t.SetMoney("PctOwned", Money::FromUnits(5));
    t.Post();
    EXPECT_EQ(t.AsFloat("PctOwned"), 0.0005);
    EXPECT_EQ(t.RowStatus(), 1);

    try {
        t.AsText("Missing");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Field 'Missing' not found");
    }
}

TEST(ScheduleTable, CancelDropsPendingChangesAndDeleteRemovesAtOnce) {
    Tdm dm;
    ScheduleTable& t = dm.tblAffiliates;
    EXPECT_THROW(t.SetText("Name", "x"), Error) << "not in edit or insert mode";
    EXPECT_THROW(t.Edit(), Error) << "nothing to edit";
    EXPECT_THROW(t.Delete(), Error);

    t.Append();
    t.SetText("Name", "dropped");
    EXPECT_EQ(t.AsText("Name"), "dropped") << "the pending row is what reads";
    t.Cancel();
    EXPECT_EQ(t.RecordCount(), 0u);

    for (const char* n : {"one", "two", "three"}) {
        t.Append();
        t.SetText("Name", n);
        t.Post();
    }
    t.MoveTo(1);
    t.Edit();
    t.SetText("Name", "changed");
    t.Cancel();
    EXPECT_EQ(t.AsText("Name"), "two");
    t.Delete();
    EXPECT_EQ(Names(t), (std::vector<std::string>{"one", "three"}));
    t.MoveTo(1);
    t.Delete();
    EXPECT_EQ(t.AsText("Name"), "one") << "after the last row goes, the cursor is on the new last row";
    EXPECT_FALSE(t.Eof());

    // Moving away from a pending change stores it.
    t.Edit();
    t.SetText("HowRelated", "parent");
    t.First();
    EXPECT_EQ(t.AsText("HowRelated"), "parent");
    t.Empty();
    EXPECT_EQ(t.RecordCount(), 0u);
    EXPECT_TRUE(t.Eof());
}

TEST(ScheduleTable, DisplayUpdatesAreSuspendedAndResumedOnEveryExit) {
    Tdm dm;
    ScheduleTable& t = dm.tblCurrDebt;
    int updates = 0;
    int id = t.AddListener([&] { ++updates; });
    AddDebt(t, "A", "1");
    const int afterAppend = updates;
    EXPECT_GT(afterAppend, 0);
    try {
        ControlsSuspended suspended(t);
        ControlsSuspended nested(t);
        for (t.First(); !t.Eof(); t.Next())
            t.AsMoney("NoSuchColumn");
    } catch (const Error&) {
    }
    EXPECT_FALSE(t.ControlsDisabled());
    EXPECT_EQ(updates, afterAppend + 1) << "walking under suspension notifies once, on resume";
    t.RemoveListener(id);
    AddDebt(t, "B", "2");
    EXPECT_EQ(updates, afterAppend + 1);
}
