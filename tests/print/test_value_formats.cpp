#include "DateValue.h"
#include "ValueFormats.h"

#include <gtest/gtest.h>
#include <limits>

using namespace qv;

namespace {

Money M(const char* text) {
    return *Money::Parse(text);
}

// A dot for every space, as box contents are easiest to read.
std::string Dots(std::string s) {
    for (char& c : s)
        if (c == ' ')
            c = '.';
    return s;
}

} // namespace

TEST(ZeroPattern, PadsRoundsHalfToEvenAndSignsNegatives) {
    struct Case {
        const char* amount;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {"12345", "0000000000000", "0000000012345"},
        {"0", "0000000000000", "0000000000000"},
        {"-12345", "0000000000000", "-0000000012345"},
        {"2.5", "0000000000000", "0000000000002"},
        {"3.5", "0000000000000", "0000000000004"},
        {"-0.40", "00000", "00000"},
        {"-0.5", "00000", "00000"},
        {"-1.5", "00000", "-00002"},
        {"12.30", "00000.00", "00012.30"},
        {"0", "00000.00", "00000.00"},
        {"0.125", "00000.00", "00000.12"},
        {"0.135", "00000.00", "00000.14"},
        {"-0.004", "00000.00", "00000.00"},
        {"-12.3", "00000.00", "-00012.30"},
        {"123456.78", "00000.00", "123456.78"},
        {"12345678901234", "0000000000000", "12345678901234"},
        {"1235000", "0000000000000", "0000001235000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZeroPattern(M(c.amount), c.pattern), c.text) << c.amount << " " << c.pattern;
}

TEST(ZeroPattern, TimesHundredGivesDollarsAndCentsWithoutPoint) {
    struct Case {
        const char* amount;
        const char* text;
    };
    const Case cases[] = {
        {"12.30", "0001230"}, {"0.05", "0000005"},   {"0.005", "0000000"}, {"0.015", "0000002"},
        {"0", "0000000"},     {"-1.25", "-0000125"}, {"20000", "2000000"}, {"123456.78", "12345678"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ZeroPatternTimes100(M(c.amount), "0000000"), c.text) << c.amount;
}

TEST(ZeroPattern, OfDoubleTakesFourDecimalsFirst) {
    EXPECT_EQ(ZeroPatternOfDouble(1234, "0000"), "1234");
    EXPECT_EQ(ZeroPatternOfDouble(5, "0000"), "0005");
    EXPECT_EQ(ZeroPatternOfDouble(12345, "0000"), "12345");
    EXPECT_EQ(ZeroPatternOfDouble(1234.5, "0000"), "1234");
    EXPECT_EQ(ZeroPatternOfDouble(1235.5, "0000"), "1236");
    // 2.49996 is 2.5000 at four decimals, which then goes to the even 2.
    EXPECT_EQ(ZeroPatternOfDouble(2.49996, "0000"), "0002");
    EXPECT_EQ(ZeroPatternOfDouble(std::numeric_limits<double>::quiet_NaN(), "0000"), "0000");
}

TEST(BoxDigits, PreparationsOfTheFormRows) {
    struct Case {
        const char* text;
        const char* whole; // PrepareBoxDigits, spaces as dots
        const char* cents; // PrepareBoxDigitsCents
    };
    const Case cases[] = {
        {"0000000012345", "........12345", "........12345"},
        {"0000000000000", "............0", "..........000"},
        {"-0000000012345", "-0000000123450", "-0000000123450"},
        {"-1234567890123", "ERR.#.2.LOW....", "ERR.#.2.LOW...."},
        {"00012.30", "...12.30", "...12.30"},
        {"00000.00", "......00", "....0.00"},
        {"0001230", "...1230", "...1230"},
        {"0000005", "......5", "....005"},
        {"0000000", "......0", "....000"},
        {"-00012.30", "-0012.300", "-0012.300"},
        {"10203", "10203", "10203"},
        {"00", ".0", "00"},
        {"", "", ""},
        {"-", "ERR.#.2.LOW....", "ERR.#.2.LOW...."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Dots(PrepareBoxDigits(c.text)), c.whole) << c.text;
        EXPECT_EQ(Dots(PrepareBoxDigitsCents(c.text)), c.cents) << c.text;
    }
}

TEST(BoxDigits, ExamplesOfTheRowsEndToEnd) {
    EXPECT_EQ(Dots(PrepareBoxDigits(ZeroPattern(M("12345"), "0000000000000"))), "........12345");
    EXPECT_EQ(Dots(PrepareBoxDigits(ZeroPattern(M("0"), "0000000000000"))), "............0");
    EXPECT_EQ(PrepareBoxDigits(ZeroPattern(M("-12345"), "0000000000000")).substr(0, 13), "-000000012345");
    EXPECT_EQ(Dots(PrepareBoxDigitsCents(ZeroPattern(M("12.30"), "00000.00"))), "...12.30");
    EXPECT_EQ(Dots(PrepareBoxDigitsCents(ZeroPattern(M("0"), "00000.00"))), "....0.00");
    EXPECT_EQ(Dots(PrepareBoxDigitsCents(ZeroPatternTimes100(M("12.30"), "0000000"))), "...1230");
    EXPECT_EQ(Dots(PrepareBoxDigits(ZeroPatternTimes100(M("0.05"), "0000000"))), "......5");
    EXPECT_EQ(Dots(PrepareBoxDigitsCents(ZeroPatternTimes100(M("0.05"), "0000000"))), "....005");
    EXPECT_EQ(PrepareBoxDigits(ZeroPattern(M("-1234567890123"), "0000000000000")), "ERR # 2 LOW    ");
}

TEST(Dates, BoxAndSlashFormats) {
    const DateValue d = EncodeDate(2010, 3, 5);
    EXPECT_EQ(FormatMMDDYY(d), "030510");
    EXPECT_EQ(FormatMMDDYY(EncodeDate(2009, 12, 31)), "123109");
    EXPECT_EQ(FormatMMDDYY(0), "");
    RegionalSettings us = RegionalSettings::UnitedStates();
    EXPECT_EQ(FormatDateMMDDYYYY(d, us), "03/05/2010");
    RegionalSettings de = us;
    de.DateSeparator = '.';
    EXPECT_EQ(FormatDateMMDDYYYY(d, de), "03.05.2010");
}

TEST(FixedPoint, WidthAndFourDecimals) {
    struct Case {
        double value;
        int width;
        const char* text;
    };
    const Case cases[] = {
        {0, 8, "  0.0000"},           {100, 8, "100.0000"},   {12.5, 8, " 12.5000"},
        {1234567, 8, "1234567.0000"}, {-3.25, 8, " -3.2500"}, {0.03125, 8, "  0.0312"},
        {0.09375, 8, "  0.0938"},     {51, 3, "51.0000"},     {0, 3, "0.0000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.width, 4), c.text) << c.value;
    // Beyond the range of amounts the digits still all show.
    const std::string huge = FormatFixed(1e20, 8, 4);
    EXPECT_EQ(huge, "100000000000000000000.0000");
}

TEST(Amounts, TwelveWideGroupedWholeDollarsOrCents) {
    const RegionalSettings us = RegionalSettings::UnitedStates();
    struct Case {
        const char* amount;
        bool whole;
        const char* text;
    };
    const Case cases[] = {
        {"1234567.50", true, "   1,234,568"}, {"1234567.50", false, "1,234,567.50"},
        {"-1234.5", true, "      -1,234"},    {"2.50", true, "           2"},
        {"3.50", true, "           4"},       {"0.125", false, "        0.12"},
        {"-0.004", false, "        0.00"},    {"999", false, "      999.00"},
        {"1000", true, "       1,000"},       {"-123456789.99", false, "-123,456,789.99"},
        {"100000", false, "  100,000.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatAmount(M(c.amount), c.whole, us), c.text) << c.amount << " " << c.whole;

    RegionalSettings de = us;
    de.ThousandSeparator = '.';
    de.DecimalSeparator = ',';
    EXPECT_EQ(FormatAmount(M("1234567.5"), false, de), "1.234.567,50");
}

TEST(Amounts, CurrencyFormatFollowsRegionalSettings) {
    RegionalSettings r = RegionalSettings::UnitedStates();
    EXPECT_EQ(FormatCurrency(M("0"), r), "$0.00");
    EXPECT_EQ(FormatCurrency(M("1234.565"), r), "$1,234.56");
    EXPECT_EQ(FormatCurrency(M("1234.575"), r), "$1,234.58");
    EXPECT_EQ(FormatCurrency(M("-1234.5"), r), "($1,234.50)");
    EXPECT_EQ(FormatCurrency(M("-0.001"), r), "$0.00");
    struct Case {
        int negativeFormat;
        const char* text;
    };
    const Case negatives[] = {
        {1, "-$1.50"},   {2, "$-1.50"},   {3, "$1.50-"},   {4, "(1.50$)"},   {5, "-1.50$"},
        {6, "1.50-$"},   {7, "1.50$-"},   {8, "-1.50 $"},  {9, "-$ 1.50"},   {10, "1.50 $-"},
        {11, "$ 1.50-"}, {12, "$ -1.50"}, {13, "1.50- $"}, {14, "($ 1.50)"}, {15, "(1.50 $)"},
    };
    for (const Case& c : negatives) {
        r.NegativeCurrencyFormat = c.negativeFormat;
        EXPECT_EQ(FormatCurrency(M("-1.5"), r), c.text) << c.negativeFormat;
    }
    RegionalSettings eu = RegionalSettings::UnitedStates();
    eu.CurrencyString = "EUR";
    eu.CurrencyFormat = 3;
    eu.ThousandSeparator = '.';
    eu.DecimalSeparator = ',';
    eu.CurrencyDecimals = 0;
    EXPECT_EQ(FormatCurrency(M("1234.5"), eu), "1.234 EUR");
    EXPECT_EQ(FormatCurrency(M("1235.5"), eu), "1.236 EUR");
}
