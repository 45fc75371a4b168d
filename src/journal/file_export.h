// What the program's own exports share (the journal, a recording, a chart's records and
// picture): the operator chooses the file in the save dialog, which opens in the saves
// folder with a time-stamped name; a whole file is written in one step, so a failed write
// leaves an existing file as it was; every outcome goes to the journal and a failure to the
// operator too. Window thread only.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/message_catalogue.h"
#include "frontend/file_dialogs.h"
#include "frontend/operator_dialogs.h"
#include "journal/event_sink.h"
#include "monitor/local_clock.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"

namespace orvane::journal {

// Every reference must outlive whoever holds this.
struct ExportServices {
    frontend::FileDialogs& fileDialogs;
    frontend::OperatorDialogs& dialogs;
    storage::FileSystem& files;
    storage::WorkingDirectory& workingDirectory;
    const monitor::LocalClock& clock;
    const catalogue::Language& language;
    EventSink& events;
};

// "Orvane_Registro_2024-12-09_14-05-33.csv" for `prefix` "Orvane_Registro".
std::string StampedFileName(std::string_view prefix, const monitor::LocalTime& time,
                            std::string_view extension);

// The file the operator chose, with "." + `extension` added when its name has none; nothing
// when cancelled. The working directory is the same afterwards.
std::optional<std::string> ChooseFileToWrite(const ExportServices& s, std::string_view prefix,
                                             std::string_view extension);

// "Impossibile scrivere il file: <path>", shown and journaled as `failed`.
void ReportUnwritable(const ExportServices& s, const std::string& path, EventKind failed);

// Replaces the file at `path` by `bytes`; journals `done` with the path, or reports the
// failure (as `fileExportFailed`). True when written.
bool WriteWholeFile(const ExportServices& s, const std::string& path, std::string_view bytes,
                    EventKind done);

}  // namespace orvane::journal
