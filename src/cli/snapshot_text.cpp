#include "cli/snapshot_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "monitor/unit_snapshot_tables.h"

namespace orvane::cli {

namespace {

// Without the blanks and the trailing colon the window's layout gives some captions.
std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" :") - first + 1);
}

std::string Joined(std::string_view first, std::string_view second) {
    std::string text(Trimmed(first));
    const std::string_view rest = Trimmed(second);
    if (!text.empty() && !rest.empty())
        text += ' ';
    return text.append(rest);
}

}  // namespace

std::string MeasurementCaption(monitor::Measurement m, const catalogue::Language& language) {
    const monitor::MeasurementDescriptor& d = monitor::Describe(m);
    return Joined(language.text(d.groupRow), language.text(d.captionRow));
}

std::string FirmwareText(const monitor::UnitFirmware& firmware) {
    return std::to_string(firmware.major) + '.' + std::to_string(firmware.minor) + '.' +
           std::to_string(firmware.build);
}

std::string UnitClockText(const monitor::UnitClock& c) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", c.year, c.month, c.day,
                  c.hour, c.minute, c.second);
    return text;
}

std::string ValueText(double value) {
    if (!std::isfinite(value))
        return {};
    if (value == 0)
        return "0";
    char text[400];  // the longest fixed form of a double
    const auto [end, error] =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed);
    return error == std::errc{} ? std::string(text, end) : std::string();
}

}  // namespace orvane::cli
