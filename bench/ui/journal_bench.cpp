// What remembering costs. First, the program's processor use while it polls the paced unit
// simulator, with and without recording to CSV: the two alternate in rounds of the same
// window so that the machine's drift falls on both; the difference must stay within 0.2
// percentage points of a core. Second, the journal page with 100,000 events: one more event
// and a repaint of the table, as each lamp change does.
//
//   build-bench/bin/journal_bench [--benchmark_filter=Recording]
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "journal/journal.h"
#include "support/fake_screen.h"
#include "support/scratch_directory.h"
#include "support/storage_fakes.h"
#include "support/unit_sim_process.h"
#include "ui/skins/skin_switcher.h"
#include "ui/window/form1.h"
#include "ui/window/journal_table_model.h"
#include "ui/window/program_font.h"
#include "ui/window/qt_screen.h"

namespace controls = orvane::frontend::controls;

namespace {

using orvane::testing::ScratchDirectory;
using orvane::testing::UnitSimProcess;

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
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

void PollingWithAndWithoutRecording(benchmark::State& state) {
    const int roundSeconds = static_cast<int>(state.range(0));
    const int rounds = static_cast<int>(state.range(1));
    for (auto _ : state) {
        UnitSimProcess sim({"--turnaround", "2", "--pace"});
        if (!sim.ready()) {
            state.SkipWithError(sim.error().c_str());
            return;
        }
        ScratchDirectory folder;
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(folder.path());
        folder.write("Charger.INI", "[PORTE]\r\nCOM1=" + sim.slavePath() + "\r\n");

        orvane::testing::FakeFileDialogs fileDialogs;
        orvane::ui::SkinSwitcher skins;
        skins.apply(u"Amakrits");
        orvane::ui::Form1Options options;
        options.fileDialogs = &fileDialogs;
        orvane::ui::Form1 window(skins, options);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window never showed");
            return;
        }
        auto* link = static_cast<QAbstractButton*>(window.screen().widget(controls::Bt_Open));
        auto* record = static_cast<QAbstractButton*>(window.screen().widget(controls::Bt_Registra));
        link->click();
        QTest::qWait(2000);  // the first cycle's answers and the charts' first records

        double alone = 0, recording = 0;
        for (int round = 0; round < rounds; ++round) {
            alone += CpuPercent([&] { QTest::qWait(roundSeconds * 1000); });
            fileDialogs.chosen = folder.file("round" + std::to_string(round) + ".csv");
            record->click();
            recording += CpuPercent([&] { QTest::qWait(roundSeconds * 1000); });
            record->click();
        }
        link->click();
        const auto rows = window.session().program().recorder.rowsWritten();

        state.counters["cpu_percent_polling"] = alone / rounds;
        state.counters["cpu_percent_polling_and_recording"] = recording / rounds;
        state.counters["difference_points"] = (recording - alone) / rounds;
        state.counters["rows_last_round"] = double(rows);
        window.close();
        std::filesystem::current_path(previous);
    }
}
// Seconds per round, rounds of each.
BENCHMARK(PollingWithAndWithoutRecording)
    ->ArgNames({"round_s", "rounds"})
    ->Args({20, 3})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

void OneEventAndARepaintWithAFullJournal(benchmark::State& state) {
    orvane::testing::FakeClock clock;
    orvane::catalogue::Language language;
    orvane::journal::Journal journal(clock);
    for (std::size_t i = 0; i < orvane::journal::Journal::DefaultCapacity; ++i)
        journal.record(orvane::journal::EventKind::lampRaised, "Allarme Termico");
    orvane::ui::JournalTableModel model(journal, language);
    QTableView table;
    table.setModel(&model);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.resize(1000, 560);
    table.show();
    if (!QTest::qWaitForWindowExposed(&table)) {
        state.SkipWithError("the table never showed");
        return;
    }
    for (auto _ : state) {
        journal.record(orvane::journal::EventKind::lampCleared, "Mancanza Fase (Fase S)");
        table.viewport()->repaint();
    }
    state.counters["events"] = double(journal.size());
}
BENCHMARK(OneEventAndARepaintWithAFullJournal)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(orvane::ui::ProgramFont());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
