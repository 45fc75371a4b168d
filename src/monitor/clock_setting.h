// The clock-setting fields of the advanced page (`Sel_Data`, `Num_Ora`, `Num_Minuti`,
// `Num_Secondi`): the 6-byte payload built from them for the unit, and the copy of the PC
// clock into them while `Ck_Agg_Clock` is on. Free functions; window thread only.
#pragma once

#include <array>
#include <cstdint>

#include "frontend/screen.h"
#include "monitor/local_clock.h"

namespace orvane::monitor {

inline constexpr std::size_t ClockSettingSize = 6;
using ClockSetting = std::array<std::uint8_t, ClockSettingSize>;

// Day, month, year - 2000 (1 for a year before 2000), hour, minute, second. Field values
// are truncated toward zero; anything outside 0..255 (or not a number) cannot be sent as
// one byte and is pinned to the nearest end, NaN to 0, so it never wraps into a
// plausible-looking time.
ClockSetting ClockSettingPayload(frontend::CalendarDate date, double hour, double minute,
                                 double second);

// The payload from the fields as they are now.
ClockSetting ReadClockSetting(const frontend::ScreenReader& fields);

// Copies the PC's local date and time into the four fields.
void FollowPcClock(frontend::Screen& fields, const LocalClock& clock);

}  // namespace orvane::monitor
