// The settings that can change while the simulator runs, by name, one table for both the
// command line ("--corrupt 3") and the control FIFO ("corrupt 3"); and the FIFO itself.
// Owned by the main loop; one thread.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "unit-sim/settings.h"

namespace orvane::unitsim {

enum class ValueKind { Flag, Count, Milliseconds, Byte, Version };

enum class HelpSection { Line, Unit, Faults, Diagnostics };

struct SettingValue {
    unsigned number = 0;  // flags: 1 on, 0 off
    FirmwareVersion version;
};

struct RuntimeSetting {
    const char* name;
    ValueKind kind;
    HelpSection section;
    const char* argument;  // shown in the help; empty for flags
    const char* help;
    void (*apply)(Settings&, const SettingValue&);
};

std::span<const RuntimeSetting> RuntimeSettings();
const RuntimeSetting* FindRuntimeSetting(std::string_view name);

// Reads a value of `kind` ("on"/"off" for flags, "off" also for counts); error text on failure.
bool ParseSettingValue(ValueKind kind, std::string_view text, SettingValue& value,
                       std::string& error);
bool ParseFirmwareVersion(std::string_view text, FirmwareVersion& version);

// "name value", blanks around either ignored. False with a reason for anything else; the
// settings are then unchanged.
bool ApplyControlLine(std::string_view line, Settings& settings, std::string& error);

// A FIFO that any process may write control lines into. The simulator keeps a writer of its
// own open so the FIFO never reports end-of-file between two writers.
class ControlFifo {
  public:
    ControlFifo() = default;
    ControlFifo(const ControlFifo&) = delete;
    ControlFifo& operator=(const ControlFifo&) = delete;
    // Removes the FIFO it created.
    ~ControlFifo();

    // Creates the FIFO at `path` (an existing FIFO is taken over; anything else is refused).
    bool open(const std::string& path, std::string& error);
    int fd() const { return readFd_; }
    // The complete lines that have arrived; never blocks.
    std::vector<std::string> readLines();

  private:
    std::string path_;
    int readFd_ = -1;
    int writeFd_ = -1;
    std::string partial_;
};

}  // namespace orvane::unitsim
