// Cost of the live link's own logic per tick: one decoder run alone (the snapshot a program
// without a window gets), one shown by the window's presenter (about a hundred control
// writes into a window that does nothing), and whole ticks against an in-memory unit.
#include <benchmark/benchmark.h>

#include "frontend/null_screen.h"
#include "monitor/realtime_decoder.h"
#include "support/program_rig.h"
#include "ui/core/snapshot_view.h"
#ifdef ORVANE_BENCH_WITH_SIM
#include "link/posix_serial_port.h"
#include "support/unit_sim_process.h"
#endif

namespace orvane {
namespace {

using testing::AnswerFrame;
using testing::Bytes;

// The screen and clock of a program without a window, there before the program.
struct Windowless {
    frontend::NullScreen nullScreen;
    monitor::SystemLocalClock systemClock;
};

// The whole program over a window that costs nothing, its blocks holding a unit's answers.
struct Session : Windowless, testing::ProgramRig {
    explicit Session(link::SerialPort* line = nullptr, link::Delay* delay = nullptr)
        : ProgramRig({.screen = &nullScreen,
                      .input = &nullScreen,
                      .port = line,
                      .delay = delay,
                      .clock = &systemClock}) {
        data.ResetFilters();
        for (std::size_t i = 0; i < poll.TrendBlock.size(); ++i)
            poll.TrendBlock[i] = static_cast<std::uint8_t>(i * 37);
        poll.LiveBlockA[28] = 0x59;
        poll.FirmwareVersion = {1, 7, 3};
    }
    monitor::PollState& poll = program.poll;
    monitor::RealtimeData& data = program.data;
};

void SnapshotWithANewBlock(benchmark::State& state) {
    Session s;
    monitor::RealtimeDecoder decoder(s.poll, s.data, s.program.language);
    for (auto _ : state) {
        s.poll.TrendBlockReady = true;  // the filters advance on every run
        benchmark::DoNotOptimize(decoder.Run());
    }
}
BENCHMARK(SnapshotWithANewBlock)->Unit(benchmark::kMicrosecond);

void DecoderRunWithANewBlock(benchmark::State& state) {
    Session s;
    monitor::RealtimeDecoder decoder(s.poll, s.data, s.program.language);
    ui::SnapshotView view(s.nullScreen, s.nullScreen);
    for (auto _ : state) {
        s.poll.TrendBlockReady = true;
        view.take(decoder.Run());
    }
}
BENCHMARK(DecoderRunWithANewBlock)->Unit(benchmark::kMicrosecond);

void DecoderRunWithoutANewBlock(benchmark::State& state) {
    Session s;
    monitor::RealtimeDecoder decoder(s.poll, s.data, s.program.language);
    ui::SnapshotView view(s.nullScreen, s.nullScreen);
    for (auto _ : state)
        view.take(decoder.Run());
}
BENCHMARK(DecoderRunWithoutANewBlock)->Unit(benchmark::kMicrosecond);

// Six ticks make one poll cycle (five exchanges and an idle tick); the unit answers from
// prepared frames so the exchange costs only its copies.
void TickAgainstAnInMemoryUnit(benchmark::State& state) {
    Session s;
    std::map<int, Bytes> answers{
        {0x10, AnswerFrame(0x10, {1, 7, 3})},    {0x14, AnswerFrame(0x14, Bytes(176, 3))},
        {0x20, AnswerFrame(0x20, Bytes(48, 5))}, {0x17, AnswerFrame(0x17, Bytes(108, 7))},
        {0xA0, AnswerFrame(0xA0, Bytes(6, 9))},
    };
    // The rig's port and its recorded waits: the 3 ms turnaround is the unit's time, not ours.
    s.port.setResponder([&answers](const Bytes& request) { return answers[request[5]]; });
    s.program.ports.setConfigured(0, "/dev/bench");
    s.program.link.OpenPort(0);
    for (auto _ : state) {
        s.program.live.Timer1Timer();
        if (s.port.written.size() > 1000)
            s.port.written.clear();
    }
}
BENCHMARK(TickAgainstAnInMemoryUnit)->Unit(benchmark::kMicrosecond);

#ifdef ORVANE_BENCH_WITH_SIM
// The same ticks over a pseudo-terminal to the unit simulator: what a tick costs the window
// thread in all, the exchange's line and turnaround time included.
void TickAgainstTheSimulator(benchmark::State& state) {
    testing::UnitSimProcess sim;
    if (!sim.ready()) {
        state.SkipWithError(sim.error().c_str());
        return;
    }
    link::PosixSerialPort port;
    link::SystemDelay delay;
    Session s(&port, &delay);
    sim.bindTo(s.program.ports, 0);
    if (!s.program.link.OpenPort(0)) {
        state.SkipWithError("the simulator's port did not open");
        return;
    }
    for (auto _ : state)
        s.program.live.Timer1Timer();
}
BENCHMARK(TickAgainstTheSimulator)->Unit(benchmark::kMicrosecond)->Iterations(600);
#endif

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
