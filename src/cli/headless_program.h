// The program without a window: the composition root over a screen that only remembers what
// the cores write (`MemoryScreen`, so the parameter fields, the clock-setting fields and the
// selected port work as in the window), the terminal as the operator, the file named on the
// command line as every file dialog's answer, and the machine's own port, delay, clock and
// files. It comes up as the window does (FormCreate, FormShow: Charger.INI and its PORTE
// bindings, the present devices, defaults, the language's texts) but never writes
// Charger.INI; going, it closes the port. Owned by one command-line job; one thread.
#pragma once

#include <optional>
#include <string>

#include "cli/terminal_dialogs.h"
#include "frontend/file_dialogs.h"
#include "frontend/memory_screen.h"
#include "frontend/null_screen.h"
#include "link/delay.h"
#include "link/monotonic_clock.h"
#include "link/posix_serial_port.h"
#include "monitor/local_clock.h"
#include "monitor/poll_timer.h"
#include "monitor/snapshot_sink.h"
#include "storage/file_system.h"
#include "storage/working_directory.h"
#include "ui/core/session.h"

namespace orvane::cli {

// The answer of every file dialog: the file the command line names.
class GivenFile final : public frontend::FileDialogs {
  public:
    void give(std::string path) { path_ = std::move(path); }
    std::optional<std::string> chooseSaveFile(const std::string&, const std::string&,
                                              std::string_view) override {
        return path_;
    }
    std::optional<std::string> chooseOpenFile(const std::string&, std::string_view) override {
        return path_;
    }

  private:
    std::optional<std::string> path_;
};

// `Timer1` as a flag: the job's loop ticks while the link runs it.
class PollTimerFlag final : public monitor::PollTimer {
  public:
    void setRunning(bool running) override { running_ = running; }
    bool running() const { return running_; }

  private:
    bool running_ = false;
};

// The program's sink after the window's presenter: keeps each tick's snapshot and hands it
// on to the job's listener, if it has one.
class SnapshotRelay final : public monitor::SnapshotSink {
  public:
    void take(const monitor::UnitSnapshot& snapshot) override {
        last_ = snapshot;
        if (listener_ != nullptr)
            listener_->take(snapshot);
    }
    // `listener` must outlive its time here; nullptr: none.
    void listen(monitor::SnapshotSink* listener) { listener_ = listener; }
    const monitor::UnitSnapshot& last() const { return last_; }

  private:
    monitor::UnitSnapshot last_;
    monitor::SnapshotSink* listener_ = nullptr;
};

struct Terminal {
    std::istream& in;
    std::ostream& out;  // data
    std::ostream& err;  // messages
};

class HeadlessProgram {
  public:
    // Reads Charger.INI in the working directory and binds the ports (FormCreate). The
    // streams must outlive the program.
    explicit HeadlessProgram(const Terminal& terminal);
    ~HeadlessProgram();
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    // LINGUA of Charger.INI (Italian when it names no language we have).
    int settingsLanguage() const { return program().settings.LanguageIndex; }
    // Picks the language and the port list's entry, then shows the program (FormShow).
    void show(int languageIndex, int portIndex);

    ui::Program& program() { return session_.program(); }
    const ui::Program& program() const { return session_.program(); }
    frontend::MemoryScreen& screen() { return screen_; }
    TerminalDialogs& dialogs() { return dialogs_; }
    GivenFile& file() { return file_; }
    const PollTimerFlag& timer() const { return timer_; }
    SnapshotRelay& snapshots() { return relay_; }
    const monitor::LocalClock& clock() const { return clock_; }
    const Terminal& terminal() const { return terminal_; }

  private:
    struct NoFrame final : ui::WindowFrame {
        void moveTo(int, int) override {}
        int left() const override { return 0; }
        int top() const override { return 0; }
        bool applySkin(std::string_view) override { return true; }
    };

    Terminal terminal_;
    catalogue::Language startLanguage_;  // the dialogs' until the program's exists
    frontend::MemoryScreen screen_;
    frontend::NullScreen noCharts_;  // no trend charts without a window
    TerminalDialogs dialogs_;
    GivenFile file_;
    PollTimerFlag timer_;
    monitor::SystemLocalClock clock_;
    link::SteadyClock monotonicClock_;
    link::PosixSerialPort port_;
    link::SystemDelay delay_;
    storage::PosixFileSystem files_;
    storage::ProcessWorkingDirectory workingDirectory_;
    SnapshotRelay relay_;
    NoFrame frame_;
    ui::Session session_;
};

}  // namespace orvane::cli
