#include "journal/recording_columns.h"

#include <vector>

#include "journal/csv.h"
#include "monitor/unit_snapshot_tables.h"

namespace orvane::journal {

namespace {

std::string HeaderLine() {
    std::vector<std::string> fields = RecordingColumnNames();
    for (std::string& field : fields)
        field = CsvField(field);
    return CsvLine(fields);
}

// The identifiers and times are ASCII; quotes and backslashes are escaped all the same, so
// no value can break the line.
std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
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

std::vector<std::string> RecordingColumnNames() {
    std::vector<std::string> names{"time"};
    for (const monitor::MeasurementDescriptor& d : monitor::MeasurementTable)
        names.push_back(MeasurementColumn(d.measurement));
    for (const monitor::LampDescriptor& d : monitor::LampTable)
        names.emplace_back(d.id);
    names.emplace_back("link");
    return names;
}

std::vector<std::string> RecordingValues(const monitor::UnitSnapshot& snapshot,
                                         const monitor::LocalTime& time) {
    std::vector<std::string> fields;
    fields.reserve(1 + monitor::MeasurementCount + monitor::UnitLampCount + 1);
    fields.push_back(IsoLocalTime(time));
    for (double value : snapshot.measurements)
        fields.push_back(CsvNumber(value));
    for (bool lit : snapshot.lamps)
        fields.emplace_back(lit ? "1" : "0");
    fields.emplace_back(monitor::IdOf(snapshot.link.condition));
    return fields;
}

std::string RecordingRow(const monitor::UnitSnapshot& snapshot, const monitor::LocalTime& time) {
    std::vector<std::string> fields = RecordingValues(snapshot, time);
    for (std::string& field : fields)
        field = CsvField(field);
    return CsvLine(fields);
}

std::string RecordingJson(const monitor::UnitSnapshot& snapshot, const monitor::LocalTime& time) {
    std::string json = "{\"time\":" + JsonString(IsoLocalTime(time));
    for (const monitor::MeasurementDescriptor& d : monitor::MeasurementTable) {
        const std::string value = CsvNumber(snapshot.value(d.measurement));
        json += ',' + JsonString(d.id) + ':' + (value.empty() ? "null" : value);
    }
    for (const monitor::LampDescriptor& d : monitor::LampTable)
        json += ',' + JsonString(d.id) + ':' + (snapshot.lit(d.lamp) ? "true" : "false");
    return json + ",\"link\":" + JsonString(monitor::IdOf(snapshot.link.condition)) + '}';
}

}  // namespace orvane::journal
