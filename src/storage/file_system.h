// The few file operations the stores need, behind an interface so tests can make any step
// of a save fail (a read-only folder, a full disk, a crash before the rename), and the
// growing file of a recording. The POSIX implementation is the real one. Owned by whoever builds
// the stores (the window); window thread only.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace orvane::storage {

enum class ReadOutcome {
    Read,
    Missing,     // no such file (or no such folder)
    Unreadable,  // it exists but cannot be read: permissions, not a regular file, too large
};

struct FileRead {
    ReadOutcome outcome = ReadOutcome::Missing;
    std::string bytes;
};

// What a save to a path will really replace.
struct SaveTarget {
    std::string path;  // symbolic links followed, so a linked file is updated, not the link
    bool exists = false;
    bool writable = true;  // false for an existing file the user protected against writing
    unsigned mode = 0;     // permissions of the existing file, which its replacement keeps
};

// A freshly created file that nobody else knows about yet.
class OutputFile {
  public:
    virtual ~OutputFile() = default;
    virtual const std::string& path() const = 0;
    virtual bool write(std::string_view bytes) = 0;
    virtual bool flushToDisk() = 0;
    virtual bool close() = 0;
};

// A file that grows at its end, one piece at a time (a recording's rows). Each piece reaches
// the operating system before `append` returns, so a program killed afterwards loses none of
// it. Closed when the object goes.
class AppendingFile {
  public:
    virtual ~AppendingFile() = default;
    virtual bool wasEmpty() const = 0;  // new, or empty, when it was opened
    // The file's first line as it was opened (without its line end).
    virtual const std::string& firstLine() const = 0;
    // The file was not empty and its last line had no line end (a killed writer's torn row).
    virtual bool endsMidLine() const = 0;
    virtual bool append(std::string_view bytes) = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual FileRead readFile(const std::string& path) = 0;
    virtual SaveTarget inspectTarget(const std::string& path) = 0;
    // A new, empty file in the folder of `target` with a name no other file has, with the
    // permissions of the existing target or the default ones; null when the folder does not
    // exist or does not accept new files. It counts as in use until the object goes.
    virtual std::unique_ptr<OutputFile> createTemporaryBeside(const SaveTarget& target) = 0;
    // Deletes the temporaries of `target` that saves killed before their rename left behind,
    // whichever process made them; one still in use by a save is kept, and so is every
    // other file.
    virtual void removeLeftoverTemporaries(const SaveTarget& target) = 0;
    // Puts `from` in place of `to` in one step, so readers see the old or the new file.
    virtual bool replace(const std::string& from, const std::string& to) = 0;
    virtual void remove(const std::string& path) = 0;
    // Creates the folder (its parent must exist); true when it exists afterwards.
    virtual bool makeFolder(const std::string& path) = 0;
    // Opens the regular file at `path` for appending, creating it when missing; null when
    // it cannot be (no such folder, no permission, not a regular file). A file system that
    // keeps no growing files opens none.
    virtual std::unique_ptr<AppendingFile> openForAppend(const std::string& path) {
        (void)path;
        return nullptr;
    }
};

class PosixFileSystem final : public FileSystem {
  public:
    FileRead readFile(const std::string& path) override;
    SaveTarget inspectTarget(const std::string& path) override;
    std::unique_ptr<OutputFile> createTemporaryBeside(const SaveTarget& target) override;
    void removeLeftoverTemporaries(const SaveTarget& target) override;
    bool replace(const std::string& from, const std::string& to) override;
    void remove(const std::string& path) override;
    bool makeFolder(const std::string& path) override;
    std::unique_ptr<AppendingFile> openForAppend(const std::string& path) override;
};

// Files larger than this are not ours: refused rather than read into memory.
inline constexpr std::size_t MaxReadableFileSize = 16u * 1024u * 1024u;

}  // namespace orvane::storage
