#include "Error.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "TestSupport.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

TEST(Settings, YesNoValuesAreWholeNumbers) {
    MemorySettings s;
    struct Case {
        const char* stored; // nullptr: absent
        bool defaultValue;
        bool read;
    };
    const Case cases[] = {
        {nullptr, false, false}, {nullptr, true, true},
        {"1", false, true},      {"0", true, false},
        {"7", false, true},      {"-1", false, true},
        {"+0", true, false},     {"yes", false, false},
        {"yes", true, true},     {"", true, true},
        {"", false, false},      {"1x", false, false},
        {"00", true, false},     {"99999999999", false, false},
    };
    for (const Case& c : cases) {
        MemorySettings m;
        if (c.stored != nullptr)
            m.WriteString("WholeDollars", c.stored);
        EXPECT_EQ(m.ReadBool("WholeDollars", c.defaultValue), c.read)
            << (c.stored ? c.stored : "(absent)") << " default " << c.defaultValue;
    }
    s.WriteBool("CombineSchedules", false);
    EXPECT_EQ(s.ReadString("CombineSchedules"), "0");
    s.WriteBool("CombineSchedules", true);
    EXPECT_EQ(s.ReadString("CombineSchedules"), "1");
}

TEST(SettingsStore, TextsRoundTripThroughTheStoreFile) {
    TempFolder folder;
    const std::string file = (folder / "BLRX10.ini").string();
    {
        SettingsStore store(file);
        EXPECT_EQ(store.ReadString("LastDir"), std::nullopt);
        store.WriteString("LastDir", "/home/user/Returns/Ünïcode/");
        store.WriteBool("WholeDollars", true);
    }
    // A second store, as a second run of the program, reads what the first wrote.
    SettingsStore again(file);
    EXPECT_EQ(again.ReadString("LastDir"), "/home/user/Returns/Ünïcode/");
    EXPECT_TRUE(again.ReadBool("WholeDollars", false));
    EXPECT_TRUE(again.ReadBool("CombineSchedules", true));
    EXPECT_FALSE(again.ReadBool("PrintRTC", false));
}

TEST(SettingsStore, AValueThatIsNotATextIsAnError) {
    TempFolder folder;
    const auto file = folder / "BLRX10.ini";
    std::ofstream(file) << "[General]\nWholeDollars=@Point(1 2)\nCombineSchedules=0\n";
    SettingsStore store(file.string());
    EXPECT_FALSE(store.ReadBool("CombineSchedules", true));
    try {
        store.ReadBool("WholeDollars", false);
        ADD_FAILURE() << "read a point as a yes/no value";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The setting \"WholeDollars\" is not stored as a text.");
    }
}
