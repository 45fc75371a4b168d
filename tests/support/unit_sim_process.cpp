#include "support/unit_sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace orvane::testing {

namespace {

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for the child to exit within `timeout`; false if it is still running.
bool WaitForExit(pid_t pid, std::chrono::milliseconds timeout, int& status) {
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    if (pidfd >= 0) {
        pollfd p{pidfd, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(timeout.count()));
        ::close(pidfd);
        if (ready <= 0)
            return false;
    }
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return false;
    return true;
}

}  // namespace

const char* UnitSimExecutable() {
    return ORVANE_UNIT_SIM_PATH;
}

UnitSimProcess::UnitSimProcess(std::vector<std::string> arguments,
                               std::chrono::milliseconds readyTimeout) {
    if (scratch_.path().empty()) {
        error_ = "no scratch directory";
        return;
    }
    controlPath_ = scratch_.file("control");
    logPath_ = scratch_.file("frames.log");

    std::vector<std::string> args = {UnitSimExecutable(), "--turnaround", "20",    "--control",
                                     controlPath_,        "--log",        logPath_};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        pid_ = -1;
        ::close(out[0]);
        error_ = std::string("cannot start ") + argv[0] + ": " + std::strerror(spawned);
        return;
    }
    stdoutFd_ = out[0];

    // The first line is "ready <slave path>"; anything else, or nothing in time, is a failure.
    const auto deadline = Clock::now() + readyTimeout;
    std::string text;
    while (text.find('\n') == std::string::npos) {
        pollfd p{stdoutFd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, RemainingMs(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0) {
            error_ = "the simulator did not report ready in time";
            return;
        }
        char buffer[256];
        const ssize_t n = ::read(stdoutFd_, buffer, sizeof buffer);
        if (n <= 0) {
            error_ = "the simulator exited before it was ready";
            return;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    const std::string line = text.substr(0, text.find('\n'));
    const std::string prefix = "ready ";
    if (line.rfind(prefix, 0) != 0 || line.size() == prefix.size()) {
        error_ = "unexpected first line from the simulator: " + line;
        return;
    }
    slavePath_ = line.substr(prefix.size());
}

UnitSimProcess::~UnitSimProcess() {
    stop();
    if (stdoutFd_ >= 0)
        ::close(stdoutFd_);
}

void UnitSimProcess::bindTo(link::PortTable& ports, int index) const {
    ports.setConfigured(index, slavePath_);
}

bool UnitSimProcess::control(const std::string& line) {
    const int fd = ::open(controlPath_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const std::string text = line + "\n";
    // One write of less than PIPE_BUF bytes arrives whole.
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

std::vector<std::string> UnitSimProcess::logLines() const {
    std::vector<std::string> lines;
    std::ifstream in(logPath_);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::vector<UnitSimProcess::LoggedFrame> UnitSimProcess::loggedFrames() const {
    std::vector<LoggedFrame> frames;
    for (const std::string& line : logLines()) {
        std::istringstream in(line);
        std::string time, direction, hex;
        in >> time >> direction;
        LoggedFrame frame{direction == "tx", {}};
        while (in >> hex)
            frame.bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex, nullptr, 16)));
        frames.push_back(std::move(frame));
    }
    return frames;
}

bool UnitSimProcess::waitForLogLines(std::size_t count, std::chrono::milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    const int watch = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (watch < 0)
        return logLines().size() >= count;
    ::inotify_add_watch(watch, logPath_.c_str(), IN_MODIFY);
    bool enough = false;
    for (;;) {
        // Checked after the watch is in place, so no line can slip in unnoticed.
        if ((enough = logLines().size() >= count))
            break;
        pollfd p{watch, POLLIN, 0};
        if (::poll(&p, 1, RemainingMs(deadline)) <= 0)
            break;
        char events[4096];
        while (::read(watch, events, sizeof events) > 0) {
        }
    }
    ::close(watch);
    return enough;
}

int UnitSimProcess::stop(int signal) {
    if (pid_ <= 0)
        return -1;
    ::kill(pid_, signal);
    int status = 0;
    if (!WaitForExit(pid_, std::chrono::seconds(10), status)) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return -1;
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace orvane::testing
