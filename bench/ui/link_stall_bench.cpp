// How long the link keeps the window's event loop from serving anything else, on the link
// that runs on the loop and on the blocking link it replaced (`Form1Options::blockingLink`),
// each situation on both in one run: polling the paced unit, the unit silent, the unit
// stopping in the middle of its answers, an import and an export. A probe (a precise 1 ms
// timer) notes how late the loop serves it each time; reported are the longest lateness, its
// 99th percentile over the probe's servings, and the share of the time spent in stalls over
// 16 ms (one frame at 60 Hz), with how often the kernel preempted the process meanwhile (on a
// shared machine a stall may be someone else's). Then the program's processor use while polling
// (without the probe; both links in alternating rounds), and the peak resident memory.
//
//   build-bench/bin/link_stall_bench [--benchmark_filter=Silent]
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "window_rig.h"

namespace controls = orvane::frontend::controls;

namespace {

using orvane::bench::RunLoop;
using orvane::bench::WindowRig;
using orvane::bench::WindowRigOptions;

constexpr double FrameMs = 16.0;

// A precise 1 ms timer on the window's thread; each serving records how much later than due
// the loop got to it.
class LoopProbe {
  public:
    static constexpr int IntervalMs = 1;

    LoopProbe() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(IntervalMs);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { serve(); });
    }
    void start() {
        latenessMs_.clear();
        clock_.start();
        lastMs_ = 0;
        timer_.start();
    }
    void stop() {
        timer_.stop();
        serve();  // the time since the last serving counts too
    }

    struct Figures {
        double longestMs = 0;
        double p99Ms = 0;
        double overFramePercent = 0;  // of the probed time, in stalls over one frame
        double servings = 0;
    };
    Figures figures() const {
        Figures f;
        if (latenessMs_.empty())
            return f;
        std::vector<double> sorted = latenessMs_;
        std::sort(sorted.begin(), sorted.end());
        f.longestMs = sorted.back();
        const auto p99 = static_cast<std::size_t>(std::ceil(0.99 * double(sorted.size()))) - 1;
        f.p99Ms = sorted[p99];
        double stalledMs = 0;
        for (double late : latenessMs_)
            if (late > FrameMs)
                stalledMs += late;
        f.overFramePercent = lastMs_ > 0 ? 100.0 * stalledMs / lastMs_ : 0;
        f.servings = double(latenessMs_.size());
        return f;
    }

  private:
    void serve() {
        const double now = clock_.nsecsElapsed() / 1e6;
        latenessMs_.push_back(std::max(0.0, now - lastMs_ - IntervalMs));
        lastMs_ = now;
    }

    QTimer timer_;
    QElapsedTimer clock_;
    double lastMs_ = 0;
    std::vector<double> latenessMs_;
};

// Starts the link and waits for the unit's first answers.
bool StartPolling(WindowRig& rig) {
    rig.button(controls::Bt_Open)->click();
    return RunLoop(15'000, [&] { return rig.text(controls::Vr_String) == "Comunicazione OK"; });
}

bool Import(WindowRig& rig) {
    rig.button(controls::Bt_Importa)->click();
    RunLoop(20'000, [&] { return !rig.dialogs.boxes.empty(); });
    return !rig.dialogs.boxes.empty() &&
           rig.dialogs.boxes.front().text == "Dati importati correttamente";
}

// Import first, so that the window holds values the unit takes; Yes to both questions.
bool ReadyToExport(WindowRig& rig) {
    if (!Import(rig))
        return false;
    rig.dialogs.boxes.clear();
    rig.dialogs.answers = {true, true};
    return true;
}

bool Export(WindowRig& rig) {
    rig.button(controls::Bt_Scrivi_Eeprom)->click();
    RunLoop(20'000, [&] { return rig.dialogs.boxes.size() >= 3; });
    return rig.dialogs.boxes.size() == 3 &&
           rig.dialogs.boxes[2].text.starts_with("Dati esportati correttamente");
}

struct Situation {
    const char* name;
    bool (*prepare)(WindowRig&);  // not probed
    bool (*provoke)(WindowRig&);  // probed; false: the situation did not come about
};

const Situation Situations[] = {
    {"StallPollingThePacedUnit", StartPolling, [](WindowRig&) { return RunLoop(20'000); }},
    {"StallWhileTheUnitIsSilent",
     [](WindowRig& rig) { return StartPolling(rig) && rig.sim().control("silent on"); },
     [](WindowRig&) { return RunLoop(10'000); }},
    {"StallWhenTheUnitStopsMidAnswer",  // every answer cut after its first half
     [](WindowRig& rig) { return StartPolling(rig) && rig.sim().control("truncate 1"); },
     [](WindowRig&) { return RunLoop(10'000); }},
    {"StallDuringAnImport", [](WindowRig&) { return true; }, Import},
    {"StallDuringAnExport", ReadyToExport, Export},
};

void MeasureStall(benchmark::State& state, const Situation& situation) {
    for (auto _ : state) {
        WindowRig rig(WindowRigOptions{.blockingLink = state.range(0) != 0});
        if (!rig.error().empty()) {
            state.SkipWithError(rig.error().c_str());
            return;
        }
        if (!situation.prepare(rig)) {
            state.SkipWithError("could not set the situation up");
            return;
        }
        LoopProbe probe;
        const double switchesBefore = orvane::bench::InvoluntarySwitches();
        probe.start();
        const bool cameAbout = situation.provoke(rig);
        probe.stop();
        const double preempted = orvane::bench::InvoluntarySwitches() - switchesBefore;
        if (!cameAbout) {
            state.SkipWithError("the situation did not come about");
            return;
        }
        const LoopProbe::Figures f = probe.figures();
        state.counters["longest_ms"] = f.longestMs;
        state.counters["p99_ms"] = f.p99Ms;
        state.counters["over_16ms_pct"] = f.overFramePercent;
        state.counters["servings"] = f.servings;
        state.counters["preempted"] = preempted;
        state.counters["peak_rss_mb"] = orvane::bench::PeakResidentMegabytes();
    }
}

// Both links at once, each its own window and simulator, polling in turn in rounds, so that
// a shared machine's drift falls on both alike.
void CpuWhilePolling(benchmark::State& state) {
    const int roundSeconds = static_cast<int>(state.range(0));
    const int rounds = static_cast<int>(state.range(1));
    for (auto _ : state) {
        WindowRig eventDriven(WindowRigOptions{.blockingLink = false});
        WindowRig blocking(WindowRigOptions{.blockingLink = true});
        WindowRig* const rigs[] = {&eventDriven, &blocking};
        double percent[2] = {0, 0};
        double wakeUps[2] = {0, 0};
        for (int round = 0; round < rounds; ++round) {
            for (int path = 0; path < 2; ++path) {
                WindowRig& rig = *rigs[path];
                if (!rig.error().empty() || !StartPolling(rig)) {
                    state.SkipWithError("the unit never answered");
                    return;
                }
                RunLoop(1'000);  // past the first cycle's answers
                const double waitsBefore = orvane::bench::VoluntarySwitches();
                percent[path] += orvane::bench::CpuPercent([&] { RunLoop(roundSeconds * 1000); });
                wakeUps[path] += orvane::bench::VoluntarySwitches() - waitsBefore;
                rig.button(controls::Bt_Open)->click();  // stop
                RunLoop(200);
            }
        }
        state.counters["cpu_pct_event_driven"] = percent[0] / rounds;
        state.counters["cpu_pct_blocking"] = percent[1] / rounds;
        state.counters["difference_points"] = (percent[0] - percent[1]) / rounds;
        const double polledSeconds = double(rounds) * roundSeconds;
        state.counters["wakeups_per_s_event_driven"] = wakeUps[0] / polledSeconds;
        state.counters["wakeups_per_s_blocking"] = wakeUps[1] / polledSeconds;
        state.counters["peak_rss_mb"] = orvane::bench::PeakResidentMegabytes();
    }
}

}  // namespace

int main(int argc, char** argv) {
    for (const Situation& situation : Situations)
        benchmark::RegisterBenchmark(situation.name, MeasureStall, situation)
            ->ArgNames({"blocking"})
            ->Arg(0)
            ->Arg(1)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark("CpuWhilePolling", CpuWhilePolling)
        ->ArgNames({"round_s", "rounds"})
        ->Args({10, 3})
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->UseRealTime();
    return orvane::bench::RunWindowBenchmarks(argc, argv);
}
