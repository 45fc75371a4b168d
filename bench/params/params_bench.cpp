// Wall time of a whole import and a whole export against the simulator sending at the byte
// time of 19200 8N1, as a ratio to the floor: the transfer's own pauses plus the line time
// (10 bits a byte) of every request and answer frame it exchanged. The simulator answers
// after its default 2 ms turnaround, which the floor leaves out.
#include <benchmark/benchmark.h>

#include <chrono>

#include "link/posix_serial_port.h"
#include "support/program_rig.h"
#include "support/unit_sim_process.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

constexpr double ByteTimeMs = 10.0 * 1000.0 / 19200.0;
constexpr unsigned TurnaroundMs = 3;  // the link's own wait before each read

// Sleeps like the program does and adds up the pauses between blocks; the short turnaround
// waits overlap the unit's answer and are not part of the floor.
class MeasuredDelay final : public link::Delay {
  public:
    void waitMs(unsigned ms) override {
        if (ms != TurnaroundMs)
            pausesMs += ms;
        system.waitMs(ms);
    }
    link::SystemDelay system;
    double pausesMs = 0;
};

// The paced simulator, the port to it and the measured waits, there before the program.
struct PacedUnit {
    PacedUnit() : sim({"--pace", "--turnaround", "2"}) {}
    testing::UnitSimProcess sim;
    link::PosixSerialPort line;
    MeasuredDelay measured;
};

// The whole program over the paced unit, its parameter page showing the defaults. The
// export's backups are kept in memory: the benchmark times the line, not the disk.
struct Session : PacedUnit, testing::ProgramRig {
    Session() : ProgramRig({.port = &line, .delay = &measured, .recordedStores = true}) {
        if (!sim.ready())
            return;
        sim.bindTo(program.ports, 0);
        screen.indices[controls::Cb_Sel_Porta] = 0;
        screen.checks[controls::Ck_Abilitazione_Esportazione_Eth] = true;  // every block goes out
        program.defaults.LoadDefaultParameters();
        program.editor.ShowParameters();
    }

    // Bytes on the line so far, both directions, from the simulator's frame log.
    std::size_t lineBytes() const {
        std::size_t bytes = 0;
        for (const testing::UnitSimProcess::LoggedFrame& frame : sim.loggedFrames())
            bytes += frame.bytes.size();
        return bytes;
    }
};

template <class Transfer>
void Measure(benchmark::State& state, Transfer transfer, std::string_view success) {
    Session s;
    if (!s.sim.ready()) {
        state.SkipWithError(s.sim.error().c_str());
        return;
    }
    double wallMs = 0, floorMs = 0;
    for (auto _ : state) {
        const std::size_t bytesBefore = s.lineBytes();
        const double pausesBefore = s.measured.pausesMs;
        s.dialogs.answers = {true, true};  // the export's question and its list of changes
        const auto start = std::chrono::steady_clock::now();
        transfer(s);
        const auto end = std::chrono::steady_clock::now();
        if (s.dialogs.boxes.empty() || !s.dialogs.boxes.back().text.starts_with(success)) {
            state.SkipWithError("the transfer failed");
            return;
        }
        // Every answered frame is in the log by the time it was read.
        const double wire = static_cast<double>(s.lineBytes() - bytesBefore) * ByteTimeMs;
        wallMs += std::chrono::duration<double, std::milli>(end - start).count();
        floorMs += s.measured.pausesMs - pausesBefore + wire;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["wall_ms"] = wallMs / n;
    state.counters["floor_ms"] = floorMs / n;
    state.counters["ratio"] = wallMs / floorMs;
}

void FullImport(benchmark::State& state) {
    Measure(
        state, [](Session& s) { s.program.parameterImport.ImportParameters(); },
        "Dati importati correttamente");
}
BENCHMARK(FullImport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void FullExport(benchmark::State& state) {
    Measure(
        state, [](Session& s) { s.program.parameterExport.ExportParameters(); },
        "Dati esportati correttamente");
}
BENCHMARK(FullExport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace orvane::params

BENCHMARK_MAIN();
