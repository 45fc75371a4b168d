// What the transfers show while they run and when the operator may stop them: each block
// read or written as a step of the progress dialog, which closes before the closing message;
// an import or a comparison cancelled between reads; an export cancelled while it reads the
// backup, never once its first write has gone out. And one session of transfers sending the
// same frames with the same waits on the blocking link and on the event-driven one.
#include <gtest/gtest.h>

#include "transfer_fixture.h"

namespace orvane::params {

namespace controls = orvane::frontend::controls;
namespace {

using testing::Bytes;

class Progress : public ::testing::Test, protected TransferWindow {
  protected:
    Progress() { storeInUnit(UnitSet()); }
    int sent(std::uint8_t function) const {
        int n = 0;
        for (const Bytes& f : port.written)
            n += f[link::FunctionByte] == function ? 1 : 0;
        return n;
    }
};

TEST_F(Progress, anImportShowsEachOfItsSixReadsAndClosesBeforeItsMessage) {
    importer.ImportParameters();
    EXPECT_EQ(progress.steps,
              (std::vector<std::string>{"Lettura del blocco 1 di 6", "Lettura del blocco 2 di 6",
                                        "Lettura del blocco 3 di 6", "Lettura del blocco 4 di 6",
                                        "Lettura del blocco 5 di 6", "Lettura del blocco 6 di 6"}));
    EXPECT_EQ(progress.events.front(), "open");
    EXPECT_EQ(progress.events.back(), "close");
    EXPECT_EQ(lastMessage(), "Dati importati correttamente");
}

TEST_F(Progress, anImportCancelledBetweenReadsReadsNoMoreAndLeavesTheWindowsValues) {
    const std::optional<double> capacity = screen.number(controls::Ed_Capacita);
    progress.cancelAtStep = 2;
    importer.ImportParameters();
    EXPECT_EQ(sent(link::function::MemoryRead), 2);
    EXPECT_EQ(screen.number(controls::Ed_Capacita), capacity);
    EXPECT_EQ(lastMessage(), "Importazione annullata: i valori della finestra non sono cambiati.");
    EXPECT_FALSE(link.IsPortOpen());
    EXPECT_EQ(delay.waits.back(), 200u) << "the cancelled read's pause still ran";
}

TEST_F(Progress, aComparisonCancelledBetweenReadsListsNothing) {
    progress.cancelAtStep = 1;
    compare.CompareWithUnit();
    EXPECT_EQ(sent(link::function::MemoryRead), 1);
    EXPECT_TRUE(dialogs.lists.empty());
    EXPECT_EQ(lastMessage(), "Confronto annullato.");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Progress, anExportCancelledWhileReadingTheBackupWritesNothingAndAsksNothing) {
    progress.cancelAtStep = 4;
    dialogs.answers = {true};
    exporter.ExportParameters();
    EXPECT_EQ(sent(link::function::MemoryRead), 4);
    EXPECT_EQ(sent(link::function::MemoryWrite), 0);
    EXPECT_TRUE(dialogs.lists.empty()) << "no list of changes";
    EXPECT_TRUE(backups.saved.empty());
    EXPECT_EQ(lastMessage(), "Esportazione annullata: nulla è stato scritto.");
    EXPECT_FALSE(link.IsPortOpen());
}

TEST_F(Progress, anExportRefusesCancelBeforeItsFirstWriteAndThenWritesEverything) {
    type(Field::capacityAh, 300);
    std::size_t framesAtRefusal = 0;
    progress.onRefuse = [&] { framesAtRefusal = port.written.size(); };
    progress.cancelAtStep = 7;  // pressed during the first write
    dialogs.answers = {true, true};
    exporter.ExportParameters();
    EXPECT_EQ(framesAtRefusal, 6u) << "after the backup's reads, before any write";
    EXPECT_NE(std::find(progress.events.begin(), progress.events.end(),
                        "refuse La scrittura è iniziata: non si può più annullare."),
              progress.events.end());
    EXPECT_EQ(sent(link::function::MemoryWrite), 3);
    EXPECT_EQ(sent(link::function::MemoryCommit), 1);
    EXPECT_EQ(progress.steps.back(), "Rilettura del blocco 3 di 3");
    EXPECT_EQ(unit.committed, unit.memory);
}

// The same transfers on both links: import, a comparison, an export (the unit refusing
// nothing), each frame and wait in the same order.
std::pair<std::vector<Bytes>, std::vector<unsigned>> TransferSession(bool eventDriven) {
    struct Window : TransferWindow {
        explicit Window(bool evented) : TransferWindow(evented) {}
    } w{eventDriven};
    EXPECT_EQ(w.loop.has_value(), eventDriven);
    w.storeInUnit(TransferWindow::UnitSet());
    w.importer.ImportParameters();
    w.type(Field::capacityAh, 300);
    w.compare.CompareWithUnit();
    w.dialogs.answers = {true, true};
    w.exporter.ExportParameters();
    EXPECT_EQ(w.lastMessage().rfind("Dati esportati correttamente", 0), 0u) << w.lastMessage();
    return {w.port.written, w.delay.waits};
}

TEST(TransferWireLog, importCompareAndExportSendTheSameFramesAndWaitsOnBothLinks) {
    const auto blocking = TransferSession(false);
    const auto evented = TransferSession(true);
    EXPECT_EQ(evented.first, blocking.first);
    EXPECT_EQ(evented.second, blocking.second);
    EXPECT_EQ(blocking.first.size(), 6u + 6u + 6u + 3u + 1u + 3u);
}

}  // namespace
}  // namespace orvane::params
