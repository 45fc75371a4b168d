#include "monitor/clock_setting.h"

#include <cmath>

namespace orvane::monitor {

namespace {

namespace controls = frontend::controls;

std::uint8_t ToByte(double value) {
    if (std::isnan(value) || value < 0)
        return 0;
    const double whole = std::trunc(value);
    return whole >= 255 ? 255 : static_cast<std::uint8_t>(whole);
}

std::uint8_t ToByte(int value) {
    return value < 0 ? 0 : value > 255 ? 255 : static_cast<std::uint8_t>(value);
}

}  // namespace

ClockSetting ClockSettingPayload(frontend::CalendarDate date, double hour, double minute,
                                 double second) {
    const std::uint8_t year = date.year < 2000 ? 1 : ToByte(date.year - 2000);
    return {ToByte(date.day), ToByte(date.month), year,
            ToByte(hour),     ToByte(minute),     ToByte(second)};
}

ClockSetting ClockSettingFields::clockSetting() const {
    // The clock's spin fields refuse keys that are no number, so they always hold one.
    auto held = [this](frontend::NumberControl control) {
        return fields_.number(control).value_or(std::nan(""));
    };
    return ClockSettingPayload(fields_.date(controls::Sel_Data), held(controls::Num_Ora),
                               held(controls::Num_Minuti), held(controls::Num_Secondi));
}

void FollowPcClock(frontend::Screen& fields, const LocalClock& clock) {
    const LocalTime now = clock.now();
    fields.setDate(controls::Sel_Data, frontend::CalendarDate{now.year, now.month, now.day});
    fields.setNumber(controls::Num_Ora, now.hour);
    fields.setNumber(controls::Num_Minuti, now.minute);
    fields.setNumber(controls::Num_Secondi, now.second);
}

}  // namespace orvane::monitor
