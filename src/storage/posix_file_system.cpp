#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "storage/file_system.h"

namespace orvane::storage {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporaries are named "." + target name + ".saving-" + pid + "-" + time + "-" + count:
// hidden and without the target's extension, so the file dialogs do not offer them.
std::string TemporaryPrefix(const SaveTarget& target) {
    return "." + BaseNameOf(target.path) + ".saving-";
}

std::string TemporaryName(const std::string& prefix, unsigned count) {
    return prefix + std::to_string(::getpid()) + "-" +
           std::to_string(static_cast<long long>(std::time(nullptr))) + "-" + std::to_string(count);
}

// The prefix followed by exactly three numbers joined by dashes, as TemporaryName makes them.
bool IsTemporaryName(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix))
        return false;
    name.remove_prefix(prefix.size());
    int numbers = 0;
    bool inNumber = false;
    for (const char c : name) {
        if (c >= '0' && c <= '9') {
            numbers += inNumber ? 0 : 1;
            inNumber = true;
        } else if (c == '-' && inNumber) {
            inNumber = false;
        } else {
            return false;
        }
    }
    return inNumber && numbers == 3;
}

// Whether `path` still names the file open on `fd`.
bool StillNamed(int fd, const std::string& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// A temporary is in use while a save holds its lock. The lock goes with the process that
// holds it, so the file of a killed save is free at once, whoever made it.
bool TryLock(int fd) {
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// Deletes `path` when it is a regular file that no save holds.
void RemoveIfUnused(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && TryLock(fd) && StillNamed(fd, path))
        ::unlink(path.c_str());
    ::close(fd);
}

class PosixOutputFile final : public OutputFile {
  public:
    // The second descriptor keeps the in-use lock past close(), until the save is over.
    PosixOutputFile(int fd, std::string path)
        : fd_(fd), lockFd_(::dup(fd)), path_(std::move(path)) {}
    ~PosixOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
        if (lockFd_ >= 0)
            ::close(lockFd_);
    }
    PosixOutputFile(const PosixOutputFile&) = delete;
    PosixOutputFile& operator=(const PosixOutputFile&) = delete;

    const std::string& path() const override { return path_; }

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    bool flushToDisk() override { return ::fsync(fd_) == 0; }

    bool close() override {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
    int lockFd_;
    std::string path_;
};

mode_t DefaultMode() {
    // umask can only be read by setting it; the program has one thread.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

FileRead PosixFileSystem::readFile(const std::string& path) {
    FileRead result;
    // Non-blocking, so a FIFO picked in a dialog cannot hang the window before fstat
    // refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.outcome =
            (errno == ENOENT || errno == ENOTDIR) ? ReadOutcome::Missing : ReadOutcome::Unreadable;
        return result;
    }
    struct stat st {};
    result.outcome = ReadOutcome::Unreadable;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::size_t>(st.st_size) <= MaxReadableFileSize) {
        std::string bytes;
        char buffer[4096];
        bool failed = false;
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > MaxReadableFileSize) {
                failed = true;
                break;
            }
            if (n == 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        if (!failed) {
            result.outcome = ReadOutcome::Read;
            result.bytes = std::move(bytes);
        }
    }
    ::close(fd);
    return result;
}

SaveTarget PosixFileSystem::inspectTarget(const std::string& path) {
    SaveTarget target;
    target.path = path;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return target;
    target.exists = true;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        target.path = real;
        std::free(real);
    }
    target.writable = ::access(target.path.c_str(), W_OK) == 0;
    target.mode = static_cast<unsigned>(st.st_mode & 07777);
    return target;
}

std::unique_ptr<OutputFile> PosixFileSystem::createTemporaryBeside(const SaveTarget& target) {
    const std::string stem = FolderOf(target.path) + "/" + TemporaryPrefix(target);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = TemporaryName(stem, ++counter);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno != EEXIST)
                return nullptr;
            continue;
        }
        // Another program's clean-up may have found the file before it was locked and taken
        // it for a leftover: it is gone, or going, so a new name is tried. A folder that
        // knows no locks at all still takes the save.
        const bool takenByCleanUp = !TryLock(fd) && errno == EWOULDBLOCK;
        if (takenByCleanUp || !StillNamed(fd, candidate)) {
            ::close(fd);
            continue;
        }
        // A replaced file keeps its permissions; a new one gets the usual ones under the
        // user's umask. Until then only we can open the half-written file.
        ::fchmod(fd, target.exists ? static_cast<mode_t>(target.mode) : DefaultMode());
        return std::make_unique<PosixOutputFile>(fd, candidate);
    }
    return nullptr;
}

void PosixFileSystem::removeLeftoverTemporaries(const SaveTarget& target) {
    const std::string folder = FolderOf(target.path);
    const std::string prefix = TemporaryPrefix(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryName(entry->d_name, prefix))
            leftovers.push_back(folder + "/" + entry->d_name);
    ::closedir(dir);
    for (const std::string& path : leftovers)
        RemoveIfUnused(path);
}

bool PosixFileSystem::replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The rename itself must reach the disk too, or a power cut may bring the old name back.
    const int dir = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void PosixFileSystem::remove(const std::string& path) {
    ::unlink(path.c_str());
}

bool PosixFileSystem::makeFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0)
        return true;
    struct stat st {};
    return errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace orvane::storage
