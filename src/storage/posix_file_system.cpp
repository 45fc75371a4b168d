#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>

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

class PosixOutputFile final : public OutputFile {
  public:
    PosixOutputFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    ~PosixOutputFile() override {
        if (fd_ >= 0)
            ::close(fd_);
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
    // Hidden and without the target's extension, so the file dialogs do not offer it.
    const std::string stem = FolderOf(target.path) + "/." + BaseNameOf(target.path) + ".saving-";
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = stem + std::to_string(::getpid()) + "-" +
                                      std::to_string(static_cast<long long>(std::time(nullptr))) +
                                      "-" + std::to_string(++counter);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            // A replaced file keeps its permissions; a new one gets the usual ones under the
            // user's umask. Until then only we can open the half-written file.
            ::fchmod(fd, target.exists ? static_cast<mode_t>(target.mode) : DefaultMode());
            return std::make_unique<PosixOutputFile>(fd, candidate);
        }
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
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

}  // namespace orvane::storage
