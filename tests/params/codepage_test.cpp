#include "params/codepage.h"

#include <gtest/gtest.h>

namespace orvane::params {
namespace {

TEST(Codepage, accentsAndTheDegreeSignBecomeSingleBytes) {
    EXPECT_EQ(Utf8ToCp1252("Capacit\u00E0 \u00B0C \u20AC"), "Capacit\xE0 \xB0""C \x80");
    EXPECT_EQ(Cp1252ToUtf8("Capacit\xE0 \xB0""C \x80"), "Capacit\u00E0 \u00B0C \u20AC");
}

TEST(Codepage, everyByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Codepage, unmappableAndMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db"), "a?b");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToCp1252("\xFF\xE0\x80"), "???");
}

}  // namespace
}  // namespace orvane::params
