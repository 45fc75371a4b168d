// The window's live link driven from a loop: `Timer1Timer` every 75 ms while the link is
// started, the same poll cycle, decoder and sinks, until the job has what it waits for.
// Used by every job that talks to the unit; one thread.
#pragma once

#include <functional>

#include "cli/exit_status.h"
#include "cli/headless_program.h"
#include "monitor/unit_snapshot.h"

namespace orvane::cli {

// The window's tick period (`Timer1`).
inline constexpr int TickMs = 75;

// Starts the link as `Bt_Open` does; portNotOpened when the port did not open (the window's
// message, with its advice, has been given).
ExitStatus StartPolling(HeadlessProgram& headless);

// Ticks at the window's pace, each tick due 75 ms after the last was due (one that ran late
// is not made up for), while the link runs, until `done` says so after a tick or a
// stop is requested. False when it ended otherwise than by `done`.
bool TickUntil(HeadlessProgram& headless, const std::function<bool()>& done);

// Ticks until the firmware step has answered; noAnswer (with the window's line) when the
// cycle fails five times first. With `refuseFirmware`, an incompatible firmware ends with
// its message and incompatibleFirmware.
ExitStatus AwaitFirmware(HeadlessProgram& headless, bool refuseFirmware);

// Ticks until a whole round has come in: firmware, status blocks, a measurement block and
// the clock. The same failures as AwaitFirmware.
ExitStatus AwaitFullRound(HeadlessProgram& headless, bool refuseFirmware);

}  // namespace orvane::cli
