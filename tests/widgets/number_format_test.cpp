#include "widgets/number_format.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <string>

namespace orvane::widgets {
namespace {

struct FormatCase {
    const char* pattern;
    double value;
    const char* shown;
};

// Readable test names in CTest, instead of the bytes of the case.
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.pattern << " " << c.value;
}

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, valueShowsThroughItsPattern) {
    const FormatCase c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.shown) << c.pattern << " " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    ::testing::Values(
        // "#0.#": one optional decimal, at least one integer digit.
        FormatCase{"#0.#", 230.44, "230.4"}, FormatCase{"#0.#", 230.0, "230"},
        FormatCase{"#0.#", 0.05, "0.1"},  // half rounds away from zero
        FormatCase{"#0.#", -0.05, "-0.1"}, FormatCase{"#0.#", 9.96, "10"},
        FormatCase{"#0.#", 0.04, "0"}, FormatCase{"#0.#", -0.04, "0"},  // no "-0"
        FormatCase{"#0.#", -150, "-150"}, FormatCase{"#0.#", 4294967295.0, "4294967295"},
        FormatCase{"#0.#", 0.3, "0.3"},
        // "#0.0#": one to two decimals (the grid frequency).
        FormatCase{"#0.0#", 50.02, "50.02"}, FormatCase{"#0.0#", 50.1, "50.1"},
        FormatCase{"#0.0#", 50, "50.0"},
        FormatCase{"#0.0#", 2.675, "2.68"},  // decided on the decimal form, not the binary
        FormatCase{"#0.0#", 1.005, "1.01"},
        // "##0.0": always one decimal (the trend channels).
        FormatCase{"##0.0", 12, "12.0"}, FormatCase{"##0.0", -1234.56, "-1234.6"},
        FormatCase{"##0.0", 0, "0.0"}, FormatCase{"##0.0", 99.95, "100.0"},
        // "#0#": whole numbers with two digits at least (the clock fields).
        FormatCase{"#0#", 5, "05"}, FormatCase{"#0#", 23, "23"}, FormatCase{"#0#", 123, "123"},
        FormatCase{"#0#", 7.5, "08"}, FormatCase{"#0#", 0, "00"}));

TEST(FormatNumber, decimalPointCanBeAComma) {
    EXPECT_EQ(formatNumber(50.02, "#0.0#", ','), "50,02");
}

TEST(FormatNumber, nonFiniteValuesShowNothing) {
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "#0.#"), "");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "#0.#"), "");
}

struct ParseCase {
    const char* typed;
    double value;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class ParseAcceptedTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseAcceptedTest, plainNumbersWithCommaOrPointAreAccepted) {
    const auto parsed = parseTypedNumber(GetParam().typed);
    ASSERT_TRUE(parsed) << GetParam().typed;
    EXPECT_DOUBLE_EQ(*parsed, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Typed, ParseAcceptedTest,
                         ::testing::Values(ParseCase{"12", 12}, ParseCase{"12.5", 12.5},
                                           ParseCase{"12,5", 12.5}, ParseCase{"-3", -3},
                                           ParseCase{"+4", 4}, ParseCase{" 7 ", 7},
                                           ParseCase{".5", 0.5}, ParseCase{"5.", 5},
                                           ParseCase{"-,25", -0.25}));

class ParseRefusedTest : public ::testing::TestWithParam<std::string> {};

TEST_P(ParseRefusedTest, anythingElseGivesNoNumber) {
    EXPECT_FALSE(parseTypedNumber(GetParam())) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Typed, ParseRefusedTest,
                         ::testing::Values("", " ", "-", ".", ",", "1e5", "nan", "NaN", "inf",
                                           "-infinity", "1.2.3", "1,234.5", "12a", "0x10", "1 2",
                                           std::string(400, '9')));  // too large

TEST(TypedNumberPrefix, halfTypedNumbersMayStillBeCompleted) {
    for (const char* s : {"", "-", "+", "1,", "-.", "12"})
        EXPECT_TRUE(isNumberPrefix(s)) << s;
    for (const char* s : {"1e", "a", "1.2.", "--1"})
        EXPECT_FALSE(isNumberPrefix(s)) << s;
}

}  // namespace
}  // namespace orvane::widgets
