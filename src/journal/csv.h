// The CSV the program writes: UTF-8, comma-separated, one header row, '.' as the decimal
// mark whatever the PC's locale, fields quoted the RFC 4180 way only where they need it,
// lines ended by CR LF, and times in ISO 8601 local time with the UTC offset. Such a file
// opens in a spreadsheet and in a data-frame library without options. Pure; any thread.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "monitor/local_clock.h"

namespace orvane::journal {

// The field as it goes between the commas: in double quotes, inner quotes doubled, when it
// holds a comma, a quote, a line break or blanks at either end.
std::string CsvField(std::string_view text);

// The shortest decimal that reads back as `value`, without exponent ("231.2", "-1",
// "4294967295"); empty for a value that is no number.
std::string CsvNumber(double value);
// The same for a single-precision value: its own shortest decimal ("231.2", not the
// double's 231.1999969482422).
std::string CsvNumber(float value);

// The fields, each already a CSV field, joined into one line with its CR LF.
std::string CsvLine(std::span<const std::string> fields);

// "2024-12-09T14:05:33+01:00".
std::string IsoLocalTime(const monitor::LocalTime& time);

}  // namespace orvane::journal
