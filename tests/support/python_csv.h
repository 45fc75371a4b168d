// Reads a CSV file back with Python's standard csv module in its default dialect (what
// spreadsheets and data-frame libraries assume without options), decoding it as UTF-8:
// the rows as that parser sees them, or nothing when it refuses the file. Test thread only.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

using CsvRows = std::vector<std::vector<std::string>>;

// What a shell command prints, or nothing when it cannot run or ends with a failure.
inline std::optional<std::string> CommandOutput(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string out;
    char chunk[4096];
    while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe))
        out.append(chunk, n);
    if (::pclose(pipe) != 0)
        return std::nullopt;
    return out;
}

inline std::optional<CsvRows> ParsedByPythonCsv(const std::string& path) {
    // The parser's rows come back between separators no CSV text holds.
    const std::string command =
        "/usr/bin/python3 -I -c \"import csv, sys\n"
        "with open(sys.argv[1], newline='', encoding='utf-8', errors='strict') as f:\n"
        "    for row in csv.reader(f):\n"
        "        sys.stdout.write(chr(31).join(row) + chr(30))\" '" +
        path + "'";
    const std::optional<std::string> parsed = CommandOutput(command);
    if (!parsed)
        return std::nullopt;
    const std::string& out = *parsed;
    CsvRows rows;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\x1e', start);
        const std::string row = out.substr(start, end - start);
        std::vector<std::string> fields;
        std::size_t from = 0;
        for (;;) {
            const std::size_t sep = row.find('\x1f', from);
            fields.push_back(row.substr(from, sep - from));
            if (sep == std::string::npos)
                break;
            from = sep + 1;
        }
        rows.push_back(fields);
        start = end == std::string::npos ? out.size() : end + 1;
    }
    return rows;
}

}  // namespace orvane::testing
