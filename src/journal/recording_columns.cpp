#include "journal/recording_columns.h"

#include <vector>

#include "journal/csv.h"
#include "monitor/unit_snapshot_tables.h"

namespace orvane::journal {

namespace {

std::string HeaderLine() {
    std::vector<std::string> fields{"time"};
    for (const monitor::MeasurementDescriptor& d : monitor::MeasurementTable)
        fields.push_back(CsvField(MeasurementColumn(d.measurement)));
    for (const monitor::LampDescriptor& d : monitor::LampTable)
        fields.push_back(CsvField(d.id));
    fields.emplace_back("link");
    return CsvLine(fields);
}

}  // namespace

std::string MeasurementColumn(monitor::Measurement measurement) {
    const monitor::MeasurementDescriptor& d = monitor::Describe(measurement);
    return d.unit.empty() ? std::string(d.id)
                          : std::string(d.id) + " [" + std::string(d.unit) + ']';
}

std::string RecordingHeader() {
    static const std::string header = HeaderLine();
    return header;
}

std::string RecordingRow(const monitor::UnitSnapshot& snapshot, const monitor::LocalTime& time) {
    std::vector<std::string> fields;
    fields.reserve(1 + monitor::MeasurementCount + monitor::UnitLampCount + 1);
    fields.push_back(IsoLocalTime(time));
    for (double value : snapshot.measurements)
        fields.push_back(CsvNumber(value));
    for (bool lit : snapshot.lamps)
        fields.emplace_back(lit ? "1" : "0");
    fields.emplace_back(monitor::IdOf(snapshot.link.condition));
    return CsvLine(fields);
}

}  // namespace orvane::journal
