// The CSV pieces every export shares: quoting, numbers whatever the locale, times with
// their offset.
#include "journal/csv.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

namespace orvane::journal {
namespace {

TEST(CsvField, quotesOnlyWhatWouldOtherwiseBreakTheRow) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Allarme Termico", "Allarme Termico"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"cr\r", "\"cr\r\""},
        {" Orvane ", "\" Orvane \""},
        {"Capacit\u00E0", "Capacit\u00E0"},
    };
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

TEST(CsvNumber, writesTheShortestPointDecimalWithoutExponentInAnyLocale) {
    // A comma-decimal locale must not leak into the file.
    const char* previous = std::setlocale(LC_NUMERIC, "it_IT.UTF-8");
    const std::pair<double, std::string_view> cases[] = {
        {231.2, "231.2"},
        {-1, "-1"},
        {-0.0, "0"},
        {4294967295.0, "4294967295"},
        {1e6, "1000000"},
        {0.05, "0.05"},
        {std::numeric_limits<double>::quiet_NaN(), ""},
        {std::numeric_limits<double>::infinity(), ""},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(CsvNumber(value), text) << value;
    // A chart's single-precision value reads as written, not as its double.
    EXPECT_EQ(CsvNumber(231.2f), "231.2");
    if (previous != nullptr)
        std::setlocale(LC_NUMERIC, "C");
}

TEST(IsoLocalTime, carriesTheOffsetFromUtcInHoursAndMinutes) {
    const std::pair<int, std::string_view> cases[] = {
        {3600, "2024-03-05T07:08:09+01:00"},
        {0, "2024-03-05T07:08:09+00:00"},
        {-(3 * 3600 + 1800), "2024-03-05T07:08:09-03:30"},
        {5 * 3600 + 45 * 60, "2024-03-05T07:08:09+05:45"},
    };
    for (const auto& [offset, text] : cases)
        EXPECT_EQ(IsoLocalTime(monitor::LocalTime{2024, 3, 5, 7, 8, 9, offset}), text);
}

TEST(CsvLine, joinsWithCommasAndEndsWithCrLf) {
    const std::string fields[] = {"time", "\"a,b\"", ""};
    EXPECT_EQ(CsvLine(fields), "time,\"a,b\",\r\n");
}

}  // namespace
}  // namespace orvane::journal
