// How `info` words the unit's snapshot for a reader: each value with the caption the window
// gives it (its group and field, "Rete Tensione" / "Grid Voltage"), the firmware version and
// the unit's clock (lamps are captioned as the journal captions them). Pure; any thread.
#pragma once

#include <string>

#include "catalogue/message_catalogue.h"
#include "monitor/unit_snapshot.h"

namespace orvane::cli {

std::string MeasurementCaption(monitor::Measurement m, const catalogue::Language& language);
// "1.7.3".
std::string FirmwareText(const monitor::UnitFirmware& firmware);
// "2026-12-10 18:05:09".
std::string UnitClockText(const monitor::UnitClock& clock);
// The shortest decimal that reads back as `value` ("231.2", "-1"); empty for no number.
std::string ValueText(double value);

}  // namespace orvane::cli
