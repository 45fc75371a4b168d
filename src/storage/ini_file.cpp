#include "storage/ini_file.h"

namespace orvane::storage {

LoadedIni LoadIniFile(FileSystem& files, const std::string& path) {
    FileRead read = files.readFile(path);
    LoadedIni loaded;
    loaded.outcome = read.outcome;
    if (read.outcome == ReadOutcome::Read)
        loaded.document = IniDocument::Parse(read.bytes);
    return loaded;
}

SaveOutcome SaveWholeFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    const SaveTarget target = files.inspectTarget(path);
    // Renaming over a file would succeed even where the user protected the file itself.
    if (target.exists && !target.writable)
        return SaveOutcome::CannotWrite;
    files.removeLeftoverTemporaries(target);
    const auto temporary = files.createTemporaryBeside(target);
    if (!temporary)
        return SaveOutcome::CannotOpen;
    bool ok = temporary->write(bytes) && temporary->flushToDisk();
    ok = temporary->close() && ok;
    if (ok && files.replace(temporary->path(), target.path))
        return SaveOutcome::Saved;
    files.remove(temporary->path());
    return SaveOutcome::CannotWrite;
}

SaveOutcome UpdateIniFile(FileSystem& files, const std::string& path,
                          const std::function<void(IniDocument&)>& edit) {
    LoadedIni loaded = LoadIniFile(files, path);
    if (loaded.outcome == ReadOutcome::Unreadable)
        return SaveOutcome::CannotOpen;
    edit(loaded.document);
    return SaveWholeFile(files, path, loaded.document.bytes());
}

std::string UnableToWriteText(std::string_view path) {
    return "Unable to write to " + std::string(path);
}

}  // namespace orvane::storage
