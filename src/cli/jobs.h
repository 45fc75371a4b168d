// The command line's jobs, each over a program that has been shown (`HeadlessProgram::show`)
// and each running the window's own sequences: the same frames, pauses, checks, messages
// and files. Data go to the terminal's output, messages to its error stream. One thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cli/exit_status.h"
#include "cli/headless_program.h"

namespace orvane::cli {

// "COM n", device path (or the catalogue's word for none) and description, tab-separated.
ExitStatus RunPorts(HeadlessProgram& headless);

// Firmware version, the unit's clock, every measurement (caption, value, unit) and the
// lamps that are on, after one whole poll round.
ExitStatus RunInfo(HeadlessProgram& headless);

enum class WatchFormat : std::uint8_t { table, csv, json };
// One line per new measurement block, with the columns of the window's recording (a header
// line first, but for JSON), until `count` lines (none: no end) or a stop request. A change
// of the link's condition is told on the message stream.
ExitStatus RunWatch(HeadlessProgram& headless, WatchFormat format,
                    std::optional<std::uint64_t> count);

// The import (`Bt_Importa`), then Save (`Bt_Salva_Disco`) into `path`.
ExitStatus RunParamsRead(HeadlessProgram& headless, const std::string& path);
// Loads `path` (`Bt_Leggi_Disco`), then the comparison with the unit (`Bt_Confronta`).
ExitStatus RunParamsDiff(HeadlessProgram& headless, const std::string& path);
// Loads `path`, then the export (`Bt_Scrivi_Eeprom`) with its checks, backup and list.
ExitStatus RunParamsWrite(HeadlessProgram& headless, const std::string& path);

// `Bt_Set_Clock` with the clock-setting fields following the PC clock (`Ck_Agg_Clock`).
ExitStatus RunClockSync(HeadlessProgram& headless);

// The names of the command buttons a script may press, in --help order.
inline constexpr std::string_view CommandNames[] = {
    "block", "start", "full-charge", "reset-charge-fault", "reset-battery", "reset-energy"};
// The button's handler after one whole poll round (so a reset has values to keep), then the
// ticks until the unit has taken the command.
ExitStatus RunCommand(HeadlessProgram& headless, std::string_view name);

}  // namespace orvane::cli
