#include "journal/csv.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvane::journal {

std::string CsvField(std::string_view text) {
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                        (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quoted)
        return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    field += '"';
    return field;
}

namespace {

template <typename Number>
std::string Decimal(Number value) {
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";  // also for -0
    char text[400];  // the longest fixed form of a double
    const auto [end, error] =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed);
    return error == std::errc{} ? std::string(text, end) : std::string();
}

}  // namespace

std::string CsvNumber(double value) {
    return Decimal(value);
}

std::string CsvNumber(float value) {
    return Decimal(value);
}

std::string CsvLine(std::span<const std::string> fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += fields[i];
    }
    line += "\r\n";
    return line;
}

std::string IsoLocalTime(const monitor::LocalTime& t) {
    const int offsetMinutes = std::abs(t.utcOffsetSeconds) / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month,
                  t.day, t.hour, t.minute, t.second, t.utcOffsetSeconds < 0 ? '-' : '+',
                  offsetMinutes / 60, offsetMinutes % 60);
    return text;
}

}  // namespace orvane::journal
