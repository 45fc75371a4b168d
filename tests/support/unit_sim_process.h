// Runs the built unit simulator (build/bin/orvane-unit-sim) as a child process for end-to-end
// tests: starts it on a fresh pseudo-terminal with a control FIFO and a frame log of its own,
// waits for its "ready <slave path>" line, and stops it (SIGTERM, then waits for it) when the
// object goes. Test thread only.
//
//   UnitSimProcess sim({"--fw", "1.8.0"});
//   ASSERT_TRUE(sim.ready()) << sim.error();
//   link::PortTable ports;
//   sim.bindTo(ports, 0);          // list entry "COM 1" is now the simulator
//   sim.control("corrupt 2");      // applies to every request sent after this returns
//   sim.logLines();                // "<ms> rx|tx <hex bytes>"
#pragma once

#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "link/port_table.h"
#include "support/scratch_directory.h"

namespace orvane::testing {

class UnitSimProcess {
  public:
    // `arguments` are passed on as they are (e.g. {"--silent"}, {"--eeprom", path}).
    // The simulator answers 20 ms after each request unless they say otherwise: the link
    // purges its input once its request has gone out, and on a loaded machine the test
    // process may get the processor back only after a quicker answer has arrived and is
    // then thrown away.
    explicit UnitSimProcess(std::vector<std::string> arguments = {},
                            std::chrono::milliseconds readyTimeout = std::chrono::seconds(20));
    ~UnitSimProcess();
    UnitSimProcess(const UnitSimProcess&) = delete;
    UnitSimProcess& operator=(const UnitSimProcess&) = delete;

    // True once the simulator printed its ready line; otherwise error() says why not.
    bool ready() const { return !slavePath_.empty(); }
    const std::string& error() const { return error_; }
    const std::string& slavePath() const { return slavePath_; }
    pid_t pid() const { return pid_; }

    // Makes port-list entry `index` open the simulator's pseudo-terminal.
    void bindTo(link::PortTable& ports, int index) const;

    // Writes one control line ("silent on", "corrupt 0", "fw 1.8.0") into the FIFO. The
    // simulator reads it before it serves any request sent after this returns.
    bool control(const std::string& line);

    // The frame log as written so far. An answered request and its answer are in the log by
    // the time the answer can be read.
    std::vector<std::string> logLines() const;
    // The same log as frames: whether the simulator sent it (an answer) or received it (a
    // request), and its bytes.
    struct LoggedFrame {
        bool fromUnit;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<LoggedFrame> loggedFrames() const;
    // Waits (without polling) until the log holds at least `count` lines.
    bool waitForLogLines(std::size_t count,
                         std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

    // Sends `signal` (SIGTERM unless told otherwise), then waits for the exit. Returns the
    // exit code, or -1 if it did not exit normally (or was not running).
    int stop(int signal = SIGTERM);

    const std::string& controlPath() const { return controlPath_; }
    const std::string& logPath() const { return logPath_; }

  private:
    ScratchDirectory scratch_;
    std::string controlPath_;
    std::string logPath_;
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    std::string slavePath_;
    std::string error_;
};

// Path of the built simulator, as the build passes it to the tests.
const char* UnitSimExecutable();

}  // namespace orvane::testing
