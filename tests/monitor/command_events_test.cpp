// What the link and the commands tell the journal: starts, stops and opening errors, each
// command requested, refused, sent or left unanswered, and the pending ones a stop or a
// stronger command cancels.
#include <gtest/gtest.h>

#include "live_rig.h"
#include "support/recorded_events.h"

namespace orvane::monitor {

namespace {

using journal::EventKind;
using testing::Event;
using testing::LiveRig;

class CommandEvents : public ::testing::Test {
  protected:
    // Ticks until the cycle has been through the command steps once more.
    void tickThroughACycle() { rig.tick(8); }
    LiveRig rig;
    testing::JournalEvents events{rig.program.journal};
};

TEST_F(CommandEvents, aCommandIsJournaledWhenRequestedAndWhenTheUnitAnsweredIt) {
    rig.commands.Bt_BloccoClick();
    rig.commands.Bt_BloccoClick();  // pending already: nothing more is sent
    rig.control.StartLink();
    tickThroughACycle();
    EXPECT_EQ(events.take(), (std::vector<Event>{{EventKind::commandRequested, "Blocca Orvane"},
                                                 {EventKind::linkStarted, "COM 1"},
                                                 {EventKind::commandSent, "Blocca Orvane"}}));
}

TEST_F(CommandEvents, refusalsAreJournaledWithTheMessageTheOperatorSaw) {
    rig.commands.Bt_Reset_AccumuloClick();
    rig.poll.FwVersionError = true;
    rig.language.LanguageIndex = catalogue::English;
    rig.commands.Bt_Carica_CompletaClick();
    EXPECT_EQ(events.take(),
              (std::vector<Event>{
                  {EventKind::commandRefused,
                   "Reset Dati Accumulo: Comunicazione seriale non attiva, impossibile procedere"},
                  {EventKind::commandRefused,
                   "Start Full Charge: Impossible to proceed. Firmware version error"}}));
    EXPECT_EQ(rig.dialogs.boxes.size(), 2u);
}

TEST_F(CommandEvents, theCommandSentIsTheOneJournaledAndThoseItReplacedOrAStopDroppedAreCancelled) {
    rig.commands.Bt_BloccoClick();
    rig.commands.Bt_Carica_CompletaClick();
    rig.control.StartLink();
    tickThroughACycle();
    rig.commands.Bt_RiavvioClick();
    rig.commands.Bt_Set_ClockClick();
    events.take();
    rig.control.StopLink();
    EXPECT_EQ(events.kinds(),
              (std::vector{
                  EventKind::commandRequested, EventKind::commandRequested, EventKind::linkStarted,
                  EventKind::commandSent, EventKind::commandDropped, EventKind::commandRequested,
                  EventKind::commandRequested, EventKind::linkStopped, EventKind::commandDropped}));
    EXPECT_EQ(events.all()[3].second, "Avvia Carica Completa");
    EXPECT_EQ(events.all()[4].second, "Blocca Orvane");
    // The clock setting survives the stop; the start is dropped.
    EXPECT_EQ(events.all().back().second, "Avvia Orvane");
}

TEST_F(CommandEvents, anUnansweredCommandIsJournaledAtEachTryUntilItIsAnswered) {
    rig.control.StartLink();
    rig.tick(5);  // through the clock read
    rig.commands.Bt_Set_ClockClick();
    events.take();
    rig.tick(6);  // firmware .. clock read again
    rig.unit.silentRequests = 2;
    rig.tick(3);
    EXPECT_EQ(events.take(),
              (std::vector<Event>{{EventKind::commandNotAnswered, "Impostazione Orologio"},
                                  {EventKind::commandNotAnswered, "Impostazione Orologio"},
                                  {EventKind::commandSent, "Impostazione Orologio"}}));
}

TEST_F(CommandEvents, aPortThatWillNotOpenIsJournaledOnOneLine) {
    rig.port.failNextOpen(link::OpenError::PermissionDenied);
    rig.control.StartLink();
    const std::vector<Event> journaled = events.all();
    ASSERT_EQ(journaled.size(), 1u);
    EXPECT_EQ(journaled[0].first, EventKind::openingError);
    EXPECT_EQ(journaled[0].second.find('\n'), std::string::npos);
    EXPECT_EQ(journaled[0].second.rfind("Errore in apertura 1", 0), 0u);
}

}  // namespace
}  // namespace orvane::monitor
