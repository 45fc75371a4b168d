// The whole program under a running link: the real window polls the unit simulator, which
// answers at the real byte time of 19200 8N1 after a 2 ms turnaround. Reports what an
// installer's PC feels: the program's processor use, how long each tick holds the window
// compared with the floor the line itself sets (the bytes of the tick's request and answer
// at 19200 baud, the fixed 3 ms wait before the read and the unit's turnaround), the time
// from constructing the window to its first frame on screen, and the peak resident memory.
//
//   build-bench/bin/window_bench [--benchmark_filter=paced:1]   (60 s of polling each)
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

#include "window_rig.h"

namespace controls = orvane::frontend::controls;

namespace {

using orvane::bench::WindowRig;
using orvane::bench::WindowRigOptions;
using orvane::testing::UnitSimProcess;

constexpr double ByteMs = 10.0 * 1000.0 / 19200.0;
constexpr double FixedWaitMs = 3.0;
constexpr double TurnaroundMs = 2.0;

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
        WindowRig rig(WindowRigOptions{.simulator = options});
        if (!rig.error().empty()) {
            state.SkipWithError(rig.error().c_str());
            return;
        }
        UnitSimProcess& sim = rig.sim();
        orvane::ui::Form1& window = rig.window();

        TickTimer ticks(window.timer1());
        const std::size_t logBefore = sim.loggedFrames().size();
        const double cpuBefore = orvane::bench::ProcessorSeconds();
        QElapsedTimer wall;
        wall.start();
        QAbstractButton* start = rig.button(controls::Bt_Open);
        start->click();
        QTest::qWait(seconds * 1000);
        start->click();
        const double cpu = orvane::bench::ProcessorSeconds() - cpuBefore;
        const double wallSeconds = wall.nsecsElapsed() / 1e9;

        std::vector<UnitSimProcess::LoggedFrame> log = sim.loggedFrames();
        log.erase(log.begin(), log.begin() + static_cast<long>(logBefore));
        const double floor = FloorMs(log);

        state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wallSeconds;
        state.counters["blocked_to_floor_ratio"] = floor > 0 ? ticks.totalMs / floor : 0;
        state.counters["blocked_ms_per_tick"] = ticks.ticks ? ticks.totalMs / ticks.ticks : 0;
        state.counters["ticks"] = double(ticks.ticks);
        state.counters["startup_to_shown_ms"] = rig.startUpMs();
        state.counters["peak_rss_mb"] = orvane::bench::PeakResidentMegabytes();
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
    return orvane::bench::RunWindowBenchmarks(argc, argv);
}
