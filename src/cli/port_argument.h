// The --port argument: a port-list entry by name ("COM 3", also written "COM3" or "com3",
// so no quoting is needed) or a device path (anything else that names a file, "/dev/ttyUSB0").
// Pure; any thread.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "link/port_table.h"

namespace orvane::cli {

struct PortEntry {
    int index;  // 0 for "COM 1"
};
struct PortDevice {
    std::string path;
};
using PortChoice = std::variant<PortEntry, PortDevice>;

// Nothing for a name of an entry the table does not have ("COM 0", "COM 12") or an empty
// argument.
std::optional<PortChoice> ParsePortArgument(std::string_view argument);

// The list index that opens the choice: the entry's own, or for a device path the entry
// already bound to it, else the first entry bound to none, else "COM 1", rebound to it.
int BindPortChoice(link::PortTable& ports, const PortChoice& choice);

}  // namespace orvane::cli
