// The files the program writes on its own when the operator overwrites something of the
// unit's (the backup before an export, the values kept before a reset): each a new file in
// its own folder under `Salvataggi`, which is made where missing. Free functions; window
// thread.
#pragma once

#include <string>
#include <string_view>

#include "storage/file_system.h"
#include "storage/working_directory.h"

namespace orvane::storage {

inline constexpr std::string_view BackupFolder = "Backup";
inline constexpr std::string_view SnapshotFolder = "Snapshot";

// Writes `bytes` as a new file `stem`.`extension` in `Salvataggi/<folder>` under the working
// directory; a name already taken gets "_2", "_3", ... before the extension, so nothing
// earlier is overwritten. Returns the path, and whether the file was written.
struct RecordFile {
    bool saved = false;
    std::string path;
};
RecordFile WriteRecordFile(FileSystem& files, const WorkingDirectory& workingDirectory,
                           std::string_view folder, const std::string& stem,
                           std::string_view extension, std::string_view bytes);

}  // namespace orvane::storage
