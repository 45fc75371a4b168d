// Import: the reads, their order and pauses, what a broken transfer leaves behind, and the
// refusals that touch nothing.
#include <gtest/gtest.h>

#include "transfer_fixture.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;
using Kind = testing::FakeOperator::Kind;

class Import : public ::testing::Test, protected TransferWindow {};

TEST_F(Import, readsTheSixBlocksInOrderWithTheirPausesAndShowsThem) {
    const ParameterSet inUnit = UnitSet();
    storeInUnit(inUnit);
    importer.Bt_ImportaClick();

    ASSERT_EQ(port.written.size(), 6u);
    const std::pair<int, int> reads[] = {{0x060, 12}, {0x080, 64}, {0x000, 22},
                                         {0x0C0, 16}, {0x100, 16}, {0x1C0, 12}};
    for (std::size_t i = 0; i < 6; ++i) {
        const Bytes& r = port.written[i];
        EXPECT_EQ(r[5], 0xB1) << i;
        EXPECT_EQ(r[3] | (r[4] << 8), reads[i].first) << i;
        EXPECT_EQ(r[6], reads[i].second) << i;
    }
    // 3 ms is each read's own turnaround.
    EXPECT_EQ(delay.waits,
              (std::vector<unsigned>{100, 3, 200, 3, 200, 3, 150, 3, 150, 3, 100, 3, 100}));
    EXPECT_TRUE(SameBlocks(set, inUnit));
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 220);
    EXPECT_EQ(screen.number(controls::Ed_Id_Orvane), 4711);
    EXPECT_EQ(screen.text(controls::Ed_Nome_Netbios), "UNIT-7");
    EXPECT_EQ(screen.listIndex(controls::Cb_Tipo_Batt), 5);
    EXPECT_TRUE(screen.isChecked(controls::Rd_Statico));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, Kind::Information);
    EXPECT_EQ(lastMessage(), "Dati importati correttamente");
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(port.closeCount, 1);
}

TEST_F(Import, whilePollingStopsThePollLinkForGood) {
    linkControl.StartLink();
    ASSERT_TRUE(timer.running);
    poll.Commands.BlockRequest = true;
    storeInUnit(UnitSet());
    importer.ImportParameters();
    EXPECT_EQ(screen.text(controls::Bt_Open), "Avvia");
    EXPECT_FALSE(timer.running);
    EXPECT_FALSE(poll.Commands.BlockRequest);
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(port.openedPaths.size(), 2u) << "the import opens the port itself";
    EXPECT_EQ(lastMessage(), "Dati importati correttamente");
}

TEST_F(Import, aUnitFallingSilentAtTheFourthReadLeavesThreeBlocksNewAndTheControlsAsTheyWere) {
    const ParameterSet before = set;
    const ParameterSet inUnit = UnitSet();
    storeInUnit(inUnit);
    unit.silentFrom = 4;
    const long writes = screen.writes;
    importer.ImportParameters();

    EXPECT_EQ(port.written.size(), 4u) << "nothing after the failed read";
    EXPECT_EQ(delay.waits, (std::vector<unsigned>{100, 3, 200, 3, 200, 3, 150, 3, 150}));
    EXPECT_TRUE(SameBlocks(set, inUnit, {Block::Config, Block::FreeParam, Block::Network}));
    EXPECT_TRUE(SameBlocks(set, before, {Block::GridService, Block::NetbiosName, Block::Identity}));
    EXPECT_EQ(screen.writes, writes);
    EXPECT_EQ(screen.number(controls::Ed_Capacita), 100);
    EXPECT_EQ(lastMessage(), "Errore in importazione dati");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Import, isRefusedWithoutTouchingThePortWhileTheFirmwareIsIncompatible) {
    poll.FwVersionError = true;
    importer.ImportParameters();
    EXPECT_EQ(lastMessage(),
              "Versione firmware incompatibile con la  1. 7. 0 impossibile procedere");
    EXPECT_TRUE(port.openedPaths.empty());
    EXPECT_TRUE(delay.waits.empty());
    language.LanguageIndex = catalogue::English;
    importer.ImportParameters();
    EXPECT_EQ(lastMessage(),
              "Firmware version is not compatible with  1. 7. 0 impossible to proceed");
}

TEST_F(Import, aPortThatCannotBeOpenedIsNamedByItsNumber) {
    screen.indices[controls::Cb_Sel_Porta] = 2;  // nothing bound to "COM 3"
    importer.ImportParameters();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].kind, Kind::Information);
    const std::string message = lastMessage();
    EXPECT_EQ(message.substr(0, message.find('\n')), "Errore in apertura 3") << message;
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(delay.waits, std::vector<unsigned>{100});
}

}  // namespace
}  // namespace orvane::params
