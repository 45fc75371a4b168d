#include "unit-sim/control.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace orvane::unitsim {

namespace {

using Kind = ValueKind;
using Section = HelpSection;

constexpr unsigned MaxMilliseconds = 60'000;
constexpr unsigned MaxCount = 1'000'000;

template <typename T>
bool ParseUnsigned(std::string_view text, T max, T& out) {
    unsigned long long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || text.empty() || v > max)
        return false;
    out = static_cast<T>(v);
    return true;
}

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

const RuntimeSetting Table[] = {
    {"turnaround", Kind::Milliseconds, Section::Line, "MS",
     "pause between a request and its answer (default 2)",
     [](Settings& s, const SettingValue& v) { s.turnaroundMs = v.number; }},
    {"pace", Kind::Flag, Section::Line, "", "send at the byte time of 19200 8N1 (10 bits a byte)",
     [](Settings& s, const SettingValue& v) { s.pace = v.number != 0; }},
    {"fw", Kind::Version, Section::Unit, "X.Y.Z", "firmware version to answer (default 1.7.3)",
     [](Settings& s, const SettingValue& v) { s.firmware = v.version; }},
    {"write-status", Kind::Byte, Section::Unit, "S",
     "status of memory-write answers (default 1 = written;\nany other stores nothing)",
     [](Settings& s, const SettingValue& v) {
         s.writeStatus = static_cast<std::uint8_t>(v.number);
     }},
    {"charge-fault", Kind::Flag, Section::Unit, "", "raise the battery charge fault",
     [](Settings& s, const SettingValue& v) {
         s.chargeFault = v.number ? Settings::ChargeFault::Raise : Settings::ChargeFault::Clear;
     }},
    {"silent", Kind::Flag, Section::Faults, "", "answer nothing",
     [](Settings& s, const SettingValue& v) { s.faults.silent = v.number != 0; }},
    {"corrupt", Kind::Count, Section::Faults, "N", "invert one byte of every Nth answer",
     [](Settings& s, const SettingValue& v) { s.faults.corruptEvery = v.number; }},
    {"truncate", Kind::Count, Section::Faults, "N", "send only the first half of every Nth answer",
     [](Settings& s, const SettingValue& v) { s.faults.truncateEvery = v.number; }},
    {"drop", Kind::Count, Section::Faults, "N", "leave every Nth request unanswered",
     [](Settings& s, const SettingValue& v) { s.faults.dropEvery = v.number; }},
    {"leading-zero", Kind::Flag, Section::Faults, "", "send a 0x00 before each answer",
     [](Settings& s, const SettingValue& v) { s.faults.leadingZero = v.number != 0; }},
    {"dup-first", Kind::Flag, Section::Faults, "", "send the first byte of each answer twice",
     [](Settings& s, const SettingValue& v) { s.faults.dupFirst = v.number != 0; }},
    {"wrong-function", Kind::Flag, Section::Faults, "",
     "answer with another function code, checksum valid",
     [](Settings& s, const SettingValue& v) { s.faults.wrongFunction = v.number != 0; }},
    {"gap", Kind::Milliseconds, Section::Faults, "MS", "pause MS in the middle of each answer",
     [](Settings& s, const SettingValue& v) { s.faults.gapMs = v.number; }},
    {"garbage", Kind::Count, Section::Faults, "N", "send N random bytes before each answer",
     [](Settings& s, const SettingValue& v) { s.faults.garbage = v.number; }},
    {"lose-commit-answer", Kind::Flag, Section::Faults, "",
     "keep every EEPROM commit but never answer it",
     [](Settings& s, const SettingValue& v) { s.faults.loseCommitAnswer = v.number != 0; }},
};

}  // namespace

std::span<const RuntimeSetting> RuntimeSettings() {
    return Table;
}

const RuntimeSetting* FindRuntimeSetting(std::string_view name) {
    for (const RuntimeSetting& s : Table)
        if (name == s.name)
            return &s;
    return nullptr;
}

bool ParseFirmwareVersion(std::string_view text, FirmwareVersion& version) {
    std::uint8_t parts[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto dot = text.find('.');
        const std::string_view part = i < 2 ? text.substr(0, dot) : text;
        if ((i < 2 && dot == std::string_view::npos) ||
            !ParseUnsigned<std::uint8_t>(part, 255, parts[i]))
            return false;
        if (i < 2)
            text.remove_prefix(dot + 1);
    }
    version = {parts[0], parts[1], parts[2]};
    return true;
}

bool ParseSettingValue(ValueKind kind, std::string_view text, SettingValue& value,
                       std::string& error) {
    switch (kind) {
        case Kind::Flag:
            if (text == "on")
                value.number = 1;
            else if (text == "off")
                value.number = 0;
            else {
                error = "expected on or off, got \"" + std::string(text) + "\"";
                return false;
            }
            return true;
        case Kind::Count:
            if (text == "off") {
                value.number = 0;
                return true;
            }
            if (ParseUnsigned(text, MaxCount, value.number))
                return true;
            error = "expected a count from 0 to " + std::to_string(MaxCount) + ", got \"" +
                    std::string(text) + "\"";
            return false;
        case Kind::Milliseconds:
            if (ParseUnsigned(text, MaxMilliseconds, value.number))
                return true;
            error = "expected milliseconds from 0 to " + std::to_string(MaxMilliseconds) +
                    ", got \"" + std::string(text) + "\"";
            return false;
        case Kind::Byte:
            if (ParseUnsigned(text, 255u, value.number))
                return true;
            error = "expected a byte from 0 to 255, got \"" + std::string(text) + "\"";
            return false;
        case Kind::Version:
            if (ParseFirmwareVersion(text, value.version))
                return true;
            error = "expected a version X.Y.Z (each 0 to 255), got \"" + std::string(text) + "\"";
            return false;
    }
    return false;
}

bool ApplyControlLine(std::string_view line, Settings& settings, std::string& error) {
    line = Trim(line);
    const auto blank = line.find_first_of(" \t");
    const std::string_view name = line.substr(0, blank);
    const std::string_view text = blank == std::string_view::npos ? "" : Trim(line.substr(blank));
    const RuntimeSetting* setting = FindRuntimeSetting(name);
    if (!setting) {
        error = "unknown setting \"" + std::string(name) + "\"";
        return false;
    }
    SettingValue value;
    if (!ParseSettingValue(setting->kind, text, value, error)) {
        error = std::string(name) + ": " + error;
        return false;
    }
    setting->apply(settings, value);
    return true;
}

ControlFifo::~ControlFifo() {
    if (readFd_ >= 0)
        ::close(readFd_);
    if (writeFd_ >= 0)
        ::close(writeFd_);
    if (!path_.empty())
        ::unlink(path_.c_str());
}

bool ControlFifo::open(const std::string& path, std::string& error) {
    if (::mkfifo(path.c_str(), 0600) != 0) {
        const int why = errno;
        struct stat st {};
        if (why != EEXIST) {
            error = "cannot create the control FIFO " + path + ": " + std::strerror(why);
            return false;
        }
        if (::lstat(path.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode)) {
            error = "cannot create the control FIFO " + path + ": something else is in the way";
            return false;
        }
    }
    path_ = path;
    readFd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (readFd_ >= 0)
        writeFd_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (readFd_ < 0 || writeFd_ < 0) {
        error = "cannot open the control FIFO " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::vector<std::string> ControlFifo::readLines() {
    std::vector<std::string> lines;
    if (readFd_ < 0)
        return lines;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(readFd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        partial_.append(buffer, static_cast<std::size_t>(n));
    }
    std::size_t newline;
    while ((newline = partial_.find('\n')) != std::string::npos) {
        lines.push_back(partial_.substr(0, newline));
        partial_.erase(0, newline + 1);
    }
    if (partial_.size() > 4096)
        partial_.clear();  // nobody sends such a line; do not grow
    return lines;
}

}  // namespace orvane::unitsim
