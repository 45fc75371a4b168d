#include "link/port_table.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "link/serial_discovery.h"

namespace orvane::link {

std::string PortTable::PortName(int index) {
    if (index < 0 || index >= PortCount)
        return {};
    return "COM " + std::to_string(index + 1);
}

void PortTable::setConfigured(int index, std::string path) {
    if (index < 0 || index >= PortCount)
        return;
    Entry& e = entries_[static_cast<std::size_t>(index)];
    e.configured = !path.empty();
    e.path = std::move(path);
    e.description.clear();
}

namespace {

// One adapter has several names (/dev/ttyUSB0 and its by-id link); compare what they
// lead to. A path that does not resolve is compared as written.
std::filesystem::path Resolved(const std::string& path) {
    std::error_code ec;
    std::filesystem::path resolved = std::filesystem::canonical(path, ec);
    return ec ? std::filesystem::path(path).lexically_normal() : resolved;
}

}  // namespace

void PortTable::assignPresent(const std::vector<SerialDevice>& present) {
    std::vector<std::filesystem::path> configured;
    for (const Entry& e : entries_) {
        if (e.configured)
            configured.push_back(Resolved(e.path));
    }
    auto taken = [&configured](const std::string& path) {
        return std::find(configured.begin(), configured.end(), Resolved(path)) != configured.end();
    };
    auto next = present.begin();
    for (Entry& e : entries_) {
        if (e.configured)
            continue;
        while (next != present.end() && taken(next->path))
            ++next;
        if (next == present.end()) {
            e.path.clear();
            e.description.clear();
            continue;
        }
        e.path = next->path;
        e.description = next->description;
        ++next;
    }
}

std::optional<std::string> PortTable::devicePath(int index) const {
    if (index < 0 || index >= PortCount)
        return std::nullopt;
    const Entry& e = entries_[static_cast<std::size_t>(index)];
    if (e.path.empty())
        return std::nullopt;
    return e.path;
}

std::string PortTable::description(int index) const {
    if (index < 0 || index >= PortCount)
        return {};
    return entries_[static_cast<std::size_t>(index)].description;
}

std::string PortTable::entryText(int index, std::string_view noDevice) const {
    return entry(index, noDevice, [](const Entry& e) {
        return e.description.empty() ? e.path : e.path + " (" + e.description + ")";
    });
}

std::string PortTable::entryLabel(int index, std::string_view noDevice) const {
    return entry(index, noDevice, [](const Entry& e) {
        const std::filesystem::path path(e.path);
        if (path.parent_path().filename() == "by-id")
            return e.description.empty() ? DescribeById(path.filename().string()) : e.description;
        // "ttyS0" tells two built-in ports apart where their description would not.
        const std::filesystem::path underDev = path.lexically_relative("/dev");
        if (!underDev.empty() && *underDev.begin() != "..")
            return underDev.string();
        return path.filename().string();
    });
}

template <class DeviceText>
std::string PortTable::entry(int index, std::string_view noDevice, DeviceText device) const {
    std::string text = PortName(index);
    if (text.empty())
        return text;
    const Entry& e = entries_[static_cast<std::size_t>(index)];
    return text + " \u2014 " + (e.path.empty() ? std::string(noDevice) : device(e));
}

}  // namespace orvane::link
