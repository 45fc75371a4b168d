// Import and export end to end: the real termios port over a pseudo-terminal to the unit
// simulator, which keeps its parameter memory in an EEPROM file and logs every frame.
#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "link/posix_serial_port.h"
#include "parameter_fixture.h"
#include "storage/ini_file.h"
#include "storage/parameter_file.h"
#include "support/unit_sim_process.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using testing::UnitSimProcess;

// The frames the simulator received, in order.
std::vector<Bytes> Requests(const UnitSimProcess& sim) {
    std::vector<Bytes> frames;
    for (const UnitSimProcess::LoggedFrame& frame : sim.loggedFrames())
        if (!frame.fromUnit)
            frames.push_back(frame.bytes);
    return frames;
}

std::pair<int, int> FunctionAndAddress(const Bytes& f) {
    return {f[5], f[3] | (f[4] << 8)};
}

void WriteEeprom(const std::string& path, const ParameterSet& s) {
    std::array<std::uint8_t, 512> image{};
    StoreInMemory(s, image);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), image.size());
}

// A valid set unlike the defaults, with every reserved byte and unnamed bit set.
ParameterSet UnitSet() {
    return params::UnitSet({{Field::capacityAh, 420},
                            {Field::panelCount, 9},
                            {Field::batteryType, 6},
                            {Field::maxMpptPowerW, 4500},
                            {Field::cvMinutesFullWinter, 333},
                            {Field::underFreqMin, 480},
                            {Field::insertionDelayMs, 250},
                            {Field::ipAddress1, 10},
                            {Field::unitId, 123456}},
                           "SIM-UNIT");
}

// The termios port the program uses to reach the simulator, there before the program.
struct SimulatorPort {
    link::PosixSerialPort line;
};

class AgainstSimulator : public ::testing::Test, private SimulatorPort, protected ParameterWindow {
  protected:
    // The unit needs no pause from a simulator's memory: the waits stay the fake's.
    AgainstSimulator() : ParameterWindow({.port = &line}) {
        screen.indices[controls::Cb_Sel_Porta] = 0;
        showDefaults();
    }

    // Starts (or restarts) the simulator on list entry 0.
    void start(std::vector<std::string> arguments) {
        sim.reset();
        sim = std::make_unique<UnitSimProcess>(std::move(arguments));
        ASSERT_TRUE(sim->ready()) << sim->error();
        sim->bindTo(ports, 0);
    }
    // Yes to the question and to the list of changes.
    void exportAnsweringYes() {
        dialogs.answers = {true, true};
        exporter.ExportParameters();
    }
    std::string outcome() const { return lastMessage().substr(0, lastMessage().find('\n')); }

    std::string eeprom = folder.file("eeprom.bin");
    std::unique_ptr<UnitSimProcess> sim;
};

TEST_F(AgainstSimulator, importShowsTheUnitsConfigurationAndIdentifier) {
    WriteEeprom(eeprom, UnitSet());
    start({"--eeprom", eeprom});
    importer.ImportParameters();
    EXPECT_EQ(lastMessage(), "Dati importati correttamente");
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 420);
    EXPECT_EQ(screen.number(controls::Ed_Num_Pannelli), 9);
    EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Batt), 6);
    EXPECT_EQ(screen.number(controls::Ed_Max_W_Mppt), 4500);
    EXPECT_EQ(screen.number(controls::Ed_Minuti_T_Cost_CC_Inv), 333);
    EXPECT_EQ(screen.number(controls::Ed_Lim_Max_Sotto_Freq), 480);
    EXPECT_EQ(screen.listIndex(controls::Ed_Combo_Ritardo), 5);
    EXPECT_EQ(screen.number(controls::Ed_Ind_1), 10);
    EXPECT_EQ(screen.text(controls::Ed_Nome_Netbios), "SIM-UNIT");
    EXPECT_EQ(screen.number(controls::Ed_Id_Orvane), 123456);
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(AgainstSimulator, exportedValuesComeBackAndSurviveARestartOfTheUnit) {
    start({"--eeprom", eeprom});
    screen.checks[controls::Ck_Abilitazione_Esportazione_Eth] = true;
    type(Field::capacityAh, 480);
    type(Field::endChargeVoltage, 577);
    type(Field::overvoltageStart, 1111);
    type(Field::dnsServer2, 9);
    pick(Field::inverterType, 3);
    tick(Field::overFreqLimitEnabled, true);
    typeName("  KEEP-ME");
    exportAnsweringYes();
    ASSERT_EQ(outcome(), "Dati esportati correttamente");
    const ParameterSet exported = set;

    for (int run = 0; run < 2; ++run) {
        if (run == 1)
            start({"--eeprom", eeprom});  // a power cycle of the unit
        showDefaults();
        importer.ImportParameters();
        ASSERT_EQ(lastMessage(), "Dati importati correttamente") << "run " << run;
        EXPECT_TRUE(SameBlocks(
            set, exported, {Block::Config, Block::FreeParam, Block::GridService, Block::Network}))
            << "run " << run;
        EXPECT_EQ(set.NetbiosNameBlock, exported.OutgoingNetbiosName) << "run " << run;
        EXPECT_EQ(screen.number(controls::Ed_Capacita), 480);
        EXPECT_EQ(screen.text(controls::Ed_Nome_Netbios), "KEEP-ME");
        EXPECT_TRUE(screen.isChecked(controls::Ck_Ab_Lim_Sovra));
    }
}

TEST_F(AgainstSimulator, inEnglishTheGridServiceBlockIsNotWritten) {
    start({});
    language.LanguageIndex = catalogue::English;
    screen.visible[controls::Tab_Cei_021] = false;
    exportAnsweringYes();
    ASSERT_EQ(outcome(), "Data successfully exported");
    std::vector<std::pair<int, int>> sent;
    for (const Bytes& f : Requests(*sim))
        sent.push_back(FunctionAndAddress(f));
    // The backup's reads as the import makes them, the writes and the commit, and the
    // written blocks read back.
    EXPECT_EQ(sent, (std::vector<std::pair<int, int>>{{0xB1, 0x060},
                                                      {0xB1, 0x080},
                                                      {0xB1, 0x000},
                                                      {0xB1, 0x0C0},
                                                      {0xB1, 0x100},
                                                      {0xB1, 0x1C0},
                                                      {0xB0, 0x060},
                                                      {0xB0, 0x080},
                                                      {0x32, 0},
                                                      {0xB1, 0x060},
                                                      {0xB1, 0x080}}));
}

TEST_F(AgainstSimulator, aUnitSilentFromTheFourthReadLeavesThreeBlocksNewAndTheControlsAlone) {
    WriteEeprom(eeprom, UnitSet());
    start({"--eeprom", eeprom, "--drop", "4"});
    const ParameterSet before = set;
    const ParameterSet inUnit = UnitSet();
    const long writes = screen.writes;
    importer.ImportParameters();
    EXPECT_EQ(lastMessage(), "Errore in importazione dati");
    EXPECT_EQ(Requests(*sim).size(), 4u);
    EXPECT_TRUE(SameBlocks(set, inUnit, {Block::Config, Block::FreeParam, Block::Network}));
    EXPECT_TRUE(SameBlocks(set, before, {Block::GridService, Block::NetbiosName, Block::Identity}));
    EXPECT_EQ(screen.writes, writes);
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(AgainstSimulator, aFailedFreeParameterWriteSendsNothingMoreAndNoCommit) {
    WriteEeprom(eeprom, UnitSet());
    start({"--eeprom", eeprom, "--drop", "8"});
    screen.checks[controls::Ck_Abilitazione_Esportazione_Eth] = true;
    exportAnsweringYes();
    EXPECT_EQ(outcome(), "Errore in esportazione parametri");
    // The unanswered request is in the log (six reads and their answers, the config
    // write and its answer, the free parameters).
    ASSERT_TRUE(sim->waitForLogLines(15));
    const std::vector<Bytes> requests = Requests(*sim);
    ASSERT_EQ(requests.size(), 8u);
    EXPECT_EQ(FunctionAndAddress(requests[7]), (std::pair<int, int>{0xB0, 0x080}));

    // Nothing was committed: after a power cycle the unit still holds its old set.
    start({"--eeprom", eeprom});
    importer.ImportParameters();
    ASSERT_EQ(lastMessage(), "Dati importati correttamente");
    EXPECT_EQ(set.ConfigBlock, UnitSet().ConfigBlock);
}

TEST_F(AgainstSimulator, anIncompatibleFirmwareRefusesBothTransfersWithoutTouchingThePort) {
    start({"--fw", "1.8.0"});
    linkControl.StartLink();
    program.live.Timer1Timer();  // the firmware-version step
    ASSERT_TRUE(poll.FwVersionError);
    const std::size_t logged = sim->logLines().size();

    importer.ImportParameters();
    EXPECT_EQ(lastMessage(),
              "Versione firmware incompatibile con la  1. 7. 0 impossibile procedere");
    exportAnsweringYes();
    EXPECT_EQ(lastMessage(),
              "Versione firmware incompatibile con la  1. 7. 0 impossibile procedere");
    compare.CompareWithUnit();
    EXPECT_EQ(lastMessage(),
              "Versione firmware incompatibile con la  1. 7. 0 impossibile procedere");
    EXPECT_TRUE(link.IsPortOpen()) << "polling goes on";
    EXPECT_EQ(sim->logLines().size(), logged);
}

TEST_F(AgainstSimulator, theBackupFileHoldsTheUnitsMemoryFieldByField) {
    WriteEeprom(eeprom, UnitSet());
    start({"--eeprom", eeprom});
    type(Field::capacityAh, 300);
    exportAnsweringYes();
    const std::string path =
        folder.file("Salvataggi/Backup/Orvane_09_12_24_14_05_33_Id_123456.ovn");
    ASSERT_NE(lastMessage().find(path), std::string::npos) << lastMessage();

    const storage::LoadedIni backup = storage::LoadIniFile(files, path);
    ASSERT_EQ(backup.outcome, storage::ReadOutcome::Read);
    ParameterSet kept;
    storage::ReadParameterFile(backup.document, kept, "MISSING");
    const ParameterSet inUnit = UnitSet();
    for (const FieldDescriptor& d : FieldTable()) {
        if (d.kind == FieldKind::Text)
            EXPECT_EQ(NetbiosText(kept.NetbiosNameBlock), "SIM-UNIT");
        else
            EXPECT_EQ(kept.get(d.field), inUnit.get(d.field)) << d.name;
    }
}

TEST_F(AgainstSimulator, aLostCommitAnswerIsToldFromTheReadBackAndTheValuesAreKept) {
    start({"--eeprom", eeprom, "--lose-commit-answer"});
    type(Field::capacityAh, 480);
    exportAnsweringYes();
    EXPECT_EQ(outcome(),
              "La risposta dell'unità alla memorizzazione è andata persa, ma la rilettura mostra "
              "i nuovi valori al loro posto.");

    start({"--eeprom", eeprom});  // a power cycle: the commit was kept
    importer.ImportParameters();
    ASSERT_EQ(lastMessage(), "Dati importati correttamente");
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 480);
}

TEST_F(AgainstSimulator, comparingWithTheUnitOnlyReadsAndListsWhatDiffers) {
    WriteEeprom(eeprom, UnitSet());
    start({"--eeprom", eeprom});
    compare.CompareWithUnit();
    for (const Bytes& f : Requests(*sim))
        EXPECT_EQ(f[5], 0xB1);
    ASSERT_EQ(dialogs.lists.size(), 1u);
    const std::vector<frontend::ChangeRow>& rows = dialogs.lists[0].rows;
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].caption, "Indirizzo IP (1)");
    EXPECT_EQ(rows[0].before, "10");
}

}  // namespace
}  // namespace orvane::params
