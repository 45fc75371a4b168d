#include "link/port_table.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace orvane::link {

std::string PortTable::PortName(int index) {
    if (index < 0 || index >= PortCount) return {};
    return "COM " + std::to_string(index + 1);
}

void PortTable::setConfigured(int index, std::string path) {
    if (index < 0 || index >= PortCount) return;
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
        if (e.configured) configured.push_back(Resolved(e.path));
    }
    auto taken = [&configured](const std::string& path) {
        return std::find(configured.begin(), configured.end(), Resolved(path)) !=
               configured.end();
    };
    auto next = present.begin();
    for (Entry& e : entries_) {
        if (e.configured) continue;
        while (next != present.end() && taken(next->path)) ++next;
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
    if (index < 0 || index >= PortCount) return std::nullopt;
    const Entry& e = entries_[static_cast<std::size_t>(index)];
    if (e.path.empty()) return std::nullopt;
    return e.path;
}

std::string PortTable::entryText(int index) const {
    std::string text = PortName(index);
    if (text.empty()) return text;
    const Entry& e = entries_[static_cast<std::size_t>(index)];
    text += " \u2014 ";
    if (e.path.empty()) return text + "none";
    text += e.path;
    if (!e.description.empty()) text += " (" + e.description + ")";
    return text;
}

}  // namespace orvane::link
