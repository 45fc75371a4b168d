// INI files on disk: read whole, saved whole. A save writes the complete new image into a
// temporary file beside the target, flushes it to the disk and renames it over the target,
// so an interrupted or failed save leaves the old file exactly as it was, never a torn one.
// The temporaries that killed saves left beside a file go at its next save.
// Free functions; window thread.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "storage/file_system.h"
#include "storage/ini_document.h"

namespace orvane::storage {

enum class SaveOutcome {
    Saved,
    CannotOpen,   // the file cannot be created (or, existing, cannot be read to be kept)
    CannotWrite,  // a protected file, a failed write or a failed rename; nothing changed
};

struct LoadedIni {
    ReadOutcome outcome = ReadOutcome::Missing;
    IniDocument document;  // empty unless the file was read
};

LoadedIni LoadIniFile(FileSystem& files, const std::string& path);

// Replaces the file at `path` with `bytes` in one step.
SaveOutcome SaveWholeFile(FileSystem& files, const std::string& path, std::string_view bytes);

// Reads the file (a missing one is empty), lets `edit` write its keys and saves the result.
// A file that exists but cannot be read is not overwritten, since what it holds would be
// lost: CannotOpen.
SaveOutcome UpdateIniFile(FileSystem& files, const std::string& path,
                          const std::function<void(IniDocument&)>& edit);

// The error text of a file that could not be written.
std::string UnableToWriteText(std::string_view path);

}  // namespace orvane::storage
