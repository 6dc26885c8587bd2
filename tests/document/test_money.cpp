#include "Money.h"

#include <gtest/gtest.h>
#include <limits>

using qv::Money;

TEST(Money, ParseRoundsTypedAmountsHalfToEven) {
    struct Case {
        const char* text;
        int64_t units;
    };
    const Case cases[] = {
        {"1234.56", 12345600},
        {"-7.5", -75000},
        {"0", 0},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.000051", 1},
        {"-0.00025", -2},
        {"12.34565", 123456},
        {"12.345650001", 123457},
        {"+3", 30000},
        {" 42 ", 420000},
        {".5", 5000},
        {"5.", 50000},
        {"922337203685477.5807", std::numeric_limits<int64_t>::max()},
        {"-922337203685477.5808", std::numeric_limits<int64_t>::min()},
    };
    for (const Case& c : cases) {
        auto m = Money::Parse(c.text);
        ASSERT_TRUE(m.has_value()) << c.text;
        EXPECT_EQ(m->Units(), c.units) << c.text;
    }
}

TEST(Money, ParseRejectsMalformedAndOutOfRange) {
    for (const char* text : {"", "-", ".", "1.2.3", "12a", "1,234", "922337203685477.5808", "--1", "1e5"})
        EXPECT_FALSE(Money::Parse(text).has_value()) << text;
}

TEST(Money, ToStringRoundsHalfToEvenWithoutNegativeZero) {
    struct Case {
        int64_t units;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {-75000, 4, "-7.5000"}, {12345600, 2, "1234.56"},
        {25000, 0, "2"},        {35000, 0, "4"},
        {1250, 2, "0.12"},      {1350, 2, "0.14"},
        {-4000, 0, "0"},        {-5001, 0, "-1"},
        {0, 4, "0.0000"},       {std::numeric_limits<int64_t>::min(), 4, "-922337203685477.5808"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Money::FromUnits(c.units).ToString(c.decimals), c.text) << c.units;
    EXPECT_EQ(Money::FromUnits(15000000).ToShortString(), "1500");
    EXPECT_EQ(Money::FromUnits(-1250).ToShortString(), "-0.125");
}

TEST(Money, FromDoubleIsExactBinaryRoundedHalfToEven) {
    EXPECT_EQ(Money::FromDouble(1234.56)->Units(), 12345600);
    // 0.00005 as a double lies just above the half: 0.5000000000000000409 units.
    EXPECT_EQ(Money::FromDouble(0.00005)->Units(), 1);
    // Exactly representable halves go to even.
    EXPECT_EQ(Money::FromBinary(false, 1, -15)->Units(), 0); // 10000/32768 = 0.305 units
    EXPECT_EQ(Money::FromBinary(false, 5, -14)->Units(), 3); // 3.05 units
    EXPECT_EQ(Money::FromBinary(false, 1, -1)->Units(), 5000);
    EXPECT_FALSE(Money::FromDouble(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(Money::FromDouble(1e300).has_value());
}

TEST(Money, ArithmeticIsExactAndRefusesOverflow) {
    Money a = Money::FromUnits(std::numeric_limits<int64_t>::max());
    EXPECT_THROW(a + Money::FromUnits(1), std::exception);
    EXPECT_THROW(Money::FromUnits(std::numeric_limits<int64_t>::min()) - Money::FromUnits(1), std::exception);
    EXPECT_EQ((Money::FromUnits(5) - Money::FromUnits(7)).Units(), -2);
}
