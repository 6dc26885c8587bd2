#include "ExactMoney.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace qv;
using namespace qv::exact;

TEST(ExactMoney, RoundingDirections) {
    // Amounts in 1/10,000 dollar.
    struct Case {
        int64_t units;
        int64_t wholeDollars;
        int64_t cents;
        int64_t upToThousand;
    };
    const Case cases[] = {
        {25000, 30000, 25000, 10000000},
        {-25000, -30000, -25000, 0},
        {24999, 20000, 25000, 10000000},
        {-1250, 0, -1300, 0},
        {1250, 0, 1300, 10000000},
        {1249, 0, 1200, 10000000},
        {10000000000, 10000000000, 10000000000, 10000000000},
        {10000010000, 10000010000, 10000010000, 10010000000},
        {-15000000, -15000000, -15000000, -10000000},
        {-10000000, -10000000, -10000000, -10000000},
        {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<int64_t>(ToWholeDollars(c.units)), c.wholeDollars) << c.units;
        EXPECT_EQ(static_cast<int64_t>(ToCents(c.units)), c.cents) << c.units;
        EXPECT_EQ(static_cast<int64_t>(UpToThousand(c.units)), c.upToThousand) << c.units;
    }
    EXPECT_EQ(static_cast<int64_t>(DivRoundHalfAway(-1, 3)), 0);
    EXPECT_EQ(static_cast<int64_t>(DivRoundHalfAway(3, -2)), -2);
    EXPECT_EQ(static_cast<int64_t>(DivRoundHalfAway(-3, -2)), 2);
    EXPECT_EQ(static_cast<int64_t>(DivCeil(-7, 2)), -3);
    EXPECT_EQ(static_cast<int64_t>(DivCeil(7, 2)), 4);
}

TEST(ExactMoney, ShortestDecimalIsWhatTheUserTyped) {
    struct Case {
        double value;
        int64_t significand;
        int exponent;
    };
    const Case cases[] = {
        {0.3, 3, -1},
        {1000.5, 10005, -1},
        {-0.015, -15, -3},
        {1e22, 1, 22},
        {1.5e-7, 15, -8},
        {0.0, 0, 0},
        {123456789.123, 123456789123, -3},
        {0.1 + 0.2, 30000000000000004, -17},
    };
    for (const Case& c : cases) {
        auto d = ShortestDecimal(c.value);
        ASSERT_TRUE(d.has_value()) << c.value;
        EXPECT_EQ(d->Significand, c.significand) << c.value;
        EXPECT_EQ(d->Exponent, c.exponent) << c.value;
    }
    EXPECT_FALSE(ShortestDecimal(std::nan("")).has_value());
    EXPECT_FALSE(ShortestDecimal(-INFINITY).has_value());
}

TEST(ExactMoney, WholeNumberOfDouble) {
    EXPECT_EQ(static_cast<int64_t>(*WholeNumberOfDouble(3333.0)), 3333);
    EXPECT_EQ(static_cast<int64_t>(*WholeNumberOfDouble(-1235.0)), -1235);
    EXPECT_EQ(static_cast<int64_t>(*WholeNumberOfDouble(0x1p62)), int64_t(1) << 62);
    EXPECT_TRUE(*WholeNumberOfDouble(0x1p63) == i128(u128(1) << 63));
    EXPECT_FALSE(WholeNumberOfDouble(0.5).has_value());
    EXPECT_FALSE(WholeNumberOfDouble(std::nan("")).has_value());
}
