// The real window against the unit simulator, as the window benchmarks run it: the simulator
// answering after a 2 ms turnaround (paced at the line's byte time unless told otherwise), a
// scratch working folder whose Charger.INI binds "COM 1" to it, the Amakrits skin, message
// boxes and file dialogs answered by the benchmark, the window shown. Also the process figures
// the benchmarks report, and their common main. Benchmark thread (the window's) only.
#pragma once

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/fake_screen.h"
#include "support/scratch_directory.h"
#include "support/storage_fakes.h"
#include "support/unit_sim_process.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/form1.h"
#include "ui/window/program_font.h"
#include "ui/window/qt_screen.h"

namespace orvane::bench {

// Seconds of processor time (user and system) the process has used.
inline double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

inline double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// How often the kernel took the processor from the process while it could have run on (a
// shared machine's stalls that are not the program's).
inline double InvoluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_nivcsw);
}

// How often the process gave the processor up to wait (each wake-up of its loop is one).
inline double VoluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_nvcsw);
}

// Percent of a core the process used while `run` ran.
template <typename Run>
double CpuPercent(Run run) {
    const double before = ProcessorSeconds();
    QElapsedTimer wall;
    wall.start();
    run();
    return 100.0 * (ProcessorSeconds() - before) / (wall.nsecsElapsed() / 1e9);
}

// Runs the event loop itself (not QTest::qWait, which sleeps 10 ms between passes and would
// add stalls of its own) until `done` holds, checked every few milliseconds, or `timeoutMs`
// passes. An empty `done` just waits.
inline bool RunLoop(int timeoutMs, const std::function<bool()>& done = {}) {
    QEventLoop loop;
    bool held = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer check;
    check.setInterval(5);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done && done()) {
            held = true;
            loop.quit();
        }
    });
    deadline.start(timeoutMs);
    if (done)
        check.start();
    loop.exec();
    return !done || held;
}

struct WindowRigOptions {
    std::vector<std::string> simulator{"--turnaround", "2", "--pace"};
    bool blockingLink = false;
};

class WindowRig {
  public:
    explicit WindowRig(WindowRigOptions options = {})
        : sim_(options.simulator), previous_(std::filesystem::current_path()) {
        if (!sim_.ready()) {
            error_ = sim_.error();
            return;
        }
        std::filesystem::current_path(folder_.path());
        folder_.write("Charger.INI", "[PORTE]\r\nCOM1=" + sim_.slavePath() + "\r\n");
        skins_.apply(u"Amakrits");
        ui::Form1Options form;
        form.dialogs = &dialogs;
        form.fileDialogs = &fileDialogs;
        form.blockingLink = options.blockingLink;
        QElapsedTimer startUp;
        startUp.start();
        window_ = std::make_unique<ui::Form1>(skins_, form);
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) {
            error_ = "the window never showed";
            return;
        }
        QApplication::processEvents();
        startUpMs_ = startUp.nsecsElapsed() / 1e6;
    }
    ~WindowRig() {
        if (window_)
            window_->close();
        window_.reset();
        std::filesystem::current_path(previous_);
    }
    WindowRig(const WindowRig&) = delete;
    WindowRig& operator=(const WindowRig&) = delete;

    // Empty once the simulator serves and the window is on screen.
    const std::string& error() const { return error_; }
    ui::Form1& window() { return *window_; }
    testing::UnitSimProcess& sim() { return sim_; }
    testing::ScratchDirectory& folder() { return folder_; }
    // From constructing the window to its first frame on screen.
    double startUpMs() const { return startUpMs_; }

    QAbstractButton* button(
        frontend::AnyOf<frontend::ControlKind::Button, frontend::ControlKind::LargeButton> c) {
        return static_cast<QAbstractButton*>(window_->screen().widget(c));
    }
    std::string text(frontend::AnyControl c) { return window_->screen().captionOf(c.id()); }

    testing::FakeOperator dialogs;  // answers {} : every question No
    testing::FakeFileDialogs fileDialogs;

  private:
    testing::ScratchDirectory folder_;
    testing::UnitSimProcess sim_;
    std::filesystem::path previous_;
    ui::SkinSwitcher skins_;
    std::unique_ptr<ui::Form1> window_;
    std::string error_;
    double startUpMs_ = 0;
};

// The main of every window benchmark: the offscreen platform unless another is asked for,
// the program's font, then the registered benchmarks.
inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(ui::ProgramFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace orvane::bench
