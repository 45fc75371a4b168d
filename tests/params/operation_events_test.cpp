// What the parameter operations tell the journal, from the operations themselves: import and
// export with their outcome (the message the operator was shown), the refusals, and the
// parameter files saved and loaded; later events carry the unit the import read.
#include <gtest/gtest.h>

#include "support/recorded_events.h"
#include "transfer_fixture.h"

namespace orvane::params {

namespace {

using journal::EventKind;
using testing::Event;

class OperationEvents : public ::testing::Test, protected TransferWindow {
  protected:
    testing::JournalEvents events{program.journal};
};

TEST_F(OperationEvents, anImportAndAnExportAreJournaledWithTheirOutcomeAndTheUnitTheImportRead) {
    storeInUnit(UnitSet());
    importer.Bt_ImportaClick();
    dialogs.answers = {true, true};
    exporter.Bt_Scrivi_EepromClick();

    const std::vector<Event> journaled = events.all();
    ASSERT_EQ(journaled.size(), 2u);
    EXPECT_EQ(journaled[0], (Event{EventKind::importDone, ""}));
    EXPECT_EQ(journaled[1], (Event{EventKind::exportDone, lastMessage()}));
    EXPECT_EQ(program.journal.newest(0).unitId, 4711u);
}

TEST_F(OperationEvents, refusalsAndFailuresAreJournaledWithWhatTheOperatorWasTold) {
    poll.FwVersionError = true;
    importer.Bt_ImportaClick();
    const std::string refusal = lastMessage();
    poll.FwVersionError = false;
    unit.silentFrom = 2;
    importer.Bt_ImportaClick();
    type(Field::capacityAh, 99999);  // beyond what the field accepts
    dialogs.answers = {true};
    exporter.Bt_Scrivi_EepromClick();

    EXPECT_EQ(events.kinds(), (std::vector{EventKind::transferRefused, EventKind::importFailed,
                                           EventKind::parametersRefused}));
    EXPECT_EQ(events.all()[0].second, refusal);
    EXPECT_EQ(events.all()[2].second, lastMessage());
    EXPECT_EQ(program.journal.newest(0).unitId, std::nullopt);
}

TEST_F(OperationEvents, aParameterFileSavedAndLoadedIsJournaledWithItsPath) {
    fileDialogs.chosen = folder.file("unit7");
    program.parameterFiles.Bt_Salva_DiscoClick();
    fileDialogs.chosen = folder.file("unit7.ovn");
    program.parameterFiles.Bt_Leggi_DiscoClick();
    fileDialogs.chosen = folder.file("missing.ovn");
    program.parameterFiles.Bt_Leggi_DiscoClick();

    EXPECT_EQ(events.all(),
              (std::vector<Event>{{EventKind::fileSaved, folder.file("unit7.ovn")},
                                  {EventKind::fileLoaded, folder.file("unit7.ovn")},
                                  {EventKind::fileLoadFailed, folder.file("missing.ovn")}}));
}

}  // namespace
}  // namespace orvane::params
