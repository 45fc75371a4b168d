// What remembering costs. First, the program's processor use while it polls the paced unit
// simulator, with and without recording to CSV: the two alternate in rounds of the same
// window so that the machine's drift falls on both; the difference must stay within 0.2
// percentage points of a core. Second, the journal page with 100,000 events: one more event
// and a repaint of the table, as each lamp change does.
//
//   build-bench/bin/journal_bench [--benchmark_filter=Recording]
#include <QHeaderView>
#include <QTableView>

#include "journal/journal.h"
#include "ui/window/journal_table_model.h"
#include "window_rig.h"

namespace controls = orvane::frontend::controls;

namespace {

using orvane::bench::CpuPercent;
using orvane::bench::WindowRig;

void PollingWithAndWithoutRecording(benchmark::State& state) {
    const int roundSeconds = static_cast<int>(state.range(0));
    const int rounds = static_cast<int>(state.range(1));
    for (auto _ : state) {
        WindowRig rig;
        if (!rig.error().empty()) {
            state.SkipWithError(rig.error().c_str());
            return;
        }
        QAbstractButton* link = rig.button(controls::Bt_Open);
        QAbstractButton* record = rig.button(controls::Bt_Registra);
        link->click();
        QTest::qWait(2000);  // the first cycle's answers and the charts' first records

        double alone = 0, recording = 0;
        for (int round = 0; round < rounds; ++round) {
            alone += CpuPercent([&] { QTest::qWait(roundSeconds * 1000); });
            rig.fileDialogs.chosen = rig.folder().file("round" + std::to_string(round) + ".csv");
            record->click();
            recording += CpuPercent([&] { QTest::qWait(roundSeconds * 1000); });
            record->click();
        }
        link->click();
        const auto rows = rig.window().session().program().recorder.rowsWritten();

        state.counters["cpu_percent_polling"] = alone / rounds;
        state.counters["cpu_percent_polling_and_recording"] = recording / rounds;
        state.counters["difference_points"] = (recording - alone) / rounds;
        state.counters["rows_last_round"] = double(rows);
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
    return orvane::bench::RunWindowBenchmarks(argc, argv);
}
