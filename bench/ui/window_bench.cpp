// The whole program under a running link: the real window polls the unit simulator, which
// answers at the real byte time of 19200 8N1 after a 2 ms turnaround. Reports what an
// installer's PC feels: the program's processor use, how long each tick holds the window
// compared with the floor the line itself sets (the bytes of the tick's request and answer
// at 19200 baud, the fixed 3 ms wait before the read and the unit's turnaround), the time
// from constructing the window to its first frame on screen, and the peak resident memory.
//
//   build-bench/bin/window_bench [--benchmark_filter=paced:1]   (60 s of polling each)
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <chrono>
#include <filesystem>

#include "support/scratch_directory.h"
#include "support/unit_sim_process.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/form1.h"
#include "ui/window/program_font.h"
#include "ui/window/qt_screen.h"

namespace controls = orvane::frontend::controls;

namespace {

using orvane::testing::ScratchDirectory;
using orvane::testing::UnitSimProcess;

constexpr double ByteMs = 10.0 * 1000.0 / 19200.0;
constexpr double FixedWaitMs = 3.0;
constexpr double TurnaroundMs = 2.0;

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Times each Timer1 tick: from the timer event reaching the timer to the end of the
// window's own slot (this object's slot is connected after it).
class TickTimer final : public QObject {
  public:
    explicit TickTimer(QTimer& timer) {
        timer.installEventFilter(this);
        connect(&timer, &QTimer::timeout, this, [this] {
            totalMs += clock_.nsecsElapsed() / 1e6;
            ++ticks;
        });
    }
    double totalMs = 0;
    long ticks = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Timer)
            clock_.start();
        return false;
    }

  private:
    QElapsedTimer clock_;
};

// The line's floor for every exchange in the simulator's frame log.
double FloorMs(const std::vector<UnitSimProcess::LoggedFrame>& log) {
    double floor = 0;
    for (const UnitSimProcess::LoggedFrame& frame : log) {
        floor += static_cast<double>(frame.bytes.size()) * ByteMs;
        if (!frame.fromUnit)
            floor += FixedWaitMs + TurnaroundMs;
    }
    return floor;
}

void WindowPollingThePacedUnit(benchmark::State& state) {
    const int seconds = static_cast<int>(state.range(0));
    const bool paced = state.range(1) != 0;
    std::vector<std::string> options{"--turnaround", "2"};
    if (paced)
        options.push_back("--pace");
    for (auto _ : state) {
        UnitSimProcess sim(options);
        if (!sim.ready()) {
            state.SkipWithError(sim.error().c_str());
            return;
        }
        ScratchDirectory folder;
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        folder.write("Charger.INI", "[PORTE]\r\nCOM1=" + sim.slavePath() + "\r\n");

        orvane::ui::SkinSwitcher skins;
        skins.apply(u"Amakrits");
        QElapsedTimer startUp;
        startUp.start();
        orvane::ui::Form1 window(skins);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window never showed");
            return;
        }
        QApplication::processEvents();
        const double startUpMs = startUp.nsecsElapsed() / 1e6;

        TickTimer ticks(window.timer1());
        const std::size_t logBefore = sim.loggedFrames().size();
        const double cpuBefore = ProcessorSeconds();
        QElapsedTimer wall;
        wall.start();
        auto* start = static_cast<QAbstractButton*>(window.screen().widget(controls::Bt_Open));
        start->click();
        QTest::qWait(seconds * 1000);
        start->click();
        const double cpu = ProcessorSeconds() - cpuBefore;
        const double wallSeconds = wall.nsecsElapsed() / 1e9;

        std::vector<UnitSimProcess::LoggedFrame> log = sim.loggedFrames();
        log.erase(log.begin(), log.begin() + static_cast<long>(logBefore));
        const double floor = FloorMs(log);

        state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wallSeconds;
        state.counters["blocked_to_floor_ratio"] = floor > 0 ? ticks.totalMs / floor : 0;
        state.counters["blocked_ms_per_tick"] = ticks.ticks ? ticks.totalMs / ticks.ticks : 0;
        state.counters["ticks"] = double(ticks.ticks);
        state.counters["startup_to_shown_ms"] = startUpMs;
        state.counters["peak_rss_mb"] = PeakResidentMegabytes();
        window.close();
        std::filesystem::current_path(previous);
    }
}
// Seconds of polling; 1: the unit answers at the line's byte time, 0: all at once (what a
// USB adapter's packets look like to the program).
BENCHMARK(WindowPollingThePacedUnit)
    ->ArgNames({"seconds", "paced"})
    ->Args({60, 1})
    ->Args({60, 0})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(orvane::ui::ProgramFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
