#include "storage/record_files.h"

#include "storage/ini_file.h"
#include "storage/parameter_files.h"

namespace orvane::storage {

RecordFile WriteRecordFile(FileSystem& files, const WorkingDirectory& workingDirectory,
                           std::string_view folder, const std::string& stem,
                           std::string_view extension, std::string_view bytes) {
    const std::string saves = JoinPath(workingDirectory.current(), ParameterFolder);
    const std::string home = JoinPath(saves, folder);
    const std::string dot = "." + std::string(extension);
    RecordFile record{false, JoinPath(home, stem + dot)};
    if (!files.makeFolder(saves) || !files.makeFolder(home))
        return record;
    for (int n = 2; files.inspectTarget(record.path).exists; ++n)
        record.path = JoinPath(home, stem + "_" + std::to_string(n) + dot);
    record.saved = SaveWholeFile(files, record.path, bytes) == SaveOutcome::Saved;
    return record;
}

}  // namespace orvane::storage
