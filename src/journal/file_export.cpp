#include "journal/file_export.h"

#include <cstdio>

#include "storage/ini_file.h"
#include "storage/parameter_file.h"
#include "storage/parameter_files.h"

namespace orvane::journal {

std::string StampedFileName(std::string_view prefix, const monitor::LocalTime& t,
                            std::string_view extension) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "_%04d-%02d-%02d_%02d-%02d-%02d.", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return std::string(prefix) + stamp + std::string(extension);
}

std::optional<std::string> ChooseFileToWrite(const ExportServices& s, std::string_view prefix,
                                             std::string_view extension) {
    const std::string home = s.workingDirectory.current();
    const std::optional<std::string> chosen =
        s.fileDialogs.chooseSaveFile(storage::JoinPath(home, storage::ParameterFolder),
                                     StampedFileName(prefix, s.clock.now(), extension), extension);
    s.workingDirectory.change(home);
    if (!chosen || chosen->empty())
        return std::nullopt;
    return storage::WithDefaultExtension(*chosen, extension);
}

void ReportUnwritable(const ExportServices& s, const std::string& path, EventKind failed) {
    s.events.record(failed, path);
    s.dialogs.showError(std::string(s.language.text(catalogue::row::CannotWriteFile)) + ": " +
                        path);
}

bool WriteWholeFile(const ExportServices& s, const std::string& path, std::string_view bytes,
                    EventKind done) {
    if (storage::SaveWholeFile(s.files, path, bytes) != storage::SaveOutcome::Saved) {
        ReportUnwritable(s, path, EventKind::fileExportFailed);
        return false;
    }
    s.events.record(done, path);
    return true;
}

}  // namespace orvane::journal
