// What the two destructive resets erase, kept before they are raised: the last values
// received of the battery counters (with the charge and the capacity) or of the energy
// totals, as CSV text with the date, the time and the unit's identifier. The rows come
// from the snapshot tables (stable identifiers, ASCII units). Pure functions, plus the
// interface of the store that writes the file (storage implements it; tests record).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/local_clock.h"
#include "monitor/realtime_data.h"
#include "monitor/unit_snapshot.h"

namespace orvane::monitor {

enum class ResetKind : std::uint8_t { BatteryData, EnergyTotals };

// The measurements the reset clears, in table order.
std::vector<Measurement> ClearedBy(ResetKind kind);

// The word naming the reset in the file name: "battery-data", "energy-totals".
std::string_view ResetFileWord(ResetKind kind);

// UTF-8, comma-separated, '.' decimals, one header row and one row per measurement:
// date,time,unitId,quantity,value,unit
std::string ResetSnapshotCsv(ResetKind kind, const UnitSnapshot& snapshot, const LocalTime& taken,
                             std::uint32_t unitId);

// A measurement block has been taken since the window was shown: there is something to keep.
bool MeasurementsReceived(const RealtimeData& data);

struct SnapshotOutcome {
    bool saved = false;
    std::string path;  // where it went, or where it could not go
};

// Writes the snapshot of a reset. Owned by the program root; window thread only.
class ResetSnapshots {
  public:
    virtual ~ResetSnapshots() = default;
    // False while no value has been received: there is nothing to keep.
    virtual bool valuesReceived() const = 0;
    virtual SnapshotOutcome save(ResetKind kind) = 0;
};

}  // namespace orvane::monitor
