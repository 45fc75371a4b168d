#include "link/serial_discovery.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <set>
#include <system_error>
#include <tuple>

namespace orvane::link {

namespace fs = std::filesystem;

namespace {

// Device-name families that are serial ports, in the order they are offered.
struct PortFamily {
    std::string_view prefix;
    std::string_view description;
};
constexpr PortFamily Families[] = {
    {"ttyUSB", "USB serial adapter"},   {"ttyACM", "USB serial device"},
    {"ttyXRUSB", "USB serial adapter"}, {"ttyAMA", "on-board serial port"},
    {"ttymxc", "on-board serial port"}, {"ttyS", "built-in serial port"},
};

struct Candidate {
    std::size_t family;
    unsigned long number;
    std::string name;
};

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::optional<Candidate> AsCandidate(const std::string& name) {
    for (std::size_t f = 0; f < std::size(Families); ++f) {
        const std::string_view prefix = Families[f].prefix;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string_view digits = std::string_view(name).substr(prefix.size());
        if (!AllDigits(digits) || digits.size() > 6)
            continue;
        return Candidate{f, std::stoul(std::string(digits)), name};
    }
    return std::nullopt;
}

// The kernel creates a node for every legacy port slot (ttyS0..ttyS31) whether a UART
// is there or not; sysfs tells which are real: they have a device, and a serial-core
// port reports its UART type, 0 meaning none.
bool IsRealPort(const DeviceRoots& roots, const Candidate& c) {
    std::error_code ec;
    const fs::path ttyClass = roots.sys / "class" / "tty";
    if (!fs::is_directory(ttyClass, ec)) {
        // Without sysfs only nodes that come and go with their device can be trusted.
        return Families[c.family].prefix != "ttyS";
    }
    const fs::path entry = ttyClass / c.name;
    if (!fs::exists(entry / "device", ec))
        return false;
    std::ifstream type(entry / "type");
    int uartType = -1;
    if (type >> uartType && uartType == 0)
        return false;
    return true;
}

fs::path CanonicalOrSelf(const fs::path& p) {
    std::error_code ec;
    fs::path c = fs::canonical(p, ec);
    return ec ? p.lexically_normal() : c;
}

bool LooksLikeSerialNumber(std::string_view token) {
    if (token.size() < 4)
        return false;
    bool digit = false;
    for (unsigned char c : token) {
        if (!std::isalnum(c))
            return false;
        digit = digit || std::isdigit(c);
    }
    return digit;
}

// udev appends the interface ("-if00") and, for multi-port chips, the port ("-port0").
std::size_t InterfaceSuffix(std::string_view name) {
    std::size_t suffix = name.size();
    for (std::size_t at = name.find("-if"); at != std::string_view::npos;
         at = name.find("-if", at + 1)) {
        const std::string_view rest = name.substr(at + 3);
        const std::size_t end = rest.find_first_not_of("0123456789");
        if (end != 0 && (end == std::string_view::npos || rest[end] == '-'))
            suffix = at;
    }
    return suffix;
}

}  // namespace

std::string DescribeById(std::string_view name) {
    if (name.starts_with("usb-"))
        name.remove_prefix(4);
    name = name.substr(0, InterfaceSuffix(name));
    // The rest is vendor_model_serial with blanks turned into underscores.
    std::vector<std::string_view> words;
    std::size_t from = 0;
    while (from <= name.size()) {
        const std::size_t to = std::min(name.find('_', from), name.size());
        if (to > from)
            words.push_back(name.substr(from, to - from));
        from = to + 1;
    }
    if (words.size() >= 2 && LooksLikeSerialNumber(words.back()))
        words.pop_back();
    std::string text;
    for (std::string_view w : words) {
        if (!text.empty())
            text += ' ';
        text += w;
    }
    return text;
}

std::vector<SerialDevice> DiscoverSerialDevices(const DeviceRoots& roots) {
    std::vector<SerialDevice> found;
    std::set<fs::path> taken;
    std::error_code ec;

    // USB adapters first, by the names that stay the same whichever socket they are in.
    std::vector<fs::path> byId;
    for (const auto& entry : fs::directory_iterator(roots.dev / "serial" / "by-id", ec))
        byId.push_back(entry.path());
    std::sort(byId.begin(), byId.end());
    for (const fs::path& link : byId) {
        std::error_code linkError;
        const fs::path target = fs::canonical(link, linkError);
        if (linkError)
            continue;  // dangling: the adapter was just pulled out
        if (!taken.insert(target).second)
            continue;
        found.push_back({link.string(), DescribeById(link.filename().string())});
    }

    std::vector<Candidate> others;
    for (const auto& entry : fs::directory_iterator(roots.dev, ec)) {
        if (auto c = AsCandidate(entry.path().filename().string()))
            others.push_back(*c);
    }
    std::sort(others.begin(), others.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.family, a.number) < std::tie(b.family, b.number);
    });
    for (const Candidate& c : others) {
        if (!IsRealPort(roots, c))
            continue;
        const fs::path path = roots.dev / c.name;
        if (!taken.insert(CanonicalOrSelf(path)).second)
            continue;
        found.push_back({path.string(), std::string(Families[c.family].description)});
    }
    return found;
}

std::vector<SerialDevice> DiscoverSerialDevices() {
    return DiscoverSerialDevices(DeviceRoots{});
}

}  // namespace orvane::link
