// Runs the built orvane-cli (ORVANE_CLI_PATH) as a child process in a given working
// directory: its input from a text, its output and errors through pipes, its exit status.
// `run` waits for the end; `start` lets a test read the output line by line as it comes
// (waiting on the pipe, never on a timer) and signal the program. Test thread only.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace orvane::testing {

struct CliResult {
    int status = -1;  // the exit status; -1 when the program did not exit by itself
    std::string out;
    std::string err;
};

class CliProcess {
  public:
    CliProcess(std::string workingDirectory, std::vector<std::string> arguments,
               std::string input = {});
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // The next output line without its end, once it has come; nothing at the end of the
    // output or after `timeout`.
    std::optional<std::string> readLine(
        std::chrono::milliseconds timeout = std::chrono::seconds(10));
    void signal(int number);
    // Reads what is left and waits for the exit (killing the program after `timeout`).
    CliResult finish(std::chrono::milliseconds timeout = std::chrono::seconds(60));

  private:
    bool fill(int fd, std::string& into, std::chrono::milliseconds timeout);

    pid_t pid_ = -1;
    int outFd_ = -1;
    int errFd_ = -1;
    std::string out_;     // read but not yet handed out as a line
    std::string allOut_;  // everything read
    std::string err_;
};

// Runs the program to its end.
CliResult RunCli(const std::string& workingDirectory, std::vector<std::string> arguments,
                 std::string input = {});

}  // namespace orvane::testing
