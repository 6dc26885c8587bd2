#include "Error.h"
#include "TestSupport.h"
#include "uFranchiseID.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::test;

namespace {

// A header with the signature and a version, followed by `extra` bytes.
std::string HeaderBytes(int32_t version, size_t extra, uint8_t lengthByte = 11,
                        std::string_view chars = "ostrel BLRX") {
    std::string bytes(44 + extra, '\0');
    bytes[0] = static_cast<char>(lengthByte);
    std::memcpy(&bytes[1], chars.data(), chars.size());
    for (int i = 0; i < 4; ++i)
        bytes[12 + i] = static_cast<char>(static_cast<uint32_t>(version) >> (8 * i));
    return bytes;
}

} // namespace

TEST(ReadVersion, GivesTheStoredVersionOrMinusOne) {
    struct Case {
        const char* what;
        std::string bytes;
        int32_t version;
    };
    const Case cases[] = {
        {"45 bytes with a valid header pass detection", HeaderBytes(3, 1), 3},
        {"current edition", HeaderBytes(7, 4252), 7},
        {"version 0 is passed on", HeaderBytes(0, 4), 0},
        {"version 8 is passed on", HeaderBytes(8, 4), 8},
        {"a negative version is passed on", HeaderBytes(-5, 4), -5},
        {"length byte 10", HeaderBytes(3, 4, 10), -1},
        {"length byte 12", HeaderBytes(3, 4, 12), -1},
        {"letter case differs", HeaderBytes(3, 4, 11, "Ostrel BLRX"), -1},
        {"other characters", HeaderBytes(3, 4, 11, "ostrel BLRY"), -1},
        {"no signature at all", std::string(100, 'x'), -1},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        TestEnv env;
        FranchiseID id(env.notices);
        EXPECT_EQ(id.ReadVersion(dir.Write("f.fti", c.bytes)), c.version) << c.what;
        EXPECT_EQ(env.notices.Beeps, 0) << c.what;
        EXPECT_TRUE(env.notices.Errors.empty()) << c.what;
    }
}

TEST(ReadVersion, MissingFileBeepsTellsTheUserAndGivesMinusOne) {
    TempFolder dir;
    TestEnv env;
    const std::string path = dir.File("gone.fti");
    EXPECT_EQ(FranchiseID(env.notices).ReadVersion(path), -1);
    EXPECT_EQ(env.notices.Beeps, 1);
    ASSERT_EQ(env.notices.Errors.size(), 1u);
    EXPECT_EQ(env.notices.Errors[0], "The File " + path + " does not exist!");
}

TEST(ReadVersion, FileNoLongerThanTheHeaderCannotBeRead) {
    TempFolder dir;
    for (size_t size : {0u, 1u, 43u, 44u}) {
        TestEnv env;
        const std::string path = dir.Write("short.fti", HeaderBytes(7, 0).substr(0, size));
        try {
            FranchiseID(env.notices).ReadVersion(path);
            ADD_FAILURE() << size << " bytes were accepted";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Could not read file") << size;
        }
    }
}

TEST(ReadVersion, FolderIsAnErrorNotAMissingFile) {
    TempFolder dir;
    TestEnv env;
    const std::string path = dir.File("");
    try {
        FranchiseID(env.notices).ReadVersion(path);
        ADD_FAILURE() << "a folder was read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + path + "\".", 0), 0u) << e.what();
    }
    EXPECT_EQ(env.notices.Beeps, 0);
}
