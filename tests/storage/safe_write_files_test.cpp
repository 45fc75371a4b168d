// The records of the safe writes on disk: the backup before an export and the values kept
// before a reset, each a new file in its folder under Salvataggi; and comparing the window
// with a parameter file, which loads nothing.
#include "storage/safe_write_files.h"

#include <gtest/gtest.h>

#include "monitor/poll_state.h"
#include "params/parameter_fixture.h"
#include "storage/parameter_file.h"
#include "storage/parameter_files.h"
#include "support/scratch_directory.h"
#include "support/storage_fakes.h"

namespace orvane::storage {

namespace controls = orvane::frontend::controls;
namespace {

using params::Field;
using Step = testing::FaultyFileSystem::Step;

class Records : public ::testing::Test {
  protected:
    testing::ScratchDirectory folder;
    testing::FakeWorkingDirectory cwd{folder.path()};
    testing::FaultyFileSystem files;
    testing::FakeClock clock;  // 9 December 2024, 14:05:33
};

TEST_F(Records, aBackupIsANewParameterFileInItsFolderNamedLikeSavesName) {
    params::ParameterSet unit;
    unit.set(Field::capacityAh, 220);
    unit.set(Field::unitId, 4711);
    params::StoreNetbiosText("UNIT-7", unit.NetbiosNameBlock);
    BackupFiles backups{files, cwd, clock};

    const params::BackupOutcome first = backups.save(unit);
    const params::BackupOutcome second = backups.save(unit);  // within the same second
    ASSERT_TRUE(first.saved && second.saved);
    EXPECT_EQ(first.path, folder.file("Salvataggi/Backup/Orvane_09_12_24_14_05_33_Id_4711.ovn"));
    EXPECT_EQ(second.path, folder.file("Salvataggi/Backup/Orvane_09_12_24_14_05_33_Id_4711_2.ovn"));
    const auto ini = IniDocument::Parse(
        folder.read("Salvataggi/Backup/Orvane_09_12_24_14_05_33_Id_4711.ovn").value_or(""));
    EXPECT_EQ(ini.readInteger("CONFIGURAZIONE", "CAPACITA_BATT", 0), 220);
    EXPECT_EQ(ini.readInteger("IDENTIFICATIVO", "ID", 0), 4711);
    EXPECT_EQ(ini.readText("STRINGHE", "NETBIOS"), "UNIT-7") << "the unit's name, as received";
}

TEST_F(Records, aFolderThatCannotBeMadeIsAFailedSaveNamingThePath) {
    files.failAt = Step::Create;
    BackupFiles backups{files, cwd, clock};
    const params::BackupOutcome outcome = backups.save({});
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.path, folder.file("Salvataggi/Backup/Orvane_09_12_24_14_05_33_Id_0.ovn"));
}

TEST_F(Records, aSnapshotIsTheCsvOfTheLastValuesReceivedWithTheUnitsIdentifier) {
    monitor::PollState poll;
    monitor::RealtimeData data;
    data.ResetFilters();
    params::ParameterSet set;
    set.set(Field::unitId, 12);
    SnapshotFiles snapshots{poll, data, set, files, cwd, clock};
    EXPECT_FALSE(snapshots.valuesReceived());

    data.TrendBlocksTaken = 1;     // a measurement block came in
    data.LatestSamples[17] = 853;  // available charge, tenths of a percent
    EXPECT_TRUE(snapshots.valuesReceived());
    const monitor::SnapshotOutcome kept = snapshots.save(monitor::ResetKind::BatteryData);
    ASSERT_TRUE(kept.saved);
    EXPECT_EQ(kept.path, folder.file("Salvataggi/Snapshot/2024-12-09_14-05-33_battery-data.csv"));
    const std::string csv =
        folder.read("Salvataggi/Snapshot/2024-12-09_14-05-33_battery-data.csv").value_or("");
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1) + 1),
              "date,time,unitId,quantity,value,unit\n"
              "2024-12-09,14:05:33,12,availableCharge,85.3,%\n");
}

class CompareWithFile : public ::testing::Test, protected params::ParameterWindow {
  protected:
    CompareWithFile() {
        std::filesystem::create_directory(folder.file("Salvataggi"));
        showDefaults();
    }
    ParameterFiles& buttons = program.parameterFiles;
};

TEST_F(CompareWithFile, listsWhatLoadingWouldChangeAndLoadsNothing) {
    folder.write("Salvataggi/other.ovn",
                 "[CONFIGURAZIONE]\r\nCAPACITA_BATT=300\r\n[IDENTIFICATIVO]\r\nID=9\r\n"
                 "[STRINGHE]\r\nNETBIOS=Orvane000\r\n");
    fileDialogs.chosen = folder.file("Salvataggi/other.ovn");
    type(Field::capacityAh, 120);
    const params::ParameterSet before = set;
    buttons.Bt_Confronta_DiscoClick();

    EXPECT_EQ(screen.number(controls::Ed_Capacita), 120);
    EXPECT_EQ(set.ConfigBlock, before.ConfigBlock);
    EXPECT_EQ(cwd.dir, folder.path());
    ASSERT_EQ(dialogs.lists.size(), 1u);
    const frontend::ChangeList& list = dialogs.lists[0];
    EXPECT_EQ(list.message, "Campi che il caricamento del file cambierebbe:");
    EXPECT_EQ(list.beforeHeader, "Valore nella finestra");
    EXPECT_EQ(list.afterHeader, "Valore nel file");
    // The file's keys and, where it has none, the loader's own defaults (DNS 8.8.8.8,
    // V_SCARICA_PROF 430).
    std::vector<std::string> captions;
    for (const frontend::ChangeRow& r : list.rows)
        captions.push_back(r.caption);
    EXPECT_EQ(captions,
              (std::vector<std::string>{"DNS (1)", "DNS (2)", "DNS (3)", "DNS (4)", "Capacità A/h",
                                        "Soglia Scarica Profonda Standby", "Identificativo"}));
    EXPECT_EQ(list.rows[4].before, "120 Ah");
    EXPECT_EQ(list.rows[4].after, "300 Ah");
    EXPECT_EQ(list.rows[5].after, "430 V*10");
    EXPECT_EQ(list.rows[6].before, "1");
    EXPECT_EQ(list.rows[6].after, "9");
}

TEST_F(CompareWithFile, aCancelledDialogShowsNothing) {
    buttons.Bt_Confronta_DiscoClick();
    EXPECT_EQ(fileDialogs.opens.size(), 1u);
    EXPECT_TRUE(dialogs.boxes.empty());
}

}  // namespace
}  // namespace orvane::storage
