// PosixFileSystem::openForAppend: a recording's file, written with one write() per piece
// straight to the kernel (no buffer of our own), so every finished row survives the program.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "storage/file_system.h"

namespace orvane::storage {

namespace {

// Longer first lines are not ours: a recording's header is a few kilobytes.
constexpr std::size_t MaxFirstLine = 64 * 1024;

class PosixAppendingFile final : public AppendingFile {
  public:
    PosixAppendingFile(int fd, bool wasEmpty, std::string firstLine, bool endsMidLine)
        : fd_(fd),
          wasEmpty_(wasEmpty),
          firstLine_(std::move(firstLine)),
          endsMidLine_(endsMidLine) {}
    ~PosixAppendingFile() override { ::close(fd_); }
    PosixAppendingFile(const PosixAppendingFile&) = delete;
    PosixAppendingFile& operator=(const PosixAppendingFile&) = delete;

    bool wasEmpty() const override { return wasEmpty_; }
    const std::string& firstLine() const override { return firstLine_; }
    bool endsMidLine() const override { return endsMidLine_; }

    bool append(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

  private:
    int fd_;
    bool wasEmpty_;
    std::string firstLine_;
    bool endsMidLine_;
};

std::string FirstLine(int fd) {
    std::string line;
    std::array<char, 4096> chunk{};
    off_t offset = 0;
    while (line.size() < MaxFirstLine) {
        const ssize_t n = ::pread(fd, chunk.data(), chunk.size(), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const std::string_view read(chunk.data(), static_cast<std::size_t>(n));
        const std::size_t end = read.find('\n');
        line.append(read.substr(0, end));
        if (end != std::string_view::npos)
            break;
        offset += n;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

}  // namespace

std::unique_ptr<AppendingFile> PosixFileSystem::openForAppend(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NONBLOCK,
                          S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
    if (fd < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    char last = '\n';
    if (info.st_size > 0 && ::pread(fd, &last, 1, info.st_size - 1) != 1)
        last = '\n';
    return std::make_unique<PosixAppendingFile>(fd, info.st_size == 0, FirstLine(fd), last != '\n');
}

}  // namespace orvane::storage
