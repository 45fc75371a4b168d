#include "cli/port_argument.h"

#include <cctype>

namespace orvane::cli {

namespace {

bool StartsWithCom(std::string_view text) {
    return text.size() >= 3 && std::toupper(static_cast<unsigned char>(text[0])) == 'C' &&
           std::toupper(static_cast<unsigned char>(text[1])) == 'O' &&
           std::toupper(static_cast<unsigned char>(text[2])) == 'M';
}

}  // namespace

std::optional<PortChoice> ParsePortArgument(std::string_view argument) {
    if (argument.empty())
        return std::nullopt;
    if (!StartsWithCom(argument) || argument.find('/') != std::string_view::npos)
        return PortDevice{std::string(argument)};
    std::string_view digits = argument.substr(3);
    while (!digits.empty() && digits.front() == ' ')
        digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 2)
        return std::nullopt;
    int number = 0;
    for (char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > link::PortCount)
        return std::nullopt;
    return PortEntry{number - 1};
}

int BindPortChoice(link::PortTable& ports, const PortChoice& choice) {
    if (const PortEntry* entry = std::get_if<PortEntry>(&choice))
        return entry->index;
    const std::string& path = std::get<PortDevice>(choice).path;
    int free = -1;
    for (int index = 0; index < link::PortCount; ++index) {
        const std::optional<std::string> bound = ports.devicePath(index);
        if (bound && *bound == path)
            return index;
        if (!bound && free < 0)
            free = index;
    }
    const int index = free >= 0 ? free : 0;
    ports.setConfigured(index, path);
    return index;
}

}  // namespace orvane::cli
