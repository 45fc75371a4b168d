#include "monitor/reset_snapshot.h"

#include <charconv>
#include <cstdio>

#include "monitor/unit_snapshot_tables.h"

namespace orvane::monitor {

namespace {

// The captions' group says what a reset clears: the battery counters group holds the
// charge, the capacity and the life counter; the accumulation group the energy totals.
int ClearedGroup(ResetKind kind) {
    return kind == ResetKind::BatteryData ? caption_group::BatteryCounters
                                          : caption_group::Accumulation;
}

std::string Decimal(double value) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return ec == std::errc{} ? std::string(text, end) : std::string("0");
}

}  // namespace

std::vector<Measurement> ClearedBy(ResetKind kind) {
    std::vector<Measurement> cleared;
    for (const MeasurementDescriptor& d : MeasurementTable)
        if (d.groupRow == ClearedGroup(kind))
            cleared.push_back(d.measurement);
    return cleared;
}

std::string_view ResetFileWord(ResetKind kind) {
    return kind == ResetKind::BatteryData ? "battery-data" : "energy-totals";
}

std::string ResetSnapshotCsv(ResetKind kind, const UnitSnapshot& snapshot, const LocalTime& taken,
                             std::uint32_t unitId) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d,%02d:%02d:%02d", taken.year, taken.month,
                  taken.day, taken.hour, taken.minute, taken.second);
    const std::string lead = std::string(stamp) + "," + std::to_string(unitId) + ",";
    std::string csv = "date,time,unitId,quantity,value,unit\n";
    for (Measurement m : ClearedBy(kind)) {
        const MeasurementDescriptor& d = Describe(m);
        csv += lead + std::string(d.id) + "," + Decimal(snapshot.value(m)) + "," +
               std::string(d.unit) + "\n";
    }
    return csv;
}

bool MeasurementsReceived(const RealtimeData& data) {
    return data.TrendBlocksTaken > 0;
}

}  // namespace orvane::monitor
