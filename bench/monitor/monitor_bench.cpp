// Cost of the live link's own logic per tick: one decoder run alone (the snapshot a program
// without a window gets), one shown by the window's presenter (about a hundred control
// writes into a window that does nothing), and whole ticks against an in-memory unit.
#include <benchmark/benchmark.h>

#include "link/device_link.h"
#include "monitor/realtime_decoder.h"
#include "null_screen.h"
#include "support/fake_serial_port.h"
#include "ui/core/live_display.h"
#include "ui/core/snapshot_view.h"
#ifdef ORVANE_BENCH_WITH_SIM
#include "link/posix_serial_port.h"
#include "support/unit_sim_process.h"
#endif

namespace orvane {
namespace {

using testing::AnswerFrame;
using testing::Bytes;

struct Session {
    Session() {
        data.ResetFilters();
        for (std::size_t i = 0; i < poll.TrendBlock.size(); ++i)
            poll.TrendBlock[i] = static_cast<std::uint8_t>(i * 37);
        poll.LiveBlockA[28] = 0x59;
        poll.FirmwareVersion = {1, 7, 3};
    }
    monitor::PollState poll;
    monitor::RealtimeData data;
    bench::NullScreen screen;
    monitor::SystemLocalClock clock;
    catalogue::Language language;
};

void SnapshotWithANewBlock(benchmark::State& state) {
    Session s;
    monitor::RealtimeDecoder decoder(s.poll, s.data, s.language);
    for (auto _ : state) {
        s.poll.TrendBlockReady = true;  // the filters advance on every run
        benchmark::DoNotOptimize(decoder.Run());
    }
}
BENCHMARK(SnapshotWithANewBlock)->Unit(benchmark::kMicrosecond);

void DecoderRunWithANewBlock(benchmark::State& state) {
    Session s;
    monitor::RealtimeDecoder decoder(s.poll, s.data, s.language);
    ui::SnapshotView view(s.screen, s.screen);
    for (auto _ : state) {
        s.poll.TrendBlockReady = true;
        view.take(decoder.Run());
    }
}
BENCHMARK(DecoderRunWithANewBlock)->Unit(benchmark::kMicrosecond);

void DecoderRunWithoutANewBlock(benchmark::State& state) {
    Session s;
    monitor::RealtimeDecoder decoder(s.poll, s.data, s.language);
    ui::SnapshotView view(s.screen, s.screen);
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
    testing::FakeSerialPort port;
    port.setResponder([&answers](const Bytes& request) { return answers[request[5]]; });
    testing::FakeDelay delay;  // the 3 ms turnaround is the unit's time, not ours
    link::PortTable ports;
    ports.setConfigured(0, "/dev/bench");
    link::DeviceLink link(port, ports, delay);
    link.OpenPort(0);
    ui::LiveDisplay monitor(link, s.poll, s.data, s.screen, s.screen, s.clock, s.language);
    for (auto _ : state) {
        monitor.Timer1Timer();
        if (port.written.size() > 1000)
            port.written.clear();
    }
}
BENCHMARK(TickAgainstAnInMemoryUnit)->Unit(benchmark::kMicrosecond);

#ifdef ORVANE_BENCH_WITH_SIM
// The same ticks over a pseudo-terminal to the unit simulator: what a tick costs the window
// thread in all, the exchange's line and turnaround time included.
void TickAgainstTheSimulator(benchmark::State& state) {
    Session s;
    testing::UnitSimProcess sim;
    if (!sim.ready()) {
        state.SkipWithError(sim.error().c_str());
        return;
    }
    link::PortTable ports;
    sim.bindTo(ports, 0);
    link::PosixSerialPort port;
    link::SystemDelay delay;
    link::DeviceLink link(port, ports, delay);
    if (!link.OpenPort(0)) {
        state.SkipWithError("the simulator's port did not open");
        return;
    }
    ui::LiveDisplay monitor(link, s.poll, s.data, s.screen, s.screen, s.clock, s.language);
    for (auto _ : state)
        monitor.Timer1Timer();
}
BENCHMARK(TickAgainstTheSimulator)->Unit(benchmark::kMicrosecond)->Iterations(600);
#endif

}  // namespace
}  // namespace orvane

BENCHMARK_MAIN();
