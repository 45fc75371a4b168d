// How long one Exchange holds the window thread, for each block the poll cycle asks for,
// with the read ending as soon as the frame is in ("early") and with the read waiting for
// the line to fall silent ("plain"). The unit is a pseudo-terminal peer that answers 2 ms
// after it has read the request.
//
// Overhead = mean duration - 3 ms. The peer's 2 ms turnaround starts as soon as the request
// has been written, the link's fixed 3 ms wait a little later, after the purge; the two
// overlap and the answer is already queued when the wait ends, so only the longer of the
// two, the 3 ms wait, is subtracted. A pseudo-terminal moves bytes at no baud rate, so
// what remains is the software's own cost; on a real 19200 baud line the answer's
// transmission time (about 0.52 ms a byte) comes on top.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <utility>

#include "link/device_link.h"
#include "link/posix_serial_port.h"
#include "support/fake_serial_port.h"
#include "support/pty_peer.h"

namespace {

using namespace orvane;
using Clock = std::chrono::steady_clock;

struct Block {
    const char* name;
    std::uint8_t function;
    std::uint8_t m;
};
constexpr Block Blocks[] = {
    {"FirmwareVersion", link::function::FirmwareVersion, 3},
    {"LiveBlockA", link::function::LiveBlockA, 176},
    {"LiveBlockB", link::function::LiveBlockB, 48},
    {"TrendBlock", link::function::TrendBlock, 108},
    {"ClockBlock", link::function::ClockRead, 6},
};
constexpr double FixedWaitMs = link::AnswerTurnaroundMs;

// Mean milliseconds per exchange, by block index and mode, for the closing summary.
std::map<std::pair<int, bool>, double> meanMs;

void ExchangeOnce(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    const bool early = state.range(1) != 0;
    const Block& block = Blocks[index];

    testing::PtyPeer peer(std::chrono::milliseconds(2));
    link::PosixSerialPort posix;
    testing::ListeningSignalPort port(posix, peer);
    link::PortTable ports;
    ports.setConfigured(0, peer.devicePath());
    link::SystemDelay delay;
    link::DeviceLink deviceLink(port, ports, delay);
    if (!deviceLink.OpenPort(0)) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    deviceLink.setEarlyCompletion(early);
    testing::Bytes payload(block.m);
    for (std::size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<std::uint8_t>(i * 7);
    peer.answerAlways(testing::AnswerFrame(block.function, payload));

    testing::Bytes buffer(240, 0);
    Clock::duration total{};
    std::int64_t exchanges = 0;
    for (auto _ : state) {
        buffer[0] = 0x00;
        const auto start = Clock::now();
        const std::uint8_t result =
            deviceLink.Exchange(link::UnitAddress, link::MasterAddress, block.function, buffer, 1,
                                0, 0, block.m);
        total += Clock::now() - start;
        ++exchanges;
        if (result != link::exchange_result::Ok) {
            state.SkipWithError("the exchange failed");
            return;
        }
    }
    const double mean =
        std::chrono::duration<double, std::milli>(total).count() / static_cast<double>(exchanges);
    meanMs[{index, early}] = mean;
    state.counters["mean_ms"] = mean;
    state.counters["overhead_ms"] = mean - FixedWaitMs;
    state.SetLabel(std::string(block.name) + (early ? " early" : " plain"));
}

BENCHMARK(ExchangeOnce)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1, 0}})
    ->ArgNames({"block", "early"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(0.5);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n%-16s %10s %10s %12s %12s\n", "block", "early ms", "plain ms", "overhead ms",
                "plain/early");
    for (int i = 0; i < static_cast<int>(std::size(Blocks)); ++i) {
        const auto e = meanMs.find({i, true});
        const auto p = meanMs.find({i, false});
        if (e == meanMs.end() || p == meanMs.end()) continue;
        std::printf("%-16s %10.3f %10.3f %12.3f %12.2f\n", Blocks[i].name, e->second, p->second,
                    e->second - FixedWaitMs, p->second / e->second);
    }
    return 0;
}
