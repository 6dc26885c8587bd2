#include "Extended80.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace qv;

namespace {
Extended80 Ext(uint64_t significand, uint16_t signExponent) {
    return Extended80{significand, signExponent};
}
} // namespace

TEST(Extended80, DoublesConvertExactlyAndBack) {
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -2.5,
                             1234.56,
                             1e300,
                             -1e-300,
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min() * 12345,
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double v : values) {
        double back = ExtendedToDouble(ExtendedFromDouble(v));
        EXPECT_EQ(std::bit_cast<uint64_t>(back), std::bit_cast<uint64_t>(v)) << v;
    }
    EXPECT_TRUE(std::isnan(ExtendedToDouble(ExtendedFromDouble(std::nan("")))));
}

TEST(Extended80, KnownEncodings) {
    // 1.0: significand with only the explicit leading bit, exponent = bias.
    EXPECT_EQ(ExtendedFromDouble(1.0), Ext(0x8000000000000000ull, 0x3FFF));
    EXPECT_EQ(ExtendedFromDouble(-2.0), Ext(0x8000000000000000ull, 0xC000));
    EXPECT_EQ(ExtendedFromDouble(0.0), Ext(0, 0));
    // Currency values go out as their dollar amount rounded to 64 bits.
    EXPECT_EQ(ExtendedFromMoney(Money::FromUnits(12345600)), Ext(0x9A51EB851EB851ECull, 0x4009));
    EXPECT_EQ(ExtendedFromMoney(Money::FromUnits(15000000)), Ext(0xBB80000000000000ull, 0x4009));
    EXPECT_EQ(ExtendedFromMoney(Money::FromUnits(-10000)), Ext(0x8000000000000000ull, 0xBFFF));
    EXPECT_EQ(ExtendedFromMoney(Money()), Ext(0, 0));
    auto bytes = ExtendedFromMoney(Money::FromUnits(12345600)).ToBytes();
    const uint8_t expected[] = {0xEC, 0x51, 0xB8, 0x1E, 0x85, 0xEB, 0x51, 0x9A, 0x09, 0x40};
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), expected));
    EXPECT_EQ(Extended80::FromBytes(expected), ExtendedFromMoney(Money::FromUnits(12345600)));
}

TEST(Extended80, MoneyRoundTripsAcrossTheRange) {
    const int64_t units[] = {1,
                             -1,
                             5,
                             12345600,
                             -75000,
                             99999999,
                             123456789012345678LL,
                             std::numeric_limits<int64_t>::max(),
                             std::numeric_limits<int64_t>::min()};
    for (int64_t u : units) {
        std::optional<Money> back = MoneyFromExtended(ExtendedFromMoney(Money::FromUnits(u)));
        ASSERT_TRUE(back.has_value()) << u;
        EXPECT_EQ(back->Units(), u);
    }
}

TEST(Extended80, ToDoubleRoundsHalfToEven) {
    // 1 + 2^-53 lies exactly between 1 and the next double: goes to the even 1.
    EXPECT_EQ(ExtendedToDouble(Ext(0x8000000000000400ull, 0x3FFF)), 1.0);
    // 1 + 3 x 2^-53 lies between 1+2^-52 (odd) and 1+2^-51 (even): goes up.
    EXPECT_EQ(ExtendedToDouble(Ext(0x8000000000000C00ull, 0x3FFF)), 1.0 + std::ldexp(1.0, -51));
    // A hair above the half goes up.
    EXPECT_EQ(ExtendedToDouble(Ext(0x8000000000000401ull, 0x3FFF)), 1.0 + std::ldexp(1.0, -52));
    // All-ones significand rounds up into the next binade.
    EXPECT_EQ(ExtendedToDouble(Ext(0xFFFFFFFFFFFFFFFFull, 0x3FFF)), 2.0);
    // Beyond the double range: infinity; far below: zero with its sign; in between: subnormal.
    EXPECT_TRUE(std::isinf(ExtendedToDouble(Ext(0x8000000000000000ull, 0x3FFF + 1024))));
    EXPECT_EQ(std::bit_cast<uint64_t>(ExtendedToDouble(Ext(0x8000000000000000ull, 0x8000 | 1))),
              std::bit_cast<uint64_t>(-0.0));
    EXPECT_EQ(ExtendedToDouble(Ext(0x8000000000000000ull, 0x3FFF - 1074)),
              std::numeric_limits<double>::denorm_min());
    // Half of the smallest subnormal is a tie with zero, which is even.
    EXPECT_EQ(ExtendedToDouble(Ext(0x8000000000000000ull, 0x3FFF - 1075)), 0.0);
    // An unnormalised significand is read by its value.
    EXPECT_EQ(ExtendedToDouble(Ext(0x4000000000000000ull, 0x4000)), 1.0);
}

TEST(Extended80, MoneyFromExtendedRoundsToTheNearestUnit) {
    // 0.00005 dollars exactly (0.5 units) is not representable; 2^-15 dollars = 0.305 units -> 0.
    EXPECT_EQ(MoneyFromExtended(ExtendedFromDouble(std::ldexp(1.0, -15)))->Units(), 0);
    // 1.5 units = 0.00015 dollars, not exact in binary either; use 2^-14 x 3 = 1.831 units -> 2.
    EXPECT_EQ(MoneyFromExtended(ExtendedFromDouble(3 * std::ldexp(1.0, -14)))->Units(), 2);
    // 1234.56 read back from the double nearest to it.
    EXPECT_EQ(MoneyFromExtended(ExtendedFromDouble(1234.56))->Units(), 12345600);
    EXPECT_FALSE(MoneyFromExtended(ExtendedFromDouble(std::numeric_limits<double>::infinity())).has_value());
    EXPECT_FALSE(MoneyFromExtended(ExtendedFromDouble(std::nan(""))).has_value());
    EXPECT_FALSE(MoneyFromExtended(ExtendedFromDouble(1e20)).has_value());
}
