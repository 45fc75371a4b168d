// Recording to CSV: one row a second of the injected clock, every measurement, lamp and the
// link state, read back by a standard CSV parser; continuing a recording, refusing other
// files, a full disk, and a program killed while it records.
#include "journal/recorder.h"
#include "journal/recording_columns.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "monitor/unit_snapshot_tables.h"
#include "support/fake_screen.h"
#include "support/python_csv.h"
#include "support/recorded_events.h"
#include "support/scratch_directory.h"
#include "support/storage_fakes.h"

namespace orvane::journal {

namespace controls = orvane::frontend::controls;
namespace {

using monitor::LinkCondition;
using monitor::Measurement;
using monitor::UnitLamp;

constexpr std::size_t Columns = 1 + monitor::MeasurementCount + monitor::UnitLampCount + 1;

monitor::UnitSnapshot Snapshot(double gridVoltage, bool blocked, LinkCondition link) {
    monitor::UnitSnapshot s;
    s.measurements[static_cast<std::size_t>(Measurement::gridVoltage)] = gridVoltage;
    s.measurements[static_cast<std::size_t>(Measurement::batteryCurrent)] = -12.5;
    s.measurements[static_cast<std::size_t>(Measurement::energySuppliedWh)] = 4294967295.0;
    s.lamps[static_cast<std::size_t>(UnitLamp::blocked)] = blocked;
    s.link.condition = link;
    return s;
}

std::size_t ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

class Recording : public ::testing::Test {
  protected:
    Recording() { clock.time.utcOffsetSeconds = 3600; }

    void choose(const std::string& name) { fileDialogs.chosen = folder.file(name); }
    // One poll tick, 75 ms after the one before.
    void tick(const monitor::UnitSnapshot& snapshot) {
        const int ms = 75 * ticks_++;
        clock.time.second = ms / 1000;
        recorder.take(snapshot);
    }
    std::optional<testing::CsvRows> file(const std::string& name) {
        return testing::ParsedByPythonCsv(folder.file(name));
    }

    testing::ScratchDirectory folder;
    testing::FakeWorkingDirectory cwd{folder.path()};
    testing::FakeFileDialogs fileDialogs{cwd};
    testing::FakeOperator dialogs;
    testing::FaultyFileSystem files;
    testing::FakeClock clock;
    catalogue::Language language;
    testing::RecordedEvents events;
    testing::FakeScreen screen;
    Recorder recorder{{fileDialogs, dialogs, files, cwd, clock, language, events}, screen};

  private:
    int ticks_ = 0;
};

TEST_F(Recording, writesOneRowEachSecondWithEveryMeasurementLampAndTheLinkState) {
    choose("run.csv");
    recorder.showState();
    EXPECT_EQ(screen.text(controls::Bt_Registra), "Registra...");
    recorder.Bt_RegistraClick();
    ASSERT_TRUE(recorder.isRecording());
    EXPECT_EQ(fileDialogs.saves.at(0).proposedName, "Orvane_Registrazione_2024-12-09_14-05-33.csv");

    // Forty ticks of 75 ms span the seconds 0, 1 and 2.
    for (int i = 0; i < 40; ++i)
        tick(Snapshot(230 + 0.1 * (75 * i / 1000), i >= 14,
                      i < 3 ? LinkCondition::starting : LinkCondition::ok));
    EXPECT_EQ(screen.text(controls::Bt_Registra), "Ferma registrazione (3 righe)");
    language.LanguageIndex = catalogue::English;
    recorder.showState();
    EXPECT_EQ(screen.text(controls::Bt_Registra), "Stop recording (3 rows)");
    recorder.Bt_RegistraClick();
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(screen.text(controls::Bt_Registra), "Record...");

    const auto rows = file("run.csv");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 4u);
    const std::vector<std::string>& header = (*rows)[0];
    ASSERT_EQ(header.size(), Columns);
    EXPECT_EQ(header.front(), "time");
    EXPECT_EQ(header.back(), "link");
    const std::size_t voltage = ColumnOf(header, "gridVoltage [V]");
    const std::size_t current = ColumnOf(header, "batteryCurrent [A]");
    const std::size_t energy = ColumnOf(header, "energySuppliedWh [Wh]");
    const std::size_t blocked = ColumnOf(header, "blocked");
    ASSERT_LT(ColumnOf(header, "gridServiceErrorNumber"), Columns);
    ASSERT_LT(std::max({voltage, current, energy, blocked}), Columns);

    const char* times[] = {"2024-12-09T14:05:00+01:00", "2024-12-09T14:05:01+01:00",
                           "2024-12-09T14:05:02+01:00"};
    const char* voltages[] = {"230", "230.1", "230.2"};
    const char* lamps[] = {"0", "1", "1"};
    for (std::size_t r = 0; r < 3; ++r) {
        const std::vector<std::string>& row = (*rows)[r + 1];
        ASSERT_EQ(row.size(), Columns) << "row " << r;
        EXPECT_EQ(row[0], times[r]);
        EXPECT_EQ(row[voltage], voltages[r]);
        EXPECT_EQ(row[current], "-12.5");
        EXPECT_EQ(row[energy], "4294967295");
        EXPECT_EQ(row[blocked], lamps[r]);
        EXPECT_EQ(row.back(), r == 0 ? "starting" : "ok");
    }
    EXPECT_EQ(events.kinds(),
              (std::vector{EventKind::recordingStarted, EventKind::recordingStopped}));
    EXPECT_EQ(events.events.back().second, folder.file("run.csv") + " (3 rows)");
}

TEST_F(Recording, aChosenFileThatHoldsARecordingGoesOnAndAnyOtherFileIsLeftAlone) {
    const std::string header = RecordingHeader();
    const std::string oneRow = RecordingRow(Snapshot(231, false, LinkCondition::ok), clock.now());
    struct Case {
        const char* name;
        std::string before;
        bool recorded;
        std::size_t rowsAfter;  // as the parser reads them, header included
    };
    const Case cases[] = {
        {"new.csv", "", true, 2},
        {"earlier.csv", header + oneRow, true, 3},
        // A killed recording tore its last row: ours start on a line of their own.
        {"torn.csv", header + oneRow.substr(0, 40), true, 3},
        {"notes.csv", "name,phone\r\nAda,123\r\n", false, 2},
        {"other.csv", header.substr(0, 30) + "\r\n", false, 1},
    };
    for (const Case& c : cases) {
        if (!c.before.empty())
            folder.write(c.name, c.before);
        choose(c.name);
        dialogs.boxes.clear();
        recorder.Bt_RegistraClick();
        EXPECT_EQ(recorder.isRecording(), c.recorded) << c.name;
        tick(Snapshot(232, false, LinkCondition::ok));
        if (recorder.isRecording())
            recorder.Bt_RegistraClick();
        else
            EXPECT_EQ(folder.read(c.name), c.before) << c.name;
        EXPECT_EQ(dialogs.boxes.size(), c.recorded ? 0u : 1u) << c.name;
        const auto rows = file(c.name);
        ASSERT_TRUE(rows) << c.name;
        EXPECT_EQ(rows->size(), c.rowsAfter) << c.name;
        if (c.recorded) {
            EXPECT_EQ(rows->back().size(), Columns) << c.name;
        }
    }
}

TEST_F(Recording, aFileThatCannotBeWrittenEndsTheRecordingAndTellsTheOperator) {
    choose("full.csv");
    files.appendsBeforeFull = 3;  // the header and two rows
    recorder.Bt_RegistraClick();
    for (int i = 0; i < 60; ++i)
        tick(Snapshot(230, false, LinkCondition::ok));
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(recorder.rowsWritten(), 2u);
    EXPECT_EQ(screen.text(controls::Bt_Registra), "Registra...");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "Impossibile scrivere il file: " + folder.file("full.csv"));
    EXPECT_EQ(events.kinds().back(), EventKind::recordingFailed);

    files.failAt = testing::FaultyFileSystem::Step::Create;
    choose("nowhere.csv");
    recorder.Bt_RegistraClick();
    EXPECT_FALSE(recorder.isRecording());
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

TEST_F(Recording, aProgramKilledWhileRecordingLeavesEveryRowButTheLastIntact) {
    choose("killed.csv");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The program: records as fast as its clock lets it, a new second at every tick,
        // and says when a hundred rows are out.
        ::close(ready[0]);
        recorder.Bt_RegistraClick();
        for (int second = 0;; ++second) {
            clock.time.minute = second / 60 % 60;
            clock.time.hour = second / 3600 % 24;
            clock.time.second = second % 60;
            recorder.take(Snapshot(230 + second % 7, second % 2 == 0, LinkCondition::ok));
            if (recorder.rowsWritten() == 100 && ::write(ready[1], "r", 1) != 1)
                ::_exit(1);
        }
    }
    ::close(ready[1]);
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    ::close(ready[0]);

    const auto rows = file("killed.csv");
    ASSERT_TRUE(rows);
    ASSERT_GE(rows->size(), 101u);
    EXPECT_EQ((*rows)[0].size(), Columns);
    // Every row before the last is whole; the last may be torn.
    for (std::size_t r = 1; r + 1 < rows->size(); ++r) {
        ASSERT_EQ((*rows)[r].size(), Columns) << "row " << r;
        EXPECT_EQ((*rows)[r].back(), "ok") << "row " << r;
    }
}

}  // namespace
}  // namespace orvane::journal
