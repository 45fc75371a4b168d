#include "cli/cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace orvane::testing {

namespace {

using Clock = std::chrono::steady_clock;

int RemainingMs(Clock::time_point end) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

CliProcess::CliProcess(std::string workingDirectory, std::vector<std::string> arguments,
                       std::string input) {
    int in[2], out[2], err[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0)
        return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            ::close(fd);
        if (::chdir(workingDirectory.c_str()) != 0)
            ::_exit(126);
        std::vector<char*> argv{const_cast<char*>(ORVANE_CLI_PATH)};
        for (std::string& a : arguments)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(ORVANE_CLI_PATH, argv.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    // The input is small: it fits the pipe, and closing it gives the program its end.
    if (!input.empty() && ::write(in[1], input.data(), input.size()) < 0)
        std::perror("input");
    ::close(in[1]);
    outFd_ = out[0];
    errFd_ = err[0];
}

CliProcess::~CliProcess() {
    if (pid_ > 0)
        finish(std::chrono::seconds(5));
}

bool CliProcess::fill(int fd, std::string& into, std::chrono::milliseconds timeout) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0)
        return false;
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0)
        return false;
    into.append(buffer, static_cast<std::size_t>(n));
    return true;
}

std::optional<std::string> CliProcess::readLine(std::chrono::milliseconds timeout) {
    const Clock::time_point end = Clock::now() + timeout;
    for (;;) {
        if (const auto newline = out_.find('\n'); newline != std::string::npos) {
            std::string line = out_.substr(0, newline);
            out_.erase(0, newline + 1);
            return line;
        }
        std::string more;
        if (outFd_ < 0 || !fill(outFd_, more, std::chrono::milliseconds(RemainingMs(end))))
            return std::nullopt;
        out_ += more;
        allOut_ += more;
    }
}

void CliProcess::signal(int number) {
    if (pid_ > 0)
        ::kill(pid_, number);
}

CliResult CliProcess::finish(std::chrono::milliseconds timeout) {
    CliResult result;
    if (pid_ <= 0)
        return result;
    const Clock::time_point end = Clock::now() + timeout;
    bool outOpen = true, errOpen = true;
    while ((outOpen || errOpen) && RemainingMs(end) > 0) {
        pollfd p[2] = {{outOpen ? outFd_ : -1, POLLIN, 0}, {errOpen ? errFd_ : -1, POLLIN, 0}};
        if (::poll(p, 2, RemainingMs(end)) <= 0)
            break;
        char buffer[4096];
        for (int i = 0; i < 2; ++i) {
            if ((p[i].revents & (POLLIN | POLLHUP)) == 0)
                continue;
            const ssize_t n = ::read(p[i].fd, buffer, sizeof buffer);
            if (n <= 0)
                (i == 0 ? outOpen : errOpen) = false;
            else
                (i == 0 ? allOut_ : err_).append(buffer, static_cast<std::size_t>(n));
        }
    }
    if (outOpen || errOpen)
        ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    ::close(outFd_);
    ::close(errFd_);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = allOut_;
    result.err = err_;
    return result;
}

CliResult RunCli(const std::string& workingDirectory, std::vector<std::string> arguments,
                 std::string input) {
    return CliProcess(workingDirectory, std::move(arguments), std::move(input)).finish();
}

}  // namespace orvane::testing
