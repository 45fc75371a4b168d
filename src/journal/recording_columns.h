// The columns of a recording and of anything else that writes the unit's life as CSV, one row
// per snapshot: the local time, every measurement of the typed picture with its unit in the
// header, every lamp as 0/1 and the link's condition as its stable English word. The header
// and each row are whole CSV lines (see csv.h) ready to be appended to a file or a stream.
// Needs only the monitor's snapshot; pure functions, any thread.
#pragma once

#include <string>
#include <vector>

#include "monitor/local_clock.h"
#include "monitor/unit_snapshot.h"

namespace orvane::journal {

// "time,gridVoltage [V],...,blocked,...,link" with its CR LF.
std::string RecordingHeader();
// One row of `snapshot` taken at `time`, with its CR LF; a value that is no number is an
// empty field.
std::string RecordingRow(const monitor::UnitSnapshot& snapshot, const monitor::LocalTime& time);
// The same columns as fields, each not yet quoted for CSV: the header's ("gridVoltage [V]")
// and one snapshot's values (a number that is none is empty). A table prints them as they are.
std::vector<std::string> RecordingColumnNames();
std::vector<std::string> RecordingValues(const monitor::UnitSnapshot& snapshot,
                                         const monitor::LocalTime& time);
// The same row as one JSON object on one line, without the line end: each column under its
// identifier without the unit ("gridVoltage"), measurements as numbers (null for none), lamps
// as true/false, the time and the link's condition as strings.
std::string RecordingJson(const monitor::UnitSnapshot& snapshot, const monitor::LocalTime& time);
// "gridVoltage [V]"; the identifier alone for a plain number.
std::string MeasurementColumn(monitor::Measurement measurement);

}  // namespace orvane::journal
