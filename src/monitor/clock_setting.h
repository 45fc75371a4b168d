// The clock command's 6-byte payload and where it comes from when its poll step runs: the
// clock-setting fields of the advanced page (`Sel_Data`, `Num_Ora`, `Num_Minuti`,
// `Num_Secondi`), into which the window copies the PC clock while `Ck_Agg_Clock` is on.
// Window thread only.
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

// What the clock command sends, asked at the moment its poll step runs.
class ClockSettingSource {
  public:
    virtual ~ClockSettingSource() = default;
    virtual ClockSetting clockSetting() const = 0;
};

// The window's four clock-setting fields as they are now. `fields` must outlive it; owned
// next to the live monitor that asks it.
class ClockSettingFields final : public ClockSettingSource {
  public:
    explicit ClockSettingFields(const frontend::ScreenReader& fields) : fields_(fields) {}
    ClockSetting clockSetting() const override;

  private:
    const frontend::ScreenReader& fields_;
};

// Copies the PC's local date and time into the four fields.
void FollowPcClock(frontend::Screen& fields, const LocalClock& clock);

}  // namespace orvane::monitor
